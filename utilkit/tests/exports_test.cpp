// Every function the public header declares can be found by name in the built library.
#include <gtest/gtest.h>

#include "platform/testing/exported_functions.h"

namespace {

TEST(Exports, EveryDeclaredFunctionIsExported) {
  const auto names = tavrin::testing::declaredFunctions(UTILKIT_HEADER_PATH, "UTILKIT40_API", "U_");
  ASSERT_GE(names.size(), 90u) << "the header was not read: " << UTILKIT_HEADER_PATH;
  const auto check = tavrin::testing::checkExports(UTILKIT_LIBRARY_PATH, names);
  ASSERT_EQ(check.loadError, "");
  for (const auto& name : check.missing)
    ADD_FAILURE() << name << " is not exported";
}

}  // namespace
