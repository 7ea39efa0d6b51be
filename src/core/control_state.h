#pragma once

// The state of a form's simple controls as plain fields. A logic object keeps
// one of these per control, named as the control; its view copies them onto
// the widgets after every event. Field names are the controls' property
// names. Texts are bytes in the ANSI code page, like every text of the logic.

#include <string>

namespace pfedit {

struct LabelState {
  std::string Caption;
  std::string ToolTipText;
  bool Enabled = true;
  bool Visible = true;
};

struct TextBoxState {
  std::string Text;
  bool Enabled = true;
  bool Visible = true;
  bool Locked = false;  // read-only, but still focusable and selectable
  int MaxLength = 0;    // 0: no limit
};

struct ButtonState {
  std::string Caption;
  bool Enabled = true;
  bool Visible = true;
};

struct CheckBoxState {
  std::string Caption;
  bool Value = false;  // ticked
  bool Enabled = true;
  bool Visible = true;
};

// One option button; the buttons of a group are exclusive, which the logic
// keeps true by setting Value on one and clearing it on the others.
struct OptionState {
  std::string Caption;
  bool Value = false;  // selected
  bool Enabled = true;
  bool Visible = true;
};

// A frame that groups other controls under a caption.
struct FrameState {
  std::string Caption;
  bool Enabled = true;
  bool Visible = true;
};

}  // namespace pfedit
