#include "gui/func_code_view.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "gui/control_render.h"
#include "gui/text_codec.h"

namespace pfedit::gui {

FuncCodeView::FuncCodeView(editor::frmFunc& logic, QWidget* parent)
    : DialogView(logic, parent),
      logic_(logic),
      lblPr_(NewControl<QLabel>(this, "lblPr")),
      fraFunc_(NewControl<QGroupBox>(this, "fraFunc")),
      lblTitle_(NewControl<QLabel>(this, "lblTitle")),
      lblFuncCode_(NewControl<QLabel>(this, "lblFuncCode")),
      CmdOK_(NewControl<QPushButton>(this, "CmdOK")),
      CmdCancel_(NewControl<QPushButton>(this, "CmdCancel")),
      CmdHelp_(NewControl<QPushButton>(this, "CmdHelp")) {
  // The boxes the layout shows fill two columns from top to bottom.
  int shown = 0;
  for (const CheckBoxState& box : logic_.chkFunc) shown += box.Visible ? 1 : 0;
  const int rows = (shown + 1) / 2;
  auto* boxes = new QGridLayout(fraFunc_);
  for (int bit = 0, place = 0; bit < editor::kFuncBits; ++bit) {
    const std::string name = "chkFunc_" + std::to_string(bit);
    QCheckBox* box = NewControl<QCheckBox>(fraFunc_, name.c_str());
    chkFunc_[static_cast<std::size_t>(bit)] = box;
    connect(box, &QCheckBox::clicked, this, [this, bit](bool checked) {
      Forward([this, bit, checked] {
        logic_.chkFunc[static_cast<std::size_t>(bit)].Value = checked;
        logic_.chkFunc_Click(bit);
      });
    });
    if (logic_.chkFunc[static_cast<std::size_t>(bit)].Visible) {
      boxes->addWidget(box, place % rows, place / rows);
      ++place;
    }
  }
  lblFuncCode_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  lblFuncCode_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  CmdOK_->setDefault(true);
  OnClick(CmdOK_, [this] { logic_.CmdOK_Click(); });
  OnClick(CmdCancel_, [this] { logic_.CmdCancel_Click(); });
  OnClick(CmdHelp_, [this] { logic_.CmdHelp_Click(); });

  auto* code_row = new QHBoxLayout;
  code_row->addWidget(lblTitle_);
  code_row->addWidget(lblFuncCode_);
  code_row->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CmdOK_);
  buttons->addWidget(CmdCancel_);
  buttons->addWidget(CmdHelp_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblPr_);
  layout->addWidget(fraFunc_);
  layout->addLayout(code_row);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  QWidget* previous = nullptr;
  for (const std::string& name : logic_.TabOrder) {
    auto* control = findChild<QWidget*>(QString::fromStdString(name));
    if (previous != nullptr && control != nullptr) setTabOrder(previous, control);
    if (control != nullptr) previous = control;
  }
}

void FuncCodeView::Render() {
  setWindowTitle(FromAnsi(logic_.Caption));
  gui::Render(lblPr_, logic_.lblPr);
  gui::Render(fraFunc_, logic_.fraFunc);
  for (std::size_t bit = 0; bit < chkFunc_.size(); ++bit) {
    gui::Render(chkFunc_[bit], logic_.chkFunc[bit]);
  }
  gui::Render(lblTitle_, logic_.lblTitle);
  gui::Render(lblFuncCode_, logic_.lblFuncCode);
  gui::Render(CmdOK_, logic_.CmdOK);
  gui::Render(CmdCancel_, logic_.CmdCancel);
  gui::Render(CmdHelp_, logic_.CmdHelp);
}

}  // namespace pfedit::gui
