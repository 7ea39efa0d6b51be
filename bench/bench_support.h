#pragma once

// What every benchmark program here shares: the floor scan, a heap meter and
// the ratios printed after the runs. A time on its own says little on a
// shared machine; the ratio of a reader to its floor, both measured in the
// same run, is what a change is judged by.

#include <cstddef>
#include <string_view>

namespace pfedit::bench {

// Splits the bytes into lines with memchr and counts them: the least any
// reader of a line-based file does with its bytes.
std::size_t CountLines(std::string_view bytes);

// The heap in use above the level at construction, at its highest since and
// now, and the blocks allocated since: every operator new and delete of the
// program is counted (not the C library's malloc, which Qt's containers use).
class PeakHeap {
 public:
  struct Use {
    std::size_t bytes = 0;
    std::size_t blocks = 0;
    std::size_t held = 0;
  };
  PeakHeap();
  Use Since() const;

 private:
  std::size_t base_;
  std::size_t blocks_;
};

enum class Clock { kCpu, kReal };

// After the runs, prints the time per iteration of `name` divided by that of
// `floor` (both as full benchmark names). Returns true, so that a file can
// register its ratios with namespace-scope constants.
bool RegisterRatio(const char* name, const char* floor, Clock clock = Clock::kCpu);

}  // namespace pfedit::bench
