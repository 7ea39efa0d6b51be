#include <gtest/gtest.h>

#include "core/model_codes.h"

namespace pfedit {
namespace {

TEST(ModelCode, ValidityNeedsTenCharactersOfCapitalHexAfterTheFreePrefix) {
  const struct {
    const char* code;
    bool valid;
  } cases[] = {
      {"&H0A0B0C0D", true}, {"0x0A0B0C0D", true},   {"zz0A0B0C0D", true},  {"&H0a0b0c0d", false},
      {"&H0A0B0C0", false}, {"&H0A0B0C0D0", false}, {"&H0A0G0C0D", false}, {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidModelCode(c.code), c.valid) << c.code;
}

TEST(ModelCode, TypeNumberFromFixedRangesOrTheDecimalDigits) {
  const struct {
    const char* code;
    int16_t type;
  } cases[] = {
      {"0x05700050", 31}, {"0x05700060", 31}, {"0x05700070", 34}, {"0x05700080", 5},
      {"0x067000A0", 29}, {"0x067000B0", 30}, {"0x067000C0", 6},  {"0x04000000", 4},
      {"0x12345678", 12}, {"0x31000000", 31}, {"0x", 0},          {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ModelTypeNumber(c.code), c.type) << c.code;
}

TEST(ModelCode, HexValues) {
  EXPECT_EQ(CodeHexValue("0x80413100"), 0x80413100u);
  EXPECT_EQ(CodeHexValue("0xFFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(CodeHexValue("&Hc0de9aFz"), 0xC0DE9AFu);  // either case, up to the first non-digit
  EXPECT_EQ(HexToDecimalText("41"), "65");
  EXPECT_EQ(HexToDecimalText("FFFFFFFF"), "4294967295");
  EXPECT_EQ(HexToDecimalText(""), "0");
}

}  // namespace
}  // namespace pfedit
