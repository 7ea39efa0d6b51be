#pragma once

// The list position dialog: before a new or edited model is saved, the user
// places it in the catalogue's model list, whose order is the order of the
// models in the configuration tool. The chosen row becomes ListPosition.

#include <array>
#include <cstdint>

#include "core/control_state.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/table_model.h"

namespace pfedit::models {

// What is being placed, as Save passes it.
enum : int16_t {
  kPlaceNewModel = 1,
  kPlaceEditedModel = 2,
};

class frmModelAdd final : public DialogLogic {
 public:
  // Reads the catalogue and EditModel; OK writes ListPosition.
  explicit frmModelAdd(EditorState& state) : state_(state) {}

  const char* FormName() const override { return "frmModelAdd"; }

  void Form_Load(int16_t mode);
  void cmdUpper_Click() { MoveActiveEntry(-1); }
  void cmdLower_Click() { MoveActiveEntry(+1); }
  void CmdOK_Click();
  void cmdCancel_Click() { Close(kResultCancel); }

  // The controls in tab order, first to last. The list comes last: the user
  // mostly moves the entry with the buttons, but may also pick a row.
  static constexpr std::array<const char*, 5> kTabOrder{"cmdUpper", "cmdLower", "CmdOK",
                                                        "cmdCancel", "sprModelList"};

  std::string Caption;
  std::array<LabelState, 2> lblModelName;  // the prompt, then the model's name
  LabelState lblMes;
  TableModel sprModelList;
  ButtonState cmdUpper;
  ButtonState cmdLower;
  ButtonState CmdOK;
  ButtonState cmdCancel;

 private:
  // Swaps the active row's entry with its neighbour `step` rows away, and
  // the cursor follows the entry.
  void MoveActiveEntry(int step);
  void ActivateRow(int row);

  EditorState& state_;
};

// Shows the dialog modally; true when it was closed by OK, and ListPosition
// then holds the chosen position.
bool ShowModelAdd(int16_t mode, EditorState& state, Desktop& desktop);

}  // namespace pfedit::models
