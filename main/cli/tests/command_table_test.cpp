#include "main/cli/command_table.h"

#include <gtest/gtest.h>

#include "main/cli/tests/cli_run.h"

namespace tavrin::cli {
namespace {

using testing::run;

TEST(CommandTable, HelpGoesToStdoutAndSucceeds) {
  const auto r = run({"--help"});
  EXPECT_EQ(r.status, ExitStatus::kDone);
  EXPECT_NE(r.out.find("usage: tavrin-cli"), std::string::npos);
  EXPECT_TRUE(r.err.empty());
}

TEST(CommandTable, MissingOrUnknownCommandIsBadUsage) {
  EXPECT_EQ(run({}).status, ExitStatus::kBadUsage);
  const auto r = run({"frobnicate"});
  EXPECT_EQ(r.status, ExitStatus::kBadUsage);
  EXPECT_NE(r.err.find("unknown command 'frobnicate'"), std::string::npos);
  EXPECT_TRUE(r.out.empty());
}

TEST(CommandTable, NamesAreUnique) {
  const auto table = commandTable();
  for (std::size_t i = 0; i < table.size(); ++i)
    for (std::size_t j = i + 1; j < table.size(); ++j)
      EXPECT_NE(table[i].name, table[j].name);
}

}  // namespace
}  // namespace tavrin::cli
