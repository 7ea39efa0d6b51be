#pragma once

// Model codes are 10-character texts: a free two-character prefix ("0x" or
// "&H") and eight hexadecimal digits read as one 32-bit value.

#include <cstdint>
#include <string>
#include <string_view>

namespace pfedit {

// Exactly 10 characters, characters 3 to 10 each 0-9 or A-F (capital).
bool IsValidModelCode(std::string_view code);

// Characters 3 to 10 read as a 32-bit hexadecimal number; 0 for a text that
// holds no hexadecimal digits there. Lower-case digits are read too.
uint32_t CodeHexValue(std::string_view code);

// The decimal text of the 32-bit value of the hexadecimal digits.
std::string HexToDecimalText(std::string_view hex_digits);

// The model type number of a ModelCode1: a few code ranges have fixed type
// numbers, every other code carries it in its characters 3 and 4 (decimal).
int16_t ModelTypeNumber(std::string_view model_code1);

// The part of ModelCode2 that tells how many rated currents a model has and
// which slot layout it uses: its hex value AND 0xFF0000.
constexpr uint32_t kRatingKindMask = 0xFF0000;

}  // namespace pfedit
