// The checksum of the journal's records.
#pragma once

#include <cstdint>
#include <string_view>

namespace rotacle {

/// CRC-32 of `bytes` as zip, gzip and PNG compute it (reflected polynomial
/// 0xEDB88320, all ones in and out): "123456789" gives 0xCBF43926. zlib's
/// when the program is built with zlib, TableCrc32 otherwise.
std::uint32_t Crc32(std::string_view bytes) noexcept;

/// The same CRC-32 from a table of 256 entries, byte by byte, for a build
/// without zlib.
std::uint32_t TableCrc32(std::string_view bytes) noexcept;

}  // namespace rotacle
