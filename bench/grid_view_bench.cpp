// The parameter grid with its view attached, offscreen, on a generated
// 1500-row list: what the user waits for when a list loads and first shows,
// when the check sorts and marks it, and when a whole list is pasted. The
// view's share is what these add to the model-only figures of grid_bench.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <string>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "editor/frm_pr_file_edit.h"
#include "editor/grid_layout.h"
#include "editor/parameter_check.h"
#include "editor/parameter_grid.h"
#include "gui/table/table_view.h"
#include "paramfile/parameter_file.h"
#include "tools/gendata.h"

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

}  // namespace
