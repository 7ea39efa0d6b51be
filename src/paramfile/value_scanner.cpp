#include "paramfile/value_scanner.h"

namespace pfedit {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
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
    const std::size_t end = text_.find_first_of(",\r\n", position_);
    position_ = end == std::string_view::npos ? text_.size() : end;
  } else {
    const std::size_t end = text_.find_first_of(",\r\n", position_);
    const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
    *value = text_.substr(position_, stop - position_);
    position_ = stop;
  }
  TakeDelimiter();
  return Result::kValue;
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
