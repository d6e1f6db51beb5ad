// Exports: the backup file, S5D files and the block import mode.
#include <cstring>
#include <string>

#include "simcore/backup.h"
#include "simcore/block_import.h"
#include "simcore/program_files.h"
#include "simcore/s5d_files.h"
#include "simcore/simcore32.h"

using namespace tavrin::simcore;

namespace {

// A length-prefixed name becomes zero-terminated where it stands.
const char* zeroTerminated(char* name, unsigned char lengthPrefixed) {
  if (name == nullptr) return "";
  if (lengthPrefixed != 0) {
    const auto length = static_cast<unsigned char>(name[0]);
    std::memmove(name, name + 1, length);
    name[length] = '\0';
  }
  return name;
}

// A name the field cannot hold whole is refused and the field keeps the name it had: a name cut
// short would send the file somewhere else.
template <std::size_t N>
bool storeName(char (&field)[N], const char* name) {
  const std::size_t length = std::strlen(name);
  if (length >= N) return false;
  std::memcpy(field, name, length + 1);
  return true;
}

}  // namespace

extern "C" {

unsigned char S5AG_SetupBackupRestore(unsigned char afterCompressing, unsigned char onStop) {
  SimImage& img = engine().image();
  img.backupAfterCompress = afterCompressing;
  img.backupOnStop = onStop;
  return 1;
}

unsigned char S5AG_SetBackupDatei(char* name, unsigned char lengthPrefixed) {
  return storeName(engine().image().backupFileName, zeroTerminated(name, lengthPrefixed)) ? 1 : 0;
}

unsigned char S5AG_DoBackUp(void) {
  try {
    writeBackup(engine());
  } catch (...) {
  }
  return 1;
}

unsigned char S5AG_DoRestore(void) {
  try {
    restoreBackup(engine());
  } catch (...) {
  }
  return 1;
}

unsigned short S5AG_LadeS5D(char* name) {
  Engine& e = engine();
  if (e.image().runState != 0) return 4;
  if (name == nullptr) return 10;
  try {
    return loadS5dFile(e, namedFile(name).string(), S5dLoad::Ordinary);
  } catch (...) {
    return 10;
  }
}

unsigned short S5AG_SchreibeS5D(char* name, unsigned char overwrite) {
  Engine& e = engine();
  if (e.image().runState != 0) return 4;
  if (name == nullptr) return 10;
  try {
    return saveS5dFile(e, namedFile(name).string(), overwrite != 0);
  } catch (...) {
    return 15;
  }
}

unsigned short S5AG_S5DSpeichernBeiKomprimieren(unsigned char enable, char* name,
                                                unsigned char lengthPrefixed) {
  SimImage& img = engine().image();
  if (!storeName(img.s5dFileName, zeroTerminated(name, lengthPrefixed))) return 0;
  img.s5dAfterCompress = enable;
  return 1;
}

unsigned short S5AG_BausteinImportVorbereiten(unsigned short* buffer) {
  return enterBlockImport(engine(), buffer) ? 1 : 0;
}

unsigned short S5AG_BausteinImportAbschliessen(void) {
  leaveBlockImport(engine());
  return 1;
}

}  // extern "C"
