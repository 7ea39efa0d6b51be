#include "editor/import_export.h"

#include <algorithm>
#include <utility>

#include "catalogue/catalogue_writer.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/safe_write.h"
#include "editor/catalogue_io.h"
#include "editor/parameter_file_io.h"
#include "paramfile/parameter_file.h"

namespace pfedit {

namespace {

constexpr int kMenuStateCatalogue = 1;
constexpr int kMenuStateImported = 2;

FileDialogResult RunFileDialog(Desktop& desktop, const std::string& filter,
                               const std::string& default_extension, std::string& initial_folder,
                               const std::string& title, bool save) {
  FileDialogRequest request;
  request.title = title;
  request.filter = filter;
  request.default_extension = default_extension;
  request.initial_folder = initial_folder;
  request.save = save;
  FileDialogResult result;
  result.path = desktop.ChooseFile(request);
  if (result.path.empty()) return result;
  result.status = FileDialogStatus::kChosen;
  initial_folder = FolderPart(result.path);
  return result;
}

FileDialogResult TransferFileDialog(EditorState& state, Desktop& desktop, MessageId title,
                                    bool save) {
  return RunFileDialog(desktop, GetMessageText(msg::kTransferFilter),
                       GetMessageText(msg::kTransferExtension), state.FileDialogFolder,
                       GetMessageText(title), save);
}

// The records the edit buffer holds: ParameterList may be longer than the
// count when a list with fewer records replaced it.
std::vector<ParameterRecord> BufferedRecords(const EditBuffer& buffer) {
  const std::size_t count =
      std::min(buffer.ParameterList.size(),
               static_cast<std::size_t>(std::max<int16_t>(buffer.RecordCount, 0)));
  return {buffer.ParameterList.begin(),
          buffer.ParameterList.begin() + static_cast<std::ptrdiff_t>(count)};
}

}  // namespace

FileDialogResult OpenFileDialog(Desktop& desktop, const std::string& filter,
                                const std::string& default_extension, std::string& initial_folder,
                                const std::string& title) {
  return RunFileDialog(desktop, filter, default_extension, initial_folder, title, false);
}

FileDialogResult SaveFileDialog(Desktop& desktop, const std::string& filter,
                                const std::string& default_extension, std::string& initial_folder,
                                const std::string& title) {
  return RunFileDialog(desktop, filter, default_extension, initial_folder, title, true);
}

bool MissingOrEmpty(FileSystem& files, const std::string& path) {
  std::string bytes;
  return files.ReadAll(path, &bytes).outcome != FileOutcome::kOk || bytes.empty();
}

Status ReadExportFile(EditorState& state, Desktop& desktop, const std::string& path,
                      FileSystem& files) {
  if (!FolderOfPathExists(path)) {
    ShowError(desktop, msg::kPathMissing);
    return msg::kPathMissing;
  }
  if (MissingOrEmpty(files, path)) {
    ShowError(desktop, msg::kFileMissingOrCorrupt);
    return msg::kFileMissingOrCorrupt;
  }
  // Both readers change the edit buffer as they go; a file refused halfway
  // must not leave half a model behind, so they work on a copy.
  EditorState scratch = state;
  const Status records = ReadParameterFile(scratch, desktop, path, files);
  if (records != kStatusOk) return records;
  // The section's own reasons would mean little to a user holding a file
  // from another folder: every bad section is "corrupted".
  if (ReadCatalogue(scratch, desktop, path, CatalogueMode::kImport, files) != kStatusOk) {
    ShowError(desktop, msg::kFileMissingOrCorrupt);
    return msg::kFileMissingOrCorrupt;
  }
  state = std::move(scratch);
  return kStatusOk;
}

std::string ExportFileText(const std::vector<ParameterRecord>& records, const ModelRecord& model,
                           int16_t selected_class) {
  return ParameterFileText(records) + FormatExportSection(model, selected_class);
}

ExportResult WriteExportFile(FileSystem& files, const std::string& path,
                             const std::vector<ParameterRecord>& records, const ModelRecord& model,
                             int16_t selected_class) {
  ExportResult result;
  if (!FolderOfPathExists(path)) {
    result.status = msg::kPathMissing;
    return result;
  }
  const int attributes = files.Attributes(path);
  if (attributes != -1 && (attributes & kAttributeReadOnly) != 0) {
    result.status = msg::kFileLocked;
    return result;
  }
  // A folder of that name could never be replaced by a file; refusing it
  // here leaves no temporary behind.
  if (attributes != -1 && (attributes & kAttributeDirectory) != 0) {
    result.status = msg::kWriteFailed;
    return result;
  }
  const SafeWriteResult written =
      WriteViaTemporary(files, path, ExportFileText(records, model, selected_class));
  result.status = written.status;
  result.temporary = written.temporary;
  return result;
}

std::vector<std::string> ExportFailureLines(const ExportResult& result) {
  if (result.status != msg::kTemporaryKept) return {GetMessageText(result.status)};
  return {
      GetMessageText(msg::kTemporaryKept),     result.temporary, std::string(),
      GetMessageText(msg::kWriteAgain),        std::string(),    GetMessageText(msg::kUseTemporary),
      GetMessageText(msg::kRenameTemporaryVf_)};
}

void mnuFileImport_Click(EditorState& state, Desktop& desktop, TransferWindow& window,
                         FileSystem& files) {
  if (state.HasUnsavedData()) {
    if (!AskYesNo(desktop, msg::kDiscardAndShow)) return;
    // Unsaved catalogue changes go with the unsaved list.
    if (!ReadEditFolderCatalogue(state, desktop, files)) return;
    window.ClearWindow();
    window.SetMainCaption({}, 0);
    window.MenuSet(kMenuStateCatalogue);
    state.ParametersDirty = false;
  }

  const FileDialogResult chosen = TransferFileDialog(state, desktop, msg::kImportTitle, false);
  if (chosen.status != FileDialogStatus::kChosen) return;
  if (ReadExportFile(state, desktop, chosen.path, files) != kStatusOk) return;

  window.SetMainCaption(state.Buffer.EditModel.ModelName, state.EditCapacityClass);
  window.ShowParameterList();
  state.ImportedData = true;
  window.MenuSet(kMenuStateImported);
}

void mnuFileExport_Click(EditorState& state, Desktop& desktop, TransferWindow& window,
                         FileSystem& files) {
  if (window.GridRowCount() >= 1) {
    ShowInformationText(desktop, JoinLines({GetMessageText(msg::kRunningCheck),
                                            GetMessageText(msg::kNotSavedWithErrors)}));
    if (!window.RunParameterCheck()) return;
  }
  const FileDialogResult chosen = TransferFileDialog(state, desktop, msg::kExportTitle, true);
  if (chosen.status != FileDialogStatus::kChosen) return;

  const ExportResult result = WriteExportFile(files, chosen.path, BufferedRecords(state.Buffer),
                                              state.Buffer.EditModel, state.SelectedCapacityClass);
  if (result.status == msg::kTemporaryKept) {
    ShowErrorText(desktop, JoinLines(ExportFailureLines(result)));
    return;
  }
  if (result.status != kStatusOk) {
    ShowError(desktop, result.status);
    return;
  }
  state.ParametersDirty = false;
  window.DisableExport();
}

}  // namespace pfedit
