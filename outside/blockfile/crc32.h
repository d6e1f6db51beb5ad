// CRC-32 as used by zlib, PNG and Ethernet: reflected polynomial 0xEDB88320, initial value
// 0xFFFFFFFF, final inversion.
//
// Contents
//   crc32   checksum of a byte range, optionally continuing the checksum of earlier bytes
#ifndef OUTSIDE_BLOCKFILE_CRC32_H
#define OUTSIDE_BLOCKFILE_CRC32_H

#include <cstdint>
#include <span>

namespace tavrin::blockfile {

// crc32(b, crc32(a)) equals the checksum of a followed by b; the checksum of no bytes is 0.
std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous = 0);

}  // namespace tavrin::blockfile

#endif
