#pragma once

// The editor's help file: found once at start-up beside the program.

#include <string>

#include "core/desktop.h"
#include "core/editor_state.h"

namespace pfedit {

// The help file's place below the program's folder.
std::string HelpFileBelow(const std::string& program_folder);

// Sets HelpFilePath; when no file is there it stays empty and `msg::kHelpFileMissing`
// is shown once.
void InitHelpPath(EditorState& state, Desktop& desktop, const std::string& program_folder);

// Opens the help file on its default topic; without one nothing happens.
void ShowHelp(const EditorState& state, Desktop& desktop);

}  // namespace pfedit
