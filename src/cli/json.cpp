#include "cli/json.h"

#include <cstdio>

#include "core/ansi_text.h"

namespace pfedit::cli {

std::string JsonString(std::string_view bytes) {
  // Escaped after decoding: a byte that a double-byte code page uses as the
  // second half of a character is then never taken for a quote or backslash.
  const std::string text = AnsiToUtf8(bytes);
  std::string out = "\"";
  out.reserve(text.size() + 2);
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

}  // namespace pfedit::cli
