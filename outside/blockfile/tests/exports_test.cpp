// Every function the public header declares can be found by name in the built library, the way
// another program loading libblockfile32.so looks it up.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::set<std::string> declaredFunctions() {
  std::ifstream header(BLOCKFILE_HEADER_PATH);
  std::stringstream text;
  text << header.rdbuf();
  const std::string source = text.str();
  const std::regex declaration(R"(\nBLOCKFILE32_API[^;(]*\b(_\w+)\s*\()");
  std::set<std::string> names;
  for (std::sregex_iterator it(source.begin(), source.end(), declaration), end; it != end; ++it)
    names.insert((*it)[1]);
  return names;
}

TEST(Exports, EveryDeclaredFunctionIsExported) {
  const std::set<std::string> names = declaredFunctions();
  ASSERT_EQ(names.size(), 13u) << "the header was not read: " << BLOCKFILE_HEADER_PATH;
  void* library = dlopen(BLOCKFILE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  for (const std::string& name : names)
    EXPECT_NE(dlsym(library, name.c_str()), nullptr) << name << " is not exported";
  dlclose(library);
}

}  // namespace
