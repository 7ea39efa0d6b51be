#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_dialog_support.h"
#include "models/model_prepare.h"

namespace pfedit::models {
namespace {

using test::Model;

std::string Joined(const TextList& list) {
  std::string text;
  for (const std::string& entry : list) text += (text.empty() ? "" : " ") + entry;
  return text;
}

// The dialog looks for the file by its name alone; the commands place the
// letter by the model's code, so a standard model's file gets it before its
// last eight characters even when the name has a "-". Odd names never crash.
TEST(LargeCapacityNames, ByNameAndByModelCode) {
  const struct {
    const char* file;
    const char* code5;
    const char* by_name;
    const char* by_model;
  } cases[] = {
      {"qx_m520_a01.vfd", "", "qx_m520l_a01.vfd", "qx_m520l_a01.vfd"},
      {"qx_m520_a01-a1.vfd", "0x80413100", "qx_m520l_a01-a1.vfd", "qx_m520l_a01-a1.vfd"},
      {"qx_m520_a01-a1.vfd", "0x80000000", "qx_m520l_a01-a1.vfd", "qx_m520_a0l1-a1.vfd"},
      {"qx_m520_a01.vfd", "0x80413100", "qx_m520l_a01.vfd", "qx_m520l_a01.vfd"},
      {"a.vfd", "0x80413100", "la.vfd", "la.vfd"},
      {"a-b.vfd", "0x80413100", "la-b.vfd", "la-b.vfd"},
      {"", "", "l", "l"},
  };
  for (const auto& c : cases) {
    ModelRecord model = Model("M", c.code5, c.file);
    EXPECT_EQ(LargeCapacityFileName(c.file), c.by_name) << c.file;
    EXPECT_EQ(LargeCapacityParamFile(model), c.by_model) << c.file << " " << c.code5;
  }
}

// A catalogue of a standard two-class model with options, a special one
// under the same first two codes and a small model without options.
ModelCatalogue Catalogue() {
  ModelRecord both =
      Model("QX-A740", "0x80000000", "qx_a740_a01.vfd", {"0.4", "7.5", "55", "75", "90"});
  both.ModelCode1 = "0x06020000";
  both.Current01 = {"1", "2", "3", "4", "5"};
  both.TypeName = {"0.4K", "7.5K", "55K", "75K", "90K"};
  both.OptionXX = {"OPT-A", "OPT-B"};
  both.Option01 = {"OPT-A"};
  both.OptionValues = {{"OPT-A", "OPT-B"}, {"1", "2"}};
  both.OptionSlotCnt = "1";
  ModelRecord special = both;
  special.ModelName = "QX-A740-X";
  special.ModelCode5 = "0x80580000";
  ModelRecord small = Model("QX-E720", "0x80000000", "qx_e720_a01.vfd", {"0.1", "0.2"});
  small.ModelCode1 = "0x04010000";
  small.Option01 = {"stray"};  // no OptionXX: no options at all
  return {both, special, small};
}

ModelSelection Select(const ModelRecord& model, int16_t capacity_class) {
  return {model.ModelCode1, model.ModelCode2, model.ModelCode5, capacity_class};
}

// New keeps the chosen class's ratings only, Edit keeps all of them; both
// name the chosen class's file and take the options only when the model has
// some.
TEST(PrepareModel, NewTakesTheChosenClassEditTakesTheWholeModel) {
  const struct {
    bool edit;
    int entry;
    int16_t capacity_class;
    const char* capacities;
    const char* currents;
    int16_t record_class;
    const char* param_file;
    const char* options;
    int16_t model_type;
  } cases[] = {
      {false, 0, kClassLarge, "75 90", "4 5", kClassLarge, "qx_a740l_a01.vfd", "OPT-A OPT-B", 6},
      {false, 0, kClassSmall, "0.4 7.5 55", "1 2 3", kClassSmall, "qx_a740_a01.vfd", "OPT-A OPT-B",
       6},
      {false, 2, kClassSmall, "0.1 0.2", "", kClassSmall, "qx_e720_a01.vfd", "", 4},
      {true, 0, kClassLarge, "0.4 7.5 55 75 90", "1 2 3 4 5", kClassBoth, "qx_a740l_a01.vfd",
       "OPT-A OPT-B", 6},
      {true, 1, kClassSmall, "0.4 7.5 55 75 90", "1 2 3 4 5", kClassBoth, "qx_a740_a01.vfd",
       "OPT-A OPT-B", 6},
  };
  for (const auto& c : cases) {
    EditorState state;
    state.Catalogue = Catalogue();
    const ModelRecord& chosen = state.Catalogue[static_cast<std::size_t>(c.entry)];
    const ModelSelection selection = Select(chosen, c.capacity_class);
    if (c.edit) {
      PrepareEditModel(state, selection);
    } else {
      PrepareNewModel(state, selection);
    }
    const ModelRecord& made = c.edit ? state.Buffer.EditModel : state.Buffer.ModelInfoDraft;
    const ModelRecord& untouched = c.edit ? state.Buffer.ModelInfoDraft : state.Buffer.EditModel;
    const std::string what =
        chosen.ModelName + (c.edit ? " edit " : " new ") + std::to_string(c.capacity_class);
    EXPECT_EQ(made.ModelName, chosen.ModelName) << what;
    EXPECT_EQ(Joined(made.Capacity), c.capacities) << what;
    EXPECT_EQ(Joined(made.Current01), c.currents) << what;
    EXPECT_EQ(made.CapacityClass, c.record_class) << what;
    EXPECT_EQ(made.ParamFile, c.param_file) << what;
    EXPECT_EQ(Joined(made.OptionXX), c.options) << what;
    EXPECT_EQ(Joined(made.Option01), c.options[0] ? "OPT-A" : "") << what;
    EXPECT_EQ(made.OptionValues == OptionValueTable{}, !c.options[0]) << what;
    EXPECT_EQ(state.EditCapacityClass, c.capacity_class) << what;
    EXPECT_EQ(state.EditModelType, c.model_type) << what;
    EXPECT_TRUE(untouched == ModelRecord{}) << what;
    EXPECT_TRUE(state.Catalogue == Catalogue()) << what;
  }
}

// Codes no entry has (the catalogue changed under the selection): New and
// Edit keep the records they had, Delete keeps the catalogue.
TEST(PrepareModel, UnknownCodesChangeNoRecord) {
  EditorState state;
  state.Catalogue = Catalogue();
  state.Buffer.EditModel.ModelName = "kept";
  ModelSelection selection = Select(state.Catalogue[0], kClassLarge);
  selection.code5 = "0x80000001";
  PrepareNewModel(state, selection);
  PrepareEditModel(state, selection);
  EXPECT_EQ(state.Buffer.EditModel.ModelName, "kept");
  EXPECT_TRUE(state.Buffer.ModelInfoDraft == ModelRecord{});
  EXPECT_EQ(state.EditCapacityClass, kClassLarge);
  PrepareDeleteModel(state, selection);
  EXPECT_TRUE(state.Catalogue == Catalogue());
  EXPECT_TRUE(state.Buffer.EditModel == ModelRecord{});
  EXPECT_FALSE(state.ModelInfoDirty);
}

// Delete takes a one-class model out only for its own class; a two-class
// model keeps its entry and its file with the other class's ratings.
TEST(PrepareModel, DeleteRemovesTheModelOrOneClassOfIt) {
  const struct {
    int entry;
    int16_t capacity_class;
    std::vector<std::string> names;  // the catalogue after
    const char* first_capacities;    // of the first entry after
    int16_t first_class;
    bool dirty;
  } cases[] = {
      {2, kClassSmall, {"QX-A740", "QX-A740-X"}, "0.4 7.5 55 75 90", kClassBoth, true},
      {2, kClassLarge, {"QX-A740", "QX-A740-X", "QX-E720"}, "0.4 7.5 55 75 90", kClassBoth, false},
      {0, kClassLarge, {"QX-A740", "QX-A740-X", "QX-E720"}, "0.4 7.5 55", kClassSmall, false},
      {0, kClassSmall, {"QX-A740", "QX-A740-X", "QX-E720"}, "75 90", kClassLarge, false},
  };
  for (const auto& c : cases) {
    EditorState state;
    state.Catalogue = Catalogue();
    state.Buffer.EditModel.ModelName = "open";
    const ModelSelection selection =
        Select(state.Catalogue[static_cast<std::size_t>(c.entry)], c.capacity_class);
    PrepareDeleteModel(state, selection);
    std::vector<std::string> names;
    for (const ModelRecord& model : state.Catalogue) names.push_back(model.ModelName);
    const std::string what = std::to_string(c.entry) + " class " + std::to_string(c.capacity_class);
    EXPECT_EQ(names, c.names) << what;
    EXPECT_EQ(Joined(state.Catalogue[0].Capacity), c.first_capacities) << what;
    // The other lists lose the same entries.
    const ModelRecord& first = state.Catalogue[0];
    ASSERT_EQ(first.TypeName.size(), first.Capacity.size()) << what;
    for (std::size_t i = 0; i < first.Capacity.size(); ++i) {
      EXPECT_EQ(first.TypeName[i], first.Capacity[i] + "K") << what;
    }
    EXPECT_EQ(state.Catalogue[0].CapacityClass, c.first_class) << what;
    EXPECT_EQ(state.Catalogue[0].ParamFile, "qx_a740_a01.vfd") << what;
    EXPECT_EQ(state.ModelInfoDirty, c.dirty) << what;
    EXPECT_TRUE(state.Buffer.EditModel == ModelRecord{}) << what;
  }
}

}  // namespace
}  // namespace pfedit::models
