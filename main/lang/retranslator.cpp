#include "main/lang/retranslator.h"

#include <algorithm>

#include "main/lang/actual_parameter_line.h"
#include "main/lang/block_id.h"
#include "main/lang/controller_blocks.h"
#include "main/lang/instruction_text.h"
#include "main/lang/lang_messages.h"
#include "main/lang/parameter_descriptor.h"

namespace tavrin::lang {

namespace {

constexpr uint8_t kJumpOpcode = 0x2D;
constexpr std::string_view kNameLabel = "NAME :";
constexpr std::string_view kUnknownBlockName = "????????";

std::string headerParameterLine(const HeaderParameter& p) {
  const char kind = descriptorKind(p.descriptor);
  std::string line = "BEZ  :" + p.name + "      E/A/D/B/T/Z: " + kind + "  ";
  if (kind == 'E' || kind == 'A') line += "BI/BY/W/D";
  if (kind == 'D') line += "KM/KH/KY/KC/KF/KT/KZ/KG";
  const std::string_view type = descriptorTypeName(p.descriptor);
  if (!type.empty()) line += ": " + std::string(type);
  return line;
}

const FbHeaderWords* ownHeaderOf(RetranslationState& state, std::span<const uint16_t> body,
                                 bool functionBlock) {
  if (!state.ownHeaderRead) {
    state.ownHeaderRead = true;
    if (functionBlock) state.ownHeader = readFbHeaderWords(body);
  }
  return state.ownHeader ? &*state.ownHeader : nullptr;
}

void endCall(RetranslationState& state) {
  state.inCall = false;
  state.calledNumber = 0;
  state.calledIsFx = false;
  state.calledMissing = false;
  state.calledHeader.reset();
  state.callParameterIndex = 0;
  state.callWordsLeft = 0;
}

void beginCall(RetranslationState& state, BlockId called) {
  endCall(state);
  state.inCall = true;
  state.calledNumber = blockNumber(called);
  state.calledIsFx = blockTypeCode(called) == static_cast<uint8_t>(BlockType::FX);
  state.calledMissing = !blockStored(called);
  if (!state.calledMissing)
    state.calledHeader = storedFbHeader(state.calledNumber, state.calledIsFx);
}

// The word after a call: the jump over its parameter words, shown as the NAME line. Its distance
// says how many parameter words follow, whatever the called block's header says now.
void callName(RetranslationState& state, std::string& buffer, uint16_t jump,
              std::size_t wordsLeft) {
  buffer = std::string(kNameLabel);
  if (state.calledMissing)
    buffer += msg::kCalledBlockWasMissing;
  else
    buffer += state.calledHeader ? state.calledHeader->name : std::string(kUnknownBlockName);
  const int words = std::min<int>((jump & 0xFF) - 1, static_cast<int>(wordsLeft));
  if (words <= 0) {
    endCall(state);
    return;
  }
  state.callWordsLeft = words;
  state.callParameterIndex = 1;
}

void callParameter(RetranslationState& state, std::string& buffer, int& consumed,
                   std::span<const uint16_t> words) {
  const HeaderParameter* p = nullptr;
  const auto index = static_cast<std::size_t>(state.callParameterIndex);
  if (!state.calledMissing && state.calledHeader && index <= state.calledHeader->parameters.size())
    p = &state.calledHeader->parameters[index - 1];
  const std::size_t available = std::min<std::size_t>(state.callWordsLeft, words.size());
  const ActualParameterText parameter = actualParameterText(p, words.first(available));
  buffer = parameter.text;
  consumed = parameter.words;
  state.callWordsLeft -= parameter.words;
  ++state.callParameterIndex;
  if (state.callWordsLeft <= 0) endCall(state);
}

}  // namespace

int RetranslateInstr(RetranslationState& state, std::string& buffer,
                     std::span<const uint16_t> block, std::size_t at, int& consumed, bool prefix,
                     bool blockIsFx, bool special, bool rawRequest) {
  const bool first = buffer.starts_with(kFirstInstruction);
  if (first) state = {};
  buffer.clear();
  consumed = 0;
  if (block.size() <= kBlockHeaderWords + at) return 0;
  const std::span<const uint16_t> body = block.subspan(kBlockHeaderWords);
  const std::span<const uint16_t> words = body.subspan(at);
  const uint16_t w0 = words[0];
  const std::string_view pre = prefix ? kStatementPrefix : std::string_view{};
  const bool functionBlock =
      blockIsFx || blockTypeCode(block[1]) == static_cast<uint8_t>(BlockType::FB);
  const FbHeaderWords* own = ownHeaderOf(state, body, functionBlock);

  const auto rawWord = [&] {
    buffer = std::string(pre) + rawWordText(w0);
    consumed = 1;
    state.lastLine = RetranslatedLine::Raw;
    return 1;
  };
  if (state.rawPending > 0) {
    --state.rawPending;
    return rawWord();
  }
  if (state.raw || (special && !state.inFbHeader && (rawRequest || state.headerDone))) {
    state.raw = true;
    return rawWord();
  }

  if (first && at == 0 && own != nullptr) {
    state.headerDone = true;
    state.headerParameterIndex = 1;
    state.inFbHeader = !own->parameters.empty();
    buffer = std::string(kNameLabel) + own->name;
    consumed = kFbHeaderFixedWords;
    state.lastLine = RetranslatedLine::FbName;
    return 1;
  }
  if (state.inFbHeader && own != nullptr) {
    const auto index = static_cast<std::size_t>(state.headerParameterIndex);
    buffer = headerParameterLine(own->parameters[index - 1]);
    consumed = kWordsPerParameter;
    ++state.headerParameterIndex;
    state.inFbHeader = index < own->parameters.size();
    state.lastLine = RetranslatedLine::FbParameter;
    return 1;
  }

  if (state.inCall && state.callParameterIndex == 0) {
    if ((w0 >> 8) == kJumpOpcode) {
      callName(state, buffer, w0, words.size() - 1);
      consumed = 1;
      state.lastLine = RetranslatedLine::CallName;
      return 1;
    }
    endCall(state);  // no parameter list follows: the word is an instruction of its own
  }
  if (state.inCall) {
    callParameter(state, buffer, consumed, words.subspan(0));
    state.lastLine = RetranslatedLine::CallParameter;
    return 1;
  }

  const InstructionText t = instructionText(words, own);
  switch (t.kind) {
    case InstructionText::Kind::NoRow:
      return 0;
    case InstructionText::Kind::Raw:
      state.rawPending = t.words - 1;
      return rawWord();
    case InstructionText::Kind::Text:
      break;
  }
  buffer = std::string(pre) + t.text;
  consumed = t.words;
  state.lastLine = RetranslatedLine::Statement;
  if (const auto called = calledBlock(words)) beginCall(state, *called);
  return 1;
}

}  // namespace tavrin::lang
