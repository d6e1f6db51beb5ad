// A profile file (TAVRIN.INI, *.PRJ) held in memory, with the semantics of Windows
// profile-string files, edited key by key without disturbing anything else in the file.
//
// Contents
//   IniDocument::parse / bytes        from and to the file's bytes
//   readString / readInt / find       reading one key
//   hasSection / sectionNames / keyNames   enumeration
//   writeString / writeInt            writing one key
//   deleteKey / deleteSection         removing
//
// Reading
//   - Section and key names compare without regard to ASCII case. When a section or key occurs
//     more than once, the first one counts; later duplicates are kept in the file but never read.
//   - "[name]" starts a section (blanks around the name are ignored, text after ']' too);
//     "key=value" is a key; blanks around key and value are trimmed, so "Editor 0 = x" is the
//     key "Editor 0". A value wrapped in a pair of double quotes is read without them.
//   - Lines starting with ';' are comments. Blank lines, lines without '=' and keys before the
//     first section are kept untouched and are not keys.
//   - A number is the value's leading decimal digits, optionally after one '-' ("12abc" is 12,
//     "-5" is -5, as Windows reads it). No digits, a '+', or a missing key give the default;
//     values beyond the range of int are clamped to it.
// Writing
//   - Every byte outside the written key's value stays as it was: comments, blank lines, order,
//     unknown keys, trailing blanks and the line ending of each line. Writing the value a key
//     already has changes nothing.
//   - A missing key is added after the last key of its section (before the blank lines and
//     comments that end it), or right after the header of a section without keys; a missing
//     section is appended at the end of the file.
//   - New lines end in CR LF, unless every line of the parsed file ended in LF alone: then the
//     file clearly uses LF and new lines follow it.
//   - A value that starts or ends with a blank, or that is wrapped in double quotes itself, is
//     written in double quotes so that it reads back exactly.
//   - Names containing CR or LF, a key containing '=' or starting with '[' or ';', a section
//     containing ']', empty names and values containing CR or LF are refused (the write returns
//     false): they cannot be stored in a line-based file.
//   - deleteKey removes every line of that key in the section that is read (so a later
//     duplicate cannot come to light); deleteSection removes every section of that name, each
//     from its header up to the next header.
// Bytes are Windows-1252 and pass through untouched.
#ifndef PLATFORM_INI_DOCUMENT_H
#define PLATFORM_INI_DOCUMENT_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::platform {

class IniDocument {
 public:
  IniDocument() = default;  // an empty file
  static IniDocument parse(std::string_view bytes);
  std::string bytes() const;

  // The value as read (trimmed, unquoted), or nothing when the section or key is missing.
  std::optional<std::string> find(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  int readInt(std::string_view section, std::string_view key, int defaultValue) const;

  bool hasSection(std::string_view section) const;
  // Each name once, spelt as at its first occurrence, in file order.
  std::vector<std::string> sectionNames() const;
  std::vector<std::string> keyNames(std::string_view section) const;

  bool writeString(std::string_view section, std::string_view key, std::string_view value);
  bool writeInt(std::string_view section, std::string_view key, int value);
  // True when something was removed.
  bool deleteKey(std::string_view section, std::string_view key);
  bool deleteSection(std::string_view section);

 private:
  struct Line {
    std::string text;    // without the line ending
    std::string ending;  // "\r\n", "\n", or empty for a last line without one
  };

  std::optional<std::size_t> findHeader(std::string_view section) const;
  std::size_t sectionEnd(std::size_t header) const;
  std::optional<std::size_t> findKeyLine(std::size_t header, std::string_view key) const;
  void insertLine(std::size_t at, std::string text);

  std::vector<Line> lines_;
  std::string newline_ = "\r\n";
};

// The leading decimal number of a profile value, as readInt reads it.
std::optional<int> parseLeadingInt(std::string_view value);

}  // namespace tavrin::platform

#endif
