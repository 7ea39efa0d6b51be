#include "core/text_services.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "core/decimal_number.h"
#include "core/desktop.h"
#include "core/messages.h"
#include "core/value_tables.h"

namespace pfedit {
namespace {

TEST(MessageTable, SortedForLookupWithTextsKeptExactly) {
  const auto& all = AllMessages();
  for (std::size_t i = 1; i < all.size(); ++i) EXPECT_LT(all[i - 1].first, all[i].first);
  // Blanks and marks are part of the texts.
  EXPECT_EQ(GetMessageText(147), " 0 : Specification none");
  EXPECT_EQ(GetMessageText(1034),
            "Same model does not  exist. Changes to the file cannot be saved.");
  EXPECT_EQ(GetMessageText(1066), "The model cannot be deleted.   ");
  for (const int n : {-1, 7, 1096, 65535}) {
    EXPECT_EQ(GetMessageText(n, "0") + GetMessageText(n), "0") << n;
    EXPECT_FALSE(HasMessage(n)) << n;
  }
  EXPECT_EQ(JoinLines({"a", "b", "", "c"}), "a\r\nb\r\n\r\nc");
}

// "-" for no number; otherwise the number cut to three places, in plain form.
// IsNumericValue, asked first by every check, must agree on every text.
TEST(DecimalNumberTest, ReadsWhatIsNumericAndCutsTowardZero) {
  const struct {
    const char* text;
    char mark;
    const char* expected;
  } cases[] = {
      {"1.2345", '.', "1.234"}, {" -1.2349 ", '.', "-1.234"},
      {"-0.0004", '.', "0"},    {"+007.500", '.', "7.5"},
      {".5", '.', "0.5"},       {"5.", '.', "5"},
      {"1,5", ',', "1,5"},      {"1.5", ',', "-"},
      {"1.2.3", '.', "-"},      {".", '.', "-"},
      {"-", '.', "-"},          {"  ", '.', "-"},
      {"1e3", '.', "-"},        {"1E3", '.', "-"},
      {"2d1", '.', "-"},        {"0x10", '.', "-"},
      {"1 2", '.', "-"},        {"", '.', "-"},
      {"1.5", '\0', "-"},       {"12", '\0', "12"},
  };
  for (const auto& c : cases) {
    const auto number = ParseDecimalNumber(c.text, c.mark);
    EXPECT_EQ(number ? FormatDecimalNumber(TruncateDecimals(*number, 3), c.mark) : "-", c.expected)
        << c.text;
    EXPECT_EQ(IsNumericValue(c.text, c.mark), std::string(c.expected) != "-") << c.text;
  }
}

TEST(NormalizeDecimal, ReplacesTheFirstForeignMarkEverywhere) {
  const struct {
    const char* text;
    char separator;
    const char* result;
  } cases[] = {
      {"0.75", ',', "0,75"}, {"0,75", ',', ""}, {"0.75", '.', ""},   {"1 000", '.', "1.000"},
      {"12", '.', ""},       {"", '.', ""},     {"a.b", '.', "..b"}, {"1.5", '\0', ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NormalizeDecimal(c.text, c.separator), c.result) << c.text;
  }
}

TEST(FilterNumericKey, PassesDigitsControlKeysAndOnlyTheLocaleSeparator) {
  const struct {
    int key;
    bool allow_decimal;
    char separator;
    bool passes;
  } cases[] = {
      {'0', false, '.', true}, {'9', false, '.', true},  {8, false, '.', true},
      {13, false, '.', true},  {'-', true, '.', false},  {'a', true, '.', false},
      {'.', true, '.', true},  {',', true, '.', false},  {',', true, ',', true},
      {'.', true, ',', false}, {'.', false, '.', false}, {'.', true, '\0', false},
      {27, true, '.', false},
  };
  for (const auto& c : cases) {
    int16_t key = static_cast<int16_t>(c.key);
    FilterNumericKey(key, c.allow_decimal, c.separator);
    EXPECT_EQ(key, c.passes ? c.key : 0) << "key " << c.key << " separator " << c.separator;
  }
}

TEST(QuoteIfComma, QuotesCommasAndRefusesQuotes) {
  const struct {
    const char* text;
    bool result;
    const char* after;
  } cases[] = {
      {"plain", true, "plain"},
      {"0, 1", true, "\"0, 1\""},
      {"say \"hi\"", false, "say \"hi\""},
      {"\"a,b\"", false, "\"a,b\""},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(QuoteIfComma(text), c.result) << c.text;
    EXPECT_EQ(text, c.after);
  }
}

TEST(ParseDecimal, AcceptsPointOrCommaAndRejectsJunk) {
  double value = 0;
  EXPECT_TRUE(ParseDecimal("0,75", &value));
  EXPECT_DOUBLE_EQ(value, 0.75);
  EXPECT_TRUE(ParseDecimal(" -55.5 ", &value));
  EXPECT_DOUBLE_EQ(value, -55.5);
  for (const char* bad : {"", "abc", "1e3", "1.2.3", "--1", "1,2.3"}) {
    EXPECT_FALSE(ParseDecimal(bad, &value)) << bad;
  }
}

TEST(ParseWholeNumber, SignBlanksRangeAndOverflow) {
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  const struct {
    const char* text;
    std::optional<int64_t> expected;
    int64_t minimum = kMin;
    int64_t maximum = kMax;
  } cases[] = {
      {" \t-12 \t", -12},
      {"00000000000000000000000001", 1},
      {"9223372036854775807", kMax},
      {"-9223372036854775808", kMin},
      {"9223372036854775808", {}},
      {"-9223372036854775809", {}},
      {"99999999999999999999999", {}},
      {"+5", {}},
      {"-", {}},
      {"", {}},
      {"1.0", {}},
      {"1 2", {}},
      {"999", 999, 0, 999},
      {"-0", 0, 0, 999},
      {"1000", {}, 0, 999},
      {"-1", {}, 0, 999},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseWholeNumber(c.text, c.minimum, c.maximum), c.expected) << "'" << c.text << "'";
  }
  // Values scanned from files keep blanks at their end, never at their start.
  EXPECT_EQ(ParseWholeNumber("-12\t ", kMin, kMax, LeadingBlanks::kRefused), -12);
  EXPECT_EQ(ParseWholeNumber(" 12", kMin, kMax, LeadingBlanks::kRefused), std::nullopt);
}

TEST(MainCaption, NamesTheModelAndItsClass) {
  const std::string title = "Parameter File Editor";
  EXPECT_EQ(MainCaptionText("", 3) + "|" + MainCaptionText("", 0), title + "|" + title);
  EXPECT_EQ(MainCaptionText("TEST1", 2), title + " [TEST1] - (Small Capacity)");
  EXPECT_EQ(MainCaptionText("", 1), title + " - (Large Capacity)");
}

TEST(CapacityClass, FiftyFiveKilowattsIsSmall) {
  const struct {
    TextList capacities;
    int16_t expected;
  } cases[] = {
      {{"0.4", "3.7", "55"}, kClassSmall},
      {{"75", "280", "630"}, kClassLarge},
      {{"0.4", "280"}, kClassBoth},
      {{"55,01"}, kClassLarge},
      {{"junk"}, kClassSmall},
      {{}, kClassSmall},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CapacityClassOf(c.capacities), c.expected)
        << (c.capacities.empty() ? "(none)" : c.capacities.front());
  }
}

}  // namespace
}  // namespace pfedit
