#include "main/project/project_desktop.h"

#include <charconv>
#include <cstdio>

#include "main/project/indexed_keys.h"
#include "main/project/project_settings_keys.h"
#include "main/project/settings_values.h"

namespace tavrin::project {

namespace {

using platform::IniDocument;

std::string formatted(std::string_view format, unsigned value) {
  char text[32];
  if (format == "%03u")
    std::snprintf(text, sizeof text, "%03u", value);
  else
    std::snprintf(text, sizeof text, "%u", value);
  return text;
}

bool writeCount(IniDocument& document, Setting countRow, std::size_t count) {
  const SettingsKey& key = settingsKey(countRow);
  return document.writeString(key.section, key.key,
                              formatted(key.format, static_cast<unsigned>(count)));
}

// The entries of a list whose count key, when present, says how many of them count.
std::vector<IndexedValue> readCountedList(const IniDocument& document, Setting countRow,
                                          Setting entryRow) {
  const SettingsKey& count = settingsKey(countRow);
  const SettingsKey& entry = settingsKey(entryRow);
  std::vector<IndexedValue> values =
      readIndexedKeys(document, entry.section, entry.key, entry.keyIndex);
  if (const auto raw = document.find(count.section, count.key)) {
    const int counted = platform::parseLeadingInt(*raw).value_or(0);
    std::erase_if(values,
                  [&](const IndexedValue& v) { return v.index - entry.keyIndex.first >= counted; });
  }
  return values;
}

std::optional<unsigned> parseUnsigned(std::string_view text) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string slotSection(int slot) {
  return indexedName(settingsKey(Setting::PrjSlotBaugruppe).section, slot);
}

std::optional<int> readSlotNumber(const IniDocument& document, std::string_view section,
                                  Setting row) {
  const SettingsKey& key = settingsKey(row);
  const auto raw = document.find(section, key.key);
  if (!raw) return std::nullopt;
  const auto accepted = acceptedValue(key, *raw);
  if (!accepted) return std::nullopt;
  return platform::parseLeadingInt(*accepted);
}

std::string cut(std::string value, int longest) {
  if (longest > 0 && value.size() > static_cast<std::size_t>(longest))
    value.resize(static_cast<std::size_t>(longest));
  return value;
}

std::string withoutTrailingSemicolon(std::string line) {
  if (!line.empty() && line.back() == ';') line.pop_back();
  return line;
}

IoMaskLayout readIoMask(const IniDocument& document) {
  IoMaskLayout mask;
  const SettingsKey& labelKey = settingsKey(Setting::PrjSlotText);
  for (int slot = 0; slot < static_cast<int>(kIoSlotCount); ++slot) {
    const std::string section = slotSection(slot);
    const std::optional<int> kind = readSlotNumber(document, section, Setting::PrjSlotBaugruppe);
    if (!kind) continue;
    IoModule module;
    module.kind = static_cast<IoModuleKind>(*kind);
    module.address = readSlotNumber(document, section, Setting::PrjSlotAdresse).value_or(0);
    if (module.digital())
      for (const IndexedValue& label :
           readIndexedKeys(document, section, labelKey.key, labelKey.keyIndex))
        module.labels[static_cast<std::size_t>(label.index)] = cut(label.value, labelKey.maximum);
    mask.modules.push_back(module);
  }

  const SettingsKey& line1 = settingsKey(Setting::PrjTextZeile1);
  const SettingsKey& line2 = settingsKey(Setting::PrjTextZeile2);
  if (!document.hasSection(line1.section)) return mask;
  IoTextDisplay display;
  display.address = readSlotNumber(document, line1.section, Setting::PrjTextAdresse).value_or(0);
  const auto place = [&](const SettingsKey& key, std::size_t line) {
    for (const IndexedValue& v : readIndexedKeys(document, key.section, key.key, key.keyIndex)) {
      const auto index = static_cast<std::size_t>(v.index);
      if (display.records.size() <= index) display.records.resize(index + 1);
      display.records[index][line] = cut(withoutTrailingSemicolon(v.value), key.maximum);
    }
  };
  place(line1, 0);
  place(line2, 1);
  mask.textDisplay = std::move(display);
  return mask;
}

bool writeIoMask(IniDocument& document, const IoMaskLayout& mask) {
  bool allWritten = true;
  const SettingsKey& kindKey = settingsKey(Setting::PrjSlotBaugruppe);
  const SettingsKey& addressKey = settingsKey(Setting::PrjSlotAdresse);
  const SettingsKey& labelKey = settingsKey(Setting::PrjSlotText);
  for (std::size_t slot = 0; slot < kIoSlotCount; ++slot) {
    const std::string section = slotSection(static_cast<int>(slot));
    if (slot >= mask.modules.size()) {
      document.deleteKey(section, kindKey.key);
      document.deleteKey(section, addressKey.key);
      deleteIndexedKeys(document, section, labelKey.key);
      continue;
    }
    const IoModule& module = mask.modules[slot];
    document.writeInt(section, kindKey.key, static_cast<int>(module.kind));
    document.writeInt(section, addressKey.key, module.address);
    if (module.digital())
      allWritten = writeIndexedKeys(document, section, labelKey.key, labelKey.keyIndex.first,
                                    {module.labels.begin(), module.labels.end()}) &&
                   allWritten;
    else
      deleteIndexedKeys(document, section, labelKey.key);
  }

  const SettingsKey& line1 = settingsKey(Setting::PrjTextZeile1);
  const SettingsKey& line2 = settingsKey(Setting::PrjTextZeile2);
  const SettingsKey& displayAddress = settingsKey(Setting::PrjTextAdresse);
  if (!mask.textDisplay) {
    deleteIndexedKeys(document, line1.section, line1.key);
    deleteIndexedKeys(document, line2.section, line2.key);
    document.deleteKey(displayAddress.section, displayAddress.key);
    return allWritten;
  }
  std::vector<std::string> first;
  std::vector<std::string> second;
  for (const auto& record : mask.textDisplay->records) {
    first.push_back(record[0]);
    second.push_back(record[1]);
  }
  allWritten = writeIndexedKeys(document, line1.section, line1.key, 0, first) && allWritten;
  allWritten = writeIndexedKeys(document, line2.section, line2.key, 0, second) && allWritten;
  document.writeInt(displayAddress.section, displayAddress.key, mask.textDisplay->address);
  return allWritten;
}

}  // namespace

std::string formatEditorEntry(const EditorWindowEntry& editor) {
  char ratio[64];
  const auto [end, error] =
      std::to_chars(ratio, ratio + sizeof ratio, editor.splitRatio, std::chars_format::fixed, 5);
  const std::string fraction = error == std::errc() ? std::string(ratio, end) : "0.00000";
  return editor.blockName + ',' + std::to_string(editor.left) + ',' + std::to_string(editor.top) +
         ',' + std::to_string(editor.right) + ',' + std::to_string(editor.bottom) + ',' +
         (editor.iconic ? "IsIcon" : "NoIcon") + ',' + (editor.zoomed ? "IsZoomed" : "NotZoomed") +
         ',' + (editor.active ? "IsTop" : "NotTop") + ',' + fraction;
}

bool writeEditorEntries(IniDocument& document, const std::vector<EditorWindowEntry>& editors) {
  std::vector<std::string> entries;
  for (const EditorWindowEntry& editor : editors)
    entries.push_back(formatEditorEntry(editor));
  const SettingsKey& entry = settingsKey(Setting::PrjEditor);
  const bool counted = writeCount(document, Setting::PrjEditorenAnzahl, editors.size());
  return writeIndexedKeys(document, entry.section, entry.key, entry.keyIndex.first, entries) &&
         counted;
}

std::string formatStatusVariable(const StatusVariable& v) {
  char numbers[80];
  std::snprintf(numbers, sizeof numbers, "%03u-%u-%u-%u-%u", v.kind, v.address, v.dbNumber,
                v.dbType, v.format);
  return v.text + '-' + v.operand + '-' + numbers;
}

std::optional<StatusVariable> parseStatusVariable(std::string_view value) {
  std::array<unsigned, 5> numbers{};
  for (std::size_t i = numbers.size(); i-- > 0;) {
    const std::size_t dash = value.rfind('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const auto number = parseUnsigned(value.substr(dash + 1));
    if (!number) return std::nullopt;
    numbers[i] = *number;
    value = value.substr(0, dash);
  }
  const std::size_t dash = value.rfind('-');
  if (dash == std::string_view::npos) return std::nullopt;
  return StatusVariable{std::string(value.substr(0, dash)),
                        std::string(value.substr(dash + 1)),
                        numbers[0],
                        numbers[1],
                        numbers[2],
                        numbers[3],
                        numbers[4]};
}

ProjectDesktop readProjectDesktop(const IniDocument& document) {
  ProjectDesktop desktop;
  for (const IndexedValue& v :
       readCountedList(document, Setting::PrjAnzahlStatusVar, Setting::PrjStatusVariable))
    if (auto variable = parseStatusVariable(v.value))
      desktop.statusVariables.push_back(std::move(*variable));

  const SettingsKey& force = settingsKey(Setting::PrjSteuernVariable);
  for (const IndexedValue& v : readIndexedKeys(document, force.section, force.key, force.keyIndex))
    desktop.forceVariables[static_cast<std::size_t>(v.index)] = v.value;

  desktop.ioMask = readIoMask(document);

  const SettingsKey& active = settingsKey(Setting::PrjPortAktiv);
  desktop.pcPorts.active = document.readInt(active.section, active.key, 0) != 0;
  for (const IndexedValue& v : readCountedList(document, Setting::PrjPortAnzahl, Setting::PrjPort))
    if (!v.value.empty()) desktop.pcPorts.links.push_back(v.value);
  return desktop;
}

bool writeProjectDesktop(IniDocument& document, const ProjectDesktop& desktop) {
  bool allWritten =
      writeCount(document, Setting::PrjAnzahlStatusVar, desktop.statusVariables.size());
  std::vector<std::string> variables;
  for (const StatusVariable& v : desktop.statusVariables)
    variables.push_back(formatStatusVariable(v));
  const SettingsKey& status = settingsKey(Setting::PrjStatusVariable);
  allWritten = writeIndexedKeys(document, status.section, status.key, 0, variables) && allWritten;

  const SettingsKey& force = settingsKey(Setting::PrjSteuernVariable);
  allWritten = writeIndexedKeys(document, force.section, force.key, force.keyIndex.first,
                                {desktop.forceVariables.begin(), desktop.forceVariables.end()}) &&
               allWritten;

  allWritten = writeIoMask(document, desktop.ioMask) && allWritten;

  allWritten =
      writeCount(document, Setting::PrjPortAnzahl, desktop.pcPorts.links.size()) && allWritten;
  const SettingsKey& active = settingsKey(Setting::PrjPortAktiv);
  allWritten =
      document.writeString(active.section, active.key, desktop.pcPorts.active ? "1" : "0") &&
      allWritten;
  const SettingsKey& port = settingsKey(Setting::PrjPort);
  return writeIndexedKeys(document, port.section, port.key, port.keyIndex.first,
                          desktop.pcPorts.links) &&
         allWritten;
}

}  // namespace tavrin::project
