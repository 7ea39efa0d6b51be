#pragma once

// Parameter lines for the reader and writer tests: a valid line and ways to
// change one of its fields.

#include <string>
#include <vector>

namespace pfedit::test {

using Fields = std::vector<std::string>;

// The twenty fields of a valid record with the given ParamNo: a new row of
// the grid, named NAME, initial value 120.00 with two decimal places.
inline Fields ValidFields(const std::string& param_no = "1") {
  return {param_no, "NAME", "12000", "2", "1", "RANGE", "0",    "10001", "0",  "257",
          "0",      "0",    "0",     "0", "0", "NULL",  "NULL", "NULL",  "10", "0"};
}

inline Fields WithField(Fields fields, std::size_t index, const std::string& value) {
  fields.at(index) = value;
  return fields;
}

// The fields joined by commas, with CR LF at the end.
inline std::string Line(const Fields& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += fields[i];
  }
  return line + "\r\n";
}

inline std::string ValidLine(const std::string& param_no = "1") {
  return Line(ValidFields(param_no));
}

}  // namespace pfedit::test
