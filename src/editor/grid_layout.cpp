#include "editor/grid_layout.h"

#include "core/message_ids.h"
#include "core/messages.h"

namespace pfedit::editor {

namespace {

// Twips of columns 1 to 20; the hidden columns after 2Pr take no room.
constexpr int kWidths[kGridColumns] = {500, 3328, 700, 500, 1200, 2000, 900, 800, 900, 500,
                                       500, 0,    0,   0,   0,    0,    0,   0,   0,   0};

// Messages 101 to 110 head the visible columns 1 to 10 and message 100 the
// 2Pr column; the other hidden columns have no header.
std::string HeaderOf(int column) {
  if (column < kFirstHiddenColumn) return GetMessageText(msg::kHeader2Pr + column);
  if (column == kFirstHiddenColumn) return GetMessageText(msg::kHeader2Pr);
  return std::string();
}

}  // namespace

void SetUpParameterGrid(TableModel& grid) {
  grid.SuspendDrawing();
  grid.SetRowCount(0);
  grid.SetColumnCount(kGridColumns);
  grid.SetColumnWidth(0, kRowHeaderWidth);
  for (int column = 1; column <= kGridColumns; ++column) {
    grid.SetText(column, 0, HeaderOf(column));
    grid.SetColumnWidth(column, kWidths[column - 1]);
    grid.SetColumnHidden(column, column >= kFirstHiddenColumn);
  }
  grid.ResumeDrawing();
}

}  // namespace pfedit::editor
