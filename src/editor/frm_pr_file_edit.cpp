#include "editor/frm_pr_file_edit.h"

#include "about/frm_version.h"
#include "core/help.h"
#include "core/messages.h"
#include "core/text_services.h"
#include "editor/grid_layout.h"
#include "editor/parameter_grid.h"

namespace pfedit::editor {

frmPrFileEdit::frmPrFileEdit(EditorState& state, Desktop& desktop, char decimal_mark,
                             FileSystem& files)
    : state_(state),
      desktop_(desktop),
      files_(files),
      decimal_mark_(GridDecimalMark(decimal_mark)),
      grid_events_(sprParaList, state, desktop, *this, decimal_mark_),
      row_commands_(sprParaList, grid_events_, state, desktop, *this) {
  sprParaList.SetObserver(&grid_events_);
}

void frmPrFileEdit::Form_Load(const std::string& program_folder) {
  state_.Buffer.RecordCount = 0;
  state_.EditFolder.clear();
  InitHelpPath(state_, desktop_, program_folder);

  Caption = GetMessageText(msg::kTitle);
  lblPrNo.Caption = GetMessageText(msg::kParameterNo);
  CmdEnd.Caption = GetMessageText(msg::kParameterCheck);
  txtPr.Enabled = false;
  txtPr.MaxLength = 3;
  CmdEnd.Enabled = false;
  SetUpParameterGrid(sprParaList);
  MenuSet(0);
}

void frmPrFileEdit::MenuSet(int state) {
  menus_.MenuSet(state, state_.EditMode);
}

void frmPrFileEdit::SetMainCaption(std::string_view model_name, int capacity_class) {
  Caption = MainCaptionText(model_name, capacity_class);
}

bool frmPrFileEdit::ConfirmExit() {
  if (!state_.HasUnsavedData()) return true;
  return AskYesNo(desktop_, msg::kConfirmExit);
}

void frmPrFileEdit::Form_QueryUnload() {
  if (!ConfirmExit()) return;
  state_.ParametersDirty = false;
  Unload();
}

void frmPrFileEdit::Invoke(MenuItem item) {
  if (!MenuEnabled(item)) return;
  switch (item) {
    case MenuItem::mnuFileFolder:
      RunFolderCommand(state_, desktop_, *this);
      break;
    case MenuItem::mnuFileSave:
      RunSaveCommand(state_, desktop_, *this);
      break;
    case MenuItem::mnuModelNewMaking:
      mnuModelNewMaking_Click(state_, desktop_, *this);
      break;
    case MenuItem::mnuModelEdit:
      mnuModelEdit_Click(state_, desktop_, *this);
      break;
    case MenuItem::mnuModelDelete:
      mnuModelDelete_Click(state_, desktop_, *this);
      break;
    case MenuItem::mnuEditInf:
      mnuEditInf_Click(state_, desktop_, *this);
      break;
    case MenuItem::mnuFileImport:
      mnuFileImport_Click(state_, desktop_, *this, files_);
      break;
    case MenuItem::mnuFileExport:
      mnuFileExport_Click(state_, desktop_, *this, files_);
      break;
    case MenuItem::mnuEditFunc:
      RunFuncCodeCommand(sprParaList, state_, desktop_, *this);
      break;
    case MenuItem::mnuFileExit:
      mnuFileExit_Click();
      break;
    case MenuItem::mnuHelpItem:
      mnuHelpItem_Click();
      break;
    case MenuItem::mnuHelpVer:
      mnuHelpVer_Click();
      break;
    case MenuItem::mnuEditCut:
      row_commands_.mnuEditCut_Click();
      break;
    case MenuItem::mnuEditCopy:
      row_commands_.mnuEditCopy_Click();
      break;
    case MenuItem::mnuEditPaste:
      row_commands_.mnuEditPaste_Click();
      break;
    case MenuItem::mnuEditAddPaste:
      row_commands_.mnuEditAddPaste_Click();
      break;
    case MenuItem::mnuEditAdd:
      row_commands_.mnuEditAdd_Click();
      break;
    case MenuItem::mnuEditDel:
      row_commands_.mnuEditDel_Click();
      break;
    default:
      break;
  }
}

void frmPrFileEdit::mnuEdit_Click() {
  if (sprParaList.RowCount() < 1) return;
  const bool has_text = !desktop_.ClipboardText().empty();
  menus_.SetEnabled(MenuItem::mnuEditPaste, has_text);
  menus_.SetEnabled(MenuItem::mnuEditAddPaste, has_text);
}

void frmPrFileEdit::mnuHelpItem_Click() {
  ShowHelp(state_, desktop_);
}

void frmPrFileEdit::mnuHelpVer_Click() {
  about::frmVersion form;
  form.Form_Load();
  desktop_.RunModal(form);
}

void frmPrFileEdit::OpenEditMenuAt(int x, int y) {
  mnuEdit_Click();
  desktop_.ShowPopupMenu(PopupMenu::mnuEdit, x, y);
}

void frmPrFileEdit::ClearWindow() {
  if (sprParaList.RowCount() < 1) return;
  sprParaList.SuspendDrawing();
  sprParaList.SetActiveCell(kColPr, 1);
  txtPr.Text.clear();
  txtPr.Enabled = false;
  sprParaList.SetRowCount(0);
  sprParaList.ResumeDrawing();
  CmdEnd.Enabled = false;
}

void frmPrFileEdit::ShowParameterList() {
  grid_events_.ParameterCheckDone = false;
  LoadGrid(sprParaList, state_.Buffer, decimal_mark_);
  txtPr.Enabled = true;
  txtPr.Text = sprParaList.Text(kColPr, sprParaList.ActiveRow());
  CmdEnd.Enabled = true;
}

}  // namespace pfedit::editor
