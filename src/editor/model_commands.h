#pragma once

// Model > New, Edit and Delete, and Edit > Model info: which model the
// editor works on. Each model command may first drop unsaved work and read
// the catalogue again, lets the user choose a model and a capacity class,
// fills the edit buffer from the catalogue and opens the model's parameter
// list in the grid (Delete only takes the model out of the catalogue in
// memory; Save writes it).

#include <cstdint>
#include <string>
#include <string_view>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"

namespace pfedit::editor {

// What the commands change on the main window.
class ModelWindow {
 public:
  virtual ~ModelWindow() = default;
  // Empties the grid and the Pr box and disables the Parameter Check button.
  virtual void ClearWindow() = 0;
  virtual void SetMainCaption(std::string_view model_name, int capacity_class) = 0;
  virtual void MenuSet(int state) = 0;
  virtual bool GridHasRows() const = 0;
  // Loads state.Buffer's parameter list into the grid, ready for editing.
  virtual void ShowParameterList() = 0;
};

// The selection and the two model records as a New or Edit command found
// them, so that a cancelled command can put them back. The catalogue, the
// grid and the flags are not part of it.
struct EditStateSnapshot {
  int16_t SelectedCapacityClass = kClassNone;
  int16_t EditCapacityClass = kClassNone;
  int16_t EditModelType = 0;
  std::string SelectedModelName;
  std::string SelectedModelCode1;
  std::string SelectedModelCode2;
  std::string SelectedModelCode5;
  ModelRecord EditModel;
  ModelRecord ModelInfoDraft;
};

// store = true copies the state into the snapshot, false copies it back.
void SnapshotEditState(bool store, EditorState& state, EditStateSnapshot& snapshot);

// New: a copy of a base model, named in the model information dialog, with
// the base model's parameter list. Ends in edit mode 1, menu state 3.
void mnuModelNewMaking_Click(EditorState& state, Desktop& desktop, ModelWindow& window,
                             FileSystem& files = RealFileSystem());
// Edit: a catalogue model and its parameter list. Ends in edit mode 2, menu
// state 4, with the model's name and class in the caption.
void mnuModelEdit_Click(EditorState& state, Desktop& desktop, ModelWindow& window,
                        FileSystem& files = RealFileSystem());
// Delete: the model, or one class of a two-class model, leaves the catalogue
// in memory. Ends in edit mode 3, menu state 5; the parameter files stay.
void mnuModelDelete_Click(EditorState& state, Desktop& desktop, ModelWindow& window,
                          FileSystem& files = RealFileSystem());
// Edit > Model info: the model information dialog in the current edit mode.
void mnuEditInf_Click(EditorState& state, Desktop& desktop, ModelWindow& window);

}  // namespace pfedit::editor
