#pragma once

// An invariant of a fuzz target: a broken one stops the fuzzer with a note
// of what broke, so the crash input is kept.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/records.h"
#include "core/text_services.h"

namespace pfedit::fuzz {

inline void Check(bool condition, const char* what = "invariant") {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

inline std::string_view AsText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Digits and points only: what reading under a point locale leaves alone.
inline bool IsPointNumber(std::string_view value) {
  return NormalizeDecimal(value, '.').empty();
}

inline bool All(const TextList& list, bool (*test)(std::string_view)) {
  return std::all_of(list.begin(), list.end(), [test](const std::string& v) { return test(v); });
}

}  // namespace pfedit::fuzz
