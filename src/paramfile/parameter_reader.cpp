#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/platform.h"
#include "core/text_services.h"
#include "core/value_tables.h"
#include "paramfile/parameter_file.h"
#include "paramfile/value_scanner.h"

namespace pfedit {

namespace {

constexpr std::string_view kModelSectionStart = "[Model_";

// Numbers of numeric fields and of ParamNo: blanks in front are refused, so
// that files stay in the form the writer gives them.
std::optional<int64_t> FieldNumber(std::string_view text, int64_t minimum, int64_t maximum) {
  return ParseWholeNumber(text, minimum, maximum, LeadingBlanks::kRefused);
}

// A numeric field takes the value as a number of its stored type. A value
// that is no number, or does not fit the type, is a read error (the file is
// damaged) rather than a rule failure.
template <typename T>
bool TakeNumber(std::string_view text, T* field) {
  const auto value =
      FieldNumber(text, std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
  if (!value) return false;
  *field = static_cast<T>(*value);
  return true;
}

// Stores value number `index` (0-based, file order) of a record; false when a
// numeric field gets no number.
bool SetField(ParameterRecord& record, int index, std::string_view value) {
  switch (index) {
    case 0:
      record.ParamNo.assign(value);
      return true;
    case 1:
      record.ParamName.assign(value);
      return true;
    case 2:
      return TakeNumber(value, &record.InitialValue);
    case 3:
      return TakeNumber(value, &record.Digit);
    case 4:
      return TakeNumber(value, &record.UnitIndex);
    case 5:
      record.SettingRange.assign(value);
      return true;
    case 6:
      return TakeNumber(value, &record.SpecialCode);
    case 7:
      record.SortKey.assign(value);
      return true;
    case 8:
      record.DisplayCode.assign(value);
      return true;
    case 9:
      return TakeNumber(value, &record.FunctionCode);
    case 10:
      record.Aux1.assign(value);
      return true;
    case 11:
      record.Aux2.assign(value);
      return true;
    case 12:
      record.Aux3.assign(value);
      return true;
    case 13:
      record.Aux4.assign(value);
      return true;
    case 14:
      record.Aux5.assign(value);
      return true;
    case 15:
      record.Aux6.assign(value);
      return true;
    case 16:
      record.Aux7.assign(value);
      return true;
    case 17:
      record.Aux8.assign(value);
      return true;
    case 18:
      return TakeNumber(value, &record.WriteOrder);
    case 19:
      return TakeNumber(value, &record.Attribute);
    default:
      return false;
  }
}

bool InRange(long long value, long long low, long long high) {
  return value >= low && value <= high;
}

// Up to 2000 an ordinary parameter 0 to 999; above it a second parameter,
// which exists only for 902 to 939.
bool IsValidParamNo(std::string_view text) {
  const auto parsed = FieldNumber(text, 0, kSecondParameterOffset + 939);
  if (!parsed) return false;
  const long long number = *parsed;
  if (number <= kSecondParameterOffset) return InRange(number, 0, 999);
  return InRange(number - kSecondParameterOffset, 902, 939);
}

// How many records to make room for: one per line, as the writer writes
// them, but never more than the text could hold or a count can hold, so that
// a file of empty lines does not reserve a mountain.
std::size_t ExpectedRecords(std::string_view bytes) {
  const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
  return std::min({lines, bytes.size() / kParameterFieldCount + 1, std::size_t{INT16_MAX}});
}

}  // namespace

bool ParameterRecordIsValid(const ParameterRecord& record, char decimal_separator) {
  // Lengths count bytes: texts are kept in the file's code page.
  return IsValidParamNo(record.ParamNo) && record.ParamName.size() <= kMaxParamNameLength &&
         (record.InitialValue == -1 || InRange(record.InitialValue, 0, 65535)) &&
         InRange(record.Digit, 0, kDigitCount - 1) &&
         InRange(record.UnitIndex, 0, kUnitCount - 1) &&
         record.SettingRange.size() <= kMaxSettingRangeLength &&
         InRange(record.SpecialCode, 0, kSpecialCodeCount - 1) &&
         IsNumericValue(record.DisplayCode, decimal_separator) &&
         InRange(record.FunctionCode, 0, 65535) && InRange(record.WriteOrder, 0, 20) &&
         AttributeIndexOf(record.Attribute) >= 0;
}

ParameterReadResult ReadParameterText(std::string_view bytes, char decimal_separator) {
  ParameterReadResult result;
  result.records.reserve(ExpectedRecords(bytes));
  ValueScanner scanner(WithoutByteOrderMark(bytes));
  while (!scanner.AtEndOfData()) {
    ParameterRecord& record = result.records.emplace_back();
    for (int field = 0; field < kParameterFieldCount; ++field) {
      std::string_view value;
      if (scanner.Next(&value) != ValueScanner::Result::kValue || !SetField(record, field, value)) {
        // A record that could not be read whole is no record.
        result.records.pop_back();
        result.status = msg::kReadFailed;
        return result;
      }
      // The model section of an export file ends the records. It is
      // recognised by its first value, before its lines are taken as fields.
      if (field == 0 && value.substr(0, kModelSectionStart.size()) == kModelSectionStart) {
        result.records.pop_back();
        return result;
      }
    }
    if (!ParameterRecordIsValid(record, decimal_separator)) {
      result.status = msg::kFormatDiffers;
      return result;
    }
    ++result.records_read;
  }
  return result;
}

ParameterReadResult ReadParameterFileAt(const std::string& path, FileSystem& file_system) {
  std::string bytes;
  const FileResult read = file_system.ReadAll(path, &bytes);
  if (!read.ok()) {
    ParameterReadResult failed;
    failed.status = msg::kReadFailed;
    failed.reason = read.reason;
    failed.fingerprint = FingerprintOfRead(path, read, bytes);
    return failed;
  }
  // One look at the locale per file, not per value.
  ParameterReadResult result = ReadParameterText(bytes, platform::LocaleDecimalSeparator());
  result.fingerprint = FingerprintOf(path, bytes);
  return result;
}

}  // namespace pfedit
