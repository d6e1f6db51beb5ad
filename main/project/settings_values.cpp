#include "main/project/settings_values.h"

#include <charconv>

namespace tavrin::project {

namespace {

std::size_t slot(Setting setting) {
  return static_cast<std::size_t>(setting);
}

bool inRange(const SettingsKey& key, double value) {
  return key.rule == RangeRule::None || (value >= key.minimum && value <= key.maximum);
}

// The whole text as a decimal number ("30", "12.5", "10.000000"), or nothing.
std::optional<double> wholeNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// As "%f" writes it in the C locale, whatever locale the program runs in.
std::string formatMargin(double millimetres) {
  char text[64];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, millimetres, std::chars_format::fixed, 6);
  return error == std::errc() ? std::string(text, end) : std::string();
}

}  // namespace

std::optional<std::string> acceptedValue(const SettingsKey& key, std::string_view raw) {
  switch (key.kind) {
    case ValueKind::Text:
      if (key.maximum > 0 && raw.size() > static_cast<std::size_t>(key.maximum))
        raw = raw.substr(0, static_cast<std::size_t>(key.maximum));
      return std::string(raw);
    case ValueKind::Flag: {
      const std::optional<int> value = platform::parseLeadingInt(raw);
      if (!value) return std::nullopt;
      return std::string(*value != 0 ? "1" : "0");
    }
    case ValueKind::Number:
    case ValueKind::Colour: {
      const std::optional<int> value = platform::parseLeadingInt(raw);
      if (!value || !inRange(key, *value)) return std::nullopt;
      return std::to_string(*value);
    }
    case ValueKind::Margin: {
      const std::optional<double> value = wholeNumber(raw);
      if (!value || !inRange(key, *value)) return std::nullopt;
      return std::string(raw);
    }
    case ValueKind::Count:
    case ValueKind::Entry:
      break;
  }
  return std::nullopt;
}

SettingsValues SettingsValues::read(const platform::IniDocument& document, SettingsFile file) {
  SettingsValues values(file);
  for (std::size_t i = 0; i < kSettingCount; ++i) {
    const auto setting = static_cast<Setting>(i);
    const SettingsKey& key = settingsKey(setting);
    if (!values.mine(setting) || key.access == KeyAccess::WriteOnly) continue;
    if (const std::optional<std::string> raw = document.find(key.section, key.key))
      values.values_[i] = acceptedValue(key, *raw);
  }
  return values;
}

bool SettingsValues::writeTo(platform::IniDocument& document) const {
  bool allWritten = true;
  for (std::size_t i = 0; i < kSettingCount; ++i) {
    const auto setting = static_cast<Setting>(i);
    const SettingsKey& key = settingsKey(setting);
    if (!mine(setting) || key.access == KeyAccess::ReadOnly || !values_[i]) continue;
    if (!document.writeString(key.section, key.key, *values_[i])) allWritten = false;
  }
  return allWritten;
}

const std::optional<std::string>& SettingsValues::stored(Setting setting) const {
  return values_[slot(setting)];
}

std::string SettingsValues::text(Setting setting) const {
  if (const auto& value = stored(setting)) return *value;
  return std::string(settingsKey(setting).defaultValue);
}

bool SettingsValues::flag(Setting setting) const {
  return number(setting).value_or(0) != 0;
}

std::optional<int> SettingsValues::number(Setting setting) const {
  return platform::parseLeadingInt(text(setting));
}

double SettingsValues::margin(Setting setting) const {
  if (const auto value = wholeNumber(text(setting))) return *value;
  return 0;
}

bool SettingsValues::set(Setting setting, std::string_view value) {
  if (!mine(setting)) return false;
  std::optional<std::string> accepted = acceptedValue(settingsKey(setting), value);
  if (!accepted) return false;
  values_[slot(setting)] = std::move(accepted);
  return true;
}

bool SettingsValues::setNumber(Setting setting, int value) {
  return set(setting, std::to_string(value));
}

bool SettingsValues::setMargin(Setting setting, double millimetres) {
  return set(setting, formatMargin(millimetres));
}

void SettingsValues::clear(Setting setting) {
  values_[slot(setting)].reset();
}

bool SettingsValues::mine(Setting setting) const {
  const SettingsKey& key = settingsKey(setting);
  return key.file == file_ && key.holder == KeyHolder::Values;
}

std::optional<std::string_view> systemColourName(Setting colour) {
  const SettingsKey& key = settingsKey(colour);
  if (key.kind != ValueKind::Colour || platform::parseLeadingInt(key.defaultValue))
    return std::nullopt;
  return key.defaultValue;
}

}  // namespace tavrin::project
