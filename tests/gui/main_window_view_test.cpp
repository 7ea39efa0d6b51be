// The main window's view renders its logic object and forwards actions.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/editor_state.h"
#include "core/message_ids.h"
#include "editor/frm_pr_file_edit.h"
#include "gui/main_window_view.h"
#include "gui/qt_desktop.h"
#include "gui/table/table_adapter.h"
#include "gui/table/table_view.h"
#include "support/scripted_desktop_lite.h"

using pfedit::editor::MenuItem;

class MainWindowViewTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithTheCaptionsAndMenusOfStateZero();
  void exitAndTheCloseBoxCloseOnlyWhenTheFormAgrees();
  void gridEventsRenderTheWindowAndRightClickPopsUpTheEditMenu();
};

namespace {

// Start-up without a help file shows one box; the lite desktop answers it.
struct Fixture {
  Fixture() {
    form.Form_Load(program_folder.path().toStdString());
    view.Render();
  }
  QTemporaryDir program_folder;
  pfedit::EditorState state;
  pfedit::test::LiteDesktop desktop;
  pfedit::editor::frmPrFileEdit form{state, desktop};
  pfedit::gui::MainWindowView view{form};
};

}  // namespace

void MainWindowViewTest::startsWithTheCaptionsAndMenusOfStateZero() {
  Fixture f;
  QCOMPARE(f.desktop.messages, std::vector<int>{pfedit::msg::kHelpFileMissing});
  QCOMPARE(f.view.objectName(), QStringLiteral("frmPrFileEdit"));
  QCOMPARE(f.view.windowTitle(), QStringLiteral("Parameter File Editor"));
  QStringList menus;
  for (QAction* action : f.view.menuBar()->actions()) menus << action->text();
  QCOMPARE(menus, (QStringList{"&File", "&Model", "&Edit", "&Help"}));
  QCOMPARE(f.view.Action(MenuItem::mnuFileFolder)->text(), QStringLiteral("F&older..."));
  QCOMPARE(f.view.Action(MenuItem::mnuEditAddPaste)->text(), QStringLiteral("Add Pa&ste"));
  // Controls are found by their names; a shifted name table shows here.
  for (const auto& [item, name] : {std::pair{MenuItem::mnuFileFolder, "mnuFileFolder"},
                                   std::pair{MenuItem::mnuEditAddPaste, "mnuEditAddPaste"},
                                   std::pair{MenuItem::mnuHelpVer, "mnuHelpVer"}}) {
    QCOMPARE(f.view.Action(item)->objectName(), QString::fromLatin1(name));
  }
  QVERIFY(f.view.findChild<QMenu*>(QStringLiteral("mnuEdit")) == f.view.EditMenu());
  // Every action shows what the form says of its item, before and after a change.
  for (int state : {0, 1}) {
    f.form.MenuSet(state);
    f.view.Render();
    for (const auto& menu : pfedit::editor::MainMenus()) {
      for (const auto& entry : menu.entries) {
        QCOMPARE(f.view.Action(entry.item)->isEnabled(), f.form.MenuEnabled(entry.item));
      }
    }
  }
  auto* check = f.view.findChild<QPushButton*>(QStringLiteral("CmdEnd"));
  QVERIFY(check && !check->isEnabled());
  QCOMPARE(check->text(), QStringLiteral("Parameter Check"));
  auto* jump = f.view.findChild<QLineEdit*>(QStringLiteral("txtPr"));
  QVERIFY(jump && !jump->isEnabled());
  QCOMPARE(jump->maxLength(), 3);
  QCOMPARE(f.view.findChild<QLabel*>(QStringLiteral("lblPrNo"))->text(),
           QStringLiteral("Parameter No."));
  QVERIFY(f.view.findChild<QLabel*>(QStringLiteral("lblFilePass")) != nullptr);
}

void MainWindowViewTest::exitAndTheCloseBoxCloseOnlyWhenTheFormAgrees() {
  for (const bool by_exit : {true, false}) {
    Fixture f;
    f.view.show();
    f.state.ParametersDirty = true;
    const auto try_close = [&](pfedit::Answer answer) {
      f.desktop.answers.push_back(answer);
      if (by_exit) {
        f.view.Action(MenuItem::mnuFileExit)->trigger();
      } else {
        f.view.close();
      }
    };
    try_close(pfedit::Answer::kNo);
    QVERIFY(f.view.isVisible());
    QCOMPARE(f.desktop.messages.back(), static_cast<int>(pfedit::msg::kConfirmExit));
    try_close(pfedit::Answer::kYes);
    QVERIFY(!f.view.isVisible());
    QVERIFY(f.form.Closed());
    QVERIFY(!f.state.ParametersDirty);
    QCOMPARE(f.desktop.messages.size(), std::size_t{3});  // asked once per try
  }
}

void MainWindowViewTest::gridEventsRenderTheWindowAndRightClickPopsUpTheEditMenu() {
  QTemporaryDir program_folder;
  QVERIFY(QDir(program_folder.path()).mkpath(QStringLiteral("en/help")));
  QFile help(program_folder.filePath(QStringLiteral("en/help/dorvien.chm")));
  QVERIFY(help.open(QIODevice::WriteOnly));
  help.close();
  pfedit::EditorState state;
  pfedit::gui::QtDesktop desktop;
  pfedit::editor::frmPrFileEdit form(state, desktop);
  pfedit::gui::MainWindowView view(form);
  desktop.SetOwner(&view);
  form.Form_Load(program_folder.path().toStdString());
  form.MenuSet(1);
  form.MenuSet(4);
  form.sprParaList.SetRowCount(3);
  view.Render();
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  auto* check = view.findChild<QPushButton*>(QStringLiteral("CmdEnd"));
  pfedit::gui::TableView* grid = view.Grid();

  // What a grid handler changes on the window shows without anything else.
  form.CmdEnd.Enabled = true;
  grid->setCurrentIndex(grid->Adapter()->index(1, 1));
  QVERIFY(check->isEnabled());

  // Right click: the Edit menu pops up where the mouse is, with Paste
  // following the clipboard as when it opens from the menu bar.
  QApplication::clipboard()->setText(QStringLiteral("1\tname"));
  QString popped;
  bool paste_enabled = false;
  QTimer::singleShot(0, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      popped = menu->objectName();
      paste_enabled = view.Action(MenuItem::mnuEditPaste)->isEnabled();
      menu->close();
    }
  });
  const QPoint at = grid->visualRect(grid->Adapter()->index(0, 1)).center();
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
  QApplication::sendEvent(grid->viewport(), &click);
  QCOMPARE(popped, QStringLiteral("mnuEdit"));
  QVERIFY(paste_enabled);
}

QTEST_MAIN(MainWindowViewTest)
#include "main_window_view_test.moc"
