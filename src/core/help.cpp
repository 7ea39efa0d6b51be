#include "core/help.h"

#include <vector>

#include "core/message_ids.h"
#include "core/messages.h"
#include "core/paths.h"

namespace pfedit {

namespace {

constexpr std::string_view kPageExtension = ".htm";

std::string HelpFolderBelow(const std::string& program_folder) {
  return JoinPath(JoinPath(program_folder, "en"), "help");
}

bool FileExists(const std::string& path) {
  return !CheckPath(path, 0).empty() && CheckPath(path, kAttributeDirectory).empty();
}

void ReportUnopened(Desktop& desktop, const std::string& path) {
  ShowErrorText(desktop, JoinLines({GetMessageText(msg::kHelpFileMissing), path}));
}

}  // namespace

std::string HelpFileBelow(const std::string& program_folder) {
  return JoinPath(HelpFolderBelow(program_folder), "dorvien.chm");
}

std::string HelpPagesBelow(const std::string& program_folder) {
  return JoinPath(JoinPath(HelpFolderBelow(program_folder), "html"), "index.htm");
}

bool IsHelpPage(std::string_view path) {
  return path.size() >= kPageExtension.size() &&
         path.substr(path.size() - kPageExtension.size()) == kPageExtension;
}

void InitHelpPath(EditorState& state, Desktop& desktop, const std::string& program_folder,
                  HelpPlatform platform) {
  // Windows opens the compiled file in its own viewer, as it always has;
  // elsewhere nothing opens a compiled file on a fresh desktop, so the HTML
  // copy comes first.
  std::vector<std::string> candidates{HelpFileBelow(program_folder)};
  if (platform == HelpPlatform::kOther) {
    candidates.insert(candidates.begin(), HelpPagesBelow(program_folder));
  }
  state.HelpFilePath.clear();
  for (const std::string& candidate : candidates) {
    if (FileExists(candidate)) {
      state.HelpFilePath = candidate;
      return;
    }
  }
  ShowError(desktop, msg::kHelpFileMissing);
}

void ShowHelp(const EditorState& state, Desktop& desktop, std::string_view topic) {
  const std::string& help = state.HelpFilePath;
  if (help.empty()) return;
  if (!IsHelpPage(help)) {
    if (!desktop.OpenHelp(help)) ReportUnopened(desktop, help);
    return;
  }
  std::string page = help;
  if (!topic.empty()) {
    const std::string topic_page = JoinPath(FolderPart(help), topic);
    if (FileExists(topic_page)) page = topic_page;
  }
  if (desktop.OpenHelp(page) || desktop.ShowHelpPage(page)) return;
  ReportUnopened(desktop, page);
}

}  // namespace pfedit
