#include "editor/catalogue_io.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_text.h"
#include "catalogue/catalogue_writer.h"
#include "support/faulty_file_system.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

using test::Section;

constexpr const char* kCatalogue = "tarvo_param.vfd";
constexpr const char* kOldBytes = "[Model_1]\r\nthe old catalogue\r\n";

// A state that holds a catalogue and edits a model: every read must empty
// the edited model and its draft first, and change the catalogue only when a
// folder's catalogue was read whole.
TEST(ReadCatalogueTest, FolderAndImportModes) {
  struct Case {
    const char* what;
    std::optional<std::string> file;  // nullopt: none; an export file is then the folder
    CatalogueMode mode;
    Status status;
    std::string param_file = "";  // of EditModel
    int16_t capacity_class = kClassNone;
    std::vector<std::string> catalogue = {"previous"};
    int warning = 0;
  };
  const std::string large =
      Section("Model_1", {{"Capacity1", "75"}, {"ParamFile", "abcd1234-x.vfd"}});
  constexpr CatalogueMode kFolder = CatalogueMode::kFolder;
  constexpr CatalogueMode kImport = CatalogueMode::kImport;
  const std::vector<Case> cases{
      {"catalogue", test::Sections(2), kFolder, 0, "", kClassNone, {"QX-A700", "QX-A700"}},
      {"faulty catalogue", Section("Model_1") + Section("M", {{"HelpFile", ""}}), kFolder, 1049},
      {"no catalogue", std::nullopt, kFolder, 0},
      {"over 256 sections", test::Sections(300), kFolder, 0, "", kClassNone,
       std::vector<std::string>(256, "QX-A700"), 1076},
      {"small import", test::kExportRecords + Section("Model_1"), kImport, 0, "qx_a700.vfd",
       kClassSmall},
      {"large import gets the mark", test::kExportRecords + large, kImport, 0, "abcdl1234-x.vfd",
       kClassLarge},
      {"import of two models", test::Sections(2), kImport, 1057},
      {"import of a folder", std::nullopt, kImport, 1041},
  };
  for (const Case& c : cases) {
    test::TempFolder folder;
    test::ScriptedDesktop desktop;
    if (c.warning != 0) desktop.ExpectMessage(c.warning);
    EditorState state;
    state.Catalogue = {ModelRecord()};
    state.Catalogue[0].ModelName = "previous";
    state.Buffer.EditModel.ParamFile = "edit.vfd";
    state.Buffer.ModelInfoDraft.ModelName = "draft";
    state.ModelInfoDirty = true;
    const bool in_folder = c.mode == kFolder;
    const std::string name = in_folder ? kCatalogue : "m.vf_";
    if (c.file) folder.Write(name, *c.file);
    const std::string location = in_folder || !c.file ? folder.path() : folder.File(name);

    EXPECT_EQ(ReadCatalogue(state, desktop, location, c.mode), c.status) << c.what;
    EXPECT_EQ(state.CatalogueFolder, in_folder ? folder.path() : "") << c.what;
    std::vector<std::string> names;
    for (const ModelRecord& model : state.Catalogue) names.push_back(model.ModelName);
    EXPECT_EQ(names, c.catalogue) << c.what;
    EXPECT_EQ(state.Buffer.EditModel.ParamFile, c.param_file) << c.what;
    EXPECT_EQ(state.SelectedCapacityClass, c.capacity_class) << c.what;
    EXPECT_EQ(state.EditCapacityClass, c.capacity_class) << c.what;
    EXPECT_EQ(state.Buffer.ModelInfoDraft, ModelRecord()) << c.what;
    EXPECT_FALSE(state.ModelInfoDirty) << c.what;
    for (const MessageBox& box : desktop.boxes) EXPECT_EQ(box.icon, Icon::kExclamation);
  }
}

// A folder with an old catalogue and an editor state that has read a
// different one, and adds the large class to its second, small model.
struct Scene {
  Scene() {
    const std::string text =
        Section("Model_1") + Section("Model_2", {{"ModelCode1", "0x02000000"}});
    state.Catalogue = ReadCatalogueText(text, '.').models;
    state.CatalogueFolder = folder.path();
    state.EditMode = kEditModeNew;
    state.ListPosition = 1;
    ModelRecord& edit = state.Buffer.EditModel;
    edit = state.Catalogue.at(1);
    edit.ModelName = "B2";
    edit.Capacity = {"75"};
    edit.CapacityClass = kClassLarge;
    folder.Write(kCatalogue, kOldBytes);
  }

  // The digits of the temporary names present in the folder.
  std::string Temporaries() const {
    std::string digits;
    for (char n = '0'; n <= '9'; ++n) {
      if (folder.Has(kCatalogue + std::string("~") + n)) digits += n;
    }
    return digits;
  }

  test::TempFolder folder;
  test::ScriptedDesktop desktop;
  test::FaultyFileSystem files;
  EditorState state;
};

// The merged catalogue replaces the old one through the first free temporary
// name; the temporary names of others stay as they are. Memory takes the
// merge.
TEST(SaveCatalogueTest, ReplacesTheCatalogueWithTheMergedOne) {
  Scene s;
  s.folder.Write("tarvo_param.vfd~0", "someone else's");
  s.folder.Write("tarvo_param.vfd~2", "someone else's");
  EXPECT_EQ(SaveCatalogue(s.state, s.desktop, s.files), 0);
  EXPECT_EQ(s.folder.Read(kCatalogue), FormatCatalogue(s.state.Catalogue));
  ASSERT_EQ(s.state.Catalogue.size(), 2u);
  EXPECT_EQ(s.state.Catalogue[0].ModelName, "B2");
  EXPECT_EQ(s.state.Catalogue[0].Capacity, (TextList{"0.4", "75"}));
  EXPECT_EQ(s.state.Buffer.EditModel.Capacity, (TextList{"0.4", "75"}));
  EXPECT_EQ(s.files.created, std::vector<std::string>{s.folder.File("tarvo_param.vfd~1")});
  EXPECT_EQ(s.folder.Read("tarvo_param.vfd~0"), "someone else's");
  EXPECT_EQ(s.Temporaries(), "02");
}

}  // namespace
}  // namespace pfedit
