#include "models/model_info_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace pfedit::models {
namespace {

// A model of type 7 (three slots, derived) with the special name A1, two small
// capacities and one large, and ticked options.
ModelRecord Model() {
  ModelRecord m;
  m.ModelName = "QX-M520-A1";
  m.ModelCode1 = "0x07000000";
  m.ModelCode2 = "0x00010000";
  m.ModelCode5 = "0x80413100";
  m.ComResource = "011";
  m.ParamFile = "qx_m520_a01-a1.vfd";
  m.Capacity = {"0.4", "55", "75"};
  m.Current01 = {"2.5", "200", "300"};
  m.Current02 = {"2.4", "199", "299"};
  m.Current03 = {"2.3", "198", "298"};
  m.Current04 = {"2.2", "197", "297"};
  m.TypeName = {"0.4K", "55K", "75K"};
  m.OptionXX = {"A", "B", "C"};
  m.Option01 = {"A", "C"};
  m.Option02 = {"B"};
  return m;
}

ModelInfoContent Fill(ModelRecord& m, int16_t capacity_class = kClassSmall) {
  int16_t type = 0;
  return FillModelInfo(m, capacity_class, &type);
}

// Each option row as its name, ticked slots and locked slots: "A 010 100;".
std::string Rows(const ModelInfoContent& content) {
  std::string text;
  for (const OptionRow& row : content.OptionRows) {
    text += row.Name + ' ';
    for (const bool ticked : row.Ticked) text += ticked ? '1' : '0';
    text += ' ';
    for (const bool locked : row.Locked) text += locked ? '1' : '0';
    text += ';';
  }
  return text;
}

TEST(SpecialNameTest, CodesOfNames) {
  EXPECT_EQ(EncodeSpecialName(""), "0x80000000");
  EXPECT_EQ(EncodeSpecialName("A"), "0x80410000");
  EXPECT_EQ(EncodeSpecialName("A1"), "0x80413100");
  EXPECT_EQ(EncodeSpecialName("ABC"), "0x80414243");
  // No name in an empty or plain code or one ending in six zeros; any prefix; short codes padded.
  for (const char* code : {"", "0x80000000", "0x12000000"}) {
    EXPECT_EQ(DecodeSpecialName(code), "") << code;
  }
  EXPECT_EQ(DecodeSpecialName("&H805A3900"), "Z9");
  EXPECT_EQ(DecodeSpecialName("0x8041"), "A");
}

TEST(SpecialNameTest, EveryValidNameDecodesBack) {
  const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (const char a : alphabet) {
    for (const char b : alphabet) {
      for (const char c : alphabet) {
        for (const std::string& name : {std::string{a}, std::string{a, b}, std::string{a, b, c}}) {
          ASSERT_EQ(DecodeSpecialName(EncodeSpecialName(name)), name);
        }
      }
    }
  }
}

TEST(SeriesSuffixTest, SplitsTheSuffixOfEachSeries) {
  const struct {
    const char* type_name;
    const char* full;
    const char* short_form;
  } cases[] = {
      {"QX-M5B3-SC", "B3-", "B3"}, {"QX-M520-NC-SC", "-SC", "SC"}, {"QX-M520-NC", "-NC", "NC"},
      {"QX-M520-G", "", ""},       {"QX-N520-G", "-G", "G"},       {"QX-N520(-SC)", "(-SC)", "SC"},
      {"QX-N520-SC", "", ""},      {"QX-P520-SC", "", ""},         {"qx-m520-sc", "", ""},
  };
  for (const auto& c : cases) {
    const SeriesSuffix suffix = SplitSeriesSuffix(c.type_name);
    EXPECT_EQ(suffix.full, c.full) << c.type_name;
    EXPECT_EQ(suffix.short_form, c.short_form) << c.type_name;
  }
}

TEST(FileNameTest, StemAndSpecialSuffix) {
  // The series suffix shortened everywhere, cut at the second dash, 'l' for the large class.
  EXPECT_EQ(ParamFileStem("QX-M520-XY", kClassSmall), "qx_m520");
  EXPECT_EQ(ParamFileStem("QX-N520-G-X", kClassSmall), "qx_n520g");
  EXPECT_EQ(ParamFileStem("QX-B3-B3-1", kClassSmall), "qx_b3b31");
  EXPECT_EQ(ParamFileStem("TEST", kClassLarge), "testl");
  // A dash left before the extension takes the name; a name too short to hold one gets it anyway.
  EXPECT_EQ(WithSpecialSuffix("qx_m520-.vfd", "AB1"), "qx_m520-ab1.vfd");
  EXPECT_EQ(WithSpecialSuffix("qx_m520-.vfd", ""), "qx_m520.vfd");
  EXPECT_EQ(WithSpecialSuffix("x", "B"), "-b.vfd");
  // Only the first occurrence goes; a code that holds no name removes nothing.
  EXPECT_EQ(WithoutSpecialSuffix("q-a1_a01-a1.vfd", "0x80413100"), "q_a01-a1.vfd");
  EXPECT_EQ(WithoutSpecialSuffix("qx-a1.vfd", "0x80000000"), "qx-a1.vfd");
  EXPECT_EQ(WithoutSpecialSuffix("qx-m520.vfd", "0x12000000"), "qx-m520.vfd");
}

TEST(SlotTest, DerivedCountFollowsTheModelType) {
  ModelRecord m;
  for (const int16_t type : {4, 30, 31}) EXPECT_EQ(DerivedSlotCount(type, m), 0) << type;
  for (const int16_t type : {5, 29, 34}) EXPECT_EQ(DerivedSlotCount(type, m), 1) << type;
  EXPECT_EQ(DerivedSlotCount(7, m), 3);
  // Type 6 has a second slot only with ratings of kind 1 or 2 and a filled second slot.
  const auto type6 = [&m](const char* code2, const char* option02) {
    m.ModelCode2 = code2;
    m.Option02 = {option02};
    return DerivedSlotCount(6, m);
  };
  EXPECT_EQ(type6("0x00030000", "X"), 1);
  EXPECT_EQ(type6("0x00010000", ""), 1);
  EXPECT_EQ(type6("0x00010000", "X"), 2);
  EXPECT_EQ(type6("0x00020000", "X"), 2);
}

TEST(FillTest, SlotColumnsFromTheCountOrDerived) {
  // Columns, option table on or off, caption message, and the slot count afterwards.
  const auto fill = [](const char* code1, const char* slot_count) {
    ModelRecord m = Model();
    m.ModelCode1 = code1;
    m.OptionSlotCnt = slot_count;
    const ModelInfoContent c = Fill(m);
    return std::to_string(c.SlotColumns) + (c.OptionTableEnabled ? " on " : " off ") +
           std::to_string(c.OptionCaptionMessage()) + " " + m.OptionSlotCnt;
  };
  EXPECT_EQ(fill("0x04000000", ""), "0 off 80 0");
  EXPECT_EQ(fill("0x04000000", "2"), "2 on 67 2");
  EXPECT_EQ(fill("0x07000000", "0"), "0 off 80 0");
  EXPECT_EQ(fill("0x07000000", "5"), "3 on 67 5");
}

TEST(FillTest, LocksTheSlotsAnOptionCannotTake) {
  ModelRecord m = Model();
  m.OptionXX = {"QX-K9PL", "QX-K9PLX", "QX-K9NC"};
  m.OptionSlotCnt = "3";
  EXPECT_EQ(Rows(Fill(m)), "QX-K9PL 000 100;QX-K9PLX 000 000;QX-K9NC 000 110;");
  m.OptionSlotCnt = "2";
  EXPECT_EQ(Rows(Fill(m)), "QX-K9PL 000 000;QX-K9PLX 000 000;QX-K9NC 000 100;");
  m.OptionSlotCnt = "1";
  EXPECT_EQ(Rows(Fill(m)), "QX-K9PL 000 000;QX-K9PLX 000 000;QX-K9NC 000 000;");
}

TEST(FillTest, OptionTicksAndNames) {
  ModelRecord m = Model();
  m.Option01 = {"", "A"};  // an empty first entry means no ticks
  m.Option02 = {"B", "C"};
  m.Option03 = {"A"};  // beyond the model's two slots
  m.OptionSlotCnt = "2";
  EXPECT_EQ(Rows(Fill(m)), "A 000 000;B 010 000;C 010 000;");
  // Without OptionXX the names come from the option value table.
  m.OptionXX = {""};
  m.OptionValues.names = {"C", "D"};
  EXPECT_EQ(Rows(Fill(m)), "C 010 000;D 000 000;");
  m.OptionValues = OptionValueTable();
  EXPECT_EQ(Rows(Fill(m)), "");
}

TEST(FillTest, SplitsTheNameAtTheLastSpecialSuffix) {
  ModelRecord m = Model();
  m.ModelName = "QX-A1-M520-A1";
  EXPECT_EQ(Fill(m).BaseTypeName, "QX-A1-M520");
  m.ModelName = "QX-M520";  // the name lacks the suffix: kept whole
  const ModelInfoContent content = Fill(m);
  EXPECT_EQ(content.BaseTypeName, "QX-M520");
  EXPECT_EQ(content.SpecialName, "A1");
}

TEST(FillTest, SplitsRatingsByCapacityClass) {
  ModelRecord m = Model();
  m.Current02 = {"2.4"};  // a short list gives empty cells
  const ModelInfoContent small = Fill(m, kClassSmall);
  ASSERT_EQ(small.RatingRows.size(), 2u);
  EXPECT_EQ(small.RatingRows[1], (RatingRow{"55", "200", "", "198", "197", "55K"}));
  ASSERT_EQ(small.OtherClassRows.size(), 1u);
  EXPECT_EQ(small.OtherClassRows[0][kRatingCapacity], "75");
  EXPECT_EQ(small.SmallRowCount, 2);
  EXPECT_EQ(small.LargeRowCount, 1);
  const ModelInfoContent large = Fill(m, kClassLarge);
  ASSERT_EQ(large.RatingRows.size(), 1u);
  EXPECT_EQ(large.RatingRows[0][kRatingTypeName], "75K");
  EXPECT_EQ(large.OtherClassRows.size(), 2u);
}

TEST(WriteTest, UnchangedContentWritesTheSameRecord) {
  for (const int16_t capacity_class : {kClassSmall, kClassLarge}) {
    ModelRecord m = Model();
    const ModelInfoContent content = Fill(m, capacity_class);
    ModelRecord written = m;
    ModelChange(content, written, false, capacity_class);
    EXPECT_EQ(written, m) << capacity_class;
  }
}

TEST(WriteTest, RatingsJoinWithLargeRowsLast) {
  for (const int16_t capacity_class : {kClassSmall, kClassLarge}) {
    const bool small = capacity_class == kClassSmall;
    ModelRecord m = Model();
    ModelInfoContent content = Fill(m, capacity_class);
    content.RatingRows.push_back({small ? "7.5" : "90"});
    ModelChange(content, m, false, capacity_class);
    EXPECT_EQ(m.Capacity,
              (small ? TextList{"0.4", "55", "7.5", "75"} : TextList{"0.4", "55", "75", "90"}));
  }
}

TEST(WriteTest, NameCodeAndFileFollowTheSpecialName) {
  // Written over the model named QX-M520-A1: ModelName, ModelCode5 and ParamFile.
  const auto write = [](const char* base, const char* special, bool accepted) {
    ModelRecord m = Model();
    ModelInfoContent content = Fill(m, kClassLarge);
    content.BaseTypeName = base;
    content.SpecialName = special;
    ModelChange(content, m, accepted, kClassLarge);
    return m.ModelName + " " + m.ModelCode5 + " " + m.ParamFile;
  };
  EXPECT_EQ(write("QX-M520", "B", false), "QX-M520-B 0x80420000 qx_m520_a01-b.vfd");
  EXPECT_EQ(write("QX-M520", "", false), "QX-M520 0x80000000 qx_m520_a01.vfd");
  EXPECT_EQ(write("QX-M520-SC", "ZZ", true), "QX-M520-SC-ZZ 0x805A5A00 qx_m520scl_a01-zz.vfd");
}

TEST(WriteTest, CommunicationAndOptions) {
  ModelRecord m = Model();
  m.OptionSlotCnt = "2";
  ModelInfoContent content = Fill(m);
  content.Communication = {true, true, false};
  content.OptionRows[0].Ticked = {true, false, true};
  content.OptionRows[1].Ticked = {false, false, true};
  ModelChange(content, m, false, kClassSmall);
  EXPECT_EQ(m.ComResource, "110");
  EXPECT_EQ(m.Option01, (TextList{"A", "C"}));
  EXPECT_EQ(m.Option02, TextList{""});  // no tick
  EXPECT_EQ(m.Option03, TextList{""});  // no such slot column
}

TEST(StateTest, DraftAndEditModelUseTheirOwnClass) {
  EditorState state;
  state.Buffer.ModelInfoDraft = Model();
  state.Buffer.ModelInfoDraft.CapacityClass = kClassSmall;
  state.Buffer.EditModel = Model();
  state.Buffer.EditModel.ModelName = "QX-M520-SC-A1";
  state.EditCapacityClass = kClassLarge;
  state.ModelInfoAccepted = true;
  EXPECT_EQ(FillFromDraft(state).RatingRows.size(), 2u);
  EXPECT_EQ(state.Buffer.ModelInfoDraft.OptionSlotCnt, "3");
  EXPECT_EQ(state.Buffer.EditModel.OptionSlotCnt, "");
  EXPECT_EQ(state.EditModelType, 7);
  const ModelInfoContent same = FillFromEditModel(state);
  EXPECT_EQ(same.RatingRows.size(), 1u);
  EXPECT_EQ(state.Buffer.EditModel.OptionSlotCnt, "3");

  // The check leaves the stem, which an accepted write follows.
  EXPECT_FALSE(chkModelChange(same, state));
  ModelInfoContent changed = same;
  changed.OtherClassRows[1][kRatingCurrent03] = "1";
  EXPECT_TRUE(chkModelChange(changed, state));
  ModelChange(same, state);
  EXPECT_EQ(state.Buffer.EditModel.ParamFile, "qx_m520scl_a01-a1.vfd");
}

}  // namespace
}  // namespace pfedit::models
