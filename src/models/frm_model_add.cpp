#include "models/frm_model_add.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "core/messages.h"

namespace pfedit::models {

namespace {

constexpr int kNameColumn = 1;
constexpr int kNameColumnTwips = 2200;
// The row headers show each row's number, the position the user is
// choosing; wide enough for "257".
constexpr int kPositionColumnTwips = 500;

bool SameModel(const ModelRecord& a, const ModelRecord& b) {
  return a.ModelCode1 == b.ModelCode1 && a.ModelCode2 == b.ModelCode2 &&
         a.ModelCode5 == b.ModelCode5;
}

}  // namespace

void frmModelAdd::Form_Load(int16_t mode) {
  const bool adding = mode == kPlaceNewModel;
  const ModelRecord& model = state_.Buffer.EditModel;
  Caption = GetMessageText(msg::kPositionCaption);
  lblModelName[0].Caption = GetMessageText(adding ? msg::kPositionAdding : msg::kPositionEditing);
  lblModelName[1].Caption = model.ModelName;
  lblMes.Caption = GetMessageText(adding ? msg::kPositionAddPrompt : msg::kPositionEditPrompt);
  cmdUpper.Caption = GetMessageText(msg::kPositionUpper);
  cmdLower.Caption = GetMessageText(msg::kPositionLower);
  CmdOK.Caption = GetMessageText(msg::kOk);
  cmdCancel.Caption = GetMessageText(msg::kCancel);

  const ModelCatalogue& catalogue = state_.Catalogue;
  const int models = static_cast<int>(catalogue.size());
  const int rows = adding ? models + 1 : models;
  sprModelList.SuspendDrawing();
  sprModelList.SetColumnCount(1);
  sprModelList.SetColumnWidth(0, kPositionColumnTwips);
  sprModelList.SetText(kNameColumn, 0, GetMessageText(msg::kPositionInverterType));
  sprModelList.SetColumnWidth(kNameColumn, kNameColumnTwips);
  sprModelList.SetRowCount(rows);
  const int static_type = sprModelList.TypeId(CellType::OfKind(CellKind::kStatic));
  int active_row = 0;
  for (int row = 1; row <= rows; ++row) {
    sprModelList.SetBackground(kNameColumn, row, kWhite);
    sprModelList.SetTypeId(kNameColumn, row, static_type);
    sprModelList.SetLocked(kNameColumn, row, true);
    if (row <= models) {
      const ModelRecord& entry = catalogue[static_cast<std::size_t>(row - 1)];
      sprModelList.SetText(kNameColumn, row, entry.ModelName);
      // The last match: that is the entry the merge will replace.
      if (!adding && SameModel(entry, model)) active_row = row;
    } else {
      sprModelList.SetText(kNameColumn, row, model.ModelName);
      active_row = row;
    }
    sprModelList.FitRowHeight(row);
  }
  sprModelList.ResumeDrawing();
  if (active_row != 0) ActivateRow(active_row);
  SetFocus(kTabOrder.front());
}

void frmModelAdd::ActivateRow(int row) {
  sprModelList.SetActiveCell(kNameColumn, row);
  // Selected as well, so that the entry being placed stands out.
  sprModelList.SetSelection({kNameColumn, kNameColumn, row, row});
}

void frmModelAdd::MoveActiveEntry(int step) {
  const int row = sprModelList.ActiveRow();
  const int target = row + step;
  if (row < 1 || target < 1 || target > sprModelList.RowCount()) return;
  const std::string moving(sprModelList.Text(kNameColumn, row));
  sprModelList.SetText(kNameColumn, row, sprModelList.Text(kNameColumn, target));
  sprModelList.SetText(kNameColumn, target, moving);
  ActivateRow(target);
}

void frmModelAdd::CmdOK_Click() {
  state_.ListPosition = static_cast<int16_t>(std::max(sprModelList.ActiveRow(), 1));
  Close(kResultOk);
}

bool ShowModelAdd(int16_t mode, EditorState& state, Desktop& desktop) {
  frmModelAdd dialog(state);
  dialog.Form_Load(mode);
  desktop.RunModal(dialog);
  return dialog.Accepted();
}

}  // namespace pfedit::models
