#include "outside/pglink/link_trace.h"

namespace tavrin::pglink {

namespace {
constexpr unsigned kBytesPerLine = 10;
}

bool LinkTrace::open(const std::filesystem::path& file) {
  close();
  file_ = std::fopen(file.c_str(), "w+");
  direction_ = Direction::None;
  onLine_ = 0;
  return file_ != nullptr;
}

void LinkTrace::close() {
  if (file_ == nullptr) return;
  std::fputc('\n', file_);
  std::fclose(file_);
  file_ = nullptr;
}

void LinkTrace::record(Direction direction, std::span<const uint8_t> bytes) {
  if (file_ == nullptr) return;
  for (uint8_t byte : bytes) {
    if (direction != direction_ || onLine_ == kBytesPerLine) {
      if (direction_ != Direction::None) std::fputc('\n', file_);
      std::fputs(direction == Direction::Sent ? "PG: " : "AG: ", file_);
      direction_ = direction;
      onLine_ = 0;
    }
    std::fprintf(file_, "%02X  ", byte);
    ++onLine_;
  }
  std::fflush(file_);
}

}  // namespace tavrin::pglink
