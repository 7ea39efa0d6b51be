#include "catalogue/catalogue_merge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pfedit {
namespace {

ModelRecord Model(const std::string& name, int code, const TextList& capacities) {
  ModelRecord model;
  model.ModelName = name;
  model.ModelCode1 = "0x0100000" + std::to_string(code);
  model.ModelCode2 = "0x00000000";
  model.ModelCode5 = "0x80000000";
  model.ParamFile = name + ".vfd";
  model.Capacity = capacities;
  model.Current01 = model.Current02 = model.Current03 = model.Current04 = model.TypeName =
      capacities;
  for (std::string& type : model.TypeName) type = "t" + type;
  return model;
}

// Five models M1 to M5 with codes 1 to 5.
EditorState FiveModels() {
  EditorState state;
  for (int i = 1; i <= 5; ++i) {
    state.Catalogue.push_back(Model("M" + std::to_string(i), i, {std::to_string(i)}));
  }
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
  };
  const std::vector<Case> cases{
      {"new model first", kEditModeNew, 9, 1, {"X", "M1", "M2", "M3", "M4", "M5"}},
      {"new model last", kEditModeNew, 9, 6, {"M1", "M2", "M3", "M4", "M5", "X"}},
      {"edited model moves up", kEditModeEdit, 5, 2, {"M1", "X", "M2", "M3", "M4"}},
      {"edited model moves down", kEditModeEdit, 1, 5, {"M2", "M3", "M4", "M5", "X"}},
      {"edited model without an entry", kEditModeEdit, 9, 3, {"M1", "M2", "X", "M3", "M4", "M5"}},
      {"delete inserts what it is given",
       kEditModeDelete,
       2,
       1,
       {"X", "M1", "M2", "M3", "M4", "M5"}},
      {"position below 1", kEditModeNew, 9, 0, {"X", "M1", "M2", "M3", "M4", "M5"}},
      {"position past the end", kEditModeNew, 9, 40, {"M1", "M2", "M3", "M4", "M5", "X"}},
  };
  for (const Case& c : cases) {
    EditorState state = FiveModels();
    state.EditMode = c.mode;
    state.ListPosition = c.position;
    state.Buffer.EditModel = Model("X", c.code, {"7"});
    MergeEditModel(state);
    EXPECT_EQ(Names(state.Catalogue), c.expected) << c.what;
  }
}

TEST(CatalogueMergeTest, ModelWithoutNameChangesNothing) {
  EditorState state = FiveModels();
  state.Catalogue[0].ModelCode1 = "0x31000000";  // would lose its options otherwise
  state.Catalogue[0].OptionXX = {"A"};
  state.EditMode = kEditModeEdit;
  state.ListPosition = 1;
  state.Buffer.EditModel = Model("", 2, {"7"});
  const ModelCatalogue before = state.Catalogue;
  MergeEditModel(state);
  EXPECT_EQ(state.Catalogue, before);
}

TEST(CatalogueMergeTest, NewClassJoinsTheEntryOfTheSameCodes) {
  struct Case {
    const char* what;
    TextList existing;
    TextList added;
    TextList joined;
  };
  const std::vector<Case> cases{
      {"large added to small", {"37", "55"}, {"75", "90"}, {"37", "55", "75", "90"}},
      {"small added to large", {"75", "90"}, {"0.4"}, {"0.4", "75", "90"}},
  };
  for (const Case& c : cases) {
    EditorState state = FiveModels();
    state.Catalogue[2] = Model("Old", 3, c.existing);
    state.EditMode = kEditModeNew;
    state.ListPosition = 3;
    state.Buffer.EditModel = Model("New", 3, c.added);
    MergeEditModel(state);
    ASSERT_EQ(Names(state.Catalogue), (std::vector<std::string>{"M1", "M2", "New", "M4", "M5"}))
        << c.what;
    const ModelRecord& joined = state.Catalogue[2];
    EXPECT_EQ(joined.Capacity, c.joined) << c.what;
    EXPECT_EQ(joined.Current03, c.joined) << c.what;
    EXPECT_EQ(joined.TypeName.front(), "t" + c.joined.front()) << c.what;
    EXPECT_EQ(joined.CapacityClass, kClassBoth) << c.what;
    EXPECT_EQ(state.Buffer.EditModel.Capacity, c.joined) << c.what;
  }
}

TEST(CatalogueMergeTest, CodesMustAllMatch) {
  EditorState state = FiveModels();
  state.EditMode = kEditModeNew;
  state.ListPosition = 1;
  state.Buffer.EditModel = Model("X", 2, {"75"});
  state.Buffer.EditModel.ModelCode5 = "0x80410000";
  MergeEditModel(state);
  EXPECT_EQ(state.Catalogue.size(), 6u);
  EXPECT_EQ(state.Catalogue[0].Capacity, TextList{"75"});
}

TEST(CatalogueMergeTest, StoredCopyLosesLargeMarkAndUnlistedOptions) {
  EditorState state = FiveModels();
  state.EditMode = kEditModeNew;
  state.ListPosition = 1;
  ModelRecord& edit = state.Buffer.EditModel;
  edit = Model("X", 9, {"75"});
  edit.ParamFile = "abcl_def.vfd";
  edit.Option01 = {"A"};
  edit.OptionXX = {""};
  MergeEditModel(state);
  EXPECT_EQ(state.Catalogue[0].ParamFile, "abc_def.vfd");
  EXPECT_EQ(state.Catalogue[0].Option01, TextList{""});
  EXPECT_EQ(edit.ParamFile, "abcl_def.vfd");  // the edited model keeps its own name
  EXPECT_EQ(edit.Option01, TextList{"A"});
}

TEST(CatalogueMergeTest, TypesWithoutSlotsLoseTheirOptions) {
  EditorState state = FiveModels();
  for (ModelRecord& model : state.Catalogue) {
    model.Option01 = {"A", "B", "C"};
    model.OptionXX = {"A", "B", "C"};
    model.OptionValues.names = model.OptionXX;
    model.OptionValues.values = {"1", "2", "3"};
  }
  state.Catalogue[0].ModelCode1 = "0x31000000";  // type 31
  state.Catalogue[1].ModelCode1 = "0x04000000";  // type 4
  state.Catalogue[2].ModelCode1 = "0x067000B0";  // type 30
  state.Catalogue[3].ModelCode1 = "0x06000000";  // type 6 keeps them
  state.EditMode = kEditModeNew;
  state.ListPosition = 6;
  state.Buffer.EditModel = Model("X", 9, {"1"});
  MergeEditModel(state);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(state.Catalogue[i].Option01, TextList{""}) << i;
    EXPECT_EQ(state.Catalogue[i].OptionXX, TextList{""}) << i;
    EXPECT_EQ(state.Catalogue[i].OptionValues, OptionValueTable()) << i;
  }
  EXPECT_EQ(state.Catalogue[3].Option01.size(), 3u);
  EXPECT_EQ(state.Catalogue[4].OptionValues.values, (TextList{"1", "2", "3"}));
}

}  // namespace
}  // namespace pfedit
