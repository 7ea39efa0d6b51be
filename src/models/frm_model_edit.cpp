#include "models/frm_model_edit.h"

#include <cstddef>

#include "core/messages.h"
#include "core/model_codes.h"
#include "core/paths.h"
#include "core/text_services.h"
#include "models/model_prepare.h"

namespace pfedit::models {

namespace {

// The list's one column.
constexpr int kNameColumn = 1;
constexpr int kNameColumnTwips = 2200;

// A Yes / No question titled with message 0 that only Yes lets through.
bool Ask(Desktop& desktop, const std::string& text, Icon icon, Answer default_button,
         MessageId message) {
  MessageBox box;
  box.text = text;
  box.icon = icon;
  box.buttons = Buttons::kYesNo;
  box.default_button = default_button;
  box.title = GetMessageText(msg::kTitle);
  box.message = message;
  return desktop.ShowMessage(box) == Answer::kYes;
}

}  // namespace

bool HiddenFromEditList(const ModelRecord& model) {
  return model.ModelCode5.empty() || model.ModelCode5.compare(0, 3, "0x0") == 0;
}

bool IsStandardModel(const ModelRecord& model) {
  if (Trim(model.ModelCode5).empty()) return true;
  return static_cast<int32_t>(CodeHexValue(model.ModelCode5)) >= 0;
}

frmModelEdit::frmModelEdit(EditorState& state, Desktop& desktop, FileSystem& files)
    : state_(state), desktop_(desktop), files_(files) {
  sprModelList.SetObserver(this);
}

frmModelEdit::~frmModelEdit() {
  sprModelList.SetObserver(nullptr);
}

void frmModelEdit::Form_Load(int16_t mode) {
  mode_ = mode;
  MessageId caption = msg::kSelectDelete;
  MessageId prompt = msg::kSelectDeletePrompt;
  if (mode == kSelectForNew) {
    caption = msg::kSelectNew;
    prompt = msg::kSelectNewPrompt;
  } else if (mode == kSelectForEdit) {
    caption = msg::kSelectEdit;
    prompt = msg::kSelectEditPrompt;
  }
  Caption = GetMessageText(caption);
  lblMsg.Caption = GetMessageText(prompt);
  fraCapa.Caption = GetMessageText(msg::kSelectCapacity);
  opCapa[kLargeOption].Caption = GetMessageText(msg::kSelectLarge);
  opCapa[kSmallOption].Caption = GetMessageText(msg::kSelectSmall);
  lblCapa[kLargeOption].Caption = GetMessageText(msg::kSelectLargeNote);
  lblCapa[kSmallOption].Caption = GetMessageText(msg::kSelectSmallNote);
  CmdOK.Caption = GetMessageText(msg::kOk);
  cmdCancel.Caption = GetMessageText(msg::kCancel);

  // One locked row per catalogue entry, so that row r is always entry r - 1,
  // also where the Edit list hides a model.
  const ModelCatalogue& catalogue = state_.Catalogue;
  const int rows = static_cast<int>(catalogue.size());
  sprModelList.SuspendDrawing();
  sprModelList.SetColumnCount(1);
  sprModelList.SetColumnHidden(0, true);
  sprModelList.SetText(kNameColumn, 0, GetMessageText(msg::kSelectInverterType));
  sprModelList.SetColumnWidth(kNameColumn, kNameColumnTwips);
  sprModelList.SetRowCount(rows);
  const int static_type = sprModelList.TypeId(CellType::OfKind(CellKind::kStatic));
  int first_visible = 0;
  for (int row = 1; row <= rows; ++row) {
    sprModelList.SetBackground(kNameColumn, row, kWhite);
    sprModelList.SetTypeId(kNameColumn, row, static_type);
    sprModelList.SetLocked(kNameColumn, row, true);
    const ModelRecord& model = catalogue[static_cast<std::size_t>(row - 1)];
    if (mode == kSelectForEdit && HiddenFromEditList(model)) {
      sprModelList.SetRowHidden(row, true);
      continue;
    }
    sprModelList.SetText(kNameColumn, row, model.ModelName);
    sprModelList.FitRowHeight(row);
    if (first_visible == 0) first_visible = row;
  }
  sprModelList.ResumeDrawing();

  if (first_visible == 0) {
    CmdOK.Enabled = false;
    for (int i : {kLargeOption, kSmallOption}) {
      opCapa[i].Enabled = false;
      lblCapa[i].Enabled = false;
    }
    lblMsg.Caption = GetMessageText(msg::kSelectNoneEditable);
  } else {
    // The cursor cannot rest on a hidden row; the first model shown is the
    // one the user sees chosen.
    if (sprModelList.RowHidden(sprModelList.ActiveRow())) {
      sprModelList.SetActiveCell(kNameColumn, first_visible);
    }
    const int row = sprModelList.ActiveRow();
    sprModelList.SetSelection({kNameColumn, kNameColumn, row, row});
    UpdateCapacityChoice(sprModelList.ActiveRow());
  }
  SetFocus(kTabOrder.front());
}

void frmModelEdit::UpdateCapacityChoice(int row) {
  if (row < 1 || row > static_cast<int>(state_.Catalogue.size())) return;
  const int16_t capacity_class = state_.Catalogue[static_cast<std::size_t>(row - 1)].CapacityClass;
  const bool large = capacity_class != kClassSmall;
  const bool small = capacity_class != kClassLarge;
  opCapa[kLargeOption].Enabled = lblCapa[kLargeOption].Enabled = large;
  opCapa[kSmallOption].Enabled = lblCapa[kSmallOption].Enabled = small;
  SelectOption(large ? kLargeOption : kSmallOption);
}

void frmModelEdit::SelectOption(int index) {
  opCapa[kLargeOption].Value = index == kLargeOption;
  opCapa[kSmallOption].Value = index == kSmallOption;
}

void frmModelEdit::opCapa_Click(int index) {
  if (index != kLargeOption && index != kSmallOption) return;
  if (opCapa[static_cast<std::size_t>(index)].Enabled) SelectOption(index);
}

void frmModelEdit::sprModelList_LeaveCell(int, int, int, int new_row) {
  if (new_row >= 1) UpdateCapacityChoice(new_row);
}

void frmModelEdit::CmdOK_Click() {
  const int row = sprModelList.ActiveRow();
  if (!CmdOK.Enabled || row < 1 || row > static_cast<int>(state_.Catalogue.size())) return;
  const ModelRecord& model = state_.Catalogue[static_cast<std::size_t>(row - 1)];

  // The choice is kept even when a check below refuses it; the commands
  // restore their own snapshot when the dialog is cancelled.
  state_.SelectedModelName = model.ModelName;
  state_.SelectedModelCode1 = model.ModelCode1;
  state_.SelectedModelCode2 = model.ModelCode2;
  state_.SelectedModelCode5 = model.ModelCode5;
  state_.SelectedCapacityClass = opCapa[kLargeOption].Value ? kClassLarge : kClassSmall;

  if (mode_ == kSelectForNew) {
    if (!NewAllowed()) return;
  } else if (mode_ == kSelectForEdit) {
    if (!EditConfirmed(model)) return;
  } else {
    if (!DeleteConfirmed(model)) return;
    state_.ModelInfoDirty = true;
    return Close(kResultOk);
  }
  if (!ParameterFileExists(model)) return;
  Close(kResultOk);
}

bool frmModelEdit::NewAllowed() {
  if (sprModelList.RowCount() < static_cast<int>(kMaxModels)) return true;
  ShowError(desktop_, msg::kModelLimit);
  return false;
}

bool frmModelEdit::EditConfirmed(const ModelRecord& model) {
  return !IsStandardModel(model) || AskYesNo(desktop_, msg::kConfirmEditStandard);
}

bool frmModelEdit::DeleteConfirmed(const ModelRecord& model) {
  // The last model stays: the catalogue is never written empty.
  if (sprModelList.RowCount() <= 1) {
    ShowError(desktop_, msg::kCannotDeleteModel);
    return false;
  }
  const MessageId capacity =
      state_.SelectedCapacityClass == kClassLarge ? msg::kSelectLarge : msg::kSelectSmall;
  const std::string question = GetMessageText(msg::kConfirmDelete) + "\r\n" + model.ModelName +
                               " " + GetMessageText(capacity);
  if (!Ask(desktop_, question, Icon::kQuestion, Answer::kNo, -1)) return false;
  if (!IsStandardModel(model)) return true;
  return Ask(desktop_, GetMessageText(msg::kConfirmDeleteStandard), Icon::kExclamation, Answer::kNo,
             msg::kConfirmDeleteStandard);
}

bool frmModelEdit::ParameterFileExists(const ModelRecord& model) {
  const std::string file = state_.SelectedCapacityClass == kClassLarge
                               ? LargeCapacityFileName(model.ParamFile)
                               : model.ParamFile;
  // A folder of that name (an empty ParamFile names the edit folder itself)
  // is no parameter file.
  const int attributes = files_.Attributes(JoinPath(state_.EditFolder, file));
  if (attributes != -1 && (attributes & kAttributeDirectory) == 0) return true;
  ShowError(desktop_, msg::kParamFileMissing);
  return false;
}

bool ShowModelEdit(int16_t mode, EditorState& state, Desktop& desktop, FileSystem& files) {
  frmModelEdit dialog(state, desktop, files);
  dialog.Form_Load(mode);
  desktop.RunModal(dialog);
  return dialog.Accepted();
}

}  // namespace pfedit::models
