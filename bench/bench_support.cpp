#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <string>
#include <vector>

namespace pfedit::bench {

namespace {

// Each block carries its size in front, so that every delete can be counted
// whether or not the caller passes the size.
constexpr std::size_t kHeader = alignof(std::max_align_t);

std::atomic<std::size_t> heap_in_use{0};
std::atomic<std::size_t> heap_peak{0};
std::atomic<std::size_t> heap_blocks{0};

void* Allocate(std::size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) throw std::bad_alloc();
  std::memcpy(block, &size, sizeof size);
  // The benchmarks run on one thread: plain loads and stores of the atomics
  // keep the count cheap, which locked updates would not.
  const auto add = [](std::atomic<std::size_t>& counter, std::size_t amount) {
    const std::size_t now = counter.load(std::memory_order_relaxed) + amount;
    counter.store(now, std::memory_order_relaxed);
    return now;
  };
  add(heap_blocks, 1);
  const std::size_t now = add(heap_in_use, size);
  if (now > heap_peak.load(std::memory_order_relaxed)) {
    heap_peak.store(now, std::memory_order_relaxed);
  }
  return static_cast<char*>(block) + kHeader;
}

void Free(void* pointer) noexcept {
  if (pointer == nullptr) return;
  char* const block = static_cast<char*>(pointer) - kHeader;
  std::size_t size;
  std::memcpy(&size, block, sizeof size);
  heap_in_use.store(heap_in_use.load(std::memory_order_relaxed) - size, std::memory_order_relaxed);
  std::free(block);
}

struct Ratio {
  std::string name;
  std::string floor;
  Clock clock;
};

std::vector<Ratio>& Ratios() {
  static std::vector<Ratio> ratios;
  return ratios;
}

// Prints as the console reporter does and keeps the seconds per iteration of
// every run (the median when runs are repeated).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_None) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
      const std::string name = run.run_name.str();
      if (median || seconds_.count(name) == 0 || run.repetitions <= 1) {
        seconds_[name] = {run.GetAdjustedCPUTime() / unit, run.GetAdjustedRealTime() / unit};
      }
    }
  }

  void PrintRatios() const {
    if (Ratios().empty()) return;
    std::printf("\nratios to the floor of the same run (time per iteration):\n");
    for (const Ratio& ratio : Ratios()) {
      const auto name = seconds_.find(ratio.name);
      const auto floor = seconds_.find(ratio.floor);
      if (name == seconds_.end() || floor == seconds_.end()) continue;
      const bool cpu = ratio.clock == Clock::kCpu;
      const double top = cpu ? name->second.cpu : name->second.real;
      const double bottom = cpu ? floor->second.cpu : floor->second.real;
      if (bottom <= 0) continue;
      std::printf("  %-44s / %-34s %8.2f x (%s)\n", ratio.name.c_str(), ratio.floor.c_str(),
                  top / bottom, cpu ? "cpu" : "real");
    }
  }

 private:
  struct Seconds {
    double cpu;
    double real;
  };
  std::map<std::string, Seconds> seconds_;
};

}  // namespace

std::size_t CountLines(std::string_view bytes) {
  std::size_t lines = 0;
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  while (at < end) {
    const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
    ++lines;
    if (found == nullptr) break;
    at = static_cast<const char*>(found) + 1;
  }
  return lines;
}

PeakHeap::PeakHeap()
    : base_(heap_in_use.load(std::memory_order_relaxed)),
      blocks_(heap_blocks.load(std::memory_order_relaxed)) {
  heap_peak.store(base_, std::memory_order_relaxed);
}

PeakHeap::Use PeakHeap::Since() const {
  const std::size_t in_use = heap_in_use.load(std::memory_order_relaxed);
  return {heap_peak.load(std::memory_order_relaxed) - base_,
          heap_blocks.load(std::memory_order_relaxed) - blocks_,
          in_use > base_ ? in_use - base_ : 0};
}

bool RegisterRatio(const char* name, const char* floor, Clock clock) {
  Ratios().push_back({name, floor, clock});
  return true;
}

}  // namespace pfedit::bench

void* operator new(std::size_t size) {
  return pfedit::bench::Allocate(size);
}
void* operator new[](std::size_t size) {
  return pfedit::bench::Allocate(size);
}
void operator delete(void* pointer) noexcept {
  pfedit::bench::Free(pointer);
}
void operator delete[](void* pointer) noexcept {
  pfedit::bench::Free(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
  pfedit::bench::Free(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
  pfedit::bench::Free(pointer);
}

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  pfedit::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  reporter.PrintRatios();
  return 0;
}
