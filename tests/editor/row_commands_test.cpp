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
  void Select(int first_column, int last_column, int first_row, int last_row) {
    grid().SetActiveCell(first_column < 1 ? 1 : first_column, first_row);
    grid().SetSelection({first_column, last_column, first_row, last_row});
  }
  // Opens the Edit menu first, as the user must to reach Paste.
  void Run(MenuItem item) {
    form.mnuEdit_Click();
    form.Invoke(item);
  }
  std::string Column(int column) {
    std::string text;
    for (int row = 1; row <= grid().RowCount(); ++row) {
      text += (row > 1 ? " " : "") + grid().Text(column, row);
    }
    return text;
  }

  pfedit::test::TempFolder folder;
  EditorState state;
  ScriptedDesktop desktop;
  frmPrFileEdit form{state, desktop, '.'};
};

struct TakeCase {
  const char* what;
  MenuItem command;
  CellBlock selection;
  MessageId refusal;  // kStatusOk: allowed
  const char* clipboard;
  const char* names_after;
};

TEST(RowCommands, CutAndCopyRefuseProtectedPrAndTakeOnlyVisibleColumns) {
  const TakeCase cases[] = {
      {"copy whole rows",
       MenuItem::mnuEditCopy,
       {kWholeRows, kWholeRows, 1, 2},
       kStatusOk,
       "1\tN1\t120\t2\tHz\tRANGE\t0\t0101\t10\t0\r\n"
       "2\tN2\t120\t2\tHz\tRANGE\t0\t0101\t10\t0\r\n",
       "N1 N2 N3 N4"},
      {"copy whole rows with 905",
       MenuItem::mnuEditCopy,
       {kWholeRows, kWholeRows, 2, 3},
       msg::kProtectedNoCopy,
       "old",
       "N1 N2 N3 N4"},
      {"cut whole rows with 905",
       MenuItem::mnuEditCut,
       {kWholeRows, kWholeRows, 3, 4},
       msg::kProtectedNoCut,
       "old",
       "N1 N2 N3 N4"},
      {"copy the Pr cell 905",
       MenuItem::mnuEditCopy,
       {1, 1, 3, 3},
       msg::kProtectedNoCopy,
       "old",
       "N1 N2 N3 N4"},
      {"cut a block over column 1 with 905",
       MenuItem::mnuEditCut,
       {1, 2, 2, 3},
       msg::kProtectedNoCut,
       "old",
       "N1 N2 N3 N4"},
      {"cut names beside 905",
       MenuItem::mnuEditCut,
       {2, 2, 2, 3},
       kStatusOk,
       "N2\r\nN3\r\n",
       "N1   N4"},
      {"copy the name of row 905",
       MenuItem::mnuEditCopy,
       {2, 2, 3, 3},
       kStatusOk,
       "N3\r\n",
       "N1 N2 N3 N4"},
  };
  for (const TakeCase& c : cases) {
    RowWindow w({"1", "2", "905", "3"});
    w.desktop.clipboard = "old";
    if (c.refusal != kStatusOk) w.desktop.ExpectMessage(c.refusal);
    w.Select(c.selection.first_column, c.selection.last_column, c.selection.first_row,
             c.selection.last_row);
    w.Run(c.command);
    EXPECT_EQ(w.desktop.clipboard, c.clipboard) << c.what;
    EXPECT_EQ(w.Column(kColName), c.names_after) << c.what;
    EXPECT_EQ(w.state.ParametersDirty, c.refusal == kStatusOk) << c.what;
    EXPECT_TRUE(w.form.CmdEnd.Enabled) << c.what;
    // The protected Pr cell stays locked whatever the command did around it.
    EXPECT_TRUE(w.grid().Locked(kColPr, 3)) << c.what;
    EXPECT_FALSE(w.grid().Locked(kColName, 3)) << c.what;
    EXPECT_TRUE(w.form.MenuEnabled(MenuItem::mnuEditCut)) << c.what;
  }
}

struct PasteCase {
  const char* what;
  MenuItem command;
  CellBlock selection;
  std::string clipboard;
  std::vector<MessageId> messages;
  const char* prs_after;
  const char* names_after;
  bool dirty;
};

TEST(RowCommands, PasteAndAddPasteChangeAllOrNothing) {
  const std::string many_lines = [] {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "X\r\n";
    return text;
  }();
  const PasteCase cases[] = {
      {"names over names",
       MenuItem::mnuEditPaste,
       {2, 2, 1, 1},
       "A\r\nB\r\n",
       {},
       "1 2 905 3",
       "A B N3 N4",
       true},
      {"whole rows onto rows 1 and 2",
       MenuItem::mnuEditPaste,
       {kWholeRows, kWholeRows, 1, 2},
       "7\tA\r\n8\tB\r\n",
       {},
       "7 8 905 3",
       "A B N3 N4",
       true},
      {"whole rows including 905",
       MenuItem::mnuEditPaste,
       {kWholeRows, kWholeRows, 2, 3},
       "7\tA\r\n",
       {msg::kProtectedNoPaste},
       "1 2 905 3",
       "N1 N2 N3 N4",
       false},
      // Two lines from row 2 reach row 3, whose Pr is protected.
      {"block at column 1 reaching 905",
       MenuItem::mnuEditPaste,
       {1, 1, 2, 2},
       "7\r\n8\r\n",
       {msg::kProtectedNoPaste},
       "1 2 905 3",
       "N1 N2 N3 N4",
       false},
      {"block at column 2 over row 905",
       MenuItem::mnuEditPaste,
       {2, 2, 3, 3},
       "Z\r\n",
       {},
       "1 2 905 3",
       "N1 N2 Z N4",
       true},
      // The name of row 1 was written before the Pr of row 2 was refused:
      // the snapshot takes both back.
      {"a pasted 905 is refused and undone",
       MenuItem::mnuEditPaste,
       {1, 1, 1, 1},
       "6\tA\r\n910\tB\r\n",
       {msg::kProtectedNoEdit},
       "1 2 905 3",
       "N1 N2 N3 N4",
       true},
      {"100 000 lines fill what is there",
       MenuItem::mnuEditPaste,
       {2, 2, 1, 1},
       many_lines,
       {},
       "1 2 905 3",
       "X X X X",
       true},
      {"tabs, quotes and bytes above 127",
       MenuItem::mnuEditPaste,
       {2, 2, 4, 4},
       "\"q\xE9\"\t\t\t\t\t\t\t\t\t\t\t\t\r\n",
       {},
       "1 2 905 3",
       "N1 N2 N3 \"q\xE9\"",
       true},
      {"empty clipboard",
       MenuItem::mnuEditPaste,
       {2, 2, 1, 1},
       "",
       {},
       "1 2 905 3",
       "N1 N2 N3 N4",
       false},
      {"add paste of two rows",
       MenuItem::mnuEditAddPaste,
       {1, 1, 2, 2},
       "7\tA\r\n8\tB\r\n",
       {},
       "1 7 8 2 905 3",
       "N1 A B N2 N3 N4",
       true},
      {"add paste with a 910 removes its rows",
       MenuItem::mnuEditAddPaste,
       {1, 1, 2, 2},
       "7\tA\r\n910\tB\r\n",
       {msg::kProtectedNoEdit},
       "1 2 905 3",
       "N1 N2 N3 N4",
       true},
      {"add paste beyond the row limit",
       MenuItem::mnuEditAddPaste,
       {1, 1, 2, 2},
       many_lines,
       {msg::kRowLimit},
       "1 2 905 3",
       "N1 N2 N3 N4",
       false},
  };
  for (const PasteCase& c : cases) {
    RowWindow w({"1", "2", "905", "3"});
    w.desktop.clipboard = c.clipboard;
    for (const MessageId message : c.messages) w.desktop.ExpectMessage(message);
    w.Select(c.selection.first_column, c.selection.last_column, c.selection.first_row,
             c.selection.last_row);
    w.Run(c.command);
    EXPECT_EQ(w.Column(kColPr), c.prs_after) << c.what;
    EXPECT_EQ(w.Column(kColName), c.names_after) << c.what;
    EXPECT_EQ(w.state.ParametersDirty, c.dirty) << c.what;
    EXPECT_TRUE(w.grid().Locked(kColPr, w.grid().RowCount() - 1)) << c.what;
    EXPECT_FALSE(w.form.GridEvents().PasteInProgress) << c.what;
  }
}

TEST(RowCommands, DelRemovesWholeRowsUnlessOneIsProtected) {
  const struct {
    const char* what;
    CellBlock selection;
    MessageId refusal;
    const char* prs_after;
  } cases[] = {
      {"two rows by a block of names", {2, 2, 1, 2}, kStatusOk, "905 3"},
      {"a block reaching 905", {1, 1, 2, 3}, msg::kProtectedNoDelete, "1 2 905 3"},
      {"the last row", {kWholeRows, kWholeRows, 4, 4}, kStatusOk, "1 2 905"},
  };
  for (const auto& c : cases) {
    RowWindow w({"1", "2", "905", "3"});
    if (c.refusal != kStatusOk) w.desktop.ExpectMessage(c.refusal);
    w.Select(c.selection.first_column, c.selection.last_column, c.selection.first_row,
             c.selection.last_row);
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

// A user opens a shipped list, tries to renumber a row into the protected
// range and is refused; nothing counts as changed.
TEST(RowCommands, SampleListRefusesAPrEditInto902To939) {
  RowWindow w({});
  const std::string path = std::string(PFEDIT_SAMPLE_DIR) + "/qx_a740_a01.vfd";
  ASSERT_EQ(ReadParameterFile(w.state, w.desktop, path), kStatusOk);
  w.form.ShowParameterList();
  ASSERT_GT(w.grid().RowCount(), 10);
  EXPECT_EQ(w.form.txtPr.Text, w.grid().Text(kColPr, 1));
  w.desktop.ExpectMessage(msg::kProtectedNoEdit);
  const std::string before = w.grid().Text(kColPr, 2);
  ASSERT_TRUE(w.grid().BeginEdit(kColPr, 2));
  w.grid().CommitEdit(kColPr, 2, "905");
  EXPECT_EQ(w.grid().Text(kColPr, 2), before);
  EXPECT_FALSE(w.state.ParametersDirty);
  EXPECT_FALSE(w.state.HasUnsavedData());

  // The shipped list passes the check; clearing the window leaves nothing
  // to edit.
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
