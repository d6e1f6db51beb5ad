// A fresh directory per test under the system's temporary directory, removed afterwards.
#ifndef UTILKIT_TESTS_TEMP_DIRECTORY_H
#define UTILKIT_TESTS_TEMP_DIRECTORY_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace utilkit_test {

class TempDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = std::filesystem::temp_directory_path() /
            ("utilkit_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(root_, ec);
  }

  // The text of a path below the test directory, as the library's callers pass it.
  std::string at(const std::string& relative) const { return (root_ / relative).string(); }

  void write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories((root_ / relative).parent_path());
    std::ofstream(root_ / relative, std::ios::binary) << bytes;
  }

  std::string read(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  bool exists(const std::string& relative) const {
    return std::filesystem::exists(std::filesystem::symlink_status(root_ / relative));
  }

  // Every entry below `relative`, as paths relative to it ("sub/" for directories).
  std::set<std::string> tree(const std::string& relative = "") const {
    std::set<std::string> names;
    const auto base = root_ / relative;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(base)) {
      std::string name = std::filesystem::relative(entry.path(), base).string();
      if (entry.is_directory() && !entry.is_symlink()) name += '/';
      names.insert(name);
    }
    return names;
  }

  std::filesystem::path root_;
};

}  // namespace utilkit_test

#endif
