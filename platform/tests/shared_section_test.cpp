#include "platform/shared_section.h"

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <stdexcept>

namespace tavrin::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSize = 4096;

// ctest runs every case in a process of its own, in parallel: the pid keeps names apart.
std::string privateName() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  return std::string("tavrin-test-") + std::to_string(::getpid()) + "-" + test->name();
}

bool objectExists(const std::string& name) {
  return fs::exists(fs::path("/dev/shm") / sharedSectionPaths(name).objectName.substr(1));
}

bool anythingLeft(const std::string& name) {
  const SharedSectionPaths paths = sharedSectionPaths(name);
  return objectExists(name) || fs::exists(paths.lockFile) || fs::exists(paths.guardFile);
}

char* bytesOf(const SharedSection& section) {
  return static_cast<char*>(section.data());
}

struct InitialiseProbe {
  int calls = 0;
  bool sawZeroes = false;
  SharedSection::Initialise callback() {
    return [this](void* data, std::size_t size) {
      ++calls;
      const char* bytes = static_cast<const char*>(data);
      sawZeroes = std::all_of(bytes, bytes + size, [](char c) { return c == 0; });
      std::memcpy(data, "init", 5);
    };
  }
};

class SharedSectionTest : public ::testing::Test {
 protected:
  void TearDown() override {
    // A failed case must not leave its section behind for the next run.
    const SharedSectionPaths paths = sharedSectionPaths(name);
    ::shm_unlink(paths.objectName.c_str());
    fs::remove(paths.lockFile);
    fs::remove(paths.guardFile);
  }
  std::string name = privateName();
};

TEST_F(SharedSectionTest, TheFirstAttacherInitialisesTheOthersShare) {
  InitialiseProbe probe;
  SharedSectionAttach first = SharedSection::attach(name, kSize, probe.callback());
  ASSERT_TRUE(first.ok()) << first.error;
  EXPECT_TRUE(first.section->createdFresh());
  EXPECT_EQ(first.section->size(), kSize);
  EXPECT_EQ(probe.calls, 1);
  EXPECT_TRUE(probe.sawZeroes);

  SharedSectionAttach second = SharedSection::attach(name, kSize, probe.callback());
  ASSERT_TRUE(second.ok()) << second.error;
  EXPECT_FALSE(second.section->createdFresh());
  EXPECT_EQ(probe.calls, 1);
  EXPECT_STREQ(bytesOf(*second.section), "init");

  std::strcpy(bytesOf(*second.section) + 100, "from the second");
  EXPECT_STREQ(bytesOf(*first.section) + 100, "from the second");
}

TEST_F(SharedSectionTest, TheLastDetacherRemovesTheSection) {
  auto first = SharedSection::attach(name, kSize);
  auto second = SharedSection::attach(name, kSize);
  ASSERT_TRUE(first.ok() && second.ok());
  std::strcpy(bytesOf(*first.section), "kept");

  first.section->detach();
  EXPECT_EQ(first.section->data(), nullptr);
  EXPECT_TRUE(objectExists(name));
  auto third = SharedSection::attach(name, kSize);
  ASSERT_TRUE(third.ok());
  EXPECT_FALSE(third.section->createdFresh());
  EXPECT_STREQ(bytesOf(*third.section), "kept");

  second.section.reset();
  third.section.reset();
  EXPECT_FALSE(anythingLeft(name));

  auto again = SharedSection::attach(name, kSize);
  ASSERT_TRUE(again.ok());
  EXPECT_TRUE(again.section->createdFresh());
  EXPECT_EQ(bytesOf(*again.section)[0], 0);
}

TEST_F(SharedSectionTest, AStaleObjectWithoutUsersIsStartedAfresh) {
  const std::string object = sharedSectionPaths(name).objectName;
  const int fd = ::shm_open(object.c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, 2 * kSize), 0);
  ASSERT_EQ(::pwrite(fd, "stale", 5, 0), 5);
  ::close(fd);

  InitialiseProbe probe;
  auto attached = SharedSection::attach(name, kSize, probe.callback());
  ASSERT_TRUE(attached.ok()) << attached.error;
  EXPECT_TRUE(attached.section->createdFresh());
  EXPECT_TRUE(probe.sawZeroes);
}

TEST_F(SharedSectionTest, RefusesWhatCannotBeAttached) {
  auto first = SharedSection::attach(name, kSize);
  ASSERT_TRUE(first.ok());
  const auto larger = SharedSection::attach(name, kSize + 1);
  EXPECT_FALSE(larger.ok());
  EXPECT_NE(larger.error.find("fewer than"), std::string::npos) << larger.error;
  const auto smaller = SharedSection::attach(name, 16);
  ASSERT_TRUE(smaller.ok());
  EXPECT_EQ(smaller.section->size(), 16u);

  for (const std::string& bad : {std::string(), std::string("a/b"), std::string(300, 'x')})
    EXPECT_FALSE(SharedSection::attach(bad, kSize).ok()) << bad;
  EXPECT_FALSE(SharedSection::attach(name + "-empty", 0).ok());
}

TEST_F(SharedSectionTest, AFailedInitialisationLeavesNothing) {
  EXPECT_THROW(
      SharedSection::attach(name, kSize, [](void*, std::size_t) { throw std::runtime_error("x"); }),
      std::runtime_error);
  EXPECT_FALSE(anythingLeft(name));
  const auto again = SharedSection::attach(name, kSize);
  ASSERT_TRUE(again.ok());
  EXPECT_TRUE(again.section->createdFresh());
}

TEST_F(SharedSectionTest, MovingHandsTheAttachmentOver) {
  auto attached = SharedSection::attach(name, kSize);
  ASSERT_TRUE(attached.ok());
  SharedSection moved = std::move(*attached.section);
  attached.section.reset();  // the moved-from object must not detach anything
  ASSERT_NE(moved.data(), nullptr);
  EXPECT_TRUE(objectExists(name));

  auto other = SharedSection::attach(name + "-other", kSize);
  ASSERT_TRUE(other.ok());
  moved = std::move(*other.section);  // detaches the first section, the last user of it
  EXPECT_FALSE(anythingLeft(name));
  other.section.reset();
  moved.detach();
  EXPECT_FALSE(anythingLeft(name + "-other"));
}

// Waits for the child and returns its exit code, or -1 when it did not exit normally.
int exitCodeOf(pid_t child) {
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST_F(SharedSectionTest, TwoProcessesSeeEachOthersWrites) {
  auto parent = SharedSection::attach(name, kSize);
  ASSERT_TRUE(parent.ok()) << parent.error;
  std::strcpy(bytesOf(*parent.section), "from the parent");

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    int code = 0;
    {
      auto mine = SharedSection::attach(name, kSize);
      if (!mine.ok())
        code = 1;
      else if (mine.section->createdFresh())
        code = 2;
      else if (std::strcmp(bytesOf(*mine.section), "from the parent") != 0)
        code = 3;
      else
        std::strcpy(bytesOf(*mine.section) + 64, "from the child");
    }
    ::_exit(code);
  }
  ASSERT_EQ(exitCodeOf(child), 0);
  EXPECT_STREQ(bytesOf(*parent.section) + 64, "from the child");
  EXPECT_TRUE(objectExists(name));  // the child's detach did not remove what the parent uses
}

TEST_F(SharedSectionTest, ASecondProcessAttachesToTheFirstsSection) {
  int ready[2];
  int done[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(done), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(ready[0]);
    ::close(done[1]);
    auto mine = SharedSection::attach(name, kSize);
    if (!mine.ok() || !mine.section->createdFresh()) ::_exit(1);
    std::strcpy(bytesOf(*mine.section), "first");
    char c = 'r';
    if (::write(ready[1], &c, 1) != 1) ::_exit(2);
    if (::read(done[0], &c, 1) != 1) ::_exit(3);  // stay attached until the parent has looked
    const bool sawParent = std::strcmp(bytesOf(*mine.section) + 64, "second") == 0;
    mine.section.reset();
    ::_exit(sawParent ? 0 : 4);
  }
  ::close(ready[1]);
  ::close(done[0]);
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);

  auto second = SharedSection::attach(name, kSize);
  ASSERT_TRUE(second.ok()) << second.error;
  EXPECT_FALSE(second.section->createdFresh());
  EXPECT_STREQ(bytesOf(*second.section), "first");
  std::strcpy(bytesOf(*second.section) + 64, "second");

  ASSERT_EQ(::write(done[1], &c, 1), 1);
  EXPECT_EQ(exitCodeOf(child), 0);
  ::close(ready[0]);
  ::close(done[1]);
}

TEST_F(SharedSectionTest, AKilledCreatorLeavesNothingTakenForLive) {
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(ready[0]);
    auto mine = SharedSection::attach(name, kSize);
    if (!mine.ok()) ::_exit(1);
    std::strcpy(bytesOf(*mine.section), "live");
    const char c = 'r';
    if (::write(ready[1], &c, 1) != 1) ::_exit(2);
    for (;;)
      ::pause();
  }
  ::close(ready[1]);
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  ::close(ready[0]);
  ASSERT_EQ(::kill(child, SIGKILL), 0);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  ASSERT_TRUE(objectExists(name));  // POSIX keeps the object of a killed process

  InitialiseProbe probe;
  auto next = SharedSection::attach(name, kSize, probe.callback());
  ASSERT_TRUE(next.ok()) << next.error;
  EXPECT_TRUE(next.section->createdFresh());
  EXPECT_EQ(probe.calls, 1);
  EXPECT_TRUE(probe.sawZeroes);
  EXPECT_STREQ(bytesOf(*next.section), "init");
}

}  // namespace
}  // namespace tavrin::platform

namespace tavrin::platform {
namespace {

// Many processes attaching and detaching at once: every attacher finds the section initialised,
// and no attacher starts it afresh while another has it attached.
TEST_F(SharedSectionTest, ConcurrentAttachersNeverSeeAHalfMadeSection) {
  constexpr int kProcesses = 4;
  constexpr int kRounds = 300;
  std::vector<pid_t> children;
  for (int p = 0; p < kProcesses; ++p) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      int code = 0;
      for (int round = 0; round < kRounds && code == 0; ++round) {
        auto mine = SharedSection::attach(
            name, kSize, [](void* data, std::size_t) { std::memcpy(data, "init", 5); });
        if (!mine.ok()) {
          code = 1;
          break;
        }
        // Counts the processes between these two lines. Were the section started afresh while
        // one of them is attached, the count would drop to zero under it and go negative.
        char* bytes = bytesOf(*mine.section);
        std::atomic_ref<int> users(*reinterpret_cast<int*>(bytes + 64));
        users.fetch_add(1);
        if (std::strcmp(bytes, "init") != 0) code = 2;
        ::sched_yield();
        if (users.fetch_sub(1) < 1) code = 3;
      }
      ::_exit(code);
    }
    children.push_back(child);
  }
  for (const pid_t child : children)
    EXPECT_EQ(exitCodeOf(child), 0);
  EXPECT_FALSE(anythingLeft(name));
}

}  // namespace
}  // namespace tavrin::platform
