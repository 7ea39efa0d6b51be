#include "models/frm_model_info.h"

#include "core/help.h"
#include "core/messages.h"
#include "models/frm_capa.h"

namespace pfedit::models {
namespace {

// Column widths are given in characters of the dialog font.
constexpr int kTwipsPerCharacter = 120;
constexpr int Characters(double count) {
  return static_cast<int>(count * kTwipsPerCharacter);
}

// The rating cells read as numbers when the table sorts; the mark is the one
// the catalogue writes.
const CellType& RatingNumberType() {
  static const CellType type = CellType::DecimalText(0, '.');
  return type;
}

bool IsDigitOrCapital(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
}

}  // namespace

const ModelRecord& ModelInfoSource(const EditorState& state) {
  const ModelRecord& draft = state.Buffer.ModelInfoDraft;
  return draft.ModelName.empty() ? state.Buffer.EditModel : draft;
}

void SetRatingRow(TableModel& table, int row, const RatingRow& values) {
  for (int column = 1; column <= kRatingColumnCount; ++column) {
    if (column != kRatingTypeName + 1) table.SetType(column, row, RatingNumberType());
    table.SetText(column, row, values[column - 1]);
    // Rows change only through the rated capacity dialog.
    table.SetLocked(column, row, true);
  }
}

RatingRow GetRatingRow(const TableModel& table, int row) {
  RatingRow values;
  for (int column = 1; column <= kRatingColumnCount; ++column) {
    values[column - 1] = table.Text(column, row);
  }
  return values;
}

frm_ModelInfo::frm_ModelInfo(EditorState& state, Desktop& desktop, AcceptedHook on_accepted)
    : state_(state), desktop_(desktop), on_accepted_(std::move(on_accepted)) {}

void frm_ModelInfo::Form_Load(int16_t mode) {
  Mode = mode;
  Caption = GetMessageText(msg::kModelInfoCaption);

  // An edited model keeps its special name: it names the model's files.
  const bool name_fixed = Mode == kEditModeEdit;
  lblSpe.Visible = name_fixed;
  txtSpe.Visible = !name_fixed;
  txtSpe.Locked = name_fixed;
  txtSpe.MaxLength = static_cast<int>(kMaxSpecialNameLength);
  frmInvTyp.Caption =
      GetMessageText(name_fixed ? msg::kModelInfoInverterType : msg::kInverterTypeAccel);

  frmCon.Caption = GetMessageText(msg::kModelInfoComResource);
  chkUsb.Caption = GetMessageText(msg::kModelInfoUsb);
  chkRs485.Caption = GetMessageText(msg::kModelInfoRs485);
  chkPu.Caption = GetMessageText(msg::kModelInfoPu);
  frmRat.Caption = GetMessageText(msg::kModelInfoRating);
  lblInvCap.Caption = GetMessageText(msg::kModelInfoCapacity);
  lblRatCur.Caption = GetMessageText(msg::kModelInfoRatedCurrent);
  lblRatSld.Caption = GetMessageText(msg::kModelInfoSld);
  lblRatLd.Caption = GetMessageText(msg::kModelInfoLd);
  lblRatNd.Caption = GetMessageText(msg::kModelInfoNd);
  lblRatHd.Caption = GetMessageText(msg::kModelInfoHd);
  lblInvType.Caption = GetMessageText(msg::kModelInfoCapacityName);
  cmdEdit.Caption = GetMessageText(msg::kModelInfoEdit);
  cmdAdd.Caption = GetMessageText(msg::kModelInfoAdd);
  cmdDel.Caption = GetMessageText(msg::kModelInfoDelete);
  CmdOK.Caption = GetMessageText(msg::kOk);
  cmdCancel.Caption = GetMessageText(msg::kCancel);
  cmdHelp.Caption = GetMessageText(msg::kModelInfoHelp);

  four_rating_ = IsFourRatingModel(ModelInfoSource(state_));
  for (LabelState* title : {&lblRatSld, &lblRatLd, &lblRatNd, &lblRatHd}) {
    title->Visible = four_rating_;
  }
  sprRatCurr.SetColumnWidth(1, Characters(12));
  sprRatCurr.SetColumnWidth(2, Characters(four_rating_ ? 6 : 8.4));
  for (int column = 3; column <= 5; ++column) {
    sprRatCurr.SetColumnWidth(column, Characters(6));
    sprRatCurr.SetColumnHidden(column, !four_rating_);
  }
  sprRatCurr.SetColumnWidth(6, Characters(10));
  // The labels above the table title its columns; its rows need no header.
  sprRatCurr.SetColumnHidden(0, true);
  sprOption.SetColumnWidth(0, Characters(12));

  if (!state_.Buffer.ModelInfoDraft.ModelName.empty()) {
    content_ = FillFromDraft(state_);
    InitialSpecialName = content_.SpecialName;
  } else {
    content_ = FillFromEditModel(state_);
  }
  lblInv.Caption = content_.BaseTypeName;
  txtSpe.Text = content_.SpecialName;
  lblSpe.Caption = content_.SpecialName;
  chkUsb.Value = content_.Communication[0];
  chkRs485.Value = content_.Communication[1];
  chkPu.Value = content_.Communication[2];
  FillRatingTable();
  FillOptionTable();
}

void frm_ModelInfo::FillRatingTable() {
  const int rows = static_cast<int>(content_.RatingRows.size());
  sprRatCurr.SetRowCount(rows);
  for (int row = 1; row <= rows; ++row) SetRatingRow(sprRatCurr, row, content_.RatingRows[row - 1]);
  sprRatCurr.SetActiveCell(1, 1);
}

void frm_ModelInfo::FillOptionTable() {
  lblOpt.Caption = GetMessageText(content_.OptionCaptionMessage());
  sprOptionEnabled = content_.OptionTableEnabled;
  sprOption.SetColumnCount(content_.SlotColumns);
  for (int slot = 1; slot <= content_.SlotColumns; ++slot) {
    sprOption.SetText(slot, 0, GetMessageText(msg::kModelInfoOption1 + slot - 1));
  }
  const int rows = static_cast<int>(content_.OptionRows.size());
  sprOption.SetRowCount(rows);
  const int tick = sprOption.TypeId(CellType::OfKind(CellKind::kCheckBox));
  for (int row = 1; row <= rows; ++row) {
    const OptionRow& option = content_.OptionRows[row - 1];
    sprOption.SetText(0, row, option.Name);
    for (int slot = 1; slot <= content_.SlotColumns; ++slot) {
      sprOption.SetTypeId(slot, row, tick);
      sprOption.SetValue(slot, row, option.Ticked[slot - 1] ? 1 : 0);
      if (option.Locked[slot - 1]) {
        sprOption.SetLocked(slot, row, true);
        sprOption.SetBackground(slot, row, kForbiddenCellColour);
      }
    }
  }
}

ModelInfoContent frm_ModelInfo::Content() const {
  ModelInfoContent content = content_;
  content.SpecialName = txtSpe.Text;
  content.Communication = {chkUsb.Value, chkRs485.Value, chkPu.Value};
  content.RatingRows.clear();
  for (int row = 1; row <= sprRatCurr.RowCount(); ++row) {
    content.RatingRows.push_back(GetRatingRow(sprRatCurr, row));
  }
  for (std::size_t i = 0; i < content.OptionRows.size(); ++i) {
    for (int slot = 1; slot <= content.SlotColumns; ++slot) {
      content.OptionRows[i].Ticked[slot - 1] = sprOption.Value(slot, static_cast<int>(i) + 1) == 1;
    }
  }
  return content;
}

void frm_ModelInfo::txtSpe_KeyPress(int16_t& key) {
  if (key >= 'a' && key <= 'z') key = static_cast<int16_t>(key - 'a' + 'A');
}

void frm_ModelInfo::cmdEdit_Click() {
  if (sprRatCurr.RowCount() == 0) return;
  state_.CapacityDialogMode = 0;
  state_.CapacityDialogRow = static_cast<int16_t>(sprRatCurr.ActiveRow());
  frm_Capa capacity(state_, desktop_, sprRatCurr, four_rating_);
  capacity.Form_Load();
  desktop_.RunModal(capacity);
}

void frm_ModelInfo::cmdAdd_Click() {
  if (sprRatCurr.RowCount() >= kMaxRatingRows) {
    ShowError(desktop_, msg::kCapacityLimit);
    return;
  }
  state_.CapacityDialogMode = 1;
  frm_Capa capacity(state_, desktop_, sprRatCurr, four_rating_);
  capacity.Form_Load();
  desktop_.RunModal(capacity);
}

void frm_ModelInfo::cmdDel_Click() {
  MessageBox box;
  box.text = GetMessageText(msg::kConfirmDeleteCapacity);
  box.message = msg::kConfirmDeleteCapacity;
  box.title = GetMessageText(msg::kTitle);
  box.icon = Icon::kQuestion;
  box.buttons = Buttons::kYesNo;
  box.default_button = Answer::kNo;
  if (desktop_.ShowMessage(box) != Answer::kYes) return;
  const int rows = sprRatCurr.RowCount();
  if (rows < 2) {
    ShowError(desktop_, msg::kCapacityEmpty);
    return;
  }
  sprRatCurr.DeleteRows(sprRatCurr.ActiveRow(), 1);
  sprRatCurr.SetRowCount(rows - 1);
}

bool frm_ModelInfo::ValidateModelInfo() {
  for (const char c : txtSpe.Text) {
    if (!IsDigitOrCapital(c)) {
      ShowError(desktop_, msg::kDigitsAndCapitals);
      SetFocus("txtSpe");
      return false;
    }
  }
  if (!chkUsb.Value && !chkRs485.Value && !chkPu.Value) {
    ShowError(desktop_, msg::kComResourceNotSet);
    return false;
  }
  return true;
}

void frm_ModelInfo::CmdOK_Click() {
  if (!ValidateModelInfo()) return;
  const ModelInfoContent content = Content();
  if (state_.Buffer.ModelInfoDraft.ModelName.empty()) {
    // A model made without import needs its own special name.
    if (!state_.ImportedData && txtSpe.Text.empty() && Mode == kEditModeNew) {
      ShowError(desktop_, msg::kSpecialNameMissing);
      SetFocus("txtSpe");
      return;
    }
    if (chkModelChange(content, state_)) state_.ModelInfoDirty = true;
    ModelChange(content, state_);
    Accept();
    return;
  }
  // A new model is told apart from its base model by the special name.
  if (txtSpe.Text.empty()) {
    ShowError(desktop_, msg::kSpecialNameMissing);
    SetFocus("txtSpe");
    return;
  }
  if (txtSpe.Text == InitialSpecialName) {
    ShowError(desktop_, msg::kSpecialNameUnchanged);
    SetFocus("txtSpe");
    return;
  }
  state_.Buffer.EditModel = state_.Buffer.ModelInfoDraft;
  state_.ModelInfoAccepted = true;
  ModelChange(content, state_);
  state_.ModelInfoDirty = true;
  Accept();
}

void frm_ModelInfo::Accept() {
  accepted_ = true;
  if (on_accepted_) on_accepted_();
  Close(kResultOk);
}

void frm_ModelInfo::cmdCancel_Click() {
  state_.ModelInfoAccepted = false;
  Close(kResultCancel);
}

void frm_ModelInfo::cmdHelp_Click() {
  ShowHelp(state_, desktop_, help_topic::kModelInfo);
}

void frm_ModelInfo::Form_Unload() {
  if (!accepted_) {
    state_.ModelInfoAccepted = false;
  } else {
    accepted_ = false;
  }
  state_.Buffer.ModelInfoDraft = ModelRecord{};
}

bool ShowModelInfo(EditorState& state, Desktop& desktop, int16_t mode,
                   const frm_ModelInfo::AcceptedHook& on_accepted) {
  frm_ModelInfo dialog(state, desktop, on_accepted);
  dialog.Form_Load(mode);
  desktop.RunModal(dialog);
  return dialog.Accepted();
}

}  // namespace pfedit::models
