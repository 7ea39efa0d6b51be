#pragma once

// Profile lookups that scan the text from the start for every lookup, as the
// platform's profile service does with the file. Slow on purpose: the plain
// statement of the rules, kept as the reference the one-pass index is
// checked against.

#include <optional>
#include <string_view>
#include <vector>

#include "catalogue/profile.h"

namespace pfedit::test {

class ProfileScan final : public Profile {
 public:
  explicit ProfileScan(std::string_view text) : text_(text) {}
  std::vector<std::string_view> SectionNames() const override;
  std::optional<std::string_view> Find(std::string_view section,
                                       std::string_view key) const override;

 private:
  std::string_view text_;
};

}  // namespace pfedit::test
