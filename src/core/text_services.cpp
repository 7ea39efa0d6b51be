#include "core/text_services.h"

#include <charconv>
#include <string>

#include "core/ascii.h"
#include "core/message_ids.h"
#include "core/messages.h"
#include "core/platform.h"
#include "core/value_tables.h"

namespace pfedit {

namespace {

// Splits an optional sign off the front; true for a minus.
bool TakeSign(std::string_view& text) {
  if (text.empty() || (text.front() != '+' && text.front() != '-')) return false;
  const bool negative = text.front() == '-';
  text.remove_prefix(1);
  return negative;
}

// Digits with at most one of the given marks; at least one digit.
bool IsPlainNumber(std::string_view text, char mark_a, char mark_b) {
  bool digit_seen = false;
  bool mark_seen = false;
  for (const char c : text) {
    if (IsDigit(c)) {
      digit_seen = true;
    } else if (c != '\0' && (c == mark_a || c == mark_b) && !mark_seen) {
      mark_seen = true;
    } else {
      return false;
    }
  }
  return digit_seen;
}

}  // namespace

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsNumericValue(std::string_view text, char decimal_separator) {
  std::string_view body = Trim(text);
  TakeSign(body);
  return IsPlainNumber(body, decimal_separator, decimal_separator);
}

bool IsNumericValue(std::string_view text) {
  return IsNumericValue(text, platform::LocaleDecimalSeparator());
}

int16_t GetDecimalSeparator(std::string& separator) {
  const char c = platform::LocaleDecimalSeparator();
  if (c == '\0') return -1;
  separator.assign(1, c);
  return 0;
}

std::string NormalizeDecimal(std::string_view text, char decimal_separator) {
  if (decimal_separator == '\0') return std::string();
  for (const char c : text) {
    if (IsDigit(c) || c == decimal_separator) continue;
    std::string result(text);
    for (char& r : result) {
      if (r == c) r = decimal_separator;
    }
    return result;
  }
  return std::string();
}

std::string NormalizeDecimal(std::string_view text) {
  return NormalizeDecimal(text, platform::LocaleDecimalSeparator());
}

void FilterNumericKey(int16_t& key, bool allow_decimal, char decimal_separator) {
  const bool digit = key >= '0' && key <= '9';
  const bool control = key == 8 || key == 9 || key == 10 || key == 13;
  const bool separator = allow_decimal && decimal_separator != '\0' &&
                         key == static_cast<unsigned char>(decimal_separator);
  if (!(digit || control || separator)) key = 0;
}

void FilterNumericKey(int16_t& key, bool allow_decimal) {
  FilterNumericKey(key, allow_decimal, platform::LocaleDecimalSeparator());
}

bool QuoteIfComma(std::string& text) {
  if (text.find('"') != std::string::npos) return false;
  if (text.find(',') != std::string::npos) text = '"' + text + '"';
  return true;
}

bool ParseDecimal(std::string_view text, double* value) {
  std::string_view body = Trim(text);
  const bool negative = TakeSign(body);
  if (!IsPlainNumber(body, '.', ',')) return false;
  std::string plain(body);
  for (char& c : plain) {
    if (c == ',') c = '.';
  }
  double parsed = 0.0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), parsed);
  if (error != std::errc() || end != plain.data() + plain.size()) return false;
  *value = negative ? -parsed : parsed;
  return true;
}

std::optional<int64_t> ParseWholeNumber(std::string_view text, int64_t minimum, int64_t maximum,
                                        LeadingBlanks leading) {
  std::size_t i = 0;
  if (leading == LeadingBlanks::kAllowed) {
    while (i < text.size() && IsBlank(text[i])) ++i;
  }
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) ++i;
  const std::size_t first_digit = i;
  // The magnitude of the most negative number; anything beyond is out of
  // every range, so the digits after it are only checked, not added.
  constexpr uint64_t kMostMagnitude = uint64_t{1} << 63;
  uint64_t magnitude = 0;
  bool beyond = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    const auto digit = static_cast<uint64_t>(text[i] - '0');
    if (beyond || magnitude > (kMostMagnitude - digit) / 10) {
      beyond = true;
    } else {
      magnitude = magnitude * 10 + digit;
    }
  }
  if (i == first_digit) return std::nullopt;
  for (; i < text.size(); ++i) {
    if (!IsBlank(text[i])) return std::nullopt;
  }
  if (beyond || (!negative && magnitude == kMostMagnitude)) return std::nullopt;
  // Negating in unsigned arithmetic reaches the most negative number too.
  const auto value = static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
  if (value < minimum || value > maximum) return std::nullopt;
  return value;
}

std::string MainCaptionText(std::string_view model_name, int capacity_class) {
  std::string caption = GetMessageText(msg::kTitle);
  if (!model_name.empty()) {
    caption += " [";
    caption += model_name;
    caption += ']';
  }
  if (capacity_class == kClassLarge || capacity_class == kClassSmall) {
    caption += " - (";
    caption +=
        GetMessageText(capacity_class == kClassLarge ? msg::kLargeCapacity : msg::kSmallCapacity);
    caption += ')';
  }
  return caption;
}

}  // namespace pfedit
