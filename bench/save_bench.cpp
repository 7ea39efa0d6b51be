// File > Save of a new model read from a 1500-record file (1038 rows in the
// grid, the most a list can hold) into a generated 256-model folder,
// the editor's whole command (check, placement, questions answered at once,
// the look for someone else's change, both files through temporary names):
// - BM_SaveNewModel/flush:0: with a file system that does not flush, the
//   program's own work; /flush:1 the same with the real, flushing one, so the
//   difference is the flushes;
// - BM_SaveFloor: the bytes the save writes (the parameter file and the
//   catalogue) written plainly to fresh files and renamed into place, the
//   least any save must do;
// - BM_CliImport: pfedit-cli import --yes of the same model as an export
//   file into a 255-model folder, with flushes, which reads the catalogue
//   and the file first.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "cli/commands.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"
#include "core/paths.h"
#include "editor/catalogue_io.h"
#include "editor/parameter_check.h"
#include "editor/parameter_file_io.h"
#include "editor/parameter_grid.h"
#include "editor/save_command.h"
#include "models/frm_model_add.h"
#include "paramfile/parameter_file.h"
#include "tools/gendata.h"

namespace {

using namespace pfedit;

constexpr int kModels = 256;
constexpr int kRows = 1500;

// The real file system without the flushes: a new file is written and
// closed, a rename is not made durable.
class UnflushedFileSystem final : public FileSystem {
 public:
  int Attributes(const std::string& path) override { return real_.Attributes(path); }
  FileResult ReadAll(const std::string& path, std::string* bytes) override {
    return real_.ReadAll(path, bytes);
  }
  FileResult CreateNew(const std::string& path, std::string_view bytes,
                       const std::string&) override {
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (file == nullptr) return FileResult{FileOutcome::kExists, "taken"};
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok ? FileResult{} : FileResult{FileOutcome::kFailed, "write"};
  }
  FileResult Replace(const std::string& from, const std::string& to) override {
    return real_.Replace(from, to);
  }
  FileResult SyncFolder(const std::string&) override { return FileResult{}; }
  bool Remove(const std::string& path) override { return real_.Remove(path); }
  std::string FinalPath(const std::string& path) override { return real_.FinalPath(path); }

 private:
  FileSystem& real_ = RealFileSystem();
};

// Says OK and Yes to everything; the list position dialog places the model
// where it opens.
class AgreeingDesktop final : public Desktop {
 public:
  Answer ShowMessage(const MessageBox& box) override {
    return box.buttons == Buttons::kYesNo ? Answer::kYes : Answer::kOk;
  }
  void RunModal(DialogLogic& dialog) override {
    static_cast<models::frmModelAdd&>(dialog).CmdOK_Click();
  }
  void SetWaitCursor(bool) override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
  std::string ChooseFile(const FileDialogRequest&) override { return {}; }
  bool OpenHelp(const std::string&) override { return false; }
  void ShowPopupMenu(PopupMenu, int, int) override {}
};

class Window final : public editor::SaveWindow {
 public:
  explicit Window(EditorState& state) : state_(state) {}
  int ParameterRowCount() override { return grid.RowCount(); }
  bool RunParameterCheck() override {
    if (!editor::CheckParameterGrid(grid, '.').Passed()) return false;
    state_.Buffer.ParameterList = editor::StoreParameterList(grid, '.');
    state_.Buffer.RecordCount = static_cast<int16_t>(state_.Buffer.ParameterList.size());
    return true;
  }
  void MenuSet(int) override {}
  void SetMainCaption(std::string_view, int) override {}
  void DisableSave() override {}
  TableModel grid;

 private:
  EditorState& state_;
};

struct Folder {
  explicit Folder(int models) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("pfedit-save-bench-" + std::to_string(std::random_device()()));
    folder = path.string();
    gendata::WriteSampleFolder(folder, models, kRows);
  }
  ~Folder() {
    std::error_code error;
    std::filesystem::remove_all(folder, error);
  }
  std::string folder;
};

Folder& Shared() {
  static Folder folder(kModels);
  return folder;
}

// The editor after File > Folder and Model > New from the first model, with
// a new identity and parameter file name, its list in the grid.
struct Editor {
  Editor() : window(state) {
    const std::string& folder = Shared().folder;
    state.EditFolder = folder;
    ReadCatalogue(state, desktop, folder, CatalogueMode::kFolder);
    catalogue = state.Catalogue;
    ModelRecord& model = state.Buffer.EditModel;
    model = state.Catalogue.at(0);
    ReadParameterFile(state, desktop, JoinPath(folder, model.ParamFile));
    model.ModelName = "BENCH-NEW";
    model.ModelCode1 = "0x7F000000";
    model.ParamFile = "bench_new.vfd";
    // Only 1038 numbers exist (0 to 999, and 902 to 939 as second
    // parameters), so a list of more rows never passes the check: the
    // records that repeat a number are kept in the file but hidden.
    std::set<std::string> seen;
    for (ParameterRecord& record : state.Buffer.ParameterList) {
      if (!seen.insert(record.ParamNo).second) record.DisplayCode = "5";
    }
    editor::SetUpParameterGrid(window.grid);
    editor::LoadGrid(window.grid, state.Buffer, '.');
  }
  // Back to the unsaved new model; the files on disk stay as the last save
  // left them, and so do the fingerprints that describe them.
  void Reset() {
    state.Catalogue = catalogue;
    state.EditMode = kEditModeNew;
    state.Buffer.EditModel.ModelName = "BENCH-NEW";
  }

  EditorState state;
  AgreeingDesktop desktop;
  Window window;
  ModelCatalogue catalogue;
};

void BM_SaveNewModel(benchmark::State& bench_state) {
  Editor editor;
  UnflushedFileSystem unflushed;
  FileSystem& files = bench_state.range(0) != 0 ? RealFileSystem() : unflushed;
  for (auto _ : bench_state) {
    bench_state.PauseTiming();
    editor.Reset();
    bench_state.ResumeTiming();
    if (editor::RunSaveCommand(editor.state, editor.desktop, editor.window, files) !=
        editor::SaveOutcome::kSavedNew) {
      bench_state.SkipWithError("save failed");
      break;
    }
  }
}
BENCHMARK(BM_SaveNewModel)
    ->ArgName("flush")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_SaveFloor(benchmark::State& bench_state) {
  Editor editor;
  const std::string list = ParameterFileText(editor.state.Buffer.ParameterList);
  ModelCatalogue catalogue = editor.catalogue;
  catalogue.push_back(editor.state.Buffer.EditModel);
  const std::string text = FormatCatalogue(catalogue);
  const std::string folder = Shared().folder + "/floor";
  std::filesystem::create_directories(folder);
  for (auto _ : bench_state) {
    for (const auto* bytes : {&list, &text}) {
      const std::string target = folder + (bytes == &list ? "/list" : "/catalogue");
      std::FILE* file = std::fopen((target + "~0").c_str(), "wb");
      std::fwrite(bytes->data(), 1, bytes->size(), file);
      std::fclose(file);
      std::rename((target + "~0").c_str(), target.c_str());
    }
  }
}
BENCHMARK(BM_SaveFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliImport(benchmark::State& bench_state) {
  Editor editor;
  // One model less: the import adds one, and a catalogue holds 256.
  const Folder target(kModels - 1);
  const std::string in = target.folder + "/bench.vf_";
  {
    std::FILE* file = std::fopen(in.c_str(), "wb");
    const std::string bytes = ParameterFileText(editor.state.Buffer.ParameterList) +
                              FormatExportSection(editor.state.Buffer.EditModel, kClassSmall);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  for (auto _ : bench_state) {
    std::ostringstream out;
    if (cli::RunCli({"import", target.folder, in, "--yes"}, out, out) != 0) {
      bench_state.SkipWithError(out.str().c_str());
      break;
    }
  }
}
BENCHMARK(BM_CliImport)->Unit(benchmark::kMillisecond)->UseRealTime();

const bool kRatios[] = {
    bench::RegisterRatio("BM_SaveNewModel/flush:0/real_time", "BM_SaveFloor/real_time",
                         bench::Clock::kReal),
    bench::RegisterRatio("BM_SaveNewModel/flush:1/real_time", "BM_SaveNewModel/flush:0/real_time",
                         bench::Clock::kReal),
    // On a busy machine the processor time of the same runs says more.
    bench::RegisterRatio("BM_SaveNewModel/flush:0/real_time", "BM_SaveFloor/real_time"),
};

}  // namespace
