#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_text.h"
#include "catalogue/catalogue_writer.h"
#include "core/messages.h"
#include "faulty_file_system.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

constexpr const char* kOldBytes = "[Model_1]\r\nthe old catalogue\r\n";

// A folder with an old catalogue and an editor state that has read a
// different one and edits a model of it.
struct Scene {
  Scene() {
    const CatalogueReadResult read = ReadCatalogueText(
        test::Section("Model_1") +
            test::Section("Model_2", {{"ModelName", "B"}, {"ModelCode1", "0x02000000"}}),
        '.');
    state.Catalogue = read.models;
    state.CatalogueFolder = folder.path();
    state.EditMode = kEditModeEdit;
    state.ListPosition = 1;
    state.Buffer.EditModel = read.models.at(1);
    state.Buffer.EditModel.ModelName = "B2";
    folder.Write("tarvo_param.vfd", kOldBytes);
  }

  std::string Catalogue() const { return folder.Read("tarvo_param.vfd"); }

  // The temporary names present in the folder.
  std::vector<std::string> Temporaries() const {
    std::vector<std::string> names;
    for (int n = 0; n <= 10; ++n) {
      const std::string name = "tarvo_param.vfd~" + std::to_string(n);
      if (folder.Has(name)) names.push_back(name);
    }
    return names;
  }

  test::TempFolder folder;
  test::ScriptedDesktop desktop;
  test::FaultyFileSystem files;
  EditorState state;
};

TEST(SaveCatalogueTest, ReplacesTheCatalogueWithTheMergedOne) {
  Scene s;
  EXPECT_EQ(SaveCatalogue(s.state, s.desktop, s.files), 0);
  EXPECT_EQ(s.Catalogue(), FormatCatalogue(s.state.Catalogue));
  const CatalogueReadResult back = ReadCatalogueText(s.Catalogue(), '.');
  ASSERT_EQ(back.models.size(), 2u);
  EXPECT_EQ(back.models[0].ModelName, "B2");
  EXPECT_TRUE(s.Temporaries().empty());
}

TEST(SaveCatalogueTest, CreatesAMissingCatalogue) {
  Scene s;
  s.files.Remove(s.folder.File("tarvo_param.vfd"));
  EXPECT_EQ(SaveCatalogue(s.state, s.desktop), 0);
  EXPECT_EQ(s.Catalogue(), FormatCatalogue(s.state.Catalogue));
}

TEST(SaveCatalogueTest, TakesTheFirstFreeTemporaryName) {
  Scene s;
  s.folder.Write("tarvo_param.vfd~0", "someone else's");
  s.folder.Write("tarvo_param.vfd~2", "someone else's");
  EXPECT_EQ(SaveCatalogue(s.state, s.desktop, s.files), 0);
  ASSERT_EQ(s.files.replaced.size(), 1u);
  EXPECT_EQ(s.files.replaced[0].first, s.folder.File("tarvo_param.vfd~1"));
  EXPECT_EQ(s.folder.Read("tarvo_param.vfd~0"), "someone else's");
  EXPECT_EQ(s.Temporaries(), (std::vector<std::string>{"tarvo_param.vfd~0", "tarvo_param.vfd~2"}));
}

// Each refusal comes before the merge and the write: every file stays as it
// was and nothing is written.
TEST(SaveCatalogueTest, RefusalsBeforeWriting) {
  struct Case {
    const char* what;
    void (*prepare)(Scene&);
    int message;
  };
  const std::vector<Case> cases{
      {"ten temporary names taken",
       [](Scene& s) {
         for (int n = 0; n < 10; ++n) s.folder.Write("tarvo_param.vfd~" + std::to_string(n), "x");
       },
       1014},
      // Tests may run as root, who can write anyway: the attribute decides.
      {"read-only catalogue",
       [](Scene& s) { chmod(s.folder.File("tarvo_param.vfd").c_str(), 0444); }, 1009},
      {"path over 255 bytes",
       [](Scene& s) { s.state.CatalogueFolder = s.folder.path() + "/" + std::string(255, 'd'); },
       1014},
  };
  for (const Case& c : cases) {
    Scene s;
    c.prepare(s);
    const std::vector<std::string> temporaries = s.Temporaries();
    const ModelCatalogue before = s.state.Catalogue;
    s.desktop.ExpectMessage(c.message);
    EXPECT_EQ(SaveCatalogue(s.state, s.desktop, s.files), -1) << c.what;
    EXPECT_TRUE(s.files.written.empty()) << c.what;
    EXPECT_EQ(s.state.Catalogue, before) << c.what;
    EXPECT_EQ(s.Catalogue(), kOldBytes) << c.what;
    EXPECT_EQ(s.Temporaries(), temporaries) << c.what;
  }
}

TEST(SaveCatalogueTest, FailedReplacementKeepsBothFilesAndNamesTheTemporary) {
  Scene s;
  s.files.fail_replace = true;
  const std::string temporary = s.folder.File("tarvo_param.vfd~0");
  s.desktop.ExpectText(GetMessageText(1010) + "\r\n" + temporary + "\r\n" + GetMessageText(1011) +
                       "\r\n" + GetMessageText(1012) + "\r\n" + GetMessageText(1013));
  EXPECT_EQ(SaveCatalogue(s.state, s.desktop, s.files), -1);
  EXPECT_EQ(s.Catalogue(), kOldBytes);
  EXPECT_EQ(s.folder.Read("tarvo_param.vfd~0"), FormatCatalogue(s.state.Catalogue));
}

TEST(SaveCatalogueTest, FailedWriteRemovesThePartialTemporary) {
  Scene s;
  s.files.write_limit = 100;
  s.desktop.ExpectMessage(1014);
  EXPECT_EQ(SaveCatalogue(s.state, s.desktop, s.files), -1);
  ASSERT_EQ(s.files.written.size(), 1u);
  EXPECT_EQ(s.files.written[0], s.folder.File("tarvo_param.vfd~0"));
  EXPECT_TRUE(s.files.replaced.empty());
  EXPECT_EQ(s.Catalogue(), kOldBytes);
  EXPECT_TRUE(s.Temporaries().empty());
}

}  // namespace
}  // namespace pfedit
