#pragma once

// File > Folder: after consent drops what is being edited, lets the user pick
// an edit folder and reads its catalogue.

#include <string>
#include <string_view>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"
#include "editor/folder_lister.h"
#include "editor/frm_folder.h"

namespace pfedit::editor {

// What the command changes on the main window.
class FolderWindow {
 public:
  virtual ~FolderWindow() = default;
  // Empties the grid and the Pr box and disables the Parameter Check button.
  virtual void ClearWindow() = 0;
  virtual void SetMainCaption(std::string_view model_name, int capacity_class) = 0;
  virtual void MenuSet(int state) = 0;
  // The folder label (lblFilePass): caption and tool tip.
  virtual void SetFolderLabel(const std::string& folder) = 0;
};

// Unsaved data is dropped only after a Yes to message 1064; a cancelled
// dialog then leaves the window empty. A catalogue that fails to read shows
// message 1091 with the reason, keeps the previous catalogue and leaves
// nothing enabled but the folder command; one that reads leaves the window
// in menu state 1 with the folder on its label.
void RunFolderCommand(EditorState& state, Desktop& desktop, FolderWindow& window,
                      const ProgramPlace& program = ThisProgram(),
                      FolderLister& lister = RealFolderLister(),
                      FileSystem& files = RealFileSystem());

}  // namespace pfedit::editor
