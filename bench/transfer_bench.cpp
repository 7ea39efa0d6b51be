// Export and import of one model of a generated 256-model folder whose lists
// hold 1038 records (every parameter number once: the longest list that
// passes the check), through the functions pfedit-cli runs:
// - BM_ExportUnflushed: pfedit-cli export (catalogue read, list read, check,
//   export text, write through a temporary and a rename) on a file system
//   that never flushes: the program's own work;
// - BM_ExportDurable: the same with the flushes to the disk;
// - BM_ExportFloor: what any export must do with the disk: read the two
//   files, split them into lines and write the export file's bytes, unflushed;
// - BM_ImportRead: ReadExportFile, the reading half of pfedit-cli import and
//   of File > Import (both readers and the model's rules), next to
//   BM_ImportFloor, the export file read and split into lines.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "bench_support.h"
#include "catalogue/catalogue_reader.h"
#include "cli/commands.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/platform.h"
#include "editor/import_export.h"
#include "tools/gendata.h"

namespace {

using namespace pfedit;
using bench::CountLines;

constexpr int kModels = 256;
constexpr int kRecords = 1038;

// The real file system without a single flush.
class UnflushedFileSystem final : public FileSystem {
 public:
  int Attributes(const std::string& path) override { return platform::FileAttributes(path); }
  FileResult ReadAll(const std::string& path, std::string* bytes) override {
    return platform::ReadWholeFile(path, bytes);
  }
  FileResult CreateNew(const std::string& path, std::string_view bytes,
                       const std::string&) override {
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
      return {FileOutcome::kExists, "exists"};
    }
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out ? FileResult{} : FileResult{FileOutcome::kFailed, "write failed"};
  }
  FileResult Replace(const std::string& from, const std::string& to) override {
    return platform::MoveOver(from, to);
  }
  FileResult SyncFolder(const std::string&) override { return {}; }
  bool Remove(const std::string& path) override { return platform::RemoveFile(path); }
  std::string FinalPath(const std::string& path) override { return platform::FinalPath(path); }
};

// Answers every box; the benchmarks only run paths that show none.
class SilentDesktop final : public Desktop {
 public:
  Answer ShowMessage(const MessageBox&) override { return Answer::kOk; }
  void SetWaitCursor(bool) override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
  std::string ChooseFile(const FileDialogRequest&) override { return {}; }
  bool OpenHelp(const std::string&) override { return false; }
  void RunModal(DialogLogic&) override {}
  void ShowPopupMenu(PopupMenu, int, int) override {}
};

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
};

struct Folder {
  Folder() {
    const auto path = std::filesystem::temp_directory_path() /
                      ("pfedit-transfer-bench-" + std::to_string(std::random_device()()));
    folder = path.string();
    gendata::WriteSampleFolder(folder, kModels, kRecords);
    catalogue = CatalogueFilePath(folder);
    list = (path / gendata::ParameterFileNames(0).front()).string();
    out = (path / "out.vf_").string();
    std::ostringstream ignored;
    cli::RunExport({folder, "1", out}, ignored, ignored);
    platform::ReadWholeFile(out, &exported);
  }
  ~Folder() {
    std::error_code error;
    std::filesystem::remove_all(folder, error);
  }
  std::string folder;
  std::string catalogue;
  std::string list;
  std::string out;
  std::string exported;
};

Folder& Shared() {
  static Folder folder;
  return folder;
}

void Export(benchmark::State& state, FileSystem& files) {
  const Folder& folder = Shared();
  NullBuffer null;
  std::ostream sink(&null);
  for (auto _ : state) {
    if (cli::RunExportWith({folder.folder, "1", folder.out}, sink, sink, files) != 0) {
      state.SkipWithError("export failed");
    }
  }
}

void BM_ExportUnflushed(benchmark::State& state) {
  UnflushedFileSystem files;
  Export(state, files);
}
BENCHMARK(BM_ExportUnflushed)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportDurable(benchmark::State& state) {
  Export(state, RealFileSystem());
}
BENCHMARK(BM_ExportDurable)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportFloor(benchmark::State& state) {
  const Folder& folder = Shared();
  for (auto _ : state) {
    std::string catalogue;
    std::string list;
    platform::ReadWholeFile(folder.catalogue, &catalogue);
    platform::ReadWholeFile(folder.list, &list);
    benchmark::DoNotOptimize(CountLines(catalogue) + CountLines(list));
    std::ofstream out(folder.out, std::ios::binary | std::ios::trunc);
    out.write(folder.exported.data(), static_cast<std::streamsize>(folder.exported.size()));
  }
}
BENCHMARK(BM_ExportFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportRead(benchmark::State& state) {
  const Folder& folder = Shared();
  SilentDesktop desktop;
  for (auto _ : state) {
    EditorState editor;
    if (ReadExportFile(editor, desktop, folder.out) != kStatusOk) {
      state.SkipWithError("import failed");
    }
  }
}
BENCHMARK(BM_ImportRead)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportFloor(benchmark::State& state) {
  const Folder& folder = Shared();
  for (auto _ : state) {
    std::string bytes;
    platform::ReadWholeFile(folder.out, &bytes);
    benchmark::DoNotOptimize(CountLines(bytes));
  }
}
BENCHMARK(BM_ImportFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

// The program's own work is judged by CPU time, which a busy machine
// disturbs least; the flushes only by the time that passes.
[[maybe_unused]] const bool kRatios[] = {
    bench::RegisterRatio("BM_ExportUnflushed/real_time", "BM_ExportFloor/real_time"),
    bench::RegisterRatio("BM_ExportDurable/real_time", "BM_ExportUnflushed/real_time",
                         bench::Clock::kReal),
    bench::RegisterRatio("BM_ImportRead/real_time", "BM_ImportFloor/real_time"),
};

}  // namespace
