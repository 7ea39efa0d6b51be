#include "core/decimal_number.h"

#include <algorithm>

#include "core/ascii.h"
#include "core/text_services.h"

namespace pfedit {

namespace {

// Digits beyond this many cannot fit the 64-bit whole numbers used here.
constexpr std::size_t kMostWholeDigits = 18;

std::string_view WithoutLeadingZeros(std::string_view digits) {
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
  return digits;
}

std::string_view WithoutTrailingZeros(std::string_view digits) {
  while (!digits.empty() && digits.back() == '0') digits.remove_suffix(1);
  return digits;
}

int CompareMagnitudes(const DecimalNumber& a, const DecimalNumber& b) {
  if (a.integer.size() != b.integer.size()) return a.integer.size() < b.integer.size() ? -1 : 1;
  if (const int order = a.integer.compare(b.integer); order != 0) return order;
  // Without trailing zeros a plain text comparison orders fractions.
  return a.fraction.compare(b.fraction);
}

}  // namespace

std::optional<DecimalNumber> ParseDecimalNumber(std::string_view text, char decimal_mark) {
  std::string_view body = Trim(text);
  bool negative = false;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
    negative = body.front() == '-';
    body.remove_prefix(1);
  }
  const std::size_t mark = decimal_mark == '\0' ? std::string_view::npos : body.find(decimal_mark);
  const std::string_view integer = body.substr(0, mark);
  const std::string_view fraction =
      mark == std::string_view::npos ? std::string_view() : body.substr(mark + 1);
  const auto all_digits = [](std::string_view digits) {
    return std::all_of(digits.begin(), digits.end(), IsDigit);
  };
  if (integer.empty() && fraction.empty()) return std::nullopt;
  if (!all_digits(integer) || !all_digits(fraction)) return std::nullopt;
  DecimalNumber number;
  number.integer = WithoutLeadingZeros(integer);
  number.fraction = WithoutTrailingZeros(fraction);
  number.negative = negative && !number.IsZero();
  return number;
}

DecimalNumber TruncateDecimals(DecimalNumber number, std::size_t places) {
  number.fraction = WithoutTrailingZeros(number.fraction.substr(0, places));
  if (number.IsZero()) number.negative = false;
  return number;
}

std::string FormatDecimalNumber(const DecimalNumber& number, char decimal_mark) {
  std::string text;
  text.reserve(number.integer.size() + number.fraction.size() + 3);
  if (number.negative) text += '-';
  if (number.integer.empty()) {
    text += '0';
  } else {
    text += number.integer;
  }
  if (!number.fraction.empty()) {
    text += decimal_mark;
    text += number.fraction;
  }
  return text;
}

int CompareDecimalNumbers(const DecimalNumber& a, const DecimalNumber& b) {
  if (a.negative != b.negative) return a.negative ? -1 : 1;
  const int order = CompareMagnitudes(a, b);
  return a.negative ? -order : order;
}

ScaledFit ScaleToWholeNumber(const DecimalNumber& number, int places, int64_t maximum,
                             int64_t* whole) {
  if (number.negative) return ScaledFit::kOutside;
  const auto shift = static_cast<std::size_t>(std::max(places, 0));
  if (number.integer.size() + shift > kMostWholeDigits) return ScaledFit::kOutside;
  // The digits that move in front of the mark, and those that stay behind.
  int64_t scaled = 0;
  for (const char digit : number.integer) scaled = scaled * 10 + (digit - '0');
  for (std::size_t i = 0; i < shift; ++i) {
    scaled = scaled * 10 + (i < number.fraction.size() ? number.fraction[i] - '0' : 0);
  }
  const bool fraction_left = number.fraction.size() > shift;
  if (scaled > maximum || (scaled == maximum && fraction_left)) return ScaledFit::kOutside;
  if (fraction_left) return ScaledFit::kFraction;
  *whole = scaled;
  return ScaledFit::kWhole;
}

std::string ScaledWholeNumberText(int64_t value, int places, char decimal_mark) {
  places = std::clamp(places, 0, static_cast<int>(kMostWholeDigits));
  uint64_t scale = 1;
  for (int i = 0; i < places; ++i) scale *= 10;
  // The magnitude in unsigned arithmetic reaches the most negative value too.
  const uint64_t magnitude =
      value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::string text = value < 0 ? "-" : "";
  text += std::to_string(magnitude / scale);
  const uint64_t fraction = magnitude % scale;
  if (fraction == 0) return text;
  std::string digits = std::to_string(fraction);
  digits.insert(0, static_cast<std::size_t>(places) - digits.size(), '0');
  text += decimal_mark;
  text += WithoutTrailingZeros(digits);
  return text;
}

std::string RoundedWholeNumberText(const DecimalNumber& number) {
  std::string digits = number.integer.empty() ? "0" : std::string(number.integer);
  if (!number.fraction.empty() && number.fraction.front() >= '5') {
    // Carries run from the last digit up; one past the first adds a digit.
    auto digit = digits.rbegin();
    for (; digit != digits.rend() && *digit == '9'; ++digit) *digit = '0';
    if (digit == digits.rend()) {
      digits.insert(digits.begin(), '1');
    } else {
      ++*digit;
    }
  }
  if (number.negative && digits != "0") digits.insert(digits.begin(), '-');
  return digits;
}

}  // namespace pfedit
