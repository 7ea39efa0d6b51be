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

}  // namespace
}  // namespace pfedit
