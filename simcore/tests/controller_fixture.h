// A private simulated controller for each test, on a clock the test moves.
#ifndef SIMCORE_TESTS_CONTROLLER_FIXTURE_H
#define SIMCORE_TESTS_CONTROLLER_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/millisecond_clock.h"
#include "simcore/engine.h"
#include "simcore/sim_image.h"

namespace tavrin::simcore::testing {

// A complete block: header of the given type and number, then the body words.
std::vector<uint16_t> makeBlock(uint8_t type, uint8_t number, std::vector<uint16_t> body,
                                uint16_t id2 = 0, uint16_t id3 = 0);
// Big-endian bytes of a word sequence, as blocks cross the interface.
std::vector<uint8_t> bigEndian(const std::vector<uint16_t>& words);
std::vector<uint16_t> fromBigEndian(const uint8_t* bytes, std::size_t words);
// S5AG_BstWrite of a block built with makeBlock, on the attached controller.
uint16_t writeBlock(const std::vector<uint16_t>& block, uint8_t mode = 0);

// TAVRIN_HOME, and so the program directory, set to a folder for as long as this lives.
class ScopedProgramDirectory {
 public:
  explicit ScopedProgramDirectory(const std::filesystem::path& directory);
  ~ScopedProgramDirectory();
  ScopedProgramDirectory(const ScopedProgramDirectory&) = delete;
  ScopedProgramDirectory& operator=(const ScopedProgramDirectory&) = delete;

 private:
  std::string old_;
  bool had_ = false;
};

class ControllerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  SimImage& image() { return engine().image(); }
  // S5AG_BstWrite of a block built with makeBlock.
  uint16_t write(const std::vector<uint16_t>& block, uint8_t mode = 0);
  std::filesystem::path tempDir();
  void writeFile(const std::filesystem::path& path, const std::string& text);
  std::string fileBytes(const std::filesystem::path& path);
  // A block read back with S5AG_BstRead, header included; empty when it is not there.
  std::vector<uint16_t> stored(uint8_t type, uint8_t number);
  // The controller a program start gives: attached anew and initialised.
  void freshController();

  platform::ManualMillisecondClock clock_{1000};

 private:
  std::filesystem::path temp_;
};

// A controller whose program directory is the test's temporary folder, for the files it
// writes and reads there.
class ProgramDirectoryTest : public ControllerTest {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  std::optional<ScopedProgramDirectory> home_;
};

}  // namespace tavrin::simcore::testing

#endif
