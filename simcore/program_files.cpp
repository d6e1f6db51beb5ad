#include "simcore/program_files.h"

#include "platform/file_lookup.h"
#include "platform/foreign_path.h"
#include "platform/program_dir.h"

namespace tavrin::simcore {

std::filesystem::path programDirectory() {
  if (auto dir = platform::programDirectoryPath(platform::processEnvironment())) return *dir;
  return ".";
}

std::filesystem::path programFile(std::string_view written) {
  return platform::locateForeignPath(written, programDirectory());
}

std::filesystem::path namedFile(std::string_view written) {
  if (platform::isForeignPath(written)) return programFile(written);
  return platform::resolvePath({}, std::filesystem::path(written));
}

}  // namespace tavrin::simcore
