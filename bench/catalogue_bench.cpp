// Reading a 256-model catalogue, next to its floor and to the per-key way the
// platform's profile service reads it:
// - BM_CatalogueRead: read, index and validate the file with the locale's
//   decimal separator, as the editor does; heap_x_file is its peak heap over
//   the file size;
// - BM_LineScanFloor: the same file read into memory and split into lines
//   with memchr, the least any reader of it must do;
// - BM_CatalogueParse / BM_LineScanInMemory: the same two without the file
//   access, over bytes already in memory; BM_ProfileIndex, the index alone
//   (every header, and the keys of the one section asked for);
// - BM_ModelsCopyFloor: a copy of the 256 finished records, what building
//   them costs whatever the parser;
// - BM_CliListJson: pfedit-cli list --json on the folder, output discarded;
// - BM_IndexNames/plain and /fold_pairs: 40000 section names made of letters,
//   and of pairs that differ only in bit 5 ('@' and '`', '[' and '{'); the
//   two must cost alike (probes_per_name shows the table's work);
// - BM_PerKeyBaseline: the same reader over a profile that opens, scans and
//   closes the file for every key, as the service does.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <random>
#include <streambuf>
#include <string>
#include <vector>

#include "bench_support.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/profile.h"
#include "cli/commands.h"
#include "core/platform.h"
#include "oracle/profile_scan.h"
#include "tools/gendata.h"

namespace {

using namespace pfedit;
using bench::CountLines;
using bench::PeakHeap;

constexpr int kModels = 256;

struct Folder {
  Folder() {
    const auto path = std::filesystem::temp_directory_path() /
                      ("pfedit-catalogue-bench-" + std::to_string(std::random_device()()));
    folder = path.string();
    gendata::WriteSampleFolder(folder, kModels, 1);
    file = CatalogueFilePath(folder);
    platform::ReadWholeFile(file, &bytes);
  }
  ~Folder() {
    std::error_code error;
    std::filesystem::remove_all(folder, error);
  }
  std::string folder;
  std::string file;
  std::string bytes;
};

Folder& Shared() {
  static Folder folder;
  return folder;
}

// Every lookup reads the whole file again and scans it from the start. The
// answers point into the text of the latest read, which lasts until the next.
class FilePerKeyProfile final : public Profile {
 public:
  explicit FilePerKeyProfile(std::string path) : path_(std::move(path)) {}
  std::vector<std::string_view> SectionNames() const override {
    platform::ReadWholeFile(path_, &names_text_);
    return test::ProfileScan(names_text_).SectionNames();
  }
  std::optional<std::string_view> Find(std::string_view section,
                                       std::string_view key) const override {
    platform::ReadWholeFile(path_, &key_text_);
    return test::ProfileScan(key_text_).Find(section, key);
  }

 private:
  std::string path_;
  mutable std::string names_text_;
  mutable std::string key_text_;
};

// Output nobody reads.
class NullBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

void Expect256(benchmark::State& state, const CatalogueReadResult& result) {
  if (result.status != 0 || result.models.size() != kModels) state.SkipWithError("read failed");
}

// The peak heap of the latest iteration over the size of the file, and the
// blocks it allocated per model.
void ReportHeap(benchmark::State& state, const PeakHeap::Use& use) {
  state.counters["heap_x_file"] =
      static_cast<double>(use.bytes) / static_cast<double>(Shared().bytes.size());
  state.counters["blocks_per_model"] = static_cast<double>(use.blocks) / kModels;
}

void BM_CatalogueRead(benchmark::State& state) {
  const Folder& folder = Shared();
  PeakHeap::Use peak;
  for (auto _ : state) {
    const PeakHeap heap;
    const CatalogueReadResult result =
        ReadCatalogueFile(folder.file, platform::LocaleDecimalSeparator());
    peak = heap.Since();
    Expect256(state, result);
    benchmark::DoNotOptimize(result.models.data());
  }
  ReportHeap(state, peak);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * folder.bytes.size()));
}
BENCHMARK(BM_CatalogueRead);

void BM_LineScanFloor(benchmark::State& state) {
  const Folder& folder = Shared();
  for (auto _ : state) {
    std::string bytes;
    platform::ReadWholeFile(folder.file, &bytes);
    benchmark::DoNotOptimize(CountLines(bytes));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * folder.bytes.size()));
}
BENCHMARK(BM_LineScanFloor);

void BM_CatalogueParse(benchmark::State& state) {
  const Folder& folder = Shared();
  PeakHeap::Use peak;
  for (auto _ : state) {
    const PeakHeap heap;
    const CatalogueReadResult result = ReadCatalogueText(folder.bytes, '.');
    peak = heap.Since();
    Expect256(state, result);
    benchmark::DoNotOptimize(result.models.data());
  }
  ReportHeap(state, peak);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * folder.bytes.size()));
}
BENCHMARK(BM_CatalogueParse);

// The index alone, without the reader's lookups and records.
void BM_ProfileIndex(benchmark::State& state) {
  const Folder& folder = Shared();
  PeakHeap::Use peak;
  for (auto _ : state) {
    const PeakHeap heap;
    const ProfileIndex index(folder.bytes);
    peak = heap.Since();
    benchmark::DoNotOptimize(index.Find("Model_256", "ModelName"));
  }
  ReportHeap(state, peak);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * folder.bytes.size()));
}
BENCHMARK(BM_ProfileIndex);

void BM_LineScanInMemory(benchmark::State& state) {
  const Folder& folder = Shared();
  for (auto _ : state) benchmark::DoNotOptimize(CountLines(folder.bytes));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * folder.bytes.size()));
}
BENCHMARK(BM_LineScanInMemory);

// What building the 256 records alone costs: a copy of a finished catalogue.
void BM_ModelsCopyFloor(benchmark::State& state) {
  const ModelCatalogue models = ReadCatalogueText(Shared().bytes, '.').models;
  PeakHeap::Use peak;
  for (auto _ : state) {
    const PeakHeap heap;
    ModelCatalogue copy = models;
    peak = heap.Since();
    benchmark::DoNotOptimize(copy.data());
  }
  ReportHeap(state, peak);
}
BENCHMARK(BM_ModelsCopyFloor);

void BM_CliListJson(benchmark::State& state) {
  const Folder& folder = Shared();
  NullBuffer null;
  std::ostream out(&null);
  PeakHeap::Use peak;
  for (auto _ : state) {
    const PeakHeap heap;
    if (cli::RunList({folder.folder, "--json"}, out, out) != 0) state.SkipWithError("list failed");
    peak = heap.Since();
  }
  ReportHeap(state, peak);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * folder.bytes.size()));
}
BENCHMARK(BM_CliListJson);

// 40000 section headers with one key each. Names of 16 characters: a prefix
// and the bits of the number spelled with two characters.
std::string NamesText(char zero, char one) {
  std::string text;
  for (int number = 0; number < 40000; ++number) {
    text += "[n";
    for (int bit = 0; bit < 16; ++bit) text += (number >> bit & 1) ? one : zero;
    text += "]\nk=v\n";
  }
  return text;
}

void BM_IndexNames(benchmark::State& state) {
  const bool fold_pairs = state.range(0) != 0;
  const std::string text = fold_pairs ? NamesText('@', '`') : NamesText('x', 'y');
  std::size_t probes = 0;
  for (auto _ : state) {
    const ProfileIndex index(text);
    probes = index.ProbeCount();
    benchmark::DoNotOptimize(index.Find("n@@@", "k"));
  }
  state.counters["probes_per_name"] = static_cast<double>(probes) / 40000.0;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_IndexNames)->ArgName("fold_pairs")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PerKeyBaseline(benchmark::State& state) {
  const Folder& folder = Shared();
  for (auto _ : state) {
    const FilePerKeyProfile profile(folder.file);
    const CatalogueReadResult result = ReadCatalogueProfile(profile, '.');
    Expect256(state, result);
    benchmark::DoNotOptimize(result.models.data());
  }
}
BENCHMARK(BM_PerKeyBaseline)->Unit(benchmark::kMillisecond)->Iterations(2);

[[maybe_unused]] const bool kRatios[] = {
    bench::RegisterRatio("BM_CatalogueRead", "BM_LineScanFloor"),
    bench::RegisterRatio("BM_CatalogueParse", "BM_LineScanInMemory"),
    bench::RegisterRatio("BM_ProfileIndex", "BM_LineScanInMemory"),
    bench::RegisterRatio("BM_CatalogueParse", "BM_ModelsCopyFloor"),
    bench::RegisterRatio("BM_CliListJson", "BM_LineScanFloor"),
    bench::RegisterRatio("BM_IndexNames/fold_pairs:1", "BM_IndexNames/fold_pairs:0"),
    bench::RegisterRatio("BM_PerKeyBaseline/iterations:2", "BM_CatalogueRead"),
};

}  // namespace
