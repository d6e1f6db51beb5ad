// Controller type files (*.AG): the text format and its reading.
//
// Contents
//   TypeFile        what a type file says: designation, [Daten] keys, write list, integrated blocks
//   readTypeFile    reads and checks a file without changing anything
//
// The format: lines of at most 79 characters; reading ends at the end of the file or at a line
// that begins with "[Ende]"; empty lines and lines beginning with ';' are skipped and not
// counted, and more than 148 counted lines make the file invalid. In every counted line the
// text from the first '/' or ';' on is dropped and tabs are removed. A section starts at the
// line that reads "[name]" once blanks are removed; a key is found in any line after its
// section's header (a later section does not end the search): "key = value", the key compared
// exactly after blanks are removed. Values lose their blanks (the designation keeps them) and
// are upper-cased. Numbers: "0x" and up to four hex digits, a double quote and two characters
// (first * 256 + second), or decimal; 16 bits.
#ifndef SIMCORE_TYPE_FILE_H
#define SIMCORE_TYPE_FILE_H

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrin::simcore {

struct TypeFile {
  std::string designation;                                   // [Bezeichnung] AG
  std::vector<std::pair<std::string, std::string>> data;     // [Daten]: every key found
  std::vector<std::pair<uint16_t, uint16_t>> addressWrites;  // [AdressenWrite]: address, value
  std::vector<uint16_t> integratedBlocks;                    // [IntegrierteBausteine]: ids
};

struct TypeFileRead {
  uint16_t code = 0;  // 0 read, 10 missing, 22 unreadable or too long
  TypeFile file;
};

TypeFileRead readTypeFile(const std::filesystem::path& path);

// The same rules on text already in memory.
TypeFileRead parseTypeFile(std::string_view text);

uint16_t typeFileNumber(std::string_view value);

}  // namespace tavrin::simcore

#endif
