#include "editor/parameter_grid_events.h"

#include <vector>

#include "core/ascii.h"
#include "core/decimal_number.h"
#include "core/messages.h"
#include "core/text_services.h"
#include "core/value_tables.h"

namespace pfedit::editor {

namespace {

constexpr int kMenuStateChanged = 9;
constexpr int kMenuStateClipboardEmptied = 8;

// The lines of `count` messages from `first` on, as one tip.
std::string TipOf(int first, int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back(GetMessageText(first + i));
  return JoinLines(lines);
}

}  // namespace

ParameterGridEvents::ParameterGridEvents(TableModel& grid, EditorState& state, Desktop& desktop,
                                         GridWindow& window, char decimal_mark)
    : grid_(grid),
      state_(state),
      desktop_(desktop),
      window_(window),
      decimal_mark_(GridDecimalMark(decimal_mark)),
      types_(RegisterRowCellTypes(grid, decimal_mark)) {}

void ParameterGridEvents::OnEditStart(int column, int row) {
  if (column != kColPr) return;
  PrTextBeforeEdit = grid_.Text(kColPr, row);
  PrChangeRefused = false;
}

void ParameterGridEvents::RefusePrChange(int row, MessageId message, const std::string& restore) {
  ShowError(desktop_, message);
  grid_.SetText(kColPr, row, restore);
  PrChangeRefused = true;
}

bool ParameterGridEvents::AcceptPrChange(int row) {
  const std::string new_text(Trim(grid_.Text(kColPr, row)));
  // A paste may not renumber a protected row; the paste command undoes the
  // whole paste when it sees the refusal.
  if (PasteInProgress && !PrChangeRefused && IsProtectedPr(Snapshot.Text(kColPr, row))) {
    ShowError(desktop_, msg::kProtectedNoPaste);
    PasteInProgress = false;
    PrChangeRefused = true;
    return false;
  }
  if (!PrTextBeforeEdit.empty() && !new_text.empty() && !PrChangeRefused) {
    if ((IsProtectedPr(new_text) || IsProtectedPr(PrTextBeforeEdit)) &&
        Trim(PrTextBeforeEdit) != new_text) {
      const std::string old_text = std::move(PrTextBeforeEdit);
      PrTextBeforeEdit.clear();
      RefusePrChange(row, msg::kProtectedNoEdit, old_text);
      return false;
    }
    PrTextBeforeEdit.clear();
  }
  // Without a text from an edit start (a paste into a new row) the protected
  // numbers are refused as well; the cell is emptied.
  if (PrTextBeforeEdit.empty() && !new_text.empty() && !PrChangeRefused &&
      IsProtectedPr(new_text)) {
    RefusePrChange(row, msg::kProtectedNoEdit, PrTextBeforeEdit);
    return false;
  }
  return true;
}

void ParameterGridEvents::OnChange(int column, int row) {
  // A refused change leaves the list as unchanged as it was.
  if (column == kColPr && !AcceptPrChange(row)) return;
  if (column == kColFunctionCode) {
    const std::string_view text = Trim(grid_.Text(column, row));
    int64_t code = 0;
    bool hex = !text.empty();
    for (const char c : text) {
      hex = hex && HexDigitValue(c) >= 0 && code <= 0xFFFFFF;
      if (hex) code = code * 16 + HexDigitValue(c);
    }
    if (hex) grid_.SetText(column, row, FunctionCodeText(code));
  }
  grid_.FitRowHeight(row);
  state_.ParametersDirty = true;
  ParameterCheckDone = false;
  window_.SetCheckEnabled(true);
  window_.MenuSet(kMenuStateChanged);
}

void ParameterGridEvents::OnKeyDown(int16_t& key, bool ctrl) {
  if (key != kKeyEscape || ctrl || grid_.RowCount() == 0) return;
  desktop_.SetClipboardText(std::string());
  window_.MenuSet(kMenuStateClipboardEmptied);
}

void ParameterGridEvents::OnKeyPress(int16_t& key) {
  const int column = grid_.ActiveColumn();
  if (key == kKeyEnter &&
      (column == kColName || column == kColInitialValue || column == kColSettingRange)) {
    key = 0;
  }
}

void ParameterGridEvents::OnLeaveCell(int /*column*/, int /*row*/, int /*new_column*/,
                                      int new_row) {
  if (new_row >= 1) window_.SetPrText(std::string(grid_.Text(kColPr, new_row)));
}

void ParameterGridEvents::OnRightClick(int /*column*/, int /*row*/, int x, int y) {
  window_.OpenEditMenuAt(x, y);
}

std::string ParameterGridEvents::OnToolTip(int column, int /*row*/) {
  switch (column) {
    case kColSpecialCode:
      return TipOf(msg::kSpecialTipFirst, kSpecialCodeCount);
    case kColWritingOrder:
      return TipOf(msg::kWritingOrderTip, 2);
    case kColAttribute:
      return TipOf(msg::kAttributeTipFirst, kAttributeCount);
    default:
      return std::string();
  }
}

void ParameterGridEvents::txtPr_KeyPress(int16_t& key, const std::string& text) {
  FilterNumericKey(key, true, decimal_mark_);
  if (key != kKeyEnter) return;
  key = 0;
  JumpToPr(text);
}

void ParameterGridEvents::JumpToPr(const std::string& text) {
  const auto typed = ParseDecimalNumber(text, decimal_mark_);
  if (!typed) return;
  const std::string rounded = RoundedWholeNumberText(*typed);
  window_.SetPrText(rounded);
  const auto number = ParseWholeNumber(rounded, 0, 999);
  if (!number) return;
  for (int row = 1; row <= grid_.RowCount(); ++row) {
    if (ParseWholeNumber(grid_.Text(kColPr, row), 0, 999) == number) {
      grid_.SetTopRow(row);
      grid_.SetActiveCell(kColPr, row);
      return;
    }
  }
}

bool ParameterGridEvents::InsertRows(bool paste_mode, int extra_count) {
  const Status status = InsertGridRows(grid_, types_, paste_mode, extra_count);
  if (status != kStatusOk) {
    ShowError(desktop_, status);
    return false;
  }
  state_.ParametersDirty = true;
  ParameterCheckDone = false;
  window_.MenuSet(kMenuStateChanged);
  return true;
}

bool ParameterGridEvents::CmdEnd_Click() {
  const ParameterCheckResult result = CheckParameterGrid(grid_, decimal_mark_);
  ShowCheckResult(desktop_, result);
  if (!result.Passed()) {
    const CheckFault& first = result.faults.front();
    grid_.SetActiveCell(first.column, first.row);
    window_.SetPrText(std::string(grid_.Text(kColPr, first.row)));
    ParameterCheckDone = false;
    return false;
  }
  EditBuffer& buffer = state_.Buffer;
  buffer.ParameterList = StoreParameterList(grid_, decimal_mark_);
  buffer.RecordCount = static_cast<int16_t>(buffer.ParameterList.size());
  ParameterCheckDone = true;
  window_.MenuSet(kMenuStateChanged);
  window_.SetCheckEnabled(false);
  return true;
}

}  // namespace pfedit::editor
