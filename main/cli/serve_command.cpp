#include "main/cli/serve_command.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "main/cli/block_sources.h"
#include "main/cli/pg_line_host.h"
#include "main/cli/private_controller.h"
#include "main/cli/project_symbols.h"
#include "main/lang/block_id.h"
#include "platform/serial_line.h"
#include "simcore/simcore32.h"

namespace tavrin::cli {

namespace {

constexpr std::string_view kCommand = "tavrin-cli serve";
constexpr unsigned kCycleMs = 10;
// How long the controller waits for the next character inside a telegram.
constexpr unsigned kCharacterTimeoutMs = 1000;
// The baud rate of a controller's programming port.
constexpr uint32_t kBaud = 9600;

std::atomic<bool> stopRequested{false};

void requestStop(int) {
  stopRequested = true;
}

bool loadBlocks(const std::vector<std::filesystem::path>& files, const lang::LineSymbols* symbols,
                std::ostream& err) {
  for (const std::filesystem::path& f : files) {
    const auto block = compileBlockFile(f, err, symbols);
    if (!block) return false;
    std::vector<unsigned char> bytes;
    for (uint16_t w : block->words) {
      bytes.push_back(static_cast<unsigned char>(w >> 8));
      bytes.push_back(static_cast<unsigned char>(w));
    }
    const lang::BlockId id = lang::parseBlockName(block->name);
    const unsigned short result =
        S5AG_BstWrite(lang::blockTypeCode(id), lang::blockNumber(id),
                      static_cast<short>(block->words.size()), bytes.data(), 0);
    if (result != 0) {
      err << kCommand << ": " << block->name << " could not be loaded (result " << result << ")\n";
      return false;
    }
  }
  return true;
}

}  // namespace

void serveLine(int fd, const std::atomic<bool>& stop) {
  PgLineHost host(fd, kCharacterTimeoutMs);
  auto nextCycle = std::chrono::steady_clock::now();
  while (!stop) {
    const auto now = std::chrono::steady_clock::now();
    if (now >= nextCycle) {
      S5AG_Step5Zyklus();
      nextCycle = now + std::chrono::milliseconds(kCycleMs);
    }
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
        nextCycle - std::chrono::steady_clock::now());
    host.serve(static_cast<unsigned>(std::max<long long>(0, wait.count())));
  }
}

ExitStatus runServe(std::span<const std::string_view> args, CliStreams streams) {
  auto bad = [&](std::string_view what) {
    streams.err << kCommand << ": " << what << " (see " << kCommand << " --help)\n";
    return ExitStatus::kBadUsage;
  };
  bool pty = false;
  std::string tty;
  std::string agFile;
  std::vector<std::filesystem::path> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--pty") {
      pty = true;
    } else if (args[i] == "--tty" || args[i] == "--ag" || args[i] == "--tcp") {
      if (i + 1 == args.size()) return bad(std::string(args[i]) + " needs a value");
      if (args[i] == "--tcp") return bad("serving over TCP comes with the TCP/IP adapter");
      std::string& value = args[i] == "--tty" ? tty : agFile;
      value = std::string(args[++i]);
    } else if (args[i].starts_with("--")) {
      return bad("unknown option '" + std::string(args[i]) + "'");
    } else {
      files.push_back(args[i]);
    }
  }
  if (pty == !tty.empty()) return bad("give either --pty or --tty DEVICE");

  PrivateController controller(PrivateController::Clock::Real);
  if (!agFile.empty() && S5AG_AGAktivieren(agFile.c_str()) != 0)
    return bad("the controller type file '" + agFile + "' cannot be used");
  ProjectSymbols symbols;
  if (!files.empty()) {
    const auto blocks = commandBlocksOf(files, kCommand, streams.err);
    if (!blocks || !symbols.load(blocks->symbols, kCommand, streams.err))
      return ExitStatus::kBadUsage;
    files = blocks->files;
  }
  if (!loadBlocks(files, symbols.lineSymbols(), streams.err)) return ExitStatus::kBlockFailed;
  if (!files.empty()) S5AG_StartAg(21);

  int fd = -1;
  int slave = -1;
  if (pty) {
    fd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0 || ::grantpt(fd) != 0 || ::unlockpt(fd) != 0)
      return bad("no pseudo-terminal can be opened");
    const char* name = ::ptsname(fd);
    // Holding the other side open keeps the line up while programming devices come and go.
    slave = name != nullptr ? ::open(name, O_RDWR | O_NOCTTY) : -1;
    if (slave < 0 || !platform::SetAs511LineSettings(slave, kBaud))
      return bad("the pseudo-terminal cannot be set up");
    streams.out << "pty: " << name << std::endl;
  } else {
    fd = ::open(tty.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0) return bad("cannot open '" + tty + "'");
    if (!platform::SetAs511LineSettings(fd, kBaud))
      return bad("'" + tty + "' is not a serial device");
    streams.out << "tty: " << tty << std::endl;
  }

  struct sigaction action {};
  action.sa_handler = requestStop;
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);
  stopRequested = false;
  serveLine(fd, stopRequested);
  if (slave >= 0) ::close(slave);
  ::close(fd);
  return ExitStatus::kDone;
}

}  // namespace tavrin::cli
