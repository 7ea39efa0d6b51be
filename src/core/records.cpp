#include "core/records.h"

#include <tuple>

namespace pfedit {

namespace {

auto Fields(const ModelRecord& m) {
  return std::tie(m.ModelName, m.ModelCode1, m.ModelCode2, m.ModelCode5, m.ComResource, m.ParamFile,
                  m.FilterFile, m.HelpFile, m.Capacity, m.Current01, m.Current02, m.Current03,
                  m.Current04, m.TypeName, m.Option01, m.Option02, m.Option03, m.OptionXX,
                  m.OptionValues, m.OptionSlotCnt, m.CapacityClass);
}

auto Fields(const ParameterRecord& p) {
  return std::tie(p.ParamNo, p.ParamName, p.InitialValue, p.Digit, p.UnitIndex, p.SettingRange,
                  p.SpecialCode, p.SortKey, p.DisplayCode, p.FunctionCode, p.Aux1, p.Aux2, p.Aux3,
                  p.Aux4, p.Aux5, p.Aux6, p.Aux7, p.Aux8, p.WriteOrder, p.Attribute);
}

}  // namespace

bool operator==(const ModelRecord& a, const ModelRecord& b) {
  return Fields(a) == Fields(b);
}

bool operator==(const ParameterRecord& a, const ParameterRecord& b) {
  return Fields(a) == Fields(b);
}

}  // namespace pfedit
