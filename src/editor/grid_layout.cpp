#include "editor/grid_layout.h"

#include "core/messages.h"

namespace pfedit::editor {

namespace {

struct ColumnFrame {
  int header;  // message number, 0 for none
  int width;   // twips
};

constexpr ColumnFrame kColumns[kGridColumns] = {
    {101, 500}, {102, 3328}, {103, 700}, {104, 500}, {105, 1200}, {106, 2000}, {107, 900},
    {108, 800}, {109, 900},  {110, 500}, {100, 500}, {0, 0},      {0, 0},      {0, 0},
    {0, 0},     {0, 0},      {0, 0},     {0, 0},     {0, 0},      {0, 0},
};

constexpr int kRowHeaderWidth = 180;

}  // namespace

void SetUpParameterGrid(TableModel& grid) {
  grid.SuspendDrawing();
  grid.SetRowCount(0);
  grid.SetColumnCount(kGridColumns);
  grid.SetColumnWidth(0, kRowHeaderWidth);
  for (int column = 1; column <= kGridColumns; ++column) {
    const ColumnFrame& frame = kColumns[column - 1];
    grid.SetText(column, 0, frame.header != 0 ? GetMessageText(frame.header) : std::string());
    grid.SetColumnWidth(column, frame.width);
    grid.SetColumnHidden(column, column >= kFirstHiddenColumn);
  }
  grid.ResumeDrawing();
}

}  // namespace pfedit::editor
