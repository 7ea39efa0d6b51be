#pragma once

// The editor's main window as a logic object: its controls' state, its
// start-up and closing, the menu states and the small menu commands. The Qt
// view renders this state and forwards every event here.

#include <string>
#include <string_view>

#include "core/control_state.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"
#include "core/platform.h"
#include "core/table_model.h"
#include "editor/folder_command.h"
#include "editor/func_code_command.h"
#include "editor/import_export.h"
#include "editor/menu_state.h"
#include "editor/model_commands.h"
#include "editor/parameter_grid_events.h"
#include "editor/row_commands.h"
#include "editor/save_command.h"

namespace pfedit::editor {

// The window closes the way every form does (see FormLogic): Exit and the
// close box both go through Form_QueryUnload, which asks about unsaved data
// and closes the form only on consent; the view then closes the window,
// which ends the program.
class frmPrFileEdit final : public FormLogic,
                            private GridWindow,
                            private FolderWindow,
                            private FuncCodeWindow,
                            private SaveWindow,
                            private ModelWindow,
                            private TransferWindow {
 public:
  // The grid's decimal numbers are typed and shown with `decimal_mark`;
  // Import and Export read and write through `files`.
  frmPrFileEdit(EditorState& state, Desktop& desktop,
                char decimal_mark = platform::LocaleDecimalSeparator(),
                FileSystem& files = RealFileSystem());

  const char* FormName() const override { return "frmPrFileEdit"; }

  // Start-up, once, with the folder of the running program.
  void Form_Load(const std::string& program_folder);

  void MenuSet(int state) override;
  bool MenuEnabled(MenuItem item) const { return menus_.Enabled(item); }
  void SetMainCaption(std::string_view model_name, int capacity_class) override;

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
  // The Parameter Check button.
  void CmdEnd_Click() { grid_events_.CmdEnd_Click(); }
  // A key typed into the Pr jump box, whose text is txtPr.Text; 0 when it
  // was swallowed.
  void txtPr_KeyPress(int16_t& key) { grid_events_.txtPr_KeyPress(key, txtPr.Text); }

  // Empties the window before another list is loaded or after a list was
  // given up: the grid, the Pr box and the check button. The caption and the
  // menus are the caller's.
  void ClearWindow() override;
  // Shows state.Buffer's parameter list in the grid, ready for editing: the
  // Pr box follows the active row and the check button is enabled. Edit
  // mode, menus and caption are the caller's.
  void ShowParameterList() override;

  // The grid's rules and the fields they share with the row commands.
  ParameterGridEvents& GridEvents() { return grid_events_; }

  // Controls.
  std::string Caption;
  LabelState lblPrNo;
  TextBoxState txtPr;
  ButtonState CmdEnd;
  LabelState lblFilePass;
  TableModel sprParaList;

 private:
  // What the grid rules and the commands change on the window.
  void SetCheckEnabled(bool enabled) override { CmdEnd.Enabled = enabled; }
  void SetPrText(const std::string& text) override { txtPr.Text = text; }
  void OpenEditMenuAt(int x, int y) override;
  void SetFolderLabel(const std::string& folder) override {
    lblFilePass.Caption = folder;
    lblFilePass.ToolTipText = folder;
  }
  void ResetParameterCheck() override { grid_events_.ParameterCheckDone = false; }
  int ParameterRowCount() override { return sprParaList.RowCount(); }
  bool RunParameterCheck() override { return grid_events_.CmdEnd_Click(); }
  void DisableSave() override { menus_.SetEnabled(MenuItem::mnuFileSave, false); }
  bool GridHasRows() const override { return sprParaList.RowCount() > 0; }
  int GridRowCount() const override { return sprParaList.RowCount(); }
  void DisableExport() override { menus_.SetEnabled(MenuItem::mnuFileExport, false); }

  EditorState& state_;
  Desktop& desktop_;
  FileSystem& files_;
  MenuStates menus_;
  const char decimal_mark_;
  ParameterGridEvents grid_events_;
  RowCommands row_commands_;
};

}  // namespace pfedit::editor
