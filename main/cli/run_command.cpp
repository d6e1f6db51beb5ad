#include "main/cli/run_command.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "main/cli/block_sources.h"
#include "main/cli/private_controller.h"
#include "main/cli/project_symbols.h"
#include "main/lang/block_id.h"
#include "main/online/interrupt_causes.h"
#include "main/online/online_messages.h"
#include "main/online/operand_entry.h"
#include "main/online/simulator_variables.h"
#include "platform/cp1252.h"
#include "simcore/simcore32.h"

namespace tavrin::cli {

namespace {

using online::OperandEntry;

constexpr unsigned kForceFlags = online::kEntryBitsAllowed | online::kEntryValueRequired;
constexpr unsigned kStatusFlags =
    online::kEntryBitsAllowed | online::kEntryValueForbidden | online::kEntryFormatOnlySyntax;

std::optional<std::vector<OperandEntry>> parseEntries(const std::vector<std::string>& texts,
                                                      unsigned flags, std::string_view option,
                                                      std::ostream& err) {
  std::vector<OperandEntry> entries;
  for (const std::string& text : texts) {
    std::string typed = platform::utf8ToCp1252(text);
    OperandEntry entry;
    const int result = online::ParseOperandEntry(typed, flags, entry);
    if (result != 1) {
      err << "tavrin-cli run: " << option << " '" << text
          << "': " << platform::cp1252ToUtf8(online::OperandEntryErrorText(result, entry)) << '\n';
      return std::nullopt;
    }
    entry.text = typed;
    entries.push_back(entry);
  }
  return entries;
}

bool loadBlock(const CompiledBlock& block, std::ostream& err) {
  std::vector<unsigned char> bytes;
  for (uint16_t w : block.words) {
    bytes.push_back(static_cast<unsigned char>(w >> 8));
    bytes.push_back(static_cast<unsigned char>(w));
  }
  const lang::BlockId id = lang::parseBlockName(block.name);
  const unsigned short result =
      S5AG_BstWrite(lang::blockTypeCode(id), lang::blockNumber(id),
                    static_cast<short>(block.words.size()), bytes.data(), 0);
  if (result == 0) return true;
  err << "tavrin-cli run: " << block.name << " could not be loaded into the controller (result "
      << result << ")\n";
  return false;
}

void reportStop(std::ostream& err) {
  char name[8] = {};
  unsigned short offset = 0;
  unsigned short instruction = 0;
  err << "tavrin-cli run: the controller is in STOP";
  if (S5AG_GetStopDaten(name, &offset, &instruction, 0) != 0) {
    char where[64];
    std::snprintf(where, sizeof where, " in %s at %04X, instruction %04X", name, offset,
                  instruction);
    err << where;
  }
  unsigned char ustack[64] = {};
  short length = 0;
  if (S5AG_RdUStack(ustack, &length) == 0) {
    const auto causes = online::InterruptCauseNames(ustack[0], ustack[1], length > 26);
    for (std::size_t i = 0; i < causes.size(); ++i)
      err << (i == 0 ? ": " : ", ") << causes[i];
  }
  err << '\n';
}

bool parseNumber(std::string_view text, unsigned long& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

ExitStatus runBlocks(const RunRequest& request, CliStreams streams) {
  const auto forces = parseEntries(request.forces, kForceFlags, "--force", streams.err);
  if (!forces) return ExitStatus::kBadUsage;
  const auto statuses = parseEntries(request.statuses, kStatusFlags, "--status", streams.err);
  if (!statuses) return ExitStatus::kBadUsage;

  ProjectSymbols symbols;
  if (!symbols.load(request.symbols, "tavrin-cli run", streams.err)) return ExitStatus::kBadUsage;
  std::vector<CompiledBlock> blocks;
  for (const auto& file : request.blockFiles) {
    auto block = compileBlockFile(file, streams.err, symbols.lineSymbols());
    if (!block) return ExitStatus::kBlockFailed;
    blocks.push_back(std::move(*block));
  }

  PrivateController controller;
  if (!request.controllerType.empty()) {
    const unsigned short result = S5AG_AGAktivieren(request.controllerType.string().c_str());
    if (result != 0) {
      streams.err << "tavrin-cli run: the controller type file '" << request.controllerType.string()
                  << "' cannot be used (result " << result << ")\n";
      return ExitStatus::kBadUsage;
    }
  }
  for (const CompiledBlock& block : blocks)
    if (!loadBlock(block, streams.err)) return ExitStatus::kBlockFailed;

  S5AG_StartAg(static_cast<unsigned short>(request.restart));
  for (const OperandEntry& entry : *forces) {
    if (!online::ForceOnSimulator(entry)) {
      char text[256];
      std::snprintf(text, sizeof text, online::msg::kStatusNoDataBlock, entry.text.c_str());
      streams.err << "tavrin-cli run: --force: " << platform::cp1252ToUtf8(text) << '\n';
      return ExitStatus::kBadUsage;
    }
  }
  bool stopped = false;
  for (unsigned long cycle = 0; cycle < request.cycles && !stopped; ++cycle) {
    controller.advance(request.msPerCycle);
    S5AG_Step5Zyklus();
    stopped = S5AG_RunZustand() == 0;
  }

  for (const OperandEntry& entry : *statuses) {
    const auto value = online::ReadSimulatorValue(entry);
    if (!value) {
      char text[256];
      std::snprintf(text, sizeof text, online::msg::kStatusNoDataBlock, entry.text.c_str());
      streams.err << "tavrin-cli run: --status: " << platform::cp1252ToUtf8(text) << '\n';
      return ExitStatus::kBadUsage;
    }
    streams.out << platform::cp1252ToUtf8(online::StatusVariableLine(entry, value)) << '\n';
  }
  // A stopped controller still shows where its operands stood when it stopped.
  if (stopped) {
    reportStop(streams.err);
    return ExitStatus::kStopped;
  }
  return ExitStatus::kDone;
}

ExitStatus runRun(std::span<const std::string_view> args, CliStreams streams) {
  RunRequest request;
  auto bad = [&](std::string_view what) {
    streams.err << "tavrin-cli run: " << what << " (see tavrin-cli run --help)\n";
    return ExitStatus::kBadUsage;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view option = args[i];
    if (!option.starts_with("--")) {
      request.blockFiles.emplace_back(option);
      continue;
    }
    if (i + 1 == args.size()) return bad(std::string(option) + " needs a value");
    const std::string_view value = args[++i];
    unsigned long number = 0;
    if (option == "--ag") {
      request.controllerType = value;
    } else if (option == "--restart") {
      if (!parseNumber(value, number) || number < 20 || number > 22)
        return bad("--restart takes 20, 21 or 22");
      request.restart = static_cast<unsigned>(number);
    } else if (option == "--cycles") {
      if (!parseNumber(value, number)) return bad("--cycles takes a number of cycles");
      request.cycles = number;
    } else if (option == "--ms") {
      if (!parseNumber(value, number)) return bad("--ms takes a number of milliseconds");
      request.msPerCycle = number;
    } else if (option == "--force") {
      request.forces.emplace_back(value);
    } else if (option == "--status") {
      request.statuses.emplace_back(value);
    } else {
      return bad("unknown option '" + std::string(option) + "'");
    }
  }
  auto blocks = commandBlocksOf(request.blockFiles, "tavrin-cli run", streams.err);
  if (!blocks) return ExitStatus::kBadUsage;
  request.blockFiles = std::move(blocks->files);
  request.symbols = std::move(blocks->symbols);
  return runBlocks(request, streams);
}

}  // namespace tavrin::cli
