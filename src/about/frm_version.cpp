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
  Caption = GetMessageText(msg::kAboutCaption);
  lblTitle.Caption = GetMessageText(msg::kAboutTitle);
  lblVersion.Caption = GetMessageText(msg::kAboutVersion);
  // The one-line legal text is the one the executable's version information
  // carries, so both always say the same.
  lblCopyRight.Caption = kLegalCopyright;
  txtCopyRight.Text = GetMessageText(msg::kAboutLegal);
  txtCopyRight.Locked = true;
  lblVersion_num.Caption = VersionNumberText(major, minor);
  CmdOK.Caption = GetMessageText(msg::kOk);
}

}  // namespace pfedit::about
