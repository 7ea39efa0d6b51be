#include "about/frm_version.h"

#include "core/messages.h"
#include "core/version.h"

namespace pfedit::about {

std::string VersionNumberText(int major, int minor) {
  std::string text = std::to_string(major) + ".";
  if (minor >= 0 && minor < 10) text += '0';
  return text + std::to_string(minor);
}

void frmVersion::Form_Load() {
  Form_Load(kVersionMajor, kVersionMinor);
}

void frmVersion::Form_Load(int major, int minor) {
  Caption = GetMessageText(250);
  lblTitle = GetMessageText(251);
  lblVersion = GetMessageText(252);
  // The one-line legal text is the one the executable's version information
  // carries, so both always say the same.
  lblCopyRight = kLegalCopyright;
  txtCopyRight = GetMessageText(254);
  lblVersion_num = VersionNumberText(major, minor);
  CmdOK = GetMessageText(2);
}

}  // namespace pfedit::about
