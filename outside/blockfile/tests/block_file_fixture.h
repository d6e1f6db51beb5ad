// What the tests of the exports share: a fresh directory per test, entries and block bytes as a
// caller builds them, and handles that are closed again when a test ends.
//
// Contents
//   Bytes, Entry           byte strings and 9-byte directory entries
//   entryFor               the entry a caller writes: name, length, header words 2 and 3
//   blockBytes             block contents that differ from block to block
//   BlockFileTest          the fixture: paths, file bytes, open/close, directory names
#ifndef OUTSIDE_BLOCKFILE_TESTS_BLOCK_FILE_FIXTURE_H
#define OUTSIDE_BLOCKFILE_TESTS_BLOCK_FILE_FIXTURE_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "outside/blockfile/blockfile32.h"

namespace blockfile_test {

using Bytes = std::vector<unsigned char>;
using Entry = std::array<unsigned char, S5D_ENTRY_BYTES>;

// As the exchange code fills it: type and number from the name, the length low byte first,
// header words 2 and 3 high byte first.
inline Entry entryFor(const std::string& name, std::size_t length, std::uint32_t headerWords = 0) {
  Entry entry{};
  EXPECT_NE(_NameZuBst(name.c_str(), entry.data()), 0) << name;
  entry[3] = static_cast<unsigned char>(length & 0xFF);
  entry[4] = static_cast<unsigned char>(length >> 8);
  for (int i = 0; i < 4; ++i)
    entry[5 + i] = static_cast<unsigned char>(headerWords >> (24 - 8 * i));
  return entry;
}

inline Bytes blockBytes(std::size_t length, unsigned seed) {
  Bytes bytes(length);
  std::uint32_t state = seed * 2654435761u + 1u;
  for (unsigned char& byte : bytes) {
    state = state * 1664525u + 1013904223u;
    byte = static_cast<unsigned char>(state >> 24);
  }
  return bytes;
}

class BlockFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = std::filesystem::temp_directory_path() /
            ("blockfile_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
  }

  void TearDown() override {
    for (const S5DHandle handle : handles_)
      _SchlS5Datei(handle);
    std::error_code ec;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(root_, ec);
  }

  std::string at(const std::string& relative) const { return (root_ / relative).string(); }

  void writeFile(const std::string& relative, const Bytes& bytes) const {
    std::filesystem::create_directories((root_ / relative).parent_path());
    std::ofstream out(root_ / relative, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }

  Bytes readFile(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  bool exists(const std::string& relative) const {
    return std::filesystem::exists(std::filesystem::symlink_status(root_ / relative));
  }

  // Every entry below the test directory ("sub/" for directories).
  std::set<std::string> tree() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_)) {
      std::string name = std::filesystem::relative(entry.path(), root_).string();
      if (entry.is_directory() && !entry.is_symlink()) name += '/';
      names.insert(name);
    }
    return names;
  }

  // Opens through the library; the handle is closed when the test ends unless closed before.
  S5DHandle open(const std::string& relative) { return openPath(at(relative)); }

  S5DHandle openPath(const std::string& path) {
    const S5DHandle handle = _OeffneS5Datei(path.c_str());
    if (handle != 0) handles_.insert(handle);
    return handle;
  }

  bool close(S5DHandle handle) {
    handles_.erase(handle);
    return _SchlS5Datei(handle) != 0;
  }

  bool writeBlock(S5DHandle handle, const std::string& name, const Bytes& data,
                  std::uint32_t headerWords = 0) {
    const Entry entry = entryFor(name, data.size(), headerWords);
    return _SchrBstDaten(handle, entry.data(), data.data()) != 0;
  }

  // The block's bytes, and in `stored` the entry the library filled in; empty when it failed.
  Bytes readBlock(S5DHandle handle, const std::string& name, Entry* stored = nullptr) {
    Entry entry{};
    if (_NameZuBst(name.c_str(), entry.data()) == 0) return {};
    unsigned char* data = _LeseBstDaten(handle, entry.data());
    if (data == nullptr) return {};
    const std::size_t length = entry[3] | (entry[4] << 8);
    Bytes bytes(data, data + length);
    _EntfBstDaten(data);
    if (stored != nullptr) *stored = entry;
    return bytes;
  }

  bool deleteBlock(S5DHandle handle, const std::string& name) {
    Entry entry{};
    EXPECT_NE(_NameZuBst(name.c_str(), entry.data()), 0) << name;
    return _LoescheBst(handle, entry.data()) != 0;
  }

  std::vector<Entry> directory(S5DHandle handle) {
    unsigned short count = 0xFFFF;
    unsigned char* entries = _LeseBuchhalter(handle, &count);
    std::vector<Entry> result;
    for (unsigned short i = 0; i < count && entries != nullptr; ++i) {
      Entry entry;
      std::copy(entries + i * S5D_ENTRY_BYTES, entries + (i + 1) * S5D_ENTRY_BYTES, entry.begin());
      result.push_back(entry);
    }
    EXPECT_EQ(entries == nullptr, count == 0);
    _EntfBuchhalter(entries);
    return result;
  }

  std::vector<std::string> directoryNames(S5DHandle handle) {
    std::vector<std::string> names;
    for (const Entry& entry : directory(handle)) {
      char text[S5D_NAME_BYTES] = "?";
      names.push_back(_BstZuName(entry.data(), text));
    }
    return names;
  }

  std::filesystem::path root_;
  std::set<S5DHandle> handles_;
};

}  // namespace blockfile_test

#endif
