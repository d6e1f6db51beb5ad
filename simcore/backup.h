// The backup file: the whole address space saved and restored, so that a controller's memory
// survives the program.
//
// Contents
//   kBackupBytes        the size of the file
//   backupFilePath      the file: the name set in the record, else BACKUP.BIN, in the program
//                       directory
//   writeBackup         save the memory
//   restoreBackup       put a saved memory back and rebuild the address lists (STOP only)
//
// The file holds Space[0] .. Space[65535], the lower half of the address space, followed by
// Space[65535] .. Space[131070], the upper half (the byte both halves share in word-addressed
// types is in the file twice; on restore the second copy wins).
#ifndef SIMCORE_BACKUP_H
#define SIMCORE_BACKUP_H

#include <cstddef>
#include <filesystem>

#include "simcore/engine.h"

namespace tavrin::simcore {

inline constexpr std::size_t kBackupHalfBytes = 65536;
inline constexpr std::size_t kBackupBytes = 2 * kBackupHalfBytes;
inline constexpr char kDefaultBackupName[] = "BACKUP.BIN";

std::filesystem::path backupFilePath(const SimImage& img);

// The file is replaced whole: a write that fails leaves the previous backup as it was.
bool writeBackup(Engine& engine);

// Nothing is changed in RUN, or when the file is missing or shorter than kBackupBytes: the file
// is read completely before any byte of memory is overwritten.
bool restoreBackup(Engine& engine);

}  // namespace tavrin::simcore

#endif
