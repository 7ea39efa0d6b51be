#pragma once

// The commands of pfedit-cli. Each takes the arguments after its name and
// returns the process exit status: 0 success, 1 a file could not be read or
// the output could not be written, 2 a usage error. check differs, so that a
// script can tell a failed check from a file it could not check: 0 passed,
// 1 faults found, 2 a file that could not be read or a usage error. export
// gives 1 both for faults and for a message the editor would show in a box.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_system.h"
#include "core/message_ids.h"
#include "core/records.h"
#include "core/table_model.h"
#include "editor/parameter_check.h"

namespace pfedit::cli {

using Args = std::vector<std::string>;

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The whole tool: the arguments after the program name. Fails when the
// output, flushed at the end, could not be written.
int RunCli(const Args& args, std::ostream& out, std::ostream& err);

int RunMessages(const Args& args, std::ostream& out, std::ostream& err);
int RunList(const Args& args, std::ostream& out, std::ostream& err);
int RunShow(const Args& args, std::ostream& out, std::ostream& err);
int RunCheck(const Args& args, std::ostream& out, std::ostream& err);
int RunImport(const Args& args, std::ostream& out, std::ostream& err);
int RunExport(const Args& args, std::ostream& out, std::ostream& err);
// export, writing through the given file system (benchmarks leave the
// flushes out this way).
int RunExportWith(const Args& args, std::ostream& out, std::ostream& err, FileSystem& files);

// A parameter list after the editor's check: the grid as the editor loads
// it, checked and sorted, and for each row the index of its record.
struct GridCheck {
  TableModel grid;
  std::vector<std::size_t> row_sources;
  editor::ParameterCheckResult result;
};
// Loads the records into check->grid as the editor does and runs the
// Parameter Check on it. At most INT16_MAX records, as the editor holds.
void CheckParameterRecords(std::vector<ParameterRecord> records, char decimal_mark,
                           GridCheck* check);
// The report `check` prints for a checked list whose file held `bytes`: a
// line per fault naming the file's line, then the count; with json one
// object.
std::string CheckReport(const std::string& path, std::string_view bytes, const GridCheck& check,
                        bool json);

// What a command that reads one file takes: the file and an optional --json.
struct FileArgs {
  std::string path;
  bool json = false;
};
// False after a usage error naming the command was written.
bool ParseFileArgs(const Args& args, const std::string& command, FileArgs* parsed,
                   std::ostream& err);

// The line a file that could not be read gives on stderr: the path, the
// message number and text, and the system's reason when there is one.
void WriteReadFailure(std::ostream& err, const std::string& path, Status status,
                      const std::string& reason);

// Writes a one-line usage error and returns 2.
int UsageError(std::ostream& err, const std::string& text);

}  // namespace pfedit::cli
