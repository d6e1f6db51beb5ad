#include "main/project/project_settings_keys.h"

#include <array>
#include <utility>

#include "platform/ascii_case.h"

namespace tavrin::project {

namespace {

using std::string_view;
constexpr SettingsFile kPrj = SettingsFile::Project;
constexpr SettingsFile kIni = SettingsFile::Program;
constexpr KeyAccess kReadWrite = KeyAccess::ReadWrite;

constexpr SettingsKey row(SettingsFile file, string_view section, string_view key, ValueKind kind) {
  SettingsKey k;
  k.file = file;
  k.section = section;
  k.key = key;
  k.kind = kind;
  return k;
}

constexpr SettingsKey text(SettingsFile file, string_view section, string_view key, int longest,
                           string_view defaultValue = {}) {
  SettingsKey k = row(file, section, key, ValueKind::Text);
  k.defaultValue = defaultValue;
  k.maximum = longest;
  return k;
}

constexpr SettingsKey flag(SettingsFile file, string_view section, string_view key,
                           string_view defaultValue = "0", KeyAccess access = kReadWrite) {
  SettingsKey k = row(file, section, key, ValueKind::Flag);
  k.defaultValue = defaultValue;
  k.maximum = 1;
  k.access = access;
  return k;
}

constexpr SettingsKey number(SettingsFile file, string_view section, string_view key,
                             string_view defaultValue, int minimum = 0, int maximum = 0,
                             RangeRule rule = RangeRule::None, string_view format = "%d") {
  SettingsKey k = row(file, section, key, ValueKind::Number);
  k.defaultValue = defaultValue;
  k.minimum = minimum;
  k.maximum = maximum;
  k.rule = rule;
  k.format = format;
  return k;
}

constexpr SettingsKey margin(string_view key, string_view defaultValue) {
  SettingsKey k =
      number(kIni, "DruckRaender", key, defaultValue, 0, 90, RangeRule::DefaultOutside, "%f");
  k.kind = ValueKind::Margin;
  return k;
}

constexpr SettingsKey colour(string_view key, string_view defaultValue) {
  SettingsKey k = number(kIni, "Farben", key, defaultValue, 0, 0xFFFFFF, RangeRule::DefaultOutside);
  k.kind = ValueKind::Colour;
  return k;
}

constexpr SettingsKey count(SettingsFile file, string_view section, string_view key,
                            KeyHolder holder, string_view format = "%d",
                            KeyAccess access = kReadWrite) {
  SettingsKey k = row(file, section, key, ValueKind::Count);
  k.holder = holder;
  k.format = format;
  k.access = access;
  return k;
}

// An entry of a numbered list: `keyIndex` numbers the key, `sectionIndex` the section.
constexpr SettingsKey entry(SettingsFile file, string_view section, string_view key,
                            KeyHolder holder, IndexRange keyIndex, int longest = 0,
                            IndexRange sectionIndex = {}, KeyAccess access = kReadWrite) {
  SettingsKey k = row(file, section, key, ValueKind::Entry);
  k.holder = holder;
  k.keyIndex = keyIndex;
  k.maximum = longest;
  k.sectionIndex = sectionIndex;
  k.access = access;
  return k;
}

// A number of the I/O mask (of a numbered module section, or of the text display); outside
// its range it gives no value.
constexpr SettingsKey maskNumber(string_view section, string_view key, int minimum, int maximum,
                                 IndexRange sectionIndex) {
  SettingsKey k = number(kPrj, section, key, {}, minimum, maximum, RangeRule::UnsetOutside);
  k.holder = KeyHolder::IoMask;
  k.sectionIndex = sectionIndex;
  return k;
}

constexpr SettingsKey heldBy(SettingsKey k, KeyHolder holder) {
  k.holder = holder;
  return k;
}

constexpr RangeRule kDefaultOutside = RangeRule::DefaultOutside;
constexpr RangeRule kUnsetOutside = RangeRule::UnsetOutside;
constexpr int kMaxInt = 2147483647;
// A path as the recent-project list and the file dialogs hold it.
constexpr int kPathLength = 248;

// Colour defaults: red, blue, grey, yellow and magenta as 0x00BBGGRR, or a system colour.
constexpr string_view kRed = "255";
constexpr string_view kBlue = "16711680";
constexpr string_view kGrey = "8421504";
constexpr string_view kYellow = "65535";
constexpr string_view kMagenta = "16711935";
constexpr string_view kWindowText = "WindowText";
constexpr string_view kWindow = "Window";

using Row = std::pair<Setting, SettingsKey>;
using S = Setting;

constexpr Row kRows[] = {
    // Project file: the project's own options.
    {S::PrjAdressen, text(kPrj, "projekt", "adressen", 20, "dezimal")},
    {S::PrjFarben, text(kPrj, "projekt", "farben", 20)},
    {S::PrjPath, text(kPrj, "projekt", "path", kPathLength)},
    {S::PrjFooterText11, text(kPrj, "schriftfuss", "text11", 255)},
    {S::PrjFooterText12, text(kPrj, "schriftfuss", "text12", 255)},
    {S::PrjFooterText13, text(kPrj, "schriftfuss", "text13", 255)},
    {S::PrjFooterText21, text(kPrj, "schriftfuss", "text21", 255)},
    {S::PrjFooterText22, text(kPrj, "schriftfuss", "text22", 255)},
    {S::PrjFooterText23, text(kPrj, "schriftfuss", "text23", 255)},
    {S::PrjFooterText31, text(kPrj, "schriftfuss", "text31", 255)},
    {S::PrjFooterText32, text(kPrj, "schriftfuss", "text32", 255)},
    {S::PrjFooterText33, text(kPrj, "schriftfuss", "text33", 255)},
    {S::PrjFooterText41, text(kPrj, "schriftfuss", "text41", 255)},
    {S::PrjFooterText42, text(kPrj, "schriftfuss", "text42", 255)},
    {S::PrjFooterText43, text(kPrj, "schriftfuss", "text43", 255)},
    // Its times; a negative duration cannot have been counted and reads as 0.
    {S::PrjErstellt, text(kPrj, "Sonstiges", "Erstellt", 10)},
    {S::PrjGeaendert, text(kPrj, "Sonstiges", "Geaendert", 10)},
    {S::PrjProjektDauerInSec,
     number(kPrj, "Sonstiges", "ProjektDauerInSec", "0", 0, kMaxInt, kDefaultOutside, "%ld")},
    {S::PrjSonderFb, entry(kPrj, "Sonstiges", "SonderFB%d", KeyHolder::SpecialFbs, {0, 255})},
    // The state of its windows.
    {S::PrjEditorenAnzahl,
     count(kPrj, "editoren", "EditorenAnzahl", KeyHolder::Editors, "%d", KeyAccess::WriteOnly)},
    {S::PrjEditor, entry(kPrj, "editoren", "Editor %d", KeyHolder::Editors, {0, -1}, 0, {},
                         KeyAccess::WriteOnly)},
    {S::PrjAnzahlStatusVar,
     count(kPrj, "statusvariable", "anzahlstatusvar", KeyHolder::StatusVariables, "%03u")},
    {S::PrjStatusVariable,
     entry(kPrj, "statusvariable", "variable%03u", KeyHolder::StatusVariables, {0, -1})},
    {S::PrjSteuernVariable,
     entry(kPrj, "steuernvariable", "variable%03u", KeyHolder::ForceVariables, {0, 4})},
    {S::PrjSlotBaugruppe, maskNumber("steckplatz%03u", "baugruppe", 11, 14, {0, 9})},
    {S::PrjSlotAdresse, maskNumber("steckplatz%03u", "adresse", 0, 127, {0, 9})},
    {S::PrjSlotText,
     entry(kPrj, "steckplatz%03u", "Text%03u", KeyHolder::IoMask, {0, 7}, 20, {0, 9})},
    {S::PrjTextZeile1,
     entry(kPrj, "textanzeige", "Text%03uZeile1", KeyHolder::IoMask, {0, 126}, 64)},
    {S::PrjTextZeile2,
     entry(kPrj, "textanzeige", "Text%03uZeile2", KeyHolder::IoMask, {0, 126}, 64)},
    {S::PrjTextAdresse, maskNumber("textanzeige", "adresse", 0, 127, {})},
    {S::PrjAnzahlAnalog,
     count(kPrj, "analogebaugruppen", "anzahlanalog", KeyHolder::AnalogModules)},
    {S::PrjAnalog, entry(kPrj, "analogebaugruppen", "Analog%u", KeyHolder::AnalogModules, {0, -1})},
    {S::PrjPortAnzahl, count(kPrj, "PCPorts", "Anzahl", KeyHolder::PcPorts)},
    {S::PrjPortAktiv, heldBy(flag(kPrj, "PCPorts", "Aktiv"), KeyHolder::PcPorts)},
    {S::PrjPort, entry(kPrj, "PCPorts", "V%d", KeyHolder::PcPorts, {1, -1})},
    // Symbols.
    {S::PrjSymbolikAktiv, flag(kPrj, "Symbolik", "SymbolikAktiv")},
    {S::PrjAutomatischeKommentierung, flag(kPrj, "Symbolik", "AutomatischeKommentierung")},
    {S::PrjSymOldKommentarLoeschen, flag(kPrj, "Symbolik", "SymOldKommentarLoeschen")},
    {S::PrjSymbolikDatei, text(kPrj, "Symbolik", "SymbolikDatei", kPathLength)},
    {S::PrjNeuesSymbolAbfragen, flag(kPrj, "Symbolik", "NeuesSymbolAbfragen")},
    // The simulator view; the bar texts take their defaults when the bars are first built.
    {S::PrjPaeLeiste,
     text(kPrj, "SimVoreinstellung", "PaeLeiste", 100, "EB000;EB001;EB002;EB003;EB032;EB033")},
    {S::PrjPaaLeiste, text(kPrj, "SimVoreinstellung", "PaaLeiste", 100,
                           "AB000;AB001;AB002;AB003;AB032;AB033;MB010=KH")},
    {S::PrjZusatzLeiste,
     text(kPrj, "SimVoreinstellung", "ZusatzLeiste", 100, "T1=KT;AKKU1;S5REGS")},
    {S::PrjSimRefresh,
     number(kPrj, "SimVoreinstellung", "SimRefresh", "0", 0, 65535, kDefaultOutside)},
    {S::PrjAgRefresh,
     number(kPrj, "SimVoreinstellung", "AgRefresh", "50", 0, 65535, kDefaultOutside)},
    {S::PrjBpEnablen, flag(kPrj, "SimVoreinstellung", "BPEnablen", "1")},
    {S::PrjFehlerNachStopAnzeigen, flag(kPrj, "SimVoreinstellung", "FehlerNachSTOPAnzeigen", "1")},
    {S::PrjPaeBeiMaskeAnzeigen, flag(kPrj, "SimVoreinstellung", "PaeBeiMaskeAnzeigen", "1")},
    {S::PrjPaeAnzeigen, flag(kPrj, "SimVoreinstellung", "PaeAnzeigen", "1")},
    {S::PrjPaaAnzeigen, flag(kPrj, "SimVoreinstellung", "PaaAnzeigen", "1")},
    {S::PrjZusatzAnzeigen, flag(kPrj, "SimVoreinstellung", "ZusatzAnzeigen", "0")},
    // FUP/KOP display and print options of the project.
    {S::PrjFupKopDarstellung, number(kPrj, "FUPKOP", "FupKopDarstellung", "0")},
    {S::PrjDruckDarstArt, number(kPrj, "FUPKOP", "DruckDarstArt", "0")},
    {S::PrjSchriftfussDrucken, flag(kPrj, "FUPKOP", "SchriftfussDrucken")},

    // Settings file: colours, written with their count.
    {S::IniFarbenAnzahl,
     count(kIni, "Farben", "Anzahl", KeyHolder::Colours, "%03u", KeyAccess::WriteOnly)},
    {S::IniAwlTextFarbe, colour("AWL Text Farbe", kWindowText)},
    {S::IniAwlHintergrundFarbe, colour("AWL Hintergrund Farbe", kWindow)},
    {S::IniLabelTextFarbe, colour("Label Text Farbe", kRed)},
    {S::IniFbParameterTextfarbe, colour("FB Parameter Textfarbe", kBlue)},
    {S::IniKurzkommentarTextFarbe, colour("Kurzkommentar Text Farbe", kGrey)},
    {S::IniGanzzeiligerKommentarTextFarbe, colour("Ganzzeiliger Kommentar Text Farbe", kGrey)},
    {S::IniNetzwerkTextFarbe, colour("Netzwerk Text Farbe", kWindow)},
    {S::IniNetzwerkHintergrundFarbe, colour("Netzwerk Hintergrund Farbe", kWindowText)},
    {S::IniMarkierungTextFarbe, colour("Markierung Text Farbe", "HighlightText")},
    {S::IniMarkierungHintergrundFarbe, colour("Markierung Hintergrund Farbe", "Highlight")},
    {S::IniBreakpunktTextFarbe, colour("Breakpunkt Text Farbe", kYellow)},
    {S::IniBreakpunktHintergrundFarbe, colour("Breakpunkt Hintergrund Farbe", kRed)},
    {S::IniBreakpunktDisableHintergrundFarbe,
     colour("Breakpunkt Disable Hintergrund Farbe", kMagenta)},
    {S::IniSuchZeileTextFarbe, colour("Such Zeile Text Farbe", kWindowText)},
    {S::IniSuchZeileHintergrundFarbe, colour("Such Zeile Hintergrund Farbe", kWindow)},
    {S::IniAwlKopfText, colour("AWL Kopf Text", kWindowText)},
    {S::IniAwlKopfHintergrund, colour("AWL Kopf Hintergrund", kWindow)},
    {S::IniAwlOnlineHintergrund, colour("AWL-Online Hintergrund", kWindow)},
    {S::IniAwlOnlineEditorHintergrund, colour("AWL-Online-Editor Hintergrund", kWindow)},
    {S::IniFupTextFarbe, colour("FUP-Text Farbe", kWindowText)},
    {S::IniFupHintergrund, colour("FUP-Hintergrund", kWindow)},
    {S::IniFupHiFarbe, colour("FUP-Hi-Farbe", kRed)},
    // Everything else of the program. The link parameters without a default are used only
    // inside their range; outside it the driver keeps its own value. The compress time counts
    // when its milliseconds exceed 6000 (and still fit a 32-bit number).
    {S::IniAutor, text(kIni, "Sonstiges", "Autor", 50)},
    {S::IniAnzBytesPaket, number(kIni, "Sonstiges", "AnzBytesPaket", {}, 1, 1999, kUnsetOutside)},
    {S::IniCharDelay, number(kIni, "Sonstiges", "CharDelay", {}, 1, 499, kUnsetOutside)},
    {S::IniPaketDelay, number(kIni, "Sonstiges", "PaketDelay", {}, 1, 799, kUnsetOutside)},
    {S::IniMaxKompriZeitSec,
     number(kIni, "Sonstiges", "MaxKompriZeitSec", {}, 7, kMaxInt / 1000, kUnsetOutside)},
    // A fresh installation works on the simulator.
    {S::IniSimulator, flag(kIni, "Sonstiges", "Simulator", "1")},
    {S::IniAgDatei, text(kIni, "Sonstiges", "AG-Datei", 19)},
    {S::IniSeqAutomatischSpeichern, flag(kIni, "Sonstiges", "SeqAutomatischSpeichern")},
    {S::IniS5TimeOut, number(kIni, "Sonstiges", "S5TimeOut", "2000", 2000, 5000, kDefaultOutside)},
    {S::IniS5TimeOutStatus,
     number(kIni, "Sonstiges", "S5TimeOutStatus", "800", 3, 5000, kDefaultOutside)},
    {S::IniMaxAnzahlBstZeilenStatus,
     number(kIni, "Sonstiges", "MaxAnzahlBstZeilenStatus", "30", 3, 200, kDefaultOutside)},
    {S::IniTavrinIniSichern, flag(kIni, "Sonstiges", "TavrinIniSichern")},
    {S::IniVirtualMemWarning, flag(kIni, "Sonstiges", "VirtualMemWarning")},
    {S::IniDruckerStdSchrift,
     flag(kIni, "Sonstiges", "DruckerStdSchrift", "0", KeyAccess::ReadOnly)},
    {S::IniBstVorschauAnzeigen, flag(kIni, "Sonstiges", "BstVorschauAnzeigen")},
    {S::IniKomuDllAktiv, flag(kIni, "Sonstiges", "KomuDLLAktiv")},
    {S::IniEd, flag(kIni, "Sonstiges", "ED", "0", KeyAccess::ReadOnly)},
    {S::IniDbFormat, number(kIni, "Sonstiges", "DBFormat", {})},
    {S::IniSchnittstelle, text(kIni, "COM", "schnittstelle", kPathLength, "COM2")},
    {S::IniBaudrate, number(kIni, "COM", "Baudrate", "9600")},
    // A private address for the TCP/IP adapter until the user enters the real one.
    {S::IniTcpPort, text(kIni, "TCP-IP", "Port", 15, "7777")},
    {S::IniIpAktuell, text(kIni, "TCP-IP", "IPAktuell", 63, "192.168.0.100")},
    {S::IniTcpTimeOutStr, text(kIni, "TCP-IP", "TCPTimeOutStr", 15, "10000")},
    {S::IniTcpIpAdapt, flag(kIni, "TCP-IP", "TCP_IP_ADAPT")},
    {S::IniIpList, entry(kIni, "TCP-IP", "IP%d", KeyHolder::AdapterList, {0, -1}, 63)},
    // Fonts: a face name fits 31 characters; the sizes without a default are the window's.
    {S::IniAutoFontSize, flag(kIni, "Fonts", "AutoFontSize")},
    {S::IniPaeFont, text(kIni, "Fonts", "PAEFont", 31, "FixedSys")},
    {S::IniPaeFontSize, number(kIni, "Fonts", "PAEFontSize", {})},
    {S::IniAwlFont, text(kIni, "Fonts", "AwlFont", 31, "Courier New")},
    {S::IniAwlFontSize, number(kIni, "Fonts", "AwlFontSize", {})},
    {S::IniStatusVarFont, text(kIni, "Fonts", "StatusVarFont", 31, "Courier New")},
    {S::IniStatusVarFontSize, number(kIni, "Fonts", "StatusVarFontSize", {})},
    {S::IniFupKopFont, text(kIni, "Fonts", "FupKopFont", 31, "Courier New")},
    {S::IniFupKopFontSize, number(kIni, "Fonts", "FupKopFontSize", {})},
    {S::IniFupKopDarstellung, number(kIni, "FUPKOP", "FupKopDarstellung", {})},
    {S::IniOpBreite, number(kIni, "FUPKOP", "OpBreite", {})},
    {S::IniNwUeberschriftInversDrucken, number(kIni, "FUPKOP", "NWUeberschriftInversDrucken", {})},
    {S::IniAwlFupKopStatus, number(kIni, "FUPKOP", "AwlFupKopStatus", {})},
    // Print margins in millimetres.
    {S::IniRechterRand, margin("RechterRand", "10")},
    {S::IniLinkerRand, margin("LinkerRand", "30")},
    {S::IniObererRand, margin("ObererRand", "10")},
    {S::IniUntererRand, margin("UntererRand", "20")},
    // Printer fonts as the print dialogs write them; without one, printing picks a fixed-pitch
    // font.
    {S::IniDruckBausteine, text(kIni, "DruckerFonts", "Bausteine", 255)},
    {S::IniDruckSchriftfuss, text(kIni, "DruckerFonts", "Schriftfuss", 255)},
    {S::IniDruckSymbolik, text(kIni, "DruckerFonts", "Symbolik", 255)},
    {S::IniDruckQuerverweis, text(kIni, "DruckerFonts", "Querverweis", 255)},
    {S::IniDruckBelegungsplan, text(kIni, "DruckerFonts", "Belegungsplan", 255)},
    {S::IniDruckBausteinvergleich, text(kIni, "DruckerFonts", "Bausteinvergleich", 255)},
    {S::IniDruckProtokolldatei, text(kIni, "DruckerFonts", "Protokolldatei", 255)},
    {S::IniLetzteProjekte,
     entry(kIni, "LetzteProjekte", "P%d", KeyHolder::RecentProjects, {1, 6}, kPathLength)},
};

static_assert(std::size(kRows) == kSettingCount, "one row per Setting");

constexpr bool rowsInOrder() {
  for (std::size_t i = 0; i < std::size(kRows); ++i)
    if (static_cast<std::size_t>(kRows[i].first) != i) return false;
  return true;
}
static_assert(rowsInOrder(), "the rows stand in the order of Setting");

constexpr bool rulesHaveWhatTheyNeed() {
  for (const Row& row : kRows) {
    const SettingsKey& k = row.second;
    if (k.rule == RangeRule::DefaultOutside && k.defaultValue.empty()) return false;
    if (k.rule == RangeRule::UnsetOutside && !k.defaultValue.empty()) return false;
    if (k.rule != RangeRule::None && k.minimum > k.maximum) return false;
    if ((k.kind == ValueKind::Entry) != k.keyIndex.used() && !k.sectionIndex.used()) return false;
    if (k.holder == KeyHolder::Values && (k.keyIndex.used() || k.sectionIndex.used())) return false;
  }
  return true;
}
static_assert(rulesHaveWhatTheyNeed(),
              "ranged rows have their default rule, numbered rows their indices");

constexpr std::array<SettingsKey, kSettingCount> makeTable() {
  std::array<SettingsKey, kSettingCount> table{};
  for (std::size_t i = 0; i < kSettingCount; ++i)
    table[i] = kRows[i].second;
  return table;
}

constexpr std::array<SettingsKey, kSettingCount> kTable = makeTable();

static_assert(kTable[static_cast<std::size_t>(kFirstColour) + kColourCount - 1].section ==
                      "Farben" &&
                  kTable[static_cast<std::size_t>(kFirstColour) + kColourCount].section != "Farben",
              "the colours stand together");

struct Conversion {
  std::size_t begin = string_view::npos;  // of the '%'
  std::size_t end = 0;                    // after the conversion letter
  int width = 0;
  bool zeroPadded = false;
};

Conversion findConversion(string_view pattern) {
  Conversion c;
  for (std::size_t at = pattern.find('%'); at != string_view::npos;
       at = pattern.find('%', at + 1)) {
    std::size_t i = at + 1;
    bool zero = false;
    if (i < pattern.size() && pattern[i] == '0') {
      zero = true;
      ++i;
    }
    int width = 0;
    while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9')
      width = width * 10 + (pattern[i++] - '0');
    if (i < pattern.size() && pattern[i] == 'l') ++i;
    if (i < pattern.size() && (pattern[i] == 'd' || pattern[i] == 'u')) {
      c.begin = at;
      c.end = i + 1;
      c.width = width;
      c.zeroPadded = zero;
      return c;
    }
  }
  return c;
}

}  // namespace

std::span<const SettingsKey> settingsKeys() {
  return kTable;
}

const SettingsKey& settingsKey(Setting setting) {
  return kTable[static_cast<std::size_t>(setting)];
}

std::optional<Setting> findSetting(SettingsFile file, std::string_view section,
                                   std::string_view key) {
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    const SettingsKey& row = kTable[i];
    if (row.file == file && !row.keyIndex.used() && !row.sectionIndex.used() &&
        platform::equalsIgnoreAsciiCase(row.section, section) &&
        platform::equalsIgnoreAsciiCase(row.key, key))
      return static_cast<Setting>(i);
  }
  return std::nullopt;
}

std::string indexedName(std::string_view pattern, int index) {
  const Conversion c = findConversion(pattern);
  if (c.begin == string_view::npos) return std::string(pattern);
  std::string number = std::to_string(index);
  const std::size_t width = static_cast<std::size_t>(c.width);
  if (number.size() < width) number.insert(0, width - number.size(), c.zeroPadded ? '0' : ' ');
  std::string name(pattern.substr(0, c.begin));
  name += number;
  name += pattern.substr(c.end);
  return name;
}

std::optional<int> matchIndexedName(std::string_view pattern, std::string_view name) {
  const Conversion c = findConversion(pattern);
  if (c.begin == string_view::npos) return std::nullopt;
  const string_view prefix = pattern.substr(0, c.begin);
  const string_view suffix = pattern.substr(c.end);
  if (name.size() <= prefix.size() + suffix.size()) return std::nullopt;
  if (!platform::equalsIgnoreAsciiCase(name.substr(0, prefix.size()), prefix) ||
      !platform::equalsIgnoreAsciiCase(name.substr(name.size() - suffix.size()), suffix))
    return std::nullopt;
  const string_view digits =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (digits.size() > 9) return std::nullopt;
  int index = 0;
  for (char d : digits) {
    if (d < '0' || d > '9') return std::nullopt;
    index = index * 10 + (d - '0');
  }
  return index;
}

}  // namespace tavrin::project
