#include "main/project/project_messages.h"

namespace tavrin::project {

std::string withArgument(std::string_view pattern, std::string_view value) {
  std::string text(pattern);
  const std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

}  // namespace tavrin::project
