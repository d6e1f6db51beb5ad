// What the tests of symtab32 share: a fresh directory per test, a table that starts empty, and
// statement lines built column by column.
//
// Contents
//   statementLine, callParameterLine, symbolLine, withComment   lines of 89 columns
//   SymtabTest                                                  the fixture
#ifndef OUTSIDE_SYMTAB_TESTS_SYMTAB_FIXTURE_H
#define OUTSIDE_SYMTAB_TESTS_SYMTAB_FIXTURE_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "outside/symtab/symtab32.h"

namespace symtab_test {

inline std::string padTo(std::string text, std::size_t width) {
  text.resize(width > text.size() ? width : text.size(), ' ');
  return text;
}

// "0000      :" and the operation in columns 11..14, area in 15..16, blank, parameter from 18.
inline std::string statementLine(std::string_view operation, std::string_view area,
                                 std::string_view parameter) {
  std::string line = "0000      :";
  line += padTo(std::string(operation), 4);
  line += padTo(std::string(area), 2);
  line += ' ';
  line += parameter;
  return padTo(line, 89);
}

// "     NAME >    " and the actual operand from column 15.
inline std::string callParameterLine(std::string_view name, std::string_view area,
                                     std::string_view parameter) {
  std::string line = "     ";
  line += padTo(std::string(name), 4);
  line += " >    ";
  line += padTo(std::string(area), 2);
  line += ' ';
  line += parameter;
  return padTo(line, 89);
}

// The same line with '-' and the symbol from column 15.
inline std::string symbolLine(const std::string& absoluteLine, std::string_view symbol) {
  std::string line = absoluteLine.substr(0, 15);
  line += '-';
  line += symbol;
  line = padTo(line, 42);
  line += absoluteLine.substr(42);
  return line;
}

// The comment written from column 52, the line 89 columns wide.
inline std::string withComment(const std::string& line, std::string_view comment) {
  std::string out = padTo(line.substr(0, 52), 52);
  out += comment;
  return padTo(out, 89);
}

class SymtabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = std::filesystem::temp_directory_path() /
            ("symtab_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
    SetSymbolikDatei("");
    SymbolSpeicherEntfernen();
  }

  void TearDown() override {
    SetSymbolikDatei("");
    SymbolSpeicherEntfernen();
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }

  std::string at(const std::string& relative) const { return (root_ / relative).string(); }

  void writeFile(const std::string& relative, std::string_view bytes) const {
    std::ofstream out(root_ / relative, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  std::string readFile(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  bool exists(const std::string& relative) const {
    return std::filesystem::exists(root_ / relative);
  }

  // Selects the file and loads it; the result of SeqLaden.
  int load(const std::string& relative) {
    SetSymbolikDatei(at(relative).c_str());
    return SeqLaden();
  }

  // The line after SymbolikInAwlZeileEinfuegen / ...Entfernen, in a buffer of the documented
  // size, and the function's result.
  struct Transformed {
    std::string line;
    int result;
  };
  // The buffer has exactly the documented size, so that a write past it is caught.
  static std::vector<char> bufferFor(const std::string& line) {
    std::vector<char> buffer(std::max<std::size_t>(line.size() + 1, SYMTAB32_AWL_LINE_BYTES), '#');
    std::copy(line.begin(), line.end(), buffer.begin());
    buffer[line.size()] = '\0';
    return buffer;
  }
  static Transformed insert(const std::string& line, int show, int comment, int replace) {
    std::vector<char> buffer = bufferFor(line);
    const int result = SymbolikInAwlZeileEinfuegen(buffer.data(), show, comment, replace);
    return {buffer.data(), result};
  }
  static Transformed remove(const std::string& line) {
    std::vector<char> buffer = bufferFor(line);
    const int result = SymbolikInAwlZeileEntfernen(buffer.data());
    return {buffer.data(), result};
  }

  std::filesystem::path root_;
};

}  // namespace symtab_test

#endif
