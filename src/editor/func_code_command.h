#pragma once

// Edit > Functional List Code: edits the functional list code of the active
// row of the parameter grid in its dialog.

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/table_model.h"

namespace pfedit::editor {

// What the command changes on the main window besides the grid.
class FuncCodeWindow {
 public:
  virtual ~FuncCodeWindow() = default;
  virtual void MenuSet(int state) = 0;
  // The Parameter Check button.
  virtual void SetCheckEnabled(bool enabled) = 0;
  // Forgets a passed parameter check, so that the list is checked again
  // before it is saved.
  virtual void ResetParameterCheck() = 0;
};

// Nothing happens without rows. After OK the row's code cell holds the new
// code and the list counts as changed, as after a user's edit, even when the
// code stayed the same; Cancel changes nothing.
void RunFuncCodeCommand(TableModel& grid, EditorState& state, Desktop& desktop,
                        FuncCodeWindow& window);

}  // namespace pfedit::editor
