#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "catalogue/catalogue_text.h"
#include "core/messages.h"
#include "core/paths.h"
#include "editor/folder_command.h"
#include "editor/frm_folder.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit::editor {
namespace {

namespace fs = std::filesystem;

void MakeFolder(const std::string& path) {
  fs::create_directories(fs::path(path));
}

// The dialog on the real file system, opened at `folder`.
struct RealDialog {
  explicit RealDialog(const std::string& folder) {
    state.EditFolder = folder;
    form.Form_Load({folder, "pfedit"});
  }
  EditorState state;
  test::ScriptedDesktop desktop;
  frmFolder form{state, desktop, RealFolderLister()};
};

// OK is offered only for the catalogue's exact name: neither its capitals
// (on a file system that keeps them), nor a longer name, nor a folder of that
// name counts.
TEST(FolderDialogTest, OkOnlyForTheExactCatalogueName) {
  struct Case {
    std::vector<std::string> files;
    bool ok;
  };
  const std::vector<Case> cases{
      {{"tarvo_param.vfd"}, true},
      {{"a.vfd", "tarvo_param.vfd", "z.vfd"}, true},
      {{"TARVO_PARAM.VFD"}, false},
      {{"tarvo_param.vfd.vfd", "x_tarvo_param.vfd", "tarvo_param.vf_"}, false},
      {{"tarvo_param.vfd/"}, false},  // a folder
      {{}, false},
  };
  for (const Case& c : cases) {
    test::TempFolder folder;
    for (const std::string& name : c.files) {
      if (name.back() == '/') {
        MakeFolder(folder.File(name.substr(0, name.size() - 1)));
      } else {
        folder.Write(name, "[Model_1]\r\n");
      }
    }
    RealDialog dialog(folder.path());
    const std::string what = c.files.empty() ? "none" : c.files.front();
    EXPECT_EQ(dialog.form.CmdOK.Enabled, c.ok) << what;
    EXPECT_EQ(dialog.form.dirList.Path, folder.path()) << what;
    EXPECT_EQ(dialog.form.filList.Path, folder.path()) << what;
  }
}

// The file list shows the *.vfd files only; opening a subfolder moves both
// lists there, and OK takes the folder shown.
TEST(FolderDialogTest, ListsFollowTheOpenedFolderAndOkTakesIt) {
  test::TempFolder top;
  top.Write("notes.txt", "");
  top.Write("b.VFD", "");
  top.Write("a.vfd", "");
  MakeFolder(top.File("edit"));
  MakeFolder(top.File(".hidden"));
  top.Write("edit/tarvo_param.vfd", "");
  RealDialog dialog(top.path());
  frmFolder& form = dialog.form;
  EXPECT_EQ(form.filList.List, (std::vector<std::string>{"a.vfd", "b.VFD"}));
  EXPECT_EQ(form.filList.Pattern, "*.vfd");
  EXPECT_FALSE(form.CmdOK.Enabled);
  const FolderRow& current = form.dirList.List.at(static_cast<std::size_t>(form.dirList.ListIndex));
  EXPECT_EQ(current.Path, top.path());
  ASSERT_EQ(form.dirList.List.back().Name, "edit");  // the only, visible subfolder

  form.dirList_Click(static_cast<int>(form.dirList.List.size()) - 1);
  EXPECT_EQ(form.filList.Path, top.path());  // a click only highlights
  form.dirList_DblClick(form.dirList.ListIndex);
  EXPECT_EQ(form.dirList.Path, top.File("edit"));
  EXPECT_EQ(form.filList.List, std::vector<std::string>{"tarvo_param.vfd"});
  EXPECT_TRUE(form.CmdOK.Enabled);
  form.CmdOK_Click();
  EXPECT_TRUE(form.Accepted());
  EXPECT_EQ(dialog.state.EditFolder, top.File("edit"));
  EXPECT_EQ(dialog.state.FileDialogFolder, top.File("edit"));
}

TEST(FolderDialogTest, StartFolder) {
  struct Case {
    const char* what;
    const char* stem;
    std::vector<std::string> folders;  // made below the program's folder
    std::string edit_folder;
    std::string expected;  // below the program's folder; "." for the folder itself
  };
  const std::vector<Case> cases{
      {"english", "pfedit", {"en/param", "jp/param"}, "", "en/param"},
      {"japanese", "pfeditj", {"en/param", "jp/param"}, "", "jp/param"},
      {"only a capital J", "pfeditJ", {"en/param", "jp/param"}, "", "en/param"},
      {"no param folder", "pfeditj", {"en/param", "jp"}, "", "."},
      {"chosen before", "pfedit", {"en/param"}, "/elsewhere", "/elsewhere"},
  };
  for (const Case& c : cases) {
    test::TempFolder program;
    for (const std::string& folder : c.folders) MakeFolder(program.File(folder));
    const std::string expected = c.expected == "."      ? program.path()
                                 : c.expected[0] == '/' ? c.expected
                                                        : program.File(c.expected);
    EXPECT_EQ(StartFolder(c.edit_folder, {program.path(), c.stem}), expected) << c.what;
  }
}

// A file system where some places cannot be read.
class FakeLister final : public FolderLister {
 public:
  std::vector<std::string> ListDrives() override { return drives; }
  FolderListing ListFolders(const std::string& folder) override {
    if (errors.count(folder) != 0) return {{}, errors[folder]};
    return {folders[folder], {}};
  }
  FolderListing ListFiles(const std::string& folder, std::string_view) override {
    return {files[folder], {}};
  }
  std::vector<std::string> drives;
  std::map<std::string, std::vector<std::string>> folders;
  std::map<std::string, std::vector<std::string>> files;
  std::map<std::string, std::string> errors;
};

// An unreadable drive or folder shows the system's reason and nothing
// moves; a start folder that cannot be read gives way to the nearest one
// above it.
TEST(FolderDialogTest, UnreadablePlacesGoBack) {
#ifdef _WIN32
  GTEST_SKIP()
      << "the fake drives are POSIX roots; Windows drive letters are covered by the real lister";
#endif
  FakeLister lister;
  lister.drives = {"/", "/home/u", "/media/u/CARD"};
  lister.folders["/home/u"] = {"param", "locked"};
  lister.files["/home/u/param"] = {"tarvo_param.vfd"};
  lister.errors["/media/u/CARD"] = "No medium found";
  lister.errors["/home/u/locked"] = "Permission denied";
  lister.errors["/home/u/gone"] = "No such file or directory";
  EditorState state;
  state.EditFolder = "/home/u/gone";
  test::ScriptedDesktop desktop;
  frmFolder form(state, desktop, lister);
  form.Form_Load({"/opt/pfedit", "pfedit"});
  EXPECT_EQ(form.drvList.ListIndex, 1);
  EXPECT_EQ(form.dirList.Path, "/home/u");
  ASSERT_EQ(form.dirList.List.size(), 3u);
  EXPECT_EQ(form.dirList.List[0].Name, "/home/u");
  EXPECT_EQ(form.dirList.List[1].Path, "/home/u/param");
  EXPECT_EQ(form.dirList.List[1].Depth, 1);

  desktop.ExpectText("No medium found").ExpectText("Permission denied");
  form.drvList_Change(2);
  EXPECT_EQ(form.drvList.ListIndex, 1);
  form.dirList_DblClick(2);
  EXPECT_EQ(form.dirList.Path, "/home/u");
  EXPECT_EQ(desktop.boxes.at(0).icon, Icon::kExclamation);

  form.dirList_DblClick(1);
  EXPECT_TRUE(form.CmdOK.Enabled);
  form.drvList_Change(0);
  EXPECT_EQ(form.dirList.Path, "/");
  EXPECT_FALSE(form.CmdOK.Enabled);
  form.CmdOK_Click();  // refused while disabled
  EXPECT_FALSE(form.Closed());
  form.cmdCancel_Click();
  EXPECT_FALSE(form.Accepted());
  EXPECT_EQ(state.EditFolder, "/home/u/gone");
}

TEST(FolderDialogTest, FolderChain) {
  using Chain = std::vector<std::string>;
  const std::string s(1, PathSeparator());
  EXPECT_EQ(FolderChain("/", "/a/b/"), (Chain{"/", "/a", "/a" + s + "b"}));
  EXPECT_EQ(FolderChain("/home/u", "/home/u/x"), (Chain{"/home/u", "/home/u" + s + "x"}));
  EXPECT_EQ(FolderChain("/home/u", "/home/user"), (Chain{"/home/u"}));
  EXPECT_EQ(FolderChain("C:\\", "C:\\tools\\en"),
            (Chain{"C:\\", "C:\\tools", "C:\\tools" + s + "en"}));
}

// ---- File > Folder.

// The window's side, as a log of calls.
class WindowLog final : public FolderWindow {
 public:
  void ClearWindow() override { log += "clear "; }
  void SetMainCaption(std::string_view name, int capacity_class) override {
    log += "caption(" + std::string(name) + "," + std::to_string(capacity_class) + ") ";
  }
  void MenuSet(int state) override { log += "menu" + std::to_string(state) + " "; }
  void SetFolderLabel(const std::string& folder) override { label = folder; }
  std::string log;
  std::string label = "previous";
};

struct FolderScene {
  FolderScene() {
    state.Catalogue = {ModelRecord()};
    state.Catalogue[0].ModelName = "previous";
  }
  void Run() { RunFolderCommand(state, desktop, window, {folder.path(), "pfedit"}); }
  // The dialog opens in the folder and the user confirms it.
  void ChooseFolder() {
    desktop.ExpectDialog<frmFolder>([](frmFolder& form) { form.CmdOK_Click(); });
  }
  test::TempFolder folder;
  test::ScriptedDesktop desktop;
  WindowLog window;
  EditorState state;
};

TEST(FolderCommandTest, LoadsTheChosenFoldersCatalogue) {
  FolderScene s;
  s.folder.Write("tarvo_param.vfd", test::Sections(2));
  s.state.EditFolder = s.folder.path();
  s.ChooseFolder();
  s.Run();
  EXPECT_EQ(s.window.log, "clear caption(,0) menu1 ");
  EXPECT_EQ(s.window.label, s.folder.path());
  EXPECT_EQ(s.state.Catalogue.size(), 2u);
  EXPECT_EQ(s.state.CatalogueFolder, s.folder.path());
  EXPECT_EQ(s.desktop.max_wait_cursor_depth, 1);
  EXPECT_EQ(s.desktop.wait_cursor_depth, 0);
}

TEST(FolderCommandTest, UnsavedDataIsDroppedOnlyAfterYes) {
  for (const Answer answer : {Answer::kNo, Answer::kYes}) {
    FolderScene s;
    s.state.ModelInfoDirty = true;
    s.desktop.ExpectMessage(msg::kDiscardEditing, answer);
    if (answer == Answer::kYes) {
      s.desktop.ExpectDialog<frmFolder>([](frmFolder& form) { form.cmdCancel_Click(); });
    }
    s.Run();
    const bool yes = answer == Answer::kYes;
    // Cancel after Yes leaves the window empty, in state 0.
    EXPECT_EQ(s.window.log, yes ? "clear caption(,0) menu0 " : "");
    EXPECT_EQ(s.state.ModelInfoDirty, !yes);
    EXPECT_EQ(s.window.label, "previous");
    EXPECT_EQ(s.desktop.boxes.at(0).icon, Icon::kQuestion);
  }
}

// A catalogue whose third section lacks ComResource: the reason follows
// message 1091; the previous catalogue stays, the label empties and nothing
// but the folder command is left enabled.
TEST(FolderCommandTest, ReadFailureKeepsTheCatalogue) {
  FolderScene s;
  s.folder.Write("tarvo_param.vfd",
                 test::Sections(2) + test::Section("Model_3", {{"ComResource", std::nullopt}}));
  s.state.EditFolder = s.folder.path();
  s.state.ParametersDirty = true;
  s.desktop.ExpectMessage(msg::kDiscardEditing, Answer::kYes);
  s.ChooseFolder();
  s.desktop.ExpectText(GetMessageText(msg::kReadFailedShort) + "\r\n" +
                       GetMessageText(msg::kBadComResource));
  s.Run();
  EXPECT_EQ(s.window.log, "clear caption(,0) menu0 clear caption(,0) menu1 menu0 ");
  EXPECT_EQ(s.window.label, "");
  ASSERT_EQ(s.state.Catalogue.size(), 1u);
  EXPECT_EQ(s.state.Catalogue[0].ModelName, "previous");
  EXPECT_EQ(s.state.EditFolder, s.folder.path());
  EXPECT_FALSE(s.state.ParametersDirty);
}

}  // namespace
}  // namespace pfedit::editor
