// The checksum against the published check values of CRC-32 (as zlib computes it).
#include "outside/blockfile/crc32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string_view>

namespace {

using tavrin::blockfile::crc32;

std::span<const std::uint8_t> bytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Crc32, KnownCheckValues) {
  struct Case {
    std::string_view text;
    std::uint32_t crc;
  };
  const Case cases[] = {
      {"", 0x00000000u},
      {"a", 0xE8B7BE43u},
      {"abc", 0x352441C2u},
      {"123456789", 0xCBF43926u},
      {"message digest", 0x20159D7Fu},
      {"abcdefghijklmnopqrstuvwxyz", 0x4C2750BDu},
      {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
  };
  for (const Case& c : cases)
    EXPECT_EQ(crc32(bytesOf(c.text)), c.crc) << c.text;
}

TEST(Crc32, ContinuesOverEverySplit) {
  const std::string_view text = "The quick brown fox jumps over the lazy dog";
  for (std::size_t split = 0; split <= text.size(); ++split)
    EXPECT_EQ(crc32(bytesOf(text.substr(split)), crc32(bytesOf(text.substr(0, split)))),
              0x414FA339u)
        << split;
}

TEST(Crc32, EveryByteValueCounts) {
  // A table entry typed wrong shows up as a wrong checksum of the byte that uses it.
  std::uint8_t all[256];
  for (int i = 0; i < 256; ++i)
    all[i] = static_cast<std::uint8_t>(i);
  EXPECT_EQ(crc32(all), 0x29058C73u);
}

}  // namespace
