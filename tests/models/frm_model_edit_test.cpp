#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/messages.h"
#include "model_dialog_support.h"
#include "models/frm_model_edit.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit::models {
namespace {

using test::Model;
using Script = std::vector<std::pair<int, Answer>>;  // message (-1: composite text), answer

// Row 1: a standard model with both classes, hidden from the Edit list.
// Row 2: a special small model. Row 3: a large model whose code is shown in
// the Edit list but is still standard. Row 4: a model without ModelCode5.
ModelCatalogue SampleCatalogue() {
  return {Model("QX-M520", "0x00000000", "qx_m520_a01.vfd", {"0.4", "55", "75"}),
          Model("QX-M520-A1", "0x80413100", "qx_m520_a01-a1.vfd"),
          Model("QX-N540", "0x12000000", "qx_n540_a01.vfd", {"75", "90"}),
          Model("QX-B3", "", "qx_b3_a01.vfd")};
}

struct Fixture {
  explicit Fixture(ModelCatalogue catalogue = SampleCatalogue()) {
    state.Catalogue = std::move(catalogue);
    state.EditFolder = folder.path();
  }
  void Play(const Script& script) {
    for (const auto& [message, answer] : script) desktop.ExpectMessage(message, answer);
  }
  pfedit::test::TempFolder folder;
  EditorState state;
  pfedit::test::ScriptedDesktop desktop;
};

// The classes offered, as the options and their notes show them, and the
// selected one: "LS>L" offers both with Large selected.
std::string Choice(const frmModelEdit& form) {
  std::string choice;
  for (int i : {kLargeOption, kSmallOption}) {
    const auto index = static_cast<size_t>(i);
    if (form.opCapa[index].Enabled != form.lblCapa[index].Enabled) return "option and note differ";
    if (form.opCapa[index].Enabled) choice += i == kLargeOption ? 'L' : 'S';
  }
  choice += '>';
  if (form.opCapa[kLargeOption].Value) choice += 'L';
  if (form.opCapa[kSmallOption].Value) choice += 'S';
  return choice;
}

// Which models are listed per mode (every entry keeps its row, hidden or
// not), and which classes the model under the cursor offers as the user
// moves and clicks; a click on a class the model lacks changes nothing.
TEST(ModelEditList, ListsByModeAndOffersTheClassesOfTheRowUnderTheCursor) {
  const struct {
    int16_t mode;
    std::vector<int> hidden_rows;
    int moved_to;  // 0: stays where the list opened
    int clicked;
    int active_row;
    const char* choice;
  } cases[] = {
      {kSelectForNew, {}, 0, -1, 1, "LS>L"},
      {kSelectForNew, {}, 0, kSmallOption, 1, "LS>S"},
      {kSelectForNew, {}, 3, kSmallOption, 3, "L>L"},
      {kSelectForEdit, {1, 4}, 0, kLargeOption, 2, "S>S"},
      {kSelectForEdit, {1, 4}, 3, -1, 3, "L>L"},
      {kSelectForDelete, {}, 2, -1, 2, "S>S"},
  };
  for (const auto& c : cases) {
    Fixture f;
    frmModelEdit form(f.state, f.desktop);
    form.Form_Load(c.mode);
    const std::string what = std::to_string(c.mode) + " " + c.choice;
    ASSERT_EQ(form.sprModelList.RowCount(), 4);
    for (int row = 1; row <= 4; ++row) {
      const bool hidden = std::count(c.hidden_rows.begin(), c.hidden_rows.end(), row) > 0;
      EXPECT_EQ(form.sprModelList.RowHidden(row), hidden) << what << row;
      EXPECT_EQ(form.sprModelList.Text(1, row),
                hidden ? "" : f.state.Catalogue[static_cast<size_t>(row - 1)].ModelName);
      EXPECT_FALSE(form.sprModelList.BeginEdit(1, row)) << what << row;
    }
    if (c.moved_to != 0) form.sprModelList.MoveActiveCell(1, c.moved_to);
    form.opCapa_Click(c.clicked);
    EXPECT_EQ(form.sprModelList.ActiveRow(), c.active_row) << what;
    EXPECT_EQ(Choice(form), c.choice) << what;
    EXPECT_TRUE(form.CmdOK.Enabled) << what;
    EXPECT_EQ(form.TakeFocusRequest(), "sprModelList");
  }
}

TEST(ModelEditLoad, NothingToChooseDisablesTheChoice) {
  const struct {
    int16_t mode;
    ModelCatalogue catalogue;
  } cases[] = {
      {kSelectForEdit, {Model("A", "", "a_a01.vfd"), Model("B", "0x01000000", "b_a01.vfd")}},
      {kSelectForNew, {}},
  };
  for (const auto& c : cases) {
    Fixture f(c.catalogue);
    const EditorState before = f.state;
    frmModelEdit form(f.state, f.desktop);
    form.Form_Load(c.mode);
    EXPECT_EQ(form.lblMsg.Caption, GetMessageText(msg::kSelectNoneEditable));
    EXPECT_FALSE(form.CmdOK.Enabled);
    EXPECT_EQ(Choice(form), ">");
    form.CmdOK_Click();  // a disabled button the keyboard could still reach
    EXPECT_FALSE(form.Closed());
    form.cmdCancel_Click();
    EXPECT_FALSE(form.Accepted());
    test::ExpectStateUnchanged(before, f.state, "nothing to choose");
  }
}

// One row per path through OK: the file in the edit folder (a folder ends in
// /), the boxes answered in order (-1: the composed delete question), and
// whether the dialog accepted. The class picked is written even when refused.
TEST(ModelEditOk, ChecksInOrderAndAcceptsOnlyWhatTheCommandCanDo) {
  constexpr int16_t kNew = kSelectForNew, kEdit = kSelectForEdit, kDel = kSelectForDelete;
  constexpr int kL = kLargeOption, kS = kSmallOption, kAsk = -1;
  constexpr int kStd = msg::kConfirmEditStandard, kMissing = msg::kParamFileMissing;
  constexpr int kDelStd = msg::kConfirmDeleteStandard;
  constexpr Answer kY = Answer::kYes, kN = Answer::kNo, kOk = Answer::kOk;
  const struct {
    const char* what;
    int16_t mode;
    int row;
    int option;
    std::string file;
    Script script;
    bool accepted;
  } cases[] = {
      {"new small", kNew, 2, kS, "qx_m520_a01-a1.vfd", {}, true},
      {"new large reads the l file", kNew, 1, kL, "qx_m520l_a01.vfd", {}, true},
      {"new large without the l file", kNew, 1, kL, "qx_m520_a01.vfd", {{kMissing, kOk}}, false},
      {"new: a folder is no file", kNew, 2, kS, "qx_m520_a01-a1.vfd/", {{kMissing, kOk}}, false},
      {"edit special", kEdit, 2, kS, "qx_m520_a01-a1.vfd", {}, true},
      {"edit standard, No", kEdit, 3, kL, "qx_n540l_a01.vfd", {{kStd, kN}}, false},
      {"edit std, no file", kEdit, 3, kL, "qx_n540_a01.vfd", {{kStd, kY}, {kMissing, kOk}}, false},
      {"edit standard, Yes", kEdit, 3, kL, "qx_n540l_a01.vfd", {{kStd, kY}}, true},
      // Delete never looks for the parameter file.
      {"delete special", kDel, 2, kS, "", {{kAsk, kY}}, true},
      {"delete, No", kDel, 2, kS, "", {{kAsk, kN}}, false},
      {"delete standard, No", kDel, 3, kL, "", {{kAsk, kY}, {kDelStd, kN}}, false},
      {"delete standard, Yes", kDel, 4, kS, "", {{kAsk, kY}, {kDelStd, kY}}, true},
  };
  for (const auto& c : cases) {
    Fixture f;
    if (!c.file.empty() && c.file.back() == '/') {
      std::filesystem::create_directory(f.folder.File(c.file.substr(0, c.file.size() - 1)));
    } else if (!c.file.empty()) {
      f.folder.Write(c.file, "1\r\n");
    }
    f.Play(c.script);
    frmModelEdit form(f.state, f.desktop);
    form.Form_Load(c.mode);
    form.sprModelList.MoveActiveCell(1, c.row);
    form.opCapa_Click(c.option);
    form.CmdOK_Click();
    EXPECT_EQ(form.Closed(), c.accepted) << c.what;
    EXPECT_EQ(form.Accepted(), c.accepted) << c.what;
    const ModelRecord& model = f.state.Catalogue[static_cast<size_t>(c.row - 1)];
    EXPECT_EQ(f.state.SelectedModelName + '|' + f.state.SelectedModelCode5 + '|' +
                  std::to_string(f.state.SelectedCapacityClass) + '|' +
                  std::to_string(f.state.ModelInfoDirty),
              model.ModelName + '|' + model.ModelCode5 + '|' +
                  std::to_string(c.option == kL ? kClassLarge : kClassSmall) + '|' +
                  std::to_string(c.mode == kDel && c.accepted))
        << c.what;
    if (!c.accepted) {
      form.cmdCancel_Click();
      EXPECT_EQ(form.Result(), DialogLogic::kResultCancel) << c.what;
    }
  }
}

TEST(ModelEditOk, DeleteAsksWithTheModelAndItsClassNoByDefault) {
  Fixture f;
  f.desktop.ExpectText("Deleting a data. Do you want to proceed?\r\nQX-M520 Small Capacity",
                       Answer::kYes);
  f.desktop.ExpectMessage(msg::kConfirmDeleteStandard, Answer::kNo);
  frmModelEdit form(f.state, f.desktop);
  form.Form_Load(kSelectForDelete);
  form.opCapa_Click(kSmallOption);
  form.CmdOK_Click();
  ASSERT_EQ(f.desktop.boxes.size(), 2u);
  for (const MessageBox& box : f.desktop.boxes) {
    EXPECT_EQ(box.buttons, Buttons::kYesNo);
    EXPECT_EQ(box.default_button, Answer::kNo);
    EXPECT_EQ(box.title, "Parameter File Editor");
  }
  EXPECT_EQ(f.desktop.boxes[0].icon, Icon::kQuestion);
  EXPECT_EQ(f.desktop.boxes[1].icon, Icon::kExclamation);
  form.cmdCancel_Click();
}

TEST(ModelEditOk, LimitsOfTheCatalogue) {
  ModelCatalogue full(kMaxModels, Model("X-1", "0x80410000", "x_a01-1.vfd"));
  const struct {
    const char* what;
    int16_t mode;
    ModelCatalogue catalogue;
    MessageId refusal;
  } cases[] = {
      {"new in a full catalogue", kSelectForNew, full, msg::kModelLimit},
      {"delete the last model",
       kSelectForDelete,
       {Model("X-1", "0x80410000", "x_a01-1.vfd")},
       msg::kCannotDeleteModel},
  };
  for (const auto& c : cases) {
    Fixture f(c.catalogue);
    f.desktop.ExpectMessage(c.refusal);
    frmModelEdit form(f.state, f.desktop);
    form.Form_Load(c.mode);
    form.CmdOK_Click();
    EXPECT_FALSE(form.Closed()) << c.what;
    form.Form_QueryUnload();
    EXPECT_FALSE(form.Accepted()) << c.what;
  }
  // Edit is not limited by the count.
  Fixture f(full);
  f.folder.Write("x_a01-1.vfd", "1\r\n");
  frmModelEdit form(f.state, f.desktop);
  form.Form_Load(kSelectForEdit);
  form.CmdOK_Click();
  EXPECT_TRUE(form.Accepted());
}

// Cancel and the close box change nothing, whatever the user did before;
// only an OK that passed makes ShowModelEdit true.
TEST(ShowModelEdit, CancelLeavesTheEditorStateAsItWas) {
  {
    Fixture f;
    f.folder.Write("qx_m520_a01-a1.vfd", "1\r\n");
    f.desktop.ExpectDialog<frmModelEdit>([](frmModelEdit& form) {
      EXPECT_EQ(form.Mode(), kSelectForEdit);
      form.CmdOK_Click();
    });
    EXPECT_TRUE(ShowModelEdit(kSelectForEdit, f.state, f.desktop));
  }
  for (int16_t mode : {kSelectForNew, kSelectForEdit, kSelectForDelete}) {
    for (bool close_box : {false, true}) {
      Fixture f;
      f.state.SelectedModelName = "earlier";
      f.state.SelectedCapacityClass = kClassSmall;
      f.state.ListPosition = 7;
      const EditorState before = f.state;
      f.desktop.ExpectDialog<frmModelEdit>([close_box](frmModelEdit& form) {
        form.sprModelList.MoveActiveCell(1, 3);
        form.opCapa_Click(kLargeOption);
        if (close_box) {
          form.Form_QueryUnload();
        } else {
          form.cmdCancel_Click();
        }
      });
      EXPECT_FALSE(ShowModelEdit(mode, f.state, f.desktop));
      test::ExpectStateUnchanged(before, f.state, "mode " + std::to_string(mode));
    }
  }
}

}  // namespace
}  // namespace pfedit::models
