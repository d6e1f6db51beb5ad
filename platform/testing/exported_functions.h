// For tests of the shared libraries: every function a public header declares must be found by
// name in the built library, the way another program loading it looks it up.
#ifndef PLATFORM_TESTING_EXPORTED_FUNCTIONS_H
#define PLATFORM_TESTING_EXPORTED_FUNCTIONS_H

#include <set>
#include <string>

namespace tavrin::testing {

// The names beginning with `prefix` of the functions declared in `header` with the attribute
// macro `apiMacro`.
std::set<std::string> declaredFunctions(const std::string& header, const std::string& apiMacro,
                                        const std::string& prefix);

struct ExportCheck {
  std::string loadError;          // the library could not be loaded
  std::set<std::string> missing;  // declared, but not found
};

ExportCheck checkExports(const std::string& library, const std::set<std::string>& names);

}  // namespace tavrin::testing

#endif
