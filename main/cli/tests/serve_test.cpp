// The programming-device link end to end: pglink32 on one side of a pseudo-terminal, the
// simulated controller's service on the other, in this process and as `tavrin-cli serve --pty`.
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "main/cli/private_controller.h"
#include "main/cli/serve_command.h"
#include "outside/pglink/pglink32.h"
#include "simcore/simcore32.h"

namespace tavrin::cli {
namespace {

constexpr unsigned char kPort = 1;
constexpr uint8_t kTypePB = 0x04;
constexpr uint8_t kTypeOB = 0x10;

// PB 7: U E 1.0, = A 4.0, BE.
const std::vector<uint8_t> kPb7 = {0x70, 0x70, kTypePB, 7,    0x80, 0,    0,    0,
                                   0,    8,    0xC0,    0x01, 0xD8, 0x84, 0x65, 0x00};
// OB 1: SPA PB 7, BE.
const std::vector<uint8_t> kOb1 = {0x70, 0x70, kTypeOB, 1,    0x80, 0,    0,
                                   0,    0,    7,       0x75, 0x07, 0x65, 0x00};

// A controller served on the master side of a pseudo-terminal by a thread of this process;
// pglink32 is opened on the other side.
class ServedController : public ::testing::Test {
 protected:
  void SetUp() override {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master_, 0);
    ASSERT_EQ(::grantpt(master_), 0);
    ASSERT_EQ(::unlockpt(master_), 0);
    slaveName_ = ::ptsname(master_);
    S5AG_GetSysParam(&expected_);
    server_ = std::thread([this] { serveLine(master_, stop_); });
    ASSERT_EQ(AS511_SetPortDevice(kPort, slaveName_.c_str()), 0);
    AS511_SetTimeOut(2000);
    ASSERT_EQ(AS511_InitPg(kPort, 9600), 0);
  }
  void TearDown() override {
    AS511_ExitPg();
    stopServer();
    ::close(master_);
  }
  void stopServer() {
    stop_ = true;
    if (server_.joinable()) server_.join();
  }

  PrivateController controller_;  // before the thread: the service needs its controller
  syspar expected_{};
  int master_ = -1;
  std::string slaveName_;
  std::atomic<bool> stop_{false};
  std::thread server_;
};

TEST_F(ServedController, SystemParametersArriveAsTheControllerHasThem) {
  syspar p{};
  ASSERT_EQ(AS511_GetSysParam(&p), 0);
  EXPECT_EQ(p.paeStart, expected_.paeStart);
  EXPECT_EQ(p.paaStart, expected_.paaStart);
  EXPECT_EQ(p.flagsStart, expected_.flagsStart);
  EXPECT_EQ(p.timersStart, expected_.timersStart);
  EXPECT_EQ(p.countersStart, expected_.countersStart);
  EXPECT_EQ(p.headerLength, expected_.headerLength);
  EXPECT_EQ(p.listLength[2], expected_.listLength[2]);
  unsigned char image[44] = {};
  short length = 0;
  ASSERT_EQ(AS511_Sysinit(image, &length), 0);
  EXPECT_EQ(length, 44);
}

TEST_F(ServedController, BlocksAreWrittenListedReadAndErased) {
  std::vector<uint8_t> pb = kPb7;
  ASSERT_EQ(AS511_BstWrite(kTypePB, 7, static_cast<short>(pb.size() / 2), pb.data()), 0);
  short length = 0;
  unsigned char exists = 0;
  ASSERT_EQ(AS511_BstVorhanden(kTypePB, 7, &length, &exists), 0);
  EXPECT_EQ(exists, 1);
  EXPECT_EQ(length, 8);
  std::vector<unsigned char> buffer(20010);
  short bodyBytes = 0;
  ASSERT_EQ(AS511_BstRead(kTypePB, 7, buffer.data(), &bodyBytes), 0);
  ASSERT_EQ(bodyBytes, 6);
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin() + 10, buffer.begin() + 16),
            std::vector<uint8_t>(kPb7.begin() + 10, kPb7.end()));
  unsigned short list[256] = {};
  unsigned short count = 0;
  ASSERT_EQ(AS511_ReadBuch(kTypePB, list, &count), 0);
  ASSERT_GT(count, 7);
  EXPECT_NE(list[7], 0);
  EXPECT_EQ(list[6], 0);
  ASSERT_EQ(AS511_BstErase(kTypePB, 7), 0);
  ASSERT_EQ(AS511_BstVorhanden(kTypePB, 7, &length, &exists), 0);
  EXPECT_EQ(exists, 0);
  EXPECT_EQ(AS511_BstRead(kTypePB, 7, buffer.data(), &bodyBytes), 27);
}

TEST_F(ServedController, MemoryIsWrittenAndReadBack) {
  unsigned char bytes[300];
  for (unsigned i = 0; i < sizeof bytes; ++i)
    bytes[i] = static_cast<unsigned char>(i * 7 + (i == 5 ? 0x10 : 0));
  // Flags: longer than one packet, with DLE bytes in the data.
  AS511_SetAnzByteJePaket(100);
  ASSERT_EQ(AS511_AdrWriteLoLevel(expected_.flagsStart, 200, bytes), 0);
  unsigned char back[200] = {};
  ASSERT_EQ(AS511_AdrReadLoLevel(expected_.flagsStart, 200, back), 0);
  EXPECT_EQ(std::vector<unsigned char>(back, back + 200),
            std::vector<unsigned char>(bytes, bytes + 200));
  ASSERT_EQ(AS511_WriteMerkByte(3, 0x5A), 0);
  unsigned char flag = 0;
  ASSERT_EQ(AS511_ReadMerkByte(3, &flag), 0);
  EXPECT_EQ(flag, 0x5A);
}

TEST_F(ServedController, TheProgramRunsAndStopsOnRequest) {
  std::vector<uint8_t> pb = kPb7, ob = kOb1;
  ASSERT_EQ(AS511_BstWrite(kTypePB, 7, static_cast<short>(pb.size() / 2), pb.data()), 0);
  ASSERT_EQ(AS511_BstWrite(kTypeOB, 1, static_cast<short>(ob.size() / 2), ob.data()), 0);
  ASSERT_EQ(AS511_StartAg(2), 0);
  ASSERT_EQ(AS511_WriteInByte(1, 0x01), 0);
  unsigned char out = 0;
  for (int i = 0; i < 100 && out == 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(AS511_ReadOutByte(4, &out), 0);
  }
  EXPECT_EQ(out, 0x01) << "the cycles copy E 1.0 to A 4.0";
  unsigned char ustack[500] = {};
  short length = 0;
  EXPECT_EQ(AS511_RdUStack(ustack, &length), 26) << "the interrupt stack needs STOP";
  ASSERT_EQ(AS511_StopAg(), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(AS511_RdUStack(ustack, &length), 0);
  EXPECT_GT(length, 0);
  unsigned char bstack[500] = {};
  EXPECT_EQ(AS511_BStack(bstack, &length), 0);
  EXPECT_EQ(AS511_AGErase(), 0);
  short blockLength = 0;
  unsigned char exists = 1;
  ASSERT_EQ(AS511_BstVorhanden(kTypeOB, 1, &blockLength, &exists), 0);
  EXPECT_EQ(exists, 0) << "overall reset in STOP erases the program";
}

TEST_F(ServedController, DataBlockHeaderAndDirectory) {
  // DB 3: five header words, then two data words.
  std::vector<uint8_t> db = {0x70, 0x70, 0x01, 3, 0x80, 0, 0, 0, 0, 7, 0x12, 0x34, 0x10, 0x00};
  ASSERT_EQ(AS511_BstWrite(0x01, 3, static_cast<short>(db.size() / 2), db.data()), 0);
  unsigned char header[20] = {};
  ASSERT_EQ(AS511_ReadKopfDB(3, header), 0);
  const unsigned body = header[0] << 8 | header[1];
  EXPECT_NE(body, 0u);
  EXPECT_EQ(std::vector<uint8_t>(header + 2, header + 12),
            std::vector<uint8_t>(db.begin(), db.begin() + 10));
  unsigned short list[256] = {};
  unsigned short count = 0;
  ASSERT_EQ(AS511_ReadBuch(0x01, list, &count), 0);
  ASSERT_GT(count, 3);
  EXPECT_EQ(list[3], body) << "the directory gives the same body address";
  EXPECT_EQ(AS511_ReadKopfDB(4, header), 18) << "no DB 4";
}

TEST_F(ServedController, VariableStatusUntilItEnds) {
  AS511_SetTimeOutStatus(500);
  ASSERT_EQ(AS511_WriteMerkByte(3, 0x5A), 0);
  const uint16_t flag3 = static_cast<uint16_t>(expected_.flagsStart + 3);
  unsigned char request[] = {0x10, 0x32, static_cast<unsigned char>(flag3 >> 8),
                             static_cast<unsigned char>(flag3)};
  ASSERT_EQ(AS511_StatusVarDaten(request, sizeof request), 0);
  unsigned char values[401] = {};
  ASSERT_EQ(AS511_StatusVarZykLesen(values), 0);
  EXPECT_EQ(std::vector<uint8_t>(values, values + 4),
            (std::vector<uint8_t>{0x01, 0x84, 0x03, 0x5A}));
  // The next values come with each read; a DLE among them arrives as one byte.
  for (const uint8_t value : {uint8_t{0x10}, uint8_t{0x00}}) {
    ASSERT_EQ(AS511_WriteMerkByte(3, value), 0);
    ASSERT_EQ(AS511_StatusVarZykLesen(values), 0);
    EXPECT_EQ(values[3], value);
  }
  ASSERT_EQ(AS511_ParamAendern(), 0);
  EXPECT_EQ(AS511_StatusVarZykLesen(values), 9) << "no values after the end";
}

TEST_F(ServedController, BlockStatusOfARunningBlock) {
  std::vector<uint8_t> pb = kPb7, ob = kOb1;
  ASSERT_EQ(AS511_BstWrite(kTypePB, 7, static_cast<short>(pb.size() / 2), pb.data()), 0);
  ASSERT_EQ(AS511_BstWrite(kTypeOB, 1, static_cast<short>(ob.size() / 2), ob.data()), 0);
  ASSERT_EQ(AS511_WriteInByte(1, 0x01), 0);
  ASSERT_EQ(AS511_StartAg(2), 0);
  // Armed once the restart is over (a restart clears the controller's error word, and with
  // it the armed recorder): the program has run when A 4.0 follows E 1.0.
  unsigned char out = 0;
  for (int i = 0; i < 100 && out == 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(AS511_ReadOutByte(4, &out), 0);
  }
  unsigned short list[256] = {};
  unsigned short count = 0;
  ASSERT_EQ(AS511_ReadBuch(kTypePB, list, &count), 0);
  // From the first instruction on: address and status word of U E 1.0, = A 4.0 and BE.
  unsigned char request[] = {kTypePB, 7, 0x10, 0x35, 0x10, 0x35};
  ASSERT_EQ(AS511_StBstParam(sizeof request, request, 0), 0);
  for (int record = 0; record < 2; ++record) {
    SCOPED_TRACE(record == 0 ? "first record" : "after re-arming");
    unsigned char buffer[400] = {};
    short length = 0, notTriggered = 1;
    unsigned char ready = 0;
    for (int i = 0; i < 200 && notTriggered != 0; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      ASSERT_EQ(AS511_StatBstZyk(buffer, 200, &length, &notTriggered, &ready), 0);
    }
    ASSERT_EQ(notTriggered, 0);
    EXPECT_EQ(ready, 1);
    ASSERT_EQ(length, 14);
    const auto item = [&](int i) {
      return static_cast<unsigned>(buffer[2 * i] | buffer[2 * i + 1] << 8);
    };
    EXPECT_EQ(item(0), 0u) << "no data block open";
    EXPECT_EQ(item(1), list[7]) << "the trigger is the body's first instruction";
    EXPECT_GT(item(3), item(1));
    EXPECT_EQ(item(5) - item(3), item(3) - item(1)) << "one-word instructions one after the other";
    EXPECT_NE(item(2) & 0x0200, 0u) << "VKE 1 after U E 1.0 with E 1.0 set";
  }
  ASSERT_EQ(AS511_ParamAendern(), 0);
  ASSERT_EQ(AS511_StopAg(), 0);
}

TEST_F(ServedController, EveryJobEndsWhenTheControllerFallsSilent) {
  stopServer();
  AS511_SetTimeOut(100);
  AS511_SetTimeOutStatus(100);
  syspar p{};
  unsigned char bytes[20010] = {};
  unsigned short list[256] = {};
  unsigned short count = 0;
  short length = 0;
  unsigned char request[] = {kTypePB, 7, 0x10, 0x35};
  const struct {
    const char* what;
    std::function<unsigned short()> call;
    uint16_t failingJob;
  } jobs[] = {
      {"system parameters", [&] { return AS511_GetSysParam(&p); }, 0x18},
      // The address units come from the system parameters first.
      {"read memory", [&] { return AS511_AdrReadLoLevel(expected_.flagsStart, 4, bytes); }, 0x18},
      {"read block", [&] { return AS511_BstRead(kTypePB, 7, bytes, &length); }, 0x06},
      {"directory", [&] { return AS511_ReadBuch(kTypePB, list, &count); }, 0x1B},
      {"start", [&] { return AS511_StartAg(2); }, 0x1E},
      {"block status", [&] { return AS511_StBstParam(sizeof request, request, 0); }, 0x15},
      {"status end", [&] { return AS511_ParamAendern(); }, 0x81},
  };
  for (const auto& job : jobs) {
    EXPECT_EQ(job.call(), 3) << job.what;
    EXPECT_EQ(AS511_GetFehlerFnc(), job.failingJob << 8 | 1)
        << job.what << ": no answer to the STX";
  }
}

// `tavrin-cli serve --pty` as a child process: the device it prints, and its end on SIGTERM.
// The child is killed on every path out of a test, so that a failure leaves nothing running.
class ServeProcess {
 public:
  explicit ServeProcess(std::vector<std::string> args) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return;
    child_ = ::fork();
    if (child_ == 0) {
      ::dup2(pipeFds[1], STDOUT_FILENO);
      ::close(pipeFds[0]);
      std::vector<char*> argv{const_cast<char*>("tavrin-cli"), const_cast<char*>("serve")};
      for (std::string& a : args)
        argv.push_back(a.data());
      argv.push_back(nullptr);
      ::execv(TAVRIN_CLI_PATH, argv.data());
      ::_exit(127);
    }
    ::close(pipeFds[1]);
    char c = 0;
    while (child_ > 0 && ::read(pipeFds[0], &c, 1) == 1 && c != '\n')
      firstLine_ += c;
    ::close(pipeFds[0]);
  }
  ~ServeProcess() {
    if (child_ > 0) {
      ::kill(child_, SIGKILL);
      ::waitpid(child_, nullptr, 0);
    }
  }
  ServeProcess(const ServeProcess&) = delete;
  ServeProcess& operator=(const ServeProcess&) = delete;

  const std::string& firstLine() const { return firstLine_; }
  // SIGTERM, then the exit status (-1 when it did not exit by itself).
  int terminate() {
    ::kill(child_, SIGTERM);
    int status = 0;
    const pid_t done = ::waitpid(child_, &status, 0);
    child_ = -1;
    return done > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t child_ = -1;
  std::string firstLine_;
};

// pglink32 on the device a ServeProcess printed.
void connectTo(const ServeProcess& serve) {
  ASSERT_TRUE(serve.firstLine().starts_with("pty: /dev/")) << serve.firstLine();
  ASSERT_EQ(AS511_SetPortDevice(kPort, serve.firstLine().substr(5).c_str()), 0);
  AS511_SetTimeOut(2000);
  ASSERT_EQ(AS511_InitPg(kPort, 9600), 0) << serve.firstLine();
}

TEST(ServeCommand, TavrinCliServesAPseudoTerminalUntilTerminated) {
  ServeProcess serve({"--pty"});
  connectTo(serve);
  syspar p{};
  EXPECT_EQ(AS511_GetSysParam(&p), 0);
  EXPECT_NE(p.headerLength, 0);
  AS511_ExitPg();
  EXPECT_EQ(serve.terminate(), 0);
}

TEST(ServeCommand, TheBlocksOfTheProjectGivenAreLoadedAndRun) {
  const std::string dir = std::string(TAVRIN_EXAMPLES_DIR) + "/ampel/";
  ServeProcess serve({"--pty", dir + "AMPEL.PRJ"});
  connectTo(serve);
  short length = 0;
  unsigned char exists = 0;
  ASSERT_EQ(AS511_BstVorhanden(kTypeOB, 1, &length, &exists), 0);
  EXPECT_EQ(exists, 1);
  // E 0.0 switches the traffic light on: red (A 4.0) comes up in the next cycles.
  ASSERT_EQ(AS511_WriteInByte(0, 0x01), 0);
  unsigned char out = 0;
  for (int i = 0; i < 100 && (out & 0x01) == 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(AS511_ReadOutByte(4, &out), 0);
  }
  EXPECT_EQ(out & 0x01, 0x01);
  AS511_ExitPg();
  EXPECT_EQ(serve.terminate(), 0);
}

TEST(ServeCommand, RefusesWhatItCannotServe) {
  using Args = std::vector<std::string>;
  for (const Args& args :
       {Args{}, Args{"--pty", "--tty", "/dev/null"}, Args{"--tcp", "7777"},
        Args{"--tty", "/dev/null"}, Args{"--pty", "--speed"}, Args{"--pty", "missing.PRJ"}}) {
    std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out, err;
    EXPECT_EQ(runServe(views, {out, err}), ExitStatus::kBadUsage) << (args.empty() ? "" : args[0]);
    EXPECT_FALSE(err.str().empty());
    EXPECT_TRUE(out.str().empty()) << "nothing served";
  }
}

}  // namespace
}  // namespace tavrin::cli
