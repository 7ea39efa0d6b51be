#pragma once

// What a cell's type makes of texts, without a grid: which texts the user may
// type, how a text becomes the cell's value, and where the cell goes in a
// sort. The table model applies these rules to its cells; a view's editors
// ask the model, so that both always agree.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/decimal_number.h"
#include "core/table_cell.h"

namespace pfedit {

// The items of a list type; no items for empty text.
std::vector<std::string> SplitListItems(std::string_view tab_joined);

// How far a typed text satisfies the type; `items` are the type's list items.
// Empty text is always acceptable, so that a cell may be cleared.
EntryCheck CheckCellEntry(const CellType& type, const std::vector<std::string>& items,
                          std::string_view text);

// The index of the first item with exactly that text; -1 for none and for
// empty text.
int ListIndexOf(const std::vector<std::string>& items, std::string_view text);

// Any text but "" and "0" ticks a check box.
inline int CheckBoxValueOf(std::string_view text) {
  return text.empty() || text == "0" ? 0 : 1;
}

// The value of a text-like cell: its text read as a whole number (blanks
// around allowed), 0 when it holds none or one beyond an int. Forms read
// empty number cells as 0, so no-number is not an error here.
int NumberOfCellText(std::string_view text);

// The text a whole-number cell keeps: a number in its plain form, so that
// "007" is stored, compared and written as "7". Text that is no number stays
// as it is, as code may put any text into a cell.
std::string WholeNumberCellText(std::string_view text);

// The place of a cell in a sort. Whole-number and decimal cells compare as
// numbers, with empty or unreadable ones first; lists and check boxes by
// value; every other cell by the bytes of its text. Keys of one column
// always have one kind.
struct CellSortKey {
  enum Rank : uint8_t { kNoNumber, kNumber, kText, kDecimal };
  Rank rank = kNoNumber;
  long long number = 0;
  std::string_view text;  // points into the cell
  DecimalNumber decimal;  // points into the cell
};
CellSortKey SortKeyOf(const CellType& type, std::string_view text, int value);
// Negative, zero or positive as a sorts before, with or after b.
int CompareSortKeys(const CellSortKey& a, const CellSortKey& b);

}  // namespace pfedit
