#pragma once

// Parameter files: one ParameterRecord per line, twenty comma-separated
// fields. The same lines start an export file, where a "[Model_" line ends
// them. The reader validates every record and refuses the whole file at the
// first bad one; the writer emits exactly the format the reader takes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"
#include "core/records.h"

namespace pfedit {

constexpr int kParameterFieldCount = 20;

// Message numbers of the reader: a record that breaks a field rule, and a
// file that cannot be opened or scanned.
constexpr int kMessageFormatDiffers = 1005;
constexpr int kMessageReadFailed = 1015;

struct ParameterReadResult {
  // 0, kMessageFormatDiffers or kMessageReadFailed.
  int status = 0;
  // The records in file order. After kMessageFormatDiffers the rejected
  // record is the last one; after kMessageReadFailed the half-read record is
  // not included.
  std::vector<ParameterRecord> records;
  // How many records passed every rule (all of them on success).
  std::size_t records_read = 0;
};

// The field rules every record of a file must pass. The decimal separator
// is the locale's; it decides whether DisplayCode is numeric.
bool ParameterRecordIsValid(const ParameterRecord& record, char decimal_separator);

// Reads the records of a parameter file's text (or of the record part of an
// export file). Never fails for any bytes: the status tells.
ParameterReadResult ReadParameterText(std::string_view bytes, char decimal_separator);

// Reads the file at path with the locale's decimal separator. A file that
// cannot be read gives kMessageReadFailed.
ParameterReadResult ReadParameterFileAt(const std::string& path,
                                        FileSystem& file_system = RealFileSystem());

// Reads the file into ParameterList and RecordCount. On failure shows message
// 1005 or 1015 and returns false; RecordCount is then 0 and ParameterList
// holds the records read so far, including a rejected one. ParameterList is
// only replaced when at least one record was read.
bool ReadParameterFile(EditorState& state, Desktop& desktop, const std::string& path,
                       FileSystem& file_system = RealFileSystem());

// One line as the writer writes it, without the line end. ParamName and
// SettingRange are quoted when they hold a comma and no double quote.
std::string FormatParameterLine(const ParameterRecord& record);

// The whole file: every line followed by CR LF.
std::string ParameterFileText(const std::vector<ParameterRecord>& records);

// Writes ParameterList to path in one write, creating or truncating the
// file. ParamName and SettingRange of ParameterList keep the quotes added for
// the file. Shows nothing; false on any failure (a partly written file may
// remain, the caller deletes it).
bool WriteParameterFile(EditorState& state, const std::string& path,
                        FileSystem& file_system = RealFileSystem());

}  // namespace pfedit
