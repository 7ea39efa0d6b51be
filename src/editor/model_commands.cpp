#include "editor/model_commands.h"

#include "core/messages.h"
#include "core/paths.h"
#include "editor/catalogue_io.h"
#include "editor/import_export.h"
#include "editor/parameter_file_io.h"
#include "models/frm_model_edit.h"
#include "models/frm_model_info.h"
#include "models/model_prepare.h"

namespace pfedit::editor {

namespace {

constexpr int kMenuStateCatalogue = 1;
constexpr int kMenuStateNewModel = 3;
constexpr int kMenuStateEditModel = 4;
constexpr int kMenuStateDeleteModel = 5;
constexpr int kMenuStateChanged = 9;

void ClearToCatalogue(EditorState& state, ModelWindow& window) {
  window.ClearWindow();
  window.SetMainCaption({}, 0);
  window.MenuSet(kMenuStateCatalogue);
  state.ParametersDirty = false;
}

// Unsaved work goes only after a Yes, and then the catalogue is read again
// so that the command chooses from what is on disk. False when the command
// must end: No, or a catalogue that no longer reads (the window then stays
// as it was).
bool DiscardUnsavedWork(EditorState& state, Desktop& desktop, ModelWindow& window,
                        MessageId question, FileSystem& files) {
  if (!state.HasUnsavedData()) return true;
  if (!AskYesNo(desktop, question)) return false;
  if (!ReadEditFolderCatalogue(state, desktop, files)) return false;
  ClearToCatalogue(state, window);
  return true;
}

// Reads the parameter file at `path` into the grid; false when the command
// ends there. A missing or empty file shows message 1007 and the editor state
// returns to the snapshot; a file the reader refuses (it has shown why)
// leaves the window with no model.
bool ReadList(EditorState& state, Desktop& desktop, ModelWindow& window, const std::string& path,
              FileSystem& files, EditStateSnapshot& snapshot) {
  if (MissingOrEmpty(files, path)) {
    ShowError(desktop, msg::kFileMissingOrCorrupt);
    SnapshotEditState(false, state, snapshot);
    return false;
  }
  if (ReadParameterFile(state, desktop, path, files) != kStatusOk) {
    ClearToCatalogue(state, window);
    state.ModelInfoDirty = false;
    return false;
  }
  window.ShowParameterList();
  state.ImportedData = false;
  return true;
}

// After an accepted model information dialog: the caption names the model,
// and the change can be saved.
models::frm_ModelInfo::AcceptedHook ModelInfoAcceptedHook(EditorState& state, ModelWindow& window) {
  return [&state, &window] {
    window.SetMainCaption(state.Buffer.EditModel.ModelName, state.SelectedCapacityClass);
    window.MenuSet(kMenuStateChanged);
  };
}

}  // namespace

void SnapshotEditState(bool store, EditorState& state, EditStateSnapshot& snapshot) {
  auto copy = [store](auto& live, auto& kept) {
    if (store) {
      kept = live;
    } else {
      live = kept;
    }
  };
  copy(state.SelectedCapacityClass, snapshot.SelectedCapacityClass);
  copy(state.EditCapacityClass, snapshot.EditCapacityClass);
  copy(state.EditModelType, snapshot.EditModelType);
  copy(state.SelectedModelName, snapshot.SelectedModelName);
  copy(state.SelectedModelCode1, snapshot.SelectedModelCode1);
  copy(state.SelectedModelCode2, snapshot.SelectedModelCode2);
  copy(state.SelectedModelCode5, snapshot.SelectedModelCode5);
  copy(state.Buffer.EditModel, snapshot.EditModel);
  copy(state.Buffer.ModelInfoDraft, snapshot.ModelInfoDraft);
}

void mnuModelNewMaking_Click(EditorState& state, Desktop& desktop, ModelWindow& window,
                             FileSystem& files) {
  EditStateSnapshot snapshot;
  SnapshotEditState(true, state, snapshot);
  if (!DiscardUnsavedWork(state, desktop, window, msg::kDiscardAndShow, files)) return;
  if (!models::ShowModelEdit(models::kSelectForNew, state, desktop, files)) {
    return SnapshotEditState(false, state, snapshot);
  }
  models::PrepareNewModel(state, models::SelectedModel(state));
  // The base model's list; the dialog below empties the draft it came from.
  const std::string path = JoinPath(state.EditFolder, state.Buffer.ModelInfoDraft.ParamFile);
  models::ShowModelInfo(state, desktop, kEditModeNew, ModelInfoAcceptedHook(state, window));
  if (!state.ModelInfoAccepted) return SnapshotEditState(false, state, snapshot);

  if (!ReadList(state, desktop, window, path, files, snapshot)) return;
  // The caption already names the new model: the dialog's OK set it.
  state.EditMode = kEditModeNew;
  window.MenuSet(kMenuStateNewModel);
}

void mnuModelEdit_Click(EditorState& state, Desktop& desktop, ModelWindow& window,
                        FileSystem& files) {
  EditStateSnapshot snapshot;
  SnapshotEditState(true, state, snapshot);
  if (!DiscardUnsavedWork(state, desktop, window, msg::kDiscardAndShow, files)) return;
  if (!models::ShowModelEdit(models::kSelectForEdit, state, desktop, files)) {
    return SnapshotEditState(false, state, snapshot);
  }
  models::PrepareEditModel(state, models::SelectedModel(state));
  const std::string path = JoinPath(state.EditFolder, state.Buffer.EditModel.ParamFile);
  if (!ReadList(state, desktop, window, path, files, snapshot)) return;
  state.EditMode = kEditModeEdit;
  window.SetMainCaption(state.SelectedModelName, state.SelectedCapacityClass);
  window.MenuSet(kMenuStateEditModel);
}

void mnuModelDelete_Click(EditorState& state, Desktop& desktop, ModelWindow& window,
                          FileSystem& files) {
  if (!DiscardUnsavedWork(state, desktop, window, msg::kDiscardEditing, files)) return;
  if (!models::ShowModelEdit(models::kSelectForDelete, state, desktop, files)) return;
  state.EditMode = kEditModeDelete;
  models::PrepareDeleteModel(state, models::SelectedModel(state));
  // The list shown belonged to another model; what is deleted has no list.
  if (window.GridHasRows()) {
    window.ClearWindow();
    state.ParametersDirty = false;
  }
  window.SetMainCaption(state.SelectedModelName, state.SelectedCapacityClass);
  state.ImportedData = false;
  window.MenuSet(kMenuStateDeleteModel);
}

void mnuEditInf_Click(EditorState& state, Desktop& desktop, ModelWindow& window) {
  models::ShowModelInfo(state, desktop, state.EditMode, ModelInfoAcceptedHook(state, window));
}

}  // namespace pfedit::editor
