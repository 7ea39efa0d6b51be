#pragma once

// The two record kinds of the data files. Texts are kept as the bytes read
// from the file (ANSI code page); nothing here converts them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pfedit {

using TextList = std::vector<std::string>;

// Option names in row 0 and the values of the keys of those names in row 1,
// column by column.
struct OptionValueTable {
  TextList names{std::string()};
  TextList values{std::string()};
  friend bool operator==(const OptionValueTable& a, const OptionValueTable& b) {
    return a.names == b.names && a.values == b.values;
  }
};

// Capacity classes of a model or of a selection. The boundary is 55 kW;
// 55 itself is small.
enum : int16_t {
  kClassNone = 0,
  kClassLarge = 1,
  kClassSmall = 2,
  kClassBoth = 3,
};

// One catalogue section: one inverter type. A blank record has every list
// holding one empty entry, as a list read from a section without its keys.
struct ModelRecord {
  std::string ModelName;
  std::string ModelCode1;
  std::string ModelCode2;
  std::string ModelCode5;
  std::string ComResource;
  std::string ParamFile;
  std::string FilterFile;
  std::string HelpFile;
  TextList Capacity{std::string()};
  TextList Current01{std::string()};
  TextList Current02{std::string()};
  TextList Current03{std::string()};
  TextList Current04{std::string()};
  TextList TypeName{std::string()};
  TextList Option01{std::string()};
  TextList Option02{std::string()};
  TextList Option03{std::string()};
  TextList OptionXX{std::string()};
  OptionValueTable OptionValues;
  std::string OptionSlotCnt;
  int16_t CapacityClass = kClassNone;

  friend bool operator==(const ModelRecord& a, const ModelRecord& b);
  friend bool operator!=(const ModelRecord& a, const ModelRecord& b) { return !(a == b); }
};

// The models of a catalogue file in file order. The catalogue holds at most
// kMaxModels; later sections are not read.
using ModelCatalogue = std::vector<ModelRecord>;
constexpr std::size_t kMaxModels = 256;

// A second parameter (setting of the second parameter of Pr. 902 to 939) is
// stored with 2000 added to its number.
constexpr int kSecondParameterOffset = 2000;
constexpr int kSortKeyOffset = 10000;

// One line of a parameter file: twenty fields in file order.
struct ParameterRecord {
  std::string ParamNo;
  std::string ParamName;
  int32_t InitialValue = 0;
  int16_t Digit = 0;
  int16_t UnitIndex = 0;
  std::string SettingRange;
  int16_t SpecialCode = 0;
  std::string SortKey;
  std::string DisplayCode;
  int32_t FunctionCode = 0;
  std::string Aux1;
  std::string Aux2;
  std::string Aux3;
  std::string Aux4;
  std::string Aux5;
  std::string Aux6;
  std::string Aux7;
  std::string Aux8;
  int16_t WriteOrder = 0;
  int16_t Attribute = 0;

  friend bool operator==(const ParameterRecord& a, const ParameterRecord& b);
  friend bool operator!=(const ParameterRecord& a, const ParameterRecord& b) { return !(a == b); }
};

// Limits of a parameter field.
constexpr std::size_t kMaxParamNameLength = 159;
constexpr std::size_t kMaxSettingRangeLength = 159;

}  // namespace pfedit
