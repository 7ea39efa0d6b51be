#include "editor/func_code_command.h"

#include "core/model_codes.h"
#include "editor/frm_func.h"
#include "editor/grid_layout.h"

namespace pfedit::editor {

namespace {

constexpr int kMenuStateChanged = 9;

}  // namespace

void RunFuncCodeCommand(TableModel& grid, EditorState& state, Desktop& desktop,
                        FuncCodeWindow& window) {
  const int row = grid.ActiveRow();
  if (grid.RowCount() < 1 || row < 1 || row > grid.RowCount()) return;
  uint32_t code = ParseFuncCode(std::string(grid.Text(kColFunctionCode, row)));
  const std::string& model_code1 = state.Buffer.EditModel.ModelCode1;
  if (!ShowFuncCode(state, desktop, std::string(grid.Text(kColPr, row)), code,
                    FuncLayoutOf(model_code1), CodeHexValue(model_code1))) {
    return;
  }
  grid.SetText(kColFunctionCode, row, FuncCodeText(code));
  state.ParametersDirty = true;
  window.ResetParameterCheck();
  window.MenuSet(kMenuStateChanged);
  window.SetCheckEnabled(true);
}

}  // namespace pfedit::editor
