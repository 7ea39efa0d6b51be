// The main window's view renders its logic object and forwards actions.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/editor_state.h"
#include "core/message_ids.h"
#include "editor/frm_pr_file_edit.h"
#include "editor/grid_layout.h"
#include "editor/parameter_file_io.h"
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
  void gridIsUsableFromTheKeyboard();
  void sampleListLooksRightAtThisScale();
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

// A window showing a shipped parameter list, with a model open for editing.
struct ListFixture {
  ListFixture() {
    form.Form_Load(program_folder.path().toStdString());
    const std::string path = std::string(PFEDIT_SAMPLE_DIR) + "/qx_a740_a01.vfd";
    loaded = pfedit::ReadParameterFile(state, desktop, path) == pfedit::kStatusOk;
    form.ShowParameterList();
    form.MenuSet(1);
    form.MenuSet(4);
    view.Render();
    view.resize(1000, 640);
    view.show();
  }
  QTemporaryDir program_folder;
  pfedit::EditorState state;
  pfedit::test::LiteDesktop desktop;
  pfedit::editor::frmPrFileEdit form{state, desktop, '.'};
  pfedit::gui::MainWindowView view{form};
  bool loaded = false;
};

}  // namespace

void MainWindowViewTest::startsWithTheCaptionsAndMenusOfStateZero() {
  Fixture f;
  QCOMPARE(f.view.objectName() + "|" + f.view.windowTitle(),
           QStringLiteral("frmPrFileEdit|Parameter File Editor"));
  QVERIFY(f.view.findChild<QMenu*>(QStringLiteral("mnuEdit")) == f.view.EditMenu());
  // Controls are found by their names; a shifted name table shows here.
  for (const auto& [item, name] : {std::pair{MenuItem::mnuFileFolder, "mnuFileFolder"},
                                   std::pair{MenuItem::mnuEditAddPaste, "mnuEditAddPaste"},
                                   std::pair{MenuItem::mnuHelpVer, "mnuHelpVer"}}) {
    QCOMPARE(f.view.Action(item)->objectName(), QString::fromLatin1(name));
  }
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
  auto* jump = f.view.findChild<QLineEdit*>(QStringLiteral("txtPr"));
  QVERIFY(jump && !jump->isEnabled());
  QCOMPARE(jump->maxLength(), 3);
  // Assistive technology finds the box by its label and the button by its caption.
  QCOMPARE(jump->accessibleName() + "|" + check->accessibleName(),
           QStringLiteral("Parameter No.|Parameter Check"));
  QVERIFY(f.view.findChild<QLabel*>(QStringLiteral("lblPrNo")) != nullptr);
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

void MainWindowViewTest::gridIsUsableFromTheKeyboard() {
  using namespace pfedit::editor;
  ListFixture f;
  QVERIFY(f.loaded);
  QVERIFY(QTest::qWaitForWindowExposed(&f.view));
  pfedit::gui::TableView* grid = f.view.Grid();
  pfedit::TableModel& model = f.form.sprParaList;
  grid->setFocus();
  const auto go_to = [&](int column, int row) {
    grid->setCurrentIndex(grid->Adapter()->index(row - 1, column - 1));
  };

  // Typing starts an edit with what was typed, as in a spreadsheet.
  go_to(kColName, 2);
  QTest::keyClick(grid, Qt::Key_Q);
  QVERIFY(grid->Editing());
  auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  QVERIFY(line != nullptr);
  QCOMPARE(line->text(), QStringLiteral("q"));
  QTest::keyClick(line, Qt::Key_Escape);
  QVERIFY(!grid->Editing());

  // F4 and Alt+Down open a list cell's drop-down.
  for (const auto& [key, modifiers] :
       {std::pair{Qt::Key_F4, Qt::NoModifier}, std::pair{Qt::Key_Down, Qt::AltModifier}}) {
    go_to(kColUnit, 1);
    grid->setFocus();
    QTest::keyClick(grid, key, modifiers);
    QWidget* popup = QApplication::activePopupWidget();
    QVERIFY2(popup != nullptr, "no drop-down");
    popup->close();
    grid->closePersistentEditor(grid->currentIndex());
    grid->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  }

  // The row commands' keys act in the grid: copy a row, delete it, paste it.
  grid->setFocus();
  go_to(kColPr, 1);
  model.SetSelection({-1, -1, 1, 1});
  const std::string first_pr(model.Text(kColPr, 1));
  QTest::keySequence(grid, QKeySequence::Copy);
  QVERIFY(f.desktop.clipboard.rfind(first_pr + "\t", 0) == 0);
  const int rows = model.RowCount();
  QTest::keyClick(grid, Qt::Key_Delete);
  QCOMPARE(model.RowCount(), rows - 1);
  QTest::keyClick(grid, Qt::Key_Insert);
  QCOMPARE(model.RowCount(), rows);
  go_to(kColPr, 1);
  QTest::keySequence(grid, QKeySequence::Paste);
  QCOMPARE(std::string(model.Text(kColPr, 1)), first_pr);
  QVERIFY(f.state.ParametersDirty);

  // The Pr box takes digits only and jumps on Enter.
  auto* jump = f.view.findChild<QLineEdit*>(QStringLiteral("txtPr"));
  jump->clear();
  jump->setFocus();
  QTest::keyClicks(jump, QStringLiteral("9x02"));
  QCOMPARE(jump->text(), QStringLiteral("902"));
  QTest::keyClick(jump, Qt::Key_Return);
  QCOMPARE(std::string(model.Text(kColPr, model.ActiveRow())), std::string("902"));
  QCOMPARE(grid->currentIndex().row() + 1, model.ActiveRow());
}

// Saves the window to the folder in PFEDIT_SCREENSHOT_DIR, when set, so that
// it can be looked at (run once per scale factor); always checks what a look
// would catch: every header and row number fits its section.
void MainWindowViewTest::sampleListLooksRightAtThisScale() {
  ListFixture f;
  QVERIFY(f.loaded);
  QVERIFY(QTest::qWaitForWindowExposed(&f.view));
  pfedit::gui::TableView* grid = f.view.Grid();
  const QFontMetrics header_font = grid->horizontalHeader()->fontMetrics();
  for (int column = 0; column < pfedit::editor::kLastVisibleColumn; ++column) {
    const QString text = grid->model()->headerData(column, Qt::Horizontal).toString();
    QVERIFY2(header_font.horizontalAdvance(text) < grid->columnWidth(column), qPrintable(text));
  }
  QVERIFY(grid->verticalHeader()->width() >
          grid->verticalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("1500")));
  const QString folder = qEnvironmentVariable("PFEDIT_SCREENSHOT_DIR");
  if (folder.isEmpty()) return;
  const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
  QVERIFY(f.view.grab().save(folder + QStringLiteral("/main_window_x") + scale +
                             QStringLiteral(".png")));
}

QTEST_MAIN(MainWindowViewTest)
#include "main_window_view_test.moc"
