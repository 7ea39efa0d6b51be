// The editor used end to end as a user would: the real main window and the
// real Qt desktop over a copy of the sample folder, every dialog and box
// answered through its own widgets, and the files on disk checked afterwards.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <deque>
#include <functional>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "core/editor_state.h"
#include "core/message_ids.h"
#include "core/messages.h"
#include "editor/frm_pr_file_edit.h"
#include "editor/grid_layout.h"
#include "editor/parameter_file_io.h"
#include "gui/main_window_view.h"
#include "gui/qt_desktop.h"
#include "gui/table/table_adapter.h"
#include "gui/table/table_view.h"
#include "gui/text_codec.h"
#include "support/scripted_desktop_lite.h"
#include "view_test_support.h"

namespace pfedit::gui {
namespace {

using editor::MenuItem;
using test::Control;

// Plays the user on every modal window a command opens, in order. Each step
// names the window it expects (a form by its name, a box by its message, a
// file dialog) and answers it through its widgets. A window nobody expected,
// or one its step left open, fails the walk and is closed, so that the test
// cannot hang.
class User {
 public:
  using Answer = std::function<void(QWidget&)>;

  void Form(const char* name, Answer answer) {
    const QString form = QString::fromLatin1(name);
    steps_.push_back(
        {form, [form](QWidget& w) { return w.objectName() == form; }, std::move(answer)});
  }
  void Box(MessageId message, QMessageBox::StandardButton button) {
    const QString text = FromAnsi(GetMessageText(message));
    steps_.push_back(
        {QStringLiteral("box %1").arg(message),
         [text](QWidget& w) {
           auto* box = qobject_cast<QMessageBox*>(&w);
           return box != nullptr && box->text().contains(text);
         },
         [button](QWidget& w) { static_cast<QMessageBox&>(w).button(button)->click(); }});
  }
  void File(const QString& path) {
    steps_.push_back({QStringLiteral("file dialog"),
                      [](QWidget& w) { return qobject_cast<QFileDialog*>(&w) != nullptr; },
                      [path](QWidget& w) {
                        auto& dialog = static_cast<QFileDialog&>(w);
                        dialog.selectFile(path);
                        static_cast<QDialog&>(dialog).accept();  // as the Open button does
                      }});
  }

  User() {
    poll_.setSingleShot(true);
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
  }

  // Picks the menu item and answers the windows its command opens; false,
  // with the reason in the log, unless every step was played as expected.
  bool Choose(MainWindowView& view, MenuItem item) {
    poll_.start();
    view.Action(item)->trigger();
    poll_.stop();
    for (const Step& step : steps_) problems_ << QStringLiteral("never shown: ") + step.what;
    steps_.clear();
    const bool played = problems_.isEmpty();
    if (!played) qWarning("%s", qPrintable(problems_.join(QStringLiteral("; "))));
    problems_.clear();
    return played;
  }

 private:
  struct Step {
    QString what;
    std::function<bool(QWidget&)> matches;
    Answer answer;
  };

  // Looks for a new modal window now and then while the command runs. The
  // next look is armed first, so that a window a step opens is answered too.
  void Poll() {
    poll_.start();
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || !window->isVisible()) return;
    for (const QPointer<QWidget>& seen : answered_) {
      if (seen == window) return;
    }
    answered_.emplace_back(window);
    if (steps_.empty() || !steps_.front().matches(*window)) {
      problems_ << QStringLiteral("unexpected %1 \"%2\" (%3)")
                       .arg(QString::fromLatin1(window->metaObject()->className()),
                            window->objectName(), window->windowTitle());
      if (auto* box = qobject_cast<QMessageBox*>(window)) problems_.last() += box->text();
      Close(window);
      return;
    }
    const Step step = steps_.front();
    steps_.pop_front();
    Grab(*window);
    step.answer(*window);
    if (window->isVisible()) {
      problems_ << step.what + QStringLiteral(" stayed open");
      Close(window);
    }
  }

  static void Close(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
      dialog->done(0);
    } else {
      window->close();
    }
  }

  // With PFEDIT_GRAB_DIR set, each form as first shown is kept for a look.
  static void Grab(QWidget& window) {
    const QString folder = qEnvironmentVariable("PFEDIT_GRAB_DIR");
    if (folder.isEmpty() || window.objectName().isEmpty()) return;
    window.grab().save(QDir(folder).filePath(window.objectName() + QStringLiteral(".png")));
  }

  std::deque<Step> steps_;
  std::vector<QPointer<QWidget>> answered_;
  QStringList problems_;
  QTimer poll_;
};

bool CopyFolder(const QString& from, const QString& to) {
  if (!QDir().mkpath(to)) return false;
  for (const QString& name : QDir(from).entryList(QDir::Files)) {
    if (!QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name))) return false;
  }
  return true;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Opens the folders from the drive down to `target` one by one in the folder
// dialog's tree, as a user does with Enter, then presses OK.
void ChooseFolder(QWidget& dialog, const QString& target) {
  auto* tree = Control<QTreeWidget>(dialog, "dirList");
  QStringList chain;
  for (QDir dir(target);; dir.cdUp()) {
    chain.prepend(dir.absolutePath());
    if (dir.isRoot()) break;
  }
  for (const QString& folder : chain) {
    QTreeWidgetItem* line = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
      if (QDir::cleanPath((*it)->toolTip(0)) == folder) line = *it;
    }
    QVERIFY2(line != nullptr, qPrintable(folder));
    tree->setCurrentItem(line);
    QTest::keyClick(tree, Qt::Key_Return);
  }
  Control<QPushButton>(dialog, "CmdOK")->click();
}

// Clicks the line of a model list that shows `name`.
void ClickModel(QWidget& dialog, const QString& name) {
  auto* list = Control<TableView>(dialog, "sprModelList");
  const QModelIndexList found =
      list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
  QVERIFY2(!found.isEmpty(), qPrintable(name));
  list->scrollTo(found.front());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(found.front()).center());
}

// The editor as started by the program, over two copies of the sample folder.
struct Editor {
  Editor() {
    // A help file keeps start-up free of the box about a missing one.
    QDir(program.path()).mkpath(QStringLiteral("en/help"));
    QFile(program.filePath(QStringLiteral("en/help/dorvien.chm"))).open(QIODevice::WriteOnly);
    copied = CopyFolder(QStringLiteral(PFEDIT_SAMPLE_DIR), first) &&
             CopyFolder(QStringLiteral(PFEDIT_SAMPLE_DIR), second);
    desktop.SetOwner(&view);
    form.Form_Load(program.path().toStdString());
    view.Render();
    view.resize(1000, 640);
    view.show();
  }
  // File > Folder to `folder`.
  bool OpenFolder(const QString& folder) {
    user.Form("frmFolder", [folder](QWidget& dialog) { ChooseFolder(dialog, folder); });
    return Choose(MenuItem::mnuFileFolder);
  }
  bool Choose(MenuItem item) { return user.Choose(view, item); }
  // The model selection dialog: the line of `model`, then OK.
  void ExpectSelection(const QString& model) {
    user.Form("frmModelEdit", [model](QWidget& dialog) {
      ClickModel(dialog, model);
      Control<QPushButton>(dialog, "CmdOK")->click();
    });
  }
  // The model information dialog of New: the special name typed, then OK.
  void ExpectSpecialName(const QString& name) {
    user.Form("frm_ModelInfo", [name](QWidget& dialog) {
      auto* box = Control<QLineEdit>(dialog, "txtSpe");
      box->setFocus();
      QTest::keyClicks(box, name);
      Control<QPushButton>(dialog, "CmdOK")->click();
    });
  }
  // Types a new name over the first row's by keyboard, as in a spreadsheet:
  // the first key starts the edit, Enter ends it.
  bool RetypeFirstName(const QString& name) {
    view.activateWindow();
    if (!QTest::qWaitForWindowActive(&view)) return false;
    TableView* grid = view.Grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->Adapter()->index(0, editor::kColName - 1));
    QTest::keyClicks(grid, name.left(1));
    if (!grid->Editing()) return false;
    QTest::keyClicks(QApplication::focusWidget(), name.mid(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // The grid hands the text to its rules once the editor has closed.
    return QTest::qWaitFor([&] {
      return !grid->Editing() && form.sprParaList.Text(editor::kColName, 1) == ToAnsi(name);
    });
  }
  // The check's boxes that every Save or Export of a list starts with.
  void ExpectCheckPassed() {
    user.Box(msg::kRunningCheck, QMessageBox::Ok);
    user.Box(msg::kNoError, QMessageBox::Ok);
  }

  QTemporaryDir program;
  QTemporaryDir work;
  const QString first = work.filePath(QStringLiteral("first"));
  const QString second = work.filePath(QStringLiteral("second"));
  bool copied = false;
  EditorState state;
  QtDesktop desktop;
  editor::frmPrFileEdit form{state, desktop, '.'};
  MainWindowView view{form};
  User user;
};

}  // namespace

class WalkthroughTest : public QObject {
  Q_OBJECT

 private slots:
  // Folder, Edit a model, retype a name in the grid, Save: the file holds
  // the new name and every other byte as it was.
  void editedNameReachesTheParameterFile() {
    Editor e;
    QVERIFY(e.copied);
    QVERIFY(e.OpenFolder(e.first));
    QCOMPARE(e.view.findChild<QLabel*>(QStringLiteral("lblFilePass"))->text(), e.first);

    e.ExpectSelection(QStringLiteral("QX-M520-A1"));
    QVERIFY(e.Choose(MenuItem::mnuModelEdit));
    QVERIFY(e.view.windowTitle().contains(QStringLiteral("QX-M520-A1")));
    QVERIFY(e.RetypeFirstName(QStringLiteral("Walk speed")));
    QVERIFY(e.view.Action(MenuItem::mnuFileSave)->isEnabled());

    // Enter where the list position dialog opens keeps the entry in place.
    const ModelCatalogue before = e.state.Catalogue;
    e.ExpectCheckPassed();
    e.user.Form("frmModelAdd",
                [](QWidget& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_Return); });
    e.user.Box(msg::kConfirmOverwrite, QMessageBox::Yes);
    QVERIFY(e.Choose(MenuItem::mnuFileSave));
    QVERIFY(!e.view.Action(MenuItem::mnuFileSave)->isEnabled());
    const CatalogueReadResult read =
        ReadCatalogueFile(CatalogueFilePath(e.first.toStdString()), '.');
    QCOMPARE(read.models.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      QCOMPARE(read.models[i].ModelName, before[i].ModelName);
    }

    // Every record the grid showed comes back byte for byte but the renamed
    // one; the records hidden by their display code are not part of the list
    // that Save rebuilds from the grid.
    const QString file = QStringLiteral("/qx_m520_a01-a1.vfd");
    pfedit::test::LiteDesktop quiet;
    EditorState original;
    QCOMPARE(ReadParameterFile(original, quiet, PFEDIT_SAMPLE_DIR + file.toStdString()), kStatusOk);
    const QList<QByteArray> lines = Contents(QStringLiteral(PFEDIT_SAMPLE_DIR) + file).split('\n');
    QByteArray expected;
    for (std::size_t i = 0; i < original.Buffer.ParameterList.size(); ++i) {
      const std::string& display_code = original.Buffer.ParameterList[i].DisplayCode;
      if (display_code == "0" || display_code == "256") expected += lines[int(i)] + '\n';
    }
    expected.replace("0,Maximum output frequency,", "0,Walk speed,");
    QCOMPARE(Contents(e.first + file), expected);
    EditorState fresh;
    QCOMPARE(ReadParameterFile(fresh, quiet, (e.first + file).toStdString()), kStatusOk);
    QCOMPARE(fresh.Buffer.ParameterList.front().ParamName, std::string("Walk speed"));
  }

  // New from a base model, named in the model information dialog, placed
  // second in the list position dialog: the catalogue on disk has it there.
  void newModelLandsAtTheChosenPosition() {
    Editor e;
    QVERIFY(e.copied);
    QVERIFY(e.OpenFolder(e.first));
    const ModelCatalogue before = e.state.Catalogue;

    e.ExpectSelection(QStringLiteral("QX-A740"));
    e.ExpectSpecialName(QStringLiteral("w7"));
    QVERIFY(e.Choose(MenuItem::mnuModelNewMaking));
    const ModelRecord made = e.state.Buffer.EditModel;
    QVERIFY(!made.ModelName.empty());
    QVERIFY(e.view.windowTitle().contains(FromAnsi(made.ModelName)));

    e.ExpectCheckPassed();
    QString placed;
    e.user.Form("frmModelAdd", [&placed](QWidget& dialog) {
      auto* upper = Control<QPushButton>(dialog, "cmdUpper");
      auto* list = Control<TableView>(dialog, "sprModelList");
      for (int row = list->currentIndex().row(); row > 1; --row) upper->click();
      placed = list->model()->index(1, 0).data().toString();
      Control<QPushButton>(dialog, "CmdOK")->click();
    });
    QVERIFY(e.Choose(MenuItem::mnuFileSave));
    QCOMPARE(placed, FromAnsi(made.ModelName));

    const CatalogueReadResult read =
        ReadCatalogueFile(CatalogueFilePath(e.first.toStdString()), '.');
    QCOMPARE(read.status, kStatusOk);
    QCOMPARE(read.models.size(), before.size() + 1);
    QCOMPARE(read.models[1].ModelName, made.ModelName);
    QCOMPARE(read.models[0].ModelName, before[0].ModelName);
    QCOMPARE(read.models[2].ModelName, before[1].ModelName);
    QVERIFY(QFile::exists(QDir(e.first).filePath(FromAnsi(made.ParamFile))));
  }

  // A new model with a retyped name, exported from one folder and imported
  // into another, then saved there: the second folder's catalogue gains the
  // model and its parameter file holds the exported records.
  void exportedModelImportsIntoAnotherFolder() {
    Editor e;
    QVERIFY(e.copied);
    QVERIFY(e.OpenFolder(e.first));
    e.ExpectSelection(QStringLiteral("QX-A740"));
    e.ExpectSpecialName(QStringLiteral("w8"));
    QVERIFY(e.Choose(MenuItem::mnuModelNewMaking));
    const ModelRecord made = e.state.Buffer.EditModel;
    QVERIFY(e.RetypeFirstName(QStringLiteral("Moved speed")));

    const QString moved = e.work.filePath(QStringLiteral("moved.vf_"));
    e.ExpectCheckPassed();
    e.user.File(moved);
    QVERIFY(e.Choose(MenuItem::mnuFileExport));
    const QByteArray exported = Contents(moved);
    const int section = exported.indexOf("[Model_1]");
    QVERIFY(section > 0);
    QVERIFY(exported.left(section).contains(",Moved speed,"));

    e.user.Box(msg::kDiscardEditing, QMessageBox::Yes);  // the unsaved new model
    QVERIFY(e.OpenFolder(e.second));
    const ModelCatalogue before = e.state.Catalogue;
    e.user.File(moved);
    QVERIFY(e.Choose(MenuItem::mnuFileImport));
    QVERIFY(e.view.windowTitle().contains(FromAnsi(made.ModelName)));
    e.ExpectCheckPassed();
    e.user.Form("frmModelAdd",
                [](QWidget& dialog) { Control<QPushButton>(dialog, "CmdOK")->click(); });
    QVERIFY(e.Choose(MenuItem::mnuFileSave));

    const CatalogueReadResult read =
        ReadCatalogueFile(CatalogueFilePath(e.second.toStdString()), '.');
    QCOMPARE(read.status, kStatusOk);
    QCOMPARE(read.models.size(), before.size() + 1);
    QCOMPARE(read.models.back().ModelName, made.ModelName);
    QCOMPARE(Contents(QDir(e.second).filePath(FromAnsi(made.ParamFile))), exported.left(section));
  }
};

}  // namespace pfedit::gui

QTEST_MAIN(pfedit::gui::WalkthroughTest)
#include "walkthrough_test.moc"
