// pfedit-cli export FOLDER POSITION OUT.vf_ [--class small|large] [--json]:
// File > Export for scripts. The model at POSITION is opened as Model > Edit
// opens it, its list goes through the editor's Parameter Check, and OUT is
// written by the very function File > Export writes with, so the file is the
// one the editor would have written.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/desktop.h"
#include "core/message_ids.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/platform.h"
#include "editor/import_export.h"
#include "models/model_prepare.h"
#include "paramfile/parameter_file.h"

namespace pfedit::cli {

namespace {

struct ExportArgs {
  std::string folder;
  std::size_t position = 0;  // 1-based
  std::string out;
  int16_t capacity_class = kClassNone;  // none given: the model's only class
  bool json = false;
};

const char* ClassWord(int16_t capacity_class) {
  return capacity_class == kClassLarge ? "large" : "small";
}

// Digits only, from 1; anything else is 0.
std::size_t ParsePosition(const std::string& text) {
  if (text.empty() || text.size() > 9) return 0;
  std::size_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + static_cast<std::size_t>(c - '0');
  }
  return value;
}

bool ParseExportArgs(const Args& args, ExportArgs* parsed, std::ostream& err) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--json") {
      parsed->json = true;
    } else if (arg == "--class") {
      const std::string value = i + 1 < args.size() ? args[++i] : std::string();
      if (value == "small") {
        parsed->capacity_class = kClassSmall;
      } else if (value == "large") {
        parsed->capacity_class = kClassLarge;
      } else {
        UsageError(err, "export: --class takes small or large");
        return false;
      }
    } else if (!arg.empty() && arg[0] == '-') {
      UsageError(err, "export: unknown option '" + arg + "'");
      return false;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 3) {
    UsageError(err, "export takes FOLDER POSITION OUT.vf_");
    return false;
  }
  parsed->folder = positional[0];
  parsed->position = ParsePosition(positional[1]);
  parsed->out = positional[2];
  if (parsed->position == 0) {
    UsageError(err, "export: POSITION is a model's number from 1");
    return false;
  }
  return true;
}

// A message the editor would show in a box: on one line after the path and
// the number, the box's lines joined by a space.
int Failure(const std::string& path, Status status, const std::vector<std::string>& lines,
            bool json, std::ostream& out, std::ostream& err) {
  std::string text;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    if (!text.empty()) text += ' ';
    text += line;
  }
  err << path << ": " << status << ": " << text << '\n';
  if (json) out << "{\"status\":" << status << ",\"message\":" << JsonString(text) << "}\n";
  return kExitFailure;
}

int Failure(const std::string& path, Status status, bool json, std::ostream& out,
            std::ostream& err) {
  return Failure(path, status, {GetMessageText(status)}, json, out, err);
}

// The model as Model > Edit puts it into EditModel for that class: found by
// its codes, with the class's parameter file.
ModelRecord EditModelOf(const ModelCatalogue& catalogue, const ModelRecord& entry,
                        int16_t capacity_class) {
  EditorState state;
  state.Catalogue = catalogue;
  models::PrepareEditModel(state,
                           {entry.ModelCode1, entry.ModelCode2, entry.ModelCode5, capacity_class});
  return state.Buffer.EditModel;
}

}  // namespace

int RunExport(const Args& args, std::ostream& out, std::ostream& err) {
  return RunExportWith(args, out, err, RealFileSystem());
}

int RunExportWith(const Args& args, std::ostream& out, std::ostream& err, FileSystem& files) {
  ExportArgs parsed;
  if (!ParseExportArgs(args, &parsed, err)) return kExitUsage;
  const bool json = parsed.json;
  const char decimal_mark = platform::LocaleDecimalSeparator();

  const std::string catalogue_path = CatalogueFilePath(parsed.folder);
  CatalogueReadResult catalogue = ReadCatalogueFile(catalogue_path, decimal_mark, files);
  if (!catalogue.found) {
    return Failure(catalogue_path, msg::kFileMissingOrCorrupt, json, out, err);
  }
  if (catalogue.status != kStatusOk) {
    return Failure(catalogue_path, msg::kReadFailedShort,
                   {GetMessageText(msg::kReadFailedShort), GetMessageText(catalogue.status)}, json,
                   out, err);
  }
  if (catalogue.overflow) {
    err << catalogue_path << ": " << msg::kTooManyModels << ": "
        << GetMessageText(msg::kTooManyModels) << '\n';
  }
  if (parsed.position > catalogue.models.size()) {
    return UsageError(err, "export: " + catalogue_path + " holds " +
                               std::to_string(catalogue.models.size()) + " models");
  }
  const ModelRecord& entry = catalogue.models[parsed.position - 1];

  int16_t capacity_class = parsed.capacity_class;
  if (entry.CapacityClass == kClassBoth) {
    if (capacity_class == kClassNone) {
      return UsageError(err, "export: " + entry.ModelName +
                                 " holds both capacity classes: give --class small or large");
    }
  } else if (capacity_class == kClassNone) {
    capacity_class = entry.CapacityClass;
  } else if (capacity_class != entry.CapacityClass) {
    return UsageError(err, "export: " + entry.ModelName + " has no " + ClassWord(capacity_class) +
                               " capacity class");
  }
  if (capacity_class != kClassLarge && capacity_class != kClassSmall) {
    return UsageError(err, "export: " + entry.ModelName + " has no capacity class");
  }
  const ModelRecord model = EditModelOf(catalogue.models, entry, capacity_class);

  // The list is read once: the check's lines are counted in the same bytes.
  const std::string param_path = JoinPath(parsed.folder, model.ParamFile);
  std::string bytes;
  if (!files.ReadAll(param_path, &bytes).ok() || bytes.empty()) {
    return Failure(param_path, msg::kFileMissingOrCorrupt, json, out, err);
  }
  ParameterReadResult read = ReadParameterText(bytes, decimal_mark);
  // The edit buffer counts records in 16 bits; the editor refuses more.
  if (read.status == kStatusOk && read.records.size() > static_cast<std::size_t>(INT16_MAX)) {
    read.status = msg::kReadFailed;
  }
  if (read.status != kStatusOk) return Failure(param_path, read.status, json, out, err);

  // As in the editor, an empty list is written without a check.
  std::vector<ParameterRecord> records;
  if (!read.records.empty()) {
    GridCheck check;
    CheckParameterRecords(std::move(read.records), decimal_mark, &check);
    if (!check.result.Passed()) {
      out << CheckReport(param_path, bytes, check, json);
      return kExitFailure;
    }
    records = editor::StoreParameterList(check.grid, decimal_mark);
  }

  const ExportResult written = WriteExportFile(files, parsed.out, records, model, capacity_class);
  if (written.status != kStatusOk) {
    return Failure(parsed.out, written.status, ExportFailureLines(written), json, out, err);
  }
  if (json) {
    JsonObject object;
    object.Number("status", 0);
    object.Text("model", model.ModelName);
    object.Number("class", capacity_class);
    object.Number("records", static_cast<long long>(records.size()));
    object.Text("path", parsed.out);
    out << object.Close() << '\n';
  } else {
    out << "exported " << model.ModelName << " (" << ClassWord(capacity_class) << ") to "
        << parsed.out << '\n';
  }
  return kExitSuccess;
}

}  // namespace pfedit::cli
