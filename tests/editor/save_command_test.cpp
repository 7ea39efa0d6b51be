#include "editor/save_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_text.h"
#include "catalogue/catalogue_writer.h"
#include "core/file_fingerprint.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/value_tables.h"
#include "editor/catalogue_io.h"
#include "editor/frm_pr_file_edit.h"
#include "editor/parameter_file_io.h"
#include "grid_test_support.h"
#include "models/frm_model_add.h"
#include "paramfile/parameter_file.h"
#include "support/faulty_file_system.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit::editor {
namespace {

using models::frmModelAdd;
using pfedit::test::Section;
using test::Record;

constexpr const char* kCatalogue = "tarvo_param.vfd";
constexpr int kMenuStateChanged = 9;

// The main window as Save sees it, with the real grid rules behind its
// Parameter Check button.
class Window final : public SaveWindow, public GridWindow {
 public:
  Window(EditorState& state, Desktop& desktop) : events(grid, state, desktop, *this, '.') {}
  int ParameterRowCount() override { return grid.RowCount(); }
  bool RunParameterCheck() override { return events.CmdEnd_Click(); }
  void MenuSet(int state) override { menu_states.push_back(state); }
  void SetMainCaption(std::string_view name, int capacity_class) override {
    caption = std::string(name) + "/" + std::to_string(capacity_class);
  }
  void DisableSave() override { save_disabled = true; }
  void SetCheckEnabled(bool) override {}
  void SetPrText(const std::string&) override {}
  void OpenEditMenuAt(int, int) override {}

  TableModel grid;
  ParameterGridEvents events;
  std::vector<int> menu_states;
  std::string caption = "unchanged";
  bool save_disabled = false;
};

enum class Kind { kNew, kEdit, kDelete };
const char* const kKindNames[] = {"new", "edit", "delete"};

std::string Name(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

// Every file of a folder by name, with its bytes.
std::map<std::string, std::string> Files(const pfedit::test::TempFolder& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    const std::string name = entry.path().filename().string();
    files[name] = folder.Read(name);
  }
  return files;
}

// An edit folder with two small models, QX-A700 (a.vfd) and QX-B (b.vfd),
// read as File > Folder reads it, and a model opened as New, Edit or Delete
// leave it. The grid holds three records, the parameter files two.
struct Scene {
  explicit Scene(Kind kind,
                 std::vector<ParameterRecord> list = {Record("1"), Record("2"), Record("3")}) {
    folder.Write(kCatalogue, Section("Model_1", {{"ParamFile", "a.vfd"}}) +
                                 Section("Model_2", {{"ModelName", "QX-B"},
                                                     {"ModelCode1", "0x02000000"},
                                                     {"ParamFile", "b.vfd"}}));
    folder.Write("a.vfd", ParameterFileText({Record("1"), Record("2")}));
    folder.Write("b.vfd", ParameterFileText({Record("7")}));
    state.EditFolder = folder.path();
    EXPECT_EQ(ReadCatalogue(state, desktop, folder.path(), CatalogueMode::kFolder), kStatusOk);
    ModelRecord& model = state.Buffer.EditModel;
    switch (kind) {
      case Kind::kNew:
        state.EditMode = kEditModeNew;
        model = state.Catalogue.at(0);
        model.ModelName = "QX-NEW";
        model.ModelCode1 = "0x03000000";
        model.ParamFile = "new.vfd";
        break;
      case Kind::kEdit:
        state.EditMode = kEditModeEdit;
        model = state.Catalogue.at(0);
        EXPECT_EQ(ReadParameterFile(state, desktop, folder.File("a.vfd")), kStatusOk);
        break;
      case Kind::kDelete:
        state.EditMode = kEditModeDelete;
        state.Catalogue.erase(state.Catalogue.begin() + 1);
        list.clear();
        break;
    }
    test::Load(window.grid, list);
    state.ParametersDirty = true;
    state.ModelInfoDirty = true;
  }

  std::string ParamFile() const { return EditParameterFilePath(state); }

  pfedit::test::TempFolder folder;
  pfedit::test::ScriptedDesktop desktop;
  pfedit::test::FaultyFileSystem files;
  EditorState state;
  Window window{state, desktop};
};

// The boxes and the dialog up to the point where the files are written: the
// check, the list position dialog, and the questions an existing file raises
// (answered Yes), or the read-only message that ends the save there.
void ScriptUpToWrite(Scene& s, Kind kind) {
  const std::string p = s.ParamFile();
  const bool exists = s.files.Exists(p);
  const bool read_only = exists && (s.files.Attributes(p) & kAttributeReadOnly) != 0;
  if (kind == Kind::kDelete) {
    s.desktop.ExpectMessage(msg::kConfirmOverwrite, Answer::kYes);
    return;
  }
  s.desktop.ExpectText(JoinLines({GetMessageText(1092), GetMessageText(1073)}))
      .ExpectMessage(msg::kNoError)
      .ExpectDialog<frmModelAdd>([](frmModelAdd& form) { form.CmdOK_Click(); });
  if (kind == Kind::kNew && exists) {
    s.desktop.ExpectText(JoinLines({GetMessageText(1016), "(" + p + ")", GetMessageText(1003)}),
                         Answer::kYes);
  }
  if (read_only) {
    s.desktop.ExpectMessage(msg::kFileLocked);
  } else if (kind == Kind::kEdit && exists) {
    s.desktop.ExpectMessage(msg::kConfirmOverwrite, Answer::kYes);
  }
}

TEST(SaveCommandTest, SavesNewEditedAndDeletedModels) {
  for (const Kind kind : {Kind::kNew, Kind::kEdit, Kind::kDelete}) {
    const char* what = kKindNames[static_cast<int>(kind)];
    Scene s(kind);
    const auto before = Files(s.folder);
    ScriptUpToWrite(s, kind);
    ASSERT_NE(RunSaveCommand(s.state, s.desktop, s.window, s.files), SaveOutcome::kStopped) << what;

    auto expected = before;
    expected[kCatalogue] = FormatCatalogue(s.state.Catalogue);
    if (kind != Kind::kDelete) {
      expected[Name(s.ParamFile())] = ParameterFileText({Record("1"), Record("2"), Record("3")});
    }
    EXPECT_EQ(Files(s.folder), expected) << what;
    EXPECT_EQ(s.state.Catalogue.size(), kind == Kind::kNew ? 3u : kind == Kind::kEdit ? 2u : 1u);
    EXPECT_EQ(s.state.EditMode, kind == Kind::kDelete ? kEditModeDelete : kEditModeEdit) << what;
    EXPECT_EQ(s.state.ParametersDirty, kind == Kind::kDelete) << what;
    EXPECT_FALSE(s.state.ModelInfoDirty) << what;
    EXPECT_TRUE(s.window.save_disabled) << what;
    EXPECT_EQ(s.window.caption, kind == Kind::kDelete ? "/0" : "unchanged") << what;
    // What was written is now what the editor knows: the next save asks no one.
    EXPECT_EQ(CompareWithDisk(s.files, s.state.CatalogueAsRead), FileChange::kUnchanged) << what;
    if (kind != Kind::kDelete) {
      EXPECT_EQ(s.state.ParameterFileAsRead.path, s.ParamFile()) << what;
      EXPECT_EQ(CompareWithDisk(s.files, s.state.ParameterFileAsRead), FileChange::kUnchanged);
    }
  }
}

// Every fault against every kind of save: the message sequence, every file
// of the folder byte for byte as before (only a temporary whose rename failed
// stays, and the list written before a failed catalogue), and the editor
// state as before the save.
TEST(SaveCommandTest, FaultsLeaveEveryFileAndTheStateAsTheyWere) {
  struct Fault {
    const char* what;
    void (*prepare)(Scene&, const std::string& target);
    Status message;  // msg::kTemporaryKept: the text naming the kept temporary
    // The fault hits the catalogue also when a list is saved: the list is
    // then written first.
    bool catalogue_only = false;
  };
  const std::vector<Fault> faults{
      {"read-only target",
       [](Scene& s, const std::string& target) {
         if (!s.files.Exists(target)) s.folder.Write("new.vfd", "someone's file");
         ::chmod(target.c_str(), 0444);
       },
       msg::kFileLocked},
      {"folder that cannot be written (seam)",
       [](Scene& s, const std::string& target) {
         s.files.fail_create = true;
         s.files.only = target;
       },
       msg::kWriteFailed},
      {"ten temporary names taken",
       [](Scene& s, const std::string& target) {
         for (int n = 0; n < 10; ++n) s.folder.Write(Name(TemporaryName(target, n)), "x");
       },
       msg::kWriteFailed},
      {"path over 255 bytes",
       [](Scene& s, const std::string&) {
         s.state.EditFolder = s.folder.path() + "/" + std::string(255, 'd');
         s.state.CatalogueFolder = s.state.EditFolder;
       },
       msg::kWriteFailed},
      {"write fails part way",
       [](Scene& s, const std::string& target) {
         s.files.write_limit = 10;
         s.files.only = target;
       },
       msg::kWriteFailed},
      {"flush fails",
       [](Scene& s, const std::string& target) {
         s.files.fail_flush = true;
         s.files.only = target;
       },
       msg::kWriteFailed},
      {"full disk",
       [](Scene& s, const std::string& target) {
         s.files.write_limit = 0;
         s.files.only = target;
       },
       msg::kWriteFailed},
      {"replacement fails",
       [](Scene& s, const std::string& target) {
         s.files.fail_replace = true;
         s.files.only = target;
       },
       msg::kTemporaryKept},
      {"catalogue replacement fails",
       [](Scene& s, const std::string& target) {
         s.files.fail_replace = true;
         s.files.only = target;
       },
       msg::kTemporaryKept, true},
  };
  for (const Fault& fault : faults) {
    for (const Kind kind : {Kind::kNew, Kind::kEdit, Kind::kDelete}) {
      const std::string what = std::string(kKindNames[static_cast<int>(kind)]) + ": " + fault.what;
      Scene s(kind);
      const bool catalogue_target = kind == Kind::kDelete || fault.catalogue_only;
      const std::string target = catalogue_target ? s.folder.File(kCatalogue) : s.ParamFile();
      fault.prepare(s, target);
      const auto before = Files(s.folder);
      const EditorState state_before = s.state;
      const std::string p = s.ParamFile();

      ScriptUpToWrite(s, kind);
      const std::string kept = TemporaryName(target, 0);
      if (fault.message == msg::kTemporaryKept && catalogue_target) {
        s.desktop.ExpectText(JoinLines({GetMessageText(1010), kept, GetMessageText(1011),
                                        GetMessageText(1012), GetMessageText(1013)}));
      } else if (fault.message == msg::kTemporaryKept) {
        s.desktop.ExpectText(GetMessageText(1010) + "\r\n" + kept + "\r\n\r\n" +
                             GetMessageText(1011) + "\r\n\r\n" + GetMessageText(1012) + "\r\n" +
                             GetMessageText(1013));
      } else if (fault.message != msg::kFileLocked || kind == Kind::kDelete) {
        s.desktop.ExpectMessage(fault.message);
      }
      EXPECT_EQ(RunSaveCommand(s.state, s.desktop, s.window, s.files), SaveOutcome::kStopped)
          << what;

      auto expected = before;
      const bool list_written = fault.catalogue_only && kind != Kind::kDelete;
      if (list_written) {
        expected[Name(p)] = ParameterFileText({Record("1"), Record("2"), Record("3")});
      }
      if (fault.message == msg::kTemporaryKept) {
        const std::string name = Name(kept);
        EXPECT_EQ(s.folder.Has(name), true) << what;
        expected[name] = s.folder.Read(name);
      }
      EXPECT_EQ(Files(s.folder), expected) << what;
      EXPECT_EQ(s.state.Catalogue, state_before.Catalogue) << what;
      EXPECT_EQ(s.state.Buffer.EditModel, state_before.Buffer.EditModel) << what;
      EXPECT_EQ(s.state.EditMode, state_before.EditMode) << what;
      EXPECT_EQ(s.state.ParametersDirty, !list_written) << what;
      EXPECT_TRUE(s.state.ModelInfoDirty) << what;
      EXPECT_FALSE(s.window.save_disabled) << what;
      const int changed = (kind != Kind::kDelete ? 1 : 0) + (catalogue_target ? 1 : 0);
      EXPECT_EQ(s.window.menu_states, std::vector<int>(changed, kMenuStateChanged)) << what;
    }
  }
}

// A folder the user may not write, for real. Root may write anyway, so this
// only runs as another user; the seam above covers the same path for root.
TEST(SaveCommandTest, ReadOnlyFolderForReal) {
#ifdef _WIN32
  GTEST_SKIP() << "a folder's read-only attribute does not stop writing on Windows";
#else
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
#endif
  for (const Kind kind : {Kind::kNew, Kind::kEdit, Kind::kDelete}) {
    Scene s(kind);
    const auto before = Files(s.folder);
    ::chmod(s.folder.path().c_str(), 0555);
    ScriptUpToWrite(s, kind);
    s.desktop.ExpectMessage(msg::kWriteFailed);
    EXPECT_EQ(RunSaveCommand(s.state, s.desktop, s.window, s.files), SaveOutcome::kStopped);
    ::chmod(s.folder.path().c_str(), 0755);
    EXPECT_EQ(Files(s.folder), before) << kKindNames[static_cast<int>(kind)];
  }
}

// Another user changed a file after it was read: one question names it; No
// writes nothing and restores the mode, Yes saves over the change.
TEST(SaveCommandTest, AsksBeforeOverwritingSomeoneElsesChange) {
  struct Case {
    const char* what;
    const char* file;   // changed after the read; nullptr: deleted catalogue
    MessageId message;  // of the question
    Answer answer;
  };
  const std::vector<Case> cases{
      {"catalogue changed, No", kCatalogue, msg::kChangedByOther, Answer::kNo},
      {"parameter file changed, No", "a.vfd", msg::kChangedByOther, Answer::kNo},
      {"parameter file changed, Yes", "a.vfd", msg::kChangedByOther, Answer::kYes},
      {"catalogue deleted, Yes", nullptr, msg::kDeletedByOther, Answer::kYes},
  };
  for (const Case& c : cases) {
    Scene s(Kind::kEdit);
    const std::string path = s.folder.File(c.file ? c.file : kCatalogue);
    if (c.file) {
      s.folder.Write(c.file, "another user's text\r\n");
    } else {
      std::filesystem::remove(path);
    }
    const auto before = Files(s.folder);
    ScriptUpToWrite(s, Kind::kEdit);
    s.desktop.ExpectText(JoinLines({GetMessageText(c.message), path, GetMessageText(1003)}),
                         c.answer);
    EXPECT_EQ(RunSaveCommand(s.state, s.desktop, s.window, s.files) != SaveOutcome::kStopped,
              c.answer == Answer::kYes)
        << c.what;
    if (c.answer == Answer::kNo) {
      EXPECT_EQ(Files(s.folder), before) << c.what;
      EXPECT_TRUE(s.state.ParametersDirty) << c.what;
    } else {
      EXPECT_EQ(s.folder.Read("a.vfd"), ParameterFileText({Record("1"), Record("2"), Record("3")}));
      EXPECT_EQ(s.folder.Read(kCatalogue), FormatCatalogue(s.state.Catalogue)) << c.what;
    }
  }
}

// A model with the capacities 0.4 (small) and 75 (large) in its lists.
void GiveBothClasses(ModelRecord& model) {
  model.Capacity = {"0.4", "75"};
  model.Current01 = {"1.5", "150"};
  model.Current02 = {"1.4", "140"};
  model.Current03 = {"1.3", "130"};
  model.Current04 = {"1.2", "120"};
  model.TypeName = {"00023", "01500"};
  model.CapacityClass = kClassBoth;
}

// How a model relates to the catalogue entry of its identity decides whether
// it is refused, added to the entry's other class, or replaces its class.
TEST(SaveCommandTest, NewAndImportedModelsMeetTheEntryOfTheirIdentity) {
  struct Case {
    const char* what;
    bool imported;
    bool entry_both;                      // QX-A700 holds 0.4 and 75
    std::vector<std::string> capacities;  // of the model saved, same codes as QX-A700
    MessageId refusal;                    // 1033 before the dialog, or 0
    int16_t dialog_mode;
    std::vector<std::string> saved;  // QX-A700's capacities after the save
    bool full = false;               // the catalogue holds 256 models
  };
  const std::vector<Case> cases{
      {"new, same class", false, false, {"0.75"}, msg::kSameModelExists, 0, {}},
      {"new, the other class", false, false, {"90"}, 0, models::kPlaceEditedModel, {"0.4", "90"}},
      {"imported small into both",
       true,
       true,
       {"0.75"},
       0,
       models::kPlaceEditedModel,
       {"0.75", "75"}},
      {"imported large into both", true, true, {"90"}, 0, models::kPlaceEditedModel, {"0.4", "90"}},
      {"imported, new identity", true, false, {"0.75"}, 0, models::kPlaceNewModel, {"0.4"}},
      {"imported, new identity, 256 models", true, false, {"0.75"}, msg::kModelLimit, 0, {}, true},
      {"new, the other class, 256 models",
       false,
       false,
       {"90"},
       0,
       models::kPlaceEditedModel,
       {"0.4", "90"},
       true},
  };
  for (const Case& c : cases) {
    Scene s(Kind::kNew);
    if (c.entry_both) GiveBothClasses(s.state.Catalogue[0]);
    ModelRecord& model = s.state.Buffer.EditModel;
    model = s.state.Catalogue[0];
    model.ModelName = "QX-IMPORT";
    model.ParamFile = "import.vfd";
    if (c.imported && !c.entry_both) model.ModelCode1 = "0x05000000";
    if (c.full) s.state.Catalogue.resize(kMaxModels, s.state.Catalogue[1]);
    const std::size_t n = c.capacities.size();
    model.Capacity = c.capacities;
    model.Current01 = model.Current02 = model.Current03 = model.Current04 = TextList(n, "9.9");
    model.TypeName = TextList(n, "09999");
    s.state.ImportedData = c.imported;
    s.state.SelectedCapacityClass = IsSmallCapacity(c.capacities[0]) ? kClassSmall : kClassLarge;
    const std::size_t count = s.state.Catalogue.size();

    s.desktop.ExpectText(JoinLines({GetMessageText(1092), GetMessageText(1073)}))
        .ExpectMessage(msg::kNoError);
    if (c.refusal != 0) {
      s.desktop.ExpectMessage(c.refusal);
    } else {
      s.desktop.ExpectDialog<frmModelAdd>([&c](frmModelAdd& form) {
        EXPECT_EQ(form.lblModelName[0].Caption,
                  GetMessageText(c.dialog_mode == models::kPlaceNewModel ? 401 : 406))
            << c.what;
        form.CmdOK_Click();
      });
    }
    const std::string catalogue_before = s.folder.Read(kCatalogue);
    const int16_t mode_before = s.state.EditMode;
    const SaveOutcome outcome = RunSaveCommand(s.state, s.desktop, s.window, s.files);
    if (c.refusal != 0) {
      EXPECT_EQ(outcome, SaveOutcome::kStopped) << c.what;
      EXPECT_FALSE(s.folder.Has("import.vfd")) << c.what;
      EXPECT_EQ(s.folder.Read(kCatalogue), catalogue_before) << c.what;
      EXPECT_EQ(s.state.Catalogue.size(), count) << c.what;
      EXPECT_EQ(s.state.EditMode, mode_before) << c.what;
      EXPECT_TRUE(s.state.ParametersDirty) << c.what;
      continue;
    }
    const bool replaced = c.dialog_mode == models::kPlaceEditedModel;
    EXPECT_EQ(outcome, c.imported && replaced ? SaveOutcome::kSavedEdit : SaveOutcome::kSavedNew)
        << c.what;
    EXPECT_EQ(s.state.Catalogue.size(), replaced ? count : count + 1) << c.what;
    const auto entry = ReadCatalogueText(s.folder.Read(kCatalogue), '.').models.at(0);
    EXPECT_EQ(entry.Capacity, c.saved) << c.what;
    EXPECT_EQ(entry.Current01.size(), c.saved.size()) << c.what;
    EXPECT_FALSE(s.state.ImportedData) << c.what;
  }
}

// The check refuses a duplicate Pr before anything is asked or written; an
// edited model whose dialog is cancelled or whose overwrite is refused
// returns to the mode it was saved in; P~0 and P~1 of others stay.
TEST(SaveCommandTest, StopsAndTemporaryNames) {
  {
    Scene s(Kind::kEdit, {Record("1"), Record("1")});
    const auto before = Files(s.folder);
    s.desktop.ExpectText(JoinLines({GetMessageText(1092), GetMessageText(1073)}))
        .ExpectMessage(msg::kOverlappingNumbers);
    EXPECT_EQ(RunSaveCommand(s.state, s.desktop, s.window, s.files), SaveOutcome::kStopped);
    EXPECT_EQ(Files(s.folder), before);
  }
  for (const Answer answer : {Answer::kCancel, Answer::kNo}) {
    // An imported small model that replaces an entry of both classes is
    // saved as an edit; stopping puts its mode back.
    Scene s(Kind::kNew);
    GiveBothClasses(s.state.Catalogue[0]);
    s.state.Buffer.EditModel = s.state.Catalogue[0];
    s.state.Buffer.EditModel.ParamFile = "a.vfd";
    s.state.ImportedData = true;
    s.state.SelectedCapacityClass = kClassSmall;
    const auto before = Files(s.folder);
    s.desktop.ExpectText(JoinLines({GetMessageText(1092), GetMessageText(1073)}))
        .ExpectMessage(msg::kNoError)
        .ExpectDialog<frmModelAdd>([answer](frmModelAdd& form) {
          if (answer == Answer::kCancel) {
            form.cmdCancel_Click();
          } else {
            form.CmdOK_Click();
          }
        });
    if (answer == Answer::kNo) s.desktop.ExpectMessage(msg::kConfirmOverwrite, Answer::kNo);
    EXPECT_EQ(RunSaveCommand(s.state, s.desktop, s.window, s.files), SaveOutcome::kStopped);
    EXPECT_EQ(s.state.EditMode, kEditModeNew);
    EXPECT_EQ(Files(s.folder), before);
  }
  {
    Scene s(Kind::kNew);
    s.folder.Write("new.vfd~0", "someone's");
    s.folder.Write("new.vfd~1", "someone else's");
    ScriptUpToWrite(s, Kind::kNew);
    EXPECT_EQ(RunSaveCommand(s.state, s.desktop, s.window, s.files), SaveOutcome::kSavedNew);
    EXPECT_EQ(s.files.created.at(0), s.folder.File("new.vfd~2"));
    EXPECT_EQ(s.folder.Read("new.vfd~0"), "someone's");
    EXPECT_EQ(s.folder.Read("new.vfd~1"), "someone else's");
    EXPECT_FALSE(s.folder.Has("new.vfd~2"));
  }
}

// The main window runs Save from its menu; a saved deletion turns File >
// Save off and the caption shows no model.
TEST(SaveCommandTest, MainWindowRunsItFromTheFileMenu) {
  const pfedit::test::TempFolder program;
  std::filesystem::create_directories(program.File("en/help"));
  program.Write("en/help/dorvien.chm", "help");
  Scene s(Kind::kDelete);
  frmPrFileEdit form(s.state, s.desktop);
  form.Form_Load(program.path());
  form.SetMainCaption("QX-B", kClassSmall);
  form.MenuSet(1);
  form.MenuSet(kMenuStateChanged);
  ASSERT_TRUE(form.MenuEnabled(MenuItem::mnuFileSave));
  s.desktop.ExpectMessage(msg::kConfirmOverwrite, Answer::kYes);
  form.Invoke(MenuItem::mnuFileSave);
  EXPECT_FALSE(form.MenuEnabled(MenuItem::mnuFileSave));
  EXPECT_EQ(form.Caption, GetMessageText(msg::kTitle));
  EXPECT_EQ(s.folder.Read(kCatalogue), FormatCatalogue(s.state.Catalogue));
  EXPECT_EQ(s.state.Catalogue.size(), 1u);
}

}  // namespace
}  // namespace pfedit::editor
