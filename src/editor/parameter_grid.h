#pragma once

// The parameter grid's services, without a window: what each cell of a row
// is, how parameter records become rows, how rows are inserted, and the
// snapshot a paste is undone with. They change only the TableModel they are
// given and show nothing; the event rules (parameter_grid_events.h) add the
// messages, dirty flags and menu states around them.
//
// Rows show records this way (record fields of records.h):
//   1 Pr            ParamNo, less 2000 for a second parameter; 902 to 939
//                   are protected: locked and cyan
//   2 Name          ParamName (wraps)
//   3 Initial Value InitialValue / 10^Digit; empty for -1, 9999 and 8888 for
//                   the raw 65535 and 65520 when the special code allows them
//   4 Digit, 5 Unit, 7 Special code, 10 Attribute: list indexes
//   6 Setting Range SettingRange (wraps)
//   8 Functional code FunctionCode as four upper-case hex digits
//   9 Writing order WriteOrder
//   11 2Pr          ticked for a second parameter
//   12 to 20        DisplayCode, Aux1 to Aux8, locked
// Decimal numbers use the decimal mark given by the caller, the locale's in
// the program.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor_state.h"
#include "core/message_ids.h"
#include "core/records.h"
#include "core/table_model.h"
#include "editor/grid_layout.h"

namespace pfedit::editor {

constexpr Colour kProtectedColour{0, 255, 255};  // cyan
constexpr Colour kFaultColour{255, 0, 0};        // red

// The mark the grid's decimal numbers are typed and shown with: the
// locale's, or a point where the locale gives none.
constexpr char GridDecimalMark(char locale_mark) {
  return locale_mark != '\0' ? locale_mark : '.';
}

// Rows of Pr 902 to 939 can be neither renumbered, cut, copied, pasted over
// nor deleted: a Pr text, blanks around, that is a whole number in that range.
bool IsProtectedPr(std::string_view pr_text);

// The cell types of one row, registered with one grid so that rows can be
// set up without comparing types each time.
struct RowCellTypes {
  int ids[kGridColumns] = {};
};
RowCellTypes RegisterRowCellTypes(TableModel& grid, char decimal_mark);

// Gives the row its cell types and limits, white cells, and locks the hidden
// columns. Texts already in the row stay where the new types can hold them.
void SetupRowCells(TableModel& grid, int row, const RowCellTypes& types);

// Locks and colours the Pr cell when the row's Pr is protected.
void ProtectPrCell(TableModel& grid, int row);

// What the Initial Value and Functional code cells show for a record.
std::string InitialValueText(const ParameterRecord& record, char decimal_mark);
std::string FunctionCodeText(int64_t code);

// Records whose DisplayCode is neither 0 nor 256 are kept in the file but
// never shown.
bool IsShownInGrid(const ParameterRecord& record, char decimal_mark);

// Replaces the grid's rows with the first RecordCount records of
// ParameterList, skipping the records that are not shown. Returns, for each
// row, the index of the record it shows.
std::vector<std::size_t> LoadGrid(TableModel& grid, const EditBuffer& buffer, char decimal_mark);

// Inserts extra_count + 1 rows at the active row, each white and set up,
// leaves the last inserted row active and selected. Outside paste mode the
// rows get the values of a new parameter (Pr 0, initial value 0, writing
// order 10, ...); in paste mode the visible cells stay empty for the pasted
// text. Returns msg::kRowLimit, changing nothing, when the grid would pass
// kMaxGridRows.
Status InsertGridRows(TableModel& grid, const RowCellTypes& types, bool paste_mode,
                      int extra_count);

// Every cell of every row as text: list cells as their index, the 2Pr check
// box as 0 or 1.
class GridSnapshot {
 public:
  int RowCount() const { return static_cast<int>(cells_.size() / kGridColumns); }
  // Text of grid column `column` (1 to 20) of row `row`; empty outside.
  const std::string& Text(int column, int row) const;

 private:
  friend GridSnapshot TakeGridSnapshot(const TableModel& grid);
  std::vector<std::string> cells_;  // row by row, kGridColumns per row
};

GridSnapshot TakeGridSnapshot(const TableModel& grid);
// Writes the snapshot's cells back into its rows (rows beyond the grid are
// dropped), with drawing suspended.
void RestoreGridSnapshot(TableModel& grid, const GridSnapshot& snapshot);

}  // namespace pfedit::editor
