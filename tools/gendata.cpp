#include "tools/gendata.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace pfedit::gendata {

namespace {

constexpr const char* kLineEnd = "\r\n";

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

class SectionWriter {
 public:
  explicit SectionWriter(std::string* out) : out_(out) {}
  void Line(const std::string& text) { out_->append(text).append(kLineEnd); }
  void Key(const std::string& key, const std::string& value) { Line(key + "=" + value); }
  void Blank() { out_->append(kLineEnd); }

 private:
  std::string* out_;
};

struct Options {
  std::vector<std::string> slots[3];
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

void AppendSection(std::string* out, int model_index) {
  const ModelType type = kTypes[static_cast<std::size_t>(model_index) % kTypes.size()];
  const unsigned serial = static_cast<unsigned>(model_index);
  SectionWriter w(out);
  w.Line("[Model_" + std::to_string(model_index + 1) + "]");
  const std::string special = SpecialNameOf(model_index);
  w.Key("ModelName",
        "QX-G" + std::to_string(1000 + model_index) + (special.empty() ? "" : "-" + special));
  w.Key("ModelCode1", "0x" + std::string(type.number < 10 ? "0" : "") +
                          std::to_string(type.number) + Hex(serial, 6));
  w.Key("ModelCode2", "0x00" + std::string(type.four_ratings ? "01" : "00") + Hex(serial, 4));
  w.Key("ModelCode5", special.empty() ? "0x80000000"
                                      : "0x80" + Hex(static_cast<unsigned char>(special[0]), 2) +
                                            Hex(static_cast<unsigned char>(special[1]), 2) + "00");
  w.Blank();
  static constexpr std::array<const char*, 4> kComResources = {"111", "101", "110", "011"};
  w.Key("ComResource", kComResources[serial % kComResources.size()]);
  w.Blank();
  w.Key("ParamFile", ParamFileOf(model_index));
  w.Key("FilterFile", Stem(model_index) + "_a01.flt");
  w.Key("HelpFile", "qx_g_help.chm");
  w.Blank();

  const std::vector<int> capacities = CapacitiesOf(model_index);
  for (std::size_t k = 0; k < capacities.size(); ++k) {
    w.Key("Capacity" + std::to_string(k + 1), FixedText(capacities[k], 2));
  }
  w.Blank();
  for (std::size_t k = 0; k < capacities.size(); ++k) {
    // Heavy-duty current in tenths of an ampere; the lighter duties carry more.
    const long long heavy = capacities[k] * 21LL / 100 + 6;
    const std::array<long long, 4> currents =
        type.four_ratings
            ? std::array<long long, 4>{heavy * 16 / 10, heavy * 145 / 100, heavy * 12 / 10, heavy}
            : std::array<long long, 4>{heavy, heavy, heavy, heavy};
    for (std::size_t r = 0; r < currents.size(); ++r) {
      w.Key("Current0" + std::to_string(r + 1) + "_" + std::to_string(k + 1),
            FixedText(currents[r], 1));
    }
  }
  w.Blank();
  for (std::size_t k = 0; k < capacities.size(); ++k) {
    w.Key("TypeName" + std::to_string(k + 1), FixedText(capacities[k], 2) + "K");
  }
  w.Blank();

  const Options options = OptionsOf(type.number);
  std::vector<std::string> all;
  for (const auto& slot : options.slots) {
    for (const auto& name : slot) {
      bool known = name.empty();
      for (const auto& seen : all) known = known || seen == name;
      if (!known) all.push_back(name);
    }
  }
  if (!all.empty()) {
    for (int s = 0; s < 3; ++s) {
      const auto& slot = options.slots[s];
      for (std::size_t k = 0; k < slot.size(); ++k) {
        w.Key("Option0" + std::to_string(s + 1) + "_" + std::to_string(k + 1), slot[k]);
      }
      w.Blank();
    }
    for (std::size_t k = 0; k < all.size(); ++k) w.Key(all[k], "0x0" + Hex(0x100 + k, 3));
  } else {
    all.emplace_back();
  }
  w.Blank();
  for (std::size_t k = 0; k < all.size(); ++k) w.Key("OptionXX_" + std::to_string(k + 1), all[k]);
  w.Blank();
  if (!options.slot_count.empty()) w.Key("OptionSlotCnt", options.slot_count);
  w.Blank();
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

std::string Quoted(const std::string& text) {
  return text.find(',') == std::string::npos ? text : "\"" + text + "\"";
}

}  // namespace

std::string CatalogueText(int models) {
  std::string out;
  for (int i = 0; i < models; ++i) AppendSection(&out, i);
  return out;
}

std::vector<std::string> ParameterFileNames(int model_index) {
  const std::string small = ParamFileOf(model_index);
  std::string large = small;
  // The large-capacity mark goes before "_a01", also when a special name follows.
  const std::size_t dash = large.rfind('-');
  large.insert(dash == std::string::npos ? large.size() - 8 : dash - 4, "l");
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
  static constexpr std::array<int, 4> kAttributes = {0, 1, 16, 32};
  const std::vector<int>& numbers = AllParameterNumbers();
  std::string out;
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
    std::string name = "Generated parameter " + std::to_string(shown);
    if (second) {
      name += ", level";
    } else if (j % 9 == 4) {
      name += ", variant " + std::to_string(model_index);
    }
    std::string range = "0 to " + std::to_string(65535 >> (j % 8));
    if (special == 1 || special == 3) range += ", 9999";
    if (special >= 2) range += ", 8888";
    const char* display = j % 97 == 50 ? "1" : (j % 5 == 2 ? "256" : "0");

    const std::array<std::string, 20> fields = {
        std::to_string(number),
        Quoted(name),
        std::to_string(initial),
        std::to_string(j % 4),
        std::to_string((j * 7) % 23),
        Quoted(range),
        std::to_string(special),
        std::to_string(shown + 10000),
        display,
        std::to_string((j * 257 + model_index) % 65536),
        std::to_string(j % 3),
        "0",
        "0",
        "0",
        "0",
        "NULL",
        "NULL",
        "NULL",
        std::to_string(j % 21),
        std::to_string(kAttributes[static_cast<std::size_t>(j / 3) % kAttributes.size()])};
    for (std::size_t f = 0; f < fields.size(); ++f) {
      if (f > 0) out += ',';
      out += fields[f];
    }
    out += kLineEnd;
  }
  return out;
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
