#include "core/cell_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pfedit {
namespace {

// How the type checks each text: A acceptable, I intermediate, X invalid.
std::string Checks(const CellType& type, const std::vector<std::string>& texts) {
  const std::vector<std::string> items = SplitListItems(type.items);
  std::string checks;
  for (const std::string& text : texts) {
    checks += "AIX"[static_cast<int>(CheckCellEntry(type, items, text))];
  }
  return checks;
}

TEST(CheckCellEntry, FollowsEachCellType) {
  const struct {
    CellType type;
    std::vector<std::string> texts;
    const char* expected;
  } cases[] = {
      {CellType::WholeNumber(0, 999),
       {"", "999", "1000", "-", "-1", "1.5", " 5", "12345678901234567890"},
       "AAXXXXXX"},
      {CellType::WholeNumber(10, 20), {"15", "2", "21"}, "AIX"},
      {CellType::WholeNumber(-20, -10), {"-15", "-", "-1", "-21", "5"}, "AIIXX"},
      {CellType::DecimalText(6, ','), {"123,45", "1234567", "12.5"}, "AXX"},
      {CellType::OfKind(CellKind::HexCode), {"001A", "1a", "12345", "00G0"}, "AAXX"},
      {CellType::OfKind(CellKind::CheckBox), {"1", "2"}, "AX"},
      {CellType::Text(5), {"abcde", "abcdef"}, "AX"},
      {CellType::List("Hz\tA\tkW"), {"kW", "k", "W"}, "AIX"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Checks(c.type, c.texts), c.expected) << "kind " << static_cast<int>(c.type.kind);
  }
}

}  // namespace
}  // namespace pfedit
