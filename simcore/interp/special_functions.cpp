// ASM: the built-in special functions that the integrated blocks of a controller type call.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "platform/file_bytes.h"
#include "platform/file_lookup.h"
#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/interp/arithmetic.h"
#include "simcore/interp/operand_ops.h"
#include "simcore/ram.h"

namespace tavrin::simcore::interp {

namespace {

void clearStatusBits(SimImage& s) {
  s.STATUS = s.ERAB = s.OS = s.OV = s.ANZ0 = s.ANZ1 = 0;
}

uint8_t blockTypeOfLetters(uint16_t letters) {
  switch (letters) {
    case 'D' << 8 | 'B':
      return kTypeDB;
    case 'D' << 8 | 'X':
      return kTypeDX;
    case 'F' << 8 | 'B':
      return kTypeFB;
    case 'F' << 8 | 'X':
      return kTypeFX;
    case 'O' << 8 | 'B':
      return kTypeOB;
    case 'P' << 8 | 'B':
      return kTypePB;
    case 'S' << 8 | 'B':
      return kTypeSB;
    default:
      return 0;
  }
}

// AA11: erase the block named by ACCU1-L (two letters) and ACCU2-L (number).
uint16_t eraseNamedBlock(Machine& m) {
  SimImage& s = m.img;
  const uint8_t type = blockTypeOfLetters(low(s.ACCU1));
  const unsigned number = low(s.ACCU2);
  if (type == 0 || number > 255) return 241;
  const auto n = static_cast<uint8_t>(number);
  if ((type == kTypeDB && n == 0) || IsIntegratedBlock(s, type, n)) return 242;
  if (!blockExists(s, type, n)) return 240;
  EraseBlock(m.engine, type, n);
  s.compressRequested = 1;
  return 0;
}

// AA17: status bits from, into or out of ACCU1-L.
void statusBits(SimImage& s) {
  const unsigned mode = low(s.ACCU2);
  const unsigned bits = low(s.ACCU1);
  const auto bitOf = [&](unsigned b) { return static_cast<uint8_t>((bits >> b) & 1); };
  uint8_t* const fields[] = {&s.VKE, &s.OS, &s.OV, &s.ANZ0, &s.ANZ1};
  constexpr unsigned kPositions[] = {1, 4, 5, 6, 7};
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    if (mode == 1) *fields[i] = bitOf(kPositions[i]);
    if (mode == 2 && bitOf(kPositions[i])) *fields[i] = 1;
    if (mode == 3 && bitOf(kPositions[i])) *fields[i] = 0;
  }
  s.STATUS = 1;
  s.ERAB = 0;
  if (mode == 2 || mode == 3) {
    const unsigned out =
        s.ERAB | s.VKE << 1 | s.STATUS << 2 | s.OS << 4 | s.OV << 5 | s.ANZ0 << 6 | s.ANZ1 << 7;
    s.ACCU1 = withLow(s.ACCU1, static_cast<uint16_t>((bits & 0xFF00) | out));
  }
}

// AA1C: information about the data block named in ACCU1-L (0x01nn DB, 0x02nn DX).
void dataBlockInfo(Machine& m) {
  SimImage& s = m.img;
  const unsigned kind = low(s.ACCU1) >> 8;
  const uint8_t type = kind == 1 ? kTypeDB : kind == 2 ? kTypeDX : 0;
  const auto n = static_cast<uint8_t>(s.ACCU1);
  if (type == 0 || !blockExists(s, type, n)) {
    s.VKE = 1;
    return;
  }
  const uint16_t length = BlockLength(m.engine, type, n);
  s.ACCU2 =
      withLow(s.ACCU2, static_cast<uint16_t>(length >= kHeaderWords ? length - kHeaderWords : 0));
  s.ACCU1 = withLow(s.ACCU1, bodyAddress(m.engine, type, n));
  s.VKE = 0;
  const bool integrated = IsIntegratedBlock(s, type, n);
  s.ANZ1 = integrated ? 0 : 1;
  s.ANZ0 = integrated ? 1 : 0;
}

// AA1D: the current data block narrowed by ACCU1-L words from its start.
void narrowDataBlock(Machine& m) {
  SimImage& s = m.img;
  const unsigned by = low(s.ACCU1);
  if (by > 0 && by < s.currentDbWords) {
    s.currentDbAddress = static_cast<uint16_t>(s.currentDbAddress + by * s.AddrPerWord);
    s.currentDbLength = static_cast<uint16_t>(s.currentDbLength - by);
    s.currentDbWords = static_cast<uint16_t>(s.currentDbWords - by);
    s.restoreDbOnReturn = 0;
    m.refreshDataBlock();
    s.VKE = 0;
  } else {
    s.VKE = 1;
  }
  clearStatusBits(s);
}

uint8_t* dataWordsOf(Machine& m, uint8_t number, unsigned& words) {
  Engine& e = m.engine;
  const uint16_t entry = BlockEntry(e.image(), kTypeDB, number);
  const uint16_t length = BlockLength(e, kTypeDB, number);
  const RamView ram = ramView(e, ramFor(e, kTypeDB));
  if (entry == 0 || length < kHeaderWords || entry + length - kHeaderWords > ram.size)
    return nullptr;
  words = length - kHeaderWords;
  return ram.base + 2 * entry;
}

// AA25: a file of big-endian words into a data block. The file's name stands in a data block; it
// names a file of the simulator directory only: names with separators, "..", or without their
// terminating zero within the 24 characters are refused, so that a program cannot reach any
// other file of the host.
uint16_t readFileIntoDataBlock(Machine& m) {
  SimImage& s = m.img;
  const auto nameDb = static_cast<uint8_t>(s.ACCU1);
  const auto targetDb = static_cast<uint8_t>(s.ACCU1 >> 8);
  unsigned nameWords = 0, targetWords = 0;
  const uint8_t* names = dataWordsOf(m, nameDb, nameWords);
  if (names == nullptr) return 1;
  if (nameWords < 20) return 3;
  if (targetDb < 2) return 8;
  uint8_t* target = dataWordsOf(m, targetDb, targetWords);
  if (target == nullptr) return 2;
  const unsigned count = rd16(names + 2 * 13);
  if (count > 8192) return 12;

  std::string name;
  for (unsigned i = 0; i < 24; ++i) {
    const auto c = static_cast<char>(i % 2 == 0 ? names[i + 1] : names[i - 1]);  // high byte first
    if (c == '\0') break;
    name += c;
    if (i == 23) return 5;
  }
  const std::string_view dir(s.simulatorDir, strnlen(s.simulatorDir, sizeof s.simulatorDir));
  if (name.empty() || dir.empty() || name.find_first_of("/\\") != std::string::npos ||
      name == "." || name.find("..") != std::string::npos)
    return 5;
  const auto path = platform::findExistingPath(std::string(dir), name);
  if (!path) return 5;
  const platform::FileBytes file = platform::readFileBytes(*path);
  if (!file.exists || !file.ok()) return 5;
  const unsigned words = count == 0 ? static_cast<unsigned>(file.bytes.size() / 2) : count;
  if (words > targetWords) return 4;
  if (file.bytes.size() < 2u * words) return 7;
  for (unsigned i = 0; i < words; ++i)
    wr16(target + 2 * i, static_cast<uint16_t>(static_cast<uint8_t>(file.bytes[2 * i]) << 8 |
                                               static_cast<uint8_t>(file.bytes[2 * i + 1])));
  return 0;
}

// B020 .. B022: ((2^n - raw) * lower + raw * upper) / 2^n from the flag words of the analog blocks.
void scaleAnalogValue(Machine& m) {
  SimImage& s = m.img;
  const auto flagWord = [&](unsigned n) {
    return static_cast<int16_t>(byteAreaWord(m.flags, m.byteShift, n));
  };
  const double lower = flagWord(200), upper = flagWord(202);
  const unsigned bits =
      std::min<unsigned>(m.flagByte(205) != 0 ? m.flagByte(205) : m.flagByte(204), 16);
  const double range = std::ldexp(1.0, static_cast<int>(bits));
  const double raw = static_cast<uint16_t>(flagWord(206));
  const double scaled = ((range - raw) * lower + raw * upper) / range;
  const double clamped = std::clamp(std::trunc(scaled), -32768.0, 32767.0);
  s.ACCU1 = withLow(s.ACCU1, static_cast<uint16_t>(static_cast<int16_t>(clamped)));
}

// B060: an analog input through the analog value source of this process.
void analogInput(Machine& m) {
  SimImage& s = m.img;
  uint16_t value = 0;
  uint8_t shift = 0, flag1 = 0, flag2 = 0;
  const uint16_t error = m.engine.analogValueSource != nullptr
                             ? m.engine.analogValueSource(static_cast<uint8_t>(s.ACCU2),
                                                          static_cast<uint8_t>(s.ACCU1 >> 8),
                                                          &value, &shift, &flag1, &flag2)
                             : 1;
  if (error != 0) flag1 = flag2 = 0;
  const unsigned shifted = shift < 16 ? (unsigned{value} << shift) & 0xFFFF : 0;
  s.ACCU1 = withLow(s.ACCU1, static_cast<uint16_t>(shifted | (flag1 & 1) | (flag2 & 1) << 1));
  s.VKE = error != 0 ? 1 : 0;
}

bool noEffect(uint16_t f) {
  return f == 0xAA14 || f == 0xAA15 || f == 0xAA18 || (f >= 0xAA1F && f <= 0xAA21) || f == 0xAA26 ||
         f == 0xAA27 || f == 0xB010 || (f >= 0xC030 && f <= 0xC039);
}

}  // namespace

bool specialFunction(Machine& m, uint16_t f) {
  SimImage& s = m.img;
  Engine& e = m.engine;
  if (f >= 0xC000 && f <= 0xC029 && (f & 0xF) <= 9) {
    const unsigned index = ((f >> 4) & 0xF) * 10 + (f & 0xF);
    if (e.userFunctions[index] != nullptr) e.userFunctions[index]();
    return true;
  }
  if (f >= 0xAA30 && f <= 0xAA38) {
    s.obPeriodMs[f - 0xAA30] = low(s.ACCU1);
    return true;
  }
  if (f >= 0xAA40 && f <= 0xAA43) {
    uint8_t* word = m.bsWord(60 + (f - 0xAA40));
    const auto value = static_cast<uint16_t>(rd16(word) - 1);
    wr16(word, value);
    s.VKE = value != 0;
    clearStatusBits(s);
    return true;
  }
  if (noEffect(f)) return true;
  switch (f) {
    case 0xAA00:
      opBcdToBinary(s);
      return true;
    case 0xAA01:
      opMagnitudeToBcd7(s);
      return true;
    case 0xAA10:
      s.compressRequested = 1;
      return true;
    case 0xAA11:
      s.ACCU1 = withLow(s.ACCU1, eraseNamedBlock(m));
      return true;
    case 0xAA12:
      s.cycleMonitoringStartMs = e.nowMs();
      return true;
    case 0xAA13:
      if (low(s.ACCU1) > 1000 && e.delayCallback != nullptr) e.delayCallback();
      return true;
    case 0xAA16:
      s.cycleMonitoringMs = low(s.ACCU1);
      return true;
    case 0xAA17:
      statusBits(s);
      return true;
    case 0xAA19:
      s.ACCU1 = s.ACCU2 = s.ACCU3 = s.ACCU4 = 0;
      return true;
    case 0xAA1A: {
      const uint32_t a4 = s.ACCU4;
      s.ACCU4 = s.ACCU3, s.ACCU3 = s.ACCU2, s.ACCU2 = s.ACCU1, s.ACCU1 = a4;
      return true;
    }
    case 0xAA1B: {
      const uint32_t a1 = s.ACCU1;
      s.ACCU1 = s.ACCU2, s.ACCU2 = s.ACCU3, s.ACCU3 = s.ACCU4, s.ACCU4 = a1;
      return true;
    }
    case 0xAA1C:
      dataBlockInfo(m);
      return true;
    case 0xAA1D:
      narrowDataBlock(m);
      return true;
    case 0xAA1E:
      opSignExtend(s);
      return true;
    case 0xAA25: {
      const uint16_t result = readFileIntoDataBlock(m);
      s.ACCU1 = withLow(s.ACCU1, result);
      s.VKE = result != 0 ? 1 : 0;
      return true;
    }
    case 0xAA39:
      opDivAA39(s);
      return true;
    case 0xB020:
    case 0xB021:
    case 0xB022:
      scaleAnalogValue(m);
      return true;
    case 0xB060:
      analogInput(m);
      return true;
    default:
      illegal(m);
      return false;
  }
}

}  // namespace tavrin::simcore::interp
