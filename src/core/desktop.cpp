#include "core/desktop.h"

#include "core/messages.h"

namespace pfedit {

namespace {

MessageBox Box(std::string text, Icon icon, MessageId message) {
  MessageBox box;
  box.text = std::move(text);
  box.icon = icon;
  box.title = GetMessageText(msg::kTitle);
  box.message = message;
  return box;
}

}  // namespace

void FormLogic::Unload() {
  if (closed_) return;
  closed_ = true;
  Form_Unload();
}

void DialogLogic::Close(int16_t result) {
  if (Closed()) return;
  result_ = result;
  Unload();
}

void ShowError(Desktop& desktop, MessageId message) {
  desktop.ShowMessage(Box(GetMessageText(message), Icon::kExclamation, message));
}

void ShowErrorText(Desktop& desktop, const std::string& text) {
  desktop.ShowMessage(Box(text, Icon::kExclamation, -1));
}

void ShowInformation(Desktop& desktop, MessageId message) {
  desktop.ShowMessage(Box(GetMessageText(message), Icon::kInformation, message));
}

void ShowInformationText(Desktop& desktop, const std::string& text) {
  desktop.ShowMessage(Box(text, Icon::kInformation, -1));
}

bool AskYesNo(Desktop& desktop, MessageId message) {
  MessageBox box = Box(GetMessageText(message), Icon::kQuestion, message);
  box.buttons = Buttons::kYesNo;
  box.default_button = Answer::kYes;
  return desktop.ShowMessage(box) == Answer::kYes;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace pfedit
