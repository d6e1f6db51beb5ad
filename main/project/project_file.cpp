#include "main/project/project_file.h"

#include <system_error>
#include <vector>

#include "main/project/indexed_keys.h"
#include "main/project/project_settings_keys.h"
#include "platform/foreign_path.h"

namespace tavrin::project {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

ProjectFileData readProjectFileData(const platform::IniDocument& document) {
  ProjectFileData data;
  data.values = SettingsValues::read(document, SettingsFile::Project);
  data.specialFbs = readSpecialFbs(document);
  data.desktop = readProjectDesktop(document);
  return data;
}

bool hasProjectKeys(const platform::IniDocument& document) {
  std::vector<Setting> opened = {Setting::PrjAdressen, Setting::PrjFarben, Setting::PrjErstellt,
                                 Setting::PrjGeaendert};
  opened.insert(opened.end(), std::begin(kFooterTexts), std::end(kFooterTexts));
  for (Setting setting : opened) {
    const SettingsKey& key = settingsKey(setting);
    if (document.find(key.section, key.key)) return true;
  }
  return false;
}

bool writeProjectFileData(platform::IniDocument& document, const ProjectFileData& data) {
  writeSpecialFbs(document, data.specialFbs);
  const bool values = data.values.writeTo(document);
  return writeProjectDesktop(document, data.desktop) && values;
}

void startNewProject(ProjectFileData& data, std::string_view today, bool systemColours) {
  for (Setting text : kFooterTexts)
    data.values.setText(text, "");
  data.values.setText(Setting::PrjAdressen, "dezimal");
  data.values.setText(Setting::PrjFarben, systemColours ? kSystemColoursValue : kOwnColoursValue);
  data.values.setText(Setting::PrjErstellt, today);
  data.values.setText(Setting::PrjGeaendert, today);
}

std::bitset<256> readSpecialFbs(const platform::IniDocument& document) {
  std::bitset<256> flags;
  const SettingsKey& key = settingsKey(Setting::PrjSonderFb);
  for (int index = key.keyIndex.first; key.keyIndex.contains(index); ++index) {
    const std::optional<std::string> value =
        document.find(key.section, indexedName(key.key, index));
    if (!value || value->size() < 3 || (*value)[0] != 'F' || (*value)[1] != 'B' ||
        !isDigit((*value)[2]))
      break;
    const std::optional<int> number = platform::parseLeadingInt(std::string_view(*value).substr(2));
    if (number && *number >= 0 && *number <= 255) flags.set(static_cast<std::size_t>(*number));
  }
  return flags;
}

void writeSpecialFbs(platform::IniDocument& document, const std::bitset<256>& specialFbs) {
  std::vector<std::string> entries;
  for (std::size_t fb = 0; fb < specialFbs.size(); ++fb)
    if (specialFbs.test(fb)) entries.push_back("FB" + std::to_string(fb));
  const SettingsKey& key = settingsKey(Setting::PrjSonderFb);
  writeIndexedKeys(document, key.section, key.key, key.keyIndex.first, entries);
}

std::optional<std::filesystem::path> symbolFileOf(const SettingsValues& values,
                                                  const std::filesystem::path& projectDirectory) {
  const std::string name = values.text(Setting::PrjSymbolikDatei);
  if (name.empty()) return std::nullopt;
  return platform::locateForeignPath(name, projectDirectory);
}

ProjectSymbolSettings symbolSettingsOf(const SettingsValues& values,
                                       const std::filesystem::path& projectDirectory) {
  ProjectSymbolSettings settings;
  settings.file = symbolFileOf(values, projectDirectory);
  std::error_code error;
  const bool present = settings.file && std::filesystem::is_regular_file(*settings.file, error);
  settings.showSymbols = present && values.flag(Setting::PrjSymbolikAktiv);
  settings.autoComment = present && values.flag(Setting::PrjAutomatischeKommentierung);
  settings.replaceOldComment =
      settings.autoComment && values.flag(Setting::PrjSymOldKommentarLoeschen);
  return settings;
}

}  // namespace tavrin::project
