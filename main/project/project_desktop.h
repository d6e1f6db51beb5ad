// The state of a project's windows as plain data, as the project file keeps it: what the
// windows fill in before the project is saved and find again when it is opened.
//
// Contents
//   EditorWindowEntry, formatEditorEntry     one open editor ("Editor %d" of "editoren")
//   writeEditorEntries                       the desktop save at program end
//   StatusVariable, format/parseStatusVariable   one entry of the status-variable list
//   kForceSlotCount                          the force-variable slots
//   IoModuleKind, IoModule, IoTextDisplay, IoMaskLayout   the I/O mask
//   PcPortLinks                              the PC port links of peripheral bytes
//   ProjectDesktop                           all of it
//   readProjectDesktop / writeProjectDesktop the project file's sections of it
//
// Names and limits come from the key index (project_settings_keys.h). Writing changes only the
// keys of these lists: entries the list no longer has are removed key by key, and comments,
// unknown keys and every other line of their sections stay.
#ifndef MAIN_PROJECT_PROJECT_DESKTOP_H
#define MAIN_PROJECT_PROJECT_DESKTOP_H

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_document.h"

namespace tavrin::project {

// The window rectangle is that of the restored window in screen pixels: a maximised or
// minimised editor is measured as it would be restored.
struct EditorWindowEntry {
  std::string blockName;  // "PB001"
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool iconic = false;      // minimised: "IsIcon", else "NoIcon"
  bool zoomed = false;      // maximised: "IsZoomed", else "NotZoomed"
  bool active = false;      // the active editor: "IsTop", else "NotTop"
  double splitRatio = 0.5;  // the FUP/KOP pane's share of the editor, 0..1
  bool operator==(const EditorWindowEntry&) const = default;
};

// "%s,%d,%d,%d,%d,%s,%s,%s,%2.5f"; the fraction always with a '.'.
std::string formatEditorEntry(const EditorWindowEntry& editor);

// "EditorenAnzahl" and one "Editor %d" per editor from 0 in window order; the entries of
// editors no longer open are removed. False when a block name cannot be stored in a line.
bool writeEditorEntries(platform::IniDocument& document,
                        const std::vector<EditorWindowEntry>& editors);

struct StatusVariable {
  std::string text;     // the entry as the user typed it
  std::string operand;  // its operand name
  unsigned kind = 0;
  unsigned address = 0;
  unsigned dbNumber = 0;
  unsigned dbType = 0;
  unsigned format = 0;
  bool operator==(const StatusVariable&) const = default;
};

// "%s-%s-%03u-%u-%u-%u-%u": text, operand, kind, address, DB number, DB type, format.
std::string formatStatusVariable(const StatusVariable& variable);
// Read from the right: the five numbers, then the operand after the last remaining '-'
// (so the entry text may hold '-' itself). Nothing when the numbers are not there.
std::optional<StatusVariable> parseStatusVariable(std::string_view value);

inline constexpr std::size_t kForceSlotCount = 5;

enum class IoModuleKind : int {
  DigitalInput = 11,
  DigitalOutput = 12,
  BcdDisplay = 13,
  BcdInput = 14
};

struct IoModule {
  IoModuleKind kind = IoModuleKind::DigitalInput;
  int address = 0;                    // byte 0..127
  std::array<std::string, 8> labels;  // bits 0..7, digital modules only, up to 20 characters
  bool digital() const {
    return kind == IoModuleKind::DigitalInput || kind == IoModuleKind::DigitalOutput;
  }
  bool operator==(const IoModule&) const = default;
};

struct IoTextDisplay {
  int address = 0;                                  // the output byte that selects the record
  std::vector<std::array<std::string, 2>> records;  // at most 127, lines up to 64 characters
  bool operator==(const IoTextDisplay&) const = default;
};

inline constexpr std::size_t kIoSlotCount = 10;

struct IoMaskLayout {
  std::vector<IoModule> modules;  // packed from slot 0, at most kIoSlotCount
  std::optional<IoTextDisplay> textDisplay;
  bool operator==(const IoMaskLayout&) const = default;
};

struct PcPortLinks {
  bool active = false;
  std::vector<std::string> links;  // "EB032->0x340", numbered from 1 in the file
  bool operator==(const PcPortLinks&) const = default;
};

struct ProjectDesktop {
  std::vector<StatusVariable> statusVariables;
  std::array<std::string, kForceSlotCount> forceVariables;  // an empty slot is unused
  IoMaskLayout ioMask;
  PcPortLinks pcPorts;
  bool operator==(const ProjectDesktop&) const = default;
};

// Status variables: the count "anzahlstatusvar" says how many entries count (every entry when
// the count is missing); an entry that is missing or cannot be read is passed over. Force
// slots: empty ones stay empty. I/O mask: every slot section with a known module kind, packed in
// slot order (at most ten); a module address outside 0..127 reads as 0; labels of digital
// modules only; the text display when its section exists, a trailing ';' of a line removed.
// PC ports: "Aktiv" and the entries "V1", "V2", ... (as many as "Anzahl" says, when it is
// there).
ProjectDesktop readProjectDesktop(const platform::IniDocument& document);
// False when a text cannot be stored in a line of the file (it holds CR or LF); the rest is
// written all the same.
bool writeProjectDesktop(platform::IniDocument& document, const ProjectDesktop& desktop);

}  // namespace tavrin::project

#endif
