#include "editor/catalogue_io.h"

#include <utility>

#include "catalogue/catalogue_merge.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/platform.h"
#include "core/safe_write.h"

namespace pfedit {

namespace {

MergeKind MergeKindOf(int16_t edit_mode) {
  switch (edit_mode) {
    case kEditModeNew:
      return MergeKind::kNewModel;
    case kEditModeEdit:
      return MergeKind::kEditedModel;
    default:
      return MergeKind::kPlaceOnly;
  }
}

}  // namespace

Status ReadCatalogue(EditorState& state, Desktop& desktop, const std::string& location,
                     CatalogueMode mode, FileSystem& files) {
  state.ResetEditModels();
  state.ModelInfoDirty = false;

  std::string file = location;
  if (mode == CatalogueMode::kFolder) {
    state.CatalogueFolder = location;
    file = CatalogueFilePath(location);
  }
  const CatalogueReadResult read =
      ReadCatalogueFile(file, platform::LocaleDecimalSeparator(), files);
  if (mode == CatalogueMode::kFolder) state.CatalogueAsRead = read.fingerprint;
  if (!read.found || read.status != kStatusOk) return read.status;

  if (mode == CatalogueMode::kFolder) {
    PublishCatalogue(state.Catalogue, read.models);
    if (read.overflow) ShowError(desktop, msg::kTooManyModels);
    return kStatusOk;
  }
  int16_t capacity_class = kClassNone;
  const Status status = TakeImportedModel(read, &state.Buffer.EditModel, &capacity_class);
  if (status != kStatusOk) return status;
  state.SelectedCapacityClass = capacity_class;
  state.EditCapacityClass = capacity_class;
  return kStatusOk;
}

Status CatalogueSaveRefusal(const EditorState& state, FileSystem& files) {
  const std::string target = CatalogueFilePath(state.CatalogueFolder);
  if (target.size() > kMaxCataloguePathBytes) return msg::kWriteFailed;
  const int attributes = files.Attributes(target);
  if (attributes != -1 && (attributes & kAttributeReadOnly) != 0) return msg::kFileLocked;
  return kStatusOk;
}

Status SaveCatalogue(EditorState& state, Desktop& desktop, FileSystem& files) {
  const Status refusal = CatalogueSaveRefusal(state, files);
  if (refusal != kStatusOk) {
    ShowError(desktop, refusal);
    return refusal;
  }

  // Merged into a copy: memory takes the merge only once the file holds it.
  const std::string target = CatalogueFilePath(state.CatalogueFolder);
  MergedCatalogue merged = MergeEditModel(state.Catalogue, state.Buffer.EditModel,
                                          MergeKindOf(state.EditMode), state.ListPosition);
  const std::string text = FormatCatalogue(merged.catalogue);
  const SafeWriteResult written = WriteViaTemporary(files, target, text);
  if (written.status == msg::kTemporaryKept) {
    // The old catalogue is still there and the new one waits in the
    // temporary file, which the user may put in its place.
    ShowErrorText(desktop,
                  JoinLines({GetMessageText(msg::kTemporaryKept), written.temporary,
                             GetMessageText(msg::kWriteAgain), GetMessageText(msg::kUseTemporary),
                             GetMessageText(msg::kRenameTemporaryVfd)}));
    return written.status;
  }
  if (written.status != kStatusOk) {
    ShowError(desktop, written.status);
    return written.status;
  }
  state.Catalogue = std::move(merged.catalogue);
  state.Buffer.EditModel = std::move(merged.edit_model);
  state.CatalogueAsRead = FingerprintOf(target, text);
  return kStatusOk;
}

bool ReadEditFolderCatalogue(EditorState& state, Desktop& desktop, FileSystem& files) {
  Status status = kStatusOk;
  {
    WaitCursor wait(desktop);
    status = ReadCatalogue(state, desktop, state.EditFolder, CatalogueMode::kFolder, files);
  }
  if (status == kStatusOk) return true;
  ShowErrorText(desktop,
                JoinLines({GetMessageText(msg::kReadFailedShort), GetMessageText(status)}));
  return false;
}

}  // namespace pfedit
