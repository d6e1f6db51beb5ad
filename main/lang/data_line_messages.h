// The message texts of data lines (Windows-1252).
#ifndef MAIN_LANG_DATA_LINE_MESSAGES_H
#define MAIN_LANG_DATA_LINE_MESSAGES_H

#include "platform/cp1252.h"

namespace tavrin::lang::msg {

using platform::literals::operator""_cp1252;

// Columns 11..12 hold no data format.
inline constexpr const char* kBadDataFormat = "Zahlenformat ist nicht gültig !"_cp1252;
// A printf format: the letter of the target format.
inline constexpr const char* kConversionImpossible =
    "Die Umwandlung in K%c ist nicht möglich !"_cp1252;
inline constexpr const char* kConvertToKcQuestion =
    "Achtung !!\nDas Datum kann nur fehlerhaft in KC gewandelt werden!\nTrotzdem durchführen ?"_cp1252;
// The compiler's cause for a data line whose value cannot be read (a string without its quotes,
// a KG text that is no number).
inline constexpr const char* kDataValueUnreadable = "Datenwert nicht lesbar !"_cp1252;

}  // namespace tavrin::lang::msg

#endif
