#include "editor/save_command.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "core/file_fingerprint.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/records.h"
#include "core/safe_write.h"
#include "core/value_tables.h"
#include "editor/catalogue_io.h"
#include "models/frm_model_add.h"
#include "paramfile/parameter_file.h"

namespace pfedit::editor {

namespace {

constexpr int kMenuStateChanged = 9;

// The parallel lists of one capacity each: entry k of every list belongs to
// capacity k.
constexpr TextList ModelRecord::*kCapacityLists[] = {
    &ModelRecord::Capacity,  &ModelRecord::Current01, &ModelRecord::Current02,
    &ModelRecord::Current03, &ModelRecord::Current04, &ModelRecord::TypeName};

bool SameIdentity(const ModelRecord& a, const ModelRecord& b) {
  return a.ModelCode1 == b.ModelCode1 && a.ModelCode2 == b.ModelCode2 &&
         a.ModelCode5 == b.ModelCode5;
}

// The first catalogue entry of the model's identity, or null.
const ModelRecord* FindEntry(const ModelCatalogue& catalogue, const ModelRecord& model) {
  const auto entry = std::find_if(catalogue.begin(), catalogue.end(),
                                  [&](const ModelRecord& m) { return SameIdentity(m, model); });
  return entry == catalogue.end() ? nullptr : &*entry;
}

// The six lists of an imported class joined with the other class of an entry
// that holds both: the small capacities first, each from its own source.
void TakeOtherClassFrom(const ModelRecord& entry, bool imported_small, ModelRecord* model) {
  const ModelRecord imported = *model;
  const ModelRecord& small_source = imported_small ? imported : entry;
  const ModelRecord& large_source = imported_small ? entry : imported;
  for (TextList ModelRecord::*list : kCapacityLists) {
    TextList joined;
    for (const bool small : {true, false}) {
      const ModelRecord& source = small ? small_source : large_source;
      const TextList& values = source.*list;
      for (std::size_t k = 0; k < source.Capacity.size() && k < values.size(); ++k) {
        if (IsSmallCapacity(source.Capacity[k]) == small) joined.push_back(values[k]);
      }
    }
    model->*list = std::move(joined);
  }
  model->CapacityClass = CapacityClassOf(model->Capacity);
}

// An imported model is new, or replaces the entry of its identity when that
// holds its class.
void PlaceImportedModel(EditorState& state) {
  state.EditMode = kEditModeNew;
  ModelRecord& model = state.Buffer.EditModel;
  const ModelRecord* entry = FindEntry(state.Catalogue, model);
  if (entry == nullptr) return;
  const bool imported_small = state.SelectedCapacityClass == kClassSmall;
  const int16_t entry_class = CapacityClassOf(entry->Capacity);
  if (entry_class == kClassBoth) {
    TakeOtherClassFrom(*entry, imported_small, &model);
    state.EditMode = kEditModeEdit;
  } else if ((entry_class == kClassSmall) == imported_small) {
    state.EditMode = kEditModeEdit;
  }
}

bool AskYesNoText(Desktop& desktop, const std::string& text) {
  MessageBox box;
  box.text = text;
  box.icon = Icon::kQuestion;
  box.buttons = Buttons::kYesNo;
  box.default_button = Answer::kYes;
  box.title = GetMessageText(msg::kTitle);
  return desktop.ShowMessage(box) == Answer::kYes;
}

bool IsReadOnly(FileSystem& files, const std::string& path) {
  const int attributes = files.Attributes(path);
  return attributes != -1 && (attributes & kAttributeReadOnly) != 0;
}

// True when the file at target is still the one the editor read, or the user
// agrees to replace another user's change. A fingerprint of another path
// means this file was never read: there is nothing to compare.
bool AcceptOthersChange(Desktop& desktop, FileSystem& files, const FileFingerprint& as_read,
                        const std::string& target) {
  if (as_read.path != target) return true;
  MessageId message = msg::kChangedByOther;
  switch (CompareWithDisk(files, as_read)) {
    case FileChange::kUnchanged:
      return true;
    case FileChange::kChanged:
      break;
    case FileChange::kCreated:
      message = msg::kCreatedByOther;
      break;
    case FileChange::kDeleted:
      message = msg::kDeletedByOther;
      break;
  }
  return AskYesNoText(desktop, JoinLines({GetMessageText(message), target,
                                          GetMessageText(msg::kConfirmOverwrite)}));
}

// A new model: refused when its identity's entry already holds its class or
// when it would be one entry too many; otherwise placed, and an existing file
// asked about.
bool ConfirmNewModel(EditorState& state, Desktop& desktop, FileSystem& files,
                     const std::string& param_file) {
  const ModelRecord& model = state.Buffer.EditModel;
  bool other_class = false;
  if (const ModelRecord* entry = FindEntry(state.Catalogue, model)) {
    const int16_t entry_class = CapacityClassOf(entry->Capacity);
    const int16_t model_class = CapacityClassOf(model.Capacity);
    if (entry_class == kClassBoth || model_class == kClassBoth || entry_class == model_class) {
      ShowError(desktop, msg::kSameModelExists);
      return false;
    }
    other_class = true;
  }
  // The catalogue reader takes the first 256 sections only: a 257th entry
  // written now would be dropped by the next read.
  if (!other_class && state.Catalogue.size() >= kMaxModels) {
    ShowError(desktop, msg::kModelLimit);
    return false;
  }
  const int16_t mode = other_class ? models::kPlaceEditedModel : models::kPlaceNewModel;
  if (!models::ShowModelAdd(mode, state, desktop)) return false;
  if (!files.Exists(param_file)) return true;
  const std::string question =
      JoinLines({GetMessageText(msg::kSameFileName), "(" + param_file + ")",
                 GetMessageText(msg::kConfirmOverwrite)});
  if (!AskYesNoText(desktop, question)) return false;
  if (IsReadOnly(files, param_file)) {
    ShowError(desktop, msg::kFileLocked);
    return false;
  }
  return true;
}

bool ConfirmEditedModel(EditorState& state, Desktop& desktop, FileSystem& files,
                        const std::string& param_file) {
  if (!models::ShowModelAdd(models::kPlaceEditedModel, state, desktop)) return false;
  if (!files.Exists(param_file)) return true;
  if (IsReadOnly(files, param_file)) {
    ShowError(desktop, msg::kFileLocked);
    return false;
  }
  return AskYesNo(desktop, msg::kConfirmOverwrite);
}

// Whatever can be known before a file is written: a catalogue that cannot be
// saved, a path too long, someone else's change. A save that would stop
// half-way then writes nothing.
bool ReadyToWrite(EditorState& state, Desktop& desktop, FileSystem& files,
                  const std::string& param_file) {
  Status refusal = CatalogueSaveRefusal(state, files);
  if (refusal == kStatusOk && param_file.size() > kMaxCataloguePathBytes) {
    refusal = msg::kWriteFailed;
  }
  if (refusal != kStatusOk) {
    ShowError(desktop, refusal);
    return false;
  }
  if (!AcceptOthersChange(desktop, files, state.CatalogueAsRead,
                          CatalogueFilePath(state.CatalogueFolder))) {
    return false;
  }
  return state.EditMode != kEditModeEdit ||
         AcceptOthersChange(desktop, files, state.ParameterFileAsRead, param_file);
}

bool WriteParameterList(EditorState& state, Desktop& desktop, FileSystem& files,
                        const std::string& param_file) {
  // The list is sized by RecordCount: an empty grid leaves older records in it.
  const std::vector<ParameterRecord>& list = state.Buffer.ParameterList;
  const std::size_t count = std::min<std::size_t>(
      list.size(), static_cast<std::size_t>(std::max<int>(state.Buffer.RecordCount, 0)));
  const std::string text =
      count == list.size()
          ? ParameterFileText(list)
          : ParameterFileText({list.begin(), list.begin() + static_cast<std::ptrdiff_t>(count)});
  const SafeWriteResult written = WriteViaTemporary(files, param_file, text);
  if (written.status == msg::kTemporaryKept) {
    // The old file is still in place; the new list waits under the
    // temporary name, which the user may rename.
    ShowErrorText(desktop, GetMessageText(msg::kTemporaryKept) + "\r\n" + written.temporary +
                               "\r\n\r\n" + GetMessageText(msg::kWriteAgain) + "\r\n\r\n" +
                               GetMessageText(msg::kUseTemporary) + "\r\n" +
                               GetMessageText(msg::kRenameTemporaryVfd));
    return false;
  }
  if (written.status != kStatusOk) {
    ShowError(desktop, msg::kWriteFailed);
    return false;
  }
  state.ParametersDirty = false;
  state.ParameterFileAsRead = FingerprintOf(param_file, text);
  return true;
}

// Step for a deleted model: only the catalogue is written.
bool SaveCatalogueOnly(EditorState& state, Desktop& desktop, SaveWindow& window,
                       FileSystem& files) {
  if (!AskYesNo(desktop, msg::kConfirmOverwrite)) return false;
  if (!AcceptOthersChange(desktop, files, state.CatalogueAsRead,
                          CatalogueFilePath(state.CatalogueFolder))) {
    return false;
  }
  if (SaveCatalogue(state, desktop, files) != kStatusOk) {
    window.MenuSet(kMenuStateChanged);
    return false;
  }
  window.SetMainCaption({}, kClassNone);
  state.ModelInfoDirty = false;
  window.DisableSave();
  return true;
}

}  // namespace

std::string EditParameterFilePath(const EditorState& state) {
  return JoinPath(state.EditFolder, state.Buffer.EditModel.ParamFile);
}

SaveOutcome RunSaveCommand(EditorState& state, Desktop& desktop, SaveWindow& window,
                           FileSystem& files) {
  const int16_t saved_mode = state.EditMode;
  if (window.ParameterRowCount() >= 1) {
    ShowInformationText(desktop, JoinLines({GetMessageText(msg::kRunningCheck),
                                            GetMessageText(msg::kNotSavedWithErrors)}));
    if (!window.RunParameterCheck()) return SaveOutcome::kStopped;
  }
  const std::string param_file = EditParameterFilePath(state);
  if (state.ImportedData) PlaceImportedModel(state);

  const int16_t mode = state.EditMode;
  if (mode == kEditModeNew) {
    if (!ConfirmNewModel(state, desktop, files, param_file)) {
      state.EditMode = saved_mode;
      return SaveOutcome::kStopped;
    }
  } else if (mode == kEditModeEdit) {
    if (!ConfirmEditedModel(state, desktop, files, param_file)) {
      state.EditMode = saved_mode;
      return SaveOutcome::kStopped;
    }
  } else {
    return SaveCatalogueOnly(state, desktop, window, files) ? SaveOutcome::kSavedDeletion
                                                            : SaveOutcome::kStopped;
  }

  if (!ReadyToWrite(state, desktop, files, param_file) ||
      !WriteParameterList(state, desktop, files, param_file)) {
    state.EditMode = saved_mode;
    return SaveOutcome::kStopped;
  }
  // SaveCatalogue changes the catalogue in memory only once the file holds
  // it, so a failure leaves the catalogue exactly as before.
  if (SaveCatalogue(state, desktop, files) != kStatusOk) {
    window.MenuSet(kMenuStateChanged);
    state.EditMode = saved_mode;
    return SaveOutcome::kStopped;
  }
  state.ModelInfoDirty = false;
  window.DisableSave();
  state.EditMode = kEditModeEdit;
  state.ImportedData = false;
  return mode == kEditModeNew ? SaveOutcome::kSavedNew : SaveOutcome::kSavedEdit;
}

}  // namespace pfedit::editor
