#pragma once

// Just enough JSON for the command-line tool's output. Strings are the
// file's bytes: only quotes, backslashes and control characters are escaped,
// nothing is re-encoded.

#include <string>
#include <string_view>

namespace pfedit::cli {

std::string JsonString(std::string_view bytes);

}  // namespace pfedit::cli
