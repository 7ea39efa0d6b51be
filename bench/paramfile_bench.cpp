// Reading and writing a 2000-record parameter file, each next to its floor:
// - BM_ReadFloor: the file read into memory and split into lines with
//   memchr, as the catalogue's floor does; BM_ReadParameterFile reads and
//   checks every record;
// - BM_FormatParameterFile: the text of the records (CPU only), next to
//   BM_RecordsCopyFloor, a copy of the records, which touches every field as
//   the formatter must (and BM_ReadParameterFile must build them);
// - BM_WriteParameterFile: the editor's write of fresh, unquoted records
//   (quoting, formatting and the durable write), next to
//   BM_WriteFloorDurable, the same bytes written the same way; the flush to
//   the disk dominates both, so the formatting is measured apart above;
// - BM_WriteFloorPlain / BM_FormatAndWritePlain: the same without the flush.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/platform.h"
#include "core/safe_write.h"
#include "paramfile/parameter_file.h"

namespace {

constexpr int kRecords = 2000;

// Records as a real model has them: mostly first parameters with short
// names, some names and ranges with commas, some without initial value, the
// second parameters at the end.
std::vector<pfedit::ParameterRecord> SampleRecords() {
  std::vector<pfedit::ParameterRecord> records;
  records.reserve(kRecords);
  for (int i = 0; i < kRecords; ++i) {
    pfedit::ParameterRecord r;
    const int number = i < kRecords - 38 ? i % 1000 : 2902 + (i - (kRecords - 38));
    r.ParamNo = std::to_string(number);
    r.ParamName = i % 7 == 0 ? "Output frequency, terminal " + std::to_string(i)
                             : "Parameter " + std::to_string(i);
    r.InitialValue = i % 11 == 0 ? -1 : (i * 37) % 65536;
    r.Digit = static_cast<int16_t>(i % 4);
    r.UnitIndex = static_cast<int16_t>(i % 23);
    r.SettingRange = i % 5 == 0 ? "0, 1, 2, 3" : "0-400Hz";
    r.SpecialCode = static_cast<int16_t>(i % 4);
    r.SortKey = std::to_string(number + pfedit::kSortKeyOffset);
    r.DisplayCode = i % 13 == 0 ? "256" : "0";
    r.FunctionCode = (i * 257) % 65536;
    r.Aux1 = r.Aux2 = r.Aux3 = r.Aux4 = r.Aux5 = "0";
    r.Aux6 = r.Aux7 = r.Aux8 = "NULL";
    r.WriteOrder = 10;
    r.Attribute = static_cast<int16_t>(i % 3 == 0 ? 16 : 0);
    records.push_back(std::move(r));
  }
  return records;
}

struct Files {
  Files() {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("pfedit-bench-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(folder);
    this->folder = folder.string();
    source = (folder / "source.vfd").string();
    target = (folder / "target.vfd").string();
    records = SampleRecords();
    bytes = pfedit::ParameterFileText(records);
    pfedit::platform::CreateFileDurably(source, bytes, "");
  }
  ~Files() {
    std::error_code error;
    std::filesystem::remove_all(folder, error);
  }
  std::string folder;
  std::string source;
  std::string target;
  std::vector<pfedit::ParameterRecord> records;
  std::string bytes;
};

Files& Shared() {
  static Files files;
  return files;
}

void BM_ReadFloor(benchmark::State& state) {
  Files& files = Shared();
  for (auto _ : state) {
    std::string bytes;
    pfedit::platform::ReadWholeFile(files.source, &bytes);
    benchmark::DoNotOptimize(pfedit::bench::CountLines(bytes));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * files.bytes.size()));
}
BENCHMARK(BM_ReadFloor);

void BM_ReadParameterFile(benchmark::State& state) {
  Files& files = Shared();
  for (auto _ : state) {
    const pfedit::ParameterReadResult result = pfedit::ReadParameterFileAt(files.source);
    if (result.status != 0 || result.records_read != kRecords) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(result.records.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * files.bytes.size()));
}
BENCHMARK(BM_ReadParameterFile);

// What building the 2000 records alone costs: a copy of a finished list.
void BM_RecordsCopyFloor(benchmark::State& state) {
  Files& files = Shared();
  for (auto _ : state) {
    std::vector<pfedit::ParameterRecord> copy = files.records;
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_RecordsCopyFloor);

void BM_FormatParameterFile(benchmark::State& state) {
  const Files& files = Shared();
  for (auto _ : state) {
    const std::string text = pfedit::ParameterFileText(files.records);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * files.bytes.size()));
}
BENCHMARK(BM_FormatParameterFile);

void BM_WriteFloorDurable(benchmark::State& state) {
  Files& files = Shared();
  for (auto _ : state) {
    const pfedit::SafeWriteResult written =
        pfedit::WriteViaTemporary(pfedit::RealFileSystem(), files.target, files.bytes);
    if (written.status != 0) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_WriteFloorDurable)->UseRealTime();

// The writer takes its records as const, so every iteration formats the same
// unquoted records.
void BM_WriteParameterFile(benchmark::State& state) {
  Files& files = Shared();
  for (auto _ : state) {
    if (pfedit::WriteParameterFile(pfedit::RealFileSystem(), files.target, files.records).status !=
        0) {
      state.SkipWithError("write failed");
    }
  }
}
BENCHMARK(BM_WriteParameterFile)->UseRealTime();

// Without the flush to the disk: what formatting costs next to a bare write.
void BM_WriteFloorPlain(benchmark::State& state) {
  Files& files = Shared();
  for (auto _ : state) {
    std::ofstream out(files.target, std::ios::binary | std::ios::trunc);
    out.write(files.bytes.data(), static_cast<std::streamsize>(files.bytes.size()));
  }
}
BENCHMARK(BM_WriteFloorPlain)->UseRealTime();

void BM_FormatAndWritePlain(benchmark::State& state) {
  Files& files = Shared();
  for (auto _ : state) {
    const std::string text = pfedit::ParameterFileText(files.records);
    std::ofstream out(files.target, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
}
BENCHMARK(BM_FormatAndWritePlain)->UseRealTime();

[[maybe_unused]] const bool kRatios[] = {
    pfedit::bench::RegisterRatio("BM_ReadParameterFile", "BM_ReadFloor"),
    pfedit::bench::RegisterRatio("BM_FormatParameterFile", "BM_RecordsCopyFloor"),
    pfedit::bench::RegisterRatio("BM_WriteParameterFile/real_time",
                                 "BM_WriteFloorDurable/real_time", pfedit::bench::Clock::kReal),
    pfedit::bench::RegisterRatio("BM_FormatAndWritePlain/real_time", "BM_WriteFloorPlain/real_time",
                                 pfedit::bench::Clock::kReal),
};

}  // namespace
