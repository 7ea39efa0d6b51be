#pragma once

// Just enough JSON for the command-line tool's output. Strings are the
// file's bytes: only quotes, backslashes and control characters are escaped,
// nothing is re-encoded.

#include <string>
#include <string_view>

namespace pfedit::cli {

std::string JsonString(std::string_view bytes);

// One JSON object, built member by member.
class JsonObject {
 public:
  void Text(std::string_view name, std::string_view value) { Raw(name, JsonString(value)); }
  void Number(std::string_view name, long long value) { Raw(name, std::to_string(value)); }
  // A member whose value is JSON text already.
  void Raw(std::string_view name, const std::string& json) {
    if (text_.size() > 1) text_ += ',';
    text_ += JsonString(name);
    text_ += ':';
    text_ += json;
  }
  std::string Close() const { return text_ + '}'; }

 private:
  std::string text_ = "{";
};

}  // namespace pfedit::cli
