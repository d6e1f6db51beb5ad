// The message texts of the language core (Windows-1252). Callers show them or frame them;
// every text stands here once.
#ifndef MAIN_LANG_LANG_MESSAGES_H
#define MAIN_LANG_LANG_MESSAGES_H

#include "platform/cp1252.h"

namespace tavrin::lang::msg {

using platform::literals::operator""_cp1252;

inline constexpr const char* kBadKf = "Ungueltige KF-Zahl angegeben !"_cp1252;
inline constexpr const char* kBadKz = "Ungueltige KZ-Zahl angegeben !"_cp1252;
inline constexpr const char* kBadKt = "Ungueltige KT-Zahl angegeben !"_cp1252;
inline constexpr const char* kBadKc = "Ungueltige KC-Zahl angegeben !"_cp1252;
inline constexpr const char* kBadKy =
    "Ungueltige KY-Zahl angegeben !\nJe Byte 0 bis 255 moeglich.\n => Trennung der Bytes mit "
    "'Komma' <=\nBeispiel: L  KY 240,25"_cp1252;
inline constexpr const char* kBadKh =
    "Ungueltige Hex-Zahl angegeben\nZiffern '0' bis '9' und 'A' bis 'F' erlaubt!\nMaximal 4 "
    "Zeichen erlaubt !"_cp1252;
inline constexpr const char* kBadDh =
    "Ungueltige 32Bit Hex-Zahl angegeben\nZiffern '0' bis '9' und 'A' bis 'F' erlaubt!\nMaximal 8 "
    "Zeichen erlaubt !"_cp1252;
inline constexpr const char* kBadMbr =
    "Ungueltige 20Bit Hex-Zahl angegeben\nZiffern '0' bis '9' und 'A' bis 'F' erlaubt!\nMaximal 5 "
    "Zeichen erlaubt !"_cp1252;
inline constexpr const char* kBadKm =
    "Ungueltiges Bitmuster angegeben ! \nMaximal 16 Bits = 1 Wort erlaubt.\nNur '1' oder '0' "
    "moeglich.\nBeispiel: L  KM  00000000 11111111"_cp1252;
inline constexpr const char* kMissingSeparator =
    "Trennpunkt zwischen Parameter 1 und Parameter 2 fehlt !"_cp1252;
inline constexpr const char* kParameter1OutOfRange =
    "Parameter 1 ist außerhalb des erlaubten Bereichs !"_cp1252;
inline constexpr const char* kParameter2OutOfRange =
    "Parameter 2 ist außerhalb des erlaubten Bereichs !"_cp1252;

}  // namespace tavrin::lang::msg

#endif
