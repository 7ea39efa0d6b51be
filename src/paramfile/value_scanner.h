#pragma once

// The comma-separated value scanner of parameter files. Values are separated
// by commas and line ends alike, so a record is simply "the next twenty
// values", wherever the line ends fall.
//
// How one value is taken:
// - blanks (space, tab) in front of a value are skipped;
// - a value that then starts with a double quote runs to the next double
//   quote; it may hold commas and line ends. Whatever stands between the
//   closing quote and the next comma or line end is dropped, so "a,b" x reads
//   as a,b. A quote that is never closed is a read error;
// - any other value runs to the next comma or line end. Blanks at its end are
//   kept, so that a field read and not edited is written back byte for byte;
// - a line end is CR LF, a lone CR or a lone LF. A comma just before a line
//   end, or an empty line, gives an empty value;
// - the data ends where only blanks and line ends remain after a line end, so
//   a trailing empty line is not a value, while a trailing comma is.
//
// The scanner only looks at bytes; it never converts the text.

#include <cstddef>
#include <string_view>

namespace pfedit {

class ValueScanner {
 public:
  enum class Result { kValue, kEnd, kError };

  explicit ValueScanner(std::string_view text);

  // True when no further value starts: nothing but blanks and line ends is
  // left and the last value was not followed by a comma.
  bool AtEndOfData() const { return !after_comma_ && position_ >= data_end_; }

  // Takes the next value. The view points into the scanned text (for a quoted
  // value, between the quotes). kEnd when no value is left, kError for an
  // unclosed quote.
  Result Next(std::string_view* value);

 private:
  // The position of the comma or line end after `from`, or the text's end.
  std::size_t EndOfValue(std::size_t from) const;
  // Consumes the comma or line end that ends the value at position_.
  void TakeDelimiter();

  std::string_view text_;
  std::size_t position_ = 0;
  std::size_t data_end_ = 0;  // one past the last byte that is no blank or line end
  bool after_comma_ = false;
};

}  // namespace pfedit
