#pragma once

// The view of the "Product Information" window.

#include "about/frm_version.h"
#include "gui/dialog_view.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace pfedit::gui {

class AboutView final : public DialogView {
  Q_OBJECT

 public:
  AboutView(about::frmVersion& logic, QWidget* parent = nullptr);

 protected:
  void Render() override;

 private:
  about::frmVersion& logic_;
  QLabel* lblTitle_;
  QLabel* lblVersion_;
  QLabel* lblVersion_num_;
  QLabel* lblCopyRight_;
  QPlainTextEdit* txtCopyRight_;
  QPushButton* CmdOK_;
};

}  // namespace pfedit::gui
