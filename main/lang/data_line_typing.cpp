#include "main/lang/data_line_typing.h"

#include "main/lang/awl_ascii.h"
#include "main/lang/data_lines.h"

namespace tavrin::lang {

namespace {

constexpr char kQuote = '\'';

// The two letters typed in place of an umlaut or ß (Windows-1252), or null.
const char* umlautReplacement(char c) {
  switch (static_cast<unsigned char>(c)) {
    case 0xE4:
      return "ae";
    case 0xF6:
      return "oe";
    case 0xFC:
      return "ue";
    case 0xC4:
      return "Ae";
    case 0xD6:
      return "Oe";
    case 0xDC:
      return "Ue";
    case 0xDF:
      return "ss";
    default:
      return nullptr;
  }
}

char upperCased(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

DataLineKey refuse(bool beep = false) {
  DataLineKey key;
  key.beep = beep;
  return key;
}

DataLineKey insert(char c) {
  DataLineKey key;
  key.action = DataLineKey::Action::Insert;
  key.text = std::string(1, c);
  return key;
}

DataLineKey setLine(std::string line, std::size_t cursor) {
  DataLineKey key;
  key.action = DataLineKey::Action::SetLine;
  key.line = std::move(line);
  key.cursor = cursor;
  return key;
}

std::size_t valueCursor(DataForm form) {
  return isStringForm(form) ? kDataStringColumn : kDataValueColumn;
}

// The line with a new format, its " = ", and for strings the opening quote.
std::string withForm(std::string_view line, DataForm form) {
  std::string out = paddedLine(line);
  out[kSeparatorColumn] = ':';
  out.replace(kDataFormatColumn, 2, dataFormText(form));
  out.replace(kDataSeparatorColumn, 3, " = ");
  if (isStringForm(form)) out[kDataValueColumn] = kQuote;
  return out;
}

DataLineKey formatColumn(std::string_view line, DataForm form, char c) {
  if (c == 'K') {
    if (form == DataForm::C) return setLine(withForm(line, DataForm::KC), kDataFormatColumn + 1);
    std::string out = paddedLine(line);
    out[kSeparatorColumn] = ':';
    out[kDataFormatColumn] = 'K';
    return setLine(std::move(out), kDataFormatColumn + 1);
  }
  if (c != 'C') return refuse();
  if (form == DataForm::None || isStringForm(form))
    return setLine(withForm(line, DataForm::C), kDataStringColumn);
  return refuse();
}

DataLineKey formatLetterColumn(std::string_view line, DataForm form, char c) {
  const char first = columnOf(line, kDataFormatColumn);
  if (first != 'K' && first != 'C') return refuse();
  std::string formed(line.substr(0, kDataFormatColumn + 1));
  formed.resize(kDataFormatColumn + 1, ' ');
  formed += c;
  const DataForm wanted = dataFormOf(formed);
  if (wanted == DataForm::None) return refuse();
  if (form == DataForm::None) return setLine(withForm(line, wanted), valueCursor(wanted));
  if (form == wanted) return setLine(paddedLine(line), valueCursor(wanted));
  DataLineKey key;
  key.action = DataLineKey::Action::Convert;
  key.letter = c;
  key.cursor = valueCursor(wanted);
  return key;
}

DataLineKey newStringLine(std::string_view line, DataForm form, char c) {
  std::string out = paddedLine(line.substr(0, kDataFormatColumn));
  out.replace(kDataFormatColumn, 8, std::string(dataFormText(form)) + " = ' '");
  out[kDataStringColumn] = c;
  DataLineKey key;
  key.action = DataLineKey::Action::NewLine;
  key.line = std::move(out);
  key.cursor = kDataStringColumn + 1;
  return key;
}

}  // namespace

DataLineKey dataLineKey(std::string_view line, std::size_t column, char typed) {
  if (column >= kDataValueEnd) return refuse(true);
  if (const char* replacement = umlautReplacement(typed)) {
    DataLineKey key;
    key.action = DataLineKey::Action::Retype;
    key.text = {replacement[0], replacement[1]};  // every replacement is two letters
    return key;
  }
  const DataForm form = dataFormOf(line);
  const char c = column <= kDataValueColumn || form == DataForm::KH ? upperCased(typed) : typed;
  if (column < kDataFormatColumn) return refuse();
  if (column == kDataFormatColumn) return formatColumn(line, form, c);
  if (column == kDataFormatColumn + 1) return formatLetterColumn(line, form, c);
  if (column < kDataValueColumn || form == DataForm::None) return refuse();
  if (isStringForm(form)) {
    if (column == kDataValueColumn) return refuse();
    if (column == kDataStringNewLineColumn) return newStringLine(line, form, c);
  }
  return insert(c);
}

}  // namespace tavrin::lang
