// The main window's view renders its logic object and forwards actions.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/editor_state.h"
#include "editor/frm_pr_file_edit.h"
#include "gui/main_window_view.h"
#include "support/scripted_desktop_lite.h"

using pfedit::editor::MenuItem;

class MainWindowViewTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithTheCaptionsAndMenusOfStateZero();
  void exitClosesOnlyWhenTheFormAgrees();
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
  QCOMPARE(f.desktop.messages, std::vector<int>{1086});
  QCOMPARE(f.view.windowTitle(), QStringLiteral("Parameter File Editor"));
  QStringList menus;
  for (QAction* action : f.view.menuBar()->actions()) menus << action->text();
  QCOMPARE(menus, (QStringList{"&File", "&Model", "&Edit", "&Help"}));
  QCOMPARE(f.view.Action(MenuItem::mnuFileFolder)->text(), QStringLiteral("F&older..."));
  QCOMPARE(f.view.Action(MenuItem::mnuEditAddPaste)->text(), QStringLiteral("Add Pa&ste"));
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
}

void MainWindowViewTest::exitClosesOnlyWhenTheFormAgrees() {
  Fixture f;
  f.view.show();
  f.state.ParametersDirty = true;
  f.desktop.answers.push_back(pfedit::Answer::No);
  f.view.Action(MenuItem::mnuFileExit)->trigger();
  QVERIFY(f.view.isVisible());
  QCOMPARE(f.desktop.messages.back(), 1004);
  f.desktop.answers.push_back(pfedit::Answer::Yes);
  f.view.Action(MenuItem::mnuFileExit)->trigger();
  QVERIFY(!f.view.isVisible());
  QVERIFY(!f.state.ParametersDirty);
}

QTEST_MAIN(MainWindowViewTest)
#include "main_window_view_test.moc"
