#include "models/model_info_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace pfedit {
namespace {

template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

// --- Special name code ------------------------------------------------------

struct CodeCase {
  const char* name;
  std::string code;
  std::string special;
};

class DecodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(DecodeTest, GivesTheName) {
  EXPECT_EQ(DecodeSpecialName(GetParam().code), GetParam().special);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DecodeTest,
    testing::Values(CodeCase{"Empty", "", ""}, CodeCase{"Plain", "0x80000000", ""},
                    CodeCase{"SixZeros", "0x12000000", ""}, CodeCase{"One", "0x80410000", "A"},
                    CodeCase{"Two", "0x80413100", "A1"}, CodeCase{"Three", "0x80414243", "ABC"},
                    CodeCase{"OtherPrefix", "&H805A3900", "Z9"}, CodeCase{"Short", "0x8041", "A"}),
    CaseName<CodeCase>);

TEST(EncodeTest, PadsToTenCharacters) {
  EXPECT_EQ(EncodeSpecialName(""), "0x80000000");
  EXPECT_EQ(EncodeSpecialName("A"), "0x80410000");
  EXPECT_EQ(EncodeSpecialName("A1"), "0x80413100");
  EXPECT_EQ(EncodeSpecialName("ABC"), "0x80414243");
}

TEST(EncodeTest, EveryValidNameDecodesBack) {
  const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::vector<std::string> names;
  for (const char a : alphabet) {
    names.emplace_back(1, a);
    for (const char b : alphabet) {
      names.push_back(std::string{a, b});
      for (const char c : alphabet) names.push_back(std::string{a, b, c});
    }
  }
  for (const std::string& name : names) {
    const std::string code = EncodeSpecialName(name);
    ASSERT_EQ(code.size(), 10u) << name;
    ASSERT_EQ(DecodeSpecialName(code), name) << code;
  }
}

// --- Series suffix ----------------------------------------------------------

struct SuffixCase {
  const char* name;
  std::string type_name;
  std::string full;
  std::string short_form;
};

class SuffixTest : public testing::TestWithParam<SuffixCase> {};

TEST_P(SuffixTest, SplitsTheSuffix) {
  const SeriesSuffix suffix = SplitSeriesSuffix(GetParam().type_name);
  EXPECT_EQ(suffix.full, GetParam().full);
  EXPECT_EQ(suffix.short_form, GetParam().short_form);
}

INSTANTIATE_TEST_SUITE_P(Names, SuffixTest,
                         testing::Values(SuffixCase{"B3", "QX-B3-100", "B3-", "B3"},
                                         SuffixCase{"B3BeforeM5", "QX-M5B3-SC", "B3-", "B3"},
                                         SuffixCase{"M5Sc", "QX-M520-SC", "-SC", "SC"},
                                         SuffixCase{"M5ScBeforeNc", "QX-M520-NC-SC", "-SC", "SC"},
                                         SuffixCase{"M5Nc", "QX-M520-NC", "-NC", "NC"},
                                         SuffixCase{"M5None", "QX-M520-G", "", ""},
                                         SuffixCase{"N5G", "QX-N520-G", "-G", "G"},
                                         SuffixCase{"N5BracketSc", "QX-N520(-SC)", "(-SC)", "SC"},
                                         SuffixCase{"N5None", "QX-N520-SC", "", ""},
                                         SuffixCase{"OtherSeries", "QX-P520-SC", "", ""},
                                         SuffixCase{"CaseSensitive", "qx-m520-sc", "", ""}),
                         CaseName<SuffixCase>);

// --- Parameter file name ------------------------------------------------------

struct FileNameCase {
  const char* name;
  std::string param_file;
  std::string special;
  std::string expected;
};

class SpecialSuffixTest : public testing::TestWithParam<FileNameCase> {};

TEST_P(SpecialSuffixTest, AppendsTheLowerCaseName) {
  EXPECT_EQ(WithSpecialSuffix(GetParam().param_file, GetParam().special), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SpecialSuffixTest,
    testing::Values(FileNameCase{"Append", "qx_m520_a01.vfd", "B", "qx_m520_a01-b.vfd"},
                    FileNameCase{"None", "qx_m520_a01.vfd", "", "qx_m520_a01.vfd"},
                    FileNameCase{"DashLeftOver", "qx_m520-.vfd", "AB1", "qx_m520-ab1.vfd"},
                    FileNameCase{"DashLeftOverNone", "qx_m520-.vfd", "", "qx_m520.vfd"},
                    FileNameCase{"ShortName", "x", "B", "-b.vfd"}),
    CaseName<FileNameCase>);

TEST(WithoutSpecialSuffixTest, RemovesTheOldNameOnce) {
  EXPECT_EQ(WithoutSpecialSuffix("qx_m520_a01-a1.vfd", "0x80413100"), "qx_m520_a01.vfd");
  EXPECT_EQ(WithoutSpecialSuffix("q-a1_a01-a1.vfd", "0x80413100"), "q_a01-a1.vfd");
  EXPECT_EQ(WithoutSpecialSuffix("qx-a1.vfd", "0x80000000"), "qx-a1.vfd");
  EXPECT_EQ(WithoutSpecialSuffix("qx-a1.vfd", ""), "qx-a1.vfd");
  // A code that holds no name leaves the file name alone.
  EXPECT_EQ(WithoutSpecialSuffix("qx-m520.vfd", "0x12000000"), "qx-m520.vfd");
}

struct StemCase {
  const char* name;
  std::string base;
  int16_t capacity_class;
  std::string stem;
};

class StemTest : public testing::TestWithParam<StemCase> {};

TEST_P(StemTest, FollowsTheTypeName) {
  EXPECT_EQ(ParamFileStem(GetParam().base, GetParam().capacity_class), GetParam().stem);
}

INSTANTIATE_TEST_SUITE_P(
    Names, StemTest,
    testing::Values(StemCase{"SeriesSuffixSmall", "QX-M520-SC", kClassSmall, "qx_m520sc"},
                    StemCase{"SeriesSuffixLarge", "QX-M520-SC", kClassLarge, "qx_m520scl"},
                    StemCase{"CutAtSecondDash", "QX-M520-XY", kClassSmall, "qx_m520"},
                    StemCase{"SuffixThenCut", "QX-N520-G-X", kClassSmall, "qx_n520g"},
                    StemCase{"B3Everywhere", "QX-B3-B3-1", kClassSmall, "qx_b3b31"},
                    StemCase{"NoDash", "TEST", kClassLarge, "testl"}),
    CaseName<StemCase>);

// --- Slot count and option cells -----------------------------------------------

ModelRecord ModelOfType(const std::string& code1, const std::string& code2 = "0x00000000") {
  ModelRecord m;
  m.ModelName = "QX-M520";
  m.ModelCode1 = code1;
  m.ModelCode2 = code2;
  m.ModelCode5 = "0x80000000";
  m.ComResource = "111";
  m.ParamFile = "qx_m520_a01.vfd";
  m.Capacity = {"0.4"};
  m.Current01 = m.Current02 = m.Current03 = m.Current04 = {"2.5"};
  m.TypeName = {"0.4K"};
  return m;
}

struct SlotCase {
  const char* name;
  std::string code1;
  std::string code2;
  std::string option02;
  std::string slot_count;
  int columns;
  std::string slot_count_after;
};

class SlotTest : public testing::TestWithParam<SlotCase> {};

TEST_P(SlotTest, GivesTheColumns) {
  const SlotCase& c = GetParam();
  ModelRecord m = ModelOfType(c.code1, c.code2);
  m.Option02 = {c.option02};
  m.OptionSlotCnt = c.slot_count;
  int16_t type = 0;
  const ModelInfoContent content = FillModelInfo(m, kClassSmall, &type);
  EXPECT_EQ(content.SlotColumns, c.columns);
  EXPECT_EQ(content.OptionTableEnabled, c.columns > 0);
  EXPECT_EQ(content.OptionCaptionMessage(), c.columns > 0 ? 67 : 80);
  EXPECT_EQ(m.OptionSlotCnt, c.slot_count_after);
}

INSTANTIATE_TEST_SUITE_P(
    Types, SlotTest,
    testing::Values(SlotCase{"Type4", "0x04000000", "0x00000000", "", "", 0, "0"},
                    SlotCase{"Type30", "0x067000B0", "0x00000000", "", "", 0, "0"},
                    SlotCase{"Type31", "0x05700050", "0x00000000", "", "", 0, "0"},
                    SlotCase{"Type5", "0x05000000", "0x00000000", "", "", 1, "1"},
                    SlotCase{"Type29", "0x067000A0", "0x00000000", "", "", 1, "1"},
                    SlotCase{"Type34", "0x05700070", "0x00000000", "", "", 1, "1"},
                    SlotCase{"Type6OtherKind", "0x06000000", "0x00030000", "X", "", 1, "1"},
                    SlotCase{"Type6Kind1NoSlot2", "0x06000000", "0x00010000", "", "", 1, "1"},
                    SlotCase{"Type6Kind1Slot2", "0x06000000", "0x00010000", "X", "", 2, "2"},
                    SlotCase{"Type6Kind2Slot2", "0x06000000", "0x00020000", "X", "", 2, "2"},
                    SlotCase{"OtherType", "0x07000000", "0x00000000", "", "", 3, "3"},
                    SlotCase{"GivenCountWins", "0x04000000", "0x00000000", "", "2", 2, "2"},
                    SlotCase{"GivenZero", "0x07000000", "0x00000000", "", "0", 0, "0"},
                    SlotCase{"GivenBeyondTable", "0x07000000", "0x00000000", "", "5", 3, "5"}),
    CaseName<SlotCase>);

struct LockCase {
  const char* name;
  std::string slot_count;
  std::string option;
  std::array<bool, 3> locked;
};

class LockTest : public testing::TestWithParam<LockCase> {};

TEST_P(LockTest, LocksTheForbiddenCells) {
  ModelRecord m = ModelOfType("0x07000000");
  m.OptionXX = {GetParam().option};
  m.OptionSlotCnt = GetParam().slot_count;
  int16_t type = 0;
  const ModelInfoContent content = FillModelInfo(m, kClassSmall, &type);
  ASSERT_EQ(content.OptionRows.size(), 1u);
  EXPECT_EQ(content.OptionRows[0].Locked, GetParam().locked);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, LockTest,
    testing::Values(LockCase{"ThreePl", "3", "QX-K9PL", {true, false, false}},
                    LockCase{"ThreePlExactOnly", "3", "QX-K9PLX", {false, false, false}},
                    LockCase{"ThreeN", "3", "QX-K9NC", {true, true, false}},
                    LockCase{"TwoN", "2", "QX-K9NC", {true, false, false}},
                    LockCase{"TwoPl", "2", "QX-K9PL", {false, false, false}},
                    LockCase{"OneN", "1", "QX-K9NC", {false, false, false}},
                    LockCase{"ThreeOther", "3", "QX-K9EN", {false, false, false}}),
    CaseName<LockCase>);

// --- Filling --------------------------------------------------------------------

TEST(FillTest, SplitsTheNameAtTheLastSpecialSuffix) {
  ModelRecord m = ModelOfType("0x07000000");
  int16_t type = 0;
  m.ModelName = "QX-M520-A1";
  m.ModelCode5 = "0x80413100";
  ModelInfoContent content = FillModelInfo(m, kClassSmall, &type);
  EXPECT_EQ(content.BaseTypeName, "QX-M520");
  EXPECT_EQ(content.SpecialName, "A1");

  m.ModelName = "QX-A-M520-A";
  m.ModelCode5 = "0x80410000";
  EXPECT_EQ(FillModelInfo(m, kClassSmall, &type).BaseTypeName, "QX-A-M520");

  m.ModelName = "QX-M520";  // the name lacks the suffix: kept whole
  content = FillModelInfo(m, kClassSmall, &type);
  EXPECT_EQ(content.BaseTypeName, "QX-M520");
  EXPECT_EQ(content.SpecialName, "A");
}

TEST(FillTest, TicksCommunicationAndSetsTheModelType) {
  ModelRecord m = ModelOfType("0x05700070");
  m.ComResource = "101";
  int16_t type = 0;
  const ModelInfoContent content = FillModelInfo(m, kClassSmall, &type);
  EXPECT_EQ(content.Communication, (std::array<bool, 3>{true, false, true}));
  EXPECT_EQ(type, 34);
}

ModelRecord ThreeCapacities() {
  ModelRecord m = ModelOfType("0x07000000", "0x00010000");
  m.Capacity = {"0.4", "55", "75"};
  m.Current01 = {"2.5", "200", "300"};
  m.Current02 = {"2.4", "199", "299"};
  m.Current03 = {"2.3", "198", "298"};
  m.Current04 = {"2.2", "197", "297"};
  m.TypeName = {"0.4K", "55K", "75K"};
  return m;
}

TEST(FillTest, SplitsRatingsByCapacityClass) {
  ModelRecord m = ThreeCapacities();
  int16_t type = 0;
  ModelInfoContent small = FillModelInfo(m, kClassSmall, &type);
  ASSERT_EQ(small.RatingRows.size(), 2u);
  EXPECT_EQ(small.RatingRows[1], (RatingRow{"55", "200", "199", "198", "197", "55K"}));
  ASSERT_EQ(small.OtherClassRows.size(), 1u);
  EXPECT_EQ(small.OtherClassRows[0][kRatingCapacity], "75");
  EXPECT_EQ(small.SmallRowCount, 2);
  EXPECT_EQ(small.LargeRowCount, 1);

  const ModelInfoContent large = FillModelInfo(m, kClassLarge, &type);
  ASSERT_EQ(large.RatingRows.size(), 1u);
  EXPECT_EQ(large.RatingRows[0][kRatingTypeName], "75K");
  EXPECT_EQ(large.OtherClassRows.size(), 2u);
}

TEST(FillTest, ShortCurrentListsGiveEmptyCells) {
  ModelRecord m = ThreeCapacities();
  m.Current02 = {"2.4"};
  int16_t type = 0;
  const ModelInfoContent content = FillModelInfo(m, kClassSmall, &type);
  EXPECT_EQ(content.RatingRows[1][kRatingCurrent02], "");
}

TEST(FillTest, OptionRowsAndTicks) {
  ModelRecord m = ModelOfType("0x07000000");
  m.OptionXX = {"A", "B", "C"};
  m.Option01 = {"A", "C"};
  m.Option02 = {"B"};
  m.Option03 = {"", "A"};  // an empty first entry means no ticks
  m.OptionSlotCnt = "3";
  int16_t type = 0;
  const ModelInfoContent content = FillModelInfo(m, kClassSmall, &type);
  ASSERT_EQ(content.OptionRows.size(), 3u);
  EXPECT_EQ(content.OptionRows[0].Ticked, (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(content.OptionRows[1].Ticked, (std::array<bool, 3>{false, true, false}));
  EXPECT_EQ(content.OptionRows[2].Ticked, (std::array<bool, 3>{true, false, false}));

  // Without OptionXX the names come from the option value table.
  m.OptionXX = {""};
  m.OptionValues.names = {"A", "D"};
  m.OptionValues.values = {"1", "2"};
  const ModelInfoContent from_values = FillModelInfo(m, kClassSmall, &type);
  ASSERT_EQ(from_values.OptionRows.size(), 2u);
  EXPECT_EQ(from_values.OptionRows[1].Name, "D");

  m.OptionValues = OptionValueTable();
  EXPECT_TRUE(FillModelInfo(m, kClassSmall, &type).OptionRows.empty());
}

TEST(FillTest, TicksOnlyExistingSlotColumns) {
  ModelRecord m = ModelOfType("0x07000000");
  m.OptionXX = {"A"};
  m.Option01 = {"A"};
  m.Option02 = {"A"};
  m.OptionSlotCnt = "1";
  int16_t type = 0;
  const ModelInfoContent content = FillModelInfo(m, kClassSmall, &type);
  EXPECT_EQ(content.OptionRows[0].Ticked, (std::array<bool, 3>{true, false, false}));
}

TEST(FillTest, DraftAndEditModelUseTheirOwnClass) {
  EditorState state;
  state.Buffer.ModelInfoDraft = ThreeCapacities();
  state.Buffer.ModelInfoDraft.CapacityClass = kClassLarge;
  state.Buffer.EditModel = ThreeCapacities();
  state.EditCapacityClass = kClassSmall;
  EXPECT_EQ(FillFromDraft(state).RatingRows.size(), 1u);
  EXPECT_EQ(state.Buffer.ModelInfoDraft.OptionSlotCnt, "3");
  EXPECT_EQ(state.Buffer.EditModel.OptionSlotCnt, "");
  EXPECT_EQ(state.EditModelType, 7);
  EXPECT_EQ(FillFromEditModel(state).RatingRows.size(), 2u);
  EXPECT_EQ(state.Buffer.EditModel.OptionSlotCnt, "3");
}

// --- Writing ----------------------------------------------------------------------

TEST(WriteTest, UnchangedContentWritesTheSameRecord) {
  for (const int16_t capacity_class : {kClassSmall, kClassLarge}) {
    ModelRecord m = ThreeCapacities();
    m.ModelName = "QX-M520-A1";
    m.ModelCode5 = "0x80413100";
    m.ParamFile = "qx_m520_a01-a1.vfd";
    m.ComResource = "011";
    m.OptionXX = {"A", "B", "C"};
    m.Option01 = {"A", "C"};
    m.Option02 = {"B"};
    m.Option03 = {""};
    int16_t type = 0;
    const ModelInfoContent content = FillModelInfo(m, capacity_class, &type);
    EXPECT_FALSE(chkModelChange(content, m, capacity_class)) << capacity_class;
    ModelRecord written = m;
    ModelChange(content, written, false, capacity_class);
    EXPECT_EQ(written, m) << capacity_class;
  }
}

TEST(WriteTest, RatingsJoinWithLargeRowsLast) {
  for (const int16_t capacity_class : {kClassSmall, kClassLarge}) {
    ModelRecord m = ThreeCapacities();
    int16_t type = 0;
    ModelInfoContent content = FillModelInfo(m, capacity_class, &type);
    const RatingRow added = capacity_class == kClassSmall
                                ? RatingRow{"7.5", "30", "29", "28", "27", "7.5K"}
                                : RatingRow{"90", "400", "399", "398", "397", "90K"};
    content.RatingRows.push_back(added);
    EXPECT_TRUE(chkModelChange(content, m, capacity_class));
    ModelChange(content, m, false, capacity_class);
    const TextList expected = capacity_class == kClassSmall ? TextList{"0.4", "55", "7.5", "75"}
                                                            : TextList{"0.4", "55", "75", "90"};
    EXPECT_EQ(m.Capacity, expected);
    EXPECT_EQ(m.TypeName.size(), 4u);
    const std::size_t at = capacity_class == kClassSmall ? 2 : 3;
    EXPECT_EQ(m.Current04[at], added[kRatingCurrent04]);
  }
}

struct NameCase {
  const char* name;
  std::string model_name;
  std::string code5;
  std::string param_file;
  std::string base;
  std::string special;
  bool accepted;
  int16_t capacity_class;
  std::string written_name;
  std::string written_code5;
  std::string written_file;
};

class NameWriteTest : public testing::TestWithParam<NameCase> {};

TEST_P(NameWriteTest, WritesNameCodeAndFile) {
  const NameCase& c = GetParam();
  ModelRecord m = ModelOfType("0x07000000");
  m.ModelName = c.model_name;
  m.ModelCode5 = c.code5;
  m.ParamFile = c.param_file;
  int16_t type = 0;
  ModelInfoContent content = FillModelInfo(m, kClassSmall, &type);
  content.BaseTypeName = c.base;
  content.SpecialName = c.special;
  ModelChange(content, m, c.accepted, c.capacity_class);
  EXPECT_EQ(m.ModelName, c.written_name);
  EXPECT_EQ(m.ModelCode5, c.written_code5);
  EXPECT_EQ(m.ParamFile, c.written_file);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameWriteTest,
    testing::Values(
        NameCase{"NewSpecialName", "QX-M520-A1", "0x80413100", "qx_m520_a01-a1.vfd", "QX-M520", "B",
                 false, kClassSmall, "QX-M520-B", "0x80420000", "qx_m520_a01-b.vfd"},
        NameCase{"SpecialNameRemoved", "QX-M520-A1", "0x80413100", "qx_m520_a01-a1.vfd", "QX-M520",
                 "", false, kClassSmall, "QX-M520", "0x80000000", "qx_m520_a01.vfd"},
        NameCase{"FirstSpecialName", "QX-M520", "0x80000000", "qx_m520_a01.vfd", "QX-M520", "A1",
                 false, kClassSmall, "QX-M520-A1", "0x80413100", "qx_m520_a01-a1.vfd"},
        NameCase{"AcceptedSmall", "QX-M520-SC", "0x80000000", "qx_m520_a01.vfd", "QX-M520-SC", "",
                 true, kClassSmall, "QX-M520-SC", "0x80000000", "qx_m520sc_a01.vfd"},
        NameCase{"AcceptedLarge", "QX-M520-SC", "0x80000000", "qx_m520_a01.vfd", "QX-M520-SC", "",
                 true, kClassLarge, "QX-M520-SC", "0x80000000", "qx_m520scl_a01.vfd"},
        NameCase{"AcceptedWithSpecialNames", "QX-M520-A1", "0x80413100", "qx_m520l_a01-a1.vfd",
                 "QX-M520-SC", "ZZ", true, kClassLarge, "QX-M520-SC-ZZ", "0x805A5A00",
                 "qx_m520scl_a01-zz.vfd"}),
    CaseName<NameCase>);

TEST(WriteTest, CommunicationAndOptions) {
  ModelRecord m = ModelOfType("0x07000000");
  m.OptionXX = {"A", "B", "C"};
  m.OptionSlotCnt = "2";
  int16_t type = 0;
  ModelInfoContent content = FillModelInfo(m, kClassSmall, &type);
  content.Communication = {true, false, true};
  content.OptionRows[0].Ticked = {true, false, true};
  content.OptionRows[2].Ticked = {true, false, false};
  ModelChange(content, m, false, kClassSmall);
  EXPECT_EQ(m.ComResource, "101");
  EXPECT_EQ(m.Option01, (TextList{"A", "C"}));
  EXPECT_EQ(m.Option02, TextList{""});  // no tick
  EXPECT_EQ(m.Option03, TextList{""});  // no such slot column
  EXPECT_EQ(m.OptionXX, (TextList{"A", "B", "C"}));
  EXPECT_EQ(m.OptionSlotCnt, "2");

  content.OptionRows.clear();
  ModelChange(content, m, false, kClassSmall);
  EXPECT_EQ(m.Option01, TextList{""});
}

TEST(ChangeTest, ReportsEachKindOfChangeButNotTheStem) {
  ModelRecord m = ThreeCapacities();
  m.ModelName = "QX-M520-SC";
  m.OptionXX = {"A"};
  m.Option01 = {"A"};
  m.Option02 = m.Option03 = {""};
  int16_t type = 0;
  const ModelInfoContent same = FillModelInfo(m, kClassSmall, &type);
  // An accepted write would give qx_m520sc_a01.vfd; the check leaves the stem.
  EXPECT_FALSE(chkModelChange(same, m, kClassSmall));

  ModelInfoContent changed = same;
  changed.Communication[0] = false;
  EXPECT_TRUE(chkModelChange(changed, m, kClassSmall));
  changed = same;
  changed.SpecialName = "A";
  EXPECT_TRUE(chkModelChange(changed, m, kClassSmall));
  changed = same;
  changed.OtherClassRows[0][kRatingCurrent03] = "1";
  EXPECT_TRUE(chkModelChange(changed, m, kClassSmall));
  changed = same;
  changed.OptionRows[0].Ticked[0] = false;
  EXPECT_TRUE(chkModelChange(changed, m, kClassSmall));
}

TEST(FourRatingTest, FollowsTheKindOfModelCode2) {
  ModelRecord m;
  for (const auto& [code2, four] : std::vector<std::pair<std::string, bool>>{{"0x00010000", true},
                                                                             {"0x00FF0000", true},
                                                                             {"0x00000000", false},
                                                                             {"0xFF00FFFF", false},
                                                                             {"", false}}) {
    m.ModelCode2 = code2;
    EXPECT_EQ(IsFourRatingModel(m), four) << code2;
  }
}

}  // namespace
}  // namespace pfedit
