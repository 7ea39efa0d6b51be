#include "support/scripted_desktop.h"

#include <gtest/gtest.h>

namespace pfedit::test {

ScriptedDesktop& ScriptedDesktop::ExpectMessage(int message, Answer answer) {
  Step step{Step::kMessage};
  step.message = message;
  step.answer = answer;
  script_.push_back(std::move(step));
  return *this;
}

ScriptedDesktop& ScriptedDesktop::ExpectText(const std::string& text, Answer answer) {
  Step step{Step::kText};
  step.text = text;
  step.answer = answer;
  script_.push_back(std::move(step));
  return *this;
}

ScriptedDesktop& ScriptedDesktop::ExpectFileDialog(const std::string& path) {
  Step step{Step::kFile};
  step.text = path;
  script_.push_back(std::move(step));
  return *this;
}

ScriptedDesktop::~ScriptedDesktop() {
  EXPECT_TRUE(script_.empty()) << script_.size() << " scripted step(s) were never reached";
  EXPECT_EQ(wait_cursor_depth, 0) << "wait cursor left on";
}

ScriptedDesktop::Step ScriptedDesktop::Next(const std::string& what) {
  if (script_.empty()) {
    ADD_FAILURE() << "unexpected " << what;
    Step none{Step::kMessage};
    none.answer = Answer::kCancel;
    return none;
  }
  Step step = std::move(script_.front());
  script_.pop_front();
  return step;
}

Answer ScriptedDesktop::ShowMessage(const MessageBox& box) {
  boxes.push_back(box);
  const Step step = Next("message box: " + box.text);
  if (step.kind == Step::kMessage) {
    if (step.message != -1) {
      EXPECT_EQ(box.message, step.message) << "box text: " << box.text;
    }
  } else if (step.kind == Step::kText) {
    EXPECT_EQ(box.text, step.text);
  } else {
    ADD_FAILURE() << "expected another step, got the box: " << box.text;
  }
  return step.answer;
}

void ScriptedDesktop::SetWaitCursor(bool on) {
  wait_cursor_depth += on ? 1 : -1;
  if (wait_cursor_depth > max_wait_cursor_depth) max_wait_cursor_depth = wait_cursor_depth;
}

std::string ScriptedDesktop::ChooseFile(const FileDialogRequest& request) {
  file_dialogs.push_back(request);
  const Step step = Next("file dialog: " + request.title);
  EXPECT_EQ(step.kind, Step::kFile) << "unexpected file dialog " << request.title;
  return step.kind == Step::kFile ? step.text : std::string();
}

bool ScriptedDesktop::OpenHelp(const std::string& path) {
  help_opened.push_back(path);
  return help_opens;
}

bool ScriptedDesktop::ShowHelpPage(const std::string& path) {
  help_pages_shown.push_back(path);
  return help_viewer_shows;
}

void ScriptedDesktop::RunModal(DialogLogic& dialog) {
  const Step step = Next(std::string("dialog ") + dialog.FormName());
  if (step.kind != Step::kDialog) {
    ADD_FAILURE() << "unexpected dialog " << dialog.FormName();
    return;
  }
  if (step.dialog_type != typeid(dialog)) {
    ADD_FAILURE() << "expected dialog " << step.text << ", shown " << dialog.FormName();
    return;
  }
  if (dialog.Closed()) return;  // a real desktop shows no dialog that closed while loading
  step.action(dialog);
  EXPECT_TRUE(dialog.Closed()) << dialog.FormName() << " still open after its scripted action";
}

}  // namespace pfedit::test
