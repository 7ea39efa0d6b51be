#include "catalogue/catalogue_merge.h"

#include <gtest/gtest.h>

#include "catalogue/catalogue_writer.h"
#include "core/value_tables.h"

#include <string>
#include <tuple>
#include <vector>

namespace pfedit {
namespace {

ModelRecord Model(const std::string& name, int code, const TextList& capacities) {
  ModelRecord model;
  model.ModelName = name;
  model.ModelCode1 = "0x0100000" + std::to_string(code);
  model.Capacity = capacities;
  model.Current01 = model.Current02 = model.Current03 = model.Current04 = model.TypeName =
      capacities;
  for (std::string& type : model.TypeName) type = "t" + type;
  return model;
}

// Five models M1 to M5 with codes 1 to 5.
ModelCatalogue FiveModels() {
  ModelCatalogue catalogue;
  for (int i = 1; i <= 5; ++i) {
    catalogue.push_back(Model("M" + std::to_string(i), i, {std::to_string(i)}));
  }
  return catalogue;
}

std::vector<std::string> Names(const ModelCatalogue& catalogue) {
  std::vector<std::string> names;
  for (const ModelRecord& model : catalogue) names.push_back(model.ModelName);
  return names;
}

TEST(CatalogueMergeTest, Placement) {
  struct Case {
    MergeKind kind;
    int code;  // codes of the edited model; 9 is in no entry
    int16_t position;
    const char* expected;  // the names, joined by blanks
    const char* name = "X";
  };
  const std::vector<Case> cases{
      {MergeKind::kNewModel, 9, 6, "M1 M2 M3 M4 M5 X"},
      {MergeKind::kEditedModel, 5, 2, "M1 X M2 M3 M4"},     // moves up
      {MergeKind::kEditedModel, 1, 5, "M2 M3 M4 M5 X"},     // moves down
      {MergeKind::kEditedModel, 9, 3, "M1 M2 X M3 M4 M5"},  // without an entry
      {MergeKind::kPlaceOnly, 2, 1, "X M1 M2 M3 M4 M5"},    // delete inserts as given
      {MergeKind::kNewModel, 9, 0, "X M1 M2 M3 M4 M5"},
      {MergeKind::kNewModel, 9, 40, "M1 M2 M3 M4 M5 X"},
      {MergeKind::kEditedModel, 2, 1, "M1 M2 M3 M4 M5", ""},  // no name changes nothing
  };
  for (const Case& c : cases) {
    ModelRecord edit = Model(c.name, c.code, {"7"});
    edit.ParamFile = "abcl_def.vfd";
    const MergedCatalogue merged = MergeEditModel(FiveModels(), edit, c.kind, c.position);
    std::string names;
    for (const ModelRecord& model : merged.catalogue) {
      names += (names.empty() ? "" : " ") + model.ModelName;
      // The stored copy loses the large-capacity mark; the edited model keeps
      // it, and its capacities unless it joins another class.
      if (model.ModelName == "X") {
        EXPECT_EQ(model.ParamFile, "abc_def.vfd") << c.expected;
      }
    }
    EXPECT_EQ(names, c.expected);
    EXPECT_EQ(merged.edit_model, edit) << c.expected;
  }
}

// A new model whose three codes all match an entry adds its capacity class to
// that entry, small capacities first. The joined model holds both classes, so
// that its export writes only the capacities of the class being edited.
TEST(CatalogueMergeTest, NewClassJoinsTheEntryOfTheSameCodes) {
  const std::vector<std::tuple<TextList, TextList, const char*, TextList>> cases{
      {{"37", "55"}, {"75", "90"}, "", {"37", "55", "75", "90"}},
      {{"75", "90"}, {"0.4"}, "", {"0.4", "75", "90"}},
      {{"37", "55"}, {"75"}, "0x80410000", {"75"}},  // another ModelCode5: no join
  };
  for (const auto& [existing, added, code5, joined] : cases) {
    ModelRecord edit = Model("New", 3, added);
    edit.ModelCode5 = code5;
    edit.CapacityClass = CapacityClassOf(added);
    ModelCatalogue catalogue = FiveModels();
    catalogue[2] = Model("Old", 3, existing);
    const MergedCatalogue merged = MergeEditModel(catalogue, edit, MergeKind::kNewModel, 3);
    const bool joins = joined != added;
    EXPECT_EQ(merged.catalogue.size(), joins ? 5u : 6u) << joined.front();
    const ModelRecord& placed = merged.catalogue[2];
    EXPECT_EQ(placed.ModelName, "New");
    EXPECT_EQ(placed.Capacity, joined);
    EXPECT_EQ(placed.Current03, joined);
    EXPECT_EQ(placed.TypeName.front(), "t" + joined.front());
    EXPECT_EQ(merged.edit_model.Capacity, joined);
    const int16_t joined_class = joins ? int16_t{kClassBoth} : edit.CapacityClass;
    EXPECT_EQ(placed.CapacityClass, joined_class);
    EXPECT_EQ(merged.edit_model.CapacityClass, joined_class);
  }
  ModelRecord large = Model("New", 3, {"75"});
  large.CapacityClass = kClassLarge;
  ModelCatalogue catalogue = FiveModels();
  catalogue[2] = Model("Old", 3, {"37"});
  const ModelRecord joined = MergeEditModel(catalogue, large, MergeKind::kNewModel, 3).edit_model;
  EXPECT_EQ(FormatExportSection(joined, kClassLarge).find("Capacity2"), std::string::npos);
}

// Option lists are kept, except where the edited model has no list of its
// own, and for the types that have no option slots.
TEST(CatalogueMergeTest, OptionLists) {
  OptionValueTable options;
  options.names = {"A", "B", "C"};
  options.values = {"1", "2", "3"};
  const auto with_options = [&](ModelRecord model, const char* code1) {
    if (*code1 != '\0') model.ModelCode1 = code1;
    model.Option01 = model.OptionXX = options.names;
    model.OptionValues = options;
    return model;
  };
  ModelCatalogue catalogue = FiveModels();
  // Types 31, 4, 30, 6 and 1.
  const char* types[] = {"0x31000000", "0x04000000", "0x067000B0", "0x06000000", ""};
  for (int i = 0; i < 5; ++i) catalogue[i] = with_options(catalogue[i], types[i]);
  ModelRecord listed = with_options(Model("X", 8, {"1"}), "");
  ModelRecord unlisted = with_options(Model("Y", 9, {"1"}), "");
  unlisted.OptionXX = {""};

  MergedCatalogue merged = MergeEditModel(catalogue, listed, MergeKind::kNewModel, 6);
  merged = MergeEditModel(merged.catalogue, unlisted, MergeKind::kNewModel, 7);
  ASSERT_EQ(Names(merged.catalogue),
            (std::vector<std::string>{"M1", "M2", "M3", "M4", "M5", "X", "Y"}));
  for (std::size_t i = 0; i < merged.catalogue.size(); ++i) {
    const ModelRecord& model = merged.catalogue[i];
    const bool cleared = i < 3 || i == 6;
    EXPECT_EQ(model.Option01, cleared ? TextList{""} : options.names) << i;
    EXPECT_EQ(model.OptionXX, cleared ? TextList{""} : options.names) << i;
    EXPECT_EQ(model.OptionValues, cleared ? OptionValueTable() : options) << i;
  }
  EXPECT_EQ(merged.edit_model, unlisted);  // the edited model keeps its own
}

}  // namespace
}  // namespace pfedit
