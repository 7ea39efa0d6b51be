#pragma once

// The editor's help: found once at start-up beside the program, opened by
// Help > Contents and the dialogs' Help buttons.
//
// Two forms of the same pages are installed: the compiled help file, which
// Windows opens in its help viewer, and an HTML copy (index.htm and its
// pages), which any desktop can show. On Windows the editor uses the
// compiled file; elsewhere it uses the HTML copy, in the desktop's browser or,
// when no browser opens, in the editor's own page viewer, and falls back to
// the compiled file only when the copy is missing.

#include <string>
#include <string_view>

#include "core/desktop.h"
#include "core/editor_state.h"

namespace pfedit {

enum class HelpPlatform { kWindows, kOther };

#ifdef _WIN32
constexpr HelpPlatform kHelpPlatform = HelpPlatform::kWindows;
#else
constexpr HelpPlatform kHelpPlatform = HelpPlatform::kOther;
#endif

// The compiled help file's place below the program's folder.
std::string HelpFileBelow(const std::string& program_folder);
// The first page of the HTML copy, below the program's folder.
std::string HelpPagesBelow(const std::string& program_folder);

// Whether the help path names a page of the HTML copy (not the compiled file).
bool IsHelpPage(std::string_view path);

// Sets HelpFilePath to the help this platform opens. When none of its forms
// is there it stays empty and `msg::kHelpFileMissing` is shown once.
void InitHelpPath(EditorState& state, Desktop& desktop, const std::string& program_folder,
                  HelpPlatform platform = kHelpPlatform);

// The pages a window's Help button opens; empty for the contents.
namespace help_topic {
constexpr std::string_view kContents;
constexpr std::string_view kFuncCode = "func_code.htm";
constexpr std::string_view kModelInfo = "model_info.htm";
}  // namespace help_topic

// Opens the help: the compiled file on its default topic, or the page
// `topic` of the HTML copy (its first page when there is no such page), in
// the desktop's viewer and else in the editor's own. Without a help file
// nothing happens (start-up has said so); a help file that nothing could
// open (the desktop's viewers report a file that has gone as such) is
// reported in a box, so Help is never silent.
void ShowHelp(const EditorState& state, Desktop& desktop,
              std::string_view topic = help_topic::kContents);

}  // namespace pfedit
