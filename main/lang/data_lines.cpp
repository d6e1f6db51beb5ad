#include "main/lang/data_lines.h"

#include <array>
#include <cstdio>
#include <optional>

#include "main/lang/constant_formats.h"
#include "main/lang/data_line_messages.h"
#include "main/lang/decimal_number.h"
#include "utilkit/utilkit40.h"

namespace tavrin::lang {

namespace {

constexpr char kQuote = '\'';
constexpr std::size_t kValueWidth = kDataValueEnd - kDataValueColumn;
constexpr std::size_t kScannedStringChars = 31;  // columns 17..47
constexpr std::size_t kMaxConstantText = 23;     // the constant parser reads no further

bool isBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string_view valueField(std::string_view line) {
  return fieldOf(line, kDataValueColumn, kValueWidth);
}

// Columns 13..15 hold " = " or, on lines that were not typed in the editor, blanks and '='.
bool separatorOk(std::string_view line) {
  for (std::size_t c = kDataSeparatorColumn; c < kDataValueColumn; ++c)
    if (columnOf(line, c) != ' ' && columnOf(line, c) != '=') return false;
  return true;
}

// The text the constant parser reads: at most 23 characters, every blank removed.
std::string parserText(std::string_view value) {
  std::string out;
  for (char c : value.substr(0, kMaxConstantText))
    if (c != ' ') out += c;
  return out;
}

// A KG value as the normalisation reads it in full: mantissa and optional exponent
// ("+1234567+02", "12", "-5-3"), or a decimal number with a point ("12.5", "-.5", "1.5E3").
bool isKgNumberText(std::string_view t) {
  std::size_t i = 0;
  const auto digits = [&] {
    const std::size_t start = i;
    while (i < t.size() && isDecimalDigit(t[i]))
      ++i;
    return i - start;
  };
  const auto sign = [&] {
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  };
  sign();
  if (t.find('.') == std::string_view::npos) {
    if (digits() == 0) return false;
    if (i == t.size()) return true;
    sign();
    if (t[i - 1] != '+' && t[i - 1] != '-') return false;
    return digits() > 0 && i == t.size();
  }
  std::size_t mantissaDigits = digits();
  if (i == t.size() || t[i] != '.') return false;
  ++i;
  mantissaDigits += digits();
  if (mantissaDigits == 0) return false;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    ++i;
    sign();
    if (digits() == 0) return false;
  }
  return i == t.size();
}

// The characters of a compiled string line: between the quote at column 16 and the next quote,
// within the 31 scanned characters; nothing when either quote is missing.
std::optional<std::string_view> closedString(std::string_view line) {
  const auto open = line.find(kQuote, kDataFormatColumn);
  if (open != kDataValueColumn) return std::nullopt;
  const std::string_view scanned = line.substr(open + 1, kScannedStringChars);
  const auto close = scanned.find(kQuote);
  if (close == std::string_view::npos) return std::nullopt;
  return scanned.substr(0, close);
}

// The characters of a string line as the user left it: after the opening quote (or from column
// 16 when it is missing) up to the closing quote, or without one up to column 47 less trailing
// blanks. Nothing when more than blanks follow the closing quote: a string holds no quote.
std::optional<std::string> editedString(std::string_view line) {
  const std::size_t start =
      columnOf(line, kDataValueColumn) == kQuote ? kDataStringColumn : kDataValueColumn;
  const std::string_view chars = fieldOf(line, start, kDataValueEnd - start);
  const auto close = chars.find(kQuote);
  if (close != std::string_view::npos) {
    if (!isBlank(chars.substr(close + 1))) return std::nullopt;
    return std::string(chars.substr(0, close));
  }
  const auto last = chars.find_last_not_of(' ');
  return std::string(last == std::string_view::npos ? std::string_view{}
                                                    : chars.substr(0, last + 1));
}

uint16_t charPair(std::string_view chars, std::size_t i) {
  const auto byte = [&](std::size_t k) {
    return k < chars.size() ? static_cast<unsigned char>(chars[k])
                            : static_cast<unsigned char>(' ');
  };
  return static_cast<uint16_t>(byte(i) << 8 | byte(i + 1));
}

// The words of a line's value in a format that is not a string; null or the cause.
const char* readValueWords(std::string_view line, DataForm form, std::vector<uint16_t>& words) {
  const std::string_view value = valueField(line);
  if (form == DataForm::KG) {
    if (!isKgNumberText(parserText(value))) return msg::kDataValueUnreadable;
    const ConstantValue kg = parseConstant(value, ConstFormat::KG);
    words.push_back(kg.word);
    words.push_back(kg.word2);
    return nullptr;
  }
  const ConstantValue parsed = parseConstant(value, constFormatOf(form));
  if (!parsed.ok()) return parsed.error;
  words.push_back(parsed.word);
  return nullptr;
}

std::string formatted(DataForm form, uint16_t word) {
  char buffer[24] = {};
  switch (form) {
    case DataForm::KH:
      return U_WordToKHStr(buffer, word);
    case DataForm::KM:
      return U_WordToKMStr16(buffer, word);
    case DataForm::KY:
      return U_WordToKYStr(buffer, word);
    case DataForm::KF:
      return U_WordToKFStr(buffer, word);
    case DataForm::KT:
      return U_WordToKTStrBCD(buffer, word);
    case DataForm::KZ:
      return U_WordToKZStrBCD(buffer, word);
    case DataForm::KC:
    case DataForm::C:
      return U_WordToKCStr(buffer, word, nullptr);
    case DataForm::KG:
    case DataForm::None:
      break;
  }
  return {};
}

// `model` with the format, " = " and the value text at column 16; columns 0..10 and the free
// text from column 48 stay.
std::string withValue(std::string_view model, DataForm form, std::string_view value) {
  std::string line = paddedLine(model);
  line.replace(kDataFormatColumn, 2, dataFormText(form));
  line.replace(kDataSeparatorColumn, 3, " = ");
  std::string field(value.substr(0, kValueWidth));
  field.resize(kValueWidth, ' ');
  line.replace(kDataValueColumn, kValueWidth, field);
  return line;
}

// A closed string: a blank before the closing quote when the count is odd.
std::string quoted(std::string_view chars) {
  std::string text = "'" + std::string(chars);
  if (chars.size() % 2 != 0) text += ' ';
  return text + "'";
}

// A new line after `model`: its columns 0..10 (the number is the caller's to renumber).
std::string lineAfter(std::string_view model, DataForm form, std::string_view value) {
  return withValue(paddedLine(model.substr(0, kDataFormatColumn)), form, value);
}

void show(platform::UserDialog* dialog, const std::string& text) {
  if (dialog != nullptr) dialog->ShowMessage(text, platform::MessageKind::Error);
}

std::string conversionImpossible(char letter) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, msg::kConversionImpossible, letter);
  return buffer;
}

// Lines after this one belong to the body: below the first network header.
bool inBody(const AwlAscii& block, int index) {
  for (int i = 0; i < block.lineCount(); ++i)
    if (block.line(i).starts_with("NETZWERK")) return index > i;
  return index >= 0;
}

bool isStringLineOf(const AwlAscii& block, int index, DataForm form) {
  if (!inBody(block, index)) return false;
  const std::string_view line = block.line(index);
  return !line.starts_with("NETZWERK") && dataFormOf(line) == form &&
         columnOf(line, kDataValueColumn) == kQuote;
}

// A word may take the format when it fits and its text reads back as the same word: the display
// check lets a KZ word with a sign nibble but the value 0 pass (0x1000), whose text "000" would
// compile to 0x0000.
bool convertible(uint16_t word, DataForm form) {
  if (!fitsDisplayFormat(word, constFormatOf(form))) return false;
  if (form != DataForm::KT && form != DataForm::KZ) return true;
  const ConstantValue back = parseConstant(formatted(form, word), constFormatOf(form));
  return back.ok() && back.word == word;
}

// The target of a conversion: 'C' is KC.
DataForm formOfLetter(char letter) {
  switch (letter) {
    case 'C':
      return DataForm::KC;
    case 'F':
      return DataForm::KF;
    case 'G':
      return DataForm::KG;
    case 'H':
      return DataForm::KH;
    case 'M':
      return DataForm::KM;
    case 'T':
      return DataForm::KT;
    case 'Y':
      return DataForm::KY;
    case 'Z':
      return DataForm::KZ;
    default:
      return DataForm::None;
  }
}

unsigned wordsOf(const AwlAscii& block, int index) {
  return index >= 0 && index < block.lineCount() ? dataLineWords(block.line(index)) : 0;
}

DataLineCheck refusedCheck(platform::UserDialog* dialog, const char* text) {
  DataLineCheck result;
  result.ok = false;
  result.message = text;
  show(dialog, result.message);
  return result;
}

// Step 4 of the check: join into the line before, close, and carry characters beyond 24 on.
DataLineCheck checkString(AwlAscii& block, int index, DataForm form, std::string chars) {
  DataLineCheck result;
  const std::string line(block.line(index));
  const int before = index - 1;
  std::string previous;
  std::size_t moved = 0;
  if (isStringLineOf(block, before, form)) {
    if (const auto text = editedString(block.line(before)); text) previous = *text;
    if (previous.size() < kMaxDataStringChars)
      moved = std::min(kMaxDataStringChars - previous.size(), chars.size());
  }
  const std::size_t kept = chars.size() - moved;
  if (kept > kMaxDataStringChars && block.lineCount() >= kMaxLines) {
    result.ok = false;  // the document has no room for the rest: nothing changes
    return result;
  }
  if (moved > 0) {
    previous += chars.substr(0, moved);
    chars.erase(0, moved);
    block.replaceLine(before, withValue(block.line(before), form, quoted(previous)));
  }
  if (chars.empty()) {
    block.deleteLine(index);
    result.linesRemoved = true;
    result.renumber = true;
    return result;
  }
  std::string rest;
  if (chars.size() > kMaxDataStringChars) {
    rest = chars.substr(kMaxDataStringChars);
    chars.resize(kMaxDataStringChars);
  }
  block.replaceLine(index, withValue(line, form, quoted(chars)));
  if (!rest.empty()) {
    result.linesInserted = block.insertLine(index + 1, lineAfter(line, form, quoted(rest)));
    result.renumber = true;
  }
  return result;
}

}  // namespace

ConstFormat constFormatOf(DataForm form) {
  switch (form) {
    case DataForm::KH:
      return ConstFormat::KH;
    case DataForm::KM:
      return ConstFormat::KM;
    case DataForm::KY:
      return ConstFormat::KY;
    case DataForm::KF:
      return ConstFormat::KF;
    case DataForm::KT:
      return ConstFormat::KT;
    case DataForm::KZ:
      return ConstFormat::KZ;
    case DataForm::KG:
      return ConstFormat::KG;
    case DataForm::KC:
    case DataForm::C:
      return ConstFormat::KC;
    case DataForm::None:
      break;
  }
  return ConstFormat::None;
}

DataForm dataFormOf(std::string_view line) {
  const char first = columnOf(line, kDataFormatColumn);
  const char second = columnOf(line, kDataFormatColumn + 1);
  if (first == 'C') return second == ' ' ? DataForm::C : DataForm::None;
  return first == 'K' ? formOfLetter(second) : DataForm::None;
}

std::string_view dataFormText(DataForm form) {
  static constexpr std::array<std::string_view, 10> kTexts = {"  ", "KH", "KM", "KY", "KC",
                                                              "KF", "KT", "KZ", "KG", "C "};
  return kTexts[static_cast<std::size_t>(form)];
}

unsigned dataLineWords(std::string_view line) {
  const char first = columnOf(line, kDataFormatColumn);
  const char second = columnOf(line, kDataFormatColumn + 1);
  if (first != 'K' && first != 'C') return 0;
  if (first == 'K' && second == 'G') return 2;
  if (first == 'K' && second != 'C') return 1;
  const auto open = line.find(kQuote, kDataFormatColumn);
  if (open == std::string_view::npos) return 0;
  const std::string_view scanned = line.substr(open + 1, kScannedStringChars);
  const auto chars = std::min(scanned.find(kQuote), scanned.size());
  return static_cast<unsigned>((chars + 1) / 2);
}

const char* compileDataLine(std::string_view line, std::vector<uint16_t>& words) {
  line = line.substr(0, kDataValueEnd);
  const char first = columnOf(line, kDataFormatColumn);
  const char second = columnOf(line, kDataFormatColumn + 1);
  if (first == ' ' || first == ';') return nullptr;
  if (first != 'K' && first != 'C') return second == ' ' ? nullptr : msg::kBadDataFormat;
  const DataForm form = dataFormOf(line);
  if (second == ' ' && form != DataForm::C) return msg::kBadDataFormat;
  if (first == 'C' && form == DataForm::None) return msg::kBadDataFormat;
  if (!separatorOk(line)) return msg::kDataValueUnreadable;
  if (isStringForm(form)) {
    const auto chars = closedString(line);
    if (!chars) return msg::kDataValueUnreadable;
    for (std::size_t i = 0; i < chars->size(); i += 2)
      words.push_back(charPair(*chars, i));
    return nullptr;
  }
  if (form == DataForm::None) {  // 'K' and a letter of no format: a decimal number
    const auto value = parseDecimalNumber(parserText(valueField(line)));
    if (!value || *value < -32768 || *value > 65535) return msg::kDataValueUnreadable;
    words.push_back(static_cast<uint16_t>(*value));
    return nullptr;
  }
  return readValueWords(line, form, words);
}

DataLineCheck CheckDataLine(AwlAscii& block, int index, platform::UserDialog* dialog) {
  const std::string line(block.line(index));
  if (isBlank(fieldOf(line, kDataFormatColumn, kDataValueEnd - kDataFormatColumn))) return {};
  const DataForm form = dataFormOf(line);
  if (form == DataForm::None || !separatorOk(line))
    return refusedCheck(dialog, msg::kBadDataFormat);

  const unsigned previousWords = wordsOf(block, index - 1);
  const unsigned lineWords = wordsOf(block, index);
  DataLineCheck result;
  const auto chars = isStringForm(form) ? editedString(line) : std::string();
  if (!chars) return refusedCheck(dialog, msg::kDataValueUnreadable);
  if (isBlank(valueField(line)) || (isStringForm(form) && chars->empty())) {
    block.replaceLine(index, line.substr(0, kDataFormatColumn));
  } else if (isStringForm(form)) {
    result = checkString(block, index, form, *chars);
  } else {
    if (form == DataForm::KG && !isKgNumberText(parserText(valueField(line))))
      return refusedCheck(dialog, msg::kDataValueUnreadable);
    const ConstantValue parsed = parseConstant(valueField(line), constFormatOf(form));
    if (!parsed.ok()) return refusedCheck(dialog, parsed.error);
    block.replaceLine(index, withValue(line, form, parsed.text));
  }
  if (!result.linesRemoved && !result.linesInserted)
    result.renumber =
        wordsOf(block, index - 1) != previousWords || wordsOf(block, index) != lineWords;
  return result;
}

DataLineConversion ConvertDataLine(AwlAscii& block, int index, char letter,
                                   platform::UserDialog* dialog) {
  DataLineConversion result;
  const auto refuse = [&](std::string text) {
    result.message = std::move(text);
    show(dialog, result.message);
    return result;
  };
  const std::string line(block.line(index));
  const DataForm from = dataFormOf(line);
  if (from == DataForm::None || !separatorOk(line)) return refuse(msg::kBadDataFormat);
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  const DataForm to = formOfLetter(letter);
  if (to == DataForm::None) return refuse(conversionImpossible(letter));
  if (to == from || (to == DataForm::KC && from == DataForm::C)) return result;

  // The current value.
  std::vector<uint16_t> words;
  std::string rest;  // the string characters that stay a string
  if (isStringForm(from)) {
    const auto chars = editedString(line);
    if (!chars) return refuse(msg::kDataValueUnreadable);
    if (!chars->empty()) {
      words.push_back(charPair(*chars, 0));
      rest = chars->substr(std::min<std::size_t>(2, chars->size()));
    }
  } else if (!isBlank(valueField(line))) {
    if (const char* error = readValueWords(line, from, words)) return refuse(error);
  }

  // The new value text, and a line for the low KG word.
  std::string value;
  std::string secondValue;
  if (to == DataForm::KC) {
    bool printable = true;
    for (uint16_t w : words)
      printable = printable && fitsDisplayFormat(w, ConstFormat::KC);
    if (!printable && (dialog == nullptr || !dialog->AskYesNo(msg::kConvertToKcQuestion)))
      return result;
    std::string chars;
    for (uint16_t w : words)
      chars += formatted(to, w);
    value = words.empty() ? std::string(1, kQuote) : quoted(chars);
  } else if (to != DataForm::KG) {
    for (uint16_t w : words)
      if (!convertible(w, to)) return refuse(conversionImpossible(letter));
    if (!words.empty()) value = formatted(to, words[0]);
    if (words.size() > 1) secondValue = formatted(to, words[1]);
  }

  std::string inserted;
  if (!secondValue.empty()) inserted = lineAfter(line, to, secondValue);
  if (!rest.empty()) inserted = lineAfter(line, from, quoted(rest));
  if (!inserted.empty() && block.lineCount() >= kMaxLines)
    return refuse(conversionImpossible(letter));

  const unsigned wordsBefore = wordsOf(block, index);
  block.replaceLine(index, withValue(line, to, value));
  if (!inserted.empty()) result.linesInserted = block.insertLine(index + 1, inserted);
  result.converted = true;
  result.renumber = result.linesInserted || wordsOf(block, index) != wordsBefore;
  return result;
}

}  // namespace tavrin::lang
