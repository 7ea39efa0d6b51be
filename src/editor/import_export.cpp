#include "editor/import_export.h"

#include "core/paths.h"
#include "editor/catalogue_io.h"
#include "editor/parameter_file_io.h"

namespace pfedit {

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
  const Status records = ReadParameterFile(state, desktop, path, files);
  if (records != kStatusOk) return records;
  // The section's own reasons would mean little to a user holding a file
  // from another folder: every bad section is "corrupted".
  if (ReadCatalogue(state, desktop, path, CatalogueMode::kImport, files) != kStatusOk) {
    ShowError(desktop, msg::kFileMissingOrCorrupt);
    return msg::kFileMissingOrCorrupt;
  }
  return kStatusOk;
}

}  // namespace pfedit
