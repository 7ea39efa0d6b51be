#pragma once

// A desktop for view tests, which run without GoogleTest: it records message
// numbers and answers from a queue (OK when the queue is empty). A modal
// dialog is recorded and closed at once, as if by its close box.

#include <deque>
#include <string>
#include <vector>

#include "core/desktop.h"

namespace pfedit::test {

class LiteDesktop final : public Desktop {
 public:
  Answer ShowMessage(const MessageBox& box) override {
    messages.push_back(box.message);
    if (answers.empty()) return Answer::kOk;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void SetWaitCursor(bool) override {}
  std::string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  std::string ChooseFile(const FileDialogRequest&) override { return {}; }
  bool OpenHelp(const std::string&) override { return true; }
  void RunModal(DialogLogic& dialog) override {
    dialogs.push_back(dialog.FormName());
    dialog.Form_QueryUnload();
  }
  void ShowPopupMenu(PopupMenu, int, int) override { ++popups; }

  std::vector<int> messages;
  std::deque<Answer> answers;
  std::vector<std::string> dialogs;
  int popups = 0;
  std::string clipboard;
};

}  // namespace pfedit::test
