#include "core/help.h"

#include "core/message_ids.h"
#include "core/paths.h"

namespace pfedit {

std::string HelpFileBelow(const std::string& program_folder) {
  return JoinPath(JoinPath(JoinPath(program_folder, "en"), "help"), "dorvien.chm");
}

void InitHelpPath(EditorState& state, Desktop& desktop, const std::string& program_folder) {
  state.HelpFilePath = HelpFileBelow(program_folder);
  if (CheckPath(state.HelpFilePath, 0).empty()) {
    state.HelpFilePath.clear();
    ShowError(desktop, msg::kHelpFileMissing);
  }
}

void ShowHelp(const EditorState& state, Desktop& desktop) {
  if (!state.HelpFilePath.empty()) desktop.OpenHelp(state.HelpFilePath);
}

}  // namespace pfedit
