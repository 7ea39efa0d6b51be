#pragma once

// The value tables that give the numeric fields of a parameter their meaning,
// and the capacity-class rule. Texts are message numbers of the message table.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/records.h"

namespace pfedit {

constexpr int kUnitCount = 23;
constexpr int kFirstUnitMessage = 116;
constexpr int kDigitCount = 4;
constexpr int kFirstDigitMessage = 112;
constexpr int kSpecialCodeCount = 4;
constexpr int kFirstSpecialCodeMessage = 139;
constexpr int kFirstSpecialCodeDescription = 147;
constexpr int kAttributeCount = 4;
constexpr int kFirstAttributeMessage = 143;
constexpr int kFirstAttributeDescription = 151;

// Stored raw values of the two special initial values.
constexpr int32_t kStored9999 = 65535;
constexpr int32_t kStored8888 = 65520;

// Attribute codes in list order: the list index is what the grid shows, the
// code what the file stores.
constexpr std::array<int16_t, kAttributeCount> kAttributeCodes{0, 1, 16, 32};

// The list index of an attribute code, or -1 for a code outside the table.
int AttributeIndexOf(int code);

// 9999 is meaningful for special codes 1 and 3, 8888 for 2 and 3.
constexpr bool Allows9999(int special_code) {
  return special_code == 1 || special_code == 3;
}
constexpr bool Allows8888(int special_code) {
  return special_code == 2 || special_code == 3;
}

// Capacities above this many kW are large; this value itself is small.
constexpr double kCapacityBoundaryKw = 55.0;

// The capacity text as a number; a text that is no number counts as 0 and so
// as small. Accepts a point or a comma as decimal mark.
double CapacityValue(std::string_view text);
bool IsSmallCapacity(std::string_view text);

// kClassSmall when the last capacity is small, kClassLarge when the first is
// large, kClassBoth otherwise. An empty list is small.
int16_t CapacityClassOf(const TextList& capacities);

}  // namespace pfedit
