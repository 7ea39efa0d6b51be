#include "paramfile/value_scanner.h"

#include "core/ascii.h"

namespace pfedit {

namespace {

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// Which bytes end an unquoted value, looked up rather than compared: the
// scanner's inner loop runs once per byte of the file.
struct ValueEnds {
  constexpr ValueEnds() : table() {
    table[static_cast<unsigned char>(',')] = true;
    table[static_cast<unsigned char>('\r')] = true;
    table[static_cast<unsigned char>('\n')] = true;
  }
  bool table[256];
};
constexpr ValueEnds kValueEnds;

bool EndsValue(char c) {
  return kValueEnds.table[static_cast<unsigned char>(c)];
}

}  // namespace

ValueScanner::ValueScanner(std::string_view text) : text_(text), data_end_(text.size()) {
  while (data_end_ > 0 && (IsBlank(text_[data_end_ - 1]) || IsLineEnd(text_[data_end_ - 1]))) {
    --data_end_;
  }
}

ValueScanner::Result ValueScanner::Next(std::string_view* value) {
  if (position_ >= text_.size()) {
    if (!after_comma_) return Result::kEnd;
    // A comma at the very end still announces one more, empty, value.
    after_comma_ = false;
    *value = std::string_view();
    return Result::kValue;
  }
  while (position_ < text_.size() && IsBlank(text_[position_])) ++position_;
  if (position_ < text_.size() && text_[position_] == '"') {
    const std::size_t close = text_.find('"', position_ + 1);
    if (close == std::string_view::npos) return Result::kError;
    *value = text_.substr(position_ + 1, close - position_ - 1);
    position_ = close + 1;
    // Text after the closing quote belongs to no value.
    position_ = EndOfValue(position_);
  } else {
    const std::size_t stop = EndOfValue(position_);
    *value = text_.substr(position_, stop - position_);
    position_ = stop;
  }
  TakeDelimiter();
  return Result::kValue;
}

std::size_t ValueScanner::EndOfValue(std::size_t from) const {
  while (from < text_.size() && !EndsValue(text_[from])) ++from;
  return from;
}

void ValueScanner::TakeDelimiter() {
  after_comma_ = false;
  if (position_ >= text_.size()) return;
  const char c = text_[position_++];
  if (c == ',') {
    after_comma_ = true;
  } else if (c == '\r' && position_ < text_.size() && text_[position_] == '\n') {
    ++position_;
  }
}

}  // namespace pfedit
