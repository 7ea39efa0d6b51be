#include "core/clipboard_text.h"

#include <gtest/gtest.h>

namespace pfedit {
namespace {

TEST(MeasureClipboardText, CountsLineEndsAndTabsPerRowRounded) {
  const struct {
    const char* text;
    std::size_t columns;
    std::size_t rows;
  } cases[] = {
      {"", 1, 1},
      {"a\tb\tc\r\n", 3, 1},
      {"a\tb\r\nc\td\r\n", 2, 2},
      {"a\tb\tc\td\r\ne\r\n", 3, 2},  // 1.5 tabs per row round up
      {"a\tb\r\nc\r\nd\r\n", 1, 3},
      {"a\tb\nc\td\n", 3, 1},  // only CR LF ends a row here
  };
  for (const auto& c : cases) {
    const ClipboardExtent extent = MeasureClipboardText(c.text);
    EXPECT_EQ(extent.columns, c.columns) << c.text;
    EXPECT_EQ(extent.rows, c.rows) << c.text;
  }
}

}  // namespace
}  // namespace pfedit
