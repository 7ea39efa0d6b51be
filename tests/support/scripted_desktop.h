#pragma once

// A desktop that answers from a script, in order, and records every box. A
// box nobody scripted, or a script line left unused, fails the test.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/desktop.h"

namespace pfedit::test {

class ScriptedDesktop : public Desktop {
 public:
  // Expects a message box with this message number (or -1 for any) and answers it.
  ScriptedDesktop& ExpectMessage(int message, Answer answer = Answer::Ok);
  // Expects a box whose text is exactly this text.
  ScriptedDesktop& ExpectText(const std::string& text, Answer answer = Answer::Ok);
  // Expects a file dialog and answers with this path (empty = cancel).
  ScriptedDesktop& ExpectFileDialog(const std::string& path);
  // Expects a modal dialog of this form; the action plays the user's part.
  ScriptedDesktop& ExpectDialog(const std::string& form, std::function<void(DialogLogic&)> action);

  // Fails the current test when scripted steps were not used.
  ~ScriptedDesktop() override;

  Answer ShowMessage(const MessageBox& box) override;
  void SetWaitCursor(bool on) override;
  std::string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  std::string ChooseFile(const FileDialogRequest& request) override;
  bool OpenHelp(const std::string& path) override;
  void RunModal(DialogLogic& dialog) override;

  std::vector<MessageBox> boxes;                // every box shown, in order
  std::vector<FileDialogRequest> file_dialogs;  // every file dialog shown
  std::vector<std::string> help_opened;         // every help path opened
  std::string clipboard;
  int wait_cursor_depth = 0;
  int max_wait_cursor_depth = 0;
  bool help_opens = true;  // what OpenHelp reports

 private:
  struct Step {
    enum Kind { kMessage, kText, kFile, kDialog } kind;
    int message = -1;
    std::string text;
    Answer answer = Answer::Ok;
    std::function<void(DialogLogic&)> action;
  };
  Step Next(const char* what);
  std::deque<Step> script_;
};

}  // namespace pfedit::test
