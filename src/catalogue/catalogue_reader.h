#pragma once

// The catalogue reader: turns the sections of tarvo_param.vfd (or the model
// section at the end of an export file) into ModelRecords. It validates every
// key it needs and reports the first failure as a message number; a failed
// read never leaves a half-read list behind.

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/profile.h"
#include "core/file_fingerprint.h"
#include "core/file_system.h"
#include "core/message_ids.h"
#include "core/records.h"

namespace pfedit {

struct CatalogueReadResult {
  // kStatusOk or the first failure, msg::kNoSection to msg::kBadTypeName.
  Status status = kStatusOk;
  bool found = false;           // the file exists; nothing else is set when it does not
  bool overflow = false;        // more than 256 sections; only the first 256 were taken
  ModelCatalogue models;        // empty unless status is kStatusOk
  std::string reason;           // the system's reason when the file was missing or unreadable
  FileFingerprint fingerprint;  // the file as read; set by ReadCatalogueFile only
};

// Reads every section of the profile into models. The decimal separator is
// the one capacities and currents are normalised to.
CatalogueReadResult ReadCatalogueProfile(const Profile& profile, char decimal_separator);
// The same over profile text held in memory (found is true). A leading byte
// order mark is skipped.
CatalogueReadResult ReadCatalogueText(std::string_view text, char decimal_separator);
// The same over a file; a missing file gives status 0 and found false, a file
// that exists but cannot be read gives msg::kNoSection. Either way `reason`
// says why.
CatalogueReadResult ReadCatalogueFile(const std::string& path, char decimal_separator,
                                      FileSystem& files = RealFileSystem());
// With the decimal separator of the user's locale.
CatalogueReadResult ReadCatalogueFile(const std::string& path);

// The path of the catalogue file of an edit folder.
std::string CatalogueFilePath(std::string_view folder);

// The one model of an export file with the capacity class it is edited in
// (large when its last capacity is above 55 kW). A large model's ParamFile
// gets the letter 'l' of the large-capacity file names. Returns
// msg::kBadImportFile unless the read gave exactly one model.
Status TakeImportedModel(const CatalogueReadResult& read, ModelRecord* model,
                         int16_t* capacity_class);

// Inserts the large-capacity mark 'l' into a parameter file name: before the
// 4 characters that precede its last '-', or without '-' before its last 8
// characters. A name too short for that gets the mark in front.
std::string InsertLargeCapacityMark(std::string_view param_file);
// The catalogue's form of a parameter file name: the first "l_" becomes "_".
std::string RemoveLargeCapacityMark(std::string_view param_file);

}  // namespace pfedit
