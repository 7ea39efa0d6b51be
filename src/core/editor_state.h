#pragma once

// The editor's whole shared state. One object exists per process and is
// passed to whatever needs it; nothing here is global, so every test starts
// from a fresh object.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/file_fingerprint.h"
#include "core/records.h"

namespace pfedit {

// Resizes the catalogue to the source's bounds and copies it whole.
void PublishCatalogue(ModelCatalogue& catalogue, const ModelCatalogue& source);

enum : int16_t {
  kEditModeNone = 0,
  kEditModeNew = 1,
  kEditModeEdit = 2,
  kEditModeDelete = 3,
};

// What is being edited. EditModel and ModelInfoDraft always hold exactly one
// record; ParameterList is the transfer form between the grid and the files.
struct EditBuffer {
  ModelRecord EditModel;
  ModelRecord ModelInfoDraft;
  std::vector<ParameterRecord> ParameterList;
  int16_t RecordCount = 0;
};

struct EditorState {
  ModelCatalogue Catalogue;
  EditBuffer Buffer;

  std::string EditFolder;
  std::string CatalogueFolder;
  std::string FileDialogFolder;
  int16_t EditMode = kEditModeNone;
  bool ParametersDirty = false;
  bool ModelInfoDirty = false;
  bool ModelInfoAccepted = false;
  bool ImportedData = false;
  std::string SelectedModelName;
  std::string SelectedModelCode1;
  std::string SelectedModelCode2;
  std::string SelectedModelCode5;
  int16_t SelectedCapacityClass = kClassNone;
  int16_t EditCapacityClass = kClassNone;
  std::string HelpFilePath;
  int16_t ListPosition = 0;
  int16_t EditModelType = 0;
  int16_t CapacityDialogMode = 0;
  int16_t CapacityDialogRow = 0;

  // The catalogue file and the parameter file as they were last read or
  // saved, so that Save notices when someone else changed them meanwhile.
  FileFingerprint CatalogueAsRead;
  FileFingerprint ParameterFileAsRead;

  // Empties EditModel and ModelInfoDraft to one blank record each, as every
  // catalogue read does first.
  void ResetEditModels();
  bool HasUnsavedData() const { return ParametersDirty || ModelInfoDirty; }
};

}  // namespace pfedit
