#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/message_ids.h"
#include "editor/catalogue_io.h"
#include "editor/frm_pr_file_edit.h"
#include "editor/grid_layout.h"
#include "editor/parameter_file_io.h"
#include "models/frm_model_edit.h"
#include "models/frm_model_info.h"
#include "support/scripted_desktop.h"
#include "support/state_dump.h"
#include "support/temp_folder.h"

namespace pfedit::editor {
namespace {

namespace fs = std::filesystem;
using test::ScriptedDesktop;
using test::TempFolder;

// The main window on a copy of the sample folder, its catalogue read.
struct Editor {
  Editor() {
    fs::create_directories(program.File("en/help"));
    program.Write("en/help/dorvien.chm", "help");
    form.Form_Load(program.path());
    for (const fs::directory_entry& entry : fs::directory_iterator(PFEDIT_SAMPLE_DIR)) {
      fs::copy_file(entry.path(), folder.File(entry.path().filename().string()));
    }
    state.EditFolder = folder.path();
    EXPECT_EQ(ReadCatalogue(state, desktop, folder.path(), CatalogueMode::kFolder), kStatusOk);
    form.MenuSet(1);
  }
  ModelRecord& Entry(const std::string& name) {
    for (ModelRecord& model : state.Catalogue) {
      if (model.ModelName == name) return model;
    }
    throw std::runtime_error("no model " + name);
  }
  // A list on the grid with unsaved changes, as if a model were being edited.
  void OpenUnsavedList() {
    EXPECT_EQ(ReadParameterFile(state, desktop, folder.File("qx_e720_a01.vfd")), kStatusOk);
    form.ShowParameterList();
    form.MenuSet(4);
    state.Buffer.EditModel = Entry("QX-E720");
    state.SelectedModelName = "before";
    state.ParametersDirty = true;
  }

  TempFolder program;
  TempFolder folder;
  EditorState state;
  ScriptedDesktop desktop;
  frmPrFileEdit form{state, desktop};
};

// The enabled items that tell the menu states apart: Save, Export, New, Cut
// and Model info.
std::string Menus(const frmPrFileEdit& form) {
  std::string menus;
  const std::pair<MenuItem, char> items[] = {{MenuItem::mnuFileSave, 'S'},
                                             {MenuItem::mnuFileExport, 'E'},
                                             {MenuItem::mnuModelNewMaking, 'N'},
                                             {MenuItem::mnuEditCut, 'C'},
                                             {MenuItem::mnuEditInf, 'I'}};
  for (const auto& [item, letter] : items) {
    if (form.MenuEnabled(item)) menus += letter;
  }
  return menus;
}

// The user picks a model and a class in the selection dialog and clicks OK;
// when OK is refused, the dialog is cancelled.
void Choose(ScriptedDesktop& desktop, const std::string& name, int16_t capacity_class) {
  desktop.ExpectDialog<models::frmModelEdit>([=](models::frmModelEdit& dialog) {
    for (int row = 1; row <= dialog.sprModelList.RowCount(); ++row) {
      if (dialog.sprModelList.Text(1, row) == name) dialog.sprModelList.MoveActiveCell(1, row);
    }
    dialog.opCapa_Click(capacity_class == kClassLarge ? models::kLargeOption
                                                      : models::kSmallOption);
    dialog.CmdOK_Click();
    if (!dialog.Closed()) dialog.cmdCancel_Click();
  });
}

void CancelChoice(ScriptedDesktop& desktop) {
  desktop.ExpectDialog<models::frmModelEdit>(
      [](models::frmModelEdit& dialog) { dialog.cmdCancel_Click(); });
}

// The user types each special name in turn and clicks OK, until one is
// accepted; an empty list cancels the dialog.
void NameModel(ScriptedDesktop& desktop, std::vector<std::string> names) {
  desktop.ExpectDialog<models::frm_ModelInfo>([names](models::frm_ModelInfo& dialog) {
    for (const std::string& name : names) {
      dialog.txtSpe.Text = name;
      dialog.CmdOK_Click();
      if (dialog.Closed()) return;
    }
    dialog.cmdCancel_Click();
  });
}

constexpr const char* kUnchanged = "unchanged";

struct Scenario {
  const char* what;
  std::function<void(Editor&)> setup;
  MenuItem command;
  std::function<void(ScriptedDesktop&)> play;
  // kUnchanged: the whole state, the grid, the caption and the menus are as
  // before; otherwise the outcome below.
  const char* list_file;  // the file whose records the grid shows; "" empty
  int16_t edit_mode = 0;
  const char* caption = "";
  const char* menus = "";
  std::function<void(const Editor&)> check = {};
};

void NoSetup(Editor&) {}

TEST(ModelCommands, Scenarios) {
  const Scenario scenarios[] = {
      {"edit a small special model after an import", [](Editor& e) { e.state.ImportedData = true; },
       MenuItem::mnuModelEdit, [](ScriptedDesktop& d) { Choose(d, "QX-M520-A1", kClassSmall); },
       "qx_m520_a01-a1.vfd", kEditModeEdit, " [QX-M520-A1] - (Small Capacity)", "SENCI"},
      {"edit the large class of a two-class model", NoSetup, MenuItem::mnuModelEdit,
       [](ScriptedDesktop& d) { Choose(d, "QX-A740", kClassLarge); }, "qx_a740l_a01.vfd",
       kEditModeEdit, " [QX-A740] - (Large Capacity)", "SENCI",
       [](const Editor& e) {
         // Both classes' ratings stay with the model; only the file follows
         // the choice.
         EXPECT_EQ(e.state.Buffer.EditModel.CapacityClass, kClassBoth);
         EXPECT_EQ(e.state.Buffer.EditModel.Capacity.size(), 24u);
         EXPECT_EQ(e.state.Buffer.EditModel.ParamFile, "qx_a740l_a01.vfd");
       }},
      {"new from a large model named B", NoSetup, MenuItem::mnuModelNewMaking,
       [](ScriptedDesktop& d) {
         Choose(d, "QX-A760", kClassLarge);
         NameModel(d, {"B"});
       },
       "qx_a760l_a02.vfd", kEditModeNew, " [QX-A760-B] - (Large Capacity)", "SENCI",
       [](const Editor& e) {
         EXPECT_EQ(e.state.Buffer.EditModel.ParamFile, "qx_a760l_a02-b.vfd");
         EXPECT_TRUE(e.state.ModelInfoDirty);
         EXPECT_TRUE(e.state.Buffer.ModelInfoDraft == ModelRecord{});
       }},
      {"new refused without and with the base's name, then named", NoSetup,
       MenuItem::mnuModelNewMaking,
       [](ScriptedDesktop& d) {
         Choose(d, "QX-M520-A1", kClassSmall);
         NameModel(d, {"", "A1", "A2"});
         d.ExpectMessage(msg::kSpecialNameMissing).ExpectMessage(msg::kSpecialNameUnchanged);
       },
       "qx_m520_a01-a1.vfd", kEditModeNew, " [QX-M520-A2] - (Small Capacity)", "SENCI"},
      {"delete a one-class model", NoSetup, MenuItem::mnuModelDelete,
       [](ScriptedDesktop& d) {
         Choose(d, "QX-E720", kClassSmall);
         d.ExpectMessage(-1, Answer::kYes);
       },
       "", kEditModeDelete, " [QX-E720] - (Small Capacity)", "SN",
       [](const Editor& e) {
         EXPECT_EQ(e.state.Catalogue.size(), 5u);
         EXPECT_EQ(e.state.Catalogue.front().ModelName, "QX-A740");
         EXPECT_TRUE(e.state.ModelInfoDirty);
       }},
      {"delete the large class of a two-class model over a saved list",
       [](Editor& e) {
         e.OpenUnsavedList();
         e.state.ParametersDirty = false;
       },
       MenuItem::mnuModelDelete,
       [](ScriptedDesktop& d) {
         Choose(d, "QX-A740", kClassLarge);
         d.ExpectMessage(-1, Answer::kYes);
       },
       "", kEditModeDelete, " [QX-A740] - (Large Capacity)", "SN",
       [](const Editor& e) {
         ASSERT_EQ(e.state.Catalogue.size(), 6u);
         const ModelRecord& model = e.state.Catalogue[1];
         EXPECT_EQ(model.Capacity.size(), 15u);
         EXPECT_EQ(model.Capacity.back(), "55");
         EXPECT_EQ(model.CapacityClass, kClassSmall);
         EXPECT_FALSE(e.form.CmdEnd.Enabled);
       }},
      {"cancelled selection", NoSetup, MenuItem::mnuModelEdit, CancelChoice, kUnchanged},
      {"cancelled model information", NoSetup, MenuItem::mnuModelNewMaking,
       [](ScriptedDesktop& d) {
         Choose(d, "QX-A740", kClassSmall);
         NameModel(d, {});
       },
       kUnchanged},
      {"unsaved work kept", [](Editor& e) { e.OpenUnsavedList(); }, MenuItem::mnuModelEdit,
       [](ScriptedDesktop& d) { d.ExpectMessage(msg::kDiscardAndShow, Answer::kNo); }, kUnchanged},
      {"unsaved work dropped, then cancelled", [](Editor& e) { e.OpenUnsavedList(); },
       MenuItem::mnuModelNewMaking,
       [](ScriptedDesktop& d) {
         d.ExpectMessage(msg::kDiscardAndShow, Answer::kYes);
         CancelChoice(d);
       },
       "", kEditModeNone, "", "N",
       [](const Editor& e) {
         // The records come back; the window stays cleared.
         EXPECT_EQ(e.state.Buffer.EditModel.ModelName, "QX-E720");
         EXPECT_EQ(e.state.SelectedModelName, "before");
         EXPECT_FALSE(e.state.ParametersDirty);
         EXPECT_FALSE(e.form.txtPr.Enabled);
         EXPECT_FALSE(e.form.CmdEnd.Enabled);
         // The catalogue was read again under the wait cursor.
         EXPECT_EQ(e.desktop.max_wait_cursor_depth, 1);
         EXPECT_EQ(e.desktop.wait_cursor_depth, 0);
       }},
      {"catalogue no longer reads",
       [](Editor& e) {
         e.OpenUnsavedList();
         e.folder.Write("tarvo_param.vfd", "[Model_1]\r\nModelName=X\r\n");
       },
       MenuItem::mnuModelDelete,
       [](ScriptedDesktop& d) {
         d.ExpectMessage(msg::kDiscardEditing, Answer::kYes);
         d.ExpectMessage(-1);
       },
       "qx_e720_a01.vfd", kEditModeNone, "", "SENCI",
       [](const Editor& e) {
         EXPECT_EQ(e.desktop.boxes.back().text.rfind("Failed to read file.\r\n", 0), 0u);
         EXPECT_EQ(e.state.Catalogue.size(), 6u);
         EXPECT_TRUE(e.state.Buffer.EditModel == ModelRecord{});
       }},
      {"empty parameter file", [](Editor& e) { e.folder.Write("qx_n540g_a01.vfd", ""); },
       MenuItem::mnuModelNewMaking,
       [](ScriptedDesktop& d) {
         Choose(d, "QX-N540-G", kClassSmall);
         NameModel(d, {"Z"});
         d.ExpectMessage(msg::kFileMissingOrCorrupt);
       },
       // The records come back; the accepted name stays in the caption and
       // the changed model information counts as unsaved.
       "", kEditModeNone, " [QX-N540-G-Z] - (Small Capacity)", "SEN",
       [](const Editor& e) {
         EXPECT_TRUE(e.state.Buffer.EditModel == ModelRecord{});
         EXPECT_EQ(e.state.EditCapacityClass, kClassNone);
         EXPECT_TRUE(e.state.ModelInfoDirty);
       }},
      {"odd entry: early '-', no options, large class, empty file",
       [](Editor& e) {
         ModelRecord& model = e.Entry("QX-M520-A1");
         model.ParamFile = "x-y.vfd";
         model.OptionXX = {""};
         model.Capacity = {"90"};
         model.CapacityClass = kClassLarge;
         e.folder.Write("lx-y.vfd", "");
       },
       MenuItem::mnuModelEdit,
       [](ScriptedDesktop& d) {
         Choose(d, "QX-M520-A1", kClassLarge);
         d.ExpectMessage(msg::kFileMissingOrCorrupt);
       },
       kUnchanged},
      {"odd entry: short name, capacities out of order",
       [](Editor& e) {
         ModelRecord& model = e.Entry("QX-M520-A1");
         model.ParamFile = "a.vfd";
         model.Capacity = {"90", "0.4"};  // out of order: small by its last
         model.CapacityClass = kClassSmall;
         fs::copy_file(e.folder.File("qx_e720_a01.vfd"), e.folder.File("a.vfd"));
       },
       MenuItem::mnuModelEdit, [](ScriptedDesktop& d) { Choose(d, "QX-M520-A1", kClassSmall); },
       "qx_e720_a01.vfd", kEditModeEdit, " [QX-M520-A1] - (Small Capacity)", "SENCI"},
      {"parameter file refused by the reader",
       [](Editor& e) {
         e.OpenUnsavedList();
         e.state.ParametersDirty = false;
         e.state.ModelInfoDirty = true;
         e.folder.Write("qx_a740_a01.vfd", "1,only three,fields\r\n");
       },
       MenuItem::mnuModelEdit,
       [](ScriptedDesktop& d) {
         d.ExpectMessage(msg::kDiscardAndShow, Answer::kYes);
         Choose(d, "QX-A740", kClassSmall);
         d.ExpectMessage(msg::kReadFailed);
       },
       "", kEditModeNone, "", "N",
       [](const Editor& e) {
         EXPECT_FALSE(e.state.ParametersDirty);
         EXPECT_FALSE(e.state.ModelInfoDirty);
         EXPECT_EQ(e.state.Buffer.EditModel.ModelName, "QX-A740");
       }},
  };

  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.what);
    Editor e;
    s.setup(e);
    const EditorState before = e.state;
    const std::string caption_before = e.form.Caption;
    const std::string menus_before = Menus(e.form);
    const int rows_before = e.form.sprParaList.RowCount();
    s.play(e.desktop);
    e.form.Invoke(s.command);

    if (s.list_file == kUnchanged) {
      test::ExpectStateUnchanged(before, e.state, s.what);
      EXPECT_EQ(e.form.Caption, caption_before);
      EXPECT_EQ(Menus(e.form), menus_before);
      EXPECT_EQ(e.form.sprParaList.RowCount(), rows_before);
      continue;
    }
    EXPECT_EQ(e.state.EditMode, s.edit_mode);
    EXPECT_EQ(e.form.Caption, std::string("Parameter File Editor") + s.caption);
    EXPECT_EQ(Menus(e.form), s.menus);
    if (*s.list_file == '\0') {
      EXPECT_EQ(e.form.sprParaList.RowCount(), 0);
    } else {
      // The grid shows the file's records: its first name, and as many
      // records as the file has lines.
      const std::string bytes = e.folder.Read(s.list_file);
      EXPECT_EQ(e.state.Buffer.RecordCount, std::count(bytes.begin(), bytes.end(), '\n'));
      EXPECT_EQ(e.form.sprParaList.Text(kColName, 1), e.state.Buffer.ParameterList[0].ParamName);
      EXPECT_GT(e.form.sprParaList.RowCount(), 0);
      EXPECT_TRUE(e.form.txtPr.Enabled);
      EXPECT_TRUE(e.form.CmdEnd.Enabled);
      EXPECT_FALSE(e.state.ImportedData);
    }
    if (s.check) s.check(e);
  }
}

// Edit > Model info: the dialog in the current edit mode; an accepted change
// names the model in the caption and can be saved, a cancel changes nothing.
TEST(ModelCommands, ModelInfoFromTheEditMenu) {
  Editor e;
  Choose(e.desktop, "QX-A740", kClassSmall);
  e.form.Invoke(MenuItem::mnuModelEdit);
  ASSERT_EQ(e.state.EditMode, kEditModeEdit);
  const EditorState before = e.state;

  int16_t mode = 0;
  e.desktop.ExpectDialog<models::frm_ModelInfo>([&](models::frm_ModelInfo& dialog) {
    mode = dialog.Mode;
    dialog.chkPu.Value = !dialog.chkPu.Value;
    dialog.cmdCancel_Click();
  });
  e.form.Invoke(MenuItem::mnuEditInf);
  EXPECT_EQ(mode, kEditModeEdit);
  test::ExpectStateUnchanged(before, e.state, "cancelled");

  e.form.MenuSet(5);  // Save on, Model info off: it must stay off
  e.form.Invoke(MenuItem::mnuEditInf);
  e.form.MenuSet(4);
  e.desktop.ExpectDialog<models::frm_ModelInfo>([](models::frm_ModelInfo& dialog) {
    dialog.chkPu.Value = !dialog.chkPu.Value;
    dialog.CmdOK_Click();
  });
  e.form.Invoke(MenuItem::mnuEditInf);
  EXPECT_TRUE(e.state.ModelInfoDirty);
  EXPECT_EQ(e.form.Caption, "Parameter File Editor [QX-A740] - (Small Capacity)");
  EXPECT_TRUE(e.form.MenuEnabled(MenuItem::mnuFileSave));
}

}  // namespace
}  // namespace pfedit::editor
