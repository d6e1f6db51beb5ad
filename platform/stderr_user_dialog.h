// A UserDialog for the command line: everything is printed, questions answer themselves.
//
// Contents
//   StderrUserDialog   prints to a stream (normally std::cerr) in UTF-8
//
// Messages print as they are (CR LF becomes LF), warnings and errors with "warning: " or
// "error: " before them; a question prints with the answer it was given ("... -> yes"), so a
// log shows what was decided. Status messages print as they come; the permanent status text
// prints only when it changes. The wait cursor has no meaning here, and Escape is never pressed
// (the command line stops on its signals instead). Questions are answered from the answer
// given at construction; AskYesNo takes Cancel as no.
#ifndef PLATFORM_STDERR_USER_DIALOG_H
#define PLATFORM_STDERR_USER_DIALOG_H

#include <iosfwd>
#include <string>

#include "platform/user_dialog.h"

namespace tavrin::platform {

class StderrUserDialog final : public UserDialog {
 public:
  // Without `showStatusText` the permanent status text (progress such as "Lade Baustein ...")
  // is not printed; messages and status messages still are.
  StderrUserDialog(std::ostream& out, DialogAnswer answer, bool showStatusText = true)
      : out_(out), answer_(answer), showStatusText_(showStatusText) {}

  void ShowMessage(std::string_view text, MessageKind kind) override;
  bool AskYesNo(std::string_view text) override;
  DialogAnswer AskYesNoCancel(std::string_view text) override;
  DialogAnswer AskYesNoAllCancel(std::string_view text) override;
  void ShowStatusMessage(std::string_view text) override;
  void SetStatusText(std::string_view text) override;
  void SetWaitCursor(bool) override {}
  bool EscapePressed() override { return false; }

 private:
  void print(std::string_view prefix, std::string_view text, std::string_view suffix = {});

  std::ostream& out_;
  DialogAnswer answer_;
  bool showStatusText_;
  std::string statusText_;
};

}  // namespace tavrin::platform

#endif
