#pragma once

// Just enough JSON for the command-line tool's output, always valid UTF-8.
// Strings are the file's bytes decoded with the ANSI code page (as the editor
// shows them); quotes, backslashes and control characters are escaped.

#include <string>
#include <string_view>

namespace pfedit::cli {

// The bytes (ANSI) as a JSON string.
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
