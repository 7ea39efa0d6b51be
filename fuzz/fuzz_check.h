#pragma once

// An invariant of a fuzz target: a broken one stops the fuzzer with a note
// of what broke, so the crash input is kept.

#include <cstdio>
#include <cstdlib>

namespace pfedit::fuzz {

inline void Check(bool condition, const char* what = "invariant") {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

}  // namespace pfedit::fuzz
