// pfedit-cli list FOLDER|FILE.vf_ [--json]: the models of a folder's catalogue,
// or the one model of an export file as the editor imports it, one line per
// model or as JSON. Texts are the file's bytes.

#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/message_ids.h"
#include "core/messages.h"
#include "core/paths.h"

namespace pfedit::cli {

namespace {

const char* ClassName(int16_t capacity_class) {
  switch (capacity_class) {
    case kClassLarge:
      return "large";
    case kClassSmall:
      return "small";
    case kClassBoth:
      return "both";
    default:
      return "none";
  }
}

std::string JsonList(const TextList& list) {
  std::string text = "[";
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) text += ',';
    text += JsonString(list[i]);
  }
  return text + ']';
}

std::string JsonPairs(const OptionValueTable& table) {
  std::string text = "[";
  for (std::size_t i = 0; i < table.names.size(); ++i) {
    if (i > 0) text += ',';
    const std::string value = i < table.values.size() ? table.values[i] : std::string();
    text += '[' + JsonString(table.names[i]) + ',' + JsonString(value) + ']';
  }
  return text + ']';
}

std::string ModelJson(const ModelRecord& m, std::size_t position) {
  JsonObject object;
  object.Number("position", static_cast<long long>(position));
  object.Text("ModelName", m.ModelName);
  object.Text("ModelCode1", m.ModelCode1);
  object.Text("ModelCode2", m.ModelCode2);
  object.Text("ModelCode5", m.ModelCode5);
  object.Text("ComResource", m.ComResource);
  object.Text("ParamFile", m.ParamFile);
  object.Text("FilterFile", m.FilterFile);
  object.Text("HelpFile", m.HelpFile);
  const std::pair<const char*, const TextList*> lists[] = {
      {"Capacity", &m.Capacity},   {"Current01", &m.Current01}, {"Current02", &m.Current02},
      {"Current03", &m.Current03}, {"Current04", &m.Current04}, {"TypeName", &m.TypeName},
      {"Option01", &m.Option01},   {"Option02", &m.Option02},   {"Option03", &m.Option03},
      {"OptionXX", &m.OptionXX},
  };
  for (const auto& [name, list] : lists) object.Raw(name, JsonList(*list));
  object.Raw("OptionValues", JsonPairs(m.OptionValues));
  object.Text("OptionSlotCnt", m.OptionSlotCnt);
  object.Number("CapacityClass", m.CapacityClass);
  return object.Close();
}

int ReadFailure(const std::string& file, Status status, const std::string& reason, bool json,
                std::ostream& out, std::ostream& err) {
  const std::string message = GetMessageText(status);
  err << file << ": " << status << ": " << message;
  if (!reason.empty()) err << ": " << reason;
  err << '\n';
  if (json) out << "{\"status\":" << status << ",\"message\":" << JsonString(message) << "}\n";
  return kExitFailure;
}

}  // namespace

int RunList(const Args& args, std::ostream& out, std::ostream& err) {
  FileArgs parsed;
  if (!ParseFileArgs(args, "list", &parsed, err)) return kExitUsage;
  const bool json = parsed.json;

  // A folder stands for its catalogue; anything else is read as an export file.
  const bool folder = !CheckPath(parsed.path, kAttributeDirectory).empty();
  const std::string file = folder ? CatalogueFilePath(parsed.path) : parsed.path;
  CatalogueReadResult read = ReadCatalogueFile(file);
  if (!read.found) {
    return ReadFailure(file, msg::kFileMissingOrCorrupt, read.reason, json, out, err);
  }
  if (read.status != kStatusOk) return ReadFailure(file, read.status, read.reason, json, out, err);

  std::vector<MessageId> warnings;
  ModelCatalogue models;
  if (folder) {
    models = std::move(read.models);
    if (read.overflow) warnings.push_back(msg::kTooManyModels);
  } else {
    ModelRecord model;
    int16_t capacity_class = kClassNone;
    const Status status = TakeImportedModel(read, &model, &capacity_class);
    if (status != kStatusOk) return ReadFailure(file, status, "", json, out, err);
    models.push_back(std::move(model));
  }
  for (const MessageId warning : warnings) {
    err << file << ": " << warning << ": " << GetMessageText(warning) << '\n';
  }

  if (!json) {
    for (std::size_t i = 0; i < models.size(); ++i) {
      const ModelRecord& m = models[i];
      out << i + 1 << '\t' << m.ModelName << '\t' << ClassName(m.CapacityClass) << '\t'
          << m.ParamFile << '\n';
    }
    return kExitSuccess;
  }
  std::string text = "{\"status\":0,\"warnings\":[";
  for (std::size_t i = 0; i < warnings.size(); ++i) {
    if (i > 0) text += ',';
    text += std::to_string(warnings[i]);
  }
  text += "],\"models\":[";
  for (std::size_t i = 0; i < models.size(); ++i) {
    if (i > 0) text += ',';
    text += ModelJson(models[i], i + 1);
  }
  text += "]}\n";
  out << text;
  return kExitSuccess;
}

}  // namespace pfedit::cli
