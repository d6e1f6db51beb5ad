// Every function the chief header declares can be found by name in libsimcore32.so, the way
// another program loading the library looks it up.
#include <gtest/gtest.h>

#include "platform/testing/exported_functions.h"

namespace {

TEST(Exports, EveryDeclaredFunctionIsExported) {
  const auto names =
      tavrin::testing::declaredFunctions(SIMCORE_HEADER_PATH, "SIMCORE32_API", "S5AG_");
  ASSERT_GE(names.size(), 80u) << "the header was not read: " << SIMCORE_HEADER_PATH;
  const auto check = tavrin::testing::checkExports(SIMCORE_LIBRARY_PATH, names);
  ASSERT_EQ(check.loadError, "");
  for (const auto& name : check.missing)
    ADD_FAILURE() << name << " is not exported";
}

}  // namespace
