#include "editor/parameter_check.h"

#include <limits>
#include <optional>
#include <string_view>

#include "core/ascii.h"
#include "core/decimal_number.h"
#include "core/messages.h"
#include "core/text_services.h"
#include "core/value_tables.h"
#include "editor/grid_layout.h"
#include "editor/parameter_grid.h"

namespace pfedit::editor {

namespace {

// Initial values are kept to this many decimal places before they are judged.
constexpr std::size_t kInitialValuePlaces = 3;
constexpr int64_t kMostInitialValue = 65535;

// What an initial value is stored as, or why it cannot be.
struct InitialValueVerdict {
  int code = 0;  // 0 or kCheckDigits / kCheckOutOfRange
  int32_t stored = -1;
};

bool Is(const DecimalNumber& number, std::string_view whole) {
  return !number.negative && number.fraction.empty() && number.integer == whole;
}

// The rule for a number already cut to three places: 9999 and 8888 stand for
// themselves where the special code gives them a meaning; any other value is
// stored times 10^digit, which must be a whole number from 0 to 65535.
InitialValueVerdict JudgeInitialValue(const DecimalNumber& value, int digit, int special_code) {
  if (Is(value, "9999") && Allows9999(special_code)) return {0, kStored9999};
  if (Is(value, "8888") && Allows8888(special_code)) return {0, kStored8888};
  int64_t whole = 0;
  switch (ScaleToWholeNumber(value, std::max(digit, 0), kMostInitialValue, &whole)) {
    case ScaledFit::kWhole:
      return {0, static_cast<int32_t>(whole)};
    case ScaledFit::kFraction:
      return {kCheckDigits, -1};
    default:
      return {kCheckOutOfRange, -1};
  }
}

std::optional<int64_t> WholeNumberOf(std::string_view text) {
  return ParseWholeNumber(text, std::numeric_limits<int64_t>::min(),
                          std::numeric_limits<int64_t>::max());
}

bool SamePr(std::string_view a, std::string_view b) {
  const auto number_a = WholeNumberOf(a);
  const auto number_b = WholeNumberOf(b);
  if (number_a && number_b) return *number_a == *number_b;
  return a == b;
}

bool HasDoubleQuote(std::string_view text) {
  return text.find('"') != std::string_view::npos;
}

class Checker {
 public:
  Checker(TableModel& grid, char decimal_mark)
      : grid_(grid), decimal_mark_(GridDecimalMark(decimal_mark)) {}

  void ClearMarks() {
    for (int row = 1; row <= grid_.RowCount(); ++row) {
      for (int column = 1; column <= kGridColumns; ++column) {
        if (grid_.Background(column, row) != kProtectedColour) {
          grid_.SetBackground(column, row, kWhite);
        }
      }
    }
  }

  void ScanRow(int row) {
    const std::string_view name = Text(kColName, row);
    if (name.empty()) {
      Mark(kColName, row, kCheckEmpty);
    } else if (HasDoubleQuote(name)) {
      Mark(kColName, row, kCheckDoubleQuote);
    }
    // Which places an empty Digit stands for does not matter: the row has
    // failed already.
    int digit = 0;
    if (Text(kColDigit, row).empty()) {
      Mark(kColDigit, row, kCheckEmpty);
    } else {
      digit = grid_.Value(kColDigit, row);
    }
    RequireText(kColUnit, row);
    const std::string_view range = Text(kColSettingRange, row);
    if (range.empty()) {
      Mark(kColSettingRange, row, kCheckEmpty);
    } else if (HasDoubleQuote(range)) {
      Mark(kColSettingRange, row, kCheckDoubleQuote);
    }
    const bool has_special = RequireText(kColSpecialCode, row);
    RequireText(kColFunctionCode, row);
    RequireText(kColWritingOrder, row);
    const bool has_attribute = RequireText(kColAttribute, row);
    if (has_special && has_attribute && !Text(kColInitialValue, row).empty()) {
      CheckInitialValue(row, digit, grid_.Value(kColSpecialCode, row));
    }
  }

  void ScanForDuplicates() {
    for (int row = 1; row <= grid_.RowCount(); ++row) {
      const std::string_view pr = Text(kColPr, row);
      if (pr.empty()) {
        Mark(kColPr, row, kCheckEmpty);
        continue;
      }
      if (row == 1) continue;
      const std::string_view previous = Text(kColPr, row - 1);
      // An empty Pr is no number, so it equals no other.
      if (!previous.empty() && SamePr(pr, previous) &&
          grid_.Value(kCol2Pr, row) == grid_.Value(kCol2Pr, row - 1)) {
        Mark(kColPr, row, kCheckDuplicate);
      }
    }
  }

  ParameterCheckResult result;

 private:
  std::string_view Text(int column, int row) const { return Trim(grid_.Text(column, row)); }

  void Mark(int column, int row, int code) {
    // Cyan shows a protected cell; it is never painted over.
    if (grid_.Background(column, row) != kProtectedColour) {
      grid_.SetBackground(column, row, kFaultColour);
    }
    result.faults.push_back({row, column, code});
  }

  bool RequireText(int column, int row) {
    if (!Text(column, row).empty()) return true;
    Mark(column, row, kCheckEmpty);
    return false;
  }

  void CheckInitialValue(int row, int digit, int special_code) {
    const auto number = ParseDecimalNumber(grid_.Text(kColInitialValue, row), decimal_mark_);
    if (!number) {
      Mark(kColInitialValue, row, kCheckNotNumber);
      return;
    }
    // The cell shows the value that is judged and stored.
    const std::string cut =
        FormatDecimalNumber(TruncateDecimals(*number, kInitialValuePlaces), decimal_mark_);
    grid_.SetText(kColInitialValue, row, cut);
    const InitialValueVerdict verdict =
        JudgeInitialValue(*ParseDecimalNumber(cut, decimal_mark_), digit, special_code);
    if (verdict.code != 0) Mark(kColInitialValue, row, verdict.code);
  }

  TableModel& grid_;
  const char decimal_mark_;
};

}  // namespace

ParameterCheckResult CheckParameterGrid(TableModel& grid, char decimal_mark,
                                        std::vector<std::size_t>* row_sources) {
  Checker checker(grid, decimal_mark);
  const int rows = grid.RowCount();
  grid.SuspendDrawing();
  checker.ClearMarks();
  std::vector<int> old_rows;
  grid.SortRows(1, rows, {kColPr, kCol2Pr, kColName}, &old_rows);
  if (row_sources != nullptr && row_sources->size() == static_cast<std::size_t>(rows)) {
    std::vector<std::size_t> sorted;
    sorted.reserve(old_rows.size());
    for (const int old_row : old_rows) sorted.push_back((*row_sources)[old_row - 1]);
    *row_sources = std::move(sorted);
  }
  for (int row = 1; row <= rows; ++row) checker.ScanRow(row);
  checker.ScanForDuplicates();
  grid.ResumeDrawing();
  return std::move(checker.result);
}

MessageId CheckFaultMessage(int code) {
  switch (code) {
    case kCheckEmpty:
      return msg::kDataNotSet;
    case kCheckDigits:
      return msg::kDigitMismatch;
    case kCheckDuplicate:
      return msg::kOverlappingNumbers;
    case kCheckDoubleQuote:
      return msg::kNoDoubleQuote;
    case kCheckNotNumber:
      return msg::kOneByteDigits;
    default:
      return msg::kInitialOutOfRange;
  }
}

std::string CheckFaultText(int code) {
  if (code != kCheckOutOfRange) return GetMessageText(CheckFaultMessage(code));
  std::vector<std::string> lines;
  lines.push_back(GetMessageText(msg::kInitialOutOfRange));
  lines.push_back(GetMessageText(msg::kRangesByDecimals));
  for (int digit = 0; digit < kDigitCount; ++digit) {
    lines.push_back(GetMessageText(msg::kRangeDigit0 + digit));
  }
  return JoinLines(lines);
}

void ShowCheckResult(Desktop& desktop, const ParameterCheckResult& result) {
  if (result.Passed()) {
    ShowInformation(desktop, msg::kNoError);
    return;
  }
  const int code = result.faults.front().code;
  if (code == kCheckOutOfRange) {
    ShowErrorText(desktop, CheckFaultText(code));
  } else {
    ShowError(desktop, CheckFaultMessage(code));
  }
}

std::vector<ParameterRecord> StoreParameterList(const TableModel& grid, char decimal_mark) {
  decimal_mark = GridDecimalMark(decimal_mark);
  const int rows = grid.RowCount();
  std::vector<ParameterRecord> records(static_cast<std::size_t>(rows));
  for (int row = 1; row <= rows; ++row) {
    ParameterRecord& record = records[static_cast<std::size_t>(row) - 1];
    const std::string_view pr = Trim(grid.Text(kColPr, row));
    const int64_t number = WholeNumberOf(pr).value_or(0);
    const bool second = grid.Value(kCol2Pr, row) != 0;
    record.ParamNo = second ? std::to_string(number + kSecondParameterOffset) : std::string(pr);
    record.SortKey = std::to_string(number + kSortKeyOffset);
    record.ParamName = grid.Text(kColName, row);
    record.Digit = static_cast<int16_t>(grid.Value(kColDigit, row));
    record.UnitIndex = static_cast<int16_t>(grid.Value(kColUnit, row));
    record.SettingRange = grid.Text(kColSettingRange, row);
    record.SpecialCode = static_cast<int16_t>(grid.Value(kColSpecialCode, row));
    const auto initial = ParseDecimalNumber(grid.Text(kColInitialValue, row), decimal_mark);
    record.InitialValue = initial
                              ? JudgeInitialValue(TruncateDecimals(*initial, kInitialValuePlaces),
                                                  record.Digit, record.SpecialCode)
                                    .stored
                              : -1;
    record.DisplayCode = grid.Text(kColDisplayCode, row);
    int32_t code = 0;
    for (const char c : Trim(grid.Text(kColFunctionCode, row))) {
      if (HexDigitValue(c) < 0 || code > 0xFFFFFF) break;
      code = code * 16 + HexDigitValue(c);
    }
    record.FunctionCode = code;
    std::string* const aux[] = {&record.Aux1, &record.Aux2, &record.Aux3, &record.Aux4,
                                &record.Aux5, &record.Aux6, &record.Aux7, &record.Aux8};
    for (int k = 0; k < 8; ++k) *aux[k] = grid.Text(kColAux1 + k, row);
    record.WriteOrder = static_cast<int16_t>(grid.Value(kColWritingOrder, row));
    const int attribute = grid.Value(kColAttribute, row);
    record.Attribute =
        attribute >= 0 && attribute < kAttributeCount ? kAttributeCodes[attribute] : 0;
  }
  return records;
}

}  // namespace pfedit::editor
