// The parameter grid with its view attached, offscreen, on a generated
// 1500-row list: what the user waits for when a list loads and first shows,
// when the check sorts and marks it, and when a whole list is pasted. The
// view's share is what these add to the model-only figures of grid_bench.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QScrollBar>
#include <cstddef>
#include <string>

#include "bench_support.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "editor/frm_pr_file_edit.h"
#include "editor/grid_layout.h"
#include "editor/parameter_check.h"
#include "editor/parameter_grid.h"
#include "gui/table/table_view.h"
#include "paramfile/parameter_file.h"
#include "tools/gendata.h"

// Qt's strings and containers take their memory from malloc, which the heap
// meter does not see; this counts every block the C library hands out
// (operator new's included) by standing in front of its allocator.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
}

namespace {
std::size_t malloc_blocks = 0;
}  // namespace

extern "C" void* malloc(std::size_t size) {
  ++malloc_blocks;
  return __libc_malloc(size);
}
extern "C" void* calloc(std::size_t count, std::size_t size) {
  ++malloc_blocks;
  return __libc_calloc(count, size);
}
extern "C" void* realloc(void* pointer, std::size_t size) {
  ++malloc_blocks;
  return __libc_realloc(pointer, size);
}

namespace {

using namespace pfedit;

QApplication& Application() {
  static int argc = 1;
  static char name[] = "grid_view_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  return application;
}

EditBuffer ListOf(int rows) {
  ParameterReadResult read = ReadParameterText(gendata::ParameterFileText(0, rows), '.');
  EditBuffer buffer;
  buffer.ParameterList = std::move(read.records);
  buffer.RecordCount = static_cast<int16_t>(buffer.ParameterList.size());
  return buffer;
}

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

// A window's worth of grid, painted into a pixmap as the screen would be.
struct Screen {
  explicit Screen(TableModel& model) : view(model) { view.resize(1000, 600); }
  void Paint() { benchmark::DoNotOptimize(view.grab().cacheKey()); }
  gui::TableView view;
};

void BM_ViewLoadAndFirstPaint(benchmark::State& state) {
  Application();
  const EditBuffer buffer = ListOf(static_cast<int>(state.range(0)));
  TableModel grid;
  editor::SetUpParameterGrid(grid);
  Screen screen(grid);
  for (auto _ : state) {
    editor::LoadGrid(grid, buffer, '.');
    screen.Paint();
  }
}
BENCHMARK(BM_ViewLoadAndFirstPaint)->Arg(1500)->Unit(benchmark::kMillisecond);

void BM_ViewCheck(benchmark::State& state) {
  Application();
  const EditBuffer buffer = ListOf(static_cast<int>(state.range(0)));
  TableModel grid;
  editor::SetUpParameterGrid(grid);
  Screen screen(grid);
  for (auto _ : state) {
    state.PauseTiming();
    editor::LoadGrid(grid, buffer, '.');
    state.ResumeTiming();
    benchmark::DoNotOptimize(editor::CheckParameterGrid(grid, '.').faults.size());
    screen.Paint();
  }
}
BENCHMARK(BM_ViewCheck)->Arg(1500)->Unit(benchmark::kMillisecond);

// Copy of every visible cell but the Pr, pasted back: the Edit menu's path.
void BM_ViewCopyAndPasteWholeList(benchmark::State& state) {
  Application();
  EditorState editor_state;
  QuietDesktop desktop;
  editor::frmPrFileEdit form(editor_state, desktop, '.');
  form.Form_Load(".");
  editor_state.Buffer = ListOf(static_cast<int>(state.range(0)));
  form.ShowParameterList();
  form.MenuSet(1);
  form.MenuSet(4);
  TableModel& grid = form.sprParaList;
  Screen screen(grid);
  for (auto _ : state) {
    grid.SetActiveCell(editor::kColName, 1);
    grid.SetSelection({editor::kColName, editor::kLastVisibleColumn, 1, grid.RowCount()});
    form.Invoke(editor::MenuItem::mnuEditCopy);
    grid.SetSelection({editor::kColName, editor::kColName, 1, 1});
    form.mnuEdit_Click();
    form.Invoke(editor::MenuItem::mnuEditPaste);
    screen.Paint();
  }
}
BENCHMARK(BM_ViewCopyAndPasteWholeList)->Arg(1500)->Unit(benchmark::kMillisecond);

// Scrolls a loaded list from top to bottom one row at a time, painting the
// window after each step, in a short and a tall window. The view reads the
// model as it paints; what it allocates per paint should not grow with the
// rows it shows, so the blocks per step of both windows should be alike.
// The second argument hides the row headers (0), which Qt's header view
// paints on its own, to tell their share from the cells'.
void BM_ViewScrollTopToBottom(benchmark::State& state) {
  Application();
  const EditBuffer buffer = ListOf(1500);
  TableModel grid;
  editor::SetUpParameterGrid(grid);
  editor::LoadGrid(grid, buffer, '.');
  grid.SetColumnHidden(0, state.range(1) == 0);
  Screen screen(grid);
  screen.view.resize(1000, static_cast<int>(state.range(0)));
  screen.Paint();
  QScrollBar& bar = *screen.view.verticalScrollBar();
  std::size_t new_blocks = 0;
  std::size_t all_blocks = 0;
  int steps = 0;
  for (auto _ : state) {
    bar.setValue(bar.minimum());
    screen.Paint();
    const bench::PeakHeap heap;
    const std::size_t malloc_before = malloc_blocks;
    steps = 0;
    for (int value = bar.minimum() + 1; value <= bar.maximum(); ++value, ++steps) {
      bar.setValue(value);
      screen.Paint();
    }
    new_blocks = heap.Since().blocks;
    all_blocks = malloc_blocks - malloc_before;
  }
  const int visible =
      screen.view.rowAt(screen.view.viewport()->height() - 1) - screen.view.rowAt(0) + 1;
  state.counters["steps"] = steps;
  state.counters["visible_rows"] = visible;
  state.counters["new_blocks/step"] = static_cast<double>(new_blocks) / steps;
  state.counters["all_blocks/step"] = static_cast<double>(all_blocks) / steps;
  state.counters["all_blocks/row_shown"] = static_cast<double>(all_blocks) / steps / visible;
}
BENCHMARK(BM_ViewScrollTopToBottom)
    ->Args({300, 1})
    ->Args({600, 1})
    ->Args({300, 0})
    ->Args({600, 0})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
