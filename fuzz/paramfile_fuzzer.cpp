// Parameter file text of any bytes: the reader gives a status and a record
// list that agree with each other, and a file that was read is written in a
// form that reads back to the same records and writes the same bytes again.
// A file that was read also goes through the editor's check, and a list that
// passes it is stored as records that are written and read back unchanged.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "editor/parameter_check.h"
#include "fuzz_check.h"
#include "paramfile/parameter_file.h"

namespace {

using pfedit::fuzz::Check;

using pfedit::ParameterReadResult;
using pfedit::ParameterRecord;

// Whether the writer's form of this text reads back as the same text. The
// writer quotes only ParamName and SettingRange, and only for a comma; other
// texts come back when nothing in them ends a value or is skipped in front.
bool TextSurvives(const std::string& text, bool quoted_when_comma) {
  if (quoted_when_comma && text.find(',') != std::string::npos) return true;
  if (text.find_first_of(",\r\n") != std::string::npos) return false;
  return text.empty() || (text[0] != ' ' && text[0] != '\t' && text[0] != '"');
}

bool RecordSurvives(const ParameterRecord& r) {
  for (const std::string* text : {&r.ParamNo, &r.SortKey, &r.DisplayCode, &r.Aux1, &r.Aux2, &r.Aux3,
                                  &r.Aux4, &r.Aux5, &r.Aux6, &r.Aux7, &r.Aux8}) {
    if (!TextSurvives(*text, false)) return false;
  }
  return TextSurvives(r.ParamName, true) && TextSurvives(r.SettingRange, true);
}

void CheckedListSurvives(const std::vector<ParameterRecord>& records) {
  if (records.size() > INT16_MAX) return;  // more than the editor holds
  pfedit::cli::GridCheck check;
  pfedit::cli::CheckParameterRecords(records, '.', &check);
  if (!check.result.Passed()) return;
  const std::vector<ParameterRecord> stored = pfedit::editor::StoreParameterList(check.grid, '.');
  for (const ParameterRecord& record : stored) {
    if (!RecordSurvives(record)) return;
  }
  const ParameterReadResult back =
      pfedit::ReadParameterText(pfedit::ParameterFileText(stored), '.');
  Check(back.status == 0, "a checked list reads back");
  Check(back.records == stored, "a checked list reads back unchanged");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = pfedit::fuzz::AsText(data, size);
  const ParameterReadResult first = pfedit::ReadParameterText(text, '.');

  const std::size_t read = first.records_read;
  for (std::size_t i = 0; i < read; ++i)
    Check(pfedit::ParameterRecordIsValid(first.records[i], '.'));
  switch (first.status) {
    case 0:
      Check(first.records.size() == read);
      break;
    case pfedit::msg::kFormatDiffers:
      Check(first.records.size() == read + 1);
      Check(!pfedit::ParameterRecordIsValid(first.records.back(), '.'));
      break;
    case pfedit::msg::kReadFailed:
      Check(first.records.size() == read);
      break;
    default:
      Check(false);
  }
  if (first.status != 0) return 0;
  CheckedListSurvives(first.records);

  const std::string written = pfedit::ParameterFileText(first.records);
  Check(pfedit::ParameterFileText(first.records) == written);
  for (const ParameterRecord& record : first.records) {
    if (!RecordSurvives(record)) return 0;
  }
  const ParameterReadResult second = pfedit::ReadParameterText(written, '.');
  Check(second.status == 0);
  Check(second.records == first.records);
  Check(pfedit::ParameterFileText(second.records) == written);
  return 0;
}
