// The texts of the status and forcing of variables, each written once (Windows-1252).
#ifndef MAIN_ONLINE_ONLINE_MESSAGES_H
#define MAIN_ONLINE_ONLINE_MESSAGES_H

#include "platform/cp1252.h"

namespace tavrin::online::msg {

using platform::literals::operator""_cp1252;

// Operand entry errors, by code.
inline constexpr const char* kEntryPeriphery = "Die Operanden PY und PW sind nicht erlaubt!";
inline constexpr const char* kEntrySFlags = "Der Zugriff auf S-Merker ist nicht erlaubt!";
inline constexpr const char* kEntryDataByte =
    "Es kann nicht über DL oder DR auf ein Datenwort zugegriffen werden!"_cp1252;
inline constexpr const char* kEntrySyntaxFormatOnly =
    "Bei der Eingabe wurde eine falsche Syntax verwendet!\nKorrekte Eingabe z.B.'A0.0=KM1' "
    "'EW1=KM' oder 'DW1,DB2=KH'";
inline constexpr const char* kEntryNoBits = "Bitoperanden sind nicht erlaubt!";
inline constexpr const char* kEntryBadValue = "Die Angabe des neuen Wertes ist nicht korrekt!";
inline constexpr const char* kEntryNoKg = "Das Datenformat 'KG' ist nicht erlaubt!";
inline constexpr const char* kEntryBadFormat =
    "Das Datenformat ist nicht korrekt!\nKorrekte Datenformate für den Operand '%s' sind:\n'%s'."_cp1252;
inline constexpr const char* kEntryDbNumberTooHigh =
    "Die Datenbausteinadresse liegt ausserhalb des zulässigen Bereiches!\nDie maximale "
    "Bausteinadresse beträgt '255'."_cp1252;
inline constexpr const char* kEntryNoDbNumber =
    "Es wurde keine korrekte Datenbausteinadresse angegeben!\nDie Datenbausteinadresse muss "
    "zwischen 1 und 255 liegen.";
inline constexpr const char* kEntryNoDb = "Es wurde kein korrekter Datenbaustein angegeben!";
inline constexpr const char* kEntryAddressTooHigh =
    "Die Operandenadresse liegt ausserhalb des gültigen Bereiches!\nDie maximale "
    "Operandenadresse für den Operand '%s'\nbeträgt '%u'!"_cp1252;
inline constexpr const char* kEntryBadAddress =
    "Es wurde eine falsche Operandenadresse eingegeben!\nDie maximale Operandenadresse für den "
    "Operand '%s'\nbeträgt '%u'!"_cp1252;
inline constexpr const char* kEntryBitOutOfRange =
    "Parameter 2 ist nicht im gültigen Bereich!\nDie Bitadresse muss im Bereich 0 bis 7 "
    "liegen!"_cp1252;
inline constexpr const char* kEntryByteOutOfRange =
    "Parameter 1 ist nicht im gültigen Bereich!\nDie Byteadresse darf die Zahl '%u' nicht "
    "überschreiten!"_cp1252;
inline constexpr const char* kEntryNoBitParameters =
    "Es wurden keine gültigen Parameter eingegeben!\nBei einem Bit-Operanden muss die Bit- und "
    "Byteadresse\nangegeben werden. Z.B. E1.0"_cp1252;
inline constexpr const char* kEntrySyntax =
    "Bei der Eingabe wurde eine falsche Syntax verwendet!\nKorrekte Eingabe z.B.'A0.0=KM1' "
    "'EW1=KM1' 'DW1,DB2=KHFF'";
inline constexpr const char* kEntryNoOperand =
    "Es wurde kein gültiger Operand eingegeben!\nGültige Operanden sind z.B. E, A, M, EB, AB, "
    "MB, EW, MW usw."_cp1252;
inline constexpr const char* kEntryEmpty = "Keine Eingabe erfolgt!";
inline constexpr const char* kEntryUnknown = "Unbekannter Fehler bei Eingabe!";

inline constexpr const char* kStatusNoDataBlock =
    "Fehler Status Variable!\nFehler bei Eintrag: %s\nDatenbaustein nicht vorhanden!\nAbbruch!";

}  // namespace tavrin::online::msg

#endif
