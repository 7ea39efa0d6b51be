#pragma once

// Copies a control's state from the logic onto its widget. Every view renders
// its simple controls with these, so that all of them treat texts, enabled,
// visible and locked flags alike.

#include <QString>
#include <string>

#include "core/control_state.h"
#include "core/desktop.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace pfedit::gui {

// A new widget named as the control it shows; tests and focus requests find
// controls by these names.
template <typename Widget>
Widget* NewControl(QWidget* parent, const char* control) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(control));
  return widget;
}

void Render(QLabel* label, const LabelState& state);
// A text the user is typing is left alone while it equals the state's text,
// so the cursor stays where it is.
void Render(QLineEdit* box, const TextBoxState& state);
// A multi-line text box.
void Render(QPlainTextEdit* box, const TextBoxState& state);
void Render(QAbstractButton* button, const ButtonState& state);
void Render(QCheckBox* box, const CheckBoxState& state);
void Render(QRadioButton* option, const OptionState& state);
void Render(QGroupBox* frame, const FrameState& state);

// The accessible name of a control from its caption, as assistive technology
// reads it: the accelerator marks dropped, a doubled "&&" kept as one "&".
void SetAccessibleCaption(QWidget* widget, const std::string& caption);

// Gives the keyboard focus to the control the form asked for, found among
// the window's children by its object name, which is the control name.
void ApplyFocusRequest(QWidget* window, FormLogic& form);

}  // namespace pfedit::gui
