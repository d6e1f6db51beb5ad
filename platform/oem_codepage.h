// The OEM code pages of DOS-era files (437 and 850) translated to Windows-1252.
//
// Contents
//   OemCodePage              the two pages
//   oemCodePageFromNumber    437 / 850 as a settings value names them
//   oemToCp1252Table         the 256-byte table of a page
//   oemToCp1252              one byte, or a whole string
//
// Files written by DOS programming devices hold their comments and symbol texts in an OEM code
// page; inside this system every text is Windows-1252. Each OEM byte maps to the Windows-1252
// byte of the same character. Windows-1252 has no box drawing, shading, Greek or mathematical
// characters; those become ASCII so that listings keep their shape:
//   '+'  corners, tees and crossings of box drawings
//   '-'  horizontal lines (single and double)
//   '|'  vertical lines (single and double)
//   '?'  everything else without a Windows-1252 character (shades, blocks, Greek, math signs,
//        the peseta sign, dotless i, ...)
// Bytes 0x00..0x7F are ASCII (control codes stay control codes). The conversion is one-way: a
// translated text is not meant to go back to an OEM file.
#ifndef PLATFORM_OEM_CODEPAGE_H
#define PLATFORM_OEM_CODEPAGE_H

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin::platform {

enum class OemCodePage { Cp437, Cp850 };

std::optional<OemCodePage> oemCodePageFromNumber(int number);

const std::array<unsigned char, 256>& oemToCp1252Table(OemCodePage page);
char oemToCp1252(OemCodePage page, char oemByte);
std::string oemToCp1252(OemCodePage page, std::string_view oemText);

}  // namespace tavrin::platform

#endif
