// Finding an existing file whatever the case of its name ("PB001.AWL" finds "pb001.awl").
#ifndef UTILKIT_CASE_INSENSITIVE_NAME_H
#define UTILKIT_CASE_INSENSITIVE_NAME_H

#include <filesystem>

namespace tavrin::utilkit {

// `path` itself when it exists; otherwise the entry of its directory whose name equals the last
// component without regard to ASCII case (the first in byte order when several do); otherwise
// `path` unchanged. Only the last component is looked up. May throw std::bad_alloc.
std::filesystem::path resolveNameCase(const std::filesystem::path& path);

}  // namespace tavrin::utilkit

#endif
