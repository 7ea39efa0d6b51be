#include "paramfile/value_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pfedit {
namespace {

// Every value of the text, or "<error>" as the last entry after an error.
std::vector<std::string> Scan(std::string_view text) {
  ValueScanner scanner(text);
  std::vector<std::string> values;
  while (!scanner.AtEndOfData()) {
    std::string_view value;
    const ValueScanner::Result result = scanner.Next(&value);
    if (result == ValueScanner::Result::kError) {
      values.push_back("<error>");
      break;
    }
    if (result == ValueScanner::Result::kEnd) break;
    values.emplace_back(value);
  }
  return values;
}

using Values = std::vector<std::string>;

struct ScanCase {
  const char* name;
  std::string text;
  Values expected;
};

class ScannerTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ScannerTest, GivesTheValues) {
  EXPECT_EQ(Scan(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScannerTest,
    testing::Values(
        ScanCase{"Empty", "", {}}, ScanCase{"OnlyLineEnds", "\r\n\r\n  \n", {}},
        ScanCase{"CommasAndLineEndsAlike", "a,b\r\nc,d\r\n", {"a", "b", "c", "d"}},
        ScanCase{"LoneLfAndCr", "a\nb\rc", {"a", "b", "c"}},
        ScanCase{"NoFinalLineEnd", "a,b", {"a", "b"}},
        ScanCase{"LeadingBlanksSkippedTrailingKept", "  a b \t,\tc\r\n", {"a b \t", "c"}},
        ScanCase{"QuotedHoldsCommas", "\"a,b\",c", {"a,b", "c"}},
        ScanCase{"QuotedHoldsLineEnds", "\"a\r\nb\",c", {"a\r\nb", "c"}},
        ScanCase{"BlanksBeforeQuote", "  \"a,b\"", {"a,b"}},
        ScanCase{"TextAfterClosingQuoteDropped", "\"a,b\" x y,c", {"a,b", "c"}},
        ScanCase{"QuoteInsideUnquotedKept", "a\"b,c", {"a\"b", "c"}},
        ScanCase{"EmptyQuoted", "\"\",x", {"", "x"}},
        ScanCase{"UnclosedQuote", "a,\"bc,d\r\n", {"a", "<error>"}},
        ScanCase{"EmptyFields", ",,\r\n", {"", "", ""}},
        ScanCase{"TrailingCommaAtEndOfFile", "a,", {"a", ""}},
        ScanCase{"EmptyLineInsideIsAValue", "a\r\n\r\nb", {"a", "", "b"}},
        ScanCase{"TrailingEmptyLinesAreNoValues", "a\r\n\r\n\r\n", {"a"}},
        ScanCase{"NulBytesAreBytes", std::string("a\0b,c", 5), {std::string("a\0b", 3), "c"}}),
    [](const testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

TEST(ScannerEndTest, NextAfterTheLastValueReportsTheEnd) {
  ValueScanner scanner("a");
  std::string_view value;
  ASSERT_EQ(scanner.Next(&value), ValueScanner::Result::kValue);
  EXPECT_EQ(scanner.Next(&value), ValueScanner::Result::kEnd);
}

}  // namespace
}  // namespace pfedit
