#include "editor/parameter_grid.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "core/decimal_number.h"
#include "core/messages.h"
#include "core/text_services.h"
#include "core/value_tables.h"

namespace pfedit::editor {

namespace {

constexpr int kProtectedFirst = 902;
constexpr int kProtectedLast = 939;
constexpr int kNewRowWritingOrder = 10;

// Columns whose snapshot text is the list index rather than the item.
constexpr bool HoldsIndex(int column) {
  return column == kColDigit || column == kColUnit || column == kColSpecialCode ||
         column == kColAttribute || column == kCol2Pr;
}

// The texts of `count` messages from `first` on, joined by tabs, as list
// cells take their items.
std::string ListItems(int first, int count) {
  std::string items;
  for (int i = 0; i < count; ++i) {
    if (i > 0) items += '\t';
    items += GetMessageText(first + i);
  }
  return items;
}

std::optional<int64_t> WholeNumberOf(std::string_view text) {
  return ParseWholeNumber(text, std::numeric_limits<int64_t>::min(),
                          std::numeric_limits<int64_t>::max());
}

// The hidden texts every row carries: DisplayCode and Aux1 to Aux5 are "0",
// Aux6 to Aux8 "NULL".
void WriteHiddenDefaults(TableModel& grid, int row) {
  for (int column = kColDisplayCode; column <= kColAux8; ++column) {
    grid.SetText(column, row, column < kColAux8 - 2 ? "0" : "NULL");
  }
}

}  // namespace

bool IsProtectedPr(std::string_view pr_text) {
  return ParseWholeNumber(pr_text, kProtectedFirst, kProtectedLast).has_value();
}

RowCellTypes RegisterRowCellTypes(TableModel& grid, char decimal_mark) {
  const int name = grid.TypeId(CellType::Text(static_cast<int>(kMaxParamNameLength), true));
  const int locked_text = grid.TypeId(CellType::Text());
  RowCellTypes types;
  types.ids[kColPr - 1] = grid.TypeId(CellType::WholeNumber(0, 999));
  types.ids[kColName - 1] = name;
  types.ids[kColInitialValue - 1] =
      grid.TypeId(CellType::DecimalText(6, GridDecimalMark(decimal_mark)));
  types.ids[kColDigit - 1] = grid.TypeId(CellType::List(ListItems(msg::kDigitFirst, kDigitCount)));
  types.ids[kColUnit - 1] = grid.TypeId(CellType::List(ListItems(msg::kUnitFirst, kUnitCount)));
  types.ids[kColSettingRange - 1] =
      grid.TypeId(CellType::Text(static_cast<int>(kMaxSettingRangeLength), true));
  types.ids[kColSpecialCode - 1] =
      grid.TypeId(CellType::List(ListItems(msg::kSpecialFirst, kSpecialCodeCount)));
  types.ids[kColFunctionCode - 1] = grid.TypeId(CellType::OfKind(CellKind::kHexCode));
  types.ids[kColWritingOrder - 1] = grid.TypeId(CellType::WholeNumber(0, 20));
  types.ids[kColAttribute - 1] =
      grid.TypeId(CellType::List(ListItems(msg::kAttributeFirst, kAttributeCount)));
  types.ids[kCol2Pr - 1] = grid.TypeId(CellType::OfKind(CellKind::kCheckBox));
  for (int column = kColDisplayCode; column <= kColAux8; ++column) {
    types.ids[column - 1] = locked_text;
  }
  return types;
}

void SetupRowCells(TableModel& grid, int row, const RowCellTypes& types) {
  for (int column = 1; column <= kGridColumns; ++column) {
    grid.SetTypeId(column, row, types.ids[column - 1]);
    grid.SetLocked(column, row, column >= kFirstHiddenColumn);
    grid.SetBackground(column, row, kWhite);
  }
}

void ProtectPrCell(TableModel& grid, int row) {
  if (!IsProtectedPr(grid.Text(kColPr, row))) return;
  grid.SetLocked(kColPr, row, true);
  grid.SetBackground(kColPr, row, kProtectedColour);
}

std::string InitialValueText(const ParameterRecord& record, char decimal_mark) {
  if (record.InitialValue == -1) return std::string();
  if (record.InitialValue == kStored9999 && Allows9999(record.SpecialCode)) return "9999";
  if (record.InitialValue == kStored8888 && Allows8888(record.SpecialCode)) return "8888";
  return ScaledWholeNumberText(record.InitialValue, record.Digit, GridDecimalMark(decimal_mark));
}

std::string FunctionCodeText(int64_t code) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  // The last four hex digits, as the cell holds exactly four.
  std::string text(4, '0');
  auto bits = static_cast<uint64_t>(code);
  for (int i = 3; i >= 0; --i, bits >>= 4) text[static_cast<std::size_t>(i)] = kHex[bits & 0xF];
  return text;
}

bool IsShownInGrid(const ParameterRecord& record, char decimal_mark) {
  const auto number = ParseDecimalNumber(record.DisplayCode, decimal_mark);
  return number && number->fraction.empty() &&
         (number->integer.empty() || number->integer == "256");
}

std::vector<std::size_t> LoadGrid(TableModel& grid, const EditBuffer& buffer, char decimal_mark) {
  decimal_mark = GridDecimalMark(decimal_mark);
  const std::size_t count = std::min(static_cast<std::size_t>(std::max<int>(buffer.RecordCount, 0)),
                                     buffer.ParameterList.size());
  std::vector<std::size_t> sources;
  sources.reserve(count);
  grid.SuspendDrawing();
  grid.SetRowCount(0);  // no lock or colour of the old rows survives
  grid.SetRowCount(static_cast<int>(count));
  const RowCellTypes types = RegisterRowCellTypes(grid, decimal_mark);
  int row = 1;
  for (std::size_t i = 0; i < count; ++i) {
    const ParameterRecord& record = buffer.ParameterList[i];
    if (!IsShownInGrid(record, decimal_mark)) continue;
    SetupRowCells(grid, row, types);
    const auto number = WholeNumberOf(record.ParamNo);
    const bool second = number && *number > kSecondParameterOffset;
    grid.SetValue(kCol2Pr, row, second ? 1 : 0);
    grid.SetText(kColPr, row,
                 number ? std::to_string(second ? *number - kSecondParameterOffset : *number)
                        : record.ParamNo);
    ProtectPrCell(grid, row);
    grid.SetText(kColName, row, record.ParamName);
    grid.SetText(kColInitialValue, row, InitialValueText(record, decimal_mark));
    grid.SetValue(kColDigit, row, record.Digit);
    grid.SetValue(kColUnit, row, record.UnitIndex);
    grid.SetText(kColSettingRange, row, record.SettingRange);
    grid.SetValue(kColSpecialCode, row, record.SpecialCode);
    grid.SetText(kColFunctionCode, row, FunctionCodeText(record.FunctionCode));
    grid.SetText(kColWritingOrder, row, std::to_string(record.WriteOrder));
    const int attribute = AttributeIndexOf(record.Attribute);
    if (attribute >= 0) grid.SetValue(kColAttribute, row, attribute);
    const std::string* const hidden[] = {&record.DisplayCode, &record.Aux1, &record.Aux2,
                                         &record.Aux3,        &record.Aux4, &record.Aux5,
                                         &record.Aux6,        &record.Aux7, &record.Aux8};
    for (int k = 0; k < 9; ++k) grid.SetText(kColDisplayCode + k, row, *hidden[k]);
    grid.FitRowHeight(row);
    sources.push_back(i);
    ++row;
  }
  grid.SetRowCount(row - 1);  // skipped records leave no empty rows
  grid.ResumeDrawing();
  return sources;
}

Status InsertGridRows(TableModel& grid, const RowCellTypes& types, bool paste_mode,
                      int extra_count) {
  extra_count = std::max(extra_count, 0);
  if (static_cast<int64_t>(grid.RowCount()) + extra_count + 1 > kMaxGridRows) {
    return msg::kRowLimit;
  }
  // One row is drawn as it comes; many are drawn once at the end.
  const bool batch = extra_count > 0;
  if (batch) grid.SuspendDrawing();
  for (int i = 0; i <= extra_count; ++i) {
    grid.SetRowCount(grid.RowCount() + 1);
    grid.InsertRow();
    const int row = grid.ActiveRow();
    SetupRowCells(grid, row, types);
    if (!paste_mode) {
      grid.SetText(kColPr, row, "0");
      grid.SetText(kColInitialValue, row, "0");
      grid.SetValue(kColDigit, row, 0);
      grid.SetValue(kColUnit, row, 0);
      grid.SetValue(kColSpecialCode, row, 0);
      grid.SetText(kColFunctionCode, row, "0000");
      grid.SetText(kColWritingOrder, row, std::to_string(kNewRowWritingOrder));
      grid.SetValue(kCol2Pr, row, 0);
    }
    grid.SetValue(kColAttribute, row, 0);
    WriteHiddenDefaults(grid, row);
    grid.FitRowHeight(row);
    grid.SetSelection({1, kGridColumns, row, row});
  }
  if (batch) grid.ResumeDrawing();
  return kStatusOk;
}

const std::string& GridSnapshot::Text(int column, int row) const {
  static const std::string kNone;
  if (column < 1 || column > kGridColumns || row < 1 || row > RowCount()) return kNone;
  return cells_[static_cast<std::size_t>(row - 1) * kGridColumns +
                static_cast<std::size_t>(column - 1)];
}

GridSnapshot TakeGridSnapshot(const TableModel& grid) {
  GridSnapshot snapshot;
  const int rows = grid.RowCount();
  snapshot.cells_.reserve(static_cast<std::size_t>(rows) * kGridColumns);
  for (int row = 1; row <= rows; ++row) {
    for (int column = 1; column <= kGridColumns; ++column) {
      if (HoldsIndex(column)) {
        snapshot.cells_.push_back(std::to_string(grid.Value(column, row)));
      } else {
        snapshot.cells_.emplace_back(grid.Text(column, row));
      }
    }
  }
  return snapshot;
}

void RestoreGridSnapshot(TableModel& grid, const GridSnapshot& snapshot) {
  const int rows = std::min(snapshot.RowCount(), grid.RowCount());
  grid.SuspendDrawing();
  for (int row = 1; row <= rows; ++row) {
    for (int column = 1; column <= kGridColumns; ++column) {
      const std::string& text = snapshot.Text(column, row);
      if (HoldsIndex(column)) {
        grid.SetValue(column, row, static_cast<int>(WholeNumberOf(text).value_or(-1)));
      } else {
        grid.SetText(column, row, text);
      }
    }
  }
  grid.ResumeDrawing();
}

}  // namespace pfedit::editor
