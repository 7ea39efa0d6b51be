#include "gui/main_window_view.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/messages.h"
#include "gui/table/table_view.h"
#include "gui/text_codec.h"

namespace pfedit::gui {

using editor::MenuItem;

MainWindowView::MainWindowView(editor::frmPrFileEdit& form, QWidget* parent)
    : QMainWindow(parent), form_(form) {
  setObjectName(QStringLiteral("frmPrFileEdit"));
  BuildMenus();

  auto* central = new QWidget(this);
  pr_label_ = new QLabel(central);
  pr_label_->setObjectName(QStringLiteral("lblPrNo"));
  pr_box_ = new QLineEdit(central);
  pr_box_->setObjectName(QStringLiteral("txtPr"));
  pr_box_->setFixedWidth(pr_box_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
  pr_label_->setBuddy(pr_box_);
  check_button_ = new QPushButton(central);
  check_button_->setObjectName(QStringLiteral("CmdEnd"));
  folder_label_ = new QLabel(central);
  folder_label_->setObjectName(QStringLiteral("lblFilePass"));
  folder_label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid_ = new TableView(form_.sprParaList, central);
  grid_->setObjectName(QStringLiteral("sprParaList"));

  auto* top_row = new QHBoxLayout;
  top_row->addWidget(pr_label_);
  top_row->addWidget(pr_box_);
  top_row->addSpacing(12);
  top_row->addWidget(folder_label_, 1);
  top_row->addWidget(check_button_);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top_row);
  layout->addWidget(grid_, 1);
  setCentralWidget(central);

  // The tab order of the form: jump box, grid, check button.
  setTabOrder(pr_box_, grid_);
  setTabOrder(grid_, check_button_);
  resize(1000, 640);
}

void MainWindowView::BuildMenus() {
  for (const editor::Menu& menu : editor::MainMenus()) {
    QMenu* qmenu = menuBar()->addMenu(FromAnsi(GetMessageText(menu.caption)));
    qmenu->setObjectName(QString::fromLatin1(menu.name));
    for (const editor::MenuEntry& entry : menu.entries) {
      QAction* action = qmenu->addAction(FromAnsi(GetMessageText(entry.caption)));
      const MenuItem item = entry.item;
      connect(action, &QAction::triggered, this, [this, item] { Forward(item); });
      actions_[item] = action;
    }
    if (menu.caption == 20) {
      edit_menu_ = qmenu;
      connect(qmenu, &QMenu::aboutToShow, this, [this] {
        form_.mnuEdit_Click();
        Render();
      });
    }
  }
}

void MainWindowView::Forward(MenuItem item) {
  form_.Invoke(item);
  Render();
  if (form_.CloseRequested) close();
}

void MainWindowView::Render() {
  setWindowTitle(FromAnsi(form_.Caption));
  for (const auto& [item, action] : actions_) action->setEnabled(form_.MenuEnabled(item));
  pr_label_->setText(FromAnsi(form_.lblPrNo.Caption));
  if (pr_box_->text() != FromAnsi(form_.txtPr.Text)) pr_box_->setText(FromAnsi(form_.txtPr.Text));
  pr_box_->setEnabled(form_.txtPr.Enabled);
  pr_box_->setMaxLength(form_.txtPr.MaxLength > 0 ? form_.txtPr.MaxLength : 32767);
  check_button_->setText(FromAnsi(form_.CmdEnd.Caption));
  check_button_->setEnabled(form_.CmdEnd.Enabled);
  folder_label_->setText(FromAnsi(form_.lblFilePass.Caption));
  folder_label_->setToolTip(FromAnsi(form_.lblFilePass.ToolTipText));
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  if (form_.Form_QueryUnload()) {
    event->accept();
  } else {
    event->ignore();
  }
  Render();
}

}  // namespace pfedit::gui
