#pragma once

// The editor's main window as a logic object: its controls' state, its
// start-up and closing, the menu states and the small menu commands. The Qt
// view renders this state and forwards every event here.

#include <string>
#include <string_view>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/table_model.h"
#include "editor/menu_state.h"

namespace pfedit::editor {

struct TextBoxState {
  std::string Text;
  bool Enabled = true;
  int MaxLength = 0;  // 0: no limit
};

struct ButtonState {
  std::string Caption;
  bool Enabled = true;
};

struct LabelState {
  std::string Caption;
  std::string ToolTipText;
};

class frmPrFileEdit {
 public:
  frmPrFileEdit(EditorState& state, Desktop& desktop);

  // Start-up, once, with the folder of the running program.
  void Form_Load(const std::string& program_folder);

  void MenuSet(int state);
  bool MenuEnabled(MenuItem item) const { return menus_.Enabled(item); }
  void SetMainCaption(std::string_view model_name, int capacity_class);

  // Asks before unsaved data is discarded; true when the window may close.
  bool ConfirmExit();
  // The window is about to close by any means; false cancels the close.
  bool Form_QueryUnload();

  // Runs the command of a menu item. Items whose command is not part of the
  // program yet do nothing.
  void Invoke(MenuItem item);
  // The Edit menu is about to open (also as the grid's pop-up menu).
  void mnuEdit_Click();
  void mnuFileExit_Click() { CloseRequested = true; }
  void mnuHelpItem_Click();
  void mnuHelpVer_Click();

  // Controls.
  std::string Caption;
  LabelState lblPrNo;
  TextBoxState txtPr;
  ButtonState CmdEnd;
  LabelState lblFilePass;
  TableModel sprParaList;
  // Set by Exit: the view closes the window, which goes through
  // Form_QueryUnload like any other close.
  bool CloseRequested = false;

 private:
  EditorState& state_;
  Desktop& desktop_;
  MenuStates menus_;
};

}  // namespace pfedit::editor
