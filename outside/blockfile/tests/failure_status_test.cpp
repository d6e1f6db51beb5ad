// The status of every way a call can fail, and what a failed call leaves behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "outside/blockfile/tests/block_file_fixture.h"

namespace blockfile_test {
namespace {

class Failures : public BlockFileTest {};

TEST_F(Failures, NullPointersFailWithStatusOne) {
  const S5DHandle handle = open("prog.s5d");
  ASSERT_NE(handle, 0u);
  const Entry entry = entryFor("PB001", 4);
  const unsigned char data[4] = {1, 2, 3, 4};
  unsigned short count = 0;
  struct Case {
    const char* what;
    std::function<bool()> failed;
  };
  const std::vector<Case> cases = {
      {"open", [] { return _OeffneS5Datei(nullptr) == 0; }},
      {"compress", [] { return _KomprimiereDatei(nullptr) == 0; }},
      {"directory count", [&] { return _LeseBuchhalter(handle, nullptr) == nullptr; }},
      {"read entry", [&] { return _LeseBstDaten(handle, nullptr) == nullptr; }},
      {"write entry", [&] { return _SchrBstDaten(handle, nullptr, data) == 0; }},
      {"write data", [&] { return _SchrBstDaten(handle, entry.data(), nullptr) == 0; }},
      {"delete entry", [&] { return _LoescheBst(handle, nullptr) == 0; }},
      {"header length", [] { return _BstKopfLng(nullptr) == 0; }},
      {"unknown handle: directory",
       [&] { return _LeseBuchhalter(handle + 1000, &count) == nullptr; }},
      {"handle 0: write", [&] { return _SchrBstDaten(0, entry.data(), data) == 0; }},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(c.failed()) << c.what;
    EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR) << c.what;
  }
  _EntfBuchhalter(nullptr);
  _EntfBstDaten(nullptr);
  EXPECT_EQ(_GetStatus(), S5D_OK) << "releasing nothing is no failure";
  EXPECT_TRUE(directory(handle).empty()) << "nothing was written";
  EXPECT_TRUE(readFile("prog.s5d").empty());
}

TEST_F(Failures, EntriesThatNameNoBlockAreRefused) {
  const S5DHandle handle = open("prog.s5d");
  ASSERT_TRUE(writeBlock(handle, "PB001", blockBytes(4, 1)));
  const Bytes before = readFile("prog.s5d");
  const unsigned char data[4] = {1, 2, 3, 4};
  for (const Entry& entry : std::vector<Entry>{{0x03, 1, 0, 4}, {0x04, 1, 2, 4}, {0x04, 1, 9, 4}}) {
    EXPECT_EQ(_SchrBstDaten(handle, entry.data(), data), 0);
    EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR);
    Entry copy = entry;
    EXPECT_EQ(_LeseBstDaten(handle, copy.data()), nullptr);
    EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR);
    EXPECT_EQ(_LoescheBst(handle, entry.data()), 0);
    EXPECT_EQ(_GetStatus(), S5D_GENERAL_ERROR);
  }
  EXPECT_EQ(readFile("prog.s5d"), before);
}

TEST_F(Failures, MissingBlocksGiveStatusTen) {
  const S5DHandle handle = open("prog.s5d");
  ASSERT_TRUE(writeBlock(handle, "PB001", blockBytes(4, 1)));
  for (const char* name : {"PB002", "PK001", "FB001", "OB001"}) {
    Entry entry = entryFor(name, 0);
    EXPECT_EQ(_LeseBstDaten(handle, entry.data()), nullptr) << name;
    EXPECT_EQ(_GetStatus(), S5D_BLOCK_MISSING) << name;
    EXPECT_FALSE(deleteBlock(handle, name)) << name;
    EXPECT_EQ(_GetStatus(), S5D_BLOCK_MISSING) << name;
  }
  EXPECT_EQ(directoryNames(handle), (std::vector<std::string>{"PB001"}));
}

TEST_F(Failures, OpeningWhatIsNoFile) {
  std::filesystem::create_directory(root_ / "dir");
  writeFile("plain", {'x'});
  ASSERT_EQ(::mkfifo(at("fifo").c_str(), 0600), 0);
  struct Case {
    std::string path;
    int status;
  };
  const Case cases[] = {
      {at("dir"), S5D_OPEN_FAILED},
      {at("dir/"), S5D_OPEN_FAILED},
      {at("missing/prog.s5d"), S5D_FILE_NOT_FOUND},
      {at("plain/prog.s5d"), S5D_FILE_NOT_FOUND},
      {"", S5D_FILE_NOT_FOUND},
      {at("fifo"), S5D_OPEN_FAILED},
      {"/dev/null", S5D_OPEN_FAILED},
      // Opens, but reading this process's memory at offset 0 fails.
      {"/proc/self/mem", S5D_READ_FAILED},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(openPath(c.path), 0u) << c.path;
    EXPECT_EQ(_GetStatus(), c.status) << c.path;
  }
  EXPECT_EQ(tree(), (std::set<std::string>{"dir/", "fifo", "plain"}));
  EXPECT_EQ(readFile("plain"), Bytes{'x'});
}

TEST_F(Failures, UnreadableFile) {
  writeFile("prog.s5d", {});
  std::filesystem::permissions(at("prog.s5d"), std::filesystem::perms::none);
  const S5DHandle handle = open("prog.s5d");
  if (::access(at("prog.s5d").c_str(), R_OK) != 0) {
    EXPECT_EQ(handle, 0u);
    EXPECT_EQ(_GetStatus(), S5D_ACCESS_DENIED);
  } else {
    // Where permissions are not enforced (root) the file opens as any other.
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(_GetStatus(), S5D_OK);
  }
}

TEST_F(Failures, TooManyOpenFiles) {
  std::vector<S5DHandle> handles;
  for (int i = 0; i < 16; ++i) {
    handles.push_back(open("f" + std::to_string(i) + ".s5d"));
    ASSERT_NE(handles.back(), 0u) << i << " status " << _GetStatus();
  }
  EXPECT_EQ(open("f16.s5d"), 0u);
  EXPECT_EQ(_GetStatus(), S5D_TOO_MANY_FILES);
  EXPECT_FALSE(exists("f16.s5d")) << "a refused open creates nothing";
  EXPECT_EQ(open("f0.s5d"), 0u) << "a second handle on an open file needs a place too";
  EXPECT_EQ(_GetStatus(), S5D_TOO_MANY_FILES);
  ASSERT_TRUE(close(handles[3]));
  EXPECT_NE(open("f16.s5d"), 0u);
}

TEST_F(Failures, ClosingWhatIsNotOpen) {
  const S5DHandle handle = open("prog.s5d");
  ASSERT_TRUE(close(handle));
  for (const S5DHandle stale : {handle, S5DHandle{0}, S5DHandle{0xFFFFFFFF}}) {
    EXPECT_EQ(_SchlS5Datei(stale), 0) << stale;
    EXPECT_EQ(_GetStatus(), S5D_CLOSE_FAILED) << stale;
  }
  const S5DHandle again = open("prog.s5d");
  EXPECT_NE(again, handle) << "a closed handle's number is not given out again at once";
}

TEST_F(Failures, CompressingWhatCannotBeRead) {
  std::filesystem::create_directory(root_ / "dir");
  writeFile("bad.s5d", {'T', 'A', 'V'});
  struct Case {
    std::string path;
    int status;
  };
  const Case cases[] = {
      {at("missing.s5d"), S5D_FILE_NOT_FOUND},
      {at("missing/prog.s5d"), S5D_FILE_NOT_FOUND},
      {at("dir"), S5D_OPEN_FAILED},
      {at("bad.s5d"), S5D_READ_FAILED},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(_KomprimiereDatei(c.path.c_str()), 0) << c.path;
    EXPECT_EQ(_GetStatus(), c.status) << c.path;
  }
  EXPECT_EQ(tree(), (std::set<std::string>{"bad.s5d", "dir/"})) << "compressing creates nothing";
  EXPECT_EQ(readFile("bad.s5d"), (Bytes{'T', 'A', 'V'}));
}

// The state a handle shows: its directory and the bytes of every block.
std::vector<std::pair<Entry, Bytes>> contentsOf(S5DHandle handle, std::vector<Entry> entries) {
  std::vector<std::pair<Entry, Bytes>> contents;
  for (Entry entry : entries) {
    unsigned char* data = _LeseBstDaten(handle, entry.data());
    const std::size_t length = entry[3] | (entry[4] << 8);
    contents.push_back({entry, data == nullptr ? Bytes{} : Bytes(data, data + length)});
    _EntfBstDaten(data);
  }
  return contents;
}

class WriteFailures : public BlockFileTest {
 protected:
  // Opens d/prog.s5d with three blocks in it.
  S5DHandle openWithBlocks() {
    std::filesystem::create_directory(root_ / "d");
    const S5DHandle handle = open("d/prog.s5d");
    EXPECT_NE(handle, 0u);
    for (unsigned i = 1; i <= 3; ++i)
      EXPECT_TRUE(writeBlock(handle, "PB00" + std::to_string(i), blockBytes(100 * i, i)));
    return handle;
  }

  // Every change through the handle fails with `status`; the handle keeps what it showed.
  void expectChangesFail(S5DHandle handle, int status) {
    const std::vector<Entry> before = directory(handle);
    const auto contents = contentsOf(handle, before);
    EXPECT_FALSE(writeBlock(handle, "PB004", blockBytes(50, 4)));
    EXPECT_EQ(_GetStatus(), status) << "new block";
    EXPECT_FALSE(writeBlock(handle, "PB002", blockBytes(2000, 9)));
    EXPECT_EQ(_GetStatus(), status) << "replaced block";
    EXPECT_FALSE(deleteBlock(handle, "PB001"));
    EXPECT_EQ(_GetStatus(), status) << "deleted block";
    EXPECT_EQ(directory(handle), before);
    EXPECT_EQ(contentsOf(handle, before), contents);
  }
};

TEST_F(WriteFailures, DirectoryGoneKeepsTheOldFileAndTheHandle) {
  const S5DHandle handle = openWithBlocks();
  ASSERT_FALSE(HasFailure());
  const Bytes file = readFile("d/prog.s5d");
  std::filesystem::rename(root_ / "d", root_ / "moved");
  expectChangesFail(handle, S5D_WRITE_FAILED);
  EXPECT_EQ(readFile("moved/prog.s5d"), file);
  EXPECT_EQ(tree(), (std::set<std::string>{"moved/", "moved/prog.s5d"}));
  // Back in place, the handle writes what it held before plus the new block.
  std::filesystem::rename(root_ / "moved", root_ / "d");
  ASSERT_TRUE(writeBlock(handle, "PB004", blockBytes(50, 4)));
  ASSERT_TRUE(close(handle));
  const S5DHandle reopened = open("d/prog.s5d");
  EXPECT_EQ(directoryNames(reopened),
            (std::vector<std::string>{"PB001", "PB002", "PB003", "PB004"}));
  EXPECT_EQ(readBlock(reopened, "PB002"), blockBytes(200, 2));
}

TEST_F(WriteFailures, ADirectoryInThePlaceOfTheFile) {
  const S5DHandle handle = openWithBlocks();
  ASSERT_FALSE(HasFailure());
  std::filesystem::remove(root_ / "d" / "prog.s5d");
  std::filesystem::create_directories(root_ / "d" / "prog.s5d" / "inner");
  expectChangesFail(handle, S5D_WRITE_FAILED);
  EXPECT_EQ(tree(), (std::set<std::string>{"d/", "d/prog.s5d/", "d/prog.s5d/inner/"}))
      << "the temporary file is removed again";
}

TEST_F(WriteFailures, FileSizeLimitCountsAsNoSpace) {
  const S5DHandle handle = openWithBlocks();
  ASSERT_FALSE(HasFailure());
  const Bytes file = readFile("d/prog.s5d");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = saved;
  limited.rlim_cur = 512;  // less than the file holds already
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  expectChangesFail(handle, S5D_NO_SPACE);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);
  ::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(readFile("d/prog.s5d"), file);
  EXPECT_EQ(tree(), (std::set<std::string>{"d/", "d/prog.s5d"}));
}

}  // namespace
}  // namespace blockfile_test
