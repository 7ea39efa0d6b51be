#include "editor/folder_command.h"

#include "core/messages.h"
#include "editor/catalogue_io.h"

namespace pfedit::editor {

namespace {

constexpr int kMenuStateEmpty = 0;
constexpr int kMenuStateCatalogue = 1;

void ClearAll(FolderWindow& window, int menu_state) {
  window.ClearWindow();
  window.SetMainCaption({}, 0);
  window.MenuSet(menu_state);
}

}  // namespace

void RunFolderCommand(EditorState& state, Desktop& desktop, FolderWindow& window,
                      const ProgramPlace& program, FolderLister& lister, FileSystem& files) {
  if (state.HasUnsavedData()) {
    if (!AskYesNo(desktop, msg::kDiscardEditing)) return;
    ClearAll(window, kMenuStateEmpty);
    state.ParametersDirty = false;
    state.ModelInfoDirty = false;
  }
  if (!ShowFolder(state, desktop, program, lister)) return;

  ClearAll(window, kMenuStateCatalogue);
  state.ParametersDirty = false;
  if (!ReadEditFolderCatalogue(state, desktop, files)) {
    window.SetFolderLabel(std::string());
    window.MenuSet(kMenuStateEmpty);
    return;
  }
  window.SetFolderLabel(state.EditFolder);
}

}  // namespace pfedit::editor
