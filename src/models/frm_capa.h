#pragma once

// The small dialog that adds or edits one row of the rating table: the
// inverter capacity, the rated current or currents and the capacity type
// name. It checks them against the capacity class being edited and the other
// rows, writes the row straight into the table and sorts it. The table is its
// only output.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/control_state.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/table_model.h"

namespace pfedit::models {

// What the number check of a capacity or current text finds.
enum class NumberCheck {
  kAcceptable,
  kNotANumber,         // not a plain number, or a byte outside one-byte text
  kNotPositive,        // a number, but not greater than 0
  kTrailingSeparator,  // ends with the decimal separator
  kTooManyDecimals,    // more decimals than allowed
};
NumberCheck CheckNumberText(std::string_view text, std::size_t max_decimals, char separator);

// The text with the digits beyond max_decimals after the separator dropped.
std::string CutDecimals(std::string_view text, std::size_t max_decimals, char separator);

// Letters, digits and "."; every run of digits and "." between letters holds
// at most one "." and either ends with a digit without starting with ".", or
// holds a digit, ".", digit in a row.
bool IsValidCapacityTypeName(std::string_view name);

class frm_Capa final : public DialogLogic {
 public:
  using SeparatorSource = int16_t (*)(std::string& separator);

  // The table is the model information dialog's rating table; four_rating
  // says whether the model has four currents per capacity or one.
  frm_Capa(EditorState& state, Desktop& desktop, TableModel& table, bool four_rating);
  const char* FormName() const override { return "frm_Capa"; }

  // Where OK asks for the user's decimal separator; the platform by default.
  void SetSeparatorSource(SeparatorSource source) { separator_source_ = source; }

  void Form_Load();
  // Capacity and current boxes let through digits, the separator and the
  // editing control keys only.
  void NumericBox_KeyPress(int16_t& key);
  void CmdOK_Click();
  void cmdCancel_Click() { Close(kResultCancel); }

  std::string Caption;
  LabelState lblInvCap;
  TextBoxState txtInvCap;
  LabelState lblInvCap_inc;
  LabelState lblCurr_SLD;
  TextBoxState txtCurr_SLD;
  LabelState lblCurr_SLD_inc;
  LabelState lblCurr_LD;
  TextBoxState txtCurr_LD;
  LabelState lblCurr_LD_inc;
  LabelState lblCurr_ND;
  TextBoxState txtCurr_ND;
  LabelState lblCurr_ND_inc;
  LabelState lblCurr_HD;
  TextBoxState txtCurr_HD;
  LabelState lblCurr_HD_inc;
  LabelState lblInvType;
  TextBoxState txtInvType;
  ButtonState CmdOK;
  ButtonState cmdCancel;

 private:
  bool AddMode() const { return state_.CapacityDialogMode == 1; }
  // Refuses with the message and the focus in the box; always false.
  bool Refuse(MessageId message, const char* control);
  bool CheckEmptyBoxes();
  // The number check, the in-place corrections and the range of one box.
  bool CheckNumberBox(TextBoxState& box, const char* control, std::size_t max_decimals,
                      std::string_view maximum, MessageId range_message, bool above_55);
  bool CheckDuplicates();
  void WriteTable();

  EditorState& state_;
  Desktop& desktop_;
  TableModel& table_;
  bool four_rating_;
  SeparatorSource separator_source_;
  char separator_ = '.';
};

}  // namespace pfedit::models
