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

constexpr const char* kCatalogue = "tarvo_param.vfd";
constexpr const char* kOldBytes = "[Model_1]\r\nthe old catalogue\r\n";

// A folder with an old catalogue and an editor state that has read a
// different one and edits its second model.
struct Scene {
  Scene() {
    const std::string text =
        test::Section("Model_1") + test::Section("Model_2", {{"ModelCode1", "0x02000000"}});
    state.Catalogue = ReadCatalogueText(text, '.').models;
    state.CatalogueFolder = folder.path();
    state.EditMode = kEditModeEdit;
    state.ListPosition = 1;
    state.Buffer.EditModel = state.Catalogue.at(1);
    state.Buffer.EditModel.ModelName = "B2";
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
// name; the temporary names of others stay as they are.
TEST(SaveCatalogueTest, ReplacesTheCatalogueWithTheMergedOne) {
  Scene s;
  s.folder.Write("tarvo_param.vfd~0", "someone else's");
  s.folder.Write("tarvo_param.vfd~2", "someone else's");
  EXPECT_EQ(SaveCatalogue(s.state, s.desktop, s.files), 0);
  EXPECT_EQ(s.folder.Read(kCatalogue), FormatCatalogue(s.state.Catalogue));
  EXPECT_EQ(s.state.Catalogue.at(0).ModelName, "B2");
  ASSERT_EQ(s.files.replaced.size(), 1u);
  EXPECT_EQ(s.files.replaced[0].first, s.folder.File("tarvo_param.vfd~1"));
  EXPECT_EQ(s.folder.Read("tarvo_param.vfd~0"), "someone else's");
  EXPECT_EQ(s.Temporaries(), "02");

  Scene fresh;  // the real file system, without an old catalogue
  fresh.files.Remove(fresh.folder.File(kCatalogue));
  EXPECT_EQ(SaveCatalogue(fresh.state, fresh.desktop), 0);
  EXPECT_EQ(fresh.folder.Read(kCatalogue), FormatCatalogue(fresh.state.Catalogue));
}

// A refusal comes before the merge and the write. A failure after them
// removes its partial temporary file, or, when the replacement fails, leaves
// the complete one that the message names. The old catalogue stays intact.
TEST(SaveCatalogueTest, FailuresKeepTheOldCatalogue) {
  struct Case {
    const char* what;
    void (*prepare)(Scene&);
    int message;  // -1: the text about the kept temporary file
    bool written;
    const char* temporaries = "";
  };
  const std::vector<Case> cases{
      {"ten temporary names taken",
       [](Scene& s) {
         for (char n = '0'; n <= '9'; ++n) s.folder.Write(kCatalogue + std::string("~") + n, "x");
       },
       1014, false, "0123456789"},
      // Tests may run as root, who can write anyway: the attribute decides.
      {"read-only catalogue", [](Scene& s) { chmod(s.folder.File(kCatalogue).c_str(), 0444); },
       1009, false},
      {"path over 255 bytes",
       [](Scene& s) { s.state.CatalogueFolder = s.folder.path() + "/" + std::string(255, 'd'); },
       1014, false},
      {"failing write", [](Scene& s) { s.files.write_limit = 100; }, 1014, true},
      {"failing rename", [](Scene& s) { s.files.fail_replace = true; }, -1, true, "0"},
  };
  for (const Case& c : cases) {
    Scene s;
    c.prepare(s);
    const ModelCatalogue before = s.state.Catalogue;
    const std::string temporary = s.folder.File("tarvo_param.vfd~0");
    if (c.message == -1) {
      s.desktop.ExpectText(GetMessageText(1010) + "\r\n" + temporary + "\r\n" +
                           GetMessageText(1011) + "\r\n" + GetMessageText(1012) + "\r\n" +
                           GetMessageText(1013));
    } else {
      s.desktop.ExpectMessage(c.message);
    }
    EXPECT_EQ(SaveCatalogue(s.state, s.desktop, s.files), -1) << c.what;
    EXPECT_EQ(s.folder.Read(kCatalogue), kOldBytes) << c.what;
    EXPECT_EQ(s.Temporaries(), c.temporaries) << c.what;
    EXPECT_EQ(s.files.written,
              c.written ? std::vector<std::string>{temporary} : std::vector<std::string>{})
        << c.what;
    EXPECT_TRUE(c.written || s.state.Catalogue == before) << c.what;
    if (c.message == -1) {
      EXPECT_EQ(s.folder.Read("tarvo_param.vfd~0"), FormatCatalogue(s.state.Catalogue));
    }
  }
}

}  // namespace
}  // namespace pfedit
