#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/help.h"
#include "core/paths.h"
#include "core/platform.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

using test::ScriptedDesktop;
using test::TempFolder;

TEST(CheckPath, ReportsExistenceAndAttributeMatches) {
  TempFolder folder;
  const std::string file = folder.Write("plain.vfd", "x");
  const std::string locked = folder.Write("locked.vfd", "x");
  ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
  const struct {
    std::string path;
    int mask;
    bool found;
  } cases[] = {
      {"   ", 0, false},
      {"", 0, false},
      {folder.path(), 0, true},
      {folder.path(), kAttributeDirectory, true},
      {file, 0, true},
      {file, kAttributeDirectory, false},
      {file, kAttributeNormal, false},  // a plain file's attribute never matches
      {locked, kAttributeReadOnly, true},
      {file, kAttributeReadOnly, false},
      {folder.File("missing.vfd"), 0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckPath(c.path, c.mask), c.found ? c.path : std::string())
        << c.path << " mask " << c.mask;
  }
}

TEST(FolderOfPathExists, LooksAtTheFolderPartOnly) {
  TempFolder folder;
  folder.Write("x.vf_", "");
  const struct {
    std::string path;
    bool exists;
  } cases[] = {
      {folder.File("not-yet-written.vf_"), true},
      {folder.path() + "\\not-yet-written.vf_", true},  // backslashes are separators too
      {folder.File("missing/x.vf_"), false},
      {folder.File("x.vf_"), true},
      {"no-such-bare-name.vf_", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderOfPathExists(c.path), c.exists) << c.path;
}

TEST(PathText, JoinsAndSplitsAtEitherSeparator) {
  EXPECT_EQ(JoinPath("/a/b", "c.vfd"), "/a/b/c.vfd");
  EXPECT_EQ(JoinPath("/a/b/", "c.vfd"), "/a/b/c.vfd");
  EXPECT_EQ(FolderPart("/a/b/c.vf_"), "/a/b");
  EXPECT_EQ(FolderPart("C:\\data\\x.vf_"), "C:\\data");
  EXPECT_EQ(FolderPart("x.vf_"), "");
}

TEST(DecimalSeparator, ComesFromTheNamedLocale) {
  EXPECT_EQ(platform::DecimalSeparatorOfLocale("C"), '.');
  EXPECT_EQ(platform::DecimalSeparatorOfLocale("no_SUCH.locale"), '\0');
  const char comma = platform::DecimalSeparatorOfLocale("de_DE.UTF-8");
  if (comma == '\0') GTEST_SKIP() << "de_DE.UTF-8 is not installed here";
  EXPECT_EQ(comma, ',');
}

TEST(HelpFile, MissingFileIsReportedOnceAndHelpStaysInert) {
  TempFolder folder;
  EditorState state;
  ScriptedDesktop desktop;
  desktop.ExpectMessage(1086);
  InitHelpPath(state, desktop, folder.path());
  EXPECT_EQ(state.HelpFilePath, "");
  ShowHelp(state, desktop);
  EXPECT_TRUE(desktop.help_opened.empty());
}

TEST(HelpFile, PresentFileIsOpenedByShowHelp) {
  TempFolder folder;
  const std::string help = HelpFileBelow(folder.path());
  ASSERT_EQ(help, folder.path() + "/en/help/dorvien.chm");
  std::filesystem::create_directories(FolderPart(help));
  folder.Write("en/help/dorvien.chm", "chm");
  EditorState state;
  ScriptedDesktop desktop;
  InitHelpPath(state, desktop, folder.path());
  EXPECT_EQ(state.HelpFilePath, help);
  ShowHelp(state, desktop);
  EXPECT_EQ(desktop.help_opened, std::vector<std::string>{help});
}

}  // namespace
}  // namespace pfedit
