// Finding existing files whatever the case of their names.
//
// Contents
//   findExistingPath   the existing entry for a name or relative path, or nothing
//   resolvePath        the path to open or create: what exists in its real case, the rest as given
//
// Projects come from a system where PB001.AWL and pb001.awl are the same file. Each component
// of the relative path is looked up in its directory: an entry of exactly that name wins;
// otherwise an entry that differs only in ASCII case (if there are several, the one that sorts
// first byte by byte, so the choice never depends on the directory's order). A component other
// than the last must be a directory. "." and ".." are taken as they are. Only ASCII letters fold;
// other bytes compare exactly. A relative path that is absolute is looked up from the root, not
// under the base. Nothing here creates anything: a new file is then created under the name
// resolvePath returns, so it is written in the case the caller gave.
#ifndef PLATFORM_FILE_LOOKUP_H
#define PLATFORM_FILE_LOOKUP_H

#include <filesystem>
#include <optional>

namespace tavrin::platform {

std::optional<std::filesystem::path> findExistingPath(const std::filesystem::path& base,
                                                      const std::filesystem::path& relative);

// For "Ordner/NEU.TXT" when only "ordner/" exists this is "<base>/ordner/NEU.TXT".
std::filesystem::path resolvePath(const std::filesystem::path& base,
                                  const std::filesystem::path& relative);

}  // namespace tavrin::platform

#endif
