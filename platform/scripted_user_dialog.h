// A UserDialog for tests: answers come from a script, everything shown is recorded in order.
//
// Contents
//   DialogEvent           one thing the code under test showed or asked
//   ScriptedUserDialog    the scripted dialog
//
// A question without a scripted answer is a fault in the test or in the code under test: it is
// answered with the harmless default (no, or cancel), and recorded as an UnexpectedQuestion
// event after the Question itself, so a comparison of the events fails and shows the text. The
// same happens when AskYesNo meets a scripted Cancel (which it cannot give); that answer stays in
// the script.
#ifndef PLATFORM_SCRIPTED_USER_DIALOG_H
#define PLATFORM_SCRIPTED_USER_DIALOG_H

#include <cstddef>
#include <deque>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_dialog.h"

namespace tavrin::platform {

struct DialogEvent {
  enum class Kind {
    Information,  // ShowMessage, by its kind
    Warning,
    Error,
    Question,  // AskYesNo and AskYesNoCancel
    UnexpectedQuestion,
    StatusMessage,
    StatusText,
    WaitCursorOn,  // text empty
    WaitCursorOff,
  };
  Kind kind;
  std::string text;
  bool operator==(const DialogEvent&) const = default;
};
std::ostream& operator<<(std::ostream& out, const DialogEvent& event);

class ScriptedUserDialog final : public UserDialog {
 public:
  void scriptAnswer(DialogAnswer answer) { answers_.push_back(answer); }
  // EscapePressed answers false `polls` times, then true; by default it is never pressed.
  void pressEscapeAfter(std::size_t polls) { escapeAfter_ = polls; }

  const std::vector<DialogEvent>& events() const { return events_; }
  // The texts of the events of one kind, in order.
  std::vector<std::string> texts(DialogEvent::Kind kind) const;
  std::size_t unexpectedQuestions() const;
  std::size_t remainingAnswers() const { return answers_.size(); }
  bool waitCursor() const { return waitCursor_; }

  void ShowMessage(std::string_view text, MessageKind kind) override;
  // Recorded like ShowMessage; the title is kept in titles().
  void ShowTitledMessage(std::string_view title, std::string_view text, MessageKind kind) override;
  DialogAnswer AskYesNoAllCancel(std::string_view text) override;
  const std::vector<std::string>& titles() const { return titles_; }
  bool AskYesNo(std::string_view text) override;
  DialogAnswer AskYesNoCancel(std::string_view text) override;
  void ShowStatusMessage(std::string_view text) override;
  void SetStatusText(std::string_view text) override;
  void SetWaitCursor(bool waiting) override;
  bool EscapePressed() override;

 private:
  void record(DialogEvent::Kind kind, std::string_view text);

  std::deque<DialogAnswer> answers_;
  std::vector<std::string> titles_;
  std::vector<DialogEvent> events_;
  std::optional<std::size_t> escapeAfter_;
  std::size_t escapePolls_ = 0;
  bool waitCursor_ = false;
};

}  // namespace tavrin::platform

#endif
