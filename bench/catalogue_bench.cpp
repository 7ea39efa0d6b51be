// Reading a 256-model catalogue, next to its floor and to the per-key way the
// platform's profile service reads it:
// - BM_CatalogueRead: read, index and validate the file, as the editor does;
// - BM_LineScanFloor: the same file read into memory and split into lines
//   with memchr, the least any reader of it must do;
// - BM_CatalogueParse / BM_LineScanInMemory: the same two without the file
//   access, over bytes already in memory; BM_ProfileIndex, the index alone;
// - BM_ModelsCopyFloor: a copy of the 256 finished records, what building
//   them costs whatever the parser;
// - BM_PerKeyBaseline: the same reader over a profile that opens, scans and
//   closes the file for every key, as the service does.

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/profile.h"
#include "core/platform.h"
#include "oracle/profile_scan.h"
#include "tools/gendata.h"

namespace {

using namespace pfedit;

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

std::size_t CountLines(const std::string& bytes) {
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

void Expect256(benchmark::State& state, const CatalogueReadResult& result) {
  if (result.status != 0 || result.models.size() != kModels) state.SkipWithError("read failed");
}

void BM_CatalogueRead(benchmark::State& state) {
  const Folder& folder = Shared();
  for (auto _ : state) {
    const CatalogueReadResult result = ReadCatalogueFile(folder.file, '.');
    Expect256(state, result);
    benchmark::DoNotOptimize(result.models.data());
  }
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
  for (auto _ : state) {
    const CatalogueReadResult result = ReadCatalogueText(folder.bytes, '.');
    Expect256(state, result);
    benchmark::DoNotOptimize(result.models.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * folder.bytes.size()));
}
BENCHMARK(BM_CatalogueParse);

// The one-pass index alone, without the reader's lookups and records.
void BM_ProfileIndex(benchmark::State& state) {
  const Folder& folder = Shared();
  for (auto _ : state) {
    const ProfileIndex index(folder.bytes);
    benchmark::DoNotOptimize(index.Find("Model_256", "ModelName"));
  }
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
  for (auto _ : state) {
    ModelCatalogue copy = models;
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_ModelsCopyFloor);

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

}  // namespace
