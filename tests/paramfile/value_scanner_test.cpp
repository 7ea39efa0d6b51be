#include "paramfile/value_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pfedit {
namespace {

// Every value of the text, then "<error>" after an error (or "<end>" for an end
// that AtEndOfData did not announce).
std::vector<std::string> Scan(std::string_view text) {
  ValueScanner scanner(text);
  std::vector<std::string> values;
  std::string_view value;
  while (!scanner.AtEndOfData()) {
    const ValueScanner::Result result = scanner.Next(&value);
    if (result != ValueScanner::Result::kValue) {
      values.emplace_back(result == ValueScanner::Result::kError ? "<error>" : "<end>");
      break;
    }
    values.emplace_back(value);
  }
  return values;
}

TEST(ScannerTest, GivesTheValues) {
  // The text, and the values it gives.
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"\r\n\r\n  \n", {}},
      // CR LF, LF and CR end values like commas; the last line needs no line end.
      {"a,b\r\nc\nd\re", {"a", "b", "c", "d", "e"}},
      {"  a b \t,\tc\r\n", {"a b \t", "c"}},      // leading blanks skipped, trailing kept
      {"  \"a,\r\nb\" x y,c", {"a,\r\nb", "c"}},  // text after the closing quote dropped
      {"a\"b,\"\",x", {"a\"b", "", "x"}},
      {"a,\"bc,d\r\n", {"a", "<error>"}},
      {",,\r\na,", {"", "", "", "a", ""}},  // a comma before a line end or at the end
      // An empty line inside is a value; empty lines at the end are not.
      {"a\r\n\r\nb\r\n\r\n", {"a", "", "b"}},
      {std::string("a\0b,c", 5), {std::string("a\0b", 3), "c"}},
  };
  for (const auto& [text, values] : cases) {
    EXPECT_EQ(Scan(text), values) << testing::PrintToString(text);
  }
}

TEST(ScannerTest, NextAfterTheLastValueReportsTheEnd) {
  ValueScanner scanner("a");
  std::string_view value;
  ASSERT_EQ(scanner.Next(&value), ValueScanner::Result::kValue);
  EXPECT_EQ(scanner.Next(&value), ValueScanner::Result::kEnd);
}

}  // namespace
}  // namespace pfedit
