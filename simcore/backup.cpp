#include "simcore/backup.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/file_bytes.h"
#include "simcore/block_store.h"
#include "simcore/program_files.h"

namespace tavrin::simcore {

static_assert(kSpaceBytes == 2 * kBackupHalfBytes - 1, "the halves share one byte of Space");

namespace {

constexpr std::size_t kUpperHalfStart = kBackupHalfBytes - 1;

}  // namespace

std::filesystem::path backupFilePath(const SimImage& img) {
  const std::size_t length = strnlen(img.backupFileName, sizeof img.backupFileName);
  const std::string name(img.backupFileName, length);
  return programFile(name.empty() ? std::string(kDefaultBackupName) : name);
}

bool writeBackup(Engine& engine) {
  const SimImage& img = engine.image();
  std::string bytes(kBackupBytes, '\0');
  std::memcpy(bytes.data(), img.Space, kBackupHalfBytes);
  std::memcpy(bytes.data() + kBackupHalfBytes, img.Space + kUpperHalfStart, kBackupHalfBytes);
  return platform::replaceFileContents(backupFilePath(img), bytes).ok();
}

bool restoreBackup(Engine& engine) {
  SimImage& img = engine.image();
  if (img.runState != 0) return false;
  const platform::FileBytes file = platform::readFileBytes(backupFilePath(img));
  if (!file.ok() || file.bytes.size() < kBackupBytes) return false;
  std::memcpy(img.Space, file.bytes.data(), kBackupHalfBytes);
  std::memcpy(img.Space + kUpperHalfStart, file.bytes.data() + kBackupHalfBytes, kBackupHalfBytes);
  ScanMemory(engine);
  return true;
}

}  // namespace tavrin::simcore
