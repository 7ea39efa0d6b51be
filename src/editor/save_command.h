#pragma once

// File > Save: writes the model being edited back into the edit folder, its
// parameter list into its parameter file and its entry into the catalogue,
// or, after Model > Delete, only the catalogue without the deleted entry.
//
// Order: the parameter check; for an imported model, whether it is new or
// replaces a catalogue entry; the list position dialog and the overwrite
// questions; then, before any file is written, whatever would stop the
// catalogue from being saved (so that a doomed save changes no file) and a
// question for every file that someone else changed since it was read; the
// parameter file; the catalogue. Both files are replaced through complete
// temporary files, so a failure never leaves a partial or missing file. Every
// outcome is told in a box; the command leaves the editor state as follows:
//   - check fault, cancelled dialog, No, refused new model (1033, or 1065 for
//     a 257th entry), or the read-only message of a new model: nothing
//     changes;
//   - a failure after the dialogs: EditMode returns to its value at the start;
//   - a failed catalogue after a written parameter file: also the catalogue
//     in memory is as before, the list counts as saved, the model
//     information does not, and the menus enter state 9;
//   - success: EditMode 2 (a deleted model: unchanged), nothing dirty, not
//     imported, Save disabled until the next change.

#include <string>
#include <string_view>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"

namespace pfedit::editor {

// What the command uses and changes on the main window.
class SaveWindow {
 public:
  virtual ~SaveWindow() = default;
  // The rows of the parameter grid.
  virtual int ParameterRowCount() = 0;
  // The Parameter Check button: reports the first fault or rebuilds
  // ParameterList; true when the list passed.
  virtual bool RunParameterCheck() = 0;
  virtual void MenuSet(int state) = 0;
  virtual void SetMainCaption(std::string_view model_name, int capacity_class) = 0;
  // File > Save stays disabled until the next change.
  virtual void DisableSave() = 0;
};

// The parameter file of the model being edited, in the edit folder.
std::string EditParameterFilePath(const EditorState& state);

// What a save did; anything but kStopped reached the catalogue file.
enum class SaveOutcome {
  kStopped,
  kSavedNew,      // a new model, also one that joined its other capacity class
  kSavedEdit,     // an edited model, also an import that replaced an entry
  kSavedDeletion  // the catalogue without a deleted model
};

// File > Save.
SaveOutcome RunSaveCommand(EditorState& state, Desktop& desktop, SaveWindow& window,
                           FileSystem& files = RealFileSystem());

}  // namespace pfedit::editor
