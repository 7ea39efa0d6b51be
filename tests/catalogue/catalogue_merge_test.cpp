#include "catalogue/catalogue_merge.h"

#include <gtest/gtest.h>

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

// Five models M1 to M5 with codes 1 to 5, and the edited model X.
EditorState FiveModels(int16_t mode, int16_t position, const ModelRecord& edit) {
  EditorState state;
  for (int i = 1; i <= 5; ++i) {
    state.Catalogue.push_back(Model("M" + std::to_string(i), i, {std::to_string(i)}));
  }
  state.EditMode = mode;
  state.ListPosition = position;
  state.Buffer.EditModel = edit;
  return state;
}

std::vector<std::string> Names(const ModelCatalogue& catalogue) {
  std::vector<std::string> names;
  for (const ModelRecord& model : catalogue) names.push_back(model.ModelName);
  return names;
}

TEST(CatalogueMergeTest, Placement) {
  struct Case {
    const char* what;
    int16_t mode;
    int code;  // codes of the edited model; 9 is in no entry
    int16_t position;
    std::vector<std::string> expected;
    const char* name = "X";
  };
  const std::vector<Case> cases{
      {"new model last", kEditModeNew, 9, 6, {"M1", "M2", "M3", "M4", "M5", "X"}},
      {"edited model moves up", kEditModeEdit, 5, 2, {"M1", "X", "M2", "M3", "M4"}},
      {"edited model moves down", kEditModeEdit, 1, 5, {"M2", "M3", "M4", "M5", "X"}},
      {"edited model without an entry", kEditModeEdit, 9, 3, {"M1", "M2", "X", "M3", "M4", "M5"}},
      {"delete inserts as given", kEditModeDelete, 2, 1, {"X", "M1", "M2", "M3", "M4", "M5"}},
      {"position below 1", kEditModeNew, 9, 0, {"X", "M1", "M2", "M3", "M4", "M5"}},
      {"position past the end", kEditModeNew, 9, 40, {"M1", "M2", "M3", "M4", "M5", "X"}},
      {"no name changes nothing", kEditModeEdit, 2, 1, {"M1", "M2", "M3", "M4", "M5"}, ""},
  };
  for (const Case& c : cases) {
    EditorState state = FiveModels(c.mode, c.position, Model(c.name, c.code, {"7"}));
    MergeEditModel(state);
    EXPECT_EQ(Names(state.Catalogue), c.expected) << c.what;
    EXPECT_EQ(state.Buffer.EditModel.Capacity, TextList{"7"}) << c.what;  // joins only when new
  }
}

// A new model whose three codes all match an entry adds its capacity class to
// that entry, small capacities first.
TEST(CatalogueMergeTest, NewClassJoinsTheEntryOfTheSameCodes) {
  const std::vector<std::tuple<TextList, TextList, const char*, TextList>> cases{
      {{"37", "55"}, {"75", "90"}, "", {"37", "55", "75", "90"}},
      {{"75", "90"}, {"0.4"}, "", {"0.4", "75", "90"}},
      {{"37", "55"}, {"75"}, "0x80410000", {"75"}},  // another ModelCode5: no join
  };
  for (const auto& [existing, added, code5, joined] : cases) {
    ModelRecord edit = Model("New", 3, added);
    edit.ModelCode5 = code5;
    EditorState state = FiveModels(kEditModeNew, 3, edit);
    state.Catalogue[2] = Model("Old", 3, existing);
    MergeEditModel(state);
    const bool joins = joined != added;
    EXPECT_EQ(state.Catalogue.size(), joins ? 5u : 6u) << joined.front();
    const ModelRecord& placed = state.Catalogue[2];
    EXPECT_EQ(placed.ModelName, "New");
    EXPECT_EQ(placed.Capacity, joined);
    EXPECT_EQ(placed.Current03, joined);
    EXPECT_EQ(placed.TypeName.front(), "t" + joined.front());
    EXPECT_EQ(state.Buffer.EditModel.Capacity, joined);
    EXPECT_TRUE(!joins || placed.CapacityClass == kClassBoth);
  }
}

TEST(CatalogueMergeTest, StoredCopyLosesLargeMarkAndUnlistedOptions) {
  ModelRecord edit = Model("X", 9, {"75"});
  edit.ParamFile = "abcl_def.vfd";
  edit.Option01 = {"A"};
  edit.OptionXX = {""};
  EditorState state = FiveModels(kEditModeNew, 1, edit);
  MergeEditModel(state);
  EXPECT_EQ(state.Catalogue[0].ParamFile, "abc_def.vfd");
  EXPECT_EQ(state.Catalogue[0].Option01, TextList{""});
  EXPECT_EQ(state.Buffer.EditModel, edit);  // the edited model keeps its own
}

TEST(CatalogueMergeTest, TypesWithoutSlotsLoseTheirOptions) {
  EditorState state = FiveModels(kEditModeNew, 6, Model("X", 9, {"1"}));
  OptionValueTable options;
  options.names = {"A", "B", "C"};
  options.values = {"1", "2", "3"};
  const char* types[] = {"0x31000000", "0x04000000", "0x067000B0", "0x06000000"};  // 31, 4, 30, 6
  for (int i = 0; i < 5; ++i) {
    ModelRecord& model = state.Catalogue[i];
    if (i < 4) model.ModelCode1 = types[i];
    model.Option01 = model.OptionXX = options.names;
    model.OptionValues = options;
  }
  MergeEditModel(state);
  for (int i = 0; i < 5; ++i) {
    const ModelRecord& model = state.Catalogue[i];
    const bool cleared = i < 3;
    EXPECT_EQ(model.Option01, cleared ? TextList{""} : options.names) << i;
    EXPECT_EQ(model.OptionXX, cleared ? TextList{""} : options.names) << i;
    EXPECT_EQ(model.OptionValues, cleared ? OptionValueTable() : options) << i;
  }
}

}  // namespace
}  // namespace pfedit
