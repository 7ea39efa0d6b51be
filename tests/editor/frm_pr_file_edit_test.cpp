#include <gtest/gtest.h>

#include <filesystem>

#include "about/frm_version.h"
#include "core/help.h"
#include "core/message_ids.h"
#include "core/version.h"
#include "editor/frm_pr_file_edit.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit::editor {
namespace {

using test::ScriptedDesktop;
using test::TempFolder;

// A program folder with the help file in its place, so start-up is quiet.
class MainWindow : public ::testing::Test {
 protected:
  MainWindow() {
    std::filesystem::create_directories(folder.File("en/help"));
    folder.Write("en/help/dorvien.chm", "help");
    form.Form_Load(folder.path());
  }

  TempFolder folder;
  EditorState state;
  ScriptedDesktop desktop;
  frmPrFileEdit form{state, desktop};
};

TEST_F(MainWindow, StartsInStateZero) {
  EXPECT_EQ(form.Caption, "Parameter File Editor");
  EXPECT_FALSE(form.CmdEnd.Enabled);
  EXPECT_FALSE(form.txtPr.Enabled);
  EXPECT_EQ(form.txtPr.MaxLength, 3);
  EXPECT_EQ(form.sprParaList.RowCount(), 0);
  EXPECT_EQ(state.HelpFilePath, folder.File("en/help/dorvien.chm"));
  for (const Menu& menu : MainMenus()) {
    for (const MenuEntry& entry : menu.entries) {
      const bool always = entry.item == MenuItem::mnuFileFolder ||
                          entry.item == MenuItem::mnuFileExit ||
                          entry.item == MenuItem::mnuHelpItem || entry.item == MenuItem::mnuHelpVer;
      EXPECT_EQ(form.MenuEnabled(entry.item), always) << entry.caption;
    }
  }
  // Disabled items do nothing when invoked anyway.
  form.Invoke(MenuItem::mnuFileSave);
  form.Invoke(MenuItem::mnuEditCut);
  EXPECT_FALSE(form.Closed());
  EXPECT_TRUE(desktop.boxes.empty());
}

TEST(MainWindowStartUp, MissingHelpFileIsReportedAndStartUpGoesOn) {
  TempFolder folder;
  EditorState state;
  ScriptedDesktop desktop;
  desktop.ExpectMessage(msg::kHelpFileMissing);
  frmPrFileEdit form(state, desktop);
  form.Form_Load(folder.path());
  EXPECT_EQ(state.HelpFilePath, "");
  EXPECT_EQ(desktop.boxes.at(0).icon, Icon::kExclamation);
  EXPECT_EQ(desktop.boxes.at(0).title, "Parameter File Editor");
  form.Invoke(MenuItem::mnuHelpItem);
  EXPECT_TRUE(desktop.help_opened.empty());
}

// Exit and the close box take the same path.
TEST_F(MainWindow, ClosingAsksOnlyWithUnsavedDataAndOnlyYesCloses) {
  const struct {
    bool parameters_dirty;
    bool model_info_dirty;
    bool asked;
    Answer answer;
    bool closes;
  } cases[] = {
      {false, false, false, Answer::kYes, true},
      {true, false, true, Answer::kYes, true},
      {false, true, true, Answer::kNo, false},
      {true, true, true, Answer::kNo, false},
  };
  for (const bool by_exit : {true, false}) {
    for (const auto& c : cases) {
      frmPrFileEdit window(state, desktop);
      window.MenuSet(0);
      state.ParametersDirty = c.parameters_dirty;
      state.ModelInfoDirty = c.model_info_dirty;
      if (c.asked) desktop.ExpectMessage(msg::kConfirmExit, c.answer);
      if (by_exit) {
        window.Invoke(MenuItem::mnuFileExit);
      } else {
        window.Form_QueryUnload();
      }
      EXPECT_EQ(window.Closed(), c.closes);
      // A refused close keeps every flag; an accepted one drops the parameters'
      // flag.
      EXPECT_EQ(state.ParametersDirty, c.closes ? false : c.parameters_dirty);
      EXPECT_EQ(state.ModelInfoDirty, c.model_info_dirty);
    }
  }
  for (const MessageBox& box : desktop.boxes) {
    EXPECT_EQ(box.icon, Icon::kQuestion);
    EXPECT_EQ(box.buttons, Buttons::kYesNo);
  }
}

TEST_F(MainWindow, HelpCommandsOpenHelpAndTheAboutBox) {
  form.Invoke(MenuItem::mnuHelpItem);
  EXPECT_EQ(desktop.help_opened, std::vector<std::string>{state.HelpFilePath});
  std::string shown_version;
  desktop.ExpectDialog<about::frmVersion>([&](about::frmVersion& about) {
    shown_version = about.lblVersion_num.Caption;
    about.CmdOK_Click();
  });
  form.Invoke(MenuItem::mnuHelpVer);
  EXPECT_EQ(shown_version, about::VersionNumberText(kVersionMajor, kVersionMinor));
}

TEST_F(MainWindow, RightClickOnTheGridOpensTheEditMenuWhereTheMouseIs) {
  form.sprParaList.SetRowCount(2);
  form.sprParaList.RightClick(3, 2, 140, 360);
  ASSERT_EQ(desktop.popups.size(), 1u);
  EXPECT_EQ(desktop.popups[0].menu, PopupMenu::mnuEdit);
  EXPECT_EQ(desktop.popups[0].x, 140);
  EXPECT_EQ(desktop.popups[0].y, 360);
}

}  // namespace
}  // namespace pfedit::editor
