#pragma once

// The "Product Information" window: title, version number and legal texts.

#include <string>

#include "core/control_state.h"
#include "core/desktop.h"

namespace pfedit::about {

// Major version, a point, and the minor version with at least two digits.
std::string VersionNumberText(int major, int minor);

class frmVersion final : public DialogLogic {
 public:
  const char* FormName() const override { return "frmVersion"; }

  // Fills every caption; the version numbers default to the program's own.
  void Form_Load();
  void Form_Load(int major, int minor);
  void CmdOK_Click() { Close(kResultOk); }

  std::string Caption;
  LabelState lblTitle;
  LabelState lblVersion;
  LabelState lblVersion_num;
  LabelState lblCopyRight;
  TextBoxState txtCopyRight;
  ButtonState CmdOK;
};

}  // namespace pfedit::about
