#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/help.h"
#include "core/message_ids.h"
#include "core/messages.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

using test::ScriptedDesktop;
using test::TempFolder;

enum class Found { kNone, kCompiled, kPages };

// A program folder holding the compiled file, the HTML copy, both or neither.
struct ProgramFolder {
  ProgramFolder(bool compiled, bool pages) {
    std::filesystem::create_directories(folder.File("en/help/html"));
    if (compiled) folder.Write("en/help/dorvien.chm", "ITSF");
    if (pages) {
      folder.Write("en/help/html/index.htm", "<html></html>");
      folder.Write("en/help/html/model_info.htm", "<html></html>");
    }
  }
  std::string Path(Found found) const {
    switch (found) {
      case Found::kCompiled:
        return HelpFileBelow(folder.path());
      case Found::kPages:
        return HelpPagesBelow(folder.path());
      case Found::kNone:
        break;
    }
    return {};
  }
  TempFolder folder;
};

TEST(HelpTest, StartUpChoosesThePlatformsFormAndReportsOnlyWhenNoneIsThere) {
  const struct {
    HelpPlatform platform;
    bool compiled;
    bool pages;
    Found chosen;
  } cases[] = {
      {HelpPlatform::kWindows, true, true, Found::kCompiled},
      {HelpPlatform::kWindows, false, true, Found::kNone},  // Windows keeps to its help file
      {HelpPlatform::kWindows, false, false, Found::kNone},
      {HelpPlatform::kOther, true, true, Found::kPages},
      {HelpPlatform::kOther, false, true, Found::kPages},
      {HelpPlatform::kOther, true, false, Found::kCompiled},
      {HelpPlatform::kOther, false, false, Found::kNone},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "windows " << (c.platform == HelpPlatform::kWindows)
                                    << " compiled " << c.compiled << " pages " << c.pages);
    const ProgramFolder program(c.compiled, c.pages);
    EditorState state;
    state.HelpFilePath = "left over";
    ScriptedDesktop desktop;
    if (c.chosen == Found::kNone) desktop.ExpectMessage(msg::kHelpFileMissing);
    InitHelpPath(state, desktop, program.folder.path(), c.platform);
    EXPECT_EQ(state.HelpFilePath, program.Path(c.chosen));
  }
}

TEST(HelpTest, HelpTriesTheDesktopsViewerThenItsOwnAndElseSaysSo) {
  const ProgramFolder program(true, true);
  const std::string chm = program.Path(Found::kCompiled);
  const std::string index = program.Path(Found::kPages);
  const std::string topic_page = program.folder.File("en/help/html/model_info.htm");
  const struct {
    std::string help;
    std::string_view topic;
    bool opens;
    bool viewer_shows;
    std::vector<std::string> opened;
    std::vector<std::string> shown;
    bool reported;
  } cases[] = {
      {chm, help_topic::kContents, true, true, {chm}, {}, false},
      {chm, help_topic::kModelInfo, true, true, {chm}, {}, false},  // default topic only
      {chm, help_topic::kContents, false, true, {chm}, {}, true},   // no own viewer for it
      {index, help_topic::kContents, true, true, {index}, {}, false},
      {index, help_topic::kModelInfo, true, true, {topic_page}, {}, false},
      {index, help_topic::kFuncCode, true, true, {index}, {}, false},  // page missing: contents
      {index, help_topic::kModelInfo, false, true, {topic_page}, {topic_page}, false},
      {index, help_topic::kContents, false, false, {index}, {index}, true},
      {"", help_topic::kContents, false, false, {}, {}, false},  // reported at start-up
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.help << " topic " << c.topic << " opens " << c.opens
                                    << " viewer " << c.viewer_shows);
    EditorState state;
    state.HelpFilePath = c.help;
    ScriptedDesktop desktop;
    desktop.help_opens = c.opens;
    desktop.help_viewer_shows = c.viewer_shows;
    const std::string last = c.shown.empty() ? c.help : c.shown.back();
    if (c.reported) desktop.ExpectText(GetMessageText(msg::kHelpFileMissing) + "\r\n" + last);
    ShowHelp(state, desktop, c.topic);
    EXPECT_EQ(desktop.help_opened, c.opened);
    EXPECT_EQ(desktop.help_pages_shown, c.shown);
  }
}

}  // namespace
}  // namespace pfedit
