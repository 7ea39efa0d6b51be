#pragma once

// A desktop that answers from a script, in order, and records every box. A
// box or dialog nobody scripted, a dialog of another type than scripted, or a
// script line left unused fails the test.

#include <deque>
#include <functional>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include "core/desktop.h"

namespace pfedit::test {

struct PopupRequest {
  PopupMenu menu;
  int x;
  int y;
};

class ScriptedDesktop : public Desktop {
 public:
  // Expects a message box with this message number (or -1 for any) and answers it.
  ScriptedDesktop& ExpectMessage(int message, Answer answer = Answer::kOk);
  // Expects a box whose text is exactly this text.
  ScriptedDesktop& ExpectText(const std::string& text, Answer answer = Answer::kOk);
  // Expects a file dialog and answers with this path (empty = cancel).
  ScriptedDesktop& ExpectFileDialog(const std::string& path);
  // Expects a modal dialog of exactly this type; the action plays the user's
  // part by calling the dialog's handlers and must leave it closed, as a
  // modal dialog only returns once it has closed.
  template <typename Logic>
  ScriptedDesktop& ExpectDialog(std::function<void(Logic&)> action) {
    Step step{Step::kDialog};
    step.dialog_type = typeid(Logic);
    step.text = typeid(Logic).name();
    step.action = [action = std::move(action)](DialogLogic& dialog) {
      if (action) action(static_cast<Logic&>(dialog));
    };
    script_.push_back(std::move(step));
    return *this;
  }

  // Fails the current test when scripted steps were not used.
  ~ScriptedDesktop() override;

  Answer ShowMessage(const MessageBox& box) override;
  void SetWaitCursor(bool on) override;
  std::string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  std::string ChooseFile(const FileDialogRequest& request) override;
  bool OpenHelp(const std::string& path) override;
  bool ShowHelpPage(const std::string& path) override;
  void RunModal(DialogLogic& dialog) override;
  void ShowPopupMenu(PopupMenu menu, int x, int y) override { popups.push_back({menu, x, y}); }

  std::vector<MessageBox> boxes;                // every box shown, in order
  std::vector<FileDialogRequest> file_dialogs;  // every file dialog shown
  std::vector<std::string> help_opened;         // every help path opened
  std::vector<std::string> help_pages_shown;    // every page of the own viewer
  std::vector<PopupRequest> popups;             // every pop-up menu opened
  std::string clipboard;
  int wait_cursor_depth = 0;
  int max_wait_cursor_depth = 0;
  bool help_opens = true;         // what OpenHelp reports
  bool help_viewer_shows = true;  // what ShowHelpPage reports

 private:
  struct Step {
    enum Kind { kMessage, kText, kFile, kDialog };
    explicit Step(Kind of) : kind(of) {}
    Kind kind;
    int message = -1;
    std::string text;
    Answer answer = Answer::kOk;
    std::type_index dialog_type = typeid(void);
    std::function<void(DialogLogic&)> action;
  };
  Step Next(const std::string& what);
  std::deque<Step> script_;
};

}  // namespace pfedit::test
