// The trace of a programming-device link: every byte on the line, by direction.
//
// Contents
//   LinkTrace   "PG: 02  " for bytes this side sent, "AG: 10  06  " for bytes it received
//
// A line holds at most 10 bytes and a new one starts when the direction changes, so a trace
// reads as the telegrams went back and forth.
#ifndef OUTSIDE_PGLINK_LINK_TRACE_H
#define OUTSIDE_PGLINK_LINK_TRACE_H

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>

namespace tavrin::pglink {

class LinkTrace {
 public:
  ~LinkTrace() { close(); }
  bool open(const std::filesystem::path& file);  // created anew
  void close();
  bool isOpen() const { return file_ != nullptr; }

  void sent(std::span<const uint8_t> bytes) { record(Direction::Sent, bytes); }
  void received(uint8_t byte) { record(Direction::Received, {&byte, 1}); }

 private:
  enum class Direction { None, Sent, Received };
  void record(Direction direction, std::span<const uint8_t> bytes);

  std::FILE* file_ = nullptr;
  Direction direction_ = Direction::None;
  unsigned onLine_ = 0;
};

}  // namespace tavrin::pglink

#endif
