// The header of a function block read straight from its file, without loading a document.
//
// Contents
//   kMostHeaderLines    how many lines after the first network header may hold the header
//   readFbHeaderLines   the NAME and BEZ lines at the top of a block file
//   lookupFbParameter   one parameter's kind and type
//   BlockFileHeaders    the headers of called blocks from their files in a directory
//
// The header is looked for the way the lines stand in a file this system writes: the first
// network header within the first six lines, then the lines behind it as long as column 5 is not
// blank (the NAME line and the BEZ lines; the empty line that ends the header stops the
// search). At most 41 lines are looked at there: the NAME line and the 40 parameters a function
// block may have.
#ifndef MAIN_PROJECT_FB_PARAMETER_LOOKUP_H
#define MAIN_PROJECT_FB_PARAMETER_LOOKUP_H

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "main/lang/fb_header.h"

namespace tavrin::project {

inline constexpr int kMostHeaderLines = 41;

// The header lines of the file; nothing when it is missing or unreadable or has no network
// header within its first six lines.
std::optional<std::vector<std::string>> readFbHeaderLines(const std::filesystem::path& file);

// The parameter `parameterName` (compared in its four characters, blank-padded) of block
// `fbName` ("FB012") in `directory`: its kind (E A D B T Z) and type. Only BEZ lines are
// compared, so the block's own NAME line never passes for a parameter. Nothing when the file
// cannot be opened or has no such parameter.
std::optional<lang::FbParameter> lookupFbParameter(const std::filesystem::path& directory,
                                                   std::string_view fbName,
                                                   std::string_view parameterName);

// headerOf gives the eight characters of the NAME line (blank-padded) and every parameter, in
// order. Nothing for a block that is no FB or FX, whose file cannot be read, or whose file has
// neither a NAME nor a BEZ line there.
class BlockFileHeaders final : public lang::BlockHeaders {
 public:
  explicit BlockFileHeaders(std::filesystem::path directory) : directory_(std::move(directory)) {}
  std::optional<lang::FbHeader> headerOf(std::string_view blockName) const override;

 private:
  std::filesystem::path directory_;
};

}  // namespace tavrin::project

#endif
