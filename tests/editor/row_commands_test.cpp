// The Edit menu's list commands through the main window: the protection of
// Pr 902 to 939, the clipboard, and what a refusal leaves behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/message_ids.h"
#include "editor/frm_pr_file_edit.h"
#include "editor/grid_test_support.h"
#include "editor/parameter_file_io.h"
#include "editor/row_commands.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit::editor {
namespace {

using pfedit::test::ScriptedDesktop;

constexpr int kWholeRows = -1;
constexpr int kModelOpenedForEditing = 4;

// A window with an open model whose list holds rows of the given Pr.
class RowWindow {
 public:
  explicit RowWindow(const std::vector<std::string>& prs) {
    std::filesystem::create_directories(folder.File("en/help"));
    folder.Write("en/help/dorvien.chm", "help");
    form.Form_Load(folder.path());
    for (std::size_t i = 0; i < prs.size(); ++i) {
      state.Buffer.ParameterList.push_back(test::Record(prs[i], "N" + std::to_string(i + 1)));
    }
    state.Buffer.RecordCount = static_cast<int16_t>(prs.size());
    form.ShowParameterList();
    form.MenuSet(kModelOpenedForEditing);
  }

  TableModel& grid() { return form.sprParaList; }
  void Select(const CellBlock& block) {
    grid().SetActiveCell(block.first_column < 1 ? 1 : block.first_column, block.first_row);
    grid().SetSelection(block);
  }
  // Opens the Edit menu first, as the user must to reach Paste.
  void Run(MenuItem item) {
    form.mnuEdit_Click();
    form.Invoke(item);
  }
  std::string Column(int column) {
    std::string text;
    for (int row = 1; row <= grid().RowCount(); ++row) {
      text += row > 1 ? " " : "";
      text += grid().Text(column, row);
    }
    return text;
  }

  pfedit::test::TempFolder folder;
  EditorState state;
  ScriptedDesktop desktop;
  frmPrFileEdit form{state, desktop, '.'};
};

constexpr MenuItem kCut = MenuItem::mnuEditCut;
constexpr MenuItem kCopy = MenuItem::mnuEditCopy;
constexpr MenuItem kPaste = MenuItem::mnuEditPaste;
constexpr MenuItem kAddPaste = MenuItem::mnuEditAddPaste;
constexpr const char* kUnchanged = "N1 N2 N3 N4";

TEST(RowCommands, CutAndCopyRefuseProtectedPrAndTakeOnlyVisibleColumns) {
  const struct {
    const char* what;
    MenuItem command;
    int first_column, last_column, first_row, last_row;  // selected
    MessageId refusal;                                   // kStatusOk: allowed
    const char* clipboard;
    const char* names_after;
  } cases[] = {
      {"copy whole rows", kCopy, kWholeRows, kWholeRows, 1, 2, kStatusOk,
       "1\tN1\t120\t2\tHz\tRANGE\t0\t0101\t10\t0\r\n2\tN2\t120\t2\tHz\tRANGE\t0"
       "\t0101\t10\t0\r\n",
       kUnchanged},
      {"copy rows with 905", kCopy, kWholeRows, kWholeRows, 2, 3, msg::kProtectedNoCopy, "old",
       kUnchanged},
      {"cut rows with 905", kCut, kWholeRows, kWholeRows, 3, 4, msg::kProtectedNoCut, "old",
       kUnchanged},
      {"cut over column 1 with 905", kCut, 1, 2, 2, 3, msg::kProtectedNoCut, "old", kUnchanged},
      {"cut names beside 905", kCut, 2, 2, 2, 3, kStatusOk, "N2\r\nN3\r\n", "N1   N4"},
  };
  for (const auto& c : cases) {
    RowWindow w({"1", "2", "905", "3"});
    w.desktop.clipboard = "old";
    if (c.refusal != kStatusOk) w.desktop.ExpectMessage(c.refusal);
    w.Select({c.first_column, c.last_column, c.first_row, c.last_row});
    w.Run(c.command);
    EXPECT_EQ(w.desktop.clipboard + "|" + w.Column(kColName),
              std::string(c.clipboard) + "|" + c.names_after)
        << c.what;
    EXPECT_EQ(w.state.ParametersDirty, c.refusal == kStatusOk) << c.what;
    EXPECT_TRUE(w.form.CmdEnd.Enabled) << c.what;
    // The protected Pr cell stays locked whatever the command did around it.
    EXPECT_TRUE(w.grid().Locked(kColPr, 3)) << c.what;
    EXPECT_FALSE(w.grid().Locked(kColName, 3)) << c.what;
  }
}

TEST(RowCommands, PasteAndAddPasteChangeAllOrNothing) {
  const std::string many_lines = [] {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "X\r\n";
    return text;
  }();
  const struct {
    const char* what;
    MenuItem command;
    int first_column, last_column, first_row, last_row;  // selected
    std::string clipboard;
    MessageId refusal;
    const char* prs_after;
    const char* names_after;
    bool dirty;
  } cases[] = {
      {"names over names", kPaste, 2, 2, 1, 1, "A\r\nB\r\n", 0, "1 2 905 3", "A B N3 N4", true},
      {"whole rows", kPaste, kWholeRows, kWholeRows, 1, 2, "7\tA\r\n8\tB\r\n", 0, "7 8 905 3",
       "A B N3 N4", true},
      {"whole rows including 905", kPaste, kWholeRows, kWholeRows, 2, 3, "7\tA\r\n",
       msg::kProtectedNoPaste, "1 2 905 3", kUnchanged, false},
      // Two lines from row 2 reach row 3, whose Pr is protected.
      {"column 1 reaching 905", kPaste, 1, 1, 2, 2, "7\r\n8\r\n", msg::kProtectedNoPaste,
       "1 2 905 3", kUnchanged, false},
      {"column 2 of row 905", kPaste, 2, 2, 3, 3, "Z\r\n", 0, "1 2 905 3", "N1 N2 Z N4", true},
      // The name of row 1 was written before the Pr of row 2 was refused:
      // the snapshot takes both back.
      {"a pasted 910 is undone", kPaste, 1, 1, 1, 1, "6\tA\r\n910\tB\r\n", msg::kProtectedNoEdit,
       "1 2 905 3", kUnchanged, true},
      {"100 000 lines fill what is there", kPaste, 2, 2, 1, 1, many_lines, 0, "1 2 905 3",
       "X X X X", true},
      {"tabs, quotes, bytes above 127", kPaste, 2, 2, 4, 4, "\"q\xE9\"\t\t\t\t\t\t\t\t\t\t\t\t\r\n",
       0, "1 2 905 3", "N1 N2 N3 \"q\xE9\"", true},
      {"empty clipboard", kPaste, 2, 2, 1, 1, "", 0, "1 2 905 3", kUnchanged, false},
      {"add paste", kAddPaste, 1, 1, 2, 2, "7\tA\r\n8\tB\r\n", 0, "1 7 8 2 905 3",
       "N1 A B N2 N3 N4", true},
      {"add paste with a 910 removes its rows", kAddPaste, 1, 1, 2, 2, "7\tA\r\n910\tB\r\n",
       msg::kProtectedNoEdit, "1 2 905 3", kUnchanged, true},
      {"add paste beyond the row limit", kAddPaste, 1, 1, 2, 2, many_lines, msg::kRowLimit,
       "1 2 905 3", kUnchanged, false},
  };
  for (const auto& c : cases) {
    RowWindow w({"1", "2", "905", "3"});
    w.desktop.clipboard = c.clipboard;
    if (c.refusal != 0) w.desktop.ExpectMessage(c.refusal);
    w.Select({c.first_column, c.last_column, c.first_row, c.last_row});
    w.Run(c.command);
    EXPECT_EQ(w.Column(kColPr) + "|" + w.Column(kColName),
              std::string(c.prs_after) + "|" + c.names_after)
        << c.what;
    EXPECT_EQ(w.state.ParametersDirty, c.dirty) << c.what;
    EXPECT_TRUE(w.grid().Locked(kColPr, w.grid().RowCount() - 1)) << c.what;
    EXPECT_FALSE(w.form.GridEvents().PasteInProgress) << c.what;
  }
}

TEST(RowCommands, DelRemovesWholeRowsUnlessOneIsProtected) {
  const struct {
    const char* what;
    int first_column, last_column, first_row, last_row;  // selected
    MessageId refusal;
    const char* prs_after;
  } cases[] = {
      {"two rows by a block of names", 2, 2, 1, 2, kStatusOk, "905 3"},
      {"a block starting at 905", 2, 2, 3, 4, msg::kProtectedNoDelete, "1 2 905 3"},
      {"the last row", kWholeRows, kWholeRows, 4, 4, kStatusOk, "1 2 905"},
  };
  for (const auto& c : cases) {
    RowWindow w({"1", "2", "905", "3"});
    if (c.refusal != kStatusOk) w.desktop.ExpectMessage(c.refusal);
    w.Select({c.first_column, c.last_column, c.first_row, c.last_row});
    w.Run(MenuItem::mnuEditDel);
    EXPECT_EQ(w.Column(kColPr), c.prs_after) << c.what;
    EXPECT_EQ(w.state.ParametersDirty, c.refusal == kStatusOk) << c.what;
    if (c.refusal == kStatusOk) {
      EXPECT_EQ(w.form.txtPr.Text, w.grid().Text(kColPr, w.grid().ActiveRow())) << c.what;
    }
  }
}

TEST(RowCommands, DeletingTheLastRowEmptiesThePrBoxAndDisablesTheCheck) {
  RowWindow w({"1"});
  w.Run(MenuItem::mnuEditDel);
  EXPECT_EQ(w.grid().RowCount(), 0);
  EXPECT_EQ(w.form.txtPr.Text, "");
  EXPECT_FALSE(w.form.CmdEnd.Enabled);
}

TEST(RowCommands, AddInsertsANewRowUntilTheLimit) {
  RowWindow w(std::vector<std::string>(kMaxGridRows - 1, "1"));
  w.grid().SetActiveCell(1, 1);
  w.Run(MenuItem::mnuEditAdd);
  EXPECT_EQ(w.grid().RowCount(), kMaxGridRows);
  EXPECT_EQ(w.grid().Text(kColWritingOrder, 1), "10");
  w.desktop.ExpectMessage(msg::kRowLimit);
  w.Run(MenuItem::mnuEditAdd);
  EXPECT_EQ(w.grid().RowCount(), kMaxGridRows);
}

// The Edit menu enables Paste by the clipboard only while the grid has rows.
TEST(RowCommands, OpeningTheEditMenuEnablesPasteByTheClipboard) {
  RowWindow w({"1"});
  for (const bool has_text : {true, false}) {
    w.desktop.clipboard = has_text ? "x" : "";
    w.form.mnuEdit_Click();
    EXPECT_EQ(w.form.MenuEnabled(MenuItem::mnuEditPaste), has_text);
    EXPECT_EQ(w.form.MenuEnabled(MenuItem::mnuEditAddPaste), has_text);
  }
  w.form.ClearWindow();
  w.desktop.clipboard = "x";
  w.form.mnuEdit_Click();
  EXPECT_FALSE(w.form.MenuEnabled(MenuItem::mnuEditPaste));
}

TEST(RowCommands, LockMapPutsBackExactlyTheLocksItTookOff) {
  TableModel grid(3, 2);
  grid.SetLocked(1, 1, true);
  grid.SetLocked(3, 2, true);
  LockedCellMap map;
  UnlockBlock(grid, 1, 3, 1, 2, true, map);
  for (int column = 1; column <= 3; ++column) {
    for (int row = 1; row <= 2; ++row) EXPECT_FALSE(grid.Locked(column, row));
  }
  grid.SetLocked(2, 1, true);  // locked meanwhile: not the map's business
  RelockBlock(grid, true, map);
  EXPECT_TRUE(grid.Locked(1, 1));
  EXPECT_TRUE(grid.Locked(2, 1));
  EXPECT_TRUE(grid.Locked(3, 2));
  EXPECT_FALSE(grid.Locked(2, 2));
}

// A shipped list passes the check; clearing the window leaves nothing to edit.
TEST(RowCommands, SampleListPassesTheCheckAndClears) {
  RowWindow w({});
  const std::string path = std::string(PFEDIT_SAMPLE_DIR) + "/qx_a740_a01.vfd";
  ASSERT_EQ(ReadParameterFile(w.state, w.desktop, path), kStatusOk);
  w.form.ShowParameterList();
  ASSERT_GT(w.grid().RowCount(), 10);
  EXPECT_EQ(w.form.txtPr.Text, w.grid().Text(kColPr, 1));
  w.desktop.ExpectMessage(msg::kNoError);
  w.form.CmdEnd_Click();
  EXPECT_FALSE(w.form.CmdEnd.Enabled);
  EXPECT_TRUE(w.form.GridEvents().ParameterCheckDone);
  w.form.ClearWindow();
  EXPECT_EQ(w.grid().RowCount(), 0);
  EXPECT_EQ(w.form.txtPr.Text, "");
  EXPECT_FALSE(w.form.txtPr.Enabled);
  EXPECT_FALSE(w.form.CmdEnd.Enabled);
}

}  // namespace
}  // namespace pfedit::editor
