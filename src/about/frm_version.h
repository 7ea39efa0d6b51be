#pragma once

// The "Product Information" window: title, version number and legal texts.

#include <string>

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
  void CmdOK_Click() { closed_ = true; }
  bool closed() const { return closed_; }

  std::string Caption;
  std::string lblTitle;
  std::string lblVersion;
  std::string lblVersion_num;
  std::string lblCopyRight;
  std::string txtCopyRight;
  std::string CmdOK;

 private:
  bool closed_ = false;
};

}  // namespace pfedit::about
