#include "cli/json.h"

#include <algorithm>
#include <cstdio>

#include "core/ansi_text.h"

namespace pfedit::cli {

std::string JsonString(std::string_view bytes) {
  // Escaped after decoding: a byte that a double-byte code page uses as the
  // second half of a character is then never taken for a quote or backslash.
  // Most texts are ASCII, which decodes to itself.
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  const std::string decoded = ascii ? std::string() : AnsiToUtf8(bytes);
  const std::string_view text = ascii ? bytes : std::string_view(decoded);
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
