#pragma once

// The functional list code dialog: a parameter's functional list code as
// sixteen labelled check boxes, one per bit.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/control_state.h"
#include "core/desktop.h"
#include "core/editor_state.h"

namespace pfedit::editor {

constexpr int kFuncBits = 16;
// Models of other families name only the first twelve bits.
constexpr int kShortLayoutBits = 12;

// The layout value of a ModelCode1: its first byte (characters 3 and 4 read
// as hexadecimal), 0 when those are no hexadecimal digits.
int16_t FuncLayoutOf(const std::string& model_code1);
// The first byte 1 or 2 shows all sixteen boxes; any other the short layout.
bool IsFullFuncLayout(int16_t layout);

// The code as the grid shows it: four upper-case hexadecimal digits (the
// last four, should the code be wider).
std::string FuncCodeText(uint32_t code);
// The leading hexadecimal digits of a code cell as a number; 0 for a cell
// that starts with none (an empty one too).
uint32_t ParseFuncCode(const std::string& text);

class frmFunc final : public DialogLogic {
 public:
  // Both must outlive the dialog; the state gives the help file.
  frmFunc(const EditorState& state, Desktop& desktop);

  const char* FormName() const override { return "frmFunc"; }

  void Form_Load(const std::string& pr_text, uint32_t code, int16_t layout, uint32_t model_code1);
  // The user ticked or unticked box `index`; its Value is already the new one.
  void chkFunc_Click(int index);
  void CmdOK_Click();
  void CmdCancel_Click() { Close(kResultCancel); }
  void CmdHelp_Click();

  // The sum of the bits of the enabled, ticked boxes.
  uint32_t CodeFromBoxes() const;
  // The accepted code; meaningful after an OK.
  uint32_t Code() const { return code_; }

  std::string Caption;
  LabelState lblPr;
  LabelState lblTitle;  // "Functional List Code:"
  LabelState lblFuncCode;
  FrameState fraFunc;
  std::array<CheckBoxState, kFuncBits> chkFunc;
  ButtonState CmdOK;
  ButtonState CmdCancel;
  ButtonState CmdHelp;
  // The controls in tab order (SetTabIndex); a box carries its index:
  // "chkFunc_0" to "chkFunc_15".
  std::vector<std::string> TabOrder;

 private:
  void SetTabIndex();

  const EditorState& state_;
  Desktop& desktop_;
  uint32_t code_ = 0;
};

// Shows the dialog for one parameter. True after OK; then `code` holds the
// ticked bits. On Cancel or close `code` is unchanged.
bool ShowFuncCode(const EditorState& state, Desktop& desktop, const std::string& pr_text,
                  uint32_t& code, int16_t layout, uint32_t model_code1);

}  // namespace pfedit::editor
