#include "core/table_model.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/clipboard_text.h"

namespace pfedit {
namespace {

using Log = std::vector<std::string>;
using Texts = std::vector<std::string>;

// "what 1 2 ..." for the event logs.
std::string Event(const char* what, std::initializer_list<int> numbers) {
  std::string text = what;
  for (const int number : numbers) text += " " + std::to_string(number);
  return text;
}

// Hears both sides of the grid: what a view is told and what a form is told.
class Recorder : public TableViewListener, public TableObserver {
 public:
  Log log;
  void CellsChanged(int c1, int r1, int c2, int r2) override {
    log.push_back(Event("cells", {c1, r1, c2, r2}));
  }
  void RowsAboutToBeInserted(int f, int l) override { log.push_back(Event("+rows?", {f, l})); }
  void RowsInserted(int f, int l) override { log.push_back(Event("+rows", {f, l})); }
  void RowsAboutToBeRemoved(int f, int l) override { log.push_back(Event("-rows?", {f, l})); }
  void RowsRemoved(int f, int l) override { log.push_back(Event("-rows", {f, l})); }
  void RowLayoutChanged(int f, int l) override { log.push_back(Event("layout", {f, l})); }
  void AboutToReset() override { log.push_back("reset?"); }
  void Reset() override { log.push_back("reset"); }
  void OnEditStart(int c, int r) override { log.push_back(Event("edit", {c, r})); }
  void OnChange(int c, int r) override { log.push_back(Event("change", {c, r})); }
  void OnLeaveCell(int c, int r, int nc, int nr) override {
    log.push_back(Event("leave", {c, r, nc, nr}));
  }
};

// Makes the column hold the given texts, one per row.
void Fill(TableModel& grid, int column, const Texts& texts) {
  grid.SetRowCount(static_cast<int>(texts.size()));
  for (size_t i = 0; i < texts.size(); ++i) grid.SetText(column, static_cast<int>(i) + 1, texts[i]);
}

Texts Column(const TableModel& grid, int column) {
  Texts texts;
  for (int row = 1; row <= grid.RowCount(); ++row) texts.emplace_back(grid.Text(column, row));
  return texts;
}

TEST(TableModelRows, InsertDeleteAndSuspendedDrawingReachTheView) {
  TableModel grid(2, 0);
  Fill(grid, 1, {"a", "b", "c", "d", ""});  // forms grow the grid before inserting
  grid.SetRowHidden(2, true);
  grid.SetActiveCell(1, 2);
  Recorder view;
  grid.AddViewListener(&view);

  grid.InsertRow();
  EXPECT_EQ(Column(grid, 1), (Texts{"a", "", "b", "c", "d"}));
  EXPECT_FALSE(grid.RowHidden(2));
  EXPECT_TRUE(grid.RowHidden(3));  // the hidden row moved with its content
  grid.DeleteRows(1, 2);
  grid.DeleteRows(3, 9);  // clipped at the end
  grid.DeleteRows(0, 1);
  grid.DeleteRows(6, 1);
  EXPECT_EQ(Column(grid, 1), (Texts{"b", "c", "", "", ""}));
  EXPECT_EQ(view.log,
            (Log{"-rows? 5 5", "-rows 5 5", "+rows? 2 2", "+rows 2 2", "-rows? 1 2", "-rows 1 2",
                 "+rows? 4 5", "+rows 4 5", "-rows? 3 5", "-rows 3 5", "+rows? 3 5", "+rows 3 5"}));

  view.log.clear();
  grid.SuspendDrawing();
  grid.ResumeDrawing();
  EXPECT_TRUE(view.log.empty());  // nothing changed, nothing to redraw
  grid.SuspendDrawing();
  grid.SuspendDrawing();
  grid.SetRowCount(7);
  grid.SetText(1, 1, "a");
  grid.InsertRow();
  grid.ResumeDrawing();
  EXPECT_EQ(view.log, Log{"reset?"});
  grid.ResumeDrawing();
  grid.ResumeDrawing();  // unbalanced: ignored, the next suspension still holds
  grid.SetText(1, 1, "b");
  grid.SuspendDrawing();
  grid.SetText(1, 1, "c");
  grid.ResumeDrawing();
  EXPECT_EQ(view.log, (Log{"reset?", "reset", "cells 1 1 1 1", "reset?", "reset"}));
  grid.RemoveViewListener(&view);
}

TEST(TableModelRows, PositionsStayInsideAGridThatShrinksOrIsEmpty) {
  TableModel grid(3, 0);
  Fill(grid, 1, {"a", "b", "c", "d"});
  grid.SetActiveCell(3, 4);
  grid.SetSelection({-1, -1, 2, 4});
  grid.SetRowCount(2);
  grid.SetRowCount(3);
  EXPECT_EQ(Column(grid, 1), (Texts{"a", "b", ""}));
  EXPECT_EQ(grid.ActiveRow(), 2);
  EXPECT_EQ(grid.Selection(), (CellBlock{-1, -1, 2, 2}));
  grid.SetRowCount(1);
  EXPECT_FALSE(grid.HasSelection());

  TableModel no_columns(0, 3);  // the active cell is column 1 even without one
  no_columns.SetActiveCell(4, 2);
  EXPECT_EQ(no_columns.ActiveColumn(), 1);
  EXPECT_EQ(no_columns.ActiveRow(), 2);
}

TEST(TableModelLayout, RowHeaderWidthAndRowFittingStayWithinTheGrid) {
  TableModel grid(2, 3);
  grid.SetColumnWidth(0, 180);  // the row headers have a width of their own
  grid.SetColumnWidth(3, 900);
  EXPECT_EQ(grid.ColumnWidth(0), 180);
  EXPECT_EQ(grid.ColumnWidth(3), 0);
  grid.SetText(2, 1, "a\nb");
  grid.SetText(1, 3, "a\nb\nc");
  Recorder view;
  grid.AddViewListener(&view);
  for (const int row : {0, 4, 1, 3}) grid.FitRowHeight(row);
  const int lines[] = {1, 2, 1, 3, 1};  // rows 0 to 4
  for (int row = 0; row <= 4; ++row) {
    EXPECT_EQ(grid.RowFitted(row), row == 1 || row == 3) << row;
    EXPECT_EQ(grid.RowLines(row), lines[row]) << row;
  }
  EXPECT_EQ(view.log, (Log{"layout 1 1", "layout 3 3"}));
  grid.RemoveViewListener(&view);
}

// A view's measured height must be forgotten when what it measured changed,
// and only then: the check colours and locks every row, and a height lost
// there would have every row measured again.
TEST(TableModelLayout, ViewRowHeightIsForgottenOnlyWhenTheRowsTextsChange) {
  struct Case {
    const char* name;
    void (*change)(TableModel&);
    bool forgotten;
  };
  const Case cases[] = {
      {"same text", [](TableModel& g) { g.SetText(1, 2, "b"); }, false},
      {"other text", [](TableModel& g) { g.SetText(1, 2, "c"); }, true},
      {"colour",
       [](TableModel& g) {
         g.SetBackground(1, 2, Colour{0, 255, 255});
       },
       false},
      {"lock", [](TableModel& g) { g.SetLocked(1, 2, true); }, false},
      {"type", [](TableModel& g) { g.SetType(1, 2, CellType::Text(0, true)); }, true},
      {"edit", [](TableModel& g) { g.CommitEdit(1, 2, "typed"); }, true},
      {"paste",
       [](TableModel& g) {
         g.SetSelection({1, 1, 2, 2});
         g.PasteAtSelection("pasted");
       },
       true},
      {"cut",
       [](TableModel& g) {
         g.SetSelection({1, 1, 2, 2});
         g.CutSelection();
       },
       true},
  };
  for (const Case& c : cases) {
    TableModel grid(1, 3);
    for (int row = 1; row <= 3; ++row) {
      grid.SetText(1, row, std::string(1, static_cast<char>('a' + row - 1)));
      grid.SetViewRowHeight(row, 20 + row);
    }
    c.change(grid);
    EXPECT_EQ(grid.ViewRowHeight(2), c.forgotten ? 0 : 22) << c.name;
    EXPECT_EQ(grid.ViewRowHeight(1) + grid.ViewRowHeight(3), 21 + 23) << c.name;
  }
}

TEST(TableModelSort, NumbersListIndexesAndBytesInKeyOrder) {
  TableModel grid(4, 8);
  for (int r = 1; r <= 8; ++r) {
    grid.SetType(1, r, CellType::WholeNumber(-999, 999));
    grid.SetType(2, r, CellType::List("z\ty"));  // items not in text order
  }
  Fill(grid, 1, {"10", "9", "", "9", "9", "10", "-3", "9"});
  Fill(grid, 2, {"z", "y", "z", "z", "z", "z", "z", "z"});
  Fill(grid, 3, {"b", "a", "z", "b", "B", "b", "\xE9", "a"});
  Fill(grid, 4, {"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8"});  // the original order
  grid.SortRows(1, 8, {1, 2, 3});
  // Empty numbers first; 9 before 10; item "z" before "y"; "B" before "a"
  // before "b" by bytes; r1 stays before r6.
  EXPECT_EQ(Column(grid, 4), (Texts{"r3", "r7", "r5", "r8", "r4", "r2", "r1", "r6"}));

  grid.SortRows(3, 5, {4});  // only the given rows move
  EXPECT_EQ(Column(grid, 4), (Texts{"r3", "r7", "r4", "r5", "r8", "r2", "r1", "r6"}));
}

TEST(TableModelSort, DecimalTextsCompareAsNumbersAndRowsCanBeFollowed) {
  TableModel grid(2, 7);
  for (int r = 1; r <= 7; ++r) grid.SetType(1, r, CellType::DecimalText(6, ','));
  Fill(grid, 1, {"11", "2,2", "0,4", "", "2,20", "1,2,3", "0,35"});
  Fill(grid, 2, {"r1", "r2", "r3", "r4", "r5", "r6", "r7"});
  std::vector<int> old_rows;
  grid.SortRows(1, 7, {1}, &old_rows);
  // Empty and unreadable first; 2,2 and 2,20 are equal and keep their order.
  EXPECT_EQ(Column(grid, 2), (Texts{"r4", "r6", "r7", "r3", "r2", "r5", "r1"}));
  EXPECT_EQ(old_rows, (std::vector<int>{4, 6, 7, 3, 2, 5, 1}));
  grid.SortRows(2, 2, {1}, &old_rows);
  EXPECT_EQ(old_rows, std::vector<int>{2});
}

TEST(TableModelSort, EqualKeysKeepTheirOrderInLongLists) {
  // Short ranges hide an unstable sort, which sorts them by insertion.
  TableModel grid(2, 200);
  for (int r = 1; r <= 200; ++r) {
    grid.SetText(1, r, std::to_string(r % 3));
    grid.SetText(2, r, std::to_string(r));
  }
  grid.SortRows(1, 200, {1});
  for (int r = 2; r <= 200; ++r) {
    if (grid.Text(1, r) != grid.Text(1, r - 1)) continue;
    ASSERT_LT(grid.Value(2, r - 1), grid.Value(2, r)) << "row " << r;
  }
}

TEST(TableModelCells, TextAndValueFollowTheCellType) {
  // Columns: 1 list, 2 check box, 3 text, 4 whole number.
  TableModel grid(4, 1);
  grid.SetType(4, 1, CellType::WholeNumber(-999, 999));
  grid.SetText(1, 1, "16");
  grid.SetType(1, 1, CellType::List("0\t1\t16\t32"));
  EXPECT_EQ(grid.Value(1, 1), 2);  // the text already there picks its item
  grid.SetType(2, 1, CellType::OfKind(CellKind::kCheckBox));
  grid.SetText(1, 0, "Pr");
  grid.SetText(0, 1, "first");
  grid.SetText(5, 1, "outside");
  EXPECT_EQ(grid.Text(1, 0), "Pr");
  EXPECT_EQ(grid.Text(0, 1), "first");
  EXPECT_EQ(grid.Text(5, 1), "");

  struct Case {
    int column;
    const char* text;  // null: set the value instead
    int value;
    int expected_value;
    const char* expected_text;
  };
  // Whole numbers (column 4) keep their plain form, other texts as they come.
  const Case cases[] = {
      {1, nullptr, 3, 3, "32"},   {1, nullptr, 4, -1, ""}, {1, nullptr, -1, -1, ""},
      {1, "1", 0, 1, "1"},        {1, "2", 0, -1, ""},     {2, "x", 0, 1, "1"},
      {2, "0", 0, 0, "0"},        {2, nullptr, 7, 1, "1"}, {2, "", 0, 0, "0"},
      {3, " 42 ", 0, 42, " 42 "}, {3, "4x", 0, 0, "4x"},   {3, nullptr, -5, -5, "-5"},
      {4, "0905", 0, 905, "905"}, {4, " -0 ", 0, 0, "0"},  {4, "4x", 0, 0, "4x"},
  };
  for (const Case& c : cases) {
    if (c.text != nullptr) {
      grid.SetText(c.column, 1, c.text);
    } else {
      grid.SetValue(c.column, 1, c.value);
    }
    const std::string name = c.text != nullptr ? c.text : std::to_string(c.value);
    EXPECT_EQ(grid.Value(c.column, 1), c.expected_value) << c.column << ": " << name;
    EXPECT_EQ(grid.Text(c.column, 1), c.expected_text) << c.column << ": " << name;
  }
}

// How a cell of the type checks each text: A acceptable, I intermediate, X invalid.
std::string Checks(const CellType& type, const Texts& texts) {
  TableModel grid(1, 1);
  grid.SetType(1, 1, type);
  std::string checks;
  for (const std::string& text : texts) {
    checks += "AIX"[static_cast<int>(grid.CheckEntry(1, 1, text))];
  }
  return checks;
}

TEST(TableModelCells, CheckEntryFollowsEachCellType) {
  const struct {
    CellType type;
    Texts texts;
    const char* expected;
  } cases[] = {
      {CellType::WholeNumber(0, 999),
       {"", "999", "1000", "-", "-1", "1.5", " 5", "12345678901234567890"},
       "AAXXXXXX"},
      {CellType::WholeNumber(10, 20), {"15", "2", "21"}, "AIX"},
      {CellType::WholeNumber(-20, -10), {"-15", "-", "-1", "-21", "5"}, "AIIXX"},
      {CellType::DecimalText(6, ','), {"123,45", "1234567", "12.5"}, "AXX"},
      {CellType::OfKind(CellKind::kHexCode), {"001A", "1a", "12345", "00G0"}, "AAXX"},
      {CellType::OfKind(CellKind::kCheckBox), {"1", "2"}, "AX"},
      {CellType::Text(5), {"abcde", "abcdef"}, "AX"},
      {CellType::List("Hz\tA\tkW"), {"kW", "k", "W"}, "AIX"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Checks(c.type, c.texts), c.expected) << "kind " << static_cast<int>(c.type.kind);
  }
}

// Makes the grid 3 x 3 with texts "11" to "33" (column digit, then row digit).
void Number(TableModel& grid) {
  grid.SetColumnCount(3);
  grid.SetRowCount(3);
  for (int r = 1; r <= 3; ++r) {
    for (int c = 1; c <= 3; ++c) grid.SetText(c, r, std::to_string(c * 10 + r));
  }
}

// All texts of the grid: cells joined by ',', rows by '|'.
std::string Grid(const TableModel& grid) {
  std::string text;
  for (int r = 1; r <= grid.RowCount(); ++r) {
    for (int c = 1; c <= grid.ColumnCount(); ++c) {
      text += c > 1 ? "," : r > 1 ? "|" : "";
      text += grid.Text(c, r);
    }
  }
  return text;
}

// A row keeps its cells in one buffer: whatever happens to one cell, in
// whatever order, its neighbours keep their bytes, including long texts and
// texts copied from the same row.
TEST(TableModelCells, NeighboursKeepTheirBytes) {
  const std::string long_text(70000, 'x');
  const std::string edge(128, 'e');  // its length takes two bytes
  TableModel grid(5, 2);
  grid.SetText(4, 1, "four");  // cells before it do not exist yet
  grid.SetText(2, 1, edge);
  grid.SetLocked(3, 1, true);
  grid.SetBackground(5, 1, Colour{255, 0, 0});
  grid.SetText(5, 1, grid.Text(2, 1));  // the same row's bytes, as the row grows
  grid.SetText(2, 1, grid.Text(2, 1).substr(1));
  grid.SetText(1, 1, long_text);
  grid.SetType(3, 1, CellType::List("a\ta"));  // equal items stay apart
  grid.SetValue(3, 1, 1);
  grid.SetText(1, 2, "other row");
  grid.SetText(1, 1, "short");
  EXPECT_EQ(grid.Text(1, 1), "short");
  EXPECT_EQ(grid.Text(2, 1), edge.substr(1));
  EXPECT_EQ(grid.Value(3, 1), 1);
  EXPECT_EQ(grid.Text(4, 1), "four");
  EXPECT_EQ(grid.Text(5, 1), edge);
  EXPECT_TRUE(grid.Locked(3, 1));
  EXPECT_EQ(grid.Background(5, 1), (Colour{255, 0, 0}));
  grid.SetType(3, 1, CellType::Text());  // the item's text stays
  grid.SetColumnCount(4);
  grid.SetColumnCount(5);
  EXPECT_EQ(Grid(grid), "short," + edge.substr(1) + ",a,four,|other row,,,,");
  EXPECT_EQ(grid.Background(5, 1), kWhite);
}

TEST(TableModelClipboard, SelectionIsNormalisedClippedCopiedAndCut) {
  struct Case {
    CellBlock block;  // empty: no selection, the active cell (2, 3) instead
    std::string copied;
    std::string after_cut;
  };
  const Case cases[] = {
      {{-1, 7, 3, 2}, "12\t22\t32\r\n13\t23\t33\r\n", "11,21,31|,,|,,"},  // whole rows
      {{3, 2, 1, 1}, "21\t31\r\n", "11,,|12,22,32|13,23,33"},
      {{2, 5, 3, 9}, "23\t33\r\n", "11,21,31|12,22,32|13,,"},  // clipped to the grid
      {{}, "23\r\n", "11,21,31|12,22,32|13,,33"},
  };
  for (const Case& c : cases) {
    TableModel grid;
    Number(grid);
    grid.SetActiveCell(2, 3);
    grid.SetSelection(c.block);
    if (c.block == CellBlock{}) grid.ClearSelection();
    EXPECT_EQ(grid.CopySelection(), c.copied) << c.copied;
    EXPECT_EQ(grid.CutSelection(), c.copied) << c.copied;
    EXPECT_EQ(Grid(grid), c.after_cut) << c.copied;
  }
}

TEST(TableModelClipboard, PasteWritesFromTheTopLeftAndDropsWhatFallsOutside) {
  TableModel grid;
  Number(grid);
  Recorder form;
  grid.SetObserver(&form);
  grid.SetSelection({2, 3, 2, 3});
  grid.PasteAtSelection("a\tb\tc\r\nd\te\tf\r\ng\r\n");
  EXPECT_EQ(Grid(grid), "11,21,31|12,a,b|13,d,e");
  grid.SetSelection({-1, -1, 1, 1});
  grid.PasteAtSelection("x\ty\n\r\nq");  // a lone LF ends a line too; an empty line empties
  EXPECT_EQ(Grid(grid), "x,y,31|,a,b|q,d,e");
  EXPECT_EQ(form.log, (Log{"change 2 2", "change 3 2", "change 2 3", "change 3 3", "change 1 1",
                           "change 2 1", "change 1 2", "change 1 3"}));
}

TEST(TableModelClipboard, TypedCellsCutToEmptyAndPasteOnlyWhatTheyAccept) {
  TableModel grid(5, 1);
  grid.SetType(1, 1, CellType::WholeNumber(0, 999));
  grid.SetType(2, 1, CellType::List("0\t1\t16\t32"));
  grid.SetType(3, 1, CellType::OfKind(CellKind::kCheckBox));
  grid.SetType(4, 1, CellType::OfKind(CellKind::kHexCode));
  grid.SetText(1, 1, "5");
  grid.SetValue(2, 1, 1);
  grid.SetValue(3, 1, 1);
  grid.SetLocked(5, 1, true);  // locks guard typing, not the program's paste
  grid.SetSelection({1, 5, 1, 1});
  EXPECT_EQ(grid.CutSelection(), "5\t1\t1\t\t\r\n");
  EXPECT_EQ(grid.Value(2, 1), -1);
  EXPECT_EQ(grid.CopySelection(), "\t\t0\t\t\r\n");

  Recorder form;
  grid.SetObserver(&form);
  grid.PasteAtSelection("1000\t16\t2\tzz\tlocked\r\n");
  EXPECT_EQ(grid.CopySelection(), "\t16\t0\t\tlocked\r\n");
  EXPECT_EQ(grid.Value(2, 1), 2);
  EXPECT_EQ(form.log, (Log{"change 2 1", "change 5 1"}));
}

TEST(TableModelClipboard, MeasureCountsLineEndsAndTabsPerRowRounded) {
  // "columns x rows" of the text.
  const auto measure = [](const char* text) {
    const ClipboardExtent extent = MeasureClipboardText(text);
    return std::to_string(extent.columns) + " x " + std::to_string(extent.rows);
  };
  EXPECT_EQ(measure(""), "1 x 1");
  EXPECT_EQ(measure("a\tb\r\nc\td\r\n"), "2 x 2");
  EXPECT_EQ(measure("a\tb\tc\td\r\ne\r\n"), "3 x 2");  // 1.5 tabs per row round up
  EXPECT_EQ(measure("a\tb\r\nc\r\nd\r\n"), "1 x 3");
  EXPECT_EQ(measure("a\tb\nc\td\n"), "3 x 1");  // only CR LF ends a row here
}

TEST(TableModelEvents, UserEditsAndMovesReachTheForm) {
  TableModel grid(3, 3);
  grid.SetType(1, 1, CellType::WholeNumber(0, 999));
  grid.SetType(2, 1, CellType::OfKind(CellKind::kStatic));
  grid.SetLocked(3, 1, true);
  grid.SetType(1, 2, CellType::List("a\tb"));
  Recorder form;
  grid.SetObserver(&form);
  // Each call's answer, 1 for true.
  std::string answers = {"01"[grid.BeginEdit(1, 1)],
                         "01"[grid.BeginEdit(2, 1)],
                         "01"[grid.BeginEdit(3, 1)],
                         "01"[grid.BeginEdit(1, 4)],
                         "01"[grid.CommitEdit(1, 1, "12")],
                         "01"[grid.CommitEdit(1, 1, "012")],  // the same number: no change event
                         "01"[grid.CommitEdit(1, 1, "1000")],
                         "01"[grid.CommitEdit(3, 1, "x")],
                         "01"[grid.CommitValue(1, 2, 1)],
                         "01"[grid.CommitValue(1, 2, 2)]};
  grid.SetLocked(1, 2, true);  // locks hold for lists and check boxes too
  grid.SetType(1, 3, CellType::OfKind(CellKind::kCheckBox));
  grid.SetLocked(1, 3, true);
  answers += {"01"[grid.CommitValue(1, 2, 0)], "01"[grid.CommitValue(1, 3, 1)]};
  EXPECT_EQ(answers, "100011001000");
  EXPECT_EQ(std::string(grid.Text(1, 1)) + std::string(grid.Text(1, 2)) +
                std::to_string(grid.Value(1, 3)),
            "12b0");

  grid.SetActiveCell(2, 2);  // code moving the cursor leaves no cell
  grid.MoveActiveCell(2, 2);
  grid.MoveActiveCell(3, 9);  // pulled into the grid
  EXPECT_EQ(grid.ActiveRow(), 3);
  EXPECT_EQ(form.log, (Log{"edit 1 1", "change 1 1", "change 1 2", "leave 2 2 3 3"}));
}

}  // namespace
}  // namespace pfedit
