// The records' checksum: known values of both CRC-32s, and the table's
// against zlib's over many texts where the build has zlib.
#include "journal/crc32.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#ifdef ROTACLE_HAVE_ZLIB
#include <zlib.h>
#endif

namespace rotacle {
namespace {

TEST(Crc32, KnownValues) {
    const struct {
        std::string text;
        std::uint32_t crc;
    } rows[] = {
        {"", 0x00000000U},
        {"a", 0xE8B7BE43U},
        {"123456789", 0xCBF43926U},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339U},
        {std::string(1, '\0'), 0xD202EF8DU},
        {std::string(32, '\xFF'), 0xFF6CAB0BU},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Crc32(r.text), r.crc) << r.text;
        EXPECT_EQ(TableCrc32(r.text), r.crc) << r.text;
    }
}

#ifdef ROTACLE_HAVE_ZLIB
TEST(Crc32, TheTableAgreesWithZlib) {
    std::mt19937 gen(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 3000);
    for (int i = 0; i < 2000; ++i) {
        std::string text(i < 300 ? static_cast<std::size_t>(i) : length(gen), '\0');
        for (char& c : text) c = static_cast<char>(byte(gen));
        const auto zlib = static_cast<std::uint32_t>(
            crc32(0L, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size())));
        ASSERT_EQ(TableCrc32(text), zlib) << "length " << text.size();
        ASSERT_EQ(Crc32(text), zlib) << "length " << text.size();
    }
}
#endif

}  // namespace
}  // namespace rotacle
