#pragma once

// Decimal numbers taken exactly from their text. Initial values are typed
// with decimal places and stored scaled by them, so 1.15 with two places must
// become exactly 115; binary floating point would make it 114.999... and cut
// it to 114. Everything here works on the digits themselves.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pfedit {

// A number as its digits. The views point into the text it was read from,
// which must outlive it.
struct DecimalNumber {
  bool negative = false;      // never set for zero
  std::string_view integer;   // digits without leading zeros; empty for 0
  std::string_view fraction;  // digits after the mark without trailing zeros

  bool IsZero() const { return integer.empty() && fraction.empty(); }
};

// Reads blanks, an optional sign, digits with at most one decimal mark and
// blanks: exactly the texts IsNumericValue calls numeric. Anything else
// (exponents, a second mark, no digit at all) gives none.
std::optional<DecimalNumber> ParseDecimalNumber(std::string_view text, char decimal_mark);

// Cuts the number toward zero to at most `places` decimal places.
DecimalNumber TruncateDecimals(DecimalNumber number, std::size_t places);

// Plain notation: a minus sign when negative, the integer digits ("0" for
// none), then the mark and the fraction when there is one. No grouping.
std::string FormatDecimalNumber(const DecimalNumber& number, char decimal_mark);

// Negative, zero or positive as a is less than, equal to or greater than b.
int CompareDecimalNumbers(const DecimalNumber& a, const DecimalNumber& b);

// How the number fares when multiplied by 10 to the power `places` and held
// against 0 to a maximum.
enum class ScaledFit {
  kWhole,     // inside the range and a whole number
  kFraction,  // inside the range, but with a fraction left
  kOutside,   // below 0 or above the maximum
};
ScaledFit ScaleToWholeNumber(const DecimalNumber& number, int places, int64_t maximum,
                             int64_t* whole);

// A stored whole number shown with `places` decimal places: 12345 with 2 is
// "123.45", 12000 with 2 is "120", 5 with 3 is "0.005".
std::string ScaledWholeNumberText(int64_t value, int places, char decimal_mark);

// The number rounded to a whole number, halves away from zero, in plain
// notation ("-" and digits).
std::string RoundedWholeNumberText(const DecimalNumber& number);

}  // namespace pfedit
