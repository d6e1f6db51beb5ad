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

// Statement lines.
inline constexpr const char* kUnknownStatement = "Step 5 Befehl nicht erkannt !"_cp1252;
inline constexpr const char* kNoParametersAllowed =
    "Bei diesem Step5- Befehl sind keine Parameter erlaubt !"_cp1252;
inline constexpr const char* kNoParameters = "Keine Parameter angegeben !"_cp1252;
inline constexpr const char* kNameTooLong =
    "Der Stringparameter darf maximal 4 Zeichen lang sein !"_cp1252;
inline constexpr const char* kUnknownOperand = "Der angegebene Operand ist nicht bekannt !"_cp1252;

// The editor's line check.
inline constexpr const char* kSymbolMissing = "Symbol nicht vorhanden !"_cp1252;
inline constexpr const char* kLineErrorFrame = "Fehler in der AWL- Zeile ...\n\n%s\n\n%s"_cp1252;
inline constexpr const char* kBeNotAtEnd =
    "Sie haben die Anweisung 'Bausteinende'\nnicht am Ende des Bausteins eingegeben.\n\nBE "
    "kennzeichnet aber das physikalische Ende eines Bausteins !\n\nWollen Sie die Anweisungen "
    "nach BE löschen ?"_cp1252;
inline constexpr const char* kFormalNotInHeader =
    "Der Formaloperand '%s' ist im Bausteinkopf nicht vorhanden !"_cp1252;
inline constexpr const char* kFormalNotUsable =
    "Der Formaloperand [%s] ist mit der Operation [%s]\nnicht verwendbar!"_cp1252;
inline constexpr const char* kOnlyInFunctionBlocks =
    "Die Operation [%s] ist nur in FB's bzw. FX's erlaubt !"_cp1252;
inline constexpr const char* kDuplicateLabel =
    "Die Marke [%s] ist im aktuellen Netzwerk\nbei Adresse [%s] bereits vorhanden !"_cp1252;
inline constexpr const char* kCallParameterFrame =
    "Fehler in Anweisung ...\n\n%s\n\n%s\n\nGültige Übergabe(n): %s"_cp1252;
inline constexpr const char* kCallParameterUnknown =
    "Der Formaloperand [%s] ist im Baustein [%s] nicht vorhanden !\nBitte entfernen Sie die "
    "aktuelle Zeile, oder ändern Sie den [%s]."_cp1252;
inline constexpr const char* kSystemDataOnlyInFb =
    "Der Operand [%s] darf nur in FBs übergeben werden !"_cp1252;
inline constexpr const char* kPassBit = "Sie müssen ein Bitoperand übergeben!"_cp1252;
inline constexpr const char* kPassByte = "Sie müssen ein Byteoperand übergeben!"_cp1252;
inline constexpr const char* kPassWord = "Sie müssen ein Wortoperand übergeben!"_cp1252;
inline constexpr const char* kPassDouble = "Sie müssen ein Doppelwort übergeben!"_cp1252;
inline constexpr const char* kPassBlock =
    "Sie müssen als Aktualoperand einen Baustein übergeben !"_cp1252;
inline constexpr const char* kPassTimer =
    "Sie müssen als Aktualoperand einen Timer angeben !"_cp1252;
inline constexpr const char* kPassCounter =
    "Sie müssen als Aktualoperand einen Zähler angeben !"_cp1252;
inline constexpr const char* kPassFormat = "Falsches Datenformat (KH/KM/KF...) angegeben !"_cp1252;

// The block compiler.
inline constexpr const char* kCompileLineFrame =
    "Fehler Baustein [%s] in AWL-Zeile ...\n\n%s\n\nFehlerursache:\n%s"_cp1252;
inline constexpr const char* kOperationUnknown = "Operation nicht erkannt !"_cp1252;
inline constexpr const char* kOperationParameterInvalid = "Parameter der Opertion ungültig"_cp1252;
inline constexpr const char* kBufferTooSmall = "MC5- Buffer ist zu klein !"_cp1252;
inline constexpr const char* kJumpTargetMissing =
    "Sprungziel innerhalb des Netzwerkes nicht gefunden !"_cp1252;
inline constexpr const char* kJumpTooFar = "Sprungziel ist zu weit entfernt (>127 Worte) !"_cp1252;
inline constexpr const char* kFormalNotFound = "Formaloperand im FB- Kopf nicht gefunden !"_cp1252;
inline constexpr const char* kColonCount = "Anzahl der Doppelpunkte ist falsch !"_cp1252;
inline constexpr const char* kNoTwoWordLayout =
    "Erweiteter 2-Wortbefehl konnte nicht übersetzt werden!"_cp1252;
inline constexpr const char* kBracketCount =
    "Anzahl der Klammerzu- und Klammerauf-Befehlen falsch!!"_cp1252;
inline constexpr const char* kCompiling = "Compiliere Baustein '%s'..."_cp1252;

// The retranslator.
inline constexpr const char* kCalledBlockWasMissing = "FB/FX war nicht vorhanden !"_cp1252;
inline constexpr const char* kShownBlockMissing =
    "Statusfenster wird geschlossen,\nda der anzuzeigende Baustein '%s' nicht vorhanden ist!"_cp1252;
inline constexpr const char* kShownBlockTooLarge =
    "Baustein \"%s\" ist zu groß !\n(>4096 Wörter)"_cp1252;
inline constexpr const char* kDisassembling = "Disassembliere Baustein [%s] ..."_cp1252;
inline constexpr const char* kCalledBlockNotTranslatable =
    "Der Baustein \"%s\" ist nicht vollständig übersetzbar,\nda der aufgerufene \"%s\" nicht "
    "vorhanden ist !"_cp1252;
inline constexpr const char* kDisassemblyErrorLine =
    "          :; Fehler beim Disassemblieren "_cp1252;
inline constexpr const char* kUnknownInstructionLine = "          :; Befehl nicht erkannt !"_cp1252;
inline constexpr const char* kDisassemblyEndLine = "00FF      :BE"_cp1252;
inline constexpr const char* kUntranslatableCode =
    "Nicht übersetztbarer MC5-Code in %s SazOfs: %04X\nMC5Code Vorher :%04X\nMC5Code "
    "(fehlerhaft) :%04X\nMC5Code Nachher:%04X"_cp1252;
inline constexpr const char* kSpecialFbHint =
    "\nHinweis:\nSonder-FBs können im Menüpunkt \"Verwaltung/Sonder-FBs festlegen\" eingestellt "
    "werden!"_cp1252;

// Data block texts.
inline constexpr const char* kBadPreHeader =
    "Falsche Werte in Vorkopf des %s\nDer Rest des DBs wird im KH-Format übersetzt\n(Pos: %d von "
    "%d) !"_cp1252;
inline constexpr const char* kChooseFormatTitle = "Format wählen ..."_cp1252;
inline constexpr const char* kChooseFormatPrompt =
    "Bitte geben Sie das gewünschte Format des DB/DX an."_cp1252;

}  // namespace tavrin::lang::msg

#endif
