#include "catalogue/catalogue_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "catalogue/catalogue_text.h"
#include "core/messages.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

using test::KeyChanges;
using test::Section;

CatalogueReadResult Read(const std::string& text, char separator = '.') {
  return ReadCatalogueText(text, separator);
}

TEST(CatalogueReaderTest, EveryStatusOnAMinimalFaultyFile) {
  struct Case {
    const char* what;
    std::string text;
    int16_t status;
  };
  const std::string good = Section("Model_1");
  const std::vector<Case> cases{
      {"valid", good, 0},
      {"empty file", "", 1041},
      {"no section", "ModelName=x\r\n", 1041},
      {"byte order mark before the only header", "\xEF\xBB\xBF" + good, 1041},
      {"section named like the default text", Section("GetPrivateProfieReadError"), 1041},
      {"name missing", Section("M", {{"ModelName", std::nullopt}}), 1042},
      {"name empty", Section("M", {{"ModelName", ""}}), 1042},
      {"code 1 small letters", Section("M", {{"ModelCode1", "&H0a0b0c0d"}}), 1043},
      {"code 1 nine characters", Section("M", {{"ModelCode1", "0x0A0B0C0"}}), 1043},
      {"code 1 missing", Section("M", {{"ModelCode1", std::nullopt}}), 1043},
      {"code 2 bad digit", Section("M", {{"ModelCode2", "0x0000000G"}}), 1044},
      {"code 5 malformed", Section("M", {{"ModelCode5", "0x800"}}), 1045},
      {"code 5 blank inside quotes", Section("M", {{"ModelCode5", "\" \""}}), 1045},
      {"resource 000", Section("M", {{"ComResource", "000"}}), 1046},
      {"resource four digits", Section("M", {{"ComResource", "0101"}}), 1046},
      {"resource digit 2", Section("M", {{"ComResource", "012"}}), 1046},
      {"resource missing", Section("M", {{"ComResource", std::nullopt}}), 1046},
      {"parameter file", Section("M", {{"ParamFile", std::nullopt}}), 1047},
      {"filter file", Section("M", {{"FilterFile", ""}}), 1048},
      {"help file", Section("M", {{"HelpFile", std::nullopt}}), 1049},
      {"first capacity missing", Section("M", {{"Capacity1", std::nullopt}, {"Capacity2", "0.75"}}),
       1050},
      {"SLD current", Section("M", {{"Current01_1", std::nullopt}}), 1051},
      {"LD current", Section("M", {{"Current02_1", ""}}), 1052},
      {"ND current", Section("M", {{"Current03_1", std::nullopt}}), 1053},
      {"HD current", Section("M", {{"Current04_1", std::nullopt}}), 1054},
      {"type name", Section("M", {{"TypeName1", std::nullopt}}), 1055},
      {"second section faulty", good + Section("M2", {{"TypeName1", std::nullopt}}), 1055},
      // The reader asks for the names it was given; a key of another section
      // does not help.
      {"keys under another section", "[A]\r\n[B]\r\n" + good.substr(good.find('\n') + 1), 1042},
  };
  for (const Case& c : cases) {
    const CatalogueReadResult result = Read(c.text);
    EXPECT_EQ(result.status, c.status) << c.what;
    if (c.status != 0) {
      EXPECT_TRUE(result.models.empty()) << c.what;
      EXPECT_TRUE(HasMessage(c.status)) << c.what;
    }
  }
}

TEST(CatalogueReaderTest, FieldValues) {
  struct Case {
    const char* what;
    KeyChanges changes;
    std::string ModelRecord::*field;
    std::string expected;
  };
  const std::vector<Case> cases{
      {"code 5 absent", {{"ModelCode5", std::nullopt}}, &ModelRecord::ModelCode5, ""},
      {"code 5 empty", {{"ModelCode5", ""}}, &ModelRecord::ModelCode5, ""},
      {"code 5 free prefix",
       {{"ModelCode5", "&H80413100"}},
       &ModelRecord::ModelCode5,
       "&H80413100"},
      {"code 1 capital hex",
       {{"ModelCode1", "&H0A0B0C0D"}},
       &ModelRecord::ModelCode1,
       "&H0A0B0C0D"},
      {"name trimmed inside quotes",
       {{"ModelName", "\" QX-A \""}},
       &ModelRecord::ModelName,
       "QX-A"},
      {"resource trimmed", {{"ComResource", "' 100 '"}}, &ModelRecord::ComResource, "100"},
      {"help file trimmed", {{"HelpFile", "\" h.chm\""}}, &ModelRecord::HelpFile, "h.chm"},
      {"slot count numeric", {{"OptionSlotCnt", " 2 "}}, &ModelRecord::OptionSlotCnt, "2"},
      {"slot count quoted blanks trimmed",
       {{"OptionSlotCnt", "\" 2\""}},
       &ModelRecord::OptionSlotCnt,
       "2"},
      {"slot count not numeric", {{"OptionSlotCnt", "two"}}, &ModelRecord::OptionSlotCnt, ""},
      {"slot count exponent", {{"OptionSlotCnt", "1e1"}}, &ModelRecord::OptionSlotCnt, ""},
      {"value cut to 127",
       {{"FilterFile", std::string(200, 'f')}},
       &ModelRecord::FilterFile,
       std::string(127, 'f')},
  };
  for (const Case& c : cases) {
    const CatalogueReadResult result = Read(Section("M", c.changes));
    ASSERT_EQ(result.status, 0) << c.what;
    EXPECT_EQ(result.models[0].*c.field, c.expected) << c.what;
  }
}

TEST(CatalogueReaderTest, NumberedFamiliesEndAtTheFirstGap) {
  const CatalogueReadResult result = Read(Section("M", {{"Capacity2", std::nullopt},
                                                        {"Capacity3", "3.7"},
                                                        {"TypeName2", ""},
                                                        {"TypeName3", "x"},
                                                        {"Current01_2", "5"}}));
  ASSERT_EQ(result.status, 0);
  const ModelRecord& model = result.models[0];
  EXPECT_EQ(model.Capacity, TextList{"0.4"});
  EXPECT_EQ(model.TypeName, TextList{"00023"});
  EXPECT_EQ(model.Current01, (TextList{"1.5", "5"}));  // currents are counted on their own
}

TEST(CatalogueReaderTest, CapacitiesAndCurrentsTakeTheLocaleSeparator) {
  const std::string text =
      Section("M", {{"Capacity1", "0.75"}, {"Capacity2", "1,5"}, {"Current01_1", "2.5"}});
  const ModelRecord comma = Read(text, ',').models.at(0);
  EXPECT_EQ(comma.Capacity, (TextList{"0,75", "1,5"}));
  EXPECT_EQ(comma.Current01.front(), "2,5");
  const ModelRecord point = Read(text, '.').models.at(0);
  EXPECT_EQ(point.Capacity, (TextList{"0.75", "1.5"}));
  EXPECT_EQ(point.TypeName.front(), "00023");  // other values are never touched
}

TEST(CatalogueReaderTest, CapacityClass) {
  struct Case {
    std::vector<std::string> capacities;
    int16_t expected;
  };
  const std::vector<Case> cases{
      {{"0.4", "3.7"}, kClassSmall}, {{"75", "280"}, kClassLarge},
      {{"0.4", "280"}, kClassBoth},  {{"55"}, kClassSmall},
      {{"55.01"}, kClassLarge},      {{"75", "30"}, kClassSmall},  // first and last only
      {{"big"}, kClassSmall},  // a text that is no number counts as small
  };
  for (const Case& c : cases) {
    KeyChanges changes;
    for (std::size_t i = 0; i < c.capacities.size(); ++i) {
      changes["Capacity" + std::to_string(i + 1)] = c.capacities[i];
    }
    const CatalogueReadResult result = Read(Section("M", changes));
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(result.models[0].CapacityClass, c.expected) << c.capacities.front();
  }
}

TEST(CatalogueReaderTest, OptionLists) {
  struct Case {
    const char* what;
    KeyChanges changes;
    TextList option01, option02, optionxx, values;
  };
  const std::vector<Case> cases{
      {"none", {}, {""}, {""}, {""}, {""}},
      {"union without repeats",
       {{"Option01_1", "A"}, {"Option02_1", "A"}, {"Option02_2", "B"}, {"B", "vb"}},
       {"A"},
       {"A", "B"},
       {"A", "B"},
       {"", "vb"}},
      {"union is case-sensitive and starts with slot 1 as it is",
       {{"Option02_1", "a"}, {"Option02_2", "A"}, {"a", "1"}},
       {""},
       {"a", "A"},
       {"", "a", "A"},
       {"", "1", "1"}},  // the value key matches without regard to case
      {"explicit list wins",
       {{"Option01_1", "A"}, {"OptionXX_1", "Z"}, {"OptionXX_2", "A"}, {"Z", "vz"}},
       {"A"},
       {""},
       {"Z", "A"},
       {"vz", ""}},
      {"empty first entry means no list",
       {{"Option01_1", "A"}, {"OptionXX_1", ""}, {"OptionXX_2", "Z"}},
       {"A"},
       {""},
       {"A"},
       {""}},
  };
  for (const Case& c : cases) {
    const CatalogueReadResult result = Read(Section("M", c.changes));
    ASSERT_EQ(result.status, 0) << c.what;
    const ModelRecord& model = result.models[0];
    EXPECT_EQ(model.Option01, c.option01) << c.what;
    EXPECT_EQ(model.Option02, c.option02) << c.what;
    EXPECT_EQ(model.Option03, TextList{""}) << c.what;
    EXPECT_EQ(model.OptionXX, c.optionxx) << c.what;
    EXPECT_EQ(model.OptionValues.names, c.optionxx) << c.what;
    EXPECT_EQ(model.OptionValues.values, c.values) << c.what;
  }
}

TEST(CatalogueReaderTest, DuplicateSectionsReadTheFirstTwice) {
  const std::string text =
      Section("Model_1") + Section("model_1", {{"ModelName", "Other"}}) + Section("Model_2");
  const CatalogueReadResult result = Read(text);
  ASSERT_EQ(result.status, 0);
  ASSERT_EQ(result.models.size(), 3u);
  EXPECT_EQ(result.models[1].ModelName, "QX-A700");
}

// Long section names overflow the 2560 characters of the name list: the
// service cuts the last name that still gets room, and its keys are then
// looked up under the cut name, which no section has.
TEST(CatalogueReaderTest, CutSectionNameFailsTheRead) {
  std::string text;
  for (int i = 0; i < 100; ++i) {
    std::string name = "Model_" + std::to_string(i) + "_";
    name.resize(25, 'x');
    text += Section(name);
  }
  EXPECT_EQ(Read(text).status, 1042);
  // The same sections with short names read whole.
  std::string short_names;
  for (int i = 0; i < 100; ++i) short_names += Section("M" + std::to_string(i));
  EXPECT_EQ(Read(short_names).models.size(), 100u);
}

// Any bytes give a status and never a part of a catalogue.
TEST(CatalogueReaderTest, ArbitraryBytesGiveAStatus) {
  const std::string good = Section("Model_1");
  std::mt19937 random(2024);
  for (int round = 0; round < 300; ++round) {
    std::string text = good + good;
    const int changes = 1 + static_cast<int>(random() % 8);
    for (int c = 0; c < changes; ++c) {
      const std::size_t at = random() % text.size();
      switch (random() % 3) {
        case 0:
          text[at] = static_cast<char>(random() % 256);
          break;
        case 1:
          text.erase(at, random() % 20);
          break;
        default:
          text.insert(at, good.substr(random() % good.size(), random() % 30));
      }
    }
    const CatalogueReadResult result = Read(text);
    const bool known = result.status == 0 || (result.status >= 1041 && result.status <= 1055);
    EXPECT_TRUE(known) << result.status;
    EXPECT_EQ(result.models.empty(), result.status != 0);
  }
}

TEST(CatalogueReaderTest, LongFamiliesReadInLinearTime) {
  KeyChanges changes;
  for (int i = 2; i <= 50000; ++i) changes["Capacity" + std::to_string(i)] = "1";
  const CatalogueReadResult result = Read(Section("M", changes));
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(result.models[0].Capacity.size(), 50000u);
}

TEST(CatalogueReaderTest, InsertLargeCapacityMark) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"abcd1234-x.vfd", "abcdl1234-x.vfd"},
      {"abcd1234.vfd", "abcdl1234.vfd"},
      {"qx-ab1234-y.vfd", "qx-abl1234-y.vfd"},  // the last '-' counts
      {"ab-x.vfd", "lab-x.vfd"},
      {"a.vfd", "la.vfd"},
      {"", "l"},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(InsertLargeCapacityMark(name), expected);
}

class ReadCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state_.Catalogue = {ModelRecord()};
    state_.Catalogue[0].ModelName = "previous";
    state_.Buffer.EditModel.ModelName = "edit";
    state_.Buffer.ModelInfoDraft.ModelName = "draft";
    state_.ModelInfoDirty = true;
  }
  void ExpectEditModelsReset() {
    EXPECT_EQ(state_.Buffer.EditModel, ModelRecord());
    EXPECT_EQ(state_.Buffer.ModelInfoDraft, ModelRecord());
    EXPECT_FALSE(state_.ModelInfoDirty);
  }

  test::TempFolder folder_;
  test::ScriptedDesktop desktop_;
  EditorState state_;
};

TEST_F(ReadCatalogueTest, FolderModeReplacesTheCatalogue) {
  folder_.Write("tarvo_param.vfd", Section("Model_1") + Section("Model_2", {{"ModelName", "B"}}));
  EXPECT_EQ(ReadCatalogue(state_, desktop_, folder_.path(), 1), 0);
  ExpectEditModelsReset();
  EXPECT_EQ(state_.CatalogueFolder, folder_.path());
  ASSERT_EQ(state_.Catalogue.size(), 2u);
  EXPECT_EQ(state_.Catalogue[1].ModelName, "B");
}

TEST_F(ReadCatalogueTest, FailureKeepsThePreviousCatalogue) {
  folder_.Write("tarvo_param.vfd", Section("Model_1") + Section("M", {{"HelpFile", ""}}));
  EXPECT_EQ(ReadCatalogue(state_, desktop_, folder_.path(), 1), 1049);
  ExpectEditModelsReset();
  ASSERT_EQ(state_.Catalogue.size(), 1u);
  EXPECT_EQ(state_.Catalogue[0].ModelName, "previous");
}

TEST_F(ReadCatalogueTest, MissingFileChangesNothingElse) {
  EXPECT_EQ(ReadCatalogue(state_, desktop_, folder_.path(), 1), 0);
  ExpectEditModelsReset();
  EXPECT_EQ(state_.CatalogueFolder, folder_.path());
  EXPECT_EQ(state_.Catalogue[0].ModelName, "previous");
  EXPECT_EQ(ReadCatalogue(state_, desktop_, folder_.File("x.vf_"), 2), 0);
  EXPECT_EQ(state_.SelectedCapacityClass, kClassNone);
}

TEST_F(ReadCatalogueTest, MoreThan256SectionsWarnAfterASuccessfulRead) {
  std::string text;
  for (int i = 1; i <= 300; ++i) text += Section("Model_" + std::to_string(i));
  folder_.Write("tarvo_param.vfd", text);
  desktop_.ExpectMessage(1076);
  EXPECT_EQ(ReadCatalogue(state_, desktop_, folder_.path(), 1), 0);
  EXPECT_EQ(state_.Catalogue.size(), 256u);
  EXPECT_EQ(desktop_.boxes.at(0).icon, Icon::Exclamation);
}

TEST_F(ReadCatalogueTest, ImportTakesTheOneModelAfterTheParameterLines) {
  struct Case {
    const char* what;
    std::string capacity_last;
    std::string param_file;
    int16_t capacity_class;
    std::string expected_param_file;
  };
  const std::vector<Case> cases{
      {"small", "55", "abcd1234-x.vfd", kClassSmall, "abcd1234-x.vfd"},
      {"large with dash", "75", "abcd1234-x.vfd", kClassLarge, "abcdl1234-x.vfd"},
      {"large without dash", "75", "abcd1234.vfd", kClassLarge, "abcdl1234.vfd"},
  };
  for (const Case& c : cases) {
    const std::string file =
        folder_.Write("m.vf_", "1,Name,0,0,0,,0,10001,0,0,0,0,0,0,0,NULL,NULL,NULL,10,0\r\n" +
                                   Section("Model_1", {{"Capacity2", c.capacity_last},
                                                       {"Current01_2", "1"},
                                                       {"ParamFile", c.param_file}}));
    EXPECT_EQ(ReadCatalogue(state_, desktop_, file, 2), 0) << c.what;
    EXPECT_EQ(state_.Buffer.EditModel.ParamFile, c.expected_param_file) << c.what;
    EXPECT_EQ(state_.SelectedCapacityClass, c.capacity_class) << c.what;
    EXPECT_EQ(state_.EditCapacityClass, c.capacity_class) << c.what;
    EXPECT_EQ(state_.Catalogue[0].ModelName, "previous") << c.what;
  }
}

TEST_F(ReadCatalogueTest, ImportOfTwoModelsFails) {
  const std::string file = folder_.Write("m.vf_", Section("Model_1") + Section("Model_2"));
  EXPECT_EQ(ReadCatalogue(state_, desktop_, file, 2), 1057);
  ExpectEditModelsReset();
}

TEST_F(ReadCatalogueTest, UnreadableFileAndUnknownMode) {
  // A folder given as the export file exists but yields no section.
  EXPECT_EQ(ReadCatalogue(state_, desktop_, folder_.path(), 2), 1041);
  folder_.Write("m.vf_", Section("Model_1"));
  EXPECT_EQ(ReadCatalogue(state_, desktop_, folder_.File("m.vf_"), 3), 1041);
  EXPECT_EQ(state_.Buffer.EditModel, ModelRecord());
}

}  // namespace
}  // namespace pfedit
