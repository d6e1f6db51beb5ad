// The single keys of one profile file as values, read and written by the rules of their rows
// in the key index (project_settings_keys.h).
//
// Contents
//   SettingsValues             the values of one file's single keys
//     read / writeTo           from and to an IniDocument
//     stored                   what the file held (after its row's rules), or what was set
//     text, flag, number, margin   the value in use: the stored one, else the row's default
//     set, setText, setFlag, setNumber, setMargin, clear
//   systemColourName           the system colour a colour row defaults to
//
// Only rows of KeyHolder::Values belong here; the numbered lists have code of their own.
// Reading stores a value only when the file holds one that the row accepts; everything else
// reads as the default (or as no value, for a row without one). Writing writes every stored
// value of a row that may be written, key by key, and nothing else: a key the program never
// set keeps its bytes, a value that reads back the same is not touched at all.
#ifndef MAIN_PROJECT_SETTINGS_VALUES_H
#define MAIN_PROJECT_SETTINGS_VALUES_H

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "main/project/project_settings_keys.h"
#include "platform/ini_document.h"

namespace tavrin::project {

class SettingsValues {
 public:
  explicit SettingsValues(SettingsFile file) : file_(file) {}

  static SettingsValues read(const platform::IniDocument& document, SettingsFile file);
  // False when a value cannot be stored in a line of the file (it holds CR or LF); the
  // other values are written all the same.
  bool writeTo(platform::IniDocument& document) const;

  SettingsFile file() const { return file_; }
  const std::optional<std::string>& stored(Setting setting) const;
  bool isStored(Setting setting) const { return stored(setting).has_value(); }

  std::string text(Setting setting) const;
  bool flag(Setting setting) const;
  // Nothing when the row has neither a stored nor a numeric default value.
  std::optional<int> number(Setting setting) const;
  double margin(Setting setting) const;

  // Each setter applies the row's rules as reading does: a text is cut to its length, a value
  // outside the range is refused (false, the stored value stays). A row of the other file,
  // or of a list, is refused too.
  bool set(Setting setting, std::string_view value);
  bool setText(Setting setting, std::string_view value) { return set(setting, value); }
  bool setFlag(Setting setting, bool value) { return set(setting, value ? "1" : "0"); }
  bool setNumber(Setting setting, int value);
  bool setMargin(Setting setting, double millimetres);
  void clear(Setting setting);

  bool operator==(const SettingsValues&) const = default;

 private:
  bool mine(Setting setting) const;

  SettingsFile file_;
  std::array<std::optional<std::string>, kSettingCount> values_{};
};

// The value a row of `key`'s kind stores for `raw` as the file holds it, or nothing when the
// row does not accept it. Reading and the setters share it.
std::optional<std::string> acceptedValue(const SettingsKey& key, std::string_view raw);

// "WindowText", "Window", "HighlightText" or "Highlight" for a colour row that defaults to a
// system colour; nothing for a fixed default.
std::optional<std::string_view> systemColourName(Setting colour);

}  // namespace tavrin::project

#endif
