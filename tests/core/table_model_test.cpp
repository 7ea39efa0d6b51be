#include "core/table_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pfedit {
namespace {

using Log = std::vector<std::string>;

std::string Join(const char* what, int a, int b) {
  return std::string(what) + " " + std::to_string(a) + " " + std::to_string(b);
}

class RecordingListener : public TableViewListener {
 public:
  Log log;
  void CellsChanged(int c1, int r1, int c2, int r2) override {
    log.push_back(Join("cells", c1, r1) + " " + std::to_string(c2) + " " + std::to_string(r2));
  }
  void RowsAboutToBeInserted(int f, int l) override { log.push_back(Join("+rows?", f, l)); }
  void RowsInserted(int f, int l) override { log.push_back(Join("+rows", f, l)); }
  void RowsAboutToBeRemoved(int f, int l) override { log.push_back(Join("-rows?", f, l)); }
  void RowsRemoved(int f, int l) override { log.push_back(Join("-rows", f, l)); }
  void AboutToReset() override { log.push_back("reset?"); }
  void Reset() override { log.push_back("reset"); }
  void ActiveCellChanged(int c, int r) override { log.push_back(Join("active", c, r)); }
};

class RecordingObserver : public TableObserver {
 public:
  Log log;
  int16_t swallow_key = -1;
  void OnEditStart(int c, int r) override { log.push_back(Join("edit", c, r)); }
  void OnChange(int c, int r) override { log.push_back(Join("change", c, r)); }
  void OnKeyPress(int16_t& key) override {
    if (key == swallow_key) key = 0;
  }
  void OnLeaveCell(int c, int r, int nc, int nr) override {
    log.push_back(Join("leave", c, r) + " " + std::to_string(nc) + " " + std::to_string(nr));
  }
};

// A grid whose column 1 holds the given texts, one per row.
void FillColumn(TableModel& grid, const std::vector<std::string>& texts) {
  grid.SetRowCount(static_cast<int>(texts.size()));
  for (size_t i = 0; i < texts.size(); ++i) grid.SetText(1, static_cast<int>(i) + 1, texts[i]);
}

std::vector<std::string> Column(const TableModel& grid, int column) {
  std::vector<std::string> texts;
  for (int row = 1; row <= grid.RowCount(); ++row) texts.push_back(grid.Text(column, row));
  return texts;
}

using Texts = std::vector<std::string>;

TEST(TableModelRows, InsertRowMovesTheActiveRowAndAllBelowDown) {
  TableModel grid(2, 0);
  FillColumn(grid, {"a", "b", "c"});
  grid.SetRowHidden(2, true);
  // Forms grow the grid first; the new last row is what falls off.
  grid.SetRowCount(4);
  grid.SetActiveCell(1, 2);
  RecordingListener listener;
  grid.AddViewListener(&listener);

  grid.InsertRow();

  EXPECT_EQ(Column(grid, 1), (Texts{"a", "", "b", "c"}));
  EXPECT_EQ(grid.ActiveRow(), 2);
  EXPECT_FALSE(grid.RowHidden(2));
  EXPECT_TRUE(grid.RowHidden(3));  // the hidden row moved with its content
  EXPECT_EQ(listener.log, (Log{"-rows? 4 4", "-rows 4 4", "+rows? 2 2", "+rows 2 2"}));
  grid.RemoveViewListener(&listener);
}

TEST(TableModelRows, DeleteRowsKeepsTheCountAndClipsAtTheEnd) {
  struct Case {
    int first;
    int count;
    Texts expected;
  };
  const Case cases[] = {
      {2, 2, {"a", "d", "e", "", ""}},   {4, 9, {"a", "b", "c", "", ""}},
      {1, 1, {"b", "c", "d", "e", ""}},  {6, 1, {"a", "b", "c", "d", "e"}},
      {0, 1, {"a", "b", "c", "d", "e"}},
  };
  for (const Case& c : cases) {
    TableModel grid(1, 0);
    FillColumn(grid, {"a", "b", "c", "d", "e"});
    grid.DeleteRows(c.first, c.count);
    EXPECT_EQ(Column(grid, 1), c.expected) << c.first << "+" << c.count;
  }
}

TEST(TableModelRows, SmallerRowCountDropsRowsAndPullsPositionsIn) {
  TableModel grid(3, 0);
  FillColumn(grid, {"a", "b", "c", "d"});
  grid.SetActiveCell(3, 4);
  grid.SetSelection({-1, -1, 2, 4});
  grid.SetRowCount(2);
  grid.SetRowCount(3);
  EXPECT_EQ(Column(grid, 1), (Texts{"a", "b", ""}));
  EXPECT_EQ(grid.ActiveRow(), 2);
  EXPECT_EQ(grid.Selection(), (CellBlock{-1, -1, 2, 2}));
  grid.SetRowCount(1);
  EXPECT_FALSE(grid.HasSelection());
}

TEST(TableModelSort, ThreeKeysNumbersTextsAndStability) {
  // Columns: 1 number, 2 check box, 3 text, 4 a tag that shows the original
  // order of rows whose keys are equal.
  struct Row {
    const char* number;
    int check;
    const char* text;
    const char* tag;
  };
  const Row rows[] = {
      {"10", 0, "b", "r1"}, {"9", 1, "a", "r2"},  {"", 0, "z", "r3"},      {"9", 0, "b", "r4"},
      {"9", 0, "B", "r5"},  {"10", 0, "b", "r6"}, {"-3", 0, "\xE9", "r7"}, {"9", 0, "a", "r8"},
  };
  TableModel grid(4, 8);
  for (int r = 1; r <= 8; ++r) {
    grid.SetType(1, r, CellType::WholeNumber(-999, 999));
    grid.SetType(2, r, CellType::OfKind(CellKind::CheckBox));
    const Row& row = rows[r - 1];
    grid.SetText(1, r, row.number);
    grid.SetValue(2, r, row.check);
    grid.SetText(3, r, row.text);
    grid.SetText(4, r, row.tag);
  }
  grid.SortRows(1, 8, {1, 2, 3});
  // Empty numbers first; 9 before 10; check 0 before 1; "B" before "a" before
  // "b" by bytes; r1 stays before r6.
  EXPECT_EQ(Column(grid, 4), (Texts{"r3", "r7", "r5", "r8", "r4", "r2", "r1", "r6"}));

  grid.SortRows(2, 4, {4});  // only the given rows move
  EXPECT_EQ(Column(grid, 4), (Texts{"r3", "r5", "r7", "r8", "r4", "r2", "r1", "r6"}));
}

TEST(TableModelSort, EqualKeysKeepTheirOrderInLongLists) {
  // Short ranges hide an unstable sort, which sorts them by insertion.
  TableModel grid(2, 200);
  for (int r = 1; r <= 200; ++r) {
    grid.SetType(1, r, CellType::WholeNumber(0, 999));
    grid.SetText(1, r, std::to_string(r % 3));
    grid.SetText(2, r, std::to_string(r));
  }
  grid.SortRows(1, 200, {1});
  for (int r = 2; r <= 200; ++r) {
    if (grid.Text(1, r) == grid.Text(1, r - 1)) {
      ASSERT_LT(std::stoi(grid.Text(2, r - 1)), std::stoi(grid.Text(2, r))) << r;
    } else {
      ASSERT_LT(grid.Text(1, r - 1), grid.Text(1, r)) << r;
    }
  }
}

TEST(TableModelSort, ListCellsSortByIndexNotByText) {
  TableModel grid(1, 3);
  const char* items[] = {"z", "y", "x"};
  for (int r = 1; r <= 3; ++r) {
    grid.SetType(1, r, CellType::List("z\ty\tx"));
    grid.SetText(1, r, items[3 - r]);
  }
  grid.SortRows(1, 3, {1});
  EXPECT_EQ(Column(grid, 1), (Texts{"z", "y", "x"}));
}

TEST(TableModelCells, ListCellsKeepIndexAndItemText) {
  TableModel grid(1, 1);
  grid.SetText(1, 1, "16");
  grid.SetType(1, 1, CellType::List("0\t1\t16\t32"));
  EXPECT_EQ(grid.Value(1, 1), 2);  // the text already there picks its item

  struct Case {
    const char* text;  // null: set the value instead
    int value;
    int expected_index;
    const char* expected_text;
  };
  const Case cases[] = {
      {nullptr, 3, 3, "32"}, {nullptr, 4, -1, ""}, {nullptr, -1, -1, ""},
      {"1", 0, 1, "1"},      {"2", 0, -1, ""},     {"", 0, -1, ""},
  };
  for (const Case& c : cases) {
    if (c.text != nullptr) {
      grid.SetText(1, 1, c.text);
    } else {
      grid.SetValue(1, 1, c.value);
    }
    EXPECT_EQ(grid.Value(1, 1), c.expected_index) << (c.text ? c.text : "value");
    EXPECT_EQ(grid.Text(1, 1), c.expected_text);
  }
  EXPECT_EQ(grid.ListItems(1, 1), (Texts{"0", "1", "16", "32"}));
}

TEST(TableModelCells, HeadersCurrentCellAndOutsideReads) {
  TableModel grid(2, 2);
  grid.SetText(1, 0, "Pr");
  grid.SetText(0, 2, "second");
  grid.SetCurrentCell(2, 1);
  grid.SetText("x");
  grid.SetBackground(Colour{0, 255, 255});
  grid.SetLocked(true);
  EXPECT_EQ(grid.Text(1, 0), "Pr");
  EXPECT_EQ(grid.Text(0, 2), "second");
  EXPECT_EQ(grid.Text(2, 1), "x");
  EXPECT_EQ(grid.Background(2, 1), (Colour{0, 255, 255}));
  EXPECT_TRUE(grid.Locked(2, 1));
  EXPECT_EQ(grid.Background(1, 1), kWhite);
  grid.SetText(3, 1, "outside");
  EXPECT_EQ(grid.Text(3, 1), "");
  EXPECT_EQ(grid.Value(9, 9), 0);
}

TEST(TableModelCells, HiddenRowsKeepTheirNumbers) {
  TableModel grid(1, 0);
  FillColumn(grid, {"a", "b", "c"});
  grid.SetRowHidden(2, true);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Text(1, 3), "c");
  EXPECT_TRUE(grid.RowHidden(2));
  EXPECT_FALSE(grid.RowHidden(3));
}

TEST(TableModelCells, AcceptsTextFollowsEachCellType) {
  struct Case {
    CellType type;
    const char* text;
    EntryCheck expected;
  };
  const EntryCheck ok = EntryCheck::Acceptable;
  const EntryCheck more = EntryCheck::Intermediate;
  const EntryCheck bad = EntryCheck::Invalid;
  const CellType pr = CellType::WholeNumber(0, 999);
  const CellType order = CellType::WholeNumber(10, 20);
  const CellType signed_range = CellType::WholeNumber(-20, -10);
  const CellType initial = CellType::DecimalText(6, ',');
  const CellType hex = CellType::OfKind(CellKind::HexCode);
  const CellType check = CellType::OfKind(CellKind::CheckBox);
  const CellType name = CellType::Text(5);
  const CellType list = CellType::List("Hz\tA\tkW");
  const Case cases[] = {
      {pr, "", ok},
      {pr, "999", ok},
      {pr, "1000", bad},
      {pr, "-1", bad},
      {pr, "12a", bad},
      {pr, "1.5", bad},
      {order, "1", more},
      {order, "2", more},
      {order, "21", bad},
      {order, "15", ok},
      {signed_range, "-", more},
      {signed_range, "-1", more},
      {signed_range, "-15", ok},
      {signed_range, "-21", bad},
      {signed_range, "5", bad},
      {pr, "1234567890123456789012", bad},
      {initial, "123,45", ok},
      {initial, "1234567", bad},
      {initial, "12.5", bad},
      {initial, "-1", bad},
      {hex, "001A", ok},
      {hex, "1a", ok},
      {hex, "12345", bad},
      {hex, "00G0", bad},
      {check, "1", ok},
      {check, "2", bad},
      {name, "abcde", ok},
      {name, "abcdef", bad},
      {list, "kW", ok},
      {list, "k", more},
      {list, "W", bad},
  };
  for (const Case& c : cases) {
    TableModel grid(1, 1);
    grid.SetType(1, 1, c.type);
    EXPECT_EQ(grid.CheckEntry(1, 1, c.text), c.expected) << c.text;
    EXPECT_EQ(grid.AcceptsText(1, 1, c.text), c.expected == ok) << c.text;
  }
}

TEST(TableModelSelection, WholeRowsUseMinusOneAndNoSelectionIsTheActiveCell) {
  TableModel grid(3, 5);
  grid.SetActiveCell(2, 4);
  EXPECT_EQ(grid.Selection(), (CellBlock{2, 2, 4, 4}));
  grid.SetSelection({-1, 7, 3, 2});
  EXPECT_EQ(grid.Selection(), (CellBlock{-1, -1, 2, 3}));
  EXPECT_TRUE(grid.Selection().WholeRows());
  grid.SetSelection({3, 1, 5, 5});
  EXPECT_EQ(grid.Selection(), (CellBlock{1, 3, 5, 5}));
  grid.ClearSelection();
  EXPECT_EQ(grid.Selection(), (CellBlock{2, 2, 4, 4}));
}

// Makes the grid 3 x 3 with texts "11" to "33" (column digit, then row digit).
void Number(TableModel& grid) {
  grid.SetColumnCount(3);
  grid.SetRowCount(3);
  for (int r = 1; r <= 3; ++r) {
    for (int c = 1; c <= 3; ++c) grid.SetText(c, r, std::to_string(c * 10 + r));
  }
}

// The clipboard text of the same block once its cells are empty.
std::string Emptied(std::string text) {
  text.erase(std::remove_if(text.begin(), text.end(),
                            [](char c) { return c != '\t' && c != '\r' && c != '\n'; }),
             text.end());
  return text;
}

TEST(TableModelClipboard, CopyAndCutWriteTabsAndCrLf) {
  struct Case {
    CellBlock block;
    std::string expected;
  };
  const Case cases[] = {
      {{-1, -1, 2, 3}, "12\t22\t32\r\n13\t23\t33\r\n"},
      {{2, 3, 1, 1}, "21\t31\r\n"},
      {{3, 3, 3, 3}, "33\r\n"},
      {{2, 5, 3, 9}, "23\t33\r\n"},  // clipped to the grid
  };
  for (const Case& c : cases) {
    TableModel grid;
    Number(grid);
    grid.SetSelection(c.block);
    EXPECT_EQ(grid.CopySelection(), c.expected);
    EXPECT_EQ(grid.CutSelection(), c.expected);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.CopySelection(), Emptied(c.expected));
  }
}

TEST(TableModelClipboard, CutEmptiesTypedCellsAndLeavesOthers) {
  TableModel grid;
  Number(grid);
  grid.SetType(1, 1, CellType::List("a\tb"));
  grid.SetValue(1, 1, 1);
  grid.SetType(2, 1, CellType::OfKind(CellKind::CheckBox));
  grid.SetValue(2, 1, 1);
  grid.SetSelection({1, 2, 1, 1});
  EXPECT_EQ(grid.CutSelection(), "b\t1\r\n");
  EXPECT_EQ(grid.Value(1, 1), -1);
  EXPECT_EQ(grid.Value(2, 1), 0);
  EXPECT_EQ(grid.Text(3, 1), "31");
  EXPECT_EQ(grid.Text(1, 2), "12");
}

TEST(TableModelClipboard, PasteWritesFromTheTopLeftAndDropsWhatFallsOutside) {
  struct Case {
    CellBlock block;
    std::string text;
    Texts expected_rows;  // each row's three texts joined by '|'
    Log expected_changes;
  };
  const Case cases[] = {
      {{2, 3, 2, 3},
       "a\tb\tc\r\nd\te\tf\r\ng\r\n",
       {"11|21|31", "12|a|b", "13|d|e"},
       {"change 2 2", "change 3 2", "change 2 3", "change 3 3"}},
      {{-1, -1, 3, 3}, "x\ty", {"11|21|31", "12|22|32", "x|y|33"}, {"change 1 3", "change 2 3"}},
      {{1, 1, 1, 1},
       "p\r\n\r\nq\n",
       {"p|21|31", "|22|32", "q|23|33"},
       {"change 1 1", "change 1 2", "change 1 3"}},
      {{3, 3, 1, 1}, "s\tt\tu", {"11|21|s", "12|22|32", "13|23|33"}, {"change 3 1"}},
  };
  for (const Case& c : cases) {
    TableModel grid;
    Number(grid);
    RecordingObserver observer;
    grid.SetObserver(&observer);
    grid.SetSelection(c.block);
    grid.PasteAtSelection(c.text);
    Texts rows;
    for (int r = 1; r <= 3; ++r) {
      rows.push_back(grid.Text(1, r) + "|" + grid.Text(2, r) + "|" + grid.Text(3, r));
    }
    EXPECT_EQ(rows, c.expected_rows) << c.text;
    EXPECT_EQ(observer.log, c.expected_changes) << c.text;
  }
}

TEST(TableModelClipboard, PasteSkipsTextsTheCellTypeRefuses) {
  TableModel grid(4, 1);
  grid.SetType(1, 1, CellType::WholeNumber(0, 999));
  grid.SetType(2, 1, CellType::List("0\t1\t16\t32"));
  grid.SetType(3, 1, CellType::OfKind(CellKind::HexCode));
  grid.SetText(1, 1, "5");
  grid.SetLocked(4, 1, true);  // locks guard typing, not the program's paste
  RecordingObserver observer;
  grid.SetObserver(&observer);
  grid.SetSelection({1, 4, 1, 1});
  grid.PasteAtSelection("1000\t16\tzz\tlocked\r\n");
  EXPECT_EQ(grid.Text(1, 1), "5");
  EXPECT_EQ(grid.Value(2, 1), 2);
  EXPECT_EQ(grid.Text(3, 1), "");
  EXPECT_EQ(grid.Text(4, 1), "locked");
  EXPECT_EQ(observer.log, (Log{"change 2 1", "change 4 1"}));
}

TEST(TableModelDrawing, SuspendedChangesReportOneReset) {
  TableModel grid(2, 2);
  RecordingListener listener;
  grid.AddViewListener(&listener);

  grid.SuspendDrawing();
  grid.ResumeDrawing();
  EXPECT_TRUE(listener.log.empty());  // nothing changed, nothing to redraw

  grid.SuspendDrawing();
  grid.SuspendDrawing();
  grid.SetRowCount(5);
  grid.SetText(1, 1, "a");
  grid.DeleteRows(1, 2);
  grid.ResumeDrawing();
  EXPECT_EQ(listener.log, Log{"reset?"});
  grid.ResumeDrawing();
  EXPECT_EQ(listener.log, (Log{"reset?", "reset"}));

  listener.log.clear();
  grid.ResumeDrawing();  // unbalanced: ignored
  grid.SetText(1, 1, "b");
  EXPECT_EQ(listener.log, Log{"cells 1 1 1 1"});
  grid.RemoveViewListener(&listener);
}

TEST(TableModelEvents, UserEditsRaiseEventsAndRespectLocksAndTypes) {
  TableModel grid(3, 2);
  grid.SetType(1, 1, CellType::WholeNumber(0, 999));
  grid.SetType(2, 1, CellType::OfKind(CellKind::Static));
  grid.SetLocked(3, 1, true);
  grid.SetType(1, 2, CellType::List("a\tb"));
  RecordingObserver observer;
  grid.SetObserver(&observer);

  EXPECT_TRUE(grid.BeginEdit(1, 1));
  EXPECT_FALSE(grid.BeginEdit(2, 1));
  EXPECT_FALSE(grid.BeginEdit(3, 1));
  EXPECT_FALSE(grid.BeginEdit(1, 3));
  EXPECT_TRUE(grid.CommitEdit(1, 1, "12"));
  EXPECT_TRUE(grid.CommitEdit(1, 1, "12"));  // unchanged: no change event
  EXPECT_FALSE(grid.CommitEdit(1, 1, "1000"));
  EXPECT_FALSE(grid.CommitEdit(3, 1, "x"));
  EXPECT_FALSE(grid.CommitEdit(2, 1, "x"));
  EXPECT_TRUE(grid.CommitValue(1, 2, 1));
  EXPECT_FALSE(grid.CommitValue(1, 2, 2));
  EXPECT_EQ(grid.Text(1, 1), "12");
  EXPECT_EQ(grid.Text(1, 2), "b");
  EXPECT_EQ(observer.log, (Log{"edit 1 1", "change 1 1", "change 1 2"}));
}

TEST(TableModelEvents, OnlyTheUserMovingTheCursorLeavesACell) {
  TableModel grid(3, 3);
  RecordingObserver observer;
  grid.SetObserver(&observer);
  grid.SetActiveCell(2, 2);
  grid.MoveActiveCell(2, 2);
  grid.MoveActiveCell(3, 9);  // pulled into the grid
  EXPECT_EQ(observer.log, Log{"leave 2 2 3 3"});
  EXPECT_EQ(grid.ActiveColumn(), 3);
  EXPECT_EQ(grid.ActiveRow(), 3);
}

TEST(TableModelEvents, ObserverMaySwallowKeys) {
  TableModel grid(1, 1);
  EXPECT_EQ(grid.KeyPress(kKeyEnter), kKeyEnter);
  RecordingObserver observer;
  observer.swallow_key = kKeyEnter;
  grid.SetObserver(&observer);
  EXPECT_EQ(grid.KeyPress(kKeyEnter), 0);
  EXPECT_EQ(grid.KeyPress('a'), 'a');
  EXPECT_EQ(grid.KeyDown(kKeyEscape, false), kKeyEscape);
}

}  // namespace
}  // namespace pfedit
