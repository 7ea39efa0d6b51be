#pragma once

// The frame of the parameter grid: its twenty columns, their headers and
// widths, and the columns the user never sees.

#include "core/table_model.h"

namespace pfedit::editor {

constexpr int kGridColumns = 20;
// Columns 11 ("2Pr") to 20 carry fields the user does not edit directly.
constexpr int kFirstHiddenColumn = 11;

// Sets the grid to twenty columns and no rows with headers and widths.
void SetUpParameterGrid(TableModel& grid);

}  // namespace pfedit::editor
