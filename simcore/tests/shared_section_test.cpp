// Two processes on one simulated controller.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "simcore/block_kinds.h"
#include "simcore/engine.h"
#include "simcore/simcore32.h"
#include "simcore/tests/controller_fixture.h"

namespace tavrin::simcore::testing {
namespace {

TEST(SharedController, ASecondProcessSeesBlocksAndInputsTheFirstWrote) {
  const std::string name = "SIMCORE32Test." + std::to_string(::getpid());
  std::string error;
  ASSERT_TRUE(attachShared(name, &error)) << error;
  ASSERT_TRUE(engine().shared());
  auto block = bigEndian(makeBlock(kTypePB, 7, {0xC001, 0x6500}));
  ASSERT_EQ(S5AG_BstWrite(kTypePB, 7, 7, block.data(), 0), 0);
  S5AG_WriteInByte(5, 0x3C);

  int pipeFds[2];
  ASSERT_EQ(::pipe(pipeFds), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The child attaches anew, as another program loading the library would.
    detach();
    std::string childError;
    unsigned char seen = 0;
    if (attachShared(name, &childError) && S5AG_BausteinVorhandenB(kTypePB, 7) == 1) {
      S5AG_ReadInByte(5, &seen);
      S5AG_WriteOutByte(2, 0xA5);
    }
    (void)!::write(pipeFds[1], &seen, 1);
    detach();
    ::_exit(0);
  }
  unsigned char seen = 0;
  ASSERT_EQ(::read(pipeFds[0], &seen, 1), 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(seen, 0x3C);
  unsigned char out = 0;
  S5AG_ReadOutByte(2, &out);
  EXPECT_EQ(out, 0xA5) << "and the first sees what the second wrote";
  ::close(pipeFds[0]);
  ::close(pipeFds[1]);
  detach();
}

}  // namespace
}  // namespace tavrin::simcore::testing
