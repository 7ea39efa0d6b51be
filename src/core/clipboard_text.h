#pragma once

// The plain-text form of a block of cells on the clipboard: a tab between the
// cells of a row and CR LF after every row, as other programs exchange
// tables. Texts are bytes; nothing is quoted, so a cell cannot hold a tab or
// a line end.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace pfedit {

// Builds clipboard text cell by cell.
class ClipboardTextWriter {
 public:
  void AddCell(std::string_view cell) {
    if (row_open_) text_ += '\t';
    text_ += cell;
    row_open_ = true;
  }
  void EndRow() {
    text_ += "\r\n";
    row_open_ = false;
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
  bool row_open_ = false;
};

// Calls visit(column, row, cell) for every cell of the text, both counted
// from 0, row by row. A row ends at CR LF or at a lone LF; a last row without
// a line end counts, while the line end of the last row starts no further
// one. An empty row is one empty cell.
template <typename Visit>
void ForEachClipboardCell(std::string_view text, Visit visit) {
  std::size_t row = 0;
  std::size_t position = 0;
  while (position < text.size()) {
    std::size_t end = text.find('\n', position);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(position, end - position);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    position = end + 1;
    std::size_t column = 0;
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = line.find('\t', start);
      visit(column, row, line.substr(start, tab - start));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
      ++column;
    }
    ++row;
  }
}

// The size of the block the text holds, as the paste commands reckon it
// before they make room: rows are the CR LF pairs, at least one; columns are
// the tabs per row plus one, rounded to the nearest whole number (halves up),
// so that a few ragged rows do not change the count.
struct ClipboardExtent {
  std::size_t columns = 1;
  std::size_t rows = 1;
};
ClipboardExtent MeasureClipboardText(std::string_view text);

}  // namespace pfedit
