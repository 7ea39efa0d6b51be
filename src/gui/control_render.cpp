#include "gui/control_render.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtGlobal>

#include "gui/text_codec.h"

namespace pfedit::gui {

namespace {

void RenderCommon(QWidget* widget, bool enabled, bool visible) {
  widget->setEnabled(enabled);
  // Hidden, not shown: a control of a window not yet open must not open alone.
  widget->setHidden(!visible);
}

}  // namespace

void Render(QLabel* label, const LabelState& state) {
  label->setText(FromAnsi(state.Caption));
  label->setToolTip(FromAnsi(state.ToolTipText));
  RenderCommon(label, state.Enabled, state.Visible);
}

void Render(QLineEdit* box, const TextBoxState& state) {
  const QString text = FromAnsi(state.Text);
  if (box->text() != text) box->setText(text);
  box->setReadOnly(state.Locked);
  box->setMaxLength(state.MaxLength > 0 ? state.MaxLength : 32767);
  RenderCommon(box, state.Enabled, state.Visible);
}

void Render(QPlainTextEdit* box, const TextBoxState& state) {
  QString text = FromAnsi(state.Text);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (box->toPlainText() != text) box->setPlainText(text);
  box->setReadOnly(state.Locked);
  RenderCommon(box, state.Enabled, state.Visible);
}

void Render(QAbstractButton* button, const ButtonState& state) {
  button->setText(FromAnsi(state.Caption));
  RenderCommon(button, state.Enabled, state.Visible);
}

void Render(QCheckBox* box, const CheckBoxState& state) {
  box->setText(FromAnsi(state.Caption));
  box->setChecked(state.Value);
  RenderCommon(box, state.Enabled, state.Visible);
}

void Render(QRadioButton* option, const OptionState& state) {
  option->setText(FromAnsi(state.Caption));
  // Within an exclusive group a button is only cleared by selecting another,
  // which rendering the group's selected button does.
  option->setChecked(state.Value);
  RenderCommon(option, state.Enabled, state.Visible);
}

void Render(QGroupBox* frame, const FrameState& state) {
  frame->setTitle(FromAnsi(state.Caption));
  RenderCommon(frame, state.Enabled, state.Visible);
}

void ApplyFocusRequest(QWidget* window, FormLogic& form) {
  const std::string control = form.TakeFocusRequest();
  if (control.empty()) return;
  auto* widget = window->findChild<QWidget*>(QString::fromStdString(control));
  Q_ASSERT_X(widget != nullptr, "ApplyFocusRequest", control.c_str());
  if (widget != nullptr) widget->setFocus(Qt::OtherFocusReason);
}

void SetAccessibleCaption(QWidget* widget, const std::string& caption) {
  QString name = FromAnsi(caption);
  name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  name.remove(QLatin1Char('&'));
  name.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  widget->setAccessibleName(name.trimmed());
}

}  // namespace pfedit::gui
