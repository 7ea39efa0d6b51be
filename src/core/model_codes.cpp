#include "core/model_codes.h"

#include "core/ascii.h"

namespace pfedit {

namespace {

// The leading hexadecimal digits; only the last eight count.
uint32_t ParseHex(std::string_view digits) {
  uint32_t value = 0;
  for (char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) break;
    value = (value << 4) | static_cast<uint32_t>(digit);
  }
  return value;
}

}  // namespace

bool IsValidModelCode(std::string_view code) {
  if (code.size() != 10) return false;
  for (std::size_t i = 2; i < code.size(); ++i) {
    if (!IsUpperHexDigit(code[i])) return false;
  }
  return true;
}

uint32_t CodeHexValue(std::string_view code) {
  return code.size() > 2 ? ParseHex(code.substr(2)) : 0;
}

std::string HexToDecimalText(std::string_view hex_digits) {
  return std::to_string(ParseHex(hex_digits));
}

int16_t ModelTypeNumber(std::string_view model_code1) {
  const uint32_t value = CodeHexValue(model_code1);
  int16_t decimal = 0;
  for (std::size_t i = 2; i < 4 && i < model_code1.size(); ++i) {
    const char c = model_code1[i];
    if (!IsDigit(c)) break;
    decimal = static_cast<int16_t>(decimal * 10 + (c - '0'));
  }
  const uint32_t family = value & 0xFFF00000u;
  const uint32_t variant = value & 0xF0u;
  if (family == 0x05700000u) {
    if (variant == 0x50u || variant == 0x60u) return 31;
    if (variant == 0x70u) return 34;
  } else if (family == 0x06700000u) {
    if (variant == 0xA0u) return 29;
    if (variant == 0xB0u) return 30;
  }
  return decimal;
}

}  // namespace pfedit
