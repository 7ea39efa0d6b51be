#include "core/value_tables.h"

#include "core/text_services.h"

namespace pfedit {

int AttributeIndexOf(int code) {
  for (std::size_t i = 0; i < kAttributeCodes.size(); ++i) {
    if (kAttributeCodes[i] == code) return static_cast<int>(i);
  }
  return -1;
}

double CapacityValue(std::string_view text) {
  double value = 0.0;
  if (!ParseDecimal(text, &value)) return 0.0;
  return value;
}

bool IsSmallCapacity(std::string_view text) {
  return CapacityValue(text) <= kCapacityBoundaryKw;
}

int16_t CapacityClassOf(const TextList& capacities) {
  if (capacities.empty()) return kClassSmall;
  if (IsSmallCapacity(capacities.back())) return kClassSmall;
  if (!IsSmallCapacity(capacities.front())) return kClassLarge;
  return kClassBoth;
}

}  // namespace pfedit
