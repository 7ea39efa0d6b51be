#include "oracle/profile_scan.h"

namespace pfedit::test {

std::vector<std::string_view> ProfileScan::SectionNames() const {
  std::vector<std::string_view> names;
  ProfileLineReader reader(text_);
  std::string_view line;
  while (reader.Next(&line)) {
    const ProfileLine parsed = ParseProfileLine(line);
    if (parsed.kind == ProfileLine::kSection && !parsed.name.empty()) names.push_back(parsed.name);
  }
  return names;
}

std::optional<std::string_view> ProfileScan::Find(std::string_view section,
                                                  std::string_view key) const {
  ProfileLineReader reader(text_);
  std::string_view line;
  bool inside = false;
  while (reader.Next(&line)) {
    const ProfileLine parsed = ParseProfileLine(line);
    if (parsed.kind == ProfileLine::kSection) {
      if (inside) return std::nullopt;  // only the first section of the name counts
      inside = EqualsIgnoreCase(parsed.name, section);
    } else if (inside && parsed.kind == ProfileLine::kKey && EqualsIgnoreCase(parsed.name, key)) {
      return parsed.value;
    }
  }
  return std::nullopt;
}

}  // namespace pfedit::test
