#include "simcore/tests/controller_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "simcore/simcore32.h"

namespace tavrin::simcore::testing {

std::vector<uint16_t> makeBlock(uint8_t type, uint8_t number, std::vector<uint16_t> body,
                                uint16_t id2, uint16_t id3) {
  std::vector<uint16_t> words = {0x7070, static_cast<uint16_t>(type << 8 | number), id2, id3,
                                 static_cast<uint16_t>(body.size() + 5)};
  words.insert(words.end(), body.begin(), body.end());
  return words;
}

std::vector<uint8_t> bigEndian(const std::vector<uint16_t>& words) {
  std::vector<uint8_t> bytes;
  for (uint16_t w : words) {
    bytes.push_back(static_cast<uint8_t>(w >> 8));
    bytes.push_back(static_cast<uint8_t>(w));
  }
  return bytes;
}

std::vector<uint16_t> fromBigEndian(const uint8_t* bytes, std::size_t words) {
  std::vector<uint16_t> out;
  for (std::size_t i = 0; i < words; ++i)
    out.push_back(static_cast<uint16_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]));
  return out;
}

ScopedProgramDirectory::ScopedProgramDirectory(const std::filesystem::path& directory) {
  const char* old = std::getenv("TAVRIN_HOME");
  had_ = old != nullptr;
  if (had_) old_ = old;
  ::setenv("TAVRIN_HOME", directory.c_str(), 1);
}

ScopedProgramDirectory::~ScopedProgramDirectory() {
  if (had_)
    ::setenv("TAVRIN_HOME", old_.c_str(), 1);
  else
    ::unsetenv("TAVRIN_HOME");
}

void ControllerTest::SetUp() {
  attachPrivate();
  engine().setClock(&clock_);
  // As the program does at start: without it the first cycle initialises the controller anew.
  S5AG_SimulatorInit("");
}

void ControllerTest::TearDown() {
  engine().setClock(nullptr);
  detach();
  if (!temp_.empty()) std::filesystem::remove_all(temp_);
}

uint16_t ControllerTest::write(const std::vector<uint16_t>& block, uint8_t mode) {
  return writeBlock(block, mode);
}

uint16_t writeBlock(const std::vector<uint16_t>& block, uint8_t mode) {
  auto bytes = bigEndian(block);
  return S5AG_BstWrite(static_cast<short>(block[1] >> 8 & 0x3F),
                       static_cast<short>(block[1] & 0xFF), static_cast<short>(block.size()),
                       bytes.data(), mode);
}

std::filesystem::path ControllerTest::tempDir() {
  if (temp_.empty()) {
    temp_ = std::filesystem::temp_directory_path() /
            ("simcore-test-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(temp_);
  }
  return temp_;
}

void ControllerTest::writeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ControllerTest::fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<uint16_t> ControllerTest::stored(uint8_t type, uint8_t number) {
  std::vector<uint8_t> buffer(20000);
  short length = 0;
  if (S5AG_BstRead(type, number, buffer.data(), &length) != 0) return {};
  return fromBigEndian(buffer.data(), static_cast<std::size_t>(length));
}

void ControllerTest::freshController() {
  attachPrivate();
  S5AG_SimulatorInit("");
}

void ProgramDirectoryTest::SetUp() {
  ControllerTest::SetUp();
  home_.emplace(tempDir());
}

void ProgramDirectoryTest::TearDown() {
  home_.reset();
  ControllerTest::TearDown();
}

}  // namespace tavrin::simcore::testing
