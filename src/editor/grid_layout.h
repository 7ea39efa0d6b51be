#pragma once

// The frame of the parameter grid: its twenty columns, their headers and
// widths, and the columns the user never sees.

#include "core/table_model.h"

namespace pfedit::editor {

// The grid's columns, one per field of a parameter record.
enum GridColumn : int {
  kColPr = 1,
  kColName = 2,
  kColInitialValue = 3,
  kColDigit = 4,
  kColUnit = 5,
  kColSettingRange = 6,
  kColSpecialCode = 7,
  kColFunctionCode = 8,
  kColWritingOrder = 9,
  kColAttribute = 10,
  kCol2Pr = 11,  // ticked for a second parameter
  kColDisplayCode = 12,
  kColAux1 = 13,  // to kColAux8 = 20
  kColAux8 = 20,
};

constexpr int kGridColumns = 20;
// The columns the user edits; cut and copy of whole rows stop at the last.
constexpr int kLastVisibleColumn = kColAttribute;
// Columns 11 ("2Pr") to 20 carry fields the user does not edit directly.
constexpr int kFirstHiddenColumn = kCol2Pr;

// A parameter list holds at most this many rows.
constexpr int kMaxGridRows = 1500;

// Twips of the row-header column: room for the widest row number, "1500",
// in the grid's font at any scale (four digits and the header's margins).
constexpr int kRowHeaderWidth = 600;

// Sets the grid to twenty columns and no rows with headers and widths.
void SetUpParameterGrid(TableModel& grid);

}  // namespace pfedit::editor
