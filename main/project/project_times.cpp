#include "main/project/project_times.h"

#include <cstdio>
#include <limits>

namespace tavrin::project {

std::string formatProjectDuration(std::int32_t seconds) {
  const long total = seconds < 0 ? 0 : seconds;
  char text[32];
  std::snprintf(text, sizeof text, "%03ld:%02ld", total / 3600, (total % 3600) / 60);
  return text;
}

void ProjectDuration::start(std::int32_t seconds, std::uint64_t now) {
  seconds_ = seconds < 0 ? 0 : seconds;
  counted_ = now;
}

void ProjectDuration::tick(std::uint64_t now) {
  if (now <= counted_) return;
  const std::uint64_t whole = (now - counted_) / 1000;
  counted_ += whole * 1000;
  constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
  const std::uint64_t room = static_cast<std::uint64_t>(kMost - seconds_);
  seconds_ = whole >= room ? kMost : seconds_ + static_cast<std::int32_t>(whole);
}

}  // namespace tavrin::project
