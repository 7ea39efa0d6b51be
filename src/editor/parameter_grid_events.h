#pragma once

// The main window's rules for its parameter grid: what happens when the user
// edits, types, moves, right-clicks or hovers in the grid, the Pr jump box,
// the row insertion with its limit, and the Parameter Check button.
//
// State: the window fields these rules share with the row commands
// (PrTextBeforeEdit, PrChangeRefused, PasteInProgress, ParameterCheckDone,
// the GridSnapshot of a paste). Inputs: the grid's events (as its
// TableObserver) and the calls below. Outputs: the grid itself, the editor
// state's ParametersDirty and ParameterList, message boxes and the clipboard
// through the Desktop, and the few window controls through GridWindow.

#include <cstdint>
#include <string>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/table_model.h"
#include "editor/parameter_check.h"
#include "editor/parameter_grid.h"

namespace pfedit::editor {

// What the grid rules change on the window outside the grid.
class GridWindow {
 public:
  virtual ~GridWindow() = default;
  virtual void MenuSet(int state) = 0;
  // The Parameter Check button.
  virtual void SetCheckEnabled(bool enabled) = 0;
  // The Pr jump box.
  virtual void SetPrText(const std::string& text) = 0;
  // Opens the Edit menu as a pop-up at screen position x, y (its opening
  // rule for Paste and Add Paste runs first, as for the menu bar).
  virtual void OpenEditMenuAt(int x, int y) = 0;
};

class ParameterGridEvents : public TableObserver {
 public:
  // The grid, state, desktop and window must outlive this object. The
  // decimal mark is the one the grid's numbers are typed and shown with.
  ParameterGridEvents(TableModel& grid, EditorState& state, Desktop& desktop, GridWindow& window,
                      char decimal_mark);

  // ---- The grid's events.
  // Editing a Pr cell remembers its text, so that a refused change can put
  // it back.
  void OnEditStart(int column, int row) override;
  // A changed Pr is refused (messages 1030, 1060) when it leaves or enters
  // 902 to 939; a functional code is written as four upper-case hex digits;
  // any accepted change marks the list as changed.
  void OnChange(int column, int row) override;
  // Escape empties the clipboard.
  void OnKeyDown(int16_t& key, bool ctrl) override;
  // Enter in Name, Initial Value and Setting Range ends editing in place.
  void OnKeyPress(int16_t& key) override;
  // The Pr box follows the active row.
  void OnLeaveCell(int column, int row, int new_column, int new_row) override;
  void OnRightClick(int column, int row, int x, int y) override;
  // Special code, Writing order and Attribute explain their values.
  std::string OnToolTip(int column, int row) override;

  // ---- The Pr jump box. Every key goes through here; Enter is swallowed and
  // jumps to the first row showing the typed number, `text` being the box's
  // text.
  void txtPr_KeyPress(int16_t& key, const std::string& text);

  // ---- Commands.
  // Inserts extra_count + 1 rows at the active row (see InsertGridRows);
  // beyond the row limit shows message 1036 and returns false.
  bool InsertRows(bool paste_mode, int extra_count);
  // The Parameter Check button, also run by Save and Export. Reports the
  // first fault (and makes its cell active) or message 1063; a passing check
  // rebuilds ParameterList. Returns ParameterCheckDone.
  bool CmdEnd_Click();

  // ---- Window fields shared with the row commands.
  // The Pr text when its editing began; empty outside a Pr edit.
  std::string PrTextBeforeEdit;
  // Set when a Pr change was refused and put back; the paste commands undo
  // their paste on it.
  bool PrChangeRefused = false;
  // Set by Paste while it writes cells: a Pr pasted over a protected one is
  // refused with message 1060.
  bool PasteInProgress = false;
  // True after a check that found nothing; any change clears it.
  bool ParameterCheckDone = false;
  // Taken by Paste before it writes, restored when the paste is refused.
  GridSnapshot Snapshot;

 private:
  // The Pr rules of a change; false when the change was refused and undone.
  bool AcceptPrChange(int row);
  void RefusePrChange(int row, MessageId message, const std::string& restore);
  void JumpToPr(const std::string& text);

  TableModel& grid_;
  EditorState& state_;
  Desktop& desktop_;
  GridWindow& window_;
  const char decimal_mark_;
  RowCellTypes types_;
};

}  // namespace pfedit::editor
