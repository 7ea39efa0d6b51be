#include "editor/row_commands.h"

#include <algorithm>
#include <string>

#include "core/clipboard_text.h"
#include "core/message_ids.h"
#include "editor/grid_layout.h"
#include "editor/parameter_grid.h"

namespace pfedit::editor {

namespace {

constexpr int kMenuStateCut = 6;
constexpr int kMenuStateCopied = 7;
constexpr int kMenuStateChanged = 9;

}  // namespace

void UnlockBlock(TableModel& grid, int first_column, int last_column, int first_row, int last_row,
                 bool value, LockedCellMap& map) {
  map.first_column = first_column;
  map.first_row = first_row;
  map.columns = std::max(last_column - first_column + 1, 0);
  map.rows = std::max(last_row - first_row + 1, 0);
  map.locked.assign(static_cast<std::size_t>(map.columns) * static_cast<std::size_t>(map.rows),
                    false);
  std::size_t index = 0;
  for (int row = first_row; row <= last_row; ++row) {
    for (int column = first_column; column <= last_column; ++column, ++index) {
      const bool locked = grid.Locked(column, row);
      map.locked[index] = locked;
      if (locked == value) grid.SetLocked(column, row, !value);
    }
  }
}

void RelockBlock(TableModel& grid, bool value, const LockedCellMap& map) {
  for (int c = 0; c < map.columns; ++c) {
    for (int r = 0; r < map.rows; ++r) {
      const bool locked = map.locked[static_cast<std::size_t>(r) * map.columns + c];
      if (locked == value) grid.SetLocked(map.first_column + c, map.first_row + r, locked);
    }
  }
}

RowCommands::RowCommands(TableModel& grid, ParameterGridEvents& events, EditorState& state,
                         Desktop& desktop, GridWindow& window)
    : grid_(grid), events_(events), state_(state), desktop_(desktop), window_(window) {}

CellBlock RowCommands::ClippedSelection() const {
  CellBlock block = grid_.Selection();
  block.first_row = std::max(block.first_row, 1);
  block.last_row = std::min(block.last_row, grid_.RowCount());
  return block;
}

int RowCommands::FirstProtectedRow(int first_row, int last_row) const {
  for (int row = std::max(first_row, 1); row <= std::min(last_row, grid_.RowCount()); ++row) {
    if (IsProtectedPr(grid_.Text(kColPr, row))) return row;
  }
  return 0;
}

bool RowCommands::MayTakeSelection(MessageId refusal) {
  CellBlock block = ClippedSelection();
  const bool single_cell =
      block.first_row == block.last_row && block.first_column == block.last_column;
  const bool holds_pr = block.first_column <= kColPr && block.last_column >= kColPr;
  if (block.WholeRows() || (!single_cell && holds_pr)) {
    if (FirstProtectedRow(block.first_row, block.last_row) != 0) {
      ShowError(desktop_, refusal);
      return false;
    }
  } else if (single_cell && block.first_column == kColPr &&
             IsProtectedPr(grid_.Text(kColPr, block.first_row))) {
    ShowError(desktop_, refusal);
    return false;
  }
  if (block.WholeRows()) {
    // The hidden columns stay out of the clipboard.
    block.first_column = kColPr;
    block.last_column = kLastVisibleColumn;
    grid_.SetSelection(block);
    window_.MenuSet(kMenuStateCopied);
  } else {
    window_.MenuSet(kMenuStateCut);
  }
  return true;
}

void RowCommands::TakeSelection(bool cut) {
  if (grid_.RowCount() < 1) return;
  window_.SetCheckEnabled(true);
  if (!MayTakeSelection(cut ? msg::kProtectedNoCut : msg::kProtectedNoCopy)) return;
  const CellBlock block = ClippedSelection();
  grid_.SuspendDrawing();
  LockedCellMap map;
  UnlockBlock(grid_, block.first_column, block.last_column, block.first_row, block.last_row, true,
              map);
  if (cut) {
    desktop_.SetClipboardText(grid_.CutSelection());
    // Emptied names and setting ranges need fewer lines.
    for (int row = block.first_row; row <= block.last_row; ++row) grid_.FitRowHeight(row);
  } else {
    desktop_.SetClipboardText(grid_.CopySelection());
  }
  RelockBlock(grid_, true, map);
  grid_.ClearSelection();
  grid_.ResumeDrawing();
  state_.ParametersDirty = true;
  events_.ParameterCheckDone = false;
  if (cut) window_.MenuSet(kMenuStateChanged);
}

void RowCommands::mnuEditCut_Click() {
  TakeSelection(true);
}

void RowCommands::mnuEditCopy_Click() {
  TakeSelection(false);
}

void RowCommands::MarkChanged() {
  state_.ParametersDirty = true;
  events_.ParameterCheckDone = false;
  window_.MenuSet(kMenuStateChanged);
}

void RowCommands::mnuEditPaste_Click() {
  if (grid_.RowCount() < 1) return;
  window_.SetCheckEnabled(true);
  const std::string text = desktop_.ClipboardText();
  if (text.empty()) return;
  const ClipboardExtent extent = MeasureClipboardText(text);
  const CellBlock block = grid_.Selection();
  grid_.SetSelection(block);

  int protected_row = 0;
  if (block.WholeRows()) {
    protected_row = FirstProtectedRow(block.first_row, block.last_row);
  } else if (block.first_column == kColPr) {
    // Rows beyond the grid hold no Pr; the count is capped before the sum.
    const int rows = static_cast<int>(
        std::min<std::size_t>(extent.rows, static_cast<std::size_t>(grid_.RowCount())));
    protected_row = FirstProtectedRow(block.first_row, block.first_row + rows - 1);
  }
  if (protected_row != 0) {
    ShowError(desktop_, msg::kProtectedNoPaste);
    return;
  }

  events_.PrChangeRefused = false;
  events_.Snapshot = TakeGridSnapshot(grid_);
  // Every pasted cell is refitted and redrawn once, at the end.
  grid_.SuspendDrawing();
  events_.PasteInProgress = true;
  grid_.PasteAtSelection(text);
  events_.PasteInProgress = false;
  if (events_.PrChangeRefused) RestoreGridSnapshot(grid_, events_.Snapshot);
  grid_.ResumeDrawing();
  events_.Snapshot = GridSnapshot();
  MarkChanged();
}

void RowCommands::mnuEditAddPaste_Click() {
  window_.SetCheckEnabled(true);
  const std::string text = desktop_.ClipboardText();
  if (text.empty()) return;
  const ClipboardExtent extent = MeasureClipboardText(text);
  // A count beyond any grid is refused by the row limit like any other.
  const int rows = static_cast<int>(
      std::min<std::size_t>(extent.rows, static_cast<std::size_t>(kMaxGridRows) + 1));
  grid_.SuspendDrawing();
  if (!events_.InsertRows(true, rows - 1)) {
    grid_.ResumeDrawing();
    return;
  }
  events_.PrChangeRefused = false;
  const int first = grid_.Selection().first_row;
  grid_.SetSelection({kColPr, kLastVisibleColumn, first, first + rows - 1});
  grid_.PasteAtSelection(text);
  if (events_.PrChangeRefused) {
    grid_.DeleteRows(first, rows);
    grid_.SetRowCount(grid_.RowCount() - rows);
  }
  grid_.ResumeDrawing();
}

void RowCommands::mnuEditAdd_Click() {
  window_.SetCheckEnabled(true);
  events_.InsertRows(false, 0);
}

void RowCommands::mnuEditDel_Click() {
  if (grid_.RowCount() < 1) return;
  window_.SetCheckEnabled(true);
  const CellBlock block = ClippedSelection();
  if (block.first_row > block.last_row) return;
  if (FirstProtectedRow(block.first_row, block.last_row) != 0) {
    ShowError(desktop_, msg::kProtectedNoDelete);
    return;
  }
  grid_.SuspendDrawing();
  const int count = block.last_row - block.first_row + 1;
  grid_.DeleteRows(block.first_row, count);
  grid_.SetRowCount(grid_.RowCount() - count);
  if (grid_.RowCount() > 0) {
    window_.SetPrText(std::string(grid_.Text(kColPr, grid_.ActiveRow())));
  } else {
    window_.SetPrText(std::string());
    window_.SetCheckEnabled(false);
  }
  grid_.ResumeDrawing();
  MarkChanged();
}

}  // namespace pfedit::editor
