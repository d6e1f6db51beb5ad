#include "platform/stderr_user_dialog.h"

#include <ostream>

#include "platform/cp1252.h"

namespace tavrin::platform {

namespace {

std::string_view answerName(DialogAnswer answer) {
  switch (answer) {
    case DialogAnswer::Yes:
      return "yes";
    case DialogAnswer::No:
      return "no";
    case DialogAnswer::All:
      return "all";
    case DialogAnswer::Cancel:
      break;
  }
  return "cancel";
}

// Terminals and logs want LF alone; a text from a file may carry CR LF.
std::string withoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

}  // namespace

void StderrUserDialog::print(std::string_view prefix, std::string_view text,
                             std::string_view suffix) {
  out_ << prefix << withoutCarriageReturns(cp1252ToUtf8(text)) << suffix << '\n';
  out_.flush();
}

void StderrUserDialog::ShowMessage(std::string_view text, MessageKind kind) {
  switch (kind) {
    case MessageKind::Information:
      print({}, text);
      break;
    case MessageKind::Warning:
      print("warning: ", text);
      break;
    case MessageKind::Error:
      print("error: ", text);
      break;
  }
}

bool StderrUserDialog::AskYesNo(std::string_view text) {
  const bool yes = answer_ == DialogAnswer::Yes;
  print({}, text, yes ? " -> yes" : " -> no");
  return yes;
}

DialogAnswer StderrUserDialog::AskYesNoCancel(std::string_view text) {
  const DialogAnswer answer = answer_ == DialogAnswer::All ? DialogAnswer::Yes : answer_;
  print({}, text, std::string(" -> ") + std::string(answerName(answer)));
  return answer;
}

DialogAnswer StderrUserDialog::AskYesNoAllCancel(std::string_view text) {
  print({}, text, std::string(" -> ") + std::string(answerName(answer_)));
  return answer_;
}

void StderrUserDialog::ShowStatusMessage(std::string_view text) {
  print({}, text);
}

void StderrUserDialog::SetStatusText(std::string_view text) {
  if (text == statusText_) return;
  statusText_ = text;
  if (!text.empty() && showStatusText_) print({}, text);
}

}  // namespace tavrin::platform
