#pragma once

// Parameter grids for the editor's tests: valid records, a grid loaded with
// them, and a window that logs what the grid rules ask of it.

#include <string>
#include <utility>
#include <vector>

#include "core/editor_state.h"
#include "core/records.h"
#include "core/table_model.h"
#include "editor/grid_layout.h"
#include "editor/parameter_grid.h"
#include "editor/parameter_grid_events.h"

namespace pfedit::editor::test {

// A record that passes every rule: Pr `pr`, initial value 120.00 (stored
// 12000 with two places), the hidden fields of a new row.
inline ParameterRecord Record(const std::string& pr, std::string name = "NAME") {
  ParameterRecord r;
  r.ParamNo = pr;
  r.ParamName = std::move(name);
  r.InitialValue = 12000;
  r.Digit = 2;
  r.UnitIndex = 1;
  r.SettingRange = "RANGE";
  r.SpecialCode = 0;
  const int number = std::stoi(pr);
  r.SortKey =
      std::to_string((number > kSecondParameterOffset ? number - kSecondParameterOffset : number) +
                     kSortKeyOffset);
  r.DisplayCode = "0";
  r.FunctionCode = 0x0101;
  r.Aux1 = r.Aux2 = r.Aux3 = r.Aux4 = r.Aux5 = "0";
  r.Aux6 = r.Aux7 = r.Aux8 = "NULL";
  r.WriteOrder = 10;
  r.Attribute = 0;
  return r;
}

// Sets the grid up and loads the records; returns the record index per row.
inline std::vector<std::size_t> Load(TableModel& grid, const std::vector<ParameterRecord>& records,
                                     char decimal_mark = '.') {
  SetUpParameterGrid(grid);
  EditBuffer buffer;
  buffer.ParameterList = records;
  buffer.RecordCount = static_cast<int16_t>(records.size());
  return LoadGrid(grid, buffer, decimal_mark);
}

// Column 1 of every row, joined by spaces.
inline std::string PrColumn(const TableModel& grid) {
  std::string text;
  for (int row = 1; row <= grid.RowCount(); ++row) {
    text += row > 1 ? " " : "";
    text += grid.Text(kColPr, row);
  }
  return text;
}

// Logs every call; keeps the last Pr text and the button's state.
class RecordingWindow : public GridWindow {
 public:
  void MenuSet(int state) override { log.push_back("menu " + std::to_string(state)); }
  void SetCheckEnabled(bool on) override {
    log.push_back((check_enabled = on) ? "check on" : "check off");
  }
  void SetPrText(const std::string& text) override { log.push_back("pr " + (pr_text = text)); }
  void OpenEditMenuAt(int x, int y) override {
    log.push_back("edit menu " + std::to_string(x) + " " + std::to_string(y));
  }

  std::vector<std::string> log;
  bool check_enabled = false;
  std::string pr_text;
};

}  // namespace pfedit::editor::test
