#include "simcore/s5d_files.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "outside/blockfile/blockfile32.h"
#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/block_write.h"
#include "simcore/memory_reset.h"

namespace tavrin::simcore {

namespace {

const char* typeLetters(uint8_t type) {
  switch (type) {
    case kTypeDB:
      return "DB";
    case kTypeSB:
      return "SB";
    case kTypePB:
      return "PB";
    case kTypeFX:
      return "FX";
    case kTypeFB:
      return "FB";
    case kTypeDX:
      return "DX";
    case kTypeOB:
      return "OB";
    default:
      return "";
  }
}

// Closes the file and releases the directory on every way out.
struct OpenS5d {
  S5DHandle handle = 0;
  unsigned char* directory = nullptr;
  ~OpenS5d() {
    if (directory != nullptr) _EntfBuchhalter(directory);
    if (handle != 0) _SchlS5Datei(handle);
  }
};

void loadEntry(Engine& engine, S5DHandle handle, const unsigned char* listed, S5dLoad how) {
  unsigned char entry[S5D_ENTRY_BYTES];
  std::copy(listed, listed + S5D_ENTRY_BYTES, entry);
  const uint8_t type = entry[0];
  if (entry[2] != 0 || blockKind(type) == nullptr) return;  // documentation blocks stay in the file
  unsigned char* data = _LeseBstDaten(handle, entry);
  if (data == nullptr) {
    char text[64];
    std::snprintf(text, sizeof text, "Fehler beim Laden des Bausteins: %s%d", typeLetters(type),
                  entry[1]);
    engine.showMessage(text, "SIMCORE32");
    return;
  }
  const unsigned bytes = entry[3] | entry[4] << 8;
  if ((bytes > 10 || isDataBlockType(type)) && bytes >= 10 && (data[0] == 0x70 || data[1] == 0x70))
    BstWrite(engine, type, entry[1], static_cast<int>(bytes / 2), data,
             how == S5dLoad::Ordinary ? kWriteNormal : kWriteIntegrated);
  _EntfBstDaten(data);
}

constexpr std::array<uint8_t, 7> kSaveOrder = {kTypeOB, kTypePB, kTypeSB, kTypeFB,
                                               kTypeFX, kTypeDB, kTypeDX};

// `data` holds room for the longest block.
bool saveBlock(Engine& engine, S5DHandle handle, uint8_t type, uint8_t number,
               std::vector<unsigned char>& data) {
  uint16_t words = 0;
  if (readBlock(engine, type, number, data.data(), kMaxBlockWords, words) != 0) return false;
  const unsigned bytes = 2u * words;
  if (bytes > kMaxSavedBlockBytes) return false;
  char name[S5D_NAME_BYTES + 8];
  std::snprintf(name, sizeof name, "%s%03u", typeLetters(type), static_cast<unsigned>(number));
  unsigned char entry[S5D_ENTRY_BYTES] = {};
  if (_NameZuBst(name, entry) == 0) return false;
  entry[3] = static_cast<unsigned char>(bytes);
  entry[4] = static_cast<unsigned char>(bytes >> 8);
  std::copy(data.begin() + 4, data.begin() + 8, entry + 5);  // header words 2 and 3
  return _SchrBstDaten(handle, entry, data.data()) != 0;
}

}  // namespace

uint16_t saveS5dFile(Engine& engine, const std::string& path, bool overwrite) {
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    if (!overwrite) return 16;
    if (!std::filesystem::remove(path, ec)) return 17;
  }
  OpenS5d file;
  file.handle = _OeffneS5Datei(path.c_str());
  if (file.handle == 0) return 10;
  uint16_t result = 0;
  std::vector<unsigned char> data(2u * kMaxBlockWords);
  for (uint8_t type : kSaveOrder)
    for (unsigned n = 0; n < kMaxBlockNumbers; ++n)
      if (blockExists(engine.image(), type, static_cast<uint8_t>(n)) &&
          !saveBlock(engine, file.handle, type, static_cast<uint8_t>(n), data))
        result = 15;
  return result;
}

uint16_t loadS5dFile(Engine& engine, const std::string& path, S5dLoad how) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return 10;
  if (how == S5dLoad::Ordinary) OverallReset(engine);
  OpenS5d file;
  file.handle = _OeffneS5Datei(path.c_str());
  if (file.handle == 0) return 10;
  unsigned short count = 0;
  file.directory = _LeseBuchhalter(file.handle, &count);
  if (file.directory == nullptr && _GetStatus() != S5D_OK) return 10;
  for (unsigned i = 0; i < count; ++i)
    loadEntry(engine, file.handle, file.directory + i * S5D_ENTRY_BYTES, how);
  return 0;
}

}  // namespace tavrin::simcore
