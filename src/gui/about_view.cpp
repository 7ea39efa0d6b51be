#include "gui/about_view.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/control_render.h"
#include "gui/text_codec.h"

namespace pfedit::gui {

AboutView::AboutView(about::frmVersion& logic, QWidget* parent)
    : DialogView(logic, parent),
      logic_(logic),
      lblTitle_(NewControl<QLabel>(this, "lblTitle")),
      lblVersion_(NewControl<QLabel>(this, "lblVersion")),
      lblVersion_num_(NewControl<QLabel>(this, "lblVersion_num")),
      lblCopyRight_(NewControl<QLabel>(this, "lblCopyRight")),
      txtCopyRight_(NewControl<QPlainTextEdit>(this, "txtCopyRight")),
      CmdOK_(NewControl<QPushButton>(this, "CmdOK")) {
  QFont title_font = lblTitle_->font();
  title_font.setPointSizeF(title_font.pointSizeF() * 1.4);
  title_font.setBold(true);
  lblTitle_->setFont(title_font);
  txtCopyRight_->setFixedHeight(txtCopyRight_->fontMetrics().lineSpacing() * 5);
  CmdOK_->setDefault(true);
  OnClick(CmdOK_, [this] { logic_.CmdOK_Click(); });

  auto* version_row = new QHBoxLayout;
  version_row->addWidget(lblVersion_);
  version_row->addWidget(lblVersion_num_);
  version_row->addStretch();
  auto* button_row = new QHBoxLayout;
  button_row->addStretch();
  button_row->addWidget(CmdOK_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblTitle_);
  layout->addLayout(version_row);
  layout->addWidget(lblCopyRight_);
  layout->addWidget(txtCopyRight_);
  layout->addLayout(button_row);
  setMinimumWidth(420);
}

void AboutView::Render() {
  setWindowTitle(FromAnsi(logic_.Caption));
  gui::Render(lblTitle_, logic_.lblTitle);
  gui::Render(lblVersion_, logic_.lblVersion);
  gui::Render(lblVersion_num_, logic_.lblVersion_num);
  gui::Render(lblCopyRight_, logic_.lblCopyRight);
  gui::Render(txtCopyRight_, logic_.txtCopyRight);
  gui::Render(CmdOK_, logic_.CmdOK);
}

}  // namespace pfedit::gui
