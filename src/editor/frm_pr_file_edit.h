#pragma once

// The editor's main window as a logic object: its controls' state, its
// start-up and closing, the menu states and the small menu commands. The Qt
// view renders this state and forwards every event here.

#include <string>
#include <string_view>

#include "core/control_state.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/table_model.h"
#include "editor/folder_command.h"
#include "editor/func_code_command.h"
#include "editor/menu_state.h"

namespace pfedit::editor {

// The window closes the way every form does (see FormLogic): Exit and the
// close box both go through Form_QueryUnload, which asks about unsaved data
// and closes the form only on consent; the view then closes the window,
// which ends the program.
class frmPrFileEdit final : public FormLogic,
                            private TableObserver,
                            private FolderWindow,
                            private FuncCodeWindow {
 public:
  frmPrFileEdit(EditorState& state, Desktop& desktop);

  const char* FormName() const override { return "frmPrFileEdit"; }

  // Start-up, once, with the folder of the running program.
  void Form_Load(const std::string& program_folder);

  void MenuSet(int state) override;
  bool MenuEnabled(MenuItem item) const { return menus_.Enabled(item); }
  void SetMainCaption(std::string_view model_name, int capacity_class) override;
  // Empties the grid and the Pr box; the check has nothing left to check.
  void ClearWindow() override;

  // Asks before unsaved data is discarded; true when the window may close.
  bool ConfirmExit();
  // Closes the form after ConfirmExit agreed; otherwise nothing changes.
  void Form_QueryUnload() override;

  // Runs the command of a menu item. Items whose command is not part of the
  // program yet do nothing.
  void Invoke(MenuItem item);
  // The Edit menu is about to open (also as the grid's pop-up menu).
  void mnuEdit_Click();
  void mnuFileExit_Click() { Form_QueryUnload(); }
  void mnuHelpItem_Click();
  void mnuHelpVer_Click();
  // The Edit menu opens as a pop-up where the grid was right-clicked.
  void sprParaList_RightClick(int column, int row, int x, int y);

  // Controls.
  std::string Caption;
  LabelState lblPrNo;
  TextBoxState txtPr;
  ButtonState CmdEnd;
  LabelState lblFilePass;
  TableModel sprParaList;

 private:
  void OnRightClick(int column, int row, int x, int y) override {
    sprParaList_RightClick(column, row, x, y);
  }
  void SetFolderLabel(const std::string& folder) override {
    lblFilePass.Caption = folder;
    lblFilePass.ToolTipText = folder;
  }
  void SetCheckEnabled(bool enabled) override { CmdEnd.Enabled = enabled; }
  // The check's own flag lives with the grid rules, which reset it there.
  void ResetParameterCheck() override {}

  EditorState& state_;
  Desktop& desktop_;
  MenuStates menus_;
};

}  // namespace pfedit::editor
