#pragma once

// Parameter files: one ParameterRecord per line, twenty comma-separated
// fields. The same lines start an export file, where a "[Model_" line ends
// them. The reader validates every record and refuses the whole file at the
// first bad one; the writer emits exactly the format the reader takes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_fingerprint.h"
#include "core/file_system.h"
#include "core/message_ids.h"
#include "core/records.h"
#include "core/safe_write.h"

namespace pfedit {

constexpr int kParameterFieldCount = 20;

struct ParameterReadResult {
  // kStatusOk; msg::kFormatDiffers for a record that breaks a field rule;
  // msg::kReadFailed for a file that cannot be opened or scanned.
  Status status = kStatusOk;
  // The records in file order. After msg::kFormatDiffers the rejected record
  // is the last one; after msg::kReadFailed the half-read record is not
  // included.
  std::vector<ParameterRecord> records;
  // How many records passed every rule (all of them on success).
  std::size_t records_read = 0;
  std::string reason;           // the system's reason when the file could not be read
  FileFingerprint fingerprint;  // the file as read; set by ReadParameterFileAt only
};

// The field rules every record of a file must pass. The decimal separator
// is the locale's; it decides whether DisplayCode is numeric.
bool ParameterRecordIsValid(const ParameterRecord& record, char decimal_separator);

// Reads the records of a parameter file's text (or of the record part of an
// export file). A leading byte order mark is skipped. Never fails for any
// bytes: the status tells.
ParameterReadResult ReadParameterText(std::string_view bytes, char decimal_separator);

// Reads the file at path with the locale's decimal separator. A file that
// cannot be read gives msg::kReadFailed.
ParameterReadResult ReadParameterFileAt(const std::string& path,
                                        FileSystem& file_system = RealFileSystem());

// One line as the writer writes it, without the line end. ParamName and
// SettingRange are quoted when they hold a comma and no double quote.
std::string FormatParameterLine(const ParameterRecord& record);

// The whole file: every line followed by CR LF.
std::string ParameterFileText(const std::vector<ParameterRecord>& records);

// Replaces the file at target by the records, through a temporary sibling
// (see WriteViaTemporary). The records are not changed: ParamName and
// SettingRange are quoted in the file's text only.
SafeWriteResult WriteParameterFile(FileSystem& files, const std::string& target,
                                   const std::vector<ParameterRecord>& records);

}  // namespace pfedit
