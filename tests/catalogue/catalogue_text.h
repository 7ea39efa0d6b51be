#pragma once

// Catalogue sections for tests: a section that reads without failure, with
// chosen lines changed, added or dropped.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pfedit::test {

// Key lines of a valid section, in the writer's order.
inline std::vector<std::pair<std::string, std::string>> ValidKeys() {
  return {
      {"ModelName", "QX-A700"}, {"ModelCode1", "0x01000000"}, {"ModelCode2", "0x00000000"},
      {"ModelCode5", ""},       {"ComResource", "111"},       {"ParamFile", "qx_a700.vfd"},
      {"FilterFile", "qx.vff"}, {"HelpFile", "qx.chm"},       {"Capacity1", "0.4"},
      {"Current01_1", "1.5"},   {"Current02_1", "1.4"},       {"Current03_1", "1.3"},
      {"Current04_1", "1.2"},   {"TypeName1", "00023"},
  };
}

// nullopt drops the key; a key not in the valid section is added at the end.
using KeyChanges = std::map<std::string, std::optional<std::string>>;

inline std::string Section(const std::string& name, KeyChanges changes = {}) {
  std::string text = "[" + name + "]\r\n";
  const auto line = [&text](const std::string& key, const std::optional<std::string>& value) {
    if (value) text += key + "=" + *value + "\r\n";
  };
  for (const auto& [key, value] : ValidKeys()) {
    const auto change = changes.find(key);
    if (change == changes.end()) {
      line(key, value);
    } else {
      line(key, change->second);
      changes.erase(change);
    }
  }
  for (const auto& [key, value] : changes) line(key, value);
  return text;
}

// Valid sections [Model_1] to [Model_<count>].
inline std::string Sections(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += Section("Model_" + std::to_string(i));
  return text;
}

// The parameter lines an export file holds before its model section.
inline const std::string kExportRecords =
    "1,Name,0,0,0,,0,10001,0,0,0,0,0,0,0,NULL,NULL,NULL,10,0\r\n";

}  // namespace pfedit::test
