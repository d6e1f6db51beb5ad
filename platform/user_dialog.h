// The one way non-UI code talks to the user: messages, questions, status-bar text, the wait
// cursor and the Escape key.
//
// Contents
//   MessageKind, DialogAnswer       what a message is, what a question returns
//   kStatusMessageMilliseconds      how long a status message stays
//   UserDialog                      the interface
//
// The GUI implements it with its windows, the command line with StderrUserDialog, tests with
// ScriptedUserDialog. All texts are Windows-1252, like every string in the core; each
// implementation converts them for its output. Lines inside a text are separated by CR LF or LF.
#ifndef PLATFORM_USER_DIALOG_H
#define PLATFORM_USER_DIALOG_H

#include <cstdint>
#include <string_view>

namespace tavrin::platform {

enum class MessageKind { Information, Warning, Error };
enum class DialogAnswer { Yes, No, Cancel, All };

inline constexpr std::uint64_t kStatusMessageMilliseconds = 3000;

class UserDialog {
 public:
  virtual ~UserDialog() = default;

  // A modal message; returns when the user has acknowledged it.
  virtual void ShowMessage(std::string_view text, MessageKind kind) = 0;
  // A modal message under a title of its own ("Fehler", "S5D-Fehler!", ...).
  virtual void ShowTitledMessage(std::string_view title, std::string_view text, MessageKind kind) {
    (void)title;
    ShowMessage(text, kind);
  }
  // A modal question: true for yes.
  virtual bool AskYesNo(std::string_view text) = 0;
  virtual DialogAnswer AskYesNoCancel(std::string_view text) = 0;
  // A question over a series (overwrite this one, none, all, stop): yes, no, all or cancel.
  virtual DialogAnswer AskYesNoAllCancel(std::string_view text) { return AskYesNoCancel(text); }
  // Status-bar text shown for kStatusMessageMilliseconds, then the permanent text returns.
  virtual void ShowStatusMessage(std::string_view text) = 0;
  // The permanent status-bar text.
  virtual void SetStatusText(std::string_view text) = 0;
  virtual void SetWaitCursor(bool waiting) = 0;
  // Polled by long operations (compiling a project, transferring blocks) to stop early.
  virtual bool EscapePressed() = 0;
};

}  // namespace tavrin::platform

#endif
