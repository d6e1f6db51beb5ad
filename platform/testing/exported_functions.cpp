#include "platform/testing/exported_functions.h"

#include <dlfcn.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace tavrin::testing {

std::set<std::string> declaredFunctions(const std::string& header, const std::string& apiMacro,
                                        const std::string& prefix) {
  std::ifstream in(header);
  std::stringstream text;
  text << in.rdbuf();
  const std::string source = text.str();
  const std::regex declaration(apiMacro + R"([^;(#]*\b()" + prefix + R"(\w*)\s*\()");
  std::set<std::string> names;
  for (std::sregex_iterator it(source.begin(), source.end(), declaration), end; it != end; ++it)
    names.insert((*it)[1]);
  return names;
}

ExportCheck checkExports(const std::string& library, const std::set<std::string>& names) {
  ExportCheck check;
  void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    check.loadError = dlerror();
    return check;
  }
  for (const std::string& name : names)
    if (dlsym(handle, name.c_str()) == nullptr) check.missing.insert(name);
  dlclose(handle);
  return check;
}

}  // namespace tavrin::testing
