#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model_dialog_support.h"
#include "models/frm_model_add.h"
#include "support/scripted_desktop.h"

namespace pfedit::models {
namespace {

using test::Model;

// Models M1 to Mn, each its own identity.
ModelCatalogue Catalogue(int count) {
  ModelCatalogue catalogue;
  for (int i = 1; i <= count; ++i) {
    const std::string n = std::to_string(i);
    catalogue.push_back(test::WithCode1(Model("M" + n, "0x80410000", "m_a01-a.vfd"),
                                        "0x0500000" + std::string(1, "0123456789ABCDEF"[i % 16])));
  }
  return catalogue;
}

std::vector<std::string> ListTexts(const frmModelAdd& form) {
  std::vector<std::string> texts;
  for (int row = 1; row <= form.sprModelList.RowCount(); ++row) {
    texts.emplace_back(form.sprModelList.Text(1, row));
  }
  return texts;
}

// Which row opens active: the appended new model, or the catalogue entry
// with EditModel's codes (the last one when several share them), also when
// a new model of the other class joins an existing entry.
TEST(ModelAddLoad, OpensOnTheRowOfTheModelBeingPlaced) {
  const ModelRecord joining = [] {
    ModelRecord model = Catalogue(5)[2];
    model.ModelName = "M3 large";
    model.Capacity = {"75"};
    return model;
  }();
  ModelCatalogue twice = Catalogue(5);
  twice[4] = twice[1];
  const struct {
    const char* what;
    int16_t mode;
    ModelCatalogue catalogue;
    ModelRecord edit_model;
    int rows;
    int active_row;
  } cases[] = {
      {"new", kPlaceNewModel, Catalogue(12), Model("NEW-1", "0x80310000", "new.vfd"), 13, 13},
      {"new into an empty list", kPlaceNewModel, {}, Model("NEW-1", "", "new.vfd"), 1, 1},
      {"edited", kPlaceEditedModel, Catalogue(12), Catalogue(12)[4], 12, 5},
      {"other class joins", kPlaceEditedModel, Catalogue(5), joining, 5, 3},
      {"codes twice", kPlaceEditedModel, twice, twice[1], 5, 5},
      {"no match", kPlaceEditedModel, Catalogue(5), Model("Z", "0x80000000", "z.vfd"), 5, 1},
  };
  for (const auto& c : cases) {
    EditorState state;
    state.Catalogue = c.catalogue;
    state.Buffer.EditModel = c.edit_model;
    frmModelAdd form(state);
    form.Form_Load(c.mode);
    EXPECT_EQ(form.lblModelName[1].Caption, c.edit_model.ModelName);
    ASSERT_EQ(form.sprModelList.RowCount(), c.rows) << c.what;
    EXPECT_EQ(form.sprModelList.ActiveRow(), c.active_row) << c.what;
    for (int row = 1; row <= c.rows; ++row) {
      const std::string expected = row <= static_cast<int>(c.catalogue.size())
                                       ? c.catalogue[static_cast<size_t>(row - 1)].ModelName
                                       : c.edit_model.ModelName;
      EXPECT_EQ(form.sprModelList.Text(1, row), expected) << c.what << row;
      EXPECT_FALSE(form.sprModelList.BeginEdit(1, row)) << c.what << row;
    }
    EXPECT_EQ(form.TakeFocusRequest(), "cmdUpper");
  }
}

TEST(ModelAddOk, TheActiveRowAfterTheMovesIsTheListPosition) {
  const struct {
    const char* what;
    int16_t mode;
    int edited_entry;   // 1-based, mode 2
    const char* steps;  // U Upper, D Lower, digit: the user clicks that row
    int16_t position;
    const char* moved_name;  // the name on the chosen row
  } cases[] = {
      {"new at once", kPlaceNewModel, 0, "", 13, "NEW"},
      {"new up twice", kPlaceNewModel, 0, "UU", 11, "NEW"},
      {"new down at the end", kPlaceNewModel, 0, "D", 13, "NEW"},
      {"new up and down", kPlaceNewModel, 0, "UUD", 12, "NEW"},
      {"edited fifth up three times", kPlaceEditedModel, 5, "UUU", 2, "M5"},
      {"edited first up", kPlaceEditedModel, 1, "U", 1, "M1"},
      {"edited last down", kPlaceEditedModel, 12, "DD", 12, "M12"},
      {"user picks another row", kPlaceNewModel, 0, "U4", 4, "M4"},
  };
  for (const auto& c : cases) {
    EditorState state;
    state.Catalogue = Catalogue(12);
    state.Buffer.EditModel = c.mode == kPlaceNewModel
                                 ? Model("NEW", "0x80310000", "new.vfd")
                                 : state.Catalogue[static_cast<size_t>(c.edited_entry - 1)];
    const ModelCatalogue catalogue = state.Catalogue;
    frmModelAdd form(state);
    form.Form_Load(c.mode);
    const std::vector<std::string> before = ListTexts(form);
    for (const char* step = c.steps; *step != '\0'; ++step) {
      if (*step == 'U') form.cmdUpper_Click();
      if (*step == 'D') form.cmdLower_Click();
      if (*step >= '1' && *step <= '9') form.sprModelList.MoveActiveCell(1, *step - '0');
    }
    form.CmdOK_Click();
    EXPECT_TRUE(form.Accepted()) << c.what;
    EXPECT_EQ(state.ListPosition, c.position) << c.what;
    EXPECT_EQ(form.sprModelList.Text(1, c.position), c.moved_name) << c.what;
    // The moves only reorder the list on screen.
    std::vector<std::string> after = ListTexts(form);
    std::sort(after.begin(), after.end());
    std::vector<std::string> sorted = before;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(after, sorted) << c.what;
    EXPECT_TRUE(state.Catalogue == catalogue) << c.what;
  }
}

// Only OK makes ShowModelAdd true; Cancel and the close box change nothing.
TEST(ShowModelAdd, CancelLeavesTheEditorStateAsItWas) {
  {
    EditorState state;
    state.Catalogue = Catalogue(3);
    pfedit::test::ScriptedDesktop desktop;
    desktop.ExpectDialog<frmModelAdd>([](frmModelAdd& form) {
      form.cmdUpper_Click();
      form.CmdOK_Click();
    });
    EXPECT_TRUE(ShowModelAdd(kPlaceNewModel, state, desktop));
    EXPECT_EQ(state.ListPosition, 3);
  }
  for (int16_t mode : {kPlaceNewModel, kPlaceEditedModel}) {
    for (bool close_box : {false, true}) {
      EditorState state;
      state.Catalogue = Catalogue(4);
      state.Buffer.EditModel = state.Catalogue[2];
      state.ListPosition = 9;
      const EditorState before = state;
      pfedit::test::ScriptedDesktop desktop;
      desktop.ExpectDialog<frmModelAdd>([close_box](frmModelAdd& form) {
        form.cmdUpper_Click();
        form.cmdLower_Click();
        form.cmdLower_Click();
        if (close_box) {
          form.Form_QueryUnload();
        } else {
          form.cmdCancel_Click();
        }
      });
      EXPECT_FALSE(ShowModelAdd(mode, state, desktop));
      test::ExpectStateUnchanged(before, state, "mode " + std::to_string(mode));
    }
  }
}

}  // namespace
}  // namespace pfedit::models
