// The help as built: every file the help project lists is there, every page
// is in the project and reachable from the contents page, and every link and
// image of every page resolves inside the HTML copy.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = PFEDIT_HELP_SOURCE_DIR;
const fs::path kCopy = PFEDIT_HELP_HTML_DIR;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::set<std::string> Matches(const std::string& text, const std::regex& pattern) {
  std::set<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
       it != std::sregex_iterator(); ++it) {
    found.insert((*it)[1]);
  }
  return found;
}

// The [FILES] section of the help project, with '\' read as '/'.
std::set<std::string> ProjectFiles() {
  std::istringstream project(Read(kSource / "dorvien.hhp"));
  std::set<std::string> files;
  bool in_files = false;
  for (std::string line; std::getline(project, line);) {
    line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    if (!line.empty() && line.front() == '[') {
      in_files = line == "[FILES]";
    } else if (in_files && !line.empty()) {
      std::replace(line.begin(), line.end(), '\\', '/');
      files.insert(line);
    }
  }
  return files;
}

TEST(HelpPagesTest, ProjectContentsIndexAndLinksAgreeWithThePages) {
  const std::set<std::string> listed = ProjectFiles();
  ASSERT_TRUE(listed.count("index.htm"));
  for (const std::string& file : listed) EXPECT_TRUE(fs::is_regular_file(kCopy / file)) << file;

  const std::regex local(R"re(name="Local" value="([^"]*)")re");
  for (const char* map : {"dorvien.hhc", "dorvien.hhk"}) {
    for (const std::string& target : Matches(Read(kSource / map), local)) {
      EXPECT_TRUE(listed.count(target)) << map << " names " << target;
    }
  }

  const std::regex link(R"re((?:href|src)="([^"#]*)[^"]*")re");
  const std::set<std::string> from_contents = Matches(Read(kCopy / "index.htm"), link);
  int pages = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(kCopy)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".htm") continue;
    ++pages;
    EXPECT_TRUE(listed.count(name)) << name << " is not in the help project";
    EXPECT_TRUE(name == "index.htm" || from_contents.count(name)) << name << " not in the contents";
    const std::string text = Read(entry.path());
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c > 0; }))
        << name << " holds bytes outside ASCII; write them as entities";
    for (const std::string& target : Matches(text, link)) {
      if (target.empty() || target.rfind("http", 0) == 0) continue;
      EXPECT_TRUE(fs::is_regular_file(kCopy / target)) << name << " links to " << target;
    }
  }
  EXPECT_GT(pages, 1);
}

}  // namespace
