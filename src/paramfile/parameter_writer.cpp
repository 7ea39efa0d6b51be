#include <charconv>

#include "core/text_services.h"
#include "paramfile/parameter_file.h"

namespace pfedit {

namespace {

void AppendNumber(std::string& line, long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  line.append(digits, end);
}

// The two free texts a user may type a comma into are quoted; a text that
// already holds a double quote is left as it is (the check refuses such
// texts before a save).
void AppendQuotedIfComma(std::string& line, const std::string& text) {
  if (text.find(',') != std::string::npos && text.find('"') == std::string::npos) {
    std::string quoted = text;
    QuoteIfComma(quoted);
    line += quoted;
  } else {
    line += text;
  }
}

void AppendLine(std::string& out, const ParameterRecord& r) {
  const auto text = [&out](const std::string& field) {
    out += field;
    out += ',';
  };
  const auto number = [&out](long long field) {
    AppendNumber(out, field);
    out += ',';
  };
  text(r.ParamNo);
  AppendQuotedIfComma(out, r.ParamName);
  out += ',';
  number(r.InitialValue);
  number(r.Digit);
  number(r.UnitIndex);
  AppendQuotedIfComma(out, r.SettingRange);
  out += ',';
  number(r.SpecialCode);
  text(r.SortKey);
  text(r.DisplayCode);
  number(r.FunctionCode);
  for (const std::string* aux :
       {&r.Aux1, &r.Aux2, &r.Aux3, &r.Aux4, &r.Aux5, &r.Aux6, &r.Aux7, &r.Aux8}) {
    text(*aux);
  }
  number(r.WriteOrder);
  AppendNumber(out, r.Attribute);
}

}  // namespace

std::string FormatParameterLine(const ParameterRecord& record) {
  std::string line;
  AppendLine(line, record);
  return line;
}

std::string ParameterFileText(const std::vector<ParameterRecord>& records) {
  std::string out;
  out.reserve(records.size() * 96);
  for (const ParameterRecord& record : records) {
    AppendLine(out, record);
    out += "\r\n";
  }
  return out;
}

SafeWriteResult WriteParameterFile(FileSystem& files, const std::string& target,
                                   const std::vector<ParameterRecord>& records) {
  return WriteViaTemporary(files, target, ParameterFileText(records));
}

}  // namespace pfedit
