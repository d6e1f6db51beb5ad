#include "main/project/fb_parameter_lookup.h"

#include <algorithm>

#include "main/lang/awl_ascii.h"
#include "main/project/block_file_lines.h"
#include "main/project/block_file_name.h"

namespace tavrin::project {

namespace {

constexpr std::size_t kNetworkSearchLines = 6;
constexpr std::size_t kNameWidth = 8;

std::string padded(std::string_view text, std::size_t width) {
  std::string result(text.substr(0, width));
  result.resize(width, ' ');
  return result;
}

std::optional<std::vector<std::string>> headerLinesOf(const std::filesystem::path& directory,
                                                      std::string_view blockName) {
  const std::optional<std::filesystem::path> file = blockFileName(directory, blockName);
  if (!file) return std::nullopt;
  return readFbHeaderLines(*file);
}

}  // namespace

std::optional<std::vector<std::string>> readFbHeaderLines(const std::filesystem::path& file) {
  const std::optional<std::vector<std::string>> lines = readBlockFileLines(file);
  if (!lines) return std::nullopt;
  const auto searchEnd =
      lines->begin() + static_cast<std::ptrdiff_t>(std::min(lines->size(), kNetworkSearchLines));
  auto at = std::find_if(lines->begin(), searchEnd,
                         [](const std::string& line) { return line.starts_with("NETZWERK"); });
  if (at == searchEnd) return std::nullopt;
  std::vector<std::string> header;
  for (++at; at != lines->end() && header.size() < static_cast<std::size_t>(kMostHeaderLines);
       ++at) {
    if (lang::columnOf(*at, lang::kLabelColumn) == ' ') break;
    header.push_back(*at);
  }
  return header;
}

std::optional<lang::FbParameter> lookupFbParameter(const std::filesystem::path& directory,
                                                   std::string_view fbName,
                                                   std::string_view parameterName) {
  const std::optional<std::vector<std::string>> lines = headerLinesOf(directory, fbName);
  if (!lines) return std::nullopt;
  const std::string wanted = padded(parameterName, 4);
  for (const std::string& line : *lines) {
    std::optional<lang::FbParameter> parameter = lang::parseParameterLine(line);
    if (parameter && parameter->name == wanted) return parameter;
  }
  return std::nullopt;
}

std::optional<lang::FbHeader> BlockFileHeaders::headerOf(std::string_view blockName) const {
  if (blockName.empty() || (blockName[0] != 'F' && blockName[0] != 'f')) return std::nullopt;
  const std::optional<std::vector<std::string>> lines = headerLinesOf(directory_, blockName);
  if (!lines) return std::nullopt;
  lang::FbHeader header;
  bool named = false;
  bool found = false;
  for (const std::string& line : *lines) {
    if (!named && lang::fieldOf(line, lang::kLabelColumn, 4).starts_with("NAME")) {
      header.name = padded(lang::fieldOf(line, lang::kStatementColumn, kNameWidth), kNameWidth);
      named = found = true;
    } else if (std::optional<lang::FbParameter> parameter = lang::parseParameterLine(line)) {
      header.parameters.push_back(std::move(*parameter));
      found = true;
    }
  }
  if (!found) return std::nullopt;
  if (!named) header.name = padded({}, kNameWidth);
  return header;
}

}  // namespace tavrin::project
