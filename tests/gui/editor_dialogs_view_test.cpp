// The folder and functional list code dialogs as the user sees them.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "core/editor_state.h"
#include "editor/frm_folder.h"
#include "editor/frm_func.h"
#include "gui/qt_desktop.h"
#include "view_test_support.h"

namespace pfedit::gui {
namespace {

using test::Control;
using test::WhenShown;

void Touch(const QString& path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class EditorDialogsViewTest : public QObject {
  Q_OBJECT

 private slots:
  // OK follows the folder shown: on in the folder with the catalogue, off in
  // one that holds it only in capitals. Enter in the tree opens a folder and
  // does not press OK.
  void folderChooserOkFollowsTheRule() {
    QTemporaryDir top;
    QVERIFY(top.isValid());
    QDir(top.path()).mkpath(QStringLiteral("caps"));
    QDir(top.path()).mkpath(QStringLiteral("edit"));
    Touch(top.filePath(QStringLiteral("caps/TARVO_PARAM.VFD")));
    Touch(top.filePath(QStringLiteral("edit/tarvo_param.vfd")));
    Touch(top.filePath(QStringLiteral("edit/model_a.vfd")));
    EditorState state;
    state.EditFolder = QFile::encodeName(top.filePath(QStringLiteral("caps"))).toStdString();
    QtDesktop desktop;
    editor::frmFolder form(state, desktop, editor::RealFolderLister());
    form.Form_Load({"", "pfedit"});

    bool ok_in_caps = true, ok_in_edit = false;
    QStringList files;
    WhenShown([&](QDialog& dialog) {
      auto* ok = Control<QPushButton>(dialog, "CmdOK");
      auto* tree = Control<QTreeWidget>(dialog, "dirList");
      auto* list = Control<QListWidget>(dialog, "filList");
      QVERIFY(ok && tree && list && Control<QComboBox>(dialog, "drvList") &&
              Control<QLabel>(dialog, "lblMes"));
      ok_in_caps = ok->isEnabled();
      // Up to the parent (the line above the current one), then into "edit".
      tree->setCurrentItem(tree->itemAbove(tree->currentItem()));
      QTest::keyClick(tree, Qt::Key_Return);
      const auto found =
          tree->findItems(QStringLiteral("edit"), Qt::MatchExactly | Qt::MatchRecursive);
      QCOMPARE(found.size(), 1);
      tree->setCurrentItem(found.front());
      QTest::keyClick(tree, Qt::Key_Return);
      QVERIFY(dialog.isVisible());
      ok_in_edit = ok->isEnabled();
      for (int i = 0; i < list->count(); ++i) files << list->item(i)->text();
      ok->click();
    });
    desktop.RunModal(form);
    QVERIFY(!ok_in_caps);
    QVERIFY(ok_in_edit);
    QCOMPARE(files,
             (QStringList{QStringLiteral("model_a.vfd"), QStringLiteral("tarvo_param.vfd")}));
    QVERIFY(form.Accepted());
    QCOMPARE(QFile::decodeName(QByteArray::fromStdString(state.EditFolder)),
             top.filePath(QStringLiteral("edit")));
  }

  // Every box is named as its control; the short layout shows twelve; a
  // click shows the new code, and OK returns it.
  void funcCodeBoxesByNameAndCode() {
    for (const int16_t layout : {int16_t{1}, int16_t{3}}) {
      EditorState state;
      QtDesktop desktop;
      editor::frmFunc form(state, desktop);
      form.Form_Load("12", 0x0011, layout, 0x05700050);
      int shown = 0;
      QString code;
      WhenShown([&](QDialog& dialog) {
        for (int bit = 0; bit < editor::kFuncBits; ++bit) {
          const QByteArray name = "chkFunc_" + QByteArray::number(bit);
          auto* box = Control<QCheckBox>(dialog, name.constData());
          QVERIFY(box != nullptr);
          shown += box->isVisible() ? 1 : 0;
        }
        Control<QCheckBox>(dialog, "chkFunc_1")->click();
        code = Control<QLabel>(dialog, "lblFuncCode")->text();
        Control<QPushButton>(dialog, "CmdOK")->click();
      });
      desktop.RunModal(form);
      QCOMPARE(shown, layout == 1 ? 16 : 12);
      QCOMPARE(code, QStringLiteral("0013"));
      QVERIFY(form.Accepted());
      QCOMPARE(form.Code(), 0x0013u);
    }
  }
};

}  // namespace pfedit::gui

QTEST_MAIN(pfedit::gui::EditorDialogsViewTest)
#include "editor_dialogs_view_test.moc"
