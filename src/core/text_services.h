#pragma once

// Small text and number services shared by the readers, writers and forms.
// Functions that depend on the user's decimal separator come in two forms:
// one that asks the platform each time and one that takes the separator, for
// loops over many values and for tests.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pfedit {

// Blanks (space and tab) removed at both ends.
std::string_view Trim(std::string_view text);

// True when the text is a plain decimal number in the locale's notation:
// optional blanks, an optional sign, digits with at most one decimal
// separator, optional blanks. Exponents ("1e3", "2d1") are never numeric.
bool IsNumericValue(std::string_view text, char decimal_separator);
bool IsNumericValue(std::string_view text);

// The locale's decimal separator as one character. Returns 0 on success and
// -1 (leaving the text unchanged) when the locale gives none.
int16_t GetDecimalSeparator(std::string& separator);

// Finds the first character that is neither a digit nor the separator and
// returns the text with every occurrence of it replaced by the separator;
// empty text when no change is needed.
std::string NormalizeDecimal(std::string_view text, char decimal_separator);
std::string NormalizeDecimal(std::string_view text);

// Key filter of numeric text boxes: lets digits and the control keys 8, 9, 10
// and 13 through, and the decimal separator when allowed; everything else
// becomes 0. A separator of 0 means the locale gives none.
void FilterNumericKey(int16_t& key, bool allow_decimal, char decimal_separator);
void FilterNumericKey(int16_t& key, bool allow_decimal);

// False, text unchanged, when the text holds a double quote; otherwise true,
// and a text holding a comma is wrapped in double quotes.
bool QuoteIfComma(std::string& text);

// A decimal number with a point or a comma as decimal mark, blanks around it
// allowed. Used where values are compared as numbers whatever the locale.
bool ParseDecimal(std::string_view text, double* value);

// Whether blanks may stand in front of a whole number.
enum class LeadingBlanks { kAllowed, kRefused };

// The one reader of whole numbers. A number is an optional minus sign directly
// followed by one or more decimal digits (leading zeros allowed), then
// nothing but blanks (space, tab). Blanks in front are allowed unless refused:
// values scanned from files keep their trailing blanks, and refusing leading
// ones keeps such files in the form their writer gives them. A plus sign, a
// decimal mark, an exponent or empty text is no number. A number outside
// minimum to maximum gives none as well, however many digits it has; the
// text is read once and nothing overflows.
std::optional<int64_t> ParseWholeNumber(std::string_view text, int64_t minimum, int64_t maximum,
                                        LeadingBlanks leading = LeadingBlanks::kAllowed);

// The main window caption: message 0, " [name]" when there is a name, and
// " - (Large Capacity)" or " - (Small Capacity)" for class 1 or 2.
std::string MainCaptionText(std::string_view model_name, int capacity_class);

}  // namespace pfedit
