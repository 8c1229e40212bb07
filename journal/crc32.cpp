#include "journal/crc32.h"

#include <algorithm>
#include <array>
#include <cstddef>

#ifdef ROTACLE_HAVE_ZLIB
#include <zlib.h>
#endif

namespace rotacle {

namespace {

constexpr std::array<std::uint32_t, 256> MakeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

}  // namespace

std::uint32_t TableCrc32(std::string_view bytes) noexcept {
    std::uint32_t c = 0xFFFFFFFFU;
    for (const char b : bytes) c = kTable[(c ^ static_cast<unsigned char>(b)) & 0xFFU] ^ (c >> 8);
    return c ^ 0xFFFFFFFFU;
}

std::uint32_t Crc32(std::string_view bytes) noexcept {
#ifdef ROTACLE_HAVE_ZLIB
    // zlib takes the length as a 32-bit count: longer texts go in pieces.
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto* p = reinterpret_cast<const Bytef*>(bytes.data());
    std::size_t left = bytes.size();
    while (left > 0) {
        const auto n = static_cast<uInt>(std::min<std::size_t>(left, 1U << 30));
        crc = crc32(crc, p, n);
        p += n;
        left -= n;
    }
    return static_cast<std::uint32_t>(crc);
#else
    return TableCrc32(bytes);
#endif
}

}  // namespace rotacle
