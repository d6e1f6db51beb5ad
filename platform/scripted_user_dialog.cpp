#include "platform/scripted_user_dialog.h"

#include <algorithm>
#include <ostream>

#include "platform/cp1252.h"

namespace tavrin::platform {

namespace {

const char* kindName(DialogEvent::Kind kind) {
  switch (kind) {
    case DialogEvent::Kind::Information:
      return "Information";
    case DialogEvent::Kind::Warning:
      return "Warning";
    case DialogEvent::Kind::Error:
      return "Error";
    case DialogEvent::Kind::Question:
      return "Question";
    case DialogEvent::Kind::UnexpectedQuestion:
      return "UnexpectedQuestion";
    case DialogEvent::Kind::StatusMessage:
      return "StatusMessage";
    case DialogEvent::Kind::StatusText:
      return "StatusText";
    case DialogEvent::Kind::WaitCursorOn:
      return "WaitCursorOn";
    case DialogEvent::Kind::WaitCursorOff:
      return "WaitCursorOff";
  }
  return "?";
}

DialogEvent::Kind eventKindOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning:
      return DialogEvent::Kind::Warning;
    case MessageKind::Error:
      return DialogEvent::Kind::Error;
    case MessageKind::Information:
      break;
  }
  return DialogEvent::Kind::Information;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const DialogEvent& event) {
  return out << kindName(event.kind) << "(\"" << cp1252ToUtf8(event.text) << "\")";
}

std::vector<std::string> ScriptedUserDialog::texts(DialogEvent::Kind kind) const {
  std::vector<std::string> result;
  for (const DialogEvent& event : events_)
    if (event.kind == kind) result.push_back(event.text);
  return result;
}

std::size_t ScriptedUserDialog::unexpectedQuestions() const {
  return static_cast<std::size_t>(
      std::count_if(events_.begin(), events_.end(), [](const DialogEvent& event) {
        return event.kind == DialogEvent::Kind::UnexpectedQuestion;
      }));
}

void ScriptedUserDialog::record(DialogEvent::Kind kind, std::string_view text) {
  events_.push_back({kind, std::string(text)});
}

void ScriptedUserDialog::ShowMessage(std::string_view text, MessageKind kind) {
  record(eventKindOf(kind), text);
}

bool ScriptedUserDialog::AskYesNo(std::string_view text) {
  record(DialogEvent::Kind::Question, text);
  if (answers_.empty() || answers_.front() == DialogAnswer::Cancel ||
      answers_.front() == DialogAnswer::All) {
    record(DialogEvent::Kind::UnexpectedQuestion, text);
    return false;
  }
  const bool yes = answers_.front() == DialogAnswer::Yes;
  answers_.pop_front();
  return yes;
}

DialogAnswer ScriptedUserDialog::AskYesNoCancel(std::string_view text) {
  record(DialogEvent::Kind::Question, text);
  if (answers_.empty() || answers_.front() == DialogAnswer::All) {
    record(DialogEvent::Kind::UnexpectedQuestion, text);
    return DialogAnswer::Cancel;
  }
  const DialogAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void ScriptedUserDialog::ShowTitledMessage(std::string_view title, std::string_view text,
                                           MessageKind kind) {
  titles_.emplace_back(title);
  ShowMessage(text, kind);
}

DialogAnswer ScriptedUserDialog::AskYesNoAllCancel(std::string_view text) {
  record(DialogEvent::Kind::Question, text);
  if (answers_.empty()) {
    record(DialogEvent::Kind::UnexpectedQuestion, text);
    return DialogAnswer::Cancel;
  }
  const DialogAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void ScriptedUserDialog::ShowStatusMessage(std::string_view text) {
  record(DialogEvent::Kind::StatusMessage, text);
}

void ScriptedUserDialog::SetStatusText(std::string_view text) {
  record(DialogEvent::Kind::StatusText, text);
}

void ScriptedUserDialog::SetWaitCursor(bool waiting) {
  waitCursor_ = waiting;
  record(waiting ? DialogEvent::Kind::WaitCursorOn : DialogEvent::Kind::WaitCursorOff, {});
}

bool ScriptedUserDialog::EscapePressed() {
  if (!escapeAfter_) return false;
  return escapePolls_++ >= *escapeAfter_;
}

}  // namespace tavrin::platform
