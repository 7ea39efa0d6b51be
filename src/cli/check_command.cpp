// pfedit-cli check FILE [--json]: the Parameter Check button for scripts.
// The records go into a grid exactly as the editor loads them and the
// editor's own check runs on it, so a file passes here when, and only when,
// it passes in the editor.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/json.h"
#include "core/editor_state.h"
#include "core/file_system.h"
#include "core/message_ids.h"
#include "core/messages.h"
#include "core/platform.h"
#include "editor/grid_layout.h"
#include "editor/parameter_grid.h"
#include "paramfile/parameter_file.h"
#include "paramfile/value_scanner.h"

namespace pfedit::cli {

namespace {

using editor::kCol2Pr;
using editor::kColPr;

// The byte offset at which each of the first record_count records starts:
// a record is the next twenty values, wherever the line ends fall, so the
// same scanner as the reader's finds them. A quoted first value starts at
// its quote.
std::vector<std::size_t> RecordOffsets(std::string_view text, std::size_t record_count) {
  std::vector<std::size_t> offsets;
  offsets.reserve(record_count);
  ValueScanner scanner(text);
  std::string_view value;
  for (std::size_t index = 0; offsets.size() < record_count; ++index) {
    if (scanner.Next(&value) != ValueScanner::Result::kValue) break;
    if (index % kParameterFieldCount != 0) continue;
    std::size_t offset = static_cast<std::size_t>(value.data() - text.data());
    if (offset > 0 && text[offset - 1] == '"') --offset;
    offsets.push_back(offset);
  }
  return offsets;
}

// The 1-based line of each offset (ascending); CR LF, a lone CR and a lone
// LF each end a line, as for the reader.
std::vector<int> LinesOf(std::string_view text, const std::vector<std::size_t>& offsets) {
  std::vector<int> lines;
  lines.reserve(offsets.size());
  int line = 1;
  std::size_t position = 0;
  for (const std::size_t offset : offsets) {
    for (; position < offset; ++position) {
      const char c = text[position];
      if (c == '\n' || (c == '\r' && (position + 1 >= text.size() || text[position + 1] != '\n'))) {
        ++line;
      }
    }
    lines.push_back(line);
  }
  return lines;
}

int ReadFailure(const std::string& path, Status status, const std::string& reason, bool json,
                std::ostream& out, std::ostream& err) {
  const std::string message = GetMessageText(status);
  WriteReadFailure(err, path, status, reason);
  if (json) out << "{\"status\":" << status << ",\"message\":" << JsonString(message) << "}\n";
  return kExitUsage;
}

}  // namespace

void CheckParameterRecords(std::vector<ParameterRecord> records, char decimal_mark,
                           GridCheck* check) {
  EditBuffer buffer;
  buffer.RecordCount = static_cast<int16_t>(records.size());
  buffer.ParameterList = std::move(records);
  editor::SetUpParameterGrid(check->grid);
  check->row_sources = editor::LoadGrid(check->grid, buffer, decimal_mark);
  check->result = editor::CheckParameterGrid(check->grid, decimal_mark, &check->row_sources);
}

std::string CheckReport(const std::string& path, std::string_view bytes, const GridCheck& check,
                        bool json) {
  const std::string_view text = WithoutByteOrderMark(bytes);
  // Hidden records have no row, so the last row's record may lie further.
  std::size_t records = 0;
  for (const std::size_t source : check.row_sources) records = std::max(records, source + 1);
  const std::vector<int> lines = LinesOf(text, RecordOffsets(text, records));
  const TableModel& grid = check.grid;

  std::string output;
  if (json) {
    output = "{\"status\":0,\"passed\":";
    output += check.result.Passed() ? "true" : "false";
    output += ",\"rows\":" + std::to_string(grid.RowCount()) + ",\"faults\":[";
  }
  bool first = true;
  for (const editor::CheckFault& fault : check.result.faults) {
    const std::size_t source = check.row_sources[static_cast<std::size_t>(fault.row - 1)];
    const int line = source < lines.size() ? lines[source] : 0;
    const std::string message = GetMessageText(editor::CheckFaultMessage(fault.code));
    const std::string pr(grid.Text(kColPr, fault.row));
    if (json) {
      JsonObject object;
      object.Number("line", line);
      object.Number("row", fault.row);
      object.Number("column", fault.column);
      object.Number("code", fault.code);
      object.Text("pr", pr);
      object.Number("pr2", grid.Value(kCol2Pr, fault.row) != 0 ? 1 : 0);
      object.Text("message", message);
      if (!first) output += ',';
      output += object.Close();
    } else {
      output += path + ":" + std::to_string(line) + ": Pr " + pr + ": " +
                std::string(grid.Text(fault.column, 0)) + ": " + message + "\n";
    }
    first = false;
  }
  const std::size_t faults = check.result.faults.size();
  if (json) {
    output += "]}\n";
  } else if (faults == 0) {
    output += GetMessageText(msg::kNoError) + "\n";
  } else {
    output += std::to_string(faults) + (faults == 1 ? " fault\n" : " faults\n");
  }
  return output;
}

int RunCheck(const Args& args, std::ostream& out, std::ostream& err) {
  FileArgs parsed;
  if (!ParseFileArgs(args, "check", &parsed, err)) return kExitUsage;
  const std::string& path = parsed.path;

  // The bytes are read once: the records and their lines come from the same.
  std::string bytes;
  const FileResult read = RealFileSystem().ReadAll(path, &bytes);
  if (!read.ok()) return ReadFailure(path, msg::kReadFailed, read.reason, parsed.json, out, err);
  const char decimal_mark = platform::LocaleDecimalSeparator();
  ParameterReadResult result = ReadParameterText(bytes, decimal_mark);
  // The edit buffer counts records in 16 bits; the editor refuses more.
  if (result.status == kStatusOk && result.records.size() > static_cast<std::size_t>(INT16_MAX)) {
    result.status = msg::kReadFailed;
  }
  if (result.status != kStatusOk) {
    return ReadFailure(path, result.status, result.reason, parsed.json, out, err);
  }

  GridCheck check;
  CheckParameterRecords(std::move(result.records), decimal_mark, &check);
  const std::string output = CheckReport(path, bytes, check, parsed.json);
  const std::size_t faults = check.result.faults.size();
  out << output;
  return faults == 0 ? kExitSuccess : kExitFailure;
}

}  // namespace pfedit::cli
