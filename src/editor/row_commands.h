#pragma once

// The Edit menu's list commands on the parameter grid: Cut, Copy, Paste,
// Add Paste, Add and Del. Rows move through the system clipboard as plain
// text (core/clipboard_text.h). Rows of Pr 902 to 939 can be neither cut,
// copied, pasted over nor deleted; a command refused for them leaves the grid
// as it was.
//
// Every command changes the grid through the grid rules it is given
// (ParameterGridEvents), so each user command is one step of that path.

#include <vector>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/table_model.h"
#include "editor/parameter_grid_events.h"

namespace pfedit::editor {

// Which cells of a block were locked before a command unlocked them.
struct LockedCellMap {
  int first_column = 1;
  int first_row = 1;
  int columns = 0;
  int rows = 0;
  std::vector<bool> locked;  // row by row, `columns` per row
};

// Records the lock of every cell of the block in the map and, where it equals
// `value`, sets the cell's lock to the opposite.
void UnlockBlock(TableModel& grid, int first_column, int last_column, int first_row, int last_row,
                 bool value, LockedCellMap& map);
// Puts the lock back on every cell of the map whose recorded lock equals
// `value`.
void RelockBlock(TableModel& grid, bool value, const LockedCellMap& map);

class RowCommands {
 public:
  // All must outlive this object.
  RowCommands(TableModel& grid, ParameterGridEvents& events, EditorState& state, Desktop& desktop,
              GridWindow& window);

  void mnuEditCut_Click();
  void mnuEditCopy_Click();
  void mnuEditPaste_Click();
  void mnuEditAddPaste_Click();
  void mnuEditAdd_Click();
  void mnuEditDel_Click();

 private:
  // The source check of Cut and Copy; narrows whole rows to the visible
  // columns. False (after the message) when a protected Pr is in the way.
  bool MayTakeSelection(MessageId refusal);
  // The first protected Pr of rows first to last, 0 for none.
  int FirstProtectedRow(int first_row, int last_row) const;
  // Cut or copy of the selection, with drawing suspended.
  void TakeSelection(bool cut);
  void MarkChanged();
  // The selection with its rows inside the grid.
  CellBlock ClippedSelection() const;

  TableModel& grid_;
  ParameterGridEvents& events_;
  EditorState& state_;
  Desktop& desktop_;
  GridWindow& window_;
};

}  // namespace pfedit::editor
