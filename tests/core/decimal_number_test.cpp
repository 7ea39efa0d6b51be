#include "core/decimal_number.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text_services.h"

namespace pfedit {
namespace {

// "-" for no number; otherwise the number cut to three places, in plain form.
std::string Cut3(const char* text, char mark = '.') {
  const auto number = ParseDecimalNumber(text, mark);
  return number ? FormatDecimalNumber(TruncateDecimals(*number, 3), mark) : "-";
}

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
      {"1e3", '.', "-"},        {"", '.', "-"},
      {"1.5", '\0', "-"},       {"12", '\0', "12"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cut3(c.text, c.mark), c.expected) << c.text;
    // The check asks IsNumericValue first; both must agree on every text.
    EXPECT_EQ(IsNumericValue(c.text, c.mark), std::string(c.expected) != "-") << c.text;
  }
}

TEST(DecimalNumberTest, ScalesExactlyAgainstTheRange) {
  const struct {
    const char* text;
    int places;
    ScaledFit fit;
    int64_t whole;
  } cases[] = {
      {"1.15", 2, ScaledFit::kWhole, 115},  // 114.999... in binary
      {"6553.5", 1, ScaledFit::kWhole, 65535}, {"6553.6", 1, ScaledFit::kOutside, 0},
      {"6553.51", 1, ScaledFit::kOutside, 0},  // above the maximum, not merely a fraction
      {"6553.49", 1, ScaledFit::kFraction, 0}, {"65.535", 3, ScaledFit::kWhole, 65535},
      {"0.001", 2, ScaledFit::kFraction, 0},   {"-0.5", 0, ScaledFit::kOutside, 0},
      {"-0", 0, ScaledFit::kWhole, 0},         {"99999999999999999999", 0, ScaledFit::kOutside, 0},
  };
  for (const auto& c : cases) {
    int64_t whole = 0;
    EXPECT_EQ(ScaleToWholeNumber(*ParseDecimalNumber(c.text, '.'), c.places, 65535, &whole), c.fit)
        << c.text;
    EXPECT_EQ(whole, c.whole) << c.text;
  }
}

TEST(DecimalNumberTest, ShowsScaledAndRoundedNumbers) {
  EXPECT_EQ(ScaledWholeNumberText(12345, 2, ','), "123,45");
  EXPECT_EQ(ScaledWholeNumberText(12000, 2, '.'), "120");
  EXPECT_EQ(ScaledWholeNumberText(5, 3, '.'), "0.005");
  EXPECT_EQ(ScaledWholeNumberText(-15, 1, '.'), "-1.5");
  const struct {
    const char* text;
    const char* expected;
  } rounded[] = {{"14.5", "15"}, {"14.49", "14"}, {"999.5", "1000"}, {"-0.4", "0"}, {"-2.5", "-3"}};
  for (const auto& c : rounded) {
    EXPECT_EQ(RoundedWholeNumberText(*ParseDecimalNumber(c.text, '.')), c.expected) << c.text;
  }
}

}  // namespace
}  // namespace pfedit
