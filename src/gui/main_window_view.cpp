#include "gui/main_window_view.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <utility>

#include "core/messages.h"
#include "gui/control_render.h"
#include "gui/key_press_filter.h"
#include "gui/table/key_codes.h"
#include "gui/table/table_view.h"
#include "gui/text_codec.h"

namespace pfedit::gui {

using editor::MenuItem;

namespace {

// The control names of the menu items, in the order of MenuItem.
constexpr const char* kItemNames[] = {
    "mnuFileFolder",     "mnuFileSave",     "mnuFileImport",  "mnuFileExport", "mnuFileExit",
    "mnuModelNewMaking", "mnuModelEdit",    "mnuModelDelete", "mnuEditCut",    "mnuEditCopy",
    "mnuEditPaste",      "mnuEditAddPaste", "mnuEditAdd",     "mnuEditDel",    "mnuEditFunc",
    "mnuEditInf",        "mnuHelpItem",     "mnuHelpVer",
};
static_assert(std::size(kItemNames) == editor::kMenuItemCount);

QString ItemName(MenuItem item) {
  return QString::fromLatin1(kItemNames[static_cast<std::size_t>(item)]);
}

// The platform's keys for the grid's row commands: a standard key, or a
// plain key without modifiers.
struct CommandKey {
  MenuItem item;
  QKeySequence::StandardKey standard;
  Qt::Key plain;

  QKeySequence Keys() const {
    return standard != QKeySequence::UnknownKey ? QKeySequence(standard) : QKeySequence(plain);
  }
  bool Matches(QKeyEvent& event) const {
    if (standard != QKeySequence::UnknownKey) return event.matches(standard);
    return event.key() == plain && event.modifiers() == Qt::NoModifier;
  }
};
const CommandKey kCommandKeys[] = {
    {MenuItem::mnuEditCut, QKeySequence::Cut, Qt::Key_unknown},
    {MenuItem::mnuEditCopy, QKeySequence::Copy, Qt::Key_unknown},
    {MenuItem::mnuEditPaste, QKeySequence::Paste, Qt::Key_unknown},
    {MenuItem::mnuEditAdd, QKeySequence::UnknownKey, Qt::Key_Insert},
    {MenuItem::mnuEditDel, QKeySequence::UnknownKey, Qt::Key_Delete},
};

}  // namespace

MainWindowView::MainWindowView(editor::frmPrFileEdit& form, QWidget* parent)
    : QMainWindow(parent), form_(form) {
  setObjectName(QString::fromLatin1(form_.FormName()));
  BuildMenus();

  auto* central = new QWidget(this);
  lblPrNo_ = NewControl<QLabel>(central, "lblPrNo");
  txtPr_ = NewControl<QLineEdit>(central, "txtPr");
  txtPr_->setFixedWidth(txtPr_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
  lblPrNo_->setBuddy(txtPr_);
  CmdEnd_ = NewControl<QPushButton>(central, "CmdEnd");
  lblFilePass_ = NewControl<QLabel>(central, "lblFilePass");
  lblFilePass_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid_ = new TableView(form_.sprParaList, central);
  grid_->setObjectName(QStringLiteral("sprParaList"));
  // Grid events reach the form through its table model; whatever a handler
  // changed on the window shows at once.
  connect(grid_, &TableView::EventForwarded, this, &MainWindowView::AfterEvent);
  grid_->installEventFilter(this);
  txtPr_->installEventFilter(this);
  connect(txtPr_, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.txtPr.Text = ToAnsi(text); });
  connect(CmdEnd_, &QPushButton::clicked, this, [this] {
    form_.CmdEnd_Click();
    AfterEvent();
  });

  auto* top_row = new QHBoxLayout;
  top_row->addWidget(lblPrNo_);
  top_row->addWidget(txtPr_);
  top_row->addSpacing(12);
  top_row->addWidget(lblFilePass_, 1);
  top_row->addWidget(CmdEnd_);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top_row);
  layout->addWidget(grid_, 1);
  setCentralWidget(central);

  // The tab order of the form: jump box, grid, check button.
  setTabOrder(txtPr_, grid_);
  setTabOrder(grid_, CmdEnd_);
  resize(1000, 640);
}

void MainWindowView::BuildMenus() {
  for (const editor::Menu& menu : editor::MainMenus()) {
    QMenu* qmenu = menuBar()->addMenu(FromAnsi(GetMessageText(menu.caption)));
    qmenu->setObjectName(QString::fromLatin1(menu.name));
    for (const editor::MenuEntry& entry : menu.entries) {
      QAction* action = qmenu->addAction(FromAnsi(GetMessageText(entry.caption)));
      const MenuItem item = entry.item;
      action->setObjectName(ItemName(item));
      connect(action, &QAction::triggered, this, [this, item] { Forward(item); });
      actions_[item] = action;
      for (const CommandKey& key : kCommandKeys) {
        if (key.item != item) continue;
        // Shown in the menu; the keys act in the grid (eventFilter), where
        // they cannot take a key from a text being typed.
        action->setShortcut(key.Keys());
        action->setShortcutContext(Qt::WidgetShortcut);
      }
    }
    if (menu.caption == msg::kMenuEdit) {
      edit_menu_ = qmenu;
      // Also when it opens as the grid's pop-up menu.
      connect(qmenu, &QMenu::aboutToShow, this, [this] {
        form_.mnuEdit_Click();
        AfterEvent();
      });
    }
  }
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  auto* key_event = static_cast<QKeyEvent*>(event);
  if (watched == txtPr_) {
    int16_t key = CharacterOf(*key_event);
    if (key == 0) return false;
    form_.txtPr_KeyPress(key);
    // A key let through changes the box's text, which textEdited hands on.
    if (key != 0) return false;
    AfterEvent();
    return true;
  }
  if (watched != grid_ || grid_->Editing()) return false;
  for (const CommandKey& key : kCommandKeys) {
    if (!key.Matches(*key_event)) continue;
    // Paste is enabled by opening the Edit menu; its key does the same.
    if (key.item == MenuItem::mnuEditPaste) form_.mnuEdit_Click();
    Forward(key.item);
    return true;
  }
  return false;
}

void MainWindowView::Forward(MenuItem item) {
  form_.Invoke(item);
  AfterEvent();
}

void MainWindowView::AfterEvent() {
  Render();
  ApplyFocusRequest(this, form_);
  if (form_.Closed()) close();
}

void MainWindowView::Render() {
  setWindowTitle(FromAnsi(form_.Caption));
  for (const auto& [item, action] : actions_) action->setEnabled(form_.MenuEnabled(item));
  gui::Render(lblPrNo_, form_.lblPrNo);
  gui::Render(txtPr_, form_.txtPr);
  gui::Render(CmdEnd_, form_.CmdEnd);
  gui::Render(lblFilePass_, form_.lblFilePass);
  // The jump box is named by its label, as assistive technology reads it.
  SetAccessibleCaption(lblPrNo_, form_.lblPrNo.Caption);
  SetAccessibleCaption(txtPr_, form_.lblPrNo.Caption);
  SetAccessibleCaption(CmdEnd_, form_.CmdEnd.Caption);
}

void MainWindowView::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (std::exchange(shown_, true)) return;
  const QMargins margins = centralWidget()->layout()->contentsMargins();
  const int grid_width = grid_->verticalHeader()->width() + grid_->horizontalHeader()->length() +
                         grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth();
  int wanted = grid_width + margins.left() + margins.right() + (width() - centralWidget()->width());
  if (const QScreen* place = screen()) {
    wanted = std::min(wanted, place->availableGeometry().width());
  }
  if (wanted > width()) resize(wanted, height());
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  if (!form_.Closed()) {
    form_.Form_QueryUnload();
    Render();
  }
  event->setAccepted(form_.Closed());
}

}  // namespace pfedit::gui
