#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "core/paths.h"
#include "core/platform.h"
#include "core/text_services.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

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
  const std::string joined = std::string("/a/b") + PathSeparator() + "c.vfd";
  EXPECT_EQ(JoinPath("/a/b", "c.vfd"), joined);
  EXPECT_EQ(JoinPath("/a/b/", "c.vfd"), "/a/b/c.vfd");
  EXPECT_EQ(FolderPart("/a/b/c.vf_"), "/a/b");
  EXPECT_EQ(FolderPart("C:\\data\\x.vf_"), "C:\\data");
  EXPECT_EQ(FolderPart("x.vf_"), "");
}

#ifndef _WIN32
// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

#endif

TEST(DecimalSeparator, ComesFromTheUsersLocale) {
#ifdef _WIN32
  GTEST_SKIP() << "named POSIX locales only: Windows takes the separator from the user's "
                  "regional settings";
#else
  EXPECT_EQ(platform::DecimalSeparatorOfLocale("C"), '.');
  EXPECT_EQ(platform::DecimalSeparatorOfLocale("no_SUCH.locale"), '\0');
  {
    // A locale that is not installed behaves as the C locale.
    ScopedEnv all("LC_ALL", "no_SUCH.locale");
    EXPECT_EQ(platform::LocaleDecimalSeparator(), '.');
  }
  // A comma locale built into a private folder, so the test needs no system
  // configuration.
  TempFolder locales;
  const std::string build =
      "localedef -i de_DE -f UTF-8 -c '" + locales.File("de_DE.UTF-8") + "' >/dev/null 2>&1";
  if (std::system(build.c_str()) != 0 || !locales.Has("de_DE.UTF-8")) {
    GTEST_SKIP() << "localedef or the de_DE locale source is not available";
  }
  ScopedEnv path("LOCPATH", locales.path());
  ScopedEnv all("LC_ALL", "de_DE.UTF-8");
  EXPECT_EQ(platform::LocaleDecimalSeparator(), ',');
  std::string separator;
  EXPECT_EQ(GetDecimalSeparator(separator), 0);
  EXPECT_EQ(separator, ",");
  EXPECT_TRUE(IsNumericValue("1,5"));
  EXPECT_FALSE(IsNumericValue("1.5"));
  EXPECT_EQ(NormalizeDecimal("0.75"), "0,75");
#endif
}

}  // namespace
}  // namespace pfedit
