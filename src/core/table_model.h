#pragma once

// The spreadsheet grid behind every list of the editor, without a screen.
// Forms drive it with the operations below and hear the user through a
// TableObserver; a view draws it and hears of changes through
// TableViewListener. Cells are addressed (column, row); both count from 1 for
// data. Column 0 holds the row headers and row 0 the column headers.
//
// Texts are bytes as read from the files. A list cell keeps the index of its
// item as its value and the item's text as its text; a check box keeps 0 or 1
// as both value and text ("0" or "1").
//
// Changes made by code never raise observer events; only what the user does
// through a view (BeginEdit, CommitEdit, the keys, moving the active cell) and
// pasting raise them, as forms expect of the grid.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/table_cell.h"

namespace pfedit {

// The form's side of the grid. Every method does nothing by default.
class TableObserver {
 public:
  virtual ~TableObserver() = default;
  // The user starts editing a cell.
  virtual void OnEditStart(int /*column*/, int /*row*/) {}
  // The user (or a paste) changed the cell's text.
  virtual void OnChange(int /*column*/, int /*row*/) {}
  // Setting the key to 0 swallows it.
  virtual void OnKeyDown(int16_t& /*key*/, bool /*ctrl*/) {}
  // Setting the key to 0 swallows it. A swallowed Enter still ends editing but
  // leaves the active cell where it is instead of moving it down.
  virtual void OnKeyPress(int16_t& /*key*/) {}
  // The active cell has moved from (column, row) to (new_column, new_row).
  virtual void OnLeaveCell(int /*column*/, int /*row*/, int /*new_column*/, int /*new_row*/) {}
  // Right mouse button over a cell (0 for headers); x and y are screen
  // coordinates, so a pop-up menu can open there.
  virtual void OnRightClick(int /*column*/, int /*row*/, int /*x*/, int /*y*/) {}
  // The tip shown over a data cell; empty text for none.
  virtual std::string OnToolTip(int /*column*/, int /*row*/) { return {}; }
};

// The view's side: what must be redrawn. About/done pairs bracket every change
// of the row or column count. While drawing is suspended nothing is reported
// except one AboutToReset before the first change, and Reset on resumption;
// after Reset a view re-reads everything, including the active cell, the
// selection, the top row and the row and column layout.
class TableViewListener {
 public:
  virtual ~TableViewListener() = default;
  // Text, value, type, lock or colour of the cells in the block changed.
  virtual void CellsChanged(int /*first_column*/, int /*first_row*/, int /*last_column*/,
                            int /*last_row*/) {}
  // Header texts: of columns first to last (row 0), or of rows (column 0).
  virtual void HeadersChanged(bool /*of_columns*/, int /*first*/, int /*last*/) {}
  virtual void RowsAboutToBeInserted(int /*first*/, int /*last*/) {}
  virtual void RowsInserted(int /*first*/, int /*last*/) {}
  virtual void RowsAboutToBeRemoved(int /*first*/, int /*last*/) {}
  virtual void RowsRemoved(int /*first*/, int /*last*/) {}
  virtual void ColumnsAboutToBeInserted(int /*first*/, int /*last*/) {}
  virtual void ColumnsInserted(int /*first*/, int /*last*/) {}
  virtual void ColumnsAboutToBeRemoved(int /*first*/, int /*last*/) {}
  virtual void ColumnsRemoved(int /*first*/, int /*last*/) {}
  virtual void AboutToReset() {}
  virtual void Reset() {}
  // Hidden flags or height of the rows first to last.
  virtual void RowLayoutChanged(int /*first*/, int /*last*/) {}
  // Widths or hidden flags of the columns first to last (0 = row headers).
  virtual void ColumnLayoutChanged(int /*first*/, int /*last*/) {}
  virtual void ActiveCellChanged(int /*column*/, int /*row*/) {}
  virtual void SelectionChanged() {}
  virtual void TopRowChanged(int /*row*/) {}
};

class TableModel {
 public:
  explicit TableModel(int columns = 0, int rows = 0);
  TableModel(const TableModel&) = delete;
  TableModel& operator=(const TableModel&) = delete;

  // The observer is not owned; null for none.
  void SetObserver(TableObserver* observer) { observer_ = observer; }
  // Listeners are not owned and must be removed before they die.
  void AddViewListener(TableViewListener* listener);
  void RemoveViewListener(TableViewListener* listener);

  // ---- Size. Shrinking drops the rows or columns beyond the new count.
  int RowCount() const { return static_cast<int>(rows_.size()); }
  void SetRowCount(int rows);
  int ColumnCount() const { return static_cast<int>(columns_.size()) - 1; }
  void SetColumnCount(int columns);

  // ---- Cells by address. Reads outside the grid give empty text, value 0,
  // the default type, unlocked and white; writes outside are ignored.
  // Row 0 and column 0 are the header texts.
  // The view stays valid until the cell, its row or its type changes.
  std::string_view Text(int column, int row) const;
  // Code may put any text into text-like cells, but a whole-number cell keeps
  // a number in its plain form ("007" becomes "7"); a list cell takes the first
  // item with that text (none: index -1 and empty text), a check box is ticked
  // by any text but "" and "0".
  void SetText(int column, int row, std::string_view text);
  // List: the item index (-1 none). Check box: 0 or 1. Others: the text read
  // as a whole number, 0 when it is none.
  int Value(int column, int row) const;
  void SetValue(int column, int row, int value);
  const CellType& Type(int column, int row) const;
  // Changing the type keeps the text where the new type can hold it.
  void SetType(int column, int row, const CellType& type);
  // Registers a type once, so that loops over many cells need not compare
  // types each time.
  int TypeId(const CellType& type);
  void SetTypeId(int column, int row, int type_id);
  bool Locked(int column, int row) const;
  void SetLocked(int column, int row, bool locked);
  Colour Background(int column, int row) const;
  void SetBackground(int column, int row, Colour colour);
  // The list items of a list cell; empty for other cells.
  const std::vector<std::string>& ListItems(int column, int row) const;

  // The rules the cell's type sets for text typed or pasted by the user
  // (core/cell_rules.h).
  EntryCheck CheckEntry(int column, int row, std::string_view text) const;
  bool AcceptsText(int column, int row, std::string_view text) const {
    return CheckEntry(column, row, text) == EntryCheck::kAcceptable;
  }

  // ---- Layout. Widths are in twips; column 0 is the row-header column.
  int ColumnWidth(int column) const;
  void SetColumnWidth(int column, int twips);
  bool ColumnHidden(int column) const;
  void SetColumnHidden(int column, bool hidden);
  // A hidden row keeps its row number; it is only not shown.
  bool RowHidden(int row) const;
  void SetRowHidden(int row, bool hidden);
  // Asks the view to fit the row's height to its tallest text. RowLines is the
  // most lines any of its texts holds (wrapping aside), 1 for a row never fitted.
  void FitRowHeight(int row);
  bool RowFitted(int row) const;
  int RowLines(int row) const;
  // The height a view measured for the fitted row, in the view's own units,
  // 0 when unknown. It is kept with the row, so that a sort moves it along
  // and the view need not measure the row again; a change of the row's texts
  // or types forgets it, and a view forgets them all when its font or column
  // widths change.
  int ViewRowHeight(int row) const;
  void SetViewRowHeight(int row, int height);
  void ForgetViewRowHeight(int row);
  void ForgetViewRowHeights();

  // ---- The active cell (where the user's cursor is) and scrolling. Setting
  // them from code raises no leave-cell event.
  void SetActiveCell(int column, int row);
  int ActiveColumn() const { return active_column_; }
  int ActiveRow() const { return active_row_; }
  // The top row is the one code last scrolled to the top, or the one the
  // user's scrolling brought there.
  void SetTopRow(int row);
  int TopRow() const { return top_row_; }

  // ---- Rows. The row count stays as it is, as forms grow it before inserting
  // and shrink it after deleting: inserting drops the last row, deleting adds
  // empty rows at the end.
  // Inserts an empty row at the active row; that row and all below move down.
  void InsertRow();
  void DeleteRows(int first_row, int count);
  // Stable ascending sort of rows first to last by the key columns in order.
  // Whole numbers and decimal texts compare as numbers (empty ones first),
  // check boxes and lists by value, all other cells by the bytes of their
  // text. When asked, old_rows gets for each sorted row, first to last, the
  // row number it had before, so that callers can follow their rows.
  void SortRows(int first_row, int last_row, const std::vector<int>& key_columns,
                std::vector<int>* old_rows = nullptr);

  // ---- Drawing. Calls nest; see TableViewListener.
  void SuspendDrawing();
  void ResumeDrawing();
  bool DrawingSuspended() const { return suspended_ > 0; }

  // ---- Selection. Without an explicit selection the active cell is the block.
  CellBlock Selection() const;
  bool HasSelection() const { return has_selection_; }
  // A first column of -1 selects whole rows.
  void SetSelection(const CellBlock& block);
  void ClearSelection();

  // ---- Clipboard text (core/clipboard_text.h). Whole rows cover every
  // column. Locks do not matter here: the forms check what may be copied, cut
  // or pasted before they call these.
  std::string CopySelection() const;
  // Empties the cells of the selection (the rows stay) and returns their text.
  std::string CutSelection();
  // Writes the text from the top-left cell of the selection on; cells that
  // fall outside the grid or that the cell type refuses are skipped. Each
  // written cell raises OnChange, as if the user had typed it.
  void PasteAtSelection(std::string_view text);

  // ---- What the user does through a view.
  // False (and no event) for a cell the user may not edit: locked, static or
  // outside the data cells.
  bool BeginEdit(int column, int row);
  // Applies the user's edit when the cell may be edited and accepts it;
  // OnChange follows when the cell changed.
  bool CommitEdit(int column, int row, std::string_view text);
  // The same for list cells (item index, -1 none) and check boxes (0 or 1);
  // other cells take the number as text.
  bool CommitValue(int column, int row, int value);
  // Each returns the key after the observer saw it, 0 when it was swallowed.
  int16_t KeyDown(int16_t key, bool ctrl);
  int16_t KeyPress(int16_t key);
  // The user moved the cursor: the active cell moves, then OnLeaveCell.
  void MoveActiveCell(int column, int row);
  void RightClick(int column, int row, int x, int y);
  std::string ToolTip(int column, int row) const;

 private:
  // A row keeps its cells in one byte buffer, cell after cell: the cell's
  // style (varint), the length of its bytes (varint), then the bytes. A list
  // cell's bytes are its item index + 1 (varint, 0 for none), so that equal
  // item texts stay apart; every other cell's bytes are its text. Cells past
  // the end of the buffer are empty and of style 0, so new rows and columns
  // cost nothing. A loaded grid is thus a little more than its texts.
  struct Row {
    std::string cells;
    std::string header;
    int32_t view_height = 0;
    int32_t lines = 1;
    bool hidden = false;
    bool fitted = false;
  };
  // Type, lock and colour of a cell, kept once for every cell alike; a cell
  // names its style by number.
  struct Style {
    uint16_t type = 0;
    bool locked = false;
    Colour background;
    friend bool operator==(const Style& a, const Style& b) {
      return a.type == b.type && a.locked == b.locked && a.background == b.background;
    }
  };
  // Where a cell lies in its row's buffer. A cell past the end has begin ==
  // bytes == end == the buffer's size.
  struct Slot {
    std::size_t begin = 0;  // its style
    std::size_t bytes = 0;  // its bytes
    std::size_t end = 0;
    uint32_t style = 0;
    bool present = false;
    int cells = 0;  // of the buffer, for a cell past its end
  };
  struct Column {
    std::string header;
    int width = 1200;
    bool hidden = false;
  };
  struct TypeEntry {
    CellType type;
    std::vector<std::string> items;
  };

  bool IsDataCell(int column, int row) const {
    return column >= 1 && row >= 1 && column <= ColumnCount() && row <= RowCount();
  }
  Row& RowAt(int row) { return rows_[static_cast<std::size_t>(row) - 1]; }
  const Row& RowAt(int row) const { return rows_[static_cast<std::size_t>(row) - 1]; }
  Slot Locate(const std::string& cells, int column) const;
  // Whenever rows move, come or go, or columns go.
  void ForgetLocated() const { located_.cells = nullptr; }
  const TypeEntry& EntryOf(uint32_t style) const { return types_[styles_[style].type]; }
  std::string_view TextOf(const Row& row, const Slot& slot) const;
  std::string_view TextOf(const Row& row, int column) const {
    return TextOf(row, Locate(row.cells, column));
  }
  // Replaces the cell's style and bytes; the bytes may lie in the buffer.
  void WriteCell(std::string& cells, int column, uint32_t style, std::string_view bytes);
  uint32_t StyleId(const Style& style);
  // Changes one property of the cell's style; true when it changed.
  template <typename Change>
  bool Restyle(int column, int row, Change change);
  // Puts the text into the cell as its type reads it; true when it changed.
  bool Assign(int column, int row, std::string_view text);
  bool AssignValue(int column, int row, int value);
  void ClampPositions();
  bool CanUserEdit(int column, int row) const;
  // Notifies the user's change of one cell: listeners, then the observer.
  void ReportUserChange(int column, int row);
  CellBlock ClippedSelection() const;

  template <typename Call>
  void Notify(Call call);

  std::vector<Row> rows_;
  std::vector<Column> columns_;  // index 0: the row-header column
  std::vector<TypeEntry> types_;
  std::vector<Style> styles_;
  uint32_t last_style_ = 0;
  // Where each cell of the row used last begins (and, last, where the
  // buffer ends), so that work along a row (loading, checking, copying)
  // finds its cells in one step instead of walking the row each time.
  struct Located {
    const std::string* cells = nullptr;
    std::vector<std::size_t> begins;
  };
  mutable Located located_;
  TableObserver* observer_ = nullptr;
  std::vector<TableViewListener*> listeners_;
  int active_column_ = 1;
  int active_row_ = 1;
  int top_row_ = 1;
  bool has_selection_ = false;
  CellBlock selection_;
  int suspended_ = 0;
  bool reset_pending_ = false;
};

}  // namespace pfedit
