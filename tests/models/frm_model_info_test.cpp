#include "models/frm_model_info.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "core/message_ids.h"
#include "model_dialog_support.h"
#include "model_info_sample.h"
#include "models/frm_capa.h"
#include "support/scripted_desktop.h"

namespace pfedit::models {
namespace {

using test::FourCurrentModel;
using test::PointLocale;

// Opened from the menu on the model being edited.
EditorState MenuState(int16_t edit_mode = kEditModeEdit) {
  EditorState state;
  state.Buffer.EditModel = FourCurrentModel();
  state.EditMode = edit_mode;
  state.EditCapacityClass = kClassSmall;
  state.SelectedCapacityClass = kClassSmall;
  state.EditModelType = 7;
  state.HelpFilePath = "/help/pfedit.chm";
  return state;
}

// Opened by New with the base model in the draft.
EditorState NewState() {
  EditorState state;
  state.Buffer.ModelInfoDraft = FourCurrentModel();
  state.EditMode = kEditModeNew;
  state.EditCapacityClass = kClassSmall;
  state.SelectedCapacityClass = kClassSmall;
  state.EditModelType = 7;  // as filling finds it
  return state;
}

std::string Join(const TextList& list) {
  std::string text;
  for (const std::string& entry : list) text += entry + ',';
  return text;
}

std::string RatingCapacities(const frm_ModelInfo& form) {
  std::string text;
  for (int row = 1; row <= form.sprRatCurr.RowCount(); ++row) {
    text += form.sprRatCurr.Text(1, row);
    text += ',';
  }
  return text;
}

// New shows the special name in a box, Edit in a label; a one-current model
// shows one current column, wider.
TEST(ModelInfoTest, LoadShowsTheModel) {
  const std::pair<int16_t, bool> cases[] = {
      {kEditModeNew, false}, {kEditModeEdit, false}, {kEditModeEdit, true}};
  for (const auto& [mode, one_current] : cases) {
    EditorState state = MenuState(mode);
    if (one_current) state.Buffer.EditModel.ModelCode2 = "0x00000000";
    pfedit::test::ScriptedDesktop desktop;
    frm_ModelInfo form(state, desktop);
    form.Form_Load(mode);
    const bool fixed = mode == kEditModeEdit;
    EXPECT_EQ(form.txtSpe.Visible, !fixed);
    EXPECT_EQ(form.txtSpe.Locked, fixed);
    EXPECT_EQ(form.lblSpe.Visible, fixed);
    EXPECT_EQ(form.lblInv.Caption + '|' + form.txtSpe.Text + '|' + form.lblSpe.Caption,
              "QX-M520|A|A");
    EXPECT_TRUE(form.chkUsb.Value && form.chkRs485.Value && !form.chkPu.Value);
    EXPECT_EQ(RatingCapacities(form), "0.4,1.5,");
    EXPECT_TRUE(form.sprRatCurr.Locked(6, 2));
    EXPECT_EQ(form.FourRating(), !one_current) << one_current;
    EXPECT_EQ(form.lblRatHd.Visible, !one_current) << one_current;
    for (int column = 3; column <= 5; ++column) {
      EXPECT_EQ(form.sprRatCurr.ColumnHidden(column), one_current) << one_current;
    }
    if (one_current) {
      EXPECT_GT(form.sprRatCurr.ColumnWidth(2), form.sprRatCurr.ColumnWidth(3));
    }
  }
}

TEST(ModelInfoTest, OptionTableTicksAndGreyCells) {
  EditorState state = MenuState();
  pfedit::test::ScriptedDesktop desktop;
  frm_ModelInfo form(state, desktop);
  form.Form_Load(kEditModeEdit);
  const TableModel& options = form.sprOption;
  ASSERT_EQ(options.ColumnCount() * 10 + options.RowCount(), 33);
  std::string cells;  // per row: ticks, then L for locked grey cells
  for (int row = 1; row <= 3; ++row) {
    cells += options.Text(0, row);
    cells += ' ';
    for (int slot = 1; slot <= 3; ++slot) {
      cells += std::to_string(options.Value(slot, row));
      if (options.Locked(slot, row)) {
        cells += 'L';
        EXPECT_EQ(options.Background(slot, row), kForbiddenCellColour);
      }
    }
    cells += ';';
  }
  EXPECT_EQ(cells, "QX-K9PL 0L10;QX-K9NC 0L0L1;X 110;");
}

// Each OK that is refused, one change from a valid dialog: the message, the
// focus, the dialog left open with the input as typed and the state as it was.
TEST(ModelInfoTest, EachRefusalOfOk) {
  const struct {
    const char* label;
    bool opened_by_new;
    int16_t mode;
    bool imported;
    std::function<void(frm_ModelInfo&)> change;
    int message;
    const char* focus;
  } cases[] = {
      {"lower case", true, kEditModeNew, false, [](frm_ModelInfo& f) { f.txtSpe.Text = "a-1"; },
       msg::kDigitsAndCapitals, "txtSpe"},
      {"no resource", false, kEditModeEdit, false,
       [](frm_ModelInfo& f) { f.chkUsb.Value = f.chkRs485.Value = f.chkPu.Value = false; },
       msg::kComResourceNotSet, ""},
      {"menu, new, no name", false, kEditModeNew, false,
       [](frm_ModelInfo& f) { f.txtSpe.Text.clear(); }, msg::kSpecialNameMissing, "txtSpe"},
      {"new, no name", true, kEditModeNew, true, [](frm_ModelInfo& f) { f.txtSpe.Text.clear(); },
       msg::kSpecialNameMissing, "txtSpe"},
      {"new, same name", true, kEditModeNew, false, [](frm_ModelInfo&) {},
       msg::kSpecialNameUnchanged, "txtSpe"},
  };
  for (const auto& c : cases) {
    EditorState state = c.opened_by_new ? NewState() : MenuState(c.mode);
    state.ImportedData = c.imported;
    const EditorState before = state;
    pfedit::test::ScriptedDesktop desktop;
    desktop.ExpectMessage(c.message);
    frm_ModelInfo form(state, desktop);
    form.Form_Load(c.mode);
    c.change(form);
    const std::string typed = form.txtSpe.Text;
    form.CmdOK_Click();
    EXPECT_FALSE(form.Closed()) << c.label;
    EXPECT_EQ(form.TakeFocusRequest(), c.focus) << c.label;
    EXPECT_EQ(form.txtSpe.Text, typed) << c.label;
    models::test::ExpectStateUnchanged(before, state, c.label);
  }
}

TEST(ModelInfoTest, NewModelTakesTheDraftWithItsNewName) {
  EditorState state = NewState();
  int hook_calls = 0;
  pfedit::test::ScriptedDesktop desktop;
  desktop.ExpectDialog<frm_ModelInfo>([&](frm_ModelInfo& form) {
    EXPECT_EQ(form.InitialSpecialName, "A");
    form.txtSpe.Text = "B";
    form.CmdOK_Click();
  });
  EXPECT_TRUE(ShowModelInfo(state, desktop, kEditModeNew, [&] {
    ++hook_calls;
    // The caption follows the new name, so EditModel is written by then.
    EXPECT_EQ(state.Buffer.EditModel.ModelName, "QX-M520-B");
  }));
  EXPECT_EQ(hook_calls, 1);
  const ModelRecord& model = state.Buffer.EditModel;
  EXPECT_EQ(model.ModelCode5 + '|' + model.ParamFile + '|' + Join(model.Capacity),
            "0x80420000|qx_m520_a01-b.vfd|0.4,1.5,75,");
  EXPECT_TRUE(state.ModelInfoAccepted && state.ModelInfoDirty);
  EXPECT_EQ(state.Buffer.ModelInfoDraft, ModelRecord{});
}

// From the menu: an imported or existing model may keep an empty name, and
// an OK that changes nothing leaves the dirty flag alone.
TEST(ModelInfoTest, MenuPathAcceptsAndMarksOnlyRealChanges) {
  const struct {
    const char* label;
    int16_t mode;
    bool imported;
    std::function<void(frm_ModelInfo&)> change;
    bool dirty;
    const char* name;
  } cases[] = {
      {"unchanged", kEditModeEdit, false, [](frm_ModelInfo&) {}, false, "QX-M520-A"},
      {"PU ticked", kEditModeEdit, false, [](frm_ModelInfo& f) { f.chkPu.Value = true; }, true,
       "QX-M520-A"},
      {"imported, no name", kEditModeNew, true, [](frm_ModelInfo& f) { f.txtSpe.Text.clear(); },
       true, "QX-M520"},
  };
  for (const auto& c : cases) {
    EditorState state = MenuState(c.mode);
    state.ImportedData = c.imported;
    pfedit::test::ScriptedDesktop desktop;
    desktop.ExpectDialog<frm_ModelInfo>([&](frm_ModelInfo& form) {
      c.change(form);
      form.CmdOK_Click();
    });
    EXPECT_TRUE(ShowModelInfo(state, desktop, c.mode)) << c.label;
    EXPECT_EQ(state.ModelInfoDirty, c.dirty) << c.label;
    EXPECT_EQ(state.Buffer.EditModel.ModelName, c.name) << c.label;
  }
}

// Catalogue entries with odd data open and accept without harm.
TEST(ModelInfoTest, OddRecordsOpenAndAccept) {
  const std::function<void(ModelRecord&)> odd[] = {
      [](ModelRecord& m) { m.ParamFile = "a"; },
      [](ModelRecord& m) { m.ParamFile = "-"; },
      [](ModelRecord& m) { m.ParamFile.clear(); },
      [](ModelRecord& m) { m.ModelCode5 = "0x8"; },
      [](ModelRecord& m) { m.ComResource = "1"; },
      [](ModelRecord& m) {
        m.Capacity = {"75", "x", "0.4"};
      },
      [](ModelRecord& m) { m.OptionXX = {""}, m.Option01 = {""}, m.OptionSlotCnt.clear(); },
      [](ModelRecord& m) { m = ModelRecord{}, m.ComResource = "100"; },
  };
  for (std::size_t i = 0; i < std::size(odd); ++i) {
    EditorState state = MenuState(kEditModeNew);
    odd[i](state.Buffer.EditModel);
    pfedit::test::ScriptedDesktop desktop;
    desktop.ExpectDialog<frm_ModelInfo>([](frm_ModelInfo& form) {
      form.txtSpe.Text = "B";
      form.chkUsb.Value = true;
      form.CmdOK_Click();
    });
    EXPECT_TRUE(ShowModelInfo(state, desktop, kEditModeNew)) << i;
    EXPECT_EQ(state.Buffer.EditModel.ModelCode5, "0x80420000") << i;
  }
}

// Delete asks first with No as default; the last row stays; Add refuses a
// full table without opening the rated capacity dialog.
TEST(ModelInfoTest, RatingRowButtons) {
  const struct {
    const char* label;
    int rows;
    bool add;
    Answer answer;
    int message;  // after the question, -1 none
    int rows_after;
  } cases[] = {
      {"delete, no", 2, false, Answer::kNo, -1, 2},
      {"delete, yes", 2, false, Answer::kYes, -1, 1},
      {"delete the last row", 1, false, Answer::kYes, msg::kCapacityEmpty, 1},
      {"add to a full table", kMaxRatingRows, true, Answer::kOk, msg::kCapacityLimit,
       kMaxRatingRows},
  };
  for (const auto& c : cases) {
    EditorState state = MenuState();
    pfedit::test::ScriptedDesktop desktop;
    frm_ModelInfo form(state, desktop);
    form.Form_Load(kEditModeEdit);
    form.sprRatCurr.SetRowCount(c.rows);
    form.sprRatCurr.SetActiveCell(1, 1);
    if (!c.add) desktop.ExpectMessage(msg::kConfirmDeleteCapacity, c.answer);
    if (c.message >= 0) desktop.ExpectMessage(c.message);
    c.add ? form.cmdAdd_Click() : form.cmdDel_Click();
    EXPECT_EQ(form.sprRatCurr.RowCount(), c.rows_after) << c.label;
    if (!c.add) {
      EXPECT_EQ(desktop.boxes.at(0).default_button, Answer::kNo) << c.label;
      EXPECT_EQ(desktop.boxes.at(0).icon, Icon::kQuestion) << c.label;
    }
    if (c.label == std::string("delete, yes")) {
      EXPECT_EQ(RatingCapacities(form), "1.5,");
    }
  }
}

TEST(ModelInfoTest, EditedRowReachesEditModelAfterOk) {
  EditorState state = MenuState();
  pfedit::test::ScriptedDesktop desktop;
  desktop
      .ExpectDialog<frm_ModelInfo>([](frm_ModelInfo& form) {
        form.sprRatCurr.SetActiveCell(1, 2);
        form.cmdEdit_Click();
        form.cmdHelp_Click();
        form.CmdOK_Click();
      })
      .ExpectDialog<frm_Capa>([&](frm_Capa& capa) {
        EXPECT_EQ(state.CapacityDialogRow, 2);
        capa.SetSeparatorSource(&PointLocale);
        capa.txtInvCap.Text = "0.2";
        capa.CmdOK_Click();
      });
  EXPECT_TRUE(ShowModelInfo(state, desktop, kEditModeEdit));
  EXPECT_EQ(desktop.help_opened, std::vector<std::string>{"/help/pfedit.chm"});
  EXPECT_EQ(Join(state.Buffer.EditModel.Capacity), "0.2,0.4,75,");
  EXPECT_EQ(Join(state.Buffer.EditModel.TypeName), "1.5K,0.4K,75K,");
  EXPECT_TRUE(state.ModelInfoDirty);
}

TEST(ModelInfoTest, CancelAndCloseBoxLeaveTheStateAsItWas) {
  for (const bool close_box : {false, true}) {
    EditorState state = MenuState();
    const EditorState before = state;
    pfedit::test::ScriptedDesktop desktop;
    // The rated capacity dialog and the question open from the handlers of
    // the outer dialog, so their steps follow its own.
    desktop
        .ExpectDialog<frm_ModelInfo>([&](frm_ModelInfo& form) {
          form.cmdDel_Click();
          form.cmdAdd_Click();
          EXPECT_EQ(RatingCapacities(form), "1.5,3.7,");
          form.txtSpe.Text = "Z";
          form.chkPu.Value = true;
          form.sprOption.SetValue(1, 3, 0);
          close_box ? form.Form_QueryUnload() : form.cmdCancel_Click();
        })
        .ExpectMessage(msg::kConfirmDeleteCapacity, Answer::kYes)
        .ExpectDialog<frm_Capa>([](frm_Capa& capa) {
          capa.SetSeparatorSource(&PointLocale);
          capa.txtInvCap.Text = "3.7";
          capa.txtCurr_SLD.Text = capa.txtCurr_LD.Text = "9";
          capa.txtCurr_ND.Text = capa.txtCurr_HD.Text = "9";
          capa.txtInvType.Text = "3.7K";
          capa.CmdOK_Click();
        });
    EXPECT_FALSE(ShowModelInfo(state, desktop, kEditModeEdit));
    // The capacity dialog's mode and row only carry a request between dialogs.
    state.CapacityDialogMode = before.CapacityDialogMode;
    state.CapacityDialogRow = before.CapacityDialogRow;
    models::test::ExpectStateUnchanged(before, state, close_box ? "close box" : "cancel");
  }
}

}  // namespace
}  // namespace pfedit::models
