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

inline std::string Section(const std::string& name, const KeyChanges& changes = {}) {
  std::string text = "[" + name + "]\r\n";
  KeyChanges pending = changes;
  for (const auto& [key, value] : ValidKeys()) {
    const auto change = pending.find(key);
    if (change == pending.end()) {
      text += key + "=" + value + "\r\n";
      continue;
    }
    if (change->second) text += key + "=" + *change->second + "\r\n";
    pending.erase(change);
  }
  for (const auto& [key, value] : pending) {
    if (value) text += key + "=" + *value + "\r\n";
  }
  return text;
}

}  // namespace pfedit::test
