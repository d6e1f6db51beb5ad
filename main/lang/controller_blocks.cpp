#include "main/lang/controller_blocks.h"

#include <cstring>

#include "simcore/simcore32.h"

namespace tavrin::lang {

namespace {

struct Ram {
  const unsigned char* base = nullptr;
  uint32_t words = 0;
};

bool isDataBlockType(uint8_t type) {
  return type == static_cast<uint8_t>(BlockType::DB) || type == static_cast<uint8_t>(BlockType::DX);
}

// Data blocks stand in the data block RAM, which is the program RAM itself when the controller
// type has no separate one.
Ram ramOf(uint8_t type) {
  Ram ram;
  uint32_t bytes = 0;
  if (isDataBlockType(type)) {
    ram.base = S5AG_GetDBAnwendStartPtr();
    S5AG_GetDBRamSizeByte(&bytes);
  } else {
    ram.base = S5AG_GetS5AnwendStartPtr();
    S5AG_GetS5RamSizeByte(&bytes);
  }
  ram.words = bytes / 2;
  return ram;
}

// The simulator keeps its words in host order.
uint16_t wordAt(const Ram& ram, uint32_t index) {
  uint16_t w = 0;
  std::memcpy(&w, ram.base + 2 * static_cast<std::size_t>(index), sizeof w);
  return w;
}

}  // namespace

StoredBlock readStoredBlock(BlockId id) {
  StoredBlock block;
  const uint8_t type = blockTypeCode(id);
  const uint8_t number = blockNumber(id);
  if (S5AG_BausteinVorhandenW(id) == 0) return block;
  const uint16_t body = S5AG_GetStartAdrOfs(type, number);
  const uint16_t length = S5AG_GetBausteinLaenge(type, number);
  const Ram ram = ramOf(type);
  if (body < kBlockHeaderWords || ram.base == nullptr) return block;
  const uint32_t start = body - kBlockHeaderWords;
  if (length < kBlockHeaderWords || length > kMaxShownBlockWords || start + length > ram.words) {
    block.state = StoredBlock::State::TooLarge;
    return block;
  }
  block.words.reserve(length);
  for (uint32_t i = 0; i < length; ++i)
    block.words.push_back(wordAt(ram, start + i));
  block.state = StoredBlock::State::Present;
  return block;
}

bool blockStored(BlockId id) {
  return S5AG_BausteinVorhandenW(id) != 0;
}

std::optional<FbHeaderWords> storedFbHeader(uint8_t number, bool fx) {
  const BlockId id = makeBlockId(fx ? BlockType::FX : BlockType::FB, number);
  const StoredBlock block = readStoredBlock(id);
  if (block.state != StoredBlock::State::Present) return std::nullopt;
  return readFbHeaderWords(std::span<const uint16_t>(block.words).subspan(kBlockHeaderWords));
}

}  // namespace tavrin::lang
