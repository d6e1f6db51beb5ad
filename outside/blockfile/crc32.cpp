#include "outside/blockfile/crc32.h"

#include <array>

namespace tavrin::blockfile {
namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320u;

constexpr std::array<std::uint32_t, 256> makeTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t byte = 0; byte < 256; ++byte) {
    std::uint32_t value = byte;
    for (int bit = 0; bit < 8; ++bit)
      value = (value & 1u) ? (value >> 1) ^ kPolynomial : value >> 1;
    table[byte] = value;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kTable = makeTable();
static_assert(kTable[1] == 0x77073096u && kTable[128] == 0xEDB88320u && kTable[255] == 0x2D02EF8Du);

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous) {
  std::uint32_t crc = ~previous;
  for (const std::uint8_t byte : bytes)
    crc = kTable[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
  return ~crc;
}

}  // namespace tavrin::blockfile
