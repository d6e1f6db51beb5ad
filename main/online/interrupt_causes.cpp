#include "main/online/interrupt_causes.h"

#include <array>
#include <string_view>

namespace tavrin::online {

namespace {

using BitNames = std::array<std::string_view, 8>;  // bit 0 first

constexpr BitNames kByteAddressedCause1 = {"---",  "STUEB", "STS", "NNN",
                                           "TRAF", "SUF",   "---", "STOPS"};
constexpr BitNames kByteAddressedCause2 = {"ASPFA", "BAU", "PEU", "SYS-FE",
                                           "ZYK",   "---", "QVZ", "NAU"};
constexpr BitNames kWordAddressedCause1 = {"STP",   "ADF", "QVZ", "ZYK",
                                           "MPSTP", "BAU", "PEU", "NAU"};
constexpr BitNames kWordAddressedCause2 = {"DOPP", "WECXK", "STUEU", "STUEB",
                                           "REG",  "LZF",   "S-6",   "BCF"};

void appendNames(std::vector<std::string>& names, uint8_t bits, const BitNames& table) {
  for (unsigned bit = 0; bit < 8; ++bit)
    if ((bits >> bit & 1) != 0 && !table[bit].empty() && table[bit] != "---")
      names.emplace_back(table[bit]);
}

}  // namespace

std::vector<std::string> InterruptCauseNames(uint8_t causeByte1, uint8_t causeByte2,
                                             bool wordAddressed) {
  std::vector<std::string> names;
  appendNames(names, causeByte1, wordAddressed ? kWordAddressedCause1 : kByteAddressedCause1);
  appendNames(names, causeByte2, wordAddressed ? kWordAddressedCause2 : kByteAddressedCause2);
  return names;
}

}  // namespace tavrin::online
