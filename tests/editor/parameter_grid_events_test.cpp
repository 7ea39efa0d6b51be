#include "editor/parameter_grid_events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/message_ids.h"
#include "editor/grid_test_support.h"
#include "support/scripted_desktop.h"

namespace pfedit::editor {
namespace {

using Log = std::vector<std::string>;
using pfedit::test::ScriptedDesktop;
using test::Record;

// A grid loaded with the records and the rules listening.
struct Harness {
  explicit Harness(const std::vector<ParameterRecord>& records) {
    grid.SetObserver(&events);
    test::Load(grid, records);
  }
  TableModel grid;
  EditorState state;
  ScriptedDesktop desktop;
  test::RecordingWindow window;
  ParameterGridEvents events{grid, state, desktop, window, '.'};
};

// Pr 5, 905 (protected), 0 (a new row), 15.
class GridEvents : public ::testing::Test, protected Harness {
 protected:
  GridEvents() : Harness({Record("5"), Record("905"), Record("0"), Record("15", "Z")}) {}
};

TEST(GridEventsPr, ProtectedNumbersCannotBeTypedInOrOut) {
  const struct {
    const char* what;
    int row;
    const char* typed;
    MessageId refusal;  // 0: accepted
    const char* shown;
  } cases[] = {
      {"ordinary renumbering", 1, "6", 0, "6"},
      {"cleared", 1, "", 0, ""},
      {"into the range", 1, "920", msg::kProtectedNoEdit, "5"},
      {"its last number", 1, "939", msg::kProtectedNoEdit, "5"},
      {"just above it", 1, "940", 0, "940"},
      {"zeros hide no number", 1, "0905", msg::kProtectedNoEdit, "5"},
      {"new row into the range", 3, "920", msg::kProtectedNoEdit, "0"},
      {"out of the range", 2, "6", msg::kProtectedNoEdit, "905"},
  };
  for (const auto& c : cases) {
    Harness h({Record("5"), Record("905"), Record("0")});
    h.grid.SetLocked(kColPr, 2, false);  // the rule holds where no lock guards the cell
    if (c.refusal != 0) h.desktop.ExpectMessage(c.refusal);
    ASSERT_TRUE(h.grid.BeginEdit(kColPr, c.row)) << c.what;
    EXPECT_TRUE(h.grid.CommitEdit(kColPr, c.row, c.typed)) << c.what;
    EXPECT_EQ(h.grid.Text(kColPr, c.row), c.shown) << c.what;
    EXPECT_EQ(h.events.PrChangeRefused, c.refusal != 0) << c.what;
    // A refused change leaves the list unchanged: nothing dirty, no menu state.
    EXPECT_EQ(h.state.ParametersDirty, c.refusal == 0) << c.what;
    EXPECT_EQ(h.window.log, c.refusal == 0 ? (Log{"check on", "menu 9"}) : Log{}) << c.what;
  }
}

TEST_F(GridEvents, PastedNumbersOverOrIntoTheProtectedRangeAreRefused) {
  // Paste over a protected row: the snapshot names its old Pr.
  events.Snapshot = TakeGridSnapshot(grid);
  events.PasteInProgress = true;
  grid.SetSelection({1, 2, 2, 2});
  desktop.ExpectMessage(msg::kProtectedNoPaste);
  grid.PasteAtSelection("7\tX\r\n");
  EXPECT_FALSE(events.PasteInProgress);
  EXPECT_TRUE(events.PrChangeRefused);

  // A pasted line in a new row (no edit started) may not bring one in.
  events.PrChangeRefused = false;
  events.PrTextBeforeEdit.clear();
  grid.SetSelection({1, 1, 3, 3});
  desktop.ExpectMessage(msg::kProtectedNoEdit);
  grid.PasteAtSelection("910\r\n");
  EXPECT_EQ(grid.Text(kColPr, 3), "");
  EXPECT_TRUE(events.PrChangeRefused);
}

TEST_F(GridEvents, FunctionalCodesAreWrittenAsFourCapitalHexDigits) {
  const std::pair<const char*, const char*> cases[] = {
      {"1a", "001A"}, {"ffff", "FFFF"}, {"0", "0000"}, {"", ""}};
  for (const auto& [typed, shown] : cases) {
    EXPECT_TRUE(grid.CommitEdit(kColFunctionCode, 1, typed)) << typed;
    EXPECT_EQ(grid.Text(kColFunctionCode, 1), shown) << typed;
  }
  EXPECT_TRUE(state.ParametersDirty);
  EXPECT_TRUE(window.check_enabled);
}

TEST_F(GridEvents, KeysMovesClicksAndTips) {
  for (const int column :
       {kColName, kColInitialValue, kColSettingRange, kColPr, kColWritingOrder}) {
    grid.SetActiveCell(column, 1);
    const bool stays = column != kColPr && column != kColWritingOrder;
    EXPECT_EQ(grid.KeyPress(kKeyEnter), stays ? 0 : kKeyEnter) << column;
  }
  desktop.clipboard = "x";
  grid.KeyDown(kKeyEscape, true);
  EXPECT_EQ(desktop.clipboard, "x");
  grid.KeyDown(kKeyEscape, false);
  EXPECT_EQ(desktop.clipboard, "");
  grid.MoveActiveCell(2, 2);
  grid.RightClick(0, 0, 40, 50);
  EXPECT_EQ(window.log, (Log{"menu 8", "pr 905", "edit menu 40 50"}));

  // Tips by column: how many lines, and the first.
  const struct {
    int column;
    std::size_t lines;
    const char* first;
  } tips[] = {{kColSpecialCode, 4, " 0 : Specification none"}, {kColName, 0, ""}};
  for (const auto& t : tips) {
    const std::string tip = grid.ToolTip(t.column, 4);
    const std::size_t breaks = static_cast<std::size_t>(std::count(tip.begin(), tip.end(), '\n'));
    EXPECT_EQ(tip.empty() ? 0 : breaks + 1, t.lines) << t.column;
    EXPECT_EQ(tip.substr(0, tip.find('\r')), t.first) << t.column;
  }
}

TEST_F(GridEvents, PrBoxJumpsToTheFirstRowOfTheNumber) {
  grid.SetRowCount(40);  // room to scroll; the empty rows hold no number
  const struct {
    const char* typed;
    const char* shown;  // null: the box is left alone
    int row;            // the active and top row afterwards; 0: unchanged
  } cases[] = {
      {"15", "15", 4}, {"14.5", "15", 4}, {"0", "0", 3},        {"1000", "1000", 0},
      {"6", "6", 0},   {"-1", "-1", 0},   {"999.5", "1000", 0}, {"1.2.3", nullptr, 0},
  };
  for (const auto& c : cases) {
    grid.SetActiveCell(2, 1);
    grid.SetTopRow(1);
    window.pr_text = "-";
    int16_t key = kKeyEnter;
    events.txtPr_KeyPress(key, c.typed);
    EXPECT_EQ(key, 0) << c.typed;
    EXPECT_EQ(window.pr_text, c.shown != nullptr ? c.shown : "-") << c.typed;
    EXPECT_EQ(grid.ActiveRow(), c.row != 0 ? c.row : 1) << c.typed;
    EXPECT_EQ(grid.ActiveColumn(), c.row != 0 ? 1 : 2) << c.typed;
    EXPECT_EQ(grid.TopRow(), c.row != 0 ? c.row : 1) << c.typed;
  }
  const std::pair<int16_t, int16_t> keys[] = {{'a', 0}, {'-', 0}, {',', 0}, {'.', '.'}, {'7', '7'}};
  for (auto [key, passed] : keys) {
    events.txtPr_KeyPress(key, "");
    EXPECT_EQ(key, passed);
  }
}

TEST_F(GridEvents, InsertRowsStopsAtTheLimit) {
  grid.SetRowCount(kMaxGridRows - 2);
  desktop.ExpectMessage(msg::kRowLimit);
  EXPECT_FALSE(events.InsertRows(true, 2));
  EXPECT_EQ(grid.RowCount(), kMaxGridRows - 2);
  EXPECT_FALSE(state.ParametersDirty);
  events.ParameterCheckDone = true;
  EXPECT_TRUE(events.InsertRows(true, 1));
  EXPECT_EQ(grid.RowCount(), kMaxGridRows);
  EXPECT_TRUE(state.ParametersDirty);
  EXPECT_FALSE(events.ParameterCheckDone);
  EXPECT_EQ(window.log, Log{"menu 9"});
}

TEST_F(GridEvents, CheckReportsTheFirstFaultOrStoresTheList) {
  // Sorted: 0, 5, 5 Z, 905. The range fault of 905 is found before the
  // duplicate, which the scan after the rows finds.
  grid.SetText(kColInitialValue, 2, "900");
  grid.SetText(kColPr, 4, "5");
  desktop.ExpectText(
      "The initial setting value is out of the setting range.\r\n"
      "Setting ranges for the initial values differ by the decimal places.\r\n"
      "0 to 65535 (When decimal place=0)\r\n0 to 6553.5 (When decimal place=1)\r\n"
      "0 to 655.35 (When decimal place=2)\r\n0 to 65.535 (When decimal place=3)");
  EXPECT_FALSE(events.CmdEnd_Click());
  EXPECT_EQ(test::PrColumn(grid), "0 5 5 905");
  EXPECT_EQ(grid.ActiveRow(), 4);
  EXPECT_EQ(grid.ActiveColumn(), kColInitialValue);
  EXPECT_EQ(grid.Background(kColPr, 3), kFaultColour);
  EXPECT_EQ(window.log, Log{"pr 905"});
  EXPECT_TRUE(state.Buffer.ParameterList.empty());  // a failed check stores nothing

  grid.SetText(kColInitialValue, 4, "9");
  grid.SetText(kColPr, 3, "6");
  window.log.clear();
  desktop.ExpectMessage(msg::kNoError);
  EXPECT_TRUE(events.CmdEnd_Click());
  EXPECT_EQ(desktop.boxes.back().icon, Icon::kInformation);
  EXPECT_TRUE(events.ParameterCheckDone);
  EXPECT_EQ(window.log, (Log{"menu 9", "check off"}));
  ASSERT_EQ(state.Buffer.ParameterList.size(), 4u);
  EXPECT_EQ(state.Buffer.RecordCount, 4);
  EXPECT_EQ(state.Buffer.ParameterList[3].InitialValue, 900);

  grid.CommitEdit(kColName, 1, "changed");
  EXPECT_FALSE(events.ParameterCheckDone);
  EXPECT_TRUE(window.check_enabled);
}

}  // namespace
}  // namespace pfedit::editor
