#include "core/clipboard_text.h"

#include <algorithm>

namespace pfedit {

ClipboardExtent MeasureClipboardText(std::string_view text) {
  std::size_t line_ends = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
       at = text.find("\r\n", at + 2)) {
    ++line_ends;
  }
  const auto tabs = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\t'));
  ClipboardExtent extent;
  extent.rows = std::max<std::size_t>(line_ends, 1);
  // tabs / rows rounded half up, in whole numbers.
  extent.columns = (2 * tabs + extent.rows) / (2 * extent.rows) + 1;
  return extent;
}

}  // namespace pfedit
