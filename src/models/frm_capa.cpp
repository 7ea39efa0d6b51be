#include "models/frm_capa.h"

#include <array>
#include <vector>

#include "core/decimal_number.h"
#include "core/messages.h"
#include "core/text_services.h"
#include "models/frm_model_info.h"
#include "models/model_info_rules.h"

namespace pfedit::models {
namespace {

constexpr MessageId kUnitAmpere = msg::kUnitFirst + 2;
constexpr MessageId kUnitKilowatt = msg::kUnitFirst + 6;

constexpr std::size_t kCapacityDecimals = 2;
constexpr std::size_t kCurrentDecimals = 1;
// Capacities above this belong to the large class.
constexpr std::string_view kClassBoundary = "55";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The number of digits right after the separator; none without a separator.
std::size_t DecimalsOf(std::string_view text, char separator) {
  const std::size_t mark = text.find(separator);
  if (mark == std::string_view::npos) return 0;
  std::size_t end = mark + 1;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - mark - 1;
}

// Whether one run of digits and points between letters is a well-formed
// number: 0.4, 55, 3.7 but not .4, 4. or 1.2.3.
bool IsValidRun(std::string_view run) {
  const std::size_t mark = run.find('.');
  if (mark != std::string_view::npos && run.find('.', mark + 1) != std::string_view::npos) {
    return false;
  }
  const bool plain = run.front() != '.' && IsDigit(run.back());
  const bool digit_point_digit = mark != std::string_view::npos && mark > 0 &&
                                 mark + 1 < run.size() && IsDigit(run[mark - 1]) &&
                                 IsDigit(run[mark + 1]);
  return plain || digit_point_digit;
}

// The list text of a number cell: the plain decimal value with "." as the
// mark (0.40 as 0.4, 55.00 as 55). A text that is no number stays as it is.
std::string FixedPointText(const std::string& text, char separator) {
  const auto number = ParseDecimalNumber(text, separator);
  return number ? FormatDecimalNumber(*number, '.') : text;
}

bool SameCapacity(const std::string& cell, const std::string& box) {
  // Compared at single precision, so that a catalogue value written with
  // more digits than the box takes still counts as the same capacity.
  double a = 0;
  double b = 0;
  if (!ParseDecimal(cell, &a) || !ParseDecimal(box, &b)) return false;
  return static_cast<float>(a) == static_cast<float>(b);
}

}  // namespace

NumberCheck CheckNumberText(std::string_view text, std::size_t max_decimals, char separator) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return NumberCheck::kNotANumber;
  }
  const auto number = ParseDecimalNumber(text, separator);
  if (!number) return NumberCheck::kNotANumber;
  if (number->negative || number->IsZero()) return NumberCheck::kNotPositive;
  if (text.back() == separator) return NumberCheck::kTrailingSeparator;
  if (DecimalsOf(text, separator) > max_decimals) return NumberCheck::kTooManyDecimals;
  return NumberCheck::kAcceptable;
}

std::string CutDecimals(std::string_view text, std::size_t max_decimals, char separator) {
  std::string result(text);
  const std::size_t mark = result.find(separator);
  const std::size_t decimals = DecimalsOf(text, separator);
  if (mark != std::string::npos && decimals > max_decimals) {
    result.erase(mark + 1 + max_decimals, decimals - max_decimals);
  }
  return result;
}

bool IsValidCapacityTypeName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    if (!IsLetter(c) && !IsDigit(c) && c != '.') return false;
  }
  std::size_t start = 0;
  while (start < name.size()) {
    if (IsLetter(name[start])) {
      ++start;
      continue;
    }
    std::size_t end = start;
    while (end < name.size() && !IsLetter(name[end])) ++end;
    if (!IsValidRun(name.substr(start, end - start))) return false;
    start = end;
  }
  return true;
}

frm_Capa::frm_Capa(EditorState& state, Desktop& desktop, TableModel& table, bool four_rating)
    : state_(state),
      desktop_(desktop),
      table_(table),
      four_rating_(four_rating),
      separator_source_(&GetDecimalSeparator) {}

void frm_Capa::Form_Load() {
  Caption = GetMessageText(AddMode() ? msg::kCapacityAddCaption : msg::kCapacityEditCaption);
  lblInvCap.Caption = GetMessageText(msg::kCapacityInverterCapacity);
  lblInvCap_inc.Caption = GetMessageText(kUnitKilowatt);
  lblCurr_SLD.Caption =
      GetMessageText(four_rating_ ? msg::kCapacityCurrentSld : msg::kRatedCurrentAccel);
  LabelState* current_labels[] = {&lblCurr_LD, &lblCurr_ND, &lblCurr_HD};
  TextBoxState* current_boxes[] = {&txtCurr_LD, &txtCurr_ND, &txtCurr_HD};
  LabelState* current_units[] = {&lblCurr_LD_inc, &lblCurr_ND_inc, &lblCurr_HD_inc};
  for (int i = 0; i < 3; ++i) {
    current_labels[i]->Caption = GetMessageText(msg::kCapacityCurrentSld + 1 + i);
    current_labels[i]->Visible = four_rating_;
    current_boxes[i]->Visible = four_rating_;
    current_units[i]->Caption = GetMessageText(kUnitAmpere);
    current_units[i]->Visible = four_rating_;
  }
  lblCurr_SLD_inc.Caption = GetMessageText(kUnitAmpere);
  lblInvType.Caption = GetMessageText(msg::kCapacityTypeName);
  CmdOK.Caption = GetMessageText(msg::kOk);
  cmdCancel.Caption = GetMessageText(msg::kCancel);

  TextBoxState* boxes[] = {&txtInvCap,  &txtCurr_SLD, &txtCurr_LD,
                           &txtCurr_ND, &txtCurr_HD,  &txtInvType};
  const int lengths[] = {8, 6, 6, 6, 6, 8};
  for (int i = 0; i < kRatingColumnCount; ++i) boxes[i]->MaxLength = lengths[i];
  if (AddMode()) return;
  if (state_.CapacityDialogRow < 1 || state_.CapacityDialogRow > table_.RowCount()) {
    // No row to edit: the dialog is not shown.
    Close(kResultCancel);
    return;
  }
  // Cells keep the catalogue's "."; the boxes show the user's separator.
  std::string separator;
  const char mark = separator_source_(separator) == 0 ? separator.front() : '.';
  const RatingRow row = GetRatingRow(table_, state_.CapacityDialogRow);
  for (int i = 0; i < kRatingColumnCount; ++i) {
    std::string text = row[i].substr(0, static_cast<std::size_t>(lengths[i]));
    if (i != kRatingTypeName) {
      for (char& c : text) {
        if (c == '.') c = mark;
      }
    }
    boxes[i]->Text = text;
  }
}

void frm_Capa::NumericBox_KeyPress(int16_t& key) {
  std::string separator;
  FilterNumericKey(key, true, separator_source_(separator) == 0 ? separator.front() : '\0');
}

bool frm_Capa::Refuse(MessageId message, const char* control) {
  ShowError(desktop_, message);
  SetFocus(control);
  return false;
}

bool frm_Capa::CheckEmptyBoxes() {
  if (txtInvCap.Text.empty()) return Refuse(msg::kOneByteDigits, "txtInvCap");
  if (txtCurr_SLD.Text.empty()) return Refuse(msg::kOneByteDigits, "txtCurr_SLD");
  if (four_rating_) {
    if (txtCurr_LD.Text.empty()) return Refuse(msg::kOneByteDigits, "txtCurr_LD");
    if (txtCurr_ND.Text.empty()) return Refuse(msg::kOneByteDigits, "txtCurr_ND");
    if (txtCurr_HD.Text.empty()) return Refuse(msg::kOneByteDigits, "txtCurr_HD");
  }
  if (txtInvType.Text.empty()) return Refuse(msg::kOneByteNumber, "txtInvType");
  if (!four_rating_) {
    // A model with one current keeps it in all four current lists.
    txtCurr_LD.Text = txtCurr_ND.Text = txtCurr_HD.Text = txtCurr_SLD.Text;
  }
  return true;
}

bool frm_Capa::CheckNumberBox(TextBoxState& box, const char* control, std::size_t max_decimals,
                              std::string_view maximum, MessageId range_message, bool above_55) {
  switch (CheckNumberText(box.Text, max_decimals, separator_)) {
    case NumberCheck::kNotANumber:
      return Refuse(msg::kOneByteDigits, control);
    case NumberCheck::kTrailingSeparator:
      box.Text.pop_back();
      break;
    case NumberCheck::kTooManyDecimals:
      box.Text = CutDecimals(box.Text, max_decimals, separator_);
      break;
    case NumberCheck::kNotPositive:
    case NumberCheck::kAcceptable:
      break;
  }
  // Exact decimal comparison: 55.00 is small and 55.01 is not, whatever
  // binary floating point would make of them.
  const auto value = ParseDecimalNumber(box.Text, separator_);
  const auto lower = ParseDecimalNumber(above_55 ? kClassBoundary : "0", '.');
  const auto upper = ParseDecimalNumber(maximum, '.');
  if (!value || value->negative || CompareDecimalNumbers(*value, *lower) <= 0 ||
      CompareDecimalNumbers(*value, *upper) > 0) {
    return Refuse(range_message, control);
  }
  return true;
}

bool frm_Capa::CheckDuplicates() {
  for (int row = 1; row <= table_.RowCount(); ++row) {
    if (!AddMode() && row == state_.CapacityDialogRow) continue;
    if (SameCapacity(std::string(table_.Text(kRatingCapacity + 1, row)), txtInvCap.Text)) {
      return Refuse(msg::kSameCapacity, "txtInvCap");
    }
    if (table_.Text(kRatingTypeName + 1, row) == txtInvType.Text) {
      return Refuse(msg::kSameCapacityName, "txtInvType");
    }
  }
  return true;
}

void frm_Capa::CmdOK_Click() {
  if (!CheckEmptyBoxes()) return;
  std::string separator;
  separator_ = separator_source_(separator) == 0 ? separator.front() : '.';

  const bool small = state_.EditCapacityClass == kClassSmall;
  if (!CheckNumberBox(txtInvCap, "txtInvCap", kCapacityDecimals, small ? "55" : "630",
                      small ? msg::kSmallCapacityRange : msg::kLargeCapacityRange, !small)) {
    return;
  }
  const std::pair<TextBoxState*, const char*> currents[] = {{&txtCurr_SLD, "txtCurr_SLD"},
                                                            {&txtCurr_LD, "txtCurr_LD"},
                                                            {&txtCurr_ND, "txtCurr_ND"},
                                                            {&txtCurr_HD, "txtCurr_HD"}};
  for (const auto& [box, control] : currents) {
    if (!CheckNumberBox(*box, control, kCurrentDecimals, small ? "500" : "3600",
                        small ? msg::kSmallCurrentRange : msg::kLargeCurrentRange, false)) {
      return;
    }
  }
  if (!IsValidCapacityTypeName(txtInvType.Text)) {
    Refuse(msg::kOneByteNumber, "txtInvType");
    return;
  }
  if (!CheckDuplicates()) return;
  WriteTable();
  Close(kResultOk);
}

void frm_Capa::WriteTable() {
  std::vector<RatingRow> rows;
  for (int row = 1; row <= table_.RowCount(); ++row) {
    RatingRow values = GetRatingRow(table_, row);
    for (int i = 0; i < kRatingTypeName; ++i) values[i] = FixedPointText(values[i], '.');
    rows.push_back(values);
  }
  const RatingRow entered{
      FixedPointText(txtInvCap.Text, separator_),  FixedPointText(txtCurr_SLD.Text, separator_),
      FixedPointText(txtCurr_LD.Text, separator_), FixedPointText(txtCurr_ND.Text, separator_),
      FixedPointText(txtCurr_HD.Text, separator_), txtInvType.Text};
  if (AddMode()) {
    rows.push_back(entered);
  } else {
    rows[static_cast<std::size_t>(state_.CapacityDialogRow - 1)] = entered;
  }
  const int count = static_cast<int>(rows.size());
  table_.SetRowCount(count);
  for (int row = 1; row <= count; ++row) SetRatingRow(table_, row, rows[row - 1]);
  table_.SortRows(1, count, {kRatingCapacity + 1, kRatingCurrent01 + 1, kRatingTypeName + 1});
}

}  // namespace pfedit::models
