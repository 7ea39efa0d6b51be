#include "gui/about_view.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/text_codec.h"

namespace pfedit::gui {

AboutView::AboutView(about::frmVersion& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
  setWindowTitle(FromAnsi(logic_.Caption));

  auto* title = new QLabel(FromAnsi(logic_.lblTitle), this);
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont title_font = title->font();
  title_font.setPointSizeF(title_font.pointSizeF() * 1.4);
  title_font.setBold(true);
  title->setFont(title_font);

  auto* version = new QLabel(FromAnsi(logic_.lblVersion), this);
  version->setObjectName(QStringLiteral("lblVersion"));
  auto* version_number = new QLabel(FromAnsi(logic_.lblVersion_num), this);
  version_number->setObjectName(QStringLiteral("lblVersion_num"));
  auto* copyright = new QLabel(FromAnsi(logic_.lblCopyRight), this);
  copyright->setObjectName(QStringLiteral("lblCopyRight"));

  auto* notice = new QPlainTextEdit(FromAnsi(logic_.txtCopyRight), this);
  notice->setObjectName(QStringLiteral("txtCopyRight"));
  notice->setReadOnly(true);
  notice->setFixedHeight(notice->fontMetrics().lineSpacing() * 5);

  auto* ok = new QPushButton(FromAnsi(logic_.CmdOK), this);
  ok->setObjectName(QStringLiteral("CmdOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    logic_.CmdOK_Click();
    accept();
  });

  auto* version_row = new QHBoxLayout;
  version_row->addWidget(version);
  version_row->addWidget(version_number);
  version_row->addStretch();
  auto* button_row = new QHBoxLayout;
  button_row->addStretch();
  button_row->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(version_row);
  layout->addWidget(copyright);
  layout->addWidget(notice);
  layout->addLayout(button_row);
  setMinimumWidth(420);
}

}  // namespace pfedit::gui
