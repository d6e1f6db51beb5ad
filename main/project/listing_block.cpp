#include "main/project/listing_block.h"

#include "main/project/block_header_lines.h"
#include "main/project/listing_lines.h"

namespace tavrin::project {

namespace {

// Keeps the order the lines must have in the file.
class BlockText {
 public:
  explicit BlockText(bool functionBlock) : functionBlock_(functionBlock) {
    for (std::string_view pattern : {kCommentTemplate, kAuthorTemplate, kDateTemplate}) {
      std::string line = blankTemplate(pattern);
      line.resize(line.find_last_not_of(' ') + 1);
      out_.push_back(std::move(line));
    }
  }

  void headerLine(std::string line) {
    if (!networkSeen_) {
      pendingHeader_.push_back(std::move(line));
    } else {
      out_.push_back(std::move(line));
    }
    headerOpen_ = functionBlock_;
  }

  void bodyLine(std::string line) {
    if (!networkSeen_) {
      pendingBody_.push_back(std::move(line));
      return;
    }
    closeHeader();
    out_.push_back(std::move(line));
  }

  // The first network header is written as "NETZWERK   1", every later one converted.
  void networkHeader(std::string_view line) {
    if (!networkSeen_) {
      firstNetwork();
      return;
    }
    closeHeader();
    out_.emplace_back();
    out_.push_back(convertListingNetworkHeader(line, ++networks_));
  }

  std::vector<std::string> finish() {
    if (!networkSeen_ && (!pendingHeader_.empty() || !pendingBody_.empty())) firstNetwork();
    closeHeader();
    return std::move(out_);
  }

 private:
  void firstNetwork() {
    networkSeen_ = true;
    networks_ = 1;
    out_.emplace_back();
    out_.push_back(project::networkHeader(1));
    for (std::string& line : pendingHeader_)
      out_.push_back(std::move(line));
    for (std::string& line : pendingBody_)
      bodyLine(std::move(line));
    pendingHeader_.clear();
    pendingBody_.clear();
  }

  void closeHeader() {
    if (headerOpen_) out_.emplace_back();
    headerOpen_ = false;
  }

  bool functionBlock_;
  bool networkSeen_ = false;
  bool headerOpen_ = false;
  unsigned networks_ = 0;
  std::vector<std::string> pendingHeader_;
  std::vector<std::string> pendingBody_;
  std::vector<std::string> out_;
};

}  // namespace

std::optional<std::vector<std::string>> convertListingBlock(std::span<const std::string> lines,
                                                            bool functionBlock,
                                                            platform::OemCodePage codePage) {
  BlockText text(functionBlock);
  bool nameExpected = functionBlock;
  bool ended = false;
  for (const std::string& line : lines) {
    if (ended) break;
    switch (classifyListingLine(line, nameExpected)) {
      case ListingLineKind::Name:
        nameExpected = false;
        text.headerLine(convertListingName(line));
        break;
      case ListingLineKind::Comment:
        text.bodyLine(convertListingComment(line));
        break;
      case ListingLineKind::NetworkHeader:
        text.networkHeader(line);
        break;
      case ListingLineKind::Declaration: {
        std::optional<std::string> declaration = convertListingDeclaration(line);
        if (!declaration) return std::nullopt;
        text.headerLine(std::move(*declaration));
        break;
      }
      case ListingLineKind::CallParameter:
        text.bodyLine(convertListingCallParameter(line));
        break;
      case ListingLineKind::Blank:
        break;
      case ListingLineKind::Statement:
        text.bodyLine(convertListingStatement(line));
        break;
      case ListingLineKind::BlockEnd:  // the caller ends the block there anyway
        ended = true;
        break;
      case ListingLineKind::Unknown:
        return std::nullopt;
    }
  }
  std::vector<std::string> result = text.finish();
  for (std::string& line : result)
    line = platform::oemToCp1252(codePage, line);
  return result;
}

}  // namespace tavrin::project
