// The parameter grid on a generated 1500-row list, each figure next to its
// floor: reading the same file's bytes into records. Loading the grid, the
// whole check (sort, scans, stored records) and a snapshot taken and put
// back should each stay a small multiple of that floor.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_support.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/table_model.h"
#include "editor/frm_pr_file_edit.h"
#include "editor/grid_layout.h"
#include "editor/parameter_check.h"
#include "editor/parameter_grid.h"
#include "paramfile/parameter_file.h"
#include "tools/gendata.h"

namespace {

using namespace pfedit;

// The generator spreads the rows over every Pr; up to 1038 rows they are
// unique and the check passes, beyond they repeat and it marks duplicates.
struct List {
  explicit List(int rows) : bytes(gendata::ParameterFileText(0, rows)) {
    ParameterReadResult read = ReadParameterText(bytes, '.');
    buffer.ParameterList = std::move(read.records);
    buffer.RecordCount = static_cast<int16_t>(buffer.ParameterList.size());
  }
  std::string bytes;
  EditBuffer buffer;
};

const List& ListOf(int rows) {
  static const List big(1500);
  static const List unique(1038);
  return rows == 1500 ? big : unique;
}

void BM_ReadRecordsFloor(benchmark::State& state) {
  const List& list = ListOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const ParameterReadResult read = ReadParameterText(list.bytes, '.');
    benchmark::DoNotOptimize(read.records.data());
  }
}
BENCHMARK(BM_ReadRecordsFloor)->Arg(1500)->Unit(benchmark::kMicrosecond);

void BM_LoadGrid(benchmark::State& state) {
  const List& list = ListOf(static_cast<int>(state.range(0)));
  TableModel grid;
  editor::SetUpParameterGrid(grid);
  for (auto _ : state) {
    benchmark::DoNotOptimize(editor::LoadGrid(grid, list.buffer, '.').data());
  }
  state.counters["rows"] = grid.RowCount();
}
BENCHMARK(BM_LoadGrid)->Arg(1500)->Unit(benchmark::kMicrosecond);

// What the button does: the check, and for a list that passes its records.
// The 1500-row list cannot pass (there are only 1038 parameter numbers), so
// its records are built anyway to time the whole path.
void BM_CheckAndStore(benchmark::State& state) {
  const List& list = ListOf(static_cast<int>(state.range(0)));
  TableModel grid;
  editor::SetUpParameterGrid(grid);
  std::size_t faults = 0;
  for (auto _ : state) {
    state.PauseTiming();
    editor::LoadGrid(grid, list.buffer, '.');  // unsorted again
    state.ResumeTiming();
    const editor::ParameterCheckResult result = editor::CheckParameterGrid(grid, '.');
    const std::vector<ParameterRecord> records = editor::StoreParameterList(grid, '.');
    benchmark::DoNotOptimize(records.data());
    faults = result.faults.size();
  }
  state.counters["rows"] = grid.RowCount();
  state.counters["faults"] = static_cast<double>(faults);
}
BENCHMARK(BM_CheckAndStore)->Arg(1038)->Arg(1500)->Unit(benchmark::kMicrosecond);

void BM_SnapshotTakeAndRestore(benchmark::State& state) {
  const List& list = ListOf(static_cast<int>(state.range(0)));
  TableModel grid;
  editor::SetUpParameterGrid(grid);
  editor::LoadGrid(grid, list.buffer, '.');
  for (auto _ : state) {
    const editor::GridSnapshot snapshot = editor::TakeGridSnapshot(grid);
    editor::RestoreGridSnapshot(grid, snapshot);
  }
}
BENCHMARK(BM_SnapshotTakeAndRestore)->Arg(1500)->Unit(benchmark::kMicrosecond);

// What a loaded grid keeps on the heap, against the bytes of the file it came
// from: held is the whole grid, empty what a set-up grid holds before any
// row, so that held - empty is what the rows cost.
void BM_GridMemory(benchmark::State& state) {
  const List& list = ListOf(static_cast<int>(state.range(0)));
  bench::PeakHeap::Use empty;
  bench::PeakHeap::Use loaded;
  for (auto _ : state) {
    const bench::PeakHeap heap;
    TableModel grid;
    editor::SetUpParameterGrid(grid);
    empty = heap.Since();
    editor::LoadGrid(grid, list.buffer, '.');
    loaded = heap.Since();
  }
  const auto file_bytes = static_cast<double>(list.bytes.size());
  state.counters["file_bytes"] = file_bytes;
  state.counters["empty_bytes"] = static_cast<double>(empty.held);
  state.counters["held_bytes"] = static_cast<double>(loaded.held);
  state.counters["new_blocks"] = static_cast<double>(loaded.blocks);
  state.counters["held/file"] = static_cast<double>(loaded.held) / file_bytes;
  state.counters["rows/file"] = static_cast<double>(loaded.held - empty.held) / file_bytes;
}
BENCHMARK(BM_GridMemory)->Arg(1500)->Unit(benchmark::kMicrosecond);

// Answers every box with OK and keeps the clipboard in memory.
class QuietDesktop final : public Desktop {
 public:
  Answer ShowMessage(const MessageBox&) override { return Answer::kOk; }
  void SetWaitCursor(bool) override {}
  std::string ClipboardText() override { return clipboard; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  std::string ChooseFile(const FileDialogRequest&) override { return {}; }
  bool OpenHelp(const std::string&) override { return true; }
  void RunModal(DialogLogic& dialog) override { dialog.Form_QueryUnload(); }
  void ShowPopupMenu(PopupMenu, int, int) override {}
  std::string clipboard;
};

// Copy of every visible cell of the list, pasted back over it: the Edit
// menu's path with its snapshot and the change rules of every cell.
void BM_CopyAndPasteWholeList(benchmark::State& state) {
  const List& list = ListOf(static_cast<int>(state.range(0)));
  EditorState editor_state;
  QuietDesktop desktop;
  editor::frmPrFileEdit form(editor_state, desktop, '.');
  form.Form_Load(".");
  editor_state.Buffer = list.buffer;
  form.ShowParameterList();
  form.MenuSet(1);
  form.MenuSet(4);
  TableModel& grid = form.sprParaList;
  for (auto _ : state) {
    grid.SetActiveCell(editor::kColName, 1);
    grid.SetSelection({editor::kColName, editor::kLastVisibleColumn, 1, grid.RowCount()});
    form.Invoke(editor::MenuItem::mnuEditCopy);
    grid.SetSelection({editor::kColName, editor::kColName, 1, 1});
    form.mnuEdit_Click();
    form.Invoke(editor::MenuItem::mnuEditPaste);
  }
  state.counters["cells"] = grid.RowCount() * (editor::kLastVisibleColumn - 1);
}
BENCHMARK(BM_CopyAndPasteWholeList)->Arg(1500)->Unit(benchmark::kMillisecond);

}  // namespace
