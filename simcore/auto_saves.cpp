#include "simcore/auto_saves.h"

#include <cstring>
#include <string>

#include "simcore/backup.h"
#include "simcore/program_files.h"
#include "simcore/s5d_files.h"

namespace tavrin::simcore {

void saveAfterCompression(Engine& engine) {
  const SimImage& img = engine.image();
  if (img.runState != 0) return;
  if (img.backupAfterCompress != 0) writeBackup(engine);
  if (img.s5dAfterCompress != 0) {
    const std::string name(img.s5dFileName, strnlen(img.s5dFileName, sizeof img.s5dFileName));
    if (!name.empty()) saveS5dFile(engine, namedFile(name).string(), true);
  }
}

void saveOnStop(Engine& engine) {
  if (engine.image().backupOnStop != 0) writeBackup(engine);
}

}  // namespace tavrin::simcore
