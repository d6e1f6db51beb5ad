// Finding an existing file whatever the case of its name ("PB001.AWL" finds "pb001.awl").
#ifndef UTILKIT_CASE_INSENSITIVE_NAME_H
#define UTILKIT_CASE_INSENSITIVE_NAME_H

#include <filesystem>

namespace tavrin::utilkit {

// The existing entry for `path`, each component found whatever its ASCII case (an exact match
// first); the components that match nothing stay as given. May throw std::bad_alloc.
std::filesystem::path resolveNameCase(const std::filesystem::path& path);

}  // namespace tavrin::utilkit

#endif
