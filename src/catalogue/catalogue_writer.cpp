#include "catalogue/catalogue_writer.h"

#include <vector>

#include "catalogue/catalogue_reader.h"
#include "core/model_codes.h"
#include "core/value_tables.h"

namespace pfedit {

namespace {

std::string WithDecimalPoint(std::string text) {
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  return text;
}

// The slot count is only kept for type 6 models whose ModelCode2 names one of
// the two layouts where the count can differ.
bool WritesSlotCount(const ModelRecord& model) {
  if (model.OptionSlotCnt.empty() || ModelTypeNumber(model.ModelCode1) != 6) return false;
  const uint32_t kind = CodeHexValue(model.ModelCode2) & kRatingKindMask;
  return kind == 0x10000u || kind == 0x20000u;
}

const std::string& EntryOrEmpty(const TextList& list, std::size_t index) {
  static const std::string kEmpty;
  return index < list.size() ? list[index] : kEmpty;
}

class SectionText {
 public:
  explicit SectionText(std::string* out) : out_(*out) {}

  void Header(std::size_t number) {
    out_ += "[Model_";
    out_ += std::to_string(number);
    out_ += "]\r\n";
  }
  void Blank() { out_ += "\r\n"; }
  void Key(std::string_view key, std::string_view value) {
    out_ += key;
    out_ += '=';
    out_ += value;
    out_ += "\r\n";
  }
  void Numbered(std::string_view prefix, std::size_t number, std::string_view value) {
    out_ += prefix;
    out_ += std::to_string(number);
    out_ += '=';
    out_ += value;
    out_ += "\r\n";
  }
  void List(std::string_view prefix, const TextList& list) {
    for (std::size_t k = 0; k < list.size(); ++k) Numbered(prefix, k + 1, list[k]);
  }

 private:
  std::string& out_;
};

struct SectionPlan {
  std::size_t number = 1;
  std::string_view param_file;
  std::vector<std::size_t> capacities;  // indexes of the capacities written
  std::vector<std::size_t> type_names;  // indexes of the type names written
  bool decimal_point = false;           // commas of numbers become points
};

void AppendSection(const ModelRecord& model, const SectionPlan& plan, std::string* out) {
  SectionText text(out);
  auto number = [&](const std::string& value) {
    return plan.decimal_point ? WithDecimalPoint(value) : value;
  };
  text.Header(plan.number);

  text.Key("ModelName", model.ModelName);
  text.Key("ModelCode1", model.ModelCode1);
  text.Key("ModelCode2", model.ModelCode2);
  text.Key("ModelCode5", model.ModelCode5);
  text.Blank();
  text.Key("ComResource", model.ComResource);
  text.Blank();
  text.Key("ParamFile", plan.param_file);
  text.Key("FilterFile", model.FilterFile);
  text.Key("HelpFile", model.HelpFile);
  text.Blank();

  for (std::size_t n = 0; n < plan.capacities.size(); ++n) {
    text.Numbered("Capacity", n + 1, number(model.Capacity[plan.capacities[n]]));
  }
  text.Blank();
  const TextList* currents[] = {&model.Current01, &model.Current02, &model.Current03,
                                &model.Current04};
  const char* current_keys[] = {"Current01_", "Current02_", "Current03_", "Current04_"};
  for (std::size_t n = 0; n < plan.capacities.size(); ++n) {
    for (int c = 0; c < 4; ++c) {
      text.Numbered(current_keys[c], n + 1, number(EntryOrEmpty(*currents[c], plan.capacities[n])));
    }
  }
  text.Blank();
  for (std::size_t n = 0; n < plan.type_names.size(); ++n) {
    text.Numbered("TypeName", n + 1, model.TypeName[plan.type_names[n]]);
  }
  text.Blank();

  if (!model.OptionXX.empty() && !model.OptionXX.front().empty()) {
    text.List("Option01_", model.Option01);
    text.Blank();
    text.List("Option02_", model.Option02);
    text.Blank();
    text.List("Option03_", model.Option03);
    text.Blank();
    for (std::size_t j = 0; j < model.OptionXX.size(); ++j) {
      text.Key(EntryOrEmpty(model.OptionValues.names, j),
               EntryOrEmpty(model.OptionValues.values, j));
    }
  }
  text.Blank();
  text.List("OptionXX_", model.OptionXX);
  text.Blank();
  if (WritesSlotCount(model)) text.Key("OptionSlotCnt", model.OptionSlotCnt);
  text.Blank();
}

std::vector<std::size_t> AllIndexes(std::size_t count) {
  std::vector<std::size_t> indexes(count);
  for (std::size_t i = 0; i < count; ++i) indexes[i] = i;
  return indexes;
}

}  // namespace

std::string FormatCatalogue(const ModelCatalogue& models) {
  std::string out;
  out.reserve(models.size() * 1024);
  for (std::size_t i = 0; i < models.size(); ++i) {
    const ModelRecord& model = models[i];
    SectionPlan plan;
    plan.number = i + 1;
    plan.param_file = model.ParamFile;
    plan.capacities = AllIndexes(model.Capacity.size());
    plan.type_names = AllIndexes(model.TypeName.size());
    plan.decimal_point = true;
    AppendSection(model, plan, &out);
  }
  return out;
}

std::string FormatExportSection(const ModelRecord& model, int16_t selected_class) {
  const std::string param_file = RemoveLargeCapacityMark(model.ParamFile);
  SectionPlan plan;
  plan.param_file = param_file;
  const bool filter = model.CapacityClass == kClassBoth &&
                      (selected_class == kClassLarge || selected_class == kClassSmall);
  if (filter) {
    const bool want_small = selected_class == kClassSmall;
    for (std::size_t k = 0; k < model.Capacity.size(); ++k) {
      if (IsSmallCapacity(model.Capacity[k]) != want_small) continue;
      plan.capacities.push_back(k);
      if (k < model.TypeName.size()) plan.type_names.push_back(k);
    }
  } else {
    plan.capacities = AllIndexes(model.Capacity.size());
    plan.type_names = AllIndexes(model.TypeName.size());
  }
  std::string out;
  AppendSection(model, plan, &out);
  return out;
}

SafeWriteResult WriteCatalogue(FileSystem& files, const std::string& target,
                               const ModelCatalogue& models) {
  return WriteViaTemporary(files, target, FormatCatalogue(models));
}

}  // namespace pfedit
