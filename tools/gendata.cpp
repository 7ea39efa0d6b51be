#include "tools/gendata.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "core/value_tables.h"
#include "models/model_info_rules.h"
#include "paramfile/parameter_file.h"

namespace pfedit::gendata {

namespace {

// Rated capacities in hundredths of a kW, small (55 kW or less) and large.
constexpr std::array<int, 17> kSmallCapacities = {
    10, 20, 40, 75, 150, 220, 370, 550, 750, 1100, 1500, 1850, 2200, 3000, 3700, 4500, 5500};
constexpr std::array<int, 16> kLargeCapacities = {7500,  9000,  11000, 13200, 16000, 18500,
                                                  22000, 25000, 28000, 31500, 35500, 40000,
                                                  45000, 50000, 56000, 63000};

enum class Classes { kSmall, kLarge, kBoth };

// The model types the generator cycles through: they cover four rated
// currents with a written slot count, one slot, no options and three slots.
struct ModelType {
  int number;
  bool four_ratings;
};
constexpr std::array<ModelType, 4> kTypes = {{{6, true}, {5, false}, {4, false}, {12, false}}};

Classes ClassesOf(int model_index) {
  switch (model_index % 3) {
    case 0:
      return Classes::kSmall;
    case 1:
      return Classes::kLarge;
    default:
      return Classes::kBoth;
  }
}

// A fixed-point value as the rating dialog writes it: no trailing zeros and
// no decimal point for a whole number.
std::string FixedText(long long value, int places) {
  long long scale = 1;
  for (int i = 0; i < places; ++i) scale *= 10;
  std::string text = std::to_string(value / scale);
  long long fraction = value % scale;
  if (fraction == 0) return text;
  std::string digits = std::to_string(fraction);
  digits.insert(0, static_cast<std::size_t>(places) - digits.size(), '0');
  while (digits.back() == '0') digits.pop_back();
  return text + "." + digits;
}

std::string Hex(unsigned value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*X", width, value);
  return buffer;
}

std::string Stem(int model_index) {
  return "qx_g" + std::to_string(1000 + model_index);
}

// Every fifth model is a special model: its type name carries a two-letter
// special name, which its ModelCode5 encodes and its ParamFile repeats.
std::string SpecialNameOf(int model_index) {
  if (model_index % 5 != 4) return "";
  return {static_cast<char>('A' + (model_index / 5) % 26),
          static_cast<char>('0' + model_index % 10)};
}

std::string ParamFileOf(int model_index) {
  std::string special = SpecialNameOf(model_index);
  if (special.empty()) return Stem(model_index) + "_a01.vfd";
  for (char& c : special) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return Stem(model_index) + "_a01-" + special + ".vfd";
}

std::vector<int> CapacitiesOf(int model_index) {
  std::vector<int> capacities;
  const Classes classes = ClassesOf(model_index);
  if (classes != Classes::kLarge) {
    const std::size_t count = 4 + static_cast<std::size_t>(model_index) % 13;
    capacities.insert(capacities.end(), kSmallCapacities.begin(),
                      kSmallCapacities.begin() + static_cast<std::ptrdiff_t>(count));
  }
  if (classes != Classes::kSmall) {
    const std::size_t count = 3 + static_cast<std::size_t>(model_index) % 13;
    capacities.insert(capacities.end(), kLargeCapacities.begin(),
                      kLargeCapacities.begin() + static_cast<std::ptrdiff_t>(count));
  }
  return capacities;
}

struct Options {
  TextList slots[3];
  std::string slot_count;
};

Options OptionsOf(int type_number) {
  switch (type_number) {
    case 6:
      return {{{"QX-G7AX", "QX-G7AY"}, {"QX-G7AX", "QX-K9PL"}, {"QX-K9NC"}}, "3"};
    case 5:
      return {{{"QX-G5CC"}, {""}, {""}}, ""};
    case 12:
      return {{{"QX-G7AX"}, {"QX-G7AY"}, {"QX-G7DA"}}, ""};
    default:
      return {{{""}, {""}, {""}}, ""};
  }
}

ModelRecord ModelOf(int model_index) {
  const ModelType type = kTypes[static_cast<std::size_t>(model_index) % kTypes.size()];
  const unsigned serial = static_cast<unsigned>(model_index);
  const std::string special = SpecialNameOf(model_index);
  ModelRecord m;
  m.ModelName =
      "QX-G" + std::to_string(1000 + model_index) + (special.empty() ? "" : "-" + special);
  m.ModelCode1 = "0x" + std::string(type.number < 10 ? "0" : "") + std::to_string(type.number) +
                 Hex(serial, 6);
  m.ModelCode2 = "0x00" + std::string(type.four_ratings ? "01" : "00") + Hex(serial, 4);
  m.ModelCode5 = models::EncodeSpecialName(special);
  static constexpr std::array<const char*, 4> kComResources = {"111", "101", "110", "011"};
  m.ComResource = kComResources[serial % kComResources.size()];
  m.ParamFile = ParamFileOf(model_index);
  m.FilterFile = Stem(model_index) + "_a01.flt";
  m.HelpFile = "qx_g_help.chm";

  const std::vector<int> capacities = CapacitiesOf(model_index);
  TextList* const current_lists[] = {&m.Current01, &m.Current02, &m.Current03, &m.Current04};
  m.Capacity.clear();
  m.TypeName.clear();
  for (TextList* list : current_lists) list->clear();
  for (const int capacity : capacities) {
    m.Capacity.push_back(FixedText(capacity, 2));
    m.TypeName.push_back(FixedText(capacity, 2) + "K");
    // Heavy-duty current in tenths of an ampere; the lighter duties carry more.
    const long long heavy = capacity * 21LL / 100 + 6;
    const std::array<long long, 4> currents =
        type.four_ratings
            ? std::array<long long, 4>{heavy * 16 / 10, heavy * 145 / 100, heavy * 12 / 10, heavy}
            : std::array<long long, 4>{heavy, heavy, heavy, heavy};
    for (std::size_t r = 0; r < currents.size(); ++r) {
      current_lists[r]->push_back(FixedText(currents[r], 1));
    }
  }
  m.CapacityClass = CapacityClassOf(m.Capacity);

  const Options options = OptionsOf(type.number);
  m.Option01 = options.slots[0];
  m.Option02 = options.slots[1];
  m.Option03 = options.slots[2];
  TextList all;
  for (const auto& slot : options.slots) {
    for (const auto& name : slot) {
      if (!name.empty() && std::find(all.begin(), all.end(), name) == all.end()) {
        all.push_back(name);
      }
    }
  }
  if (!all.empty()) {
    m.OptionXX = all;
    m.OptionValues.names = all;
    m.OptionValues.values.clear();
    for (std::size_t k = 0; k < all.size(); ++k) {
      m.OptionValues.values.push_back("0x0" + Hex(static_cast<unsigned>(0x100 + k), 3));
    }
  }
  m.OptionSlotCnt = options.slot_count;
  return m;
}

// Parameter numbers in grid order: every ordinary number, each of 902 to 939
// followed by its second parameter.
const std::vector<int>& AllParameterNumbers() {
  static const std::vector<int> numbers = [] {
    std::vector<int> all;
    for (int n = 0; n <= 999; ++n) {
      all.push_back(n);
      if (n >= 902 && n <= 939) all.push_back(2000 + n);
    }
    return all;
  }();
  return numbers;
}

}  // namespace

std::string CatalogueText(int models) {
  ModelCatalogue catalogue;
  for (int i = 0; i < models; ++i) catalogue.push_back(ModelOf(i));
  return FormatCatalogue(catalogue);
}

std::vector<std::string> ParameterFileNames(int model_index) {
  const std::string small = ParamFileOf(model_index);
  const std::string large = InsertLargeCapacityMark(small);
  switch (ClassesOf(model_index)) {
    case Classes::kSmall:
      return {small};
    case Classes::kLarge:
      return {large};
    default:
      return {small, large};
  }
}

std::string ParameterFileText(int model_index, int rows) {
  static constexpr std::array<int16_t, 4> kAttributes = {0, 1, 16, 32};
  const std::vector<int>& numbers = AllParameterNumbers();
  std::vector<ParameterRecord> records(static_cast<std::size_t>(rows));
  for (int j = 0; j < rows; ++j) {
    // Spread over all numbers: unique while rows fit, neighbours repeat after.
    const int number =
        numbers[static_cast<std::size_t>(j) * numbers.size() / static_cast<std::size_t>(rows)];
    const bool second = number > 2000;
    const int shown = second ? number - 2000 : number;
    const int special = j % 4;
    long long initial = (j * 7919LL + model_index * 31LL) % 65536;
    if (j % 11 == 0) {
      initial = -1;
    } else if ((special == 1 || special == 3) && j % 5 == 0) {
      initial = 65535;
    } else if ((special == 2 || special == 3) && j % 5 == 1) {
      initial = 65520;
    }
    ParameterRecord& r = records[static_cast<std::size_t>(j)];
    r.ParamNo = std::to_string(number);
    r.ParamName = "Generated parameter " + std::to_string(shown);
    if (second) {
      r.ParamName += ", level";
    } else if (j % 9 == 4) {
      r.ParamName += ", variant " + std::to_string(model_index);
    }
    r.InitialValue = static_cast<int32_t>(initial);
    r.Digit = static_cast<int16_t>(j % 4);
    r.UnitIndex = static_cast<int16_t>((j * 7) % 23);
    r.SettingRange = "0 to " + std::to_string(65535 >> (j % 8));
    if (special == 1 || special == 3) r.SettingRange += ", 9999";
    if (special >= 2) r.SettingRange += ", 8888";
    r.SpecialCode = static_cast<int16_t>(special);
    r.SortKey = std::to_string(shown + 10000);
    r.DisplayCode = j % 97 == 50 ? "1" : (j % 5 == 2 ? "256" : "0");
    r.FunctionCode = (j * 257 + model_index) % 65536;
    r.Aux1 = std::to_string(j % 3);
    r.Aux2 = r.Aux3 = r.Aux4 = r.Aux5 = "0";
    r.Aux6 = r.Aux7 = r.Aux8 = "NULL";
    r.WriteOrder = static_cast<int16_t>(j % 21);
    r.Attribute = kAttributes[static_cast<std::size_t>(j / 3) % kAttributes.size()];
  }
  return pfedit::ParameterFileText(records);
}

bool WriteSampleFolder(const std::string& folder, int models, int rows) {
  if (models < 1 || models > kMaxGeneratedModels || rows < 1 || rows > kMaxGeneratedRows)
    return false;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return false;
  const auto write = [&folder](const std::string& name, const std::string& text) {
    std::ofstream file(std::filesystem::path(folder) / name, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return !file.fail();
  };
  if (!write("tarvo_param.vfd", CatalogueText(models))) return false;
  for (int i = 0; i < models; ++i) {
    for (const std::string& name : ParameterFileNames(i)) {
      if (!write(name, ParameterFileText(i, rows))) return false;
    }
  }
  return true;
}

}  // namespace pfedit::gendata
