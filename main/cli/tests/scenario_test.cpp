// Scenario tests: each file in scenarios/ holds the blocks of a small program as statement-list
// text, then one or more runs of `tavrin-cli run` with the status lines they must print.
//
//   ; a comment
//   block OB001            the block's lines follow, up to "end"; the header lines and the
//   :U   E  0.0            first network line are added. A line beginning with ':' is a
//   LOOP :SPB =LOOP        statement without label; any other line carries its label, call
//   EIN1 >    E  1.0       parameter or NAME field from its first character on; "NETZWERK"
//   end                    and empty lines stand as they are.
//   run --cycles 3 --force E0.0=KM1 --status A4.0
//   A 4.0=KM 1             the lines stdout must show, in order
//   exit 3                 optional: the exit status when it is not 0
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "main/cli/tests/cli_run.h"
#include "platform/tests/temp_dir.h"

namespace tavrin::cli {
namespace {

struct ScenarioRun {
  int lineNumber = 0;
  std::vector<std::string> args;
  std::vector<std::string> expected;
  int exitStatus = 0;
};

struct Scenario {
  std::map<std::string, std::vector<std::string>> blocks;  // in the order of the block names
  std::vector<ScenarioRun> runs;
};

std::string blockLine(const std::string& line) {
  if (line.empty() || line.starts_with("NETZWERK")) return line;
  if (line.starts_with(':')) return "0000      " + line;
  if (line.starts_with("NAME :") || line.starts_with("BEZ  :")) return "     " + line;
  return "0000 " + line;
}

Scenario readScenario(const std::filesystem::path& file) {
  std::ifstream in(file);
  Scenario scenario;
  std::string line;
  std::string block;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!block.empty()) {
      if (line == "end") {
        block.clear();
      } else {
        scenario.blocks[block].push_back(blockLine(line));
      }
      continue;
    }
    if (line.empty() || line.starts_with(';')) continue;
    if (line.starts_with("block ")) {
      block = line.substr(6);
      scenario.blocks[block] = {"Kommentar :", "Autor     :", "Erstellt  :", "", "NETZWERK   1"};
    } else if (line.starts_with("run")) {
      ScenarioRun run;
      run.lineNumber = number;
      std::istringstream words(line);
      for (std::string word; words >> word;)
        run.args.push_back(word);
      scenario.runs.push_back(run);
    } else if (line.starts_with("exit ") && !scenario.runs.empty()) {
      scenario.runs.back().exitStatus = std::stoi(line.substr(5));
    } else if (!scenario.runs.empty()) {
      scenario.runs.back().expected.push_back(line);
    } else {
      ADD_FAILURE() << file << ":" << number << ": status lines before any run";
    }
  }
  return scenario;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    out.push_back(line);
  return out;
}

std::vector<std::string> scenarioFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(TAVRIN_SCENARIO_DIR))
    if (entry.path().extension() == ".scn") files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  return files;
}

class ScenarioTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioTest, PrintsTheExpectedStatusLines) {
  const std::filesystem::path file = std::filesystem::path(TAVRIN_SCENARIO_DIR) / GetParam();
  const Scenario scenario = readScenario(file);
  ASSERT_FALSE(scenario.runs.empty()) << file << " has no run";
  platform::testing::TempDir dir;
  std::vector<std::string> blockFiles;
  for (const auto& [name, text] : scenario.blocks) {
    std::string content;
    for (const std::string& l : text)
      content += l + "\n";
    platform::testing::writeFile(dir / (name + ".AWL"), content);
    blockFiles.push_back((dir / (name + ".AWL")).string());
  }
  for (const ScenarioRun& run : scenario.runs) {
    std::vector<std::string_view> args(run.args.begin(), run.args.end());
    args.insert(args.end(), blockFiles.begin(), blockFiles.end());
    const auto result = testing::run(args);
    EXPECT_EQ(static_cast<int>(result.status), run.exitStatus)
        << GetParam() << ":" << run.lineNumber << "\n"
        << result.err;
    EXPECT_EQ(lines(result.out), run.expected) << GetParam() << ":" << run.lineNumber << "\n"
                                               << result.err;
  }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScenarioTest, ::testing::ValuesIn(scenarioFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = std::filesystem::path(info.param).stem().string();
                           for (char& c : name)
                             if (std::isalnum(static_cast<unsigned char>(c)) == 0) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace tavrin::cli
