// From the path texts callers pass to the library to file-system paths.
#ifndef UTILKIT_LIBRARY_PATHS_H
#define UTILKIT_LIBRARY_PATHS_H

#include <filesystem>

namespace tavrin::utilkit {

// The path named by `text`, with '\' read as a separator. May throw std::bad_alloc.
std::filesystem::path toPath(const char* text);

// The existing entry `text` names, found whatever the case of its last component; trailing
// separators are dropped first, so that "dir/" names "dir". Unchanged when nothing matches.
std::filesystem::path existingPath(const char* text);

// Copies `source` over `target` so that `target` is replaced only by a complete copy: the data
// goes to a new file beside it, which is renamed over it when every read and write succeeded.
// False for a source that is missing, unreadable or not a regular file, and when both name one
// file.
bool copyFileReplacingTarget(const std::filesystem::path& target,
                             const std::filesystem::path& source);

}  // namespace tavrin::utilkit

#endif
