#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionViewItem>
#include <QTest>
#include <string>
#include <vector>

#include "core/table_model.h"
#include "gui/table/cell_delegates.h"
#include "gui/table/table_adapter.h"
#include "gui/table/table_view.h"
#include "gui/text_codec.h"

namespace pfedit::gui {
namespace {

class RecordingObserver : public TableObserver {
 public:
  std::vector<std::string> log;
  bool swallow_enter = false;
  void OnEditStart(int c, int r) override { Add("edit", c, r); }
  void OnChange(int c, int r) override { Add("change", c, r); }
  void OnLeaveCell(int, int, int c, int r) override { Add("leave", c, r); }
  void OnKeyPress(int16_t& key) override {
    if (swallow_enter && key == kKeyEnter) key = 0;
  }
  void OnRightClick(int c, int r, int, int) override { Add("right", c, r); }
  std::string OnToolTip(int c, int) override { return c == 2 ? "tip\r\nline" : ""; }

 private:
  void Add(const char* what, int c, int r) {
    log.push_back(std::string(what) + " " + std::to_string(c) + " " + std::to_string(r));
  }
};

using Log = std::vector<std::string>;

// Columns: 1 whole number 0..999, 2 text of at most 5, 3 decimal text, 4 list,
// 5 hex code, 6 check box, 7 static.
void SetUpTypedGrid(TableModel& model, int rows) {
  model.SetColumnCount(7);
  model.SetRowCount(rows);
  for (int r = 1; r <= rows; ++r) {
    model.SetType(1, r, CellType::WholeNumber(0, 999));
    model.SetType(2, r, CellType::Text(5, true));
    model.SetType(3, r, CellType::DecimalText(6, ','));
    model.SetType(4, r, CellType::List("0\t1\t16\t32"));
    model.SetType(5, r, CellType::OfKind(CellKind::HexCode));
    model.SetType(6, r, CellType::OfKind(CellKind::CheckBox));
    model.SetType(7, r, CellType::OfKind(CellKind::Static));
    model.SetText(1, r, std::to_string(r));
  }
}

}  // namespace

class TableAdapterTest : public QObject {
  Q_OBJECT

 private slots:
  void ModelTesterAcceptsEveryOperation() {
    TableModel model;
    SetUpTypedGrid(model, 6);
    TableAdapter adapter(model);
    QAbstractItemModelTester tester(&adapter,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const auto same_size = [&] {
      QCOMPARE(adapter.rowCount(), model.RowCount());
      QCOMPARE(adapter.columnCount(), model.ColumnCount());
    };
    model.SetRowCount(9);
    same_size();
    model.SetActiveCell(1, 3);
    model.InsertRow();
    same_size();
    model.DeleteRows(2, 3);
    model.DeleteRows(8, 5);
    same_size();
    model.SortRows(1, 9, {1, 6, 2});
    model.SetSelection({1, 2, 8, 9});
    model.PasteAtSelection("5\tab\r\n6\tcd\r\n7\tef\r\n");
    model.SetSelection({-1, -1, 1, 2});
    model.CutSelection();
    model.SetText(0, 2, "row");
    model.SetText(3, 0, "column");
    model.SetColumnCount(9);
    same_size();
    model.SetColumnCount(3);
    same_size();
    model.SuspendDrawing();
    model.SetRowCount(1500);
    model.SetColumnCount(20);
    model.InsertRow();
    model.ResumeDrawing();
    same_size();
    model.SetRowCount(0);
    same_size();
    model.InsertRow();  // nothing to insert into
    same_size();
  }

  void InsertAndDeleteReportRowMoves() {
    TableModel model(2, 4);
    TableAdapter adapter(model);
    QSignalSpy removed(&adapter, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&adapter, &QAbstractItemModel::rowsInserted);
    model.SetActiveCell(1, 2);
    model.InsertRow();
    // The last row falls off, the new row comes in at the active row.
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed[0][1].toInt(), 3);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted[0][1].toInt(), 1);
    model.DeleteRows(1, 2);
    QCOMPARE(removed[1][1].toInt(), 0);
    QCOMPARE(removed[1][2].toInt(), 1);
    QCOMPARE(inserted[1][1].toInt(), 2);
    QCOMPARE(inserted[1][2].toInt(), 3);
  }

  void SuspendedDrawingResetsOnceOnResume() {
    TableModel model(3, 3);
    TableAdapter adapter(model);
    QSignalSpy about(&adapter, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy reset(&adapter, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&adapter, &QAbstractItemModel::dataChanged);
    model.SuspendDrawing();
    for (int r = 1; r <= 3; ++r) model.SetText(1, r, "x");
    model.SetRowCount(10);
    QCOMPARE(about.size(), 1);
    QCOMPARE(reset.size(), 0);
    model.ResumeDrawing();
    QCOMPARE(reset.size(), 1);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(adapter.rowCount(), 10);
  }

  void DataFollowsCellTypes() {
    TableModel model;
    SetUpTypedGrid(model, 1);
    RecordingObserver observer;
    model.SetObserver(&observer);
    TableAdapter adapter(model);
    model.SetValue(4, 1, 2);
    model.SetValue(6, 1, 1);
    model.SetBackground(1, 1, Colour{0, 255, 255});
    model.SetLocked(1, 1, true);
    model.SetText(2, 0, "Name");
    const auto at = [&](int column) { return adapter.index(0, column - 1); };
    QCOMPARE(at(4).data(Qt::DisplayRole).toString(), QStringLiteral("16"));
    QCOMPARE(at(4).data(Qt::EditRole).toInt(), 2);
    QVERIFY(!at(6).data(Qt::DisplayRole).isValid());
    QCOMPARE(at(6).data(Qt::CheckStateRole).toInt(), static_cast<int>(Qt::Checked));
    QCOMPARE(at(1).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 255));
    QCOMPARE(at(2).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    QCOMPARE(at(2).data(Qt::ToolTipRole).toString(), QStringLiteral("tip\r\nline"));
    QVERIFY(!at(3).data(Qt::ToolTipRole).isValid());
    QCOMPARE(adapter.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
    QCOMPARE(adapter.headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));

    QVERIFY(!(adapter.flags(at(1)) & Qt::ItemIsEditable));  // locked
    QVERIFY(adapter.flags(at(2)) & Qt::ItemIsEditable);
    QVERIFY(adapter.flags(at(6)) & Qt::ItemIsUserCheckable);
    QVERIFY(!(adapter.flags(at(6)) & Qt::ItemIsEditable));
    QVERIFY(!(adapter.flags(at(7)) & Qt::ItemIsEditable));
  }

  void SetDataGoesThroughTheEditPath() {
    TableModel model;
    SetUpTypedGrid(model, 1);
    RecordingObserver observer;
    model.SetObserver(&observer);
    TableAdapter adapter(model);
    QSignalSpy changed(&adapter, &QAbstractItemModel::dataChanged);
    const auto at = [&](int column) { return adapter.index(0, column - 1); };

    QVERIFY(adapter.setData(at(1), QStringLiteral("42")));
    QVERIFY(!adapter.setData(at(1), QStringLiteral("1000")));
    QVERIFY(adapter.setData(at(2), QStringLiteral("caf\u00e9")));
    QVERIFY(!adapter.setData(at(2), QStringLiteral("toolong")));
    QVERIFY(adapter.setData(at(4), 3));
    QVERIFY(!adapter.setData(at(4), 4));
    QVERIFY(adapter.setData(at(6), static_cast<int>(Qt::Checked), Qt::CheckStateRole));
    QVERIFY(!adapter.setData(at(7), QStringLiteral("x")));

    QCOMPARE(model.Text(1, 1), std::string("42"));
    QCOMPARE(model.Text(2, 1), std::string("caf\xE9"));
    QCOMPARE(model.Value(4, 1), 3);
    QCOMPARE(model.Text(4, 1), std::string("32"));
    QCOMPARE(model.Value(6, 1), 1);
    QCOMPARE(observer.log, (Log{"change 1 1", "change 2 1", "change 4 1", "change 6 1"}));
    QCOMPARE(changed.size(), 4);
  }

  void DelegatesCreateTheEditorOfEachType() {
    TableModel model;
    SetUpTypedGrid(model, 1);
    model.SetText(2, 1, "ab");
    model.SetValue(4, 1, 1);
    RecordingObserver observer;
    model.SetObserver(&observer);
    TableView view(model);
    CellDelegate* delegate = view.Delegate();
    const QStyleOptionViewItem option;
    const auto editor_of = [&](int column) {
      return delegate->createEditor(view.viewport(), option, view.Adapter()->index(0, column - 1));
    };

    auto* number = qobject_cast<QLineEdit*>(editor_of(1));
    QVERIFY(number != nullptr && number->validator() != nullptr);
    QString text = QStringLiteral("1000");
    int position = 0;
    QCOMPARE(number->validator()->validate(text, position), QValidator::Invalid);

    auto* name = qobject_cast<QLineEdit*>(editor_of(2));
    QVERIFY(name != nullptr);
    QCOMPARE(name->maxLength(), 5);
    delegate->setEditorData(name, view.Adapter()->index(0, 1));
    QCOMPARE(name->text(), QStringLiteral("ab"));
    name->setText(QStringLiteral("abc"));
    delegate->setModelData(name, view.Adapter(), view.Adapter()->index(0, 1));
    QCOMPARE(model.Text(2, 1), std::string("abc"));

    auto* initial = qobject_cast<QLineEdit*>(editor_of(3));
    QVERIFY(initial != nullptr && initial->validator() != nullptr);
    QCOMPARE(initial->maxLength(), 6);
    text = QStringLiteral("1,5");
    QCOMPARE(initial->validator()->validate(text, position), QValidator::Acceptable);
    text = QStringLiteral("1.5");
    QCOMPARE(initial->validator()->validate(text, position), QValidator::Invalid);

    auto* list = qobject_cast<QComboBox*>(editor_of(4));
    QVERIFY(list != nullptr);
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->itemText(2), QStringLiteral("16"));
    delegate->setEditorData(list, view.Adapter()->index(0, 3));
    QCOMPARE(list->currentIndex(), 1);
    list->setCurrentIndex(3);
    delegate->setModelData(list, view.Adapter(), view.Adapter()->index(0, 3));
    QCOMPARE(model.Value(4, 1), 3);

    auto* hex = qobject_cast<QLineEdit*>(editor_of(5));
    QVERIFY(hex != nullptr);
    QCOMPARE(hex->inputMask(), QStringLiteral("hhhh"));

    QVERIFY(editor_of(6) == nullptr);
    QVERIFY(editor_of(7) == nullptr);
    model.SetLocked(2, 1, true);
    QVERIFY(editor_of(2) == nullptr);

    // Each editor that opened was an edit start; refused ones were not.
    QCOMPARE(observer.log, (Log{"edit 1 1", "edit 2 1", "change 2 1", "edit 3 1", "edit 4 1",
                                "change 4 1", "edit 5 1", "edit 6 1"}));
    for (QLineEdit* editor : {number, name, initial, hex}) delete editor;
    delete list;
  }

  void ViewShowsLayout() {
    TableModel model(4, 5);
    model.SetColumnWidth(1, 1500);
    model.SetColumnHidden(3, true);
    model.SetColumnWidth(4, 0);
    model.SetRowHidden(2, true);
    TableView view(model);
    QCOMPARE(view.columnWidth(0), 100);
    QVERIFY(!view.isColumnHidden(1));
    QVERIFY(view.isColumnHidden(2));
    QVERIFY(view.isColumnHidden(3));
    QVERIFY(view.isRowHidden(1));
    model.SetRowHidden(2, false);
    model.SetRowHidden(5, true);
    QVERIFY(!view.isRowHidden(1));
    QVERIFY(view.isRowHidden(4));
    model.SetColumnHidden(0, true);
    QVERIFY(view.verticalHeader()->isHidden());

    // Rows moving under a hidden row keep the screen in step with the model.
    model.SetActiveCell(1, 1);
    model.InsertRow();
    QVERIFY(!view.isRowHidden(4));
    model.SuspendDrawing();
    model.SetRowHidden(1, true);
    model.SetColumnHidden(3, false);
    model.SetText(1, 1, "x");
    model.ResumeDrawing();
    QVERIFY(view.isRowHidden(0));
    QVERIFY(!view.isColumnHidden(2));
  }

  void FittedRowsGrowForWrappedTexts() {
    TableModel model(2, 2);
    model.SetColumnWidth(1, 900);
    model.SetType(1, 1, CellType::Text(0, true));
    model.SetType(2, 1, CellType::Text(0, false));
    TableView view(model);
    const int one_line = view.verticalHeader()->defaultSectionSize();
    const std::string long_text = "a text far too long for one line of a narrow column";
    model.SetText(2, 1, long_text);  // does not wrap
    model.FitRowHeight(1);
    QCOMPARE(view.rowHeight(0), one_line);
    model.SetText(1, 1, long_text);
    model.FitRowHeight(1);
    QVERIFY(view.rowHeight(0) > one_line);
    model.SetText(1, 1, "short");
    model.FitRowHeight(1);
    QCOMPARE(view.rowHeight(0), one_line);
  }

  void ViewAndModelShareCursorAndSelection() {
    TableModel model(3, 6);
    RecordingObserver observer;
    model.SetObserver(&observer);
    TableView view(model);

    model.SetActiveCell(2, 4);
    QCOMPARE(view.currentIndex(), view.Adapter()->index(3, 1));
    QVERIFY(observer.log.empty());  // code moved it, not the user

    view.setCurrentIndex(view.Adapter()->index(5, 2));
    QCOMPARE(model.ActiveColumn(), 3);
    QCOMPARE(model.ActiveRow(), 6);
    QCOMPARE(observer.log, Log{"leave 3 6"});

    view.selectRow(1);
    QCOMPARE(model.Selection(), (CellBlock{-1, -1, 2, 2}));
    view.selectionModel()->select(
        QItemSelection(view.Adapter()->index(1, 0), view.Adapter()->index(2, 1)),
        QItemSelectionModel::ClearAndSelect);
    QCOMPARE(model.Selection(), (CellBlock{1, 2, 2, 3}));

    model.SetSelection({-1, -1, 4, 5});
    QVERIFY(view.selectionModel()->isRowSelected(3, QModelIndex()));
    QVERIFY(view.selectionModel()->isRowSelected(4, QModelIndex()));
    QVERIFY(!view.selectionModel()->isRowSelected(2, QModelIndex()));
    model.ClearSelection();
    QVERIFY(!view.selectionModel()->hasSelection());

    // Qt moves its cursor off removed rows; that is not the user's doing.
    view.setCurrentIndex(view.Adapter()->index(5, 2));
    observer.log.clear();
    model.SetRowCount(3);
    QVERIFY(observer.log.empty());
    QCOMPARE(view.currentIndex(), view.Adapter()->index(2, 2));
  }

  void EnterEndsEditingAndMovesDownUnlessSwallowed() {
    TableModel model;
    SetUpTypedGrid(model, 3);
    RecordingObserver observer;
    model.SetObserver(&observer);
    TableView view(model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const auto type_and_enter = [&](int row, const QString& text) {
      const QModelIndex index = view.Adapter()->index(row - 1, 1);
      view.setCurrentIndex(index);
      view.edit(index);
      auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(index));
      QVERIFY(editor != nullptr);
      editor->setText(text);
      QTest::keyClick(editor, Qt::Key_Return);
    };
    type_and_enter(1, QStringLiteral("abc"));
    QCOMPARE(model.Text(2, 1), std::string("abc"));
    QCOMPARE(model.ActiveRow(), 2);

    observer.swallow_enter = true;
    type_and_enter(2, QStringLiteral("def"));
    QCOMPARE(model.Text(2, 2), std::string("def"));
    QCOMPARE(model.ActiveRow(), 2);
    QVERIFY(view.indexWidget(view.Adapter()->index(1, 1)) == nullptr);  // editing ended

    // Without an editor, Enter only moves the cursor.
    observer.swallow_enter = false;
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(model.ActiveRow(), 3);
    QCOMPARE(view.currentIndex().row(), 2);
  }

  void CodecKeepsEveryByte() {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    const QString text = FromAnsi(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(ToAnsi(text), all);
#ifndef _WIN32
    QCOMPARE(text[0x80], QChar(0x20AC));
    QCOMPARE(text[0x81], QChar(0x0081));
    QCOMPARE(text[0x9F], QChar(0x0178));
    QCOMPARE(text[0xE9], QChar(0x00E9));
    QCOMPARE(ToAnsi(QStringLiteral("\u20ac\u4e2d\U0001F600")), std::string("\x80??"));
#endif
  }
};

}  // namespace pfedit::gui

QTEST_MAIN(pfedit::gui::TableAdapterTest)
#include "table_adapter_test.moc"
