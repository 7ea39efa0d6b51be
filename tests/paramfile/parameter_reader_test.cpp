#include <gtest/gtest.h>

#include <string>

#include "parameter_test_support.h"
#include "paramfile/parameter_file.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

using test::Fields;
using test::Line;
using test::ValidFields;
using test::ValidLine;
using test::WithField;

ParameterReadResult Read(const std::string& text, char separator = '.') {
  return ReadParameterText(text, separator);
}

// One field of an otherwise valid single-record file, and the status the
// reader gives for it.
struct FieldCase {
  const char* name;
  std::size_t field;
  std::string value;
  int status;
};

class FieldRuleTest : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldRuleTest, GivesTheStatus) {
  const FieldCase& c = GetParam();
  const ParameterReadResult result = Read(Line(WithField(ValidFields(), c.field, c.value)));
  EXPECT_EQ(result.status, c.status);
  // A refused record is kept as the last one; a half-read one is not.
  EXPECT_EQ(result.records.size(), c.status == kMessageReadFailed ? 0u : 1u);
  EXPECT_EQ(result.records_read, c.status == 0 ? 1u : 0u);
}

constexpr int kOk = 0;
constexpr int k1005 = kMessageFormatDiffers;
constexpr int k1015 = kMessageReadFailed;

INSTANTIATE_TEST_SUITE_P(
    Boundaries, FieldRuleTest,
    testing::Values(
        FieldCase{"ParamNo0", 0, "0", kOk}, FieldCase{"ParamNo999", 0, "999", kOk},
        FieldCase{"ParamNo1000", 0, "1000", k1005}, FieldCase{"ParamNo2000", 0, "2000", k1005},
        FieldCase{"ParamNo2901", 0, "2901", k1005}, FieldCase{"ParamNo2902", 0, "2902", kOk},
        FieldCase{"ParamNo2939", 0, "2939", kOk}, FieldCase{"ParamNo2940", 0, "2940", k1005},
        FieldCase{"ParamNoNegative", 0, "-1", k1005}, FieldCase{"ParamNoText", 0, "P1", k1005},
        FieldCase{"ParamNoDecimal", 0, "1.5", k1005}, FieldCase{"ParamNoEmpty", 0, "", k1005},
        FieldCase{"ParamNoLeadingZeros", 0, "007", kOk},
        FieldCase{"ParamNoHuge", 0, "99999999999999999999", k1005},
        FieldCase{"Name159", 1, std::string(159, 'n'), kOk},
        FieldCase{"Name160", 1, std::string(160, 'n'), k1005},
        FieldCase{"QuotedName159WithCommas", 1, "\"" + std::string(157, 'n') + ",,\"", kOk},
        FieldCase{"InitialMinus1", 2, "-1", kOk}, FieldCase{"Initial65535", 2, "65535", kOk},
        FieldCase{"InitialMinus2", 2, "-2", k1005}, FieldCase{"Initial65536", 2, "65536", k1005},
        FieldCase{"InitialBeyond32Bits", 2, "2147483648", k1015},
        FieldCase{"Initial32BitMax", 2, "2147483647", k1005},
        FieldCase{"InitialDecimal", 2, "1.5", k1015}, FieldCase{"InitialExponent", 2, "1e2", k1015},
        FieldCase{"InitialPlus", 2, "+5", k1015}, FieldCase{"InitialEmpty", 2, "", k1015},
        FieldCase{"InitialBlankInside", 2, "- 5", k1015},
        FieldCase{"InitialBlanksAround", 2, "  12 ", kOk},
        FieldCase{"InitialQuoted", 2, "\"12\"", kOk}, FieldCase{"Digit3", 3, "3", kOk},
        FieldCase{"Digit4", 3, "4", k1005}, FieldCase{"DigitNegative", 3, "-1", k1005},
        FieldCase{"DigitBeyond16Bits", 3, "32768", k1015}, FieldCase{"Unit22", 4, "22", kOk},
        FieldCase{"Unit23", 4, "23", k1005}, FieldCase{"Range159", 5, std::string(159, 'r'), kOk},
        FieldCase{"Range160", 5, std::string(160, 'r'), k1005}, FieldCase{"Special3", 6, "3", kOk},
        FieldCase{"Special4", 6, "4", k1005}, FieldCase{"SortKeyAnything", 7, "x y", kOk},
        FieldCase{"Display256", 8, "256", kOk}, FieldCase{"DisplayDecimal", 8, "2.5", kOk},
        FieldCase{"DisplayExponent", 8, "1e2", k1005}, FieldCase{"DisplayEmpty", 8, "", k1005},
        FieldCase{"Function65535", 9, "65535", kOk}, FieldCase{"Function65536", 9, "65536", k1005},
        FieldCase{"FunctionNegative", 9, "-1", k1005}, FieldCase{"AuxAnything", 10, "", kOk},
        FieldCase{"Order0", 18, "0", kOk}, FieldCase{"Order20", 18, "20", kOk},
        FieldCase{"Order21", 18, "21", k1005}, FieldCase{"Attribute1", 19, "1", kOk},
        FieldCase{"Attribute16", 19, "16", kOk}, FieldCase{"Attribute32", 19, "32", kOk},
        FieldCase{"Attribute2", 19, "2", k1005}, FieldCase{"Attribute33", 19, "33", k1005}),
    [](const testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST(ReaderTest, DisplayCodeFollowsTheLocaleSeparator) {
  const std::string comma_decimal = Line(WithField(ValidFields(), 8, "\"2,5\""));
  EXPECT_EQ(Read(comma_decimal, ',').status, 0);
  EXPECT_EQ(Read(comma_decimal, '.').status, kMessageFormatDiffers);
}

TEST(ReaderTest, ReadsEveryFieldInFileOrder) {
  const ParameterReadResult result = Read(
      "2905,\"Name, with comma\",-1,3,22,\"0, 1\",3,12905,256,65535,a,b,c,d,e,f,g,h,20,32\r\n");
  ASSERT_EQ(result.status, 0);
  ASSERT_EQ(result.records.size(), 1u);
  const ParameterRecord& r = result.records[0];
  EXPECT_EQ(r.ParamNo, "2905");
  EXPECT_EQ(r.ParamName, "Name, with comma");
  EXPECT_EQ(r.InitialValue, -1);
  EXPECT_EQ(r.Digit, 3);
  EXPECT_EQ(r.UnitIndex, 22);
  EXPECT_EQ(r.SettingRange, "0, 1");
  EXPECT_EQ(r.SpecialCode, 3);
  EXPECT_EQ(r.SortKey, "12905");
  EXPECT_EQ(r.DisplayCode, "256");
  EXPECT_EQ(r.FunctionCode, 65535);
  EXPECT_EQ(r.Aux1 + r.Aux2 + r.Aux3 + r.Aux4 + r.Aux5 + r.Aux6 + r.Aux7 + r.Aux8, "abcdefgh");
  EXPECT_EQ(r.WriteOrder, 20);
  EXPECT_EQ(r.Attribute, 32);
}

// Whole files: status, how many records passed, how many the list holds.
struct FileCase {
  const char* name;
  std::string text;
  int status;
  std::size_t records_read;
  std::size_t records;
};

class FileTest : public testing::TestWithParam<FileCase> {};

TEST_P(FileTest, GivesStatusAndRecords) {
  const FileCase& c = GetParam();
  const ParameterReadResult result = Read(c.text);
  EXPECT_EQ(result.status, c.status);
  EXPECT_EQ(result.records_read, c.records_read);
  EXPECT_EQ(result.records.size(), c.records);
}

const std::string kThree = ValidLine("1") + ValidLine("2") + ValidLine("3");
Fields Shortened(Fields fields) {
  fields.pop_back();
  return fields;
}
std::string WithoutLast(std::string text, std::size_t n) {
  return text.substr(0, text.size() - n);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileTest,
    testing::Values(
        FileCase{"Empty", "", 0, 0, 0}, FileCase{"OnlyEmptyLines", "\r\n\r\n", 0, 0, 0},
        FileCase{"Three", kThree, 0, 3, 3},
        FileCase{"NoFinalLineEnd", WithoutLast(kThree, 2), 0, 3, 3},
        FileCase{"LfLineEnds",
                 WithoutLast(ValidLine("1"), 2) + "\n" + WithoutLast(ValidLine("2"), 2) + "\n", 0,
                 2, 2},
        FileCase{"TrailingEmptyLine", kThree + "\r\n", 0, 3, 3},
        FileCase{"FourthDigit4",
                 kThree + Line(WithField(ValidFields("4"), 3, "4")) + ValidLine("5"),
                 kMessageFormatDiffers, 3, 4},
        FileCase{"CutInsideThirdRecord", WithoutLast(kThree, 10), kMessageReadFailed, 2, 2},
        FileCase{"TrailingComma", WithoutLast(kThree, 2) + ",\r\n", kMessageReadFailed, 3, 3},
        // A line one field short takes the next line's ParamNo as its
        // Attribute (2, refused); one field too many leaves the next record
        // starting with "0" and reading NAME... as numbers.
        FileCase{"ShortLineShifts", Line(Shortened(ValidFields())) + ValidLine("2"),
                 kMessageFormatDiffers, 0, 1},
        FileCase{"LongLineShifts", WithoutLast(ValidLine("1"), 2) + ",0\r\n" + ValidLine("2"),
                 kMessageReadFailed, 1, 1},
        FileCase{"EmptyLineBetweenRecords", ValidLine("1") + "\r\n" + ValidLine("2"),
                 kMessageReadFailed, 1, 1},
        FileCase{"UnclosedQuote", ValidLine("1") + "2,\"NAME", kMessageReadFailed, 1, 1},
        FileCase{"ExportStopsAtModel",
                 ValidLine("1") + ValidLine("2") + "[Model_1]\r\nModelName=QX-M520-A\r\n", 0, 2, 2},
        FileCase{"ExportWithoutRecords", "[Model_1]\r\nModelName=QX\r\n", 0, 0, 0},
        FileCase{"ModelNotAtRecordStart", WithoutLast(ValidLine("1"), 4) + "\r\n[Model_1]\r\n",
                 kMessageReadFailed, 0, 0}),
    [](const testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST(ReaderTest, ExportFileFixtureGivesItsRecords) {
  const ParameterReadResult result =
      ReadParameterFileAt(std::string(PFEDIT_TEST_DATA_DIR) + "/paramfile/export.vf_");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.records_read, 3u);
}

TEST(ReaderTest, MissingFileFailsToRead) {
  test::TempFolder folder;
  const ParameterReadResult result = ReadParameterFileAt(folder.File("missing.vfd"));
  EXPECT_EQ(result.status, kMessageReadFailed);
  EXPECT_TRUE(result.records.empty());
}

TEST(ReaderTest, LongLinesAndManyRecordsAreRead) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += ValidLine(std::to_string(i % 1000));
  text += Line(WithField(ValidFields(), 10, std::string(1 << 20, 'x')));
  const ParameterReadResult result = Read(text);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.records_read, 20001u);
}

// ReadParameterFile applies the result to the editor state.
class ReadIntoStateTest : public testing::Test {
 protected:
  void SetUp() override {
    ParameterRecord old;
    old.ParamNo = "old";
    state.Buffer.ParameterList = {old, old};
    state.Buffer.RecordCount = 2;
  }
  bool ReadText(const std::string& text) {
    return ReadParameterFile(state, desktop, folder.Write("p.vfd", text));
  }
  test::TempFolder folder;
  test::ScriptedDesktop desktop;
  EditorState state;
};

TEST_F(ReadIntoStateTest, SuccessReplacesTheListAndSetsTheCount) {
  EXPECT_TRUE(ReadText(kThree));
  EXPECT_EQ(state.Buffer.RecordCount, 3);
  ASSERT_EQ(state.Buffer.ParameterList.size(), 3u);
  EXPECT_EQ(state.Buffer.ParameterList[2].ParamNo, "3");
}

TEST_F(ReadIntoStateTest, EmptyFileLeavesTheListAsItWas) {
  EXPECT_TRUE(ReadText(""));
  EXPECT_EQ(state.Buffer.RecordCount, 0);
  EXPECT_EQ(state.Buffer.ParameterList.size(), 2u);
}

TEST_F(ReadIntoStateTest, RuleFailureShows1005AndKeepsTheRejectedRecord) {
  desktop.ExpectMessage(kMessageFormatDiffers);
  EXPECT_FALSE(ReadText(ValidLine("1") + ValidLine("2000")));
  EXPECT_EQ(state.Buffer.RecordCount, 0);
  ASSERT_EQ(state.Buffer.ParameterList.size(), 2u);
  EXPECT_EQ(state.Buffer.ParameterList[1].ParamNo, "2000");
  EXPECT_EQ(desktop.boxes.at(0).icon, Icon::Exclamation);
}

TEST_F(ReadIntoStateTest, ReadFailureShows1015) {
  desktop.ExpectMessage(kMessageReadFailed);
  EXPECT_FALSE(ReadParameterFile(state, desktop, folder.File("missing.vfd")));
  EXPECT_EQ(state.Buffer.RecordCount, 0);
  EXPECT_EQ(state.Buffer.ParameterList[0].ParamNo, "old");
}

TEST_F(ReadIntoStateTest, MoreRecordsThanACountHoldsFailToRead) {
  std::string text;
  for (int i = 0; i <= INT16_MAX; ++i) text += ValidLine("1");
  desktop.ExpectMessage(kMessageReadFailed);
  EXPECT_FALSE(ReadText(text));
  EXPECT_EQ(state.Buffer.RecordCount, 0);
}

}  // namespace
}  // namespace pfedit
