#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "core/table_model.h"
#include "gui/qt_desktop.h"
#include "gui/table/cell_delegates.h"
#include "gui/table/table_adapter.h"
#include "gui/table/table_view.h"
#include "gui/text_codec.h"

namespace pfedit::gui {
namespace {

using Log = std::vector<std::string>;

class RecordingObserver : public TableObserver {
 public:
  Log log;
  bool swallow_enter = false;
  void OnEditStart(int c, int r) override { Add("edit", c, r); }
  void OnChange(int c, int r) override { Add("change", c, r); }
  void OnLeaveCell(int, int, int c, int r) override { Add("leave", c, r); }
  void OnKeyPress(int16_t& key) override {
    if (swallow_enter && key == kKeyEnter) key = 0;
  }
  std::string OnToolTip(int c, int) override { return c == 2 ? "tip\r\nline" : ""; }

 private:
  void Add(const char* what, int c, int r) {
    log.push_back(std::string(what) + " " + std::to_string(c) + " " + std::to_string(r));
  }
};

// Shows a real box from every change, as the form does when it refuses a
// protected parameter number, and notes what the screen was like meanwhile.
class BoxOnChange : public RecordingObserver {
 public:
  BoxOnChange(TableModel& model, TableView& view) : model_(model), view_(view) {}
  void OnChange(int c, int r) override {
    RecordingObserver::OnChange(c, r);
    QTimer::singleShot(0, [this, c, r] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      const bool editing = view_.indexWidget(view_.Adapter()->index(r - 1, c - 1)) != nullptr;
      seen.push_back(std::string(editing ? "editing, " : "") + "box over " +
                     std::string(model_.Text(c, r)));
      box->done(QMessageBox::Ok);
    });
    MessageBox box;
    box.text = "refused";
    desktop_.ShowMessage(box);
  }
  Log seen;

 private:
  TableModel& model_;
  TableView& view_;
  QtDesktop desktop_;
};

// Columns: 1 whole number 0..999, 2 wrapping text of at most 5, 3 decimal
// text, 4 list, 5 hex code, 6 check box, 7 static. Column 1 holds the row
// number, so that rows that move can be told apart.
void SetUpTypedGrid(TableModel& model, int rows) {
  model.SetColumnCount(7);
  model.SetRowCount(rows);
  for (int r = 1; r <= rows; ++r) {
    model.SetType(1, r, CellType::WholeNumber(0, 999));
    model.SetType(2, r, CellType::Text(5, true));
    model.SetType(3, r, CellType::DecimalText(6, ','));
    model.SetType(4, r, CellType::List("0\t1\t16\t32"));
    model.SetType(5, r, CellType::OfKind(CellKind::kHexCode));
    model.SetType(6, r, CellType::OfKind(CellKind::kCheckBox));
    model.SetType(7, r, CellType::OfKind(CellKind::kStatic));
    model.SetText(1, r, std::to_string(r));
  }
}

// Qt's own measure of a row, for comparison.
struct ProbeView : TableView {
  using QTableView::sizeHintForRow;
  using TableView::TableView;
};

}  // namespace

class TableAdapterTest : public QObject {
  Q_OBJECT

 private slots:
  void ModelTesterAcceptsEveryOperation() {
    TableModel model;
    SetUpTypedGrid(model, 9);
    TableAdapter adapter(model);
    QAbstractItemModelTester tester(&adapter,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reset(&adapter, &QAbstractItemModel::modelReset);
    model.SetActiveCell(1, 3);
    model.InsertRow();
    model.DeleteRows(2, 3);
    model.SortRows(1, 9, {1, 6, 2});
    model.SetSelection({1, 2, 8, 9});
    model.PasteAtSelection("5\tab\r\n6\tcd\r\n7\tef\r\n");
    model.SetSelection({-1, -1, 1, 2});
    model.CutSelection();
    model.SetText(0, 2, "row");
    model.SetText(3, 0, "column");
    QSignalSpy columns_in(&adapter, &QAbstractItemModel::columnsInserted);
    QSignalSpy columns_out(&adapter, &QAbstractItemModel::columnsRemoved);
    model.SetColumnCount(9);
    model.SetColumnCount(3);
    QCOMPARE(columns_in[0][1].toInt(), 7);
    QCOMPARE(columns_out[0][1].toInt(), 3);
    model.SetRowCount(12);
    model.SuspendDrawing();
    model.SetRowCount(1500);
    model.SetColumnCount(20);
    model.InsertRow();
    model.ResumeDrawing();
    QCOMPARE(reset.size(), 1);
    model.SetRowCount(0);
    model.InsertRow();  // nothing to insert into
  }

  void DataAndEditsFollowCellTypes() {
    TableModel model;
    SetUpTypedGrid(model, 1);
    RecordingObserver observer;
    model.SetObserver(&observer);
    TableAdapter adapter(model);
    model.SetValue(4, 1, 2);
    model.SetValue(6, 1, 1);
    model.SetBackground(1, 1, Colour{0, 128, 255});
    model.SetLocked(3, 1, true);
    model.SetText(2, 0, "Name");
    const auto at = [&](int column) { return adapter.index(0, column - 1); };
    QCOMPARE(at(4).data(Qt::DisplayRole).toString(), QStringLiteral("16"));
    QVERIFY(!at(6).data(Qt::DisplayRole).isValid());
    QCOMPARE(at(6).data(Qt::CheckStateRole).toInt(), static_cast<int>(Qt::Checked));
    QCOMPARE(at(1).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 128, 255));
    QCOMPARE(at(2).data(Qt::ToolTipRole).toString(), QStringLiteral("tip\r\nline"));
    QVERIFY(!at(3).data(Qt::ToolTipRole).isValid());
    QCOMPARE(adapter.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
    QCOMPARE(adapter.headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    QVERIFY(!(adapter.flags(at(3)) & Qt::ItemIsEditable));  // locked
    QVERIFY(adapter.flags(at(2)) & Qt::ItemIsEditable);
    QCOMPARE(adapter.flags(at(6)) & (Qt::ItemIsUserCheckable | Qt::ItemIsEditable),
             Qt::ItemIsUserCheckable);
    QVERIFY(!(adapter.flags(at(7)) & Qt::ItemIsEditable));

    // Writes go through the user's edit path, so the form hears of them.
    QSignalSpy changed(&adapter, &QAbstractItemModel::dataChanged);
    QVERIFY(!adapter.setData(at(1), QStringLiteral("1000")));
    QVERIFY(adapter.setData(at(2), QStringLiteral("caf\u00e9")));
    QVERIFY(adapter.setData(at(6), static_cast<int>(Qt::Unchecked), Qt::CheckStateRole));
    QCOMPARE(std::string(model.Text(2, 1)), std::string("caf\xE9"));
    QCOMPARE(at(6).data(Qt::CheckStateRole).toInt(), static_cast<int>(Qt::Unchecked));
    QCOMPARE(observer.log, (Log{"change 2 1", "change 6 1"}));
    QCOMPARE(changed.size(), 2);
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
    const auto at = [&](int column) { return view.Adapter()->index(0, column - 1); };
    // Editors belong to the viewport, which deletes them.
    const auto editor_of = [&](int column) {
      return delegate->createEditor(view.viewport(), QStyleOptionViewItem(), at(column));
    };
    const auto validity = [](QLineEdit* editor, QString text) {
      int position = 0;
      return editor->validator()->validate(text, position);
    };

    auto* number = qobject_cast<QLineEdit*>(editor_of(1));
    QVERIFY(number != nullptr && number->validator() != nullptr);
    QCOMPARE(validity(number, QStringLiteral("42")), QValidator::Acceptable);
    QCOMPARE(validity(number, QStringLiteral("1000")), QValidator::Invalid);
    auto* name = qobject_cast<QLineEdit*>(editor_of(2));
    QVERIFY(name != nullptr && name->validator() == nullptr);
    QCOMPARE(name->maxLength(), 5);
    delegate->setEditorData(name, at(2));
    QCOMPARE(name->text(), QStringLiteral("ab"));
    auto* initial = qobject_cast<QLineEdit*>(editor_of(3));
    QVERIFY(initial != nullptr && initial->validator() != nullptr);
    QCOMPARE(initial->maxLength(), 6);
    auto* list = qobject_cast<QComboBox*>(editor_of(4));
    QVERIFY(list != nullptr);
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->itemText(2), QStringLiteral("16"));
    delegate->setEditorData(list, at(4));
    QCOMPARE(list->currentIndex(), 1);
    list->setCurrentIndex(3);
    delegate->setModelData(list, view.Adapter(), at(4));
    QTRY_COMPARE(model.Value(4, 1), 3);  // committed from the event loop
    auto* hex = qobject_cast<QLineEdit*>(editor_of(5));
    QVERIFY(hex != nullptr);
    QCOMPARE(hex->inputMask(), QStringLiteral("hhhh"));
    QVERIFY(editor_of(6) == nullptr);
    QVERIFY(editor_of(7) == nullptr);
    model.SetLocked(2, 1, true);
    QVERIFY(editor_of(2) == nullptr);

    // Each editor that opened was an edit start; refused ones were not.
    QCOMPARE(observer.log, (Log{"edit 1 1", "edit 2 1", "edit 3 1", "edit 4 1", "change 4 1",
                                "edit 5 1", "edit 6 1"}));
  }

  void ViewShowsLayoutAndFitsRows() {
    TableModel model(4, 5);
    model.SetColumnWidth(1, 1500);
    model.SetColumnHidden(3, true);
    model.SetColumnWidth(4, 0);
    model.SetRowHidden(2, true);
    ProbeView view(model);
    QCOMPARE(view.columnWidth(0), 100);
    QVERIFY(view.isColumnHidden(2));
    QVERIFY(view.isColumnHidden(3));
    QVERIFY(view.isRowHidden(1));
    model.SetRowHidden(2, false);
    model.SetRowHidden(5, true);
    QVERIFY(!view.isRowHidden(1));
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

    // Only wrapping texts make a fitted row taller.
    model.SetColumnWidth(1, 900);
    model.SetType(1, 2, CellType::Text(0, true));
    const int one_line = view.verticalHeader()->defaultSectionSize();
    const std::string long_text = "a text far too long for one line of a narrow column";
    model.SetText(2, 2, long_text);  // does not wrap
    model.FitRowHeight(2);
    QCOMPARE(view.rowHeight(1), one_line);
    model.SetText(1, 2, long_text);
    model.FitRowHeight(2);
    QVERIFY(view.rowHeight(1) > one_line);
    // Qt's own fitting counts the grid line; the last line of text needs it.
    QCOMPARE(view.rowHeight(1), view.sizeHintForRow(1));
    model.SetText(1, 2, "short");
    model.FitRowHeight(2);
    QCOMPARE(view.rowHeight(1), one_line);
  }

  // A sort moves each row's measured height with it; only a row whose text
  // changed is measured again. The check sorts with drawing suspended, the
  // row commands without, and both paths must keep the heights.
  void FittedHeightsTravelWithSortedRows() {
    for (const bool suspended : {false, true}) {
      TableModel model(2, 6);
      model.SetColumnWidth(2, 900);
      const std::string longer = "a text far too long for one line of a narrow column";
      const std::string longest = longer + ", and then some more words to need a third line";
      for (int r = 1; r <= 6; ++r) {
        model.SetType(1, r, CellType::WholeNumber(0, 999));
        model.SetType(2, r, CellType::Text(0, true));
        model.SetText(1, r, std::to_string(7 - r));  // sorting reverses the rows
        model.SetText(2, r, r == 2 ? longer : r == 5 ? longest : "short");
      }
      TableView view(model);
      std::vector<int> height_of_key(7);
      for (int r = 1; r <= 6; ++r) {
        model.FitRowHeight(r);
        height_of_key[static_cast<size_t>(7 - r)] = view.rowHeight(r - 1);
      }
      QVERIFY(height_of_key[5] > height_of_key[1] && height_of_key[2] > height_of_key[5]);

      const int measured = view.RowsMeasured();
      if (suspended) model.SuspendDrawing();
      model.SortRows(1, 6, {1});
      if (suspended) model.ResumeDrawing();
      QCOMPARE(view.RowsMeasured(), measured);
      for (int r = 1; r <= 6; ++r) {
        QCOMPARE(std::string(model.Text(1, r)), std::to_string(r));
        QCOMPARE(view.rowHeight(r - 1), height_of_key[static_cast<size_t>(r)]);
      }

      // A changed text is measured again, the other rows are not.
      model.SetText(2, 5, "short");
      for (int r = 1; r <= 6; ++r) model.FitRowHeight(r);
      QCOMPARE(view.RowsMeasured(), measured + 1);
      QCOMPARE(view.rowHeight(4), height_of_key[1]);
    }
  }

  void ViewAndModelShareCursorAndSelection() {
    TableModel model(3, 6);
    RecordingObserver observer;
    model.SetObserver(&observer);
    TableView view(model);
    const auto at = [&](int row, int column) { return view.Adapter()->index(row, column); };

    model.SetActiveCell(2, 4);
    QCOMPARE(view.currentIndex(), at(3, 1));
    QVERIFY(observer.log.empty());  // code moved it, not the user
    view.setCurrentIndex(at(5, 2));
    QCOMPARE(observer.log, Log{"leave 3 6"});

    view.selectRow(1);
    QCOMPARE(model.Selection(), (CellBlock{-1, -1, 2, 2}));
    view.selectionModel()->select(QItemSelection(at(1, 0), at(2, 1)),
                                  QItemSelectionModel::ClearAndSelect);
    QCOMPARE(model.Selection(), (CellBlock{1, 2, 2, 3}));
    model.SetSelection({-1, -1, 4, 5});
    QVERIFY(view.selectionModel()->isRowSelected(3, QModelIndex()));
    QVERIFY(!view.selectionModel()->isRowSelected(2, QModelIndex()));
    model.ClearSelection();
    QVERIFY(!view.selectionModel()->hasSelection());

    // Qt moves its cursor off removed rows; that is not the user's doing.
    view.setCurrentIndex(at(5, 2));
    observer.log.clear();
    model.SetRowCount(3);
    QVERIFY(observer.log.empty());
    QCOMPARE(view.currentIndex(), at(2, 2));
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
      QCoreApplication::processEvents();  // the commit and the move wait for the event loop
    };
    type_and_enter(1, QStringLiteral("abc"));
    QCOMPARE(std::string(model.Text(2, 1)), std::string("abc"));
    QCOMPARE(model.ActiveRow(), 2);

    observer.swallow_enter = true;
    type_and_enter(2, QStringLiteral("def"));
    QCOMPARE(std::string(model.Text(2, 2)), std::string("def"));
    QCOMPARE(model.ActiveRow(), 2);
    QVERIFY(view.indexWidget(view.Adapter()->index(1, 1)) == nullptr);  // editing ended

    // Without an editor, Enter only moves the cursor.
    observer.swallow_enter = false;
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(model.ActiveRow(), 3);
  }

  // The box opens after Qt has closed the editor, exactly once, and the form
  // hears change before the leave cell and edit start that ended the edit.
  void ChangeHandlersBoxOpensOnceTheEditorHasClosed() {
    const struct {
      const char* ending;
      Log log;
    } cases[] = {
        {"enter", {"edit 2 1", "change 2 1", "leave 2 2"}},
        {"tab", {"edit 2 1", "change 2 1", "leave 3 1", "edit 3 1"}},
        {"click", {"edit 2 1", "change 2 1", "leave 4 3"}},
    };
    for (const auto& c : cases) {
      TableModel model;
      SetUpTypedGrid(model, 3);
      TableView view(model);
      BoxOnChange observer(model, view);
      model.SetObserver(&observer);
      view.show();
      QVERIFY(QTest::qWaitForWindowExposed(&view));
      const QModelIndex cell = view.Adapter()->index(0, 1);
      view.setCurrentIndex(cell);
      observer.log.clear();
      view.edit(cell);
      auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(cell));
      QVERIFY(editor != nullptr);
      editor->setText(QStringLiteral("abc"));
      const std::string ending = c.ending;
      if (ending == "enter") QTest::keyClick(editor, Qt::Key_Return);
      if (ending == "tab") QTest::keyClick(editor, Qt::Key_Tab);
      if (ending == "click") view.setCurrentIndex(view.Adapter()->index(2, 3));
      QTRY_COMPARE(observer.seen, Log{"box over abc"});
      QCOMPARE(observer.log, c.log);
      QVERIFY(view.indexWidget(cell) == nullptr);
      model.SetObserver(nullptr);
    }
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
    QCOMPARE(ToAnsi(QStringLiteral("\u20ac\u0080\u4e2d\U0001F600")), std::string("\x80???"));
#endif
  }
};

}  // namespace pfedit::gui

QTEST_MAIN(pfedit::gui::TableAdapterTest)
#include "table_adapter_test.moc"
