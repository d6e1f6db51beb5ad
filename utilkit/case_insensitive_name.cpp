#include "utilkit/case_insensitive_name.h"

#include "platform/file_lookup.h"

namespace tavrin::utilkit {

std::filesystem::path resolveNameCase(const std::filesystem::path& path) {
  return platform::resolvePath({}, path);
}

}  // namespace tavrin::utilkit
