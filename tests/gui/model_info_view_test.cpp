// The model information and rated capacity views: they show the logic's
// state, pass typed keys through its filters, and close only as it says.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "gui/qt_desktop.h"
#include "models/frm_capa.h"
#include "models/frm_model_info.h"
#include "models/model_info_sample.h"
#include "support/scripted_desktop_lite.h"
#include "view_test_support.h"

namespace pfedit::gui {
namespace {

using test::Control;
using test::FocusName;
using test::WhenShown;

EditorState MenuState() {
  EditorState state;
  state.Buffer.EditModel = models::test::FourCurrentModel();
  state.EditMode = kEditModeEdit;
  state.EditCapacityClass = kClassSmall;
  return state;
}

}  // namespace

class ModelInfoViewTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheModelAndCancelChangesNothing() {
    EditorState state = MenuState();
    QtDesktop desktop;
    QString shown;
    WhenShown([&](QDialog& dialog) {
      auto* options = Control<QTableView>(dialog, "sprOption");
      shown =
          QStringList{
              dialog.objectName(),
              dialog.windowTitle(),
              Control<QLabel>(dialog, "lblInv")->text(),
              Control<QLabel>(dialog, "lblSpe")->text(),
              QString::number(Control<QLineEdit>(dialog, "txtSpe")->isVisibleTo(&dialog)),
              QString::number(Control<QCheckBox>(dialog, "chkUsb")->isChecked()),
              Control<QCheckBox>(dialog, "chkRs485")->accessibleName(),
              Control<QTableView>(dialog, "sprRatCurr")->model()->index(1, 0).data().toString(),
              options->model()->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color().name()}
              .join('|');
      Control<QPushButton>(dialog, "cmdCancel")->click();
    });
    QVERIFY(!models::ShowModelInfo(state, desktop, kEditModeEdit));
    QCOMPARE(shown, QStringLiteral("frm_ModelInfo|Model Information Editing|QX-M520|A|0|1|RS485|"
                                   "1.5|#c0c0c0"));
  }

  // Typed keys pass the logic's filter; Enter is OK; a refused OK leaves the
  // dialog open with the focus where the logic put it.
  void typedNameBecomesCapitalsAndRefusalKeepsFocus() {
    EditorState state = MenuState();
    state.EditMode = kEditModeNew;
    pfedit::test::LiteDesktop boxes;
    QtDesktop runner;
    models::frm_ModelInfo form(state, boxes);
    form.Form_Load(kEditModeNew);
    QString typed, focused;
    bool open_after_refusal = false;
    WhenShown([&](QDialog& dialog) {
      auto* name = Control<QLineEdit>(dialog, "txtSpe");
      name->clear();
      name->setFocus();
      QTest::keyClicks(name, "b1");
      typed = name->text();
      name->setText("b-");  // pasted, not typed: refused on OK
      Control<QCheckBox>(dialog, "chkUsb")->setFocus();
      QTest::keyClick(&dialog, Qt::Key_Return);
      open_after_refusal = dialog.isVisible();
      focused = FocusName(dialog);
      name->setText("B");
      Control<QPushButton>(dialog, "CmdOK")->click();
    });
    runner.RunModal(form);
    QCOMPARE(typed, QStringLiteral("B1"));
    QCOMPARE(boxes.messages.size(), std::size_t{1});
    QVERIFY(open_after_refusal);
    QCOMPARE(focused, QStringLiteral("txtSpe"));
    QVERIFY(form.Accepted());
  }

  void capacityBoxesTakeNumbersOnlyAndOkWritesTheTable() {
    EditorState state = MenuState();
    state.CapacityDialogMode = 1;
    TableModel table(models::kRatingColumnCount, 1);
    models::SetRatingRow(table, 1, {"0.4", "2.5", "2.4", "2.3", "2.2", "0.4K"});
    pfedit::test::LiteDesktop boxes;
    QtDesktop runner;
    models::frm_Capa capa(state, boxes, table, true);
    capa.Form_Load();
    QString typed, focus_after_refusal;
    WhenShown([&](QDialog& dialog) {
      auto* capacity = Control<QLineEdit>(dialog, "txtInvCap");
      capacity->setFocus();
      QTest::keyClicks(capacity, "1a-5");
      typed = capacity->text();
      for (const char* box : {"txtCurr_SLD", "txtCurr_LD", "txtCurr_ND", "txtCurr_HD"}) {
        QTest::keyClicks(Control<QLineEdit>(dialog, box), "9");
      }
      Control<QPushButton>(dialog, "CmdOK")->click();  // no type name
      focus_after_refusal = dialog.isVisible() ? FocusName(dialog) : QString();
      QTest::keyClicks(Control<QLineEdit>(dialog, "txtInvType"), "15K");
      Control<QPushButton>(dialog, "CmdOK")->click();
    });
    runner.RunModal(capa);
    QCOMPARE(typed, QStringLiteral("15"));
    QCOMPARE(focus_after_refusal, QStringLiteral("txtInvType"));
    QVERIFY(capa.Accepted());
    QCOMPARE(std::string(table.Text(6, 2)), std::string("15K"));
  }

  void oneCurrentLayoutHidesThreeRowsAndEscapeCancels() {
    EditorState state = MenuState();
    state.CapacityDialogMode = 1;
    TableModel table(models::kRatingColumnCount, 0);
    pfedit::test::LiteDesktop boxes;
    QtDesktop runner;
    models::frm_Capa capa(state, boxes, table, false);
    capa.Form_Load();
    bool ld_shown = true;
    WhenShown([&](QDialog& dialog) {
      ld_shown = Control<QLineEdit>(dialog, "txtCurr_LD")->isVisibleTo(&dialog);
      QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    runner.RunModal(capa);
    QVERIFY(!ld_shown);
    QVERIFY(capa.Closed() && !capa.Accepted());
  }
};

}  // namespace pfedit::gui

QTEST_MAIN(pfedit::gui::ModelInfoViewTest)
#include "model_info_view_test.moc"
