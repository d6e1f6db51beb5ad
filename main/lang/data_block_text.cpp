#include "main/lang/data_block_text.h"

#include <algorithm>
#include <cstdio>

#include "main/lang/constant_text.h"
#include "main/lang/controller_blocks.h"
#include "main/lang/data_lines.h"
#include "main/lang/lang_messages.h"

namespace tavrin::lang {

namespace {

constexpr std::size_t kWordsPerStringLine = kMaxDataStringChars / 2;

DataForm formOfPreHeaderCode(uint16_t code) {
  switch (code) {
    case kPreHeaderKM:
      return DataForm::KM;
    case kPreHeaderKH:
      return DataForm::KH;
    case kPreHeaderKY:
      return DataForm::KY;
    case kPreHeaderKC:
      return DataForm::KC;
    case kPreHeaderKF:
      return DataForm::KF;
    case kPreHeaderKT:
      return DataForm::KT;
    case kPreHeaderKZ:
      return DataForm::KZ;
    case kPreHeaderKG:
      return DataForm::KG;
    case kPreHeaderC:
      return DataForm::C;
    default:
      return DataForm::None;  // 9 and any other code keep the format
  }
}

// Two characters of a string: both printable and neither the quote that ends the string.
bool stringWord(uint16_t word) {
  return fitsDisplayFormat(word, ConstFormat::KC) && (word >> 8) != '\'' && (word & 0xFF) != '\'';
}

struct Entry {
  uint16_t code;
  uint16_t firstWord;
};

class DataBlockWriter {
 public:
  DataBlockWriter(AwlAscii& doc, BlockId id, std::span<const uint16_t> data,
                  const DataBlockSources& sources)
      : doc_(doc), id_(id), data_(data), sources_(sources) {}

  void run();

 private:
  void nextEntry(std::size_t position);
  std::size_t writeLine(std::size_t p);
  std::size_t writeString(std::size_t p);
  std::size_t writeWord(std::size_t p, DataForm form);
  void line(std::size_t p, const std::string& text);

  AwlAscii& doc_;
  BlockId id_;
  std::span<const uint16_t> data_;
  const DataBlockSources& sources_;
  std::vector<Entry> entries_;
  std::size_t entry_ = 0;   // the next pre-header entry
  std::size_t runEnd_ = 0;  // the first data word the current entry does not govern
  bool brokenPreHeader_ = false;
  DataForm form_ = DataForm::KH;
};

void DataBlockWriter::run() {
  if (sources_.preHeader != nullptr) {
    const std::vector<uint16_t>& v = *sources_.preHeader;
    for (std::size_t i = kPreHeaderFirstEntry; i + 1 < v.size(); i += 2)
      entries_.push_back({v[i], v[i + 1]});
  } else {
    const uint8_t code = sources_.choice != nullptr ? sources_.choice->formatForBlock()
                                                    : static_cast<uint8_t>(kFormatCodeKH);
    form_ = dataFormOfCode(code);
    if (form_ == DataForm::None) form_ = DataForm::KH;
    runEnd_ = data_.size();
  }
  for (std::size_t p = 0; p < data_.size();) {
    if (p >= runEnd_ && !brokenPreHeader_) nextEntry(p);
    p = writeLine(p);
  }
}

// The entry whose run holds `position`: a run ends at the first data word of the following
// entry, or at the end of the block when no entry follows.
void DataBlockWriter::nextEntry(std::size_t position) {
  for (;;) {
    if (entry_ >= entries_.size()) {
      runEnd_ = data_.size();
      return;
    }
    const Entry e = entries_[entry_];
    if (e.code == kPreHeaderEnd) {
      const bool more = std::any_of(entries_.begin() + static_cast<std::ptrdiff_t>(entry_),
                                    entries_.end(), [](const Entry& x) { return x.code != 0; });
      if (more) {
        char text[256];
        std::snprintf(text, sizeof text, msg::kBadPreHeader, blockName(id_).c_str(),
                      static_cast<int>(position), static_cast<int>(data_.size()));
        if (sources_.dialog != nullptr)
          sources_.dialog->ShowMessage(text, platform::MessageKind::Warning);
        brokenPreHeader_ = true;
        form_ = DataForm::KH;
      }
      entry_ = entries_.size();
      runEnd_ = data_.size();
      return;
    }
    ++entry_;
    if (const DataForm f = formOfPreHeaderCode(e.code); f != DataForm::None) form_ = f;
    runEnd_ = entry_ < entries_.size() ? entries_[entry_].firstWord : data_.size();
    if (runEnd_ > position) return;
  }
}

std::size_t DataBlockWriter::writeLine(std::size_t p) {
  const std::size_t end = std::min(runEnd_, data_.size());
  switch (form_) {
    case DataForm::KC:
    case DataForm::C:
      return writeString(p);
    case DataForm::KG:
      if (p + 1 < end) {
        const uint32_t s5 = static_cast<uint32_t>(data_[p]) << 16 | data_[p + 1];
        if (const auto text = exactKgText(s5)) {
          line(p, "     :KG = " + *text);
          return p + 2;
        }
        writeWord(p, DataForm::KH);
        return writeWord(p + 1, DataForm::KH);
      }
      return writeWord(p, DataForm::KH);
    default:
      return writeWord(p, form_);
  }
}

// Up to twelve words of the run as one string. A word that is no pair of characters ends the
// string and shows the rest of the run in KH; it is shown in KH itself when no string precedes.
std::size_t DataBlockWriter::writeString(std::size_t p) {
  const std::size_t end = std::min(runEnd_, data_.size());
  std::string chars;
  std::size_t q = p;
  for (; q < end && q - p < kWordsPerStringLine && stringWord(data_[q]); ++q) {
    chars += static_cast<char>(data_[q] >> 8);
    chars += static_cast<char>(data_[q] & 0xFF);
  }
  const bool stopped = q < end && q - p < kWordsPerStringLine;
  if (q == p) {
    form_ = DataForm::KH;
    return writeWord(p, DataForm::KH);
  }
  line(p, std::string("     :") + std::string(dataFormText(form_)) + " = '" + chars + "'");
  if (stopped) form_ = DataForm::KH;
  return q;
}

std::size_t DataBlockWriter::writeWord(std::size_t p, DataForm form) {
  const auto text = exactConstantText(data_[p], constFormatOf(form));
  if (text)
    line(p, std::string("     :") + std::string(dataFormText(form)) + " = " + *text);
  else
    line(p, "     :KH = " + *exactConstantText(data_[p], ConstFormat::KH));
  return p + 1;
}

void DataBlockWriter::line(std::size_t p, const std::string& text) {
  char buffer[kLineWidth + 8];
  std::snprintf(buffer, sizeof buffer, "%04X %-60s", static_cast<unsigned>(p), text.c_str());
  doc_.appendLine(buffer);
}

}  // namespace

uint8_t DataFormatChoice::formatForBlock() {
  if (standingFormat != 0) return standingFormat;
  if (!ask) return lastChosen;
  const DataFormatAnswer answer =
      ask(msg::kChooseFormatTitle, msg::kChooseFormatPrompt, lastChosen);
  lastChosen = answer.format;
  if (answer.forAll) standingFormat = answer.format;
  return answer.format;
}

void TranslateDataBlock(AwlAscii& doc, BlockId id, std::span<const uint16_t> words, uint16_t length,
                        const DataBlockSources& sources) {
  const std::size_t end = std::min<std::size_t>(length, words.size());
  if (end <= kBlockHeaderWords) return;
  DataBlockWriter(doc, id, words.subspan(kBlockHeaderWords, end - kBlockHeaderWords), sources)
      .run();
}

}  // namespace tavrin::lang
