#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/messages.h"
#include "editor/frm_folder.h"
#include "editor/frm_func.h"
#include "editor/frm_pr_file_edit.h"
#include "editor/func_code_command.h"
#include "editor/grid_layout.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit::editor {
namespace {

std::vector<int> Ticked(const frmFunc& form) {
  std::vector<int> bits;
  for (int bit = 0; bit < kFuncBits; ++bit) {
    if (form.chkFunc[static_cast<std::size_t>(bit)].Value) bits.push_back(bit);
  }
  return bits;
}

TEST(FuncCodeDialogTest, LayoutOfModelCode1) {
  struct Case {
    const char* code;
    int16_t layout;
    bool full;
  };
  const std::vector<Case> cases{
      {"0x01000000", 1, true},  {"0x02FFFFFF", 2, true},   {"&H03000000", 3, false},
      {"0x00000000", 0, false}, {"0x1F000000", 31, false}, {"0xZ1000000", 0, false},
      {"0x", 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FuncLayoutOf(c.code), c.layout) << c.code;
    EXPECT_EQ(IsFullFuncLayout(FuncLayoutOf(c.code)), c.full) << c.code;
  }
}

// The code's bits tick the boxes the layout shows; the label and OK give the
// code of the ticked, enabled boxes, so the short layout drops bits 12 to 15.
TEST(FuncCodeDialogTest, BitsAndBoxes) {
  struct Case {
    uint32_t code;
    int16_t layout;
    std::vector<int> ticked;
    const char* shown;
  };
  const std::vector<Case> cases{
      {0x0013, 1, {0, 1, 4}, "0013"},
      {0xF001, 3, {0}, "0001"},
      {0x0000, 2, {}, "0000"},
      {0xFFFF, 2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, "FFFF"},
      {0x18000, 1, {15}, "8000"},  // bits above 15 name no box
  };
  EditorState state;
  test::ScriptedDesktop desktop;
  for (const Case& c : cases) {
    frmFunc form(state, desktop);
    form.Form_Load("12", c.code, c.layout, 0);
    EXPECT_EQ(Ticked(form), c.ticked) << c.shown;
    EXPECT_EQ(form.lblFuncCode.Caption, c.shown);
    const bool full = IsFullFuncLayout(c.layout);
    for (int bit = kShortLayoutBits; bit < kFuncBits; ++bit) {
      EXPECT_EQ(form.chkFunc[static_cast<std::size_t>(bit)].Visible, full) << c.shown;
      EXPECT_EQ(form.chkFunc[static_cast<std::size_t>(bit)].Enabled, full) << c.shown;
    }
    form.CmdOK_Click();
    EXPECT_EQ(FuncCodeText(form.Code()), c.shown);
  }
}

// Full layouts take their captions from the first sixteen texts, short ones
// from the next; two model families rename bit 10 in either layout.
TEST(FuncCodeDialogTest, Captions) {
  constexpr MessageId kFull = msg::kFuncCodeFirst;
  constexpr MessageId kShort = msg::kFuncCodeFirst + 16;
  constexpr MessageId kNet = msg::kFuncCodeNetwork;
  const struct {
    int16_t layout;
    uint32_t model_code1;
    MessageId bit0, bit10;
  } cases[] = {
      {1, 0x01000000, kFull, kFull + 10}, {3, 0x03000000, kShort, kShort + 10},
      {5, 0x05700050, kShort, kNet},      {5, 0x057ABC6F, kShort, kNet},
      {2, 0x05700060, kFull, kNet},       {5, 0x05700070, kShort, kShort + 10},
  };
  EditorState state;
  test::ScriptedDesktop desktop;
  for (const auto& c : cases) {
    frmFunc form(state, desktop);
    form.Form_Load("", 0, c.layout, c.model_code1);
    EXPECT_EQ(form.chkFunc[0].Caption + "|" + form.chkFunc[10].Caption + "|" + form.lblPr.Caption,
              GetMessageText(c.bit0) + "|" + GetMessageText(c.bit10) + "|")
        << std::hex << c.model_code1;
  }
}

TEST(FuncCodeDialogTest, TickingShowsTheCodeAndHelpOpens) {
  EditorState state;
  state.HelpFilePath = "help.chm";
  test::ScriptedDesktop desktop;
  frmFunc form(state, desktop);
  form.Form_Load("905", 0x0001, 1, 0x01000000);
  EXPECT_EQ(form.lblPr.Caption, GetMessageText(msg::kFuncCodePr) + "905");
  form.chkFunc[15].Value = true;
  form.chkFunc_Click(15);
  EXPECT_EQ(form.lblFuncCode.Caption, "8001");
  form.CmdHelp_Click();
  EXPECT_EQ(desktop.help_opened, std::vector<std::string>{"help.chm"});
  EXPECT_FALSE(form.Closed());
}

// ---- Edit > Functional List Code.

class WindowLog final : public FuncCodeWindow {
 public:
  void MenuSet(int state) override { log += "menu" + std::to_string(state) + " "; }
  void SetCheckEnabled(bool enabled) override { log += enabled ? "check " : "nocheck "; }
  void ResetParameterCheck() override { log += "reset "; }
  std::string log;
};

struct FuncScene {
  FuncScene() {
    SetUpParameterGrid(grid);
    grid.SetRowCount(2);
    grid.SetText(kColPr, 2, "905");
    grid.SetText(kColFunctionCode, 2, "F001");
    grid.SetActiveCell(kColName, 2);
    state.Buffer.EditModel.ModelCode1 = "0x05700050";
  }
  void Run() { RunFuncCodeCommand(grid, state, desktop, window); }
  TableModel grid;
  EditorState state;
  test::ScriptedDesktop desktop;
  WindowLog window;
};

// OK writes the row's code and marks the list changed even when the code is
// the same; the dialog sees the row's Pr, its code and the model's layout.
TEST(FuncCodeCommandTest, OkWritesTheActiveRow) {
  FuncScene s;
  std::string seen;
  s.desktop.ExpectDialog<frmFunc>([&seen](frmFunc& form) {
    seen = form.lblPr.Caption + " " + form.lblFuncCode.Caption + " " + form.chkFunc[10].Caption;
    form.CmdOK_Click();
  });
  s.Run();
  EXPECT_EQ(seen,
            GetMessageText(msg::kFuncCodePr) + "905 0001 " + GetMessageText(msg::kFuncCodeNetwork));
  EXPECT_EQ(s.grid.Text(kColFunctionCode, 2), "0001");
  EXPECT_TRUE(s.state.ParametersDirty);
  EXPECT_EQ(s.window.log, "reset menu9 check ");

  FuncScene same;
  same.grid.SetActiveCell(kColName, 1);  // an empty code counts as 0000
  same.desktop.ExpectDialog<frmFunc>([](frmFunc& form) { form.CmdOK_Click(); });
  same.Run();
  EXPECT_EQ(same.grid.Text(kColFunctionCode, 1), "0000");
  EXPECT_TRUE(same.state.ParametersDirty);
}

TEST(FuncCodeCommandTest, CancelCloseBoxAndNoRowsChangeNothing) {
  for (const bool close_box : {false, true}) {
    FuncScene s;
    s.desktop.ExpectDialog<frmFunc>([close_box](frmFunc& form) {
      form.chkFunc[3].Value = true;
      form.chkFunc_Click(3);
      if (close_box) {
        form.Form_QueryUnload();
      } else {
        form.CmdCancel_Click();
      }
    });
    s.Run();
    EXPECT_EQ(s.grid.Text(kColFunctionCode, 2), "F001");
    EXPECT_FALSE(s.state.ParametersDirty);
    EXPECT_EQ(s.window.log, "");
  }
  FuncScene empty;
  empty.grid.SetRowCount(0);
  empty.Run();  // no dialog expected
  EXPECT_EQ(empty.window.log, "");
}

// ---- Both commands from the main window's menus: a code edit marks the list
// changed; a cancelled folder dialog after Yes leaves the window empty.

TEST(MainWindowDialogCommandsTest, CodeEditThenFolderCancelledAfterYes) {
  test::TempFolder program;
  std::filesystem::create_directories(program.File("en/help"));
  program.Write("en/help/dorvien.chm", "help");
  EditorState state;
  test::ScriptedDesktop desktop;
  frmPrFileEdit form(state, desktop);
  form.Form_Load(program.path());
  form.MenuSet(4);
  form.sprParaList.SetRowCount(3);
  form.sprParaList.SetActiveCell(kColFunctionCode, 2);
  form.SetMainCaption("QX-A700", 1);

  desktop.ExpectDialog<frmFunc>([](frmFunc& dialog) {
    dialog.chkFunc[2].Value = true;
    dialog.CmdOK_Click();
  });
  form.Invoke(MenuItem::mnuEditFunc);
  EXPECT_EQ(form.sprParaList.Text(kColFunctionCode, 2), "0004");
  EXPECT_TRUE(form.CmdEnd.Enabled);
  EXPECT_TRUE(form.MenuEnabled(MenuItem::mnuFileSave));

  desktop.ExpectMessage(msg::kDiscardEditing, Answer::kYes);
  desktop.ExpectDialog<frmFolder>([](frmFolder& dialog) { dialog.cmdCancel_Click(); });
  form.Invoke(MenuItem::mnuFileFolder);
  EXPECT_EQ(form.sprParaList.RowCount(), 0);
  EXPECT_FALSE(form.CmdEnd.Enabled);
  EXPECT_EQ(form.Caption, GetMessageText(msg::kTitle));
  EXPECT_FALSE(form.MenuEnabled(MenuItem::mnuModelEdit));
  EXPECT_FALSE(form.MenuEnabled(MenuItem::mnuEditFunc));
  EXPECT_FALSE(state.HasUnsavedData());
}

}  // namespace
}  // namespace pfedit::editor
