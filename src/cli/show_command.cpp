// pfedit-cli show FILE [--json]: the parameter records of a parameter file or
// of the record part of an export file, one per line as the editor writes
// them (without the CR), or as JSON.

#include <string>

#include "cli/commands.h"
#include "cli/json.h"
#include "core/message_ids.h"
#include "core/messages.h"
#include "paramfile/parameter_file.h"

namespace pfedit::cli {

namespace {

std::string RecordJson(const ParameterRecord& r) {
  JsonObject object;
  object.Text("ParamNo", r.ParamNo);
  object.Text("ParamName", r.ParamName);
  object.Number("InitialValue", r.InitialValue);
  object.Number("Digit", r.Digit);
  object.Number("UnitIndex", r.UnitIndex);
  object.Text("SettingRange", r.SettingRange);
  object.Number("SpecialCode", r.SpecialCode);
  object.Text("SortKey", r.SortKey);
  object.Text("DisplayCode", r.DisplayCode);
  object.Number("FunctionCode", r.FunctionCode);
  const std::string* aux[] = {&r.Aux1, &r.Aux2, &r.Aux3, &r.Aux4,
                              &r.Aux5, &r.Aux6, &r.Aux7, &r.Aux8};
  for (int i = 0; i < 8; ++i) object.Text("Aux" + std::to_string(i + 1), *aux[i]);
  object.Number("WriteOrder", r.WriteOrder);
  object.Number("Attribute", r.Attribute);
  return object.Close();
}

}  // namespace

int RunShow(const Args& args, std::ostream& out, std::ostream& err) {
  FileArgs parsed;
  if (!ParseFileArgs(args, "show", &parsed, err)) return kExitUsage;
  const bool json = parsed.json;
  const std::string& path = parsed.path;

  const ParameterReadResult result = ReadParameterFileAt(path);
  if (result.status != kStatusOk) {
    const std::string message = GetMessageText(result.status);
    WriteReadFailure(err, path, result.status, result.reason);
    if (json) {
      out << "{\"status\":" << result.status << ",\"message\":" << JsonString(message)
          << ",\"records_read\":" << result.records_read << "}\n";
    }
    return kExitFailure;
  }
  if (json) {
    std::string text = "{\"status\":0,\"records\":[";
    for (std::size_t i = 0; i < result.records.size(); ++i) {
      if (i > 0) text += ',';
      text += RecordJson(result.records[i]);
    }
    text += "]}\n";
    out << text;
  } else {
    for (const ParameterRecord& record : result.records) out << FormatParameterLine(record) << '\n';
  }
  return kExitSuccess;
}

}  // namespace pfedit::cli
