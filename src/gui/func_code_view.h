#pragma once

// The view of the functional list code dialog.

#include <array>

#include "editor/frm_func.h"
#include "gui/dialog_view.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace pfedit::gui {

class FuncCodeView final : public DialogView {
  Q_OBJECT

 public:
  FuncCodeView(editor::frmFunc& logic, QWidget* parent = nullptr);

 protected:
  void Render() override;

 private:
  editor::frmFunc& logic_;
  QLabel* lblPr_;
  QGroupBox* fraFunc_;
  std::array<QCheckBox*, editor::kFuncBits> chkFunc_{};
  QLabel* lblTitle_;
  QLabel* lblFuncCode_;
  QPushButton* CmdOK_;
  QPushButton* CmdCancel_;
  QPushButton* CmdHelp_;
};

}  // namespace pfedit::gui
