// The index of every key of the two profile files: the project file (*.PRJ) and the settings
// file TAVRIN.INI in the program directory.
//
// Contents
//   SettingsFile, ValueKind, RangeRule, KeyAccess, KeyHolder   what a row says
//   IndexRange                  the numbers of a numbered key or section
//   SettingsKey                 one row: file, section, key, kind, default, range, access
//   Setting                     the rows by name; the value is the row's place in the table
//   settingsKeys, settingsKey   the table
//   indexedName, matchIndexedName   "Editor %d" <-> "Editor 3"
//
// The table is the one place that knows a key's section, spelling, default and range. Code that
// reads or writes a key names its row; the generic reader (settings_values.h) applies the row's
// rules to the single keys, the code of each list (the recent projects, the open editors, the
// I/O mask, ...) forms its numbered names from the row. The key's meaning beyond storage
// belongs to the code that uses it.
//
// Rules
//   - Text: read as it stands (blanks around it trimmed, surrounding quotes removed) and cut to
//     `maximum` characters, the size of the buffer the value was always read into.
//   - Flag: a number (the leading decimal digits, as every profile number); nonzero is set.
//     Written "1" or "0".
//   - Number: the leading decimal digits. With DefaultOutside a value outside
//     minimum..maximum reads as the default ("S5TimeOut" 1500 is 2000); with UnsetOutside it
//     gives no value, and the user of the key keeps its own ("AnzBytesPaket" 0 leaves the
//     driver's packet size alone). A key without digits reads as the default.
//   - Margin: used only when the whole text is a decimal number within minimum..maximum;
//     written with "%f".
//   - Colour: a decimal colour value 0x00BBGGRR; its default is a number, or the name of a
//     system colour ("WindowText", "Window", "HighlightText", "Highlight") that the window
//     looks up.
//   - Count: the entry count of a list, written with `format`.
//   - Entry: one entry of a numbered list; its key or section carries a "%d", "%u" or "%03u".
#ifndef MAIN_PROJECT_PROJECT_SETTINGS_KEYS_H
#define MAIN_PROJECT_PROJECT_SETTINGS_KEYS_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavrin::project {

enum class SettingsFile : std::uint8_t { Project, Program };

enum class ValueKind : std::uint8_t { Text, Flag, Number, Margin, Colour, Count, Entry };

enum class RangeRule : std::uint8_t {
  None,            // every value counts
  DefaultOutside,  // outside the range the default applies
  UnsetOutside,    // outside the range there is no value
};

enum class KeyAccess : std::uint8_t {
  ReadWrite,
  ReadOnly,   // read, never written ("ED", "DruckerStdSchrift")
  WriteOnly,  // written, never read back (the open editors, the colour count)
};

// Which code reads and writes the key.
enum class KeyHolder : std::uint8_t {
  Values,           // the single keys: settings_values.h
  Colours,          // the colour count beside the single colour keys: settings_file.h
  RecentProjects,   // recent_projects.h
  AdapterList,      // the known TCP/IP adapter addresses: settings_file.h
  SpecialFbs,       // the special function blocks: project_file.h
  Editors,          // the desktop's editors: project_desktop.h
  StatusVariables,  // project_desktop.h
  ForceVariables,   // project_desktop.h
  IoMask,           // project_desktop.h
  PcPorts,          // project_desktop.h
  AnalogModules,    // the analog module library writes and reads these itself
};

// The numbers a numbered name takes; last -1 when the list has no fixed end.
struct IndexRange {
  int first = -1;
  int last = -1;
  constexpr bool used() const { return first >= 0; }
  constexpr bool contains(int index) const {
    return used() && index >= first && (last < 0 || index <= last);
  }
};

struct SettingsKey {
  SettingsFile file = SettingsFile::Project;
  std::string_view section;  // "steckplatz%03u" when the section is numbered
  std::string_view key;      // "P%d" when the key is numbered
  ValueKind kind = ValueKind::Text;
  std::string_view defaultValue;  // empty: no default
  int minimum = 0;                // Number, Margin, Colour: the range
  int maximum = 0;                // Text: the longest value; 0 means no limit
  RangeRule rule = RangeRule::None;
  KeyAccess access = KeyAccess::ReadWrite;
  KeyHolder holder = KeyHolder::Values;
  std::string_view format = "%d";  // how a Count or Number is written ("%03u", "%ld")
  IndexRange sectionIndex;         // for a numbered section
  IndexRange keyIndex;             // for a numbered key
};

// One name per row, in table order.
enum class Setting : std::uint16_t {
  // --- project file -----------------------------------------------------------------------
  PrjAdressen,
  PrjFarben,
  PrjPath,
  PrjFooterText11,
  PrjFooterText12,
  PrjFooterText13,
  PrjFooterText21,
  PrjFooterText22,
  PrjFooterText23,
  PrjFooterText31,
  PrjFooterText32,
  PrjFooterText33,
  PrjFooterText41,
  PrjFooterText42,
  PrjFooterText43,
  PrjErstellt,
  PrjGeaendert,
  PrjProjektDauerInSec,
  PrjSonderFb,
  PrjEditorenAnzahl,
  PrjEditor,
  PrjAnzahlStatusVar,
  PrjStatusVariable,
  PrjSteuernVariable,
  PrjSlotBaugruppe,
  PrjSlotAdresse,
  PrjSlotText,
  PrjTextZeile1,
  PrjTextZeile2,
  PrjTextAdresse,
  PrjAnzahlAnalog,
  PrjAnalog,
  PrjPortAnzahl,
  PrjPortAktiv,
  PrjPort,
  PrjSymbolikAktiv,
  PrjAutomatischeKommentierung,
  PrjSymOldKommentarLoeschen,
  PrjSymbolikDatei,
  PrjNeuesSymbolAbfragen,
  PrjPaeLeiste,
  PrjPaaLeiste,
  PrjZusatzLeiste,
  PrjSimRefresh,
  PrjAgRefresh,
  PrjBpEnablen,
  PrjFehlerNachStopAnzeigen,
  PrjPaeBeiMaskeAnzeigen,
  PrjPaeAnzeigen,
  PrjPaaAnzeigen,
  PrjZusatzAnzeigen,
  PrjFupKopDarstellung,
  PrjDruckDarstArt,
  PrjSchriftfussDrucken,
  // --- settings file ----------------------------------------------------------------------
  IniFarbenAnzahl,
  IniAwlTextFarbe,
  IniAwlHintergrundFarbe,
  IniLabelTextFarbe,
  IniFbParameterTextfarbe,
  IniKurzkommentarTextFarbe,
  IniGanzzeiligerKommentarTextFarbe,
  IniNetzwerkTextFarbe,
  IniNetzwerkHintergrundFarbe,
  IniMarkierungTextFarbe,
  IniMarkierungHintergrundFarbe,
  IniBreakpunktTextFarbe,
  IniBreakpunktHintergrundFarbe,
  IniBreakpunktDisableHintergrundFarbe,
  IniSuchZeileTextFarbe,
  IniSuchZeileHintergrundFarbe,
  IniAwlKopfText,
  IniAwlKopfHintergrund,
  IniAwlOnlineHintergrund,
  IniAwlOnlineEditorHintergrund,
  IniFupTextFarbe,
  IniFupHintergrund,
  IniFupHiFarbe,
  IniAutor,
  IniAnzBytesPaket,
  IniCharDelay,
  IniPaketDelay,
  IniMaxKompriZeitSec,
  IniSimulator,
  IniAgDatei,
  IniSeqAutomatischSpeichern,
  IniS5TimeOut,
  IniS5TimeOutStatus,
  IniMaxAnzahlBstZeilenStatus,
  IniTavrinIniSichern,
  IniVirtualMemWarning,
  IniDruckerStdSchrift,
  IniBstVorschauAnzeigen,
  IniKomuDllAktiv,
  IniEd,
  IniDbFormat,
  IniSchnittstelle,
  IniBaudrate,
  IniTcpPort,
  IniIpAktuell,
  IniTcpTimeOutStr,
  IniTcpIpAdapt,
  IniIpList,
  IniAutoFontSize,
  IniPaeFont,
  IniPaeFontSize,
  IniAwlFont,
  IniAwlFontSize,
  IniStatusVarFont,
  IniStatusVarFontSize,
  IniFupKopFont,
  IniFupKopFontSize,
  IniFupKopDarstellung,
  IniOpBreite,
  IniNwUeberschriftInversDrucken,
  IniAwlFupKopStatus,
  IniRechterRand,
  IniLinkerRand,
  IniObererRand,
  IniUntererRand,
  IniDruckBausteine,
  IniDruckSchriftfuss,
  IniDruckSymbolik,
  IniDruckQuerverweis,
  IniDruckBelegungsplan,
  IniDruckBausteinvergleich,
  IniDruckProtokolldatei,
  IniLetzteProjekte,
};

inline constexpr std::size_t kSettingCount =
    static_cast<std::size_t>(Setting::IniLetzteProjekte) + 1;

std::span<const SettingsKey> settingsKeys();
const SettingsKey& settingsKey(Setting setting);
// The row of a single key (no numbered section or key), compared without regard to case.
std::optional<Setting> findSetting(SettingsFile file, std::string_view section,
                                   std::string_view key);

// The twelve footer texts in the order text11, text12, ..., text43.
inline constexpr Setting kFooterTexts[12] = {
    Setting::PrjFooterText11, Setting::PrjFooterText12, Setting::PrjFooterText13,
    Setting::PrjFooterText21, Setting::PrjFooterText22, Setting::PrjFooterText23,
    Setting::PrjFooterText31, Setting::PrjFooterText32, Setting::PrjFooterText33,
    Setting::PrjFooterText41, Setting::PrjFooterText42, Setting::PrjFooterText43};

// The 22 colours in table order.
inline constexpr Setting kFirstColour = Setting::IniAwlTextFarbe;
inline constexpr std::size_t kColourCount = 22;

// `pattern` with its one "%d", "%u" or "%03u" replaced by `index` (0 or more); a pattern without
// one is returned as it is.
std::string indexedName(std::string_view pattern, int index);
// The index of `name` when it has the pattern's shape (the text around the number compared
// without regard to case, one or more decimal digits in place of the number); nothing
// otherwise.
std::optional<int> matchIndexedName(std::string_view pattern, std::string_view name);

}  // namespace tavrin::project

#endif
