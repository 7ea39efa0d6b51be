#pragma once

// The catalogue reader: turns the sections of tarvo_param.vfd (or the model
// section at the end of an export file) into ModelRecords. It validates every
// key it needs and reports the first failure as a message number; a failed
// read never leaves a half-read list behind.

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/profile.h"
#include "core/desktop.h"
#include "core/editor_state.h"

namespace pfedit {

enum : int {
  kCatalogueModeFolder = 1,  // the catalogue of an edit folder
  kCatalogueModeImport = 2,  // the model section of an export file
};

// Statuses of the reader: message numbers, 0 for success.
enum : int16_t {
  kStatusNoSection = 1041,
  kStatusModelName = 1042,
  kStatusModelCode1 = 1043,
  kStatusModelCode2 = 1044,
  kStatusModelCode5 = 1045,
  kStatusComResource = 1046,
  kStatusParamFile = 1047,
  kStatusFilterFile = 1048,
  kStatusHelpFile = 1049,
  kStatusCapacity = 1050,
  kStatusCurrent01 = 1051,  // 1052 to 1054 for Current02 to Current04
  kStatusTypeName = 1055,
  kStatusImportFile = 1057,
  kMessageTooManyModels = 1076,
};

struct CatalogueReadResult {
  int16_t status = 0;
  bool found = false;     // the file exists; nothing else is set when it does not
  bool overflow = false;  // more than 256 sections; only the first 256 were taken
  ModelCatalogue models;  // empty unless status is 0
};

// Reads every section of the profile into models. The decimal separator is
// the one capacities and currents are normalised to.
CatalogueReadResult ReadCatalogueProfile(const Profile& profile, char decimal_separator);
// The same over profile text held in memory (found is true).
CatalogueReadResult ReadCatalogueText(std::string_view text, char decimal_separator);
// The same over a file; a missing file gives status 0 and found false, a file
// that exists but cannot be read gives 1041.
CatalogueReadResult ReadCatalogueFile(const std::string& path, char decimal_separator);
CatalogueReadResult ReadCatalogueFile(const std::string& path);

// The path of the catalogue file of an edit folder.
std::string CatalogueFilePath(std::string_view folder);

// The one model of an export file with the capacity class it is edited in
// (large when its last capacity is above 55 kW). A large model's ParamFile
// gets the letter 'l' of the large-capacity file names. Returns 1057 unless
// the read gave exactly one model.
int16_t TakeImportedModel(const CatalogueReadResult& read, ModelRecord* model,
                          int16_t* capacity_class);

// Inserts the large-capacity mark 'l' into a parameter file name: before the
// 4 characters that precede its last '-', or without '-' before its last 8
// characters. A name too short for that gets the mark in front.
std::string InsertLargeCapacityMark(std::string_view param_file);
// The catalogue's form of a parameter file name: the first "l_" becomes "_".
std::string RemoveLargeCapacityMark(std::string_view param_file);

// Reads the catalogue of a folder (mode 1) or the model of an export file
// (mode 2) into the editor state and returns the status. Every read first
// empties EditModel and ModelInfoDraft. Mode 1 sets CatalogueFolder and, on
// success, replaces the catalogue; more than 256 sections show message 1076.
// Mode 2 sets EditModel and both capacity classes. On failure the catalogue
// keeps its content. Any other mode reads nothing and returns 1041.
int16_t ReadCatalogue(EditorState& state, Desktop& desktop, const std::string& location, int mode);

}  // namespace pfedit
