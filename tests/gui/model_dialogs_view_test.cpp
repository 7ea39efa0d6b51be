// The model selection and list position views render their logic and
// forward the user's actions to it.

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/editor_state.h"
#include "core/value_tables.h"
#include "gui/qt_desktop.h"
#include "gui/table/table_adapter.h"
#include "gui/table/table_view.h"
#include "models/frm_model_add.h"
#include "models/frm_model_edit.h"
#include "support/scripted_desktop_lite.h"
#include "view_test_support.h"

namespace pfedit::gui {
namespace {

using test::Control;
using test::FocusName;
using test::WhenShown;

ModelRecord Model(const char* name, const char* code5, const char* file, TextList capacities) {
  ModelRecord model;
  model.ModelName = name;
  model.ModelCode1 = "0x05000000";
  model.ModelCode5 = code5;
  model.ParamFile = file;
  model.Capacity = std::move(capacities);
  model.CapacityClass = CapacityClassOf(model.Capacity);
  return model;
}

ModelCatalogue Catalogue() {
  return {Model("QX-M520-A1", "0x80413100", "qx_m520_a01-a1.vfd", {"0.4", "55", "75"}),
          Model("QX-N540-B", "0x80420000", "qx_n540_a01-b.vfd", {"75"}),
          Model("QX-M520-<b>A&B</b>", "0x80414200", "qx_m520_a01-ab.vfd", {"0.4"})};
}

void ClickRow(TableView* list, int row) {
  list->setCurrentIndex(list->model()->index(row - 1, 0));
  QCoreApplication::processEvents();
}

}  // namespace

class ModelDialogsViewTest : public QObject {
  Q_OBJECT

 private slots:
  void selectionShowsTheLogicAndFollowsTheRowTheUserPicks() {
    QTemporaryDir folder;
    QFile(folder.filePath("qx_n540l_a01-b.vfd")).open(QIODevice::WriteOnly);
    EditorState state;
    state.Catalogue = Catalogue();
    state.EditFolder = folder.path().toStdString();
    pfedit::test::LiteDesktop boxes;
    QtDesktop desktop;
    models::frmModelEdit form(state, boxes);
    form.Form_Load(models::kSelectForNew);
    QString title, focus, accessible, cell;
    bool small_enabled_first = false, small_enabled_second = true;
    WhenShown([&](QDialog& dialog) {
      title = dialog.windowTitle();
      focus = FocusName(dialog);
      auto* list = Control<TableView>(dialog, "sprModelList");
      cell = list->model()->index(2, 0).data().toString();
      accessible = Control<QRadioButton>(dialog, "opCapa_1")->accessibleName() + "|" +
                   Control<QLabel>(dialog, "lblCapa_0")->accessibleName() + "|" +
                   list->accessibleName();
      small_enabled_first = Control<QRadioButton>(dialog, "opCapa_1")->isEnabled();
      ClickRow(list, 2);
      small_enabled_second = Control<QRadioButton>(dialog, "opCapa_1")->isEnabled();
      Control<QPushButton>(dialog, "CmdOK")->click();
    });
    desktop.RunModal(form);
    QCOMPARE(title, QStringLiteral("New"));
    QCOMPARE(focus, QStringLiteral("sprModelList"));
    QCOMPARE(cell, QStringLiteral("QX-M520-<b>A&B</b>"));
    QCOMPARE(accessible, QStringLiteral("Small Capacity|(Inverter Capacity exceeding 55K)|"
                                        "Inverter Type"));
    QVERIFY(small_enabled_first);
    QVERIFY(!small_enabled_second);
    QVERIFY(form.Accepted());
  }

  void selectionStaysOpenOnARefusedOkAndCancels() {
    EditorState state;
    state.Catalogue = Catalogue();
    state.EditFolder = QDir::tempPath().toStdString() + "/pfedit-no-such-folder";
    pfedit::test::LiteDesktop boxes;
    QtDesktop desktop;
    models::frmModelEdit form(state, boxes);
    form.Form_Load(models::kSelectForEdit);
    bool open_after_refusal = false;
    QString small_option;
    WhenShown([&](QDialog& dialog) {
      Control<QRadioButton>(dialog, "opCapa_1")->click();
      small_option = Control<QRadioButton>(dialog, "opCapa_1")->isChecked() ? "ticked" : "";
      // Enter in the list is OK, as everywhere in the dialog.
      QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
      open_after_refusal = dialog.isVisible();
      Control<QPushButton>(dialog, "cmdCancel")->click();
    });
    desktop.RunModal(form);
    QCOMPARE(small_option, QStringLiteral("ticked"));
    QCOMPARE(boxes.messages, std::vector<int>{msg::kParamFileMissing});
    QVERIFY(open_after_refusal);
    QVERIFY(form.Closed());
    QVERIFY(!form.Accepted());
  }

  void positionShowsTheEntryBeingPlacedAndMovesItWithTheButtons() {
    EditorState state;
    state.Catalogue = Catalogue();
    state.Buffer.EditModel = state.Catalogue[1];
    QtDesktop desktop;
    models::frmModelAdd form(state);
    form.Form_Load(models::kPlaceEditedModel);
    QString focus, name, moved, accessible;
    QModelIndexList selected_at_start;
    int current_row = 0;
    WhenShown([&](QDialog& dialog) {
      focus = FocusName(dialog);
      name = Control<QLabel>(dialog, "lblModelName_1")->text();
      auto* list = Control<TableView>(dialog, "sprModelList");
      selected_at_start = list->selectionModel()->selectedIndexes();
      Control<QPushButton>(dialog, "cmdUpper")->click();
      moved = list->model()->index(0, 0).data().toString();
      current_row = list->currentIndex().row() + 1;
      accessible = Control<QPushButton>(dialog, "cmdLower")->accessibleName();
      Control<QPushButton>(dialog, "CmdOK")->click();
    });
    desktop.RunModal(form);
    QCOMPARE(focus, QStringLiteral("cmdUpper"));
    QCOMPARE(name, QStringLiteral("QX-N540-B"));
    // The edited model's row stands out from the start.
    QCOMPARE(selected_at_start.size(), 1);
    QCOMPARE(selected_at_start.front().row(), 1);
    QCOMPARE(moved, QStringLiteral("QX-N540-B"));
    QCOMPARE(current_row, 1);
    QCOMPARE(accessible, QStringLiteral("Lower"));
    QVERIFY(form.Accepted());
  }
};

}  // namespace pfedit::gui

QTEST_MAIN(pfedit::gui::ModelDialogsViewTest)
#include "model_dialogs_view_test.moc"
