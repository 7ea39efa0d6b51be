// The model information and rated capacity views: they show the logic's
// state, pass typed keys through its filters, and close only as it says.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "gui/dialog_views.h"
#include "gui/table/table_view.h"
#include "models/frm_capa.h"
#include "models/frm_model_info.h"

namespace pfedit::gui {
namespace {

// Shows the real views but answers every message box with OK, recording it.
class QuietDesktop final : public Desktop {
 public:
  QuietDesktop() { RegisterEditorDialogs(views_); }
  Answer ShowMessage(const MessageBox& box) override {
    messages.push_back(box.message);
    return Answer::kOk;
  }
  void SetWaitCursor(bool) override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
  std::string ChooseFile(const FileDialogRequest&) override { return {}; }
  bool OpenHelp(const std::string&) override { return true; }
  void RunModal(DialogLogic& dialog) override { views_.Run(dialog, nullptr); }
  void ShowPopupMenu(PopupMenu, int, int) override {}

  std::vector<int> messages;

 private:
  DialogViews views_;
};

ModelRecord Model() {
  ModelRecord m;
  m.ModelName = "QX-M520-A";
  m.ModelCode1 = "0x07000000";
  m.ModelCode2 = "0x00010000";
  m.ModelCode5 = "0x80410000";
  m.ComResource = "110";
  m.ParamFile = "qx_m520_a01-a.vfd";
  m.Capacity = {"0.4", "1.5", "75"};
  m.Current01 = {"2.5", "8", "150"};
  m.Current02 = {"2.4", "7", "140"};
  m.Current03 = {"2.3", "6", "130"};
  m.Current04 = {"2.2", "5", "120"};
  m.TypeName = {"0.4K", "1.5K", "75K"};
  m.OptionXX = {"QX-K9PL", "QX-K9NC", "X"};
  m.Option01 = {"X"};
  m.Option02 = {"QX-K9PL", "X"};
  m.OptionSlotCnt = "3";
  return m;
}

EditorState MenuState() {
  EditorState state;
  state.Buffer.EditModel = Model();
  state.EditMode = kEditModeEdit;
  state.EditCapacityClass = kClassSmall;
  return state;
}

// Plays the user once the modal dialog is up; a dialog left open is closed
// by force, so a failing test cannot hang.
void WhenShown(std::function<void(QDialog&)> step) {
  QTimer::singleShot(0, [step = std::move(step)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    step(*dialog);
    if (dialog->isVisible()) dialog->done(0);
  });
}

template <typename Widget>
Widget* Find(QWidget& dialog, const char* name) {
  auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) qWarning("no control %s", name);
  return widget;
}

// With PFEDIT_GRAB_DIR set, saves a picture of the dialog for a human eye.
void Grab(QDialog& dialog, const char* name) {
  const QByteArray folder = qgetenv("PFEDIT_GRAB_DIR");
  if (folder.isEmpty()) return;
  const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
  // The offscreen screen is small; a real desktop gives the dialog its size.
  dialog.resize(dialog.sizeHint().expandedTo(dialog.size()));
  dialog.grab().save(QString::fromLocal8Bit(folder) + "/" + name + "_" +
                     (scale.isEmpty() ? QByteArray("1") : scale) + ".png");
}

}  // namespace

class ModelInfoViewTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheModelAndCancelChangesNothing() {
    EditorState state = MenuState();
    state.Buffer.EditModel.OptionSlotCnt = "3";
    QuietDesktop desktop;
    QString title, base, special, greyed, capacity;
    bool usb = false, name_box_shown = true, accessible = false;
    WhenShown([&](QDialog& dialog) {
      Grab(dialog, "model_info");
      title = dialog.objectName() + " " + dialog.windowTitle();
      base = Find<QLabel>(dialog, "lblInv")->text();
      special = Find<QLabel>(dialog, "lblSpe")->text();
      name_box_shown = Find<QLineEdit>(dialog, "txtSpe")->isVisibleTo(&dialog);
      usb = Find<QCheckBox>(dialog, "chkUsb")->isChecked();
      accessible = Find<QCheckBox>(dialog, "chkRs485")->accessibleName() == "RS485";
      auto* ratings = Find<QTableView>(dialog, "sprRatCurr");
      capacity = ratings->model()->index(1, 0).data().toString();
      auto* options = Find<QTableView>(dialog, "sprOption");
      greyed =
          options->model()->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color().name();
      Find<QPushButton>(dialog, "cmdCancel")->click();
    });
    const bool accepted = ShowModelInfo(state, desktop, kEditModeEdit);
    QCOMPARE(title, QStringLiteral("frm_ModelInfo Model Information Editing"));
    QCOMPARE(base, QStringLiteral("QX-M520"));
    QCOMPARE(special, QStringLiteral("A"));
    QVERIFY(!name_box_shown);
    QVERIFY(usb);
    QVERIFY(accessible);
    QCOMPARE(capacity, QStringLiteral("1.5"));
    QCOMPARE(greyed, QStringLiteral("#c0c0c0"));
    QVERIFY(!accepted);
    QCOMPARE(state.Buffer.EditModel.ModelName, std::string("QX-M520-A"));
  }

  void typedNameBecomesCapitalsAndRefusalKeepsFocus() {
    EditorState state = MenuState();
    state.EditMode = kEditModeNew;
    QuietDesktop desktop;
    QString typed;
    bool open_after_refusal = false;
    QString focused;
    WhenShown([&](QDialog& dialog) {
      Grab(dialog, "model_info_new");
      auto* name = Find<QLineEdit>(dialog, "txtSpe");
      name->clear();
      name->setFocus();
      QTest::keyClicks(name, "b1");
      typed = name->text();
      for (const char* box : {"chkUsb", "chkRs485", "chkPu"}) {
        Find<QCheckBox>(dialog, box)->setChecked(false);
      }
      Find<QCheckBox>(dialog, "chkUsb")->setFocus();
      QTest::keyClick(&dialog, Qt::Key_Return);  // Enter is OK: refused, 1071
      Find<QCheckBox>(dialog, "chkPu")->setChecked(true);
      name->setText("b-");  // pasted, not typed: refused on OK with 1078
      Find<QPushButton>(dialog, "CmdOK")->click();
      open_after_refusal = dialog.isVisible();
      focused = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
      name->setText("B");
      Find<QPushButton>(dialog, "CmdOK")->click();
    });
    QVERIFY(ShowModelInfo(state, desktop, kEditModeNew));
    QCOMPARE(typed, QStringLiteral("B1"));
    QVERIFY(open_after_refusal);
    QCOMPARE(focused, QStringLiteral("txtSpe"));
    QCOMPARE(desktop.messages, (std::vector<int>{1071, 1078}));
    QCOMPARE(state.Buffer.EditModel.ModelName, std::string("QX-M520-B"));
    QCOMPARE(state.Buffer.EditModel.ComResource, std::string("001"));
  }

  void capacityBoxesTakeNumbersOnlyAndOkWritesTheTable() {
    EditorState state = MenuState();
    state.CapacityDialogMode = 1;
    TableModel table(kRatingColumnCount, 1);
    SetRatingRow(table, 1, {"0.4", "2.5", "2.4", "2.3", "2.2", "0.4K"});
    QuietDesktop desktop;
    frm_Capa capa(state, desktop, table, true);
    capa.Form_Load();
    QString typed, focus_after_refusal;
    bool open_after_refusal = false;
    WhenShown([&](QDialog& dialog) {
      Grab(dialog, "capa");
      auto* capacity = Find<QLineEdit>(dialog, "txtInvCap");
      capacity->setFocus();
      QTest::keyClicks(capacity, "1a-5");
      typed = capacity->text();
      for (const char* box : {"txtCurr_SLD", "txtCurr_LD", "txtCurr_ND", "txtCurr_HD"}) {
        QTest::keyClicks(Find<QLineEdit>(dialog, box), "9");
      }
      Find<QPushButton>(dialog, "CmdOK")->click();  // no type name
      open_after_refusal = dialog.isVisible();
      focus_after_refusal = dialog.focusWidget()->objectName();
      QTest::keyClicks(Find<QLineEdit>(dialog, "txtInvType"), "15K");
      Find<QPushButton>(dialog, "CmdOK")->click();
    });
    desktop.RunModal(capa);
    QCOMPARE(typed, QStringLiteral("15"));
    QVERIFY(open_after_refusal);
    QCOMPARE(focus_after_refusal, QStringLiteral("txtInvType"));
    QVERIFY(capa.Accepted());
    QCOMPARE(table.RowCount(), 2);
    QCOMPARE(table.Text(1, 2), std::string("15"));
    QCOMPARE(table.Text(6, 2), std::string("15K"));
  }

  void oneCurrentLayoutHidesThreeRows() {
    EditorState state = MenuState();
    state.CapacityDialogMode = 1;
    TableModel table(kRatingColumnCount, 0);
    QuietDesktop desktop;
    frm_Capa capa(state, desktop, table, false);
    capa.Form_Load();
    bool ld_shown = true;
    QString caption;
    WhenShown([&](QDialog& dialog) {
      Grab(dialog, "capa_one_current");
      ld_shown = Find<QLineEdit>(dialog, "txtCurr_LD")->isVisibleTo(&dialog);
      caption = Find<QLabel>(dialog, "lblCurr_SLD")->text();
      QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    desktop.RunModal(capa);
    QVERIFY(!ld_shown);
    QCOMPARE(caption, QStringLiteral("Rated &Current"));
    QVERIFY(capa.Closed() && !capa.Accepted());
  }
};

}  // namespace pfedit::gui

QTEST_MAIN(pfedit::gui::ModelInfoViewTest)
#include "model_info_view_test.moc"
