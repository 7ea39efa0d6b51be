#include <gtest/gtest.h>

#include <string>

#include "parameter_test_support.h"
#include "paramfile/parameter_file.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

using test::ValidLine;

// A file system that records every write and answers with `succeed`.
class RecordingFiles : public FileSystem {
 public:
  int Attributes(const std::string&) override { return -1; }
  bool ReadAll(const std::string&, std::string*) override { return false; }
  bool WriteAll(const std::string& path, std::string_view bytes, bool append) override {
    writes.push_back({path, std::string(bytes), append});
    return succeed;
  }
  bool Replace(const std::string&, const std::string&) override { return false; }
  bool Remove(const std::string&) override { return false; }

  struct Write {
    std::string path;
    std::string bytes;
    bool append;
  };
  std::vector<Write> writes;
  bool succeed = true;
};

ParameterRecord AlphaRecord() {
  ParameterRecord r;
  r.ParamNo = "1";
  r.ParamName = "Alpha";
  r.InitialValue = 60;
  r.Digit = 1;
  r.UnitIndex = 5;
  r.SettingRange = "0-30";
  r.SortKey = "10001";
  r.DisplayCode = "0";
  r.WriteOrder = 10;
  return r;
}

TEST(WriterTest, WritesPlainFieldsAndNumbers) {
  const std::string line = FormatParameterLine(AlphaRecord());
  EXPECT_EQ(line, "1,Alpha,60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0");
  EXPECT_EQ(line.size(), 44u);

  ParameterRecord r = AlphaRecord();
  r.InitialValue = -1;
  r.FunctionCode = 0x1F40;
  r.Attribute = 32;
  EXPECT_EQ(FormatParameterLine(r), "1,Alpha,-1,1,5,0-30,0,10001,0,8000,,,,,,,,,10,32");
}

// Which texts the writer quotes: only ParamName and SettingRange, only for a
// comma, never when the text holds a double quote already.
struct QuoteCase {
  const char* name;
  std::string param_name;
  std::string setting_range;
  std::string aux1;
  std::string expected;
};

class QuoteTest : public testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteTest, QuotesOnlyWhereTheFormatSays) {
  ParameterRecord r = AlphaRecord();
  r.ParamName = GetParam().param_name;
  r.SettingRange = GetParam().setting_range;
  r.Aux1 = GetParam().aux1;
  EXPECT_EQ(FormatParameterLine(r), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuoteTest,
    testing::Values(QuoteCase{"NameWithComma", "Alpha, beta", "0-30", "",
                              "1,\"Alpha, beta\",60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0"},
                    QuoteCase{"RangeWithComma", "Alpha", "0, 1", "",
                              "1,Alpha,60,1,5,\"0, 1\",0,10001,0,0,,,,,,,,,10,0"},
                    QuoteCase{"AlreadyQuoted", "\"a,b\"", "0-30", "",
                              "1,\"a,b\",60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0"},
                    QuoteCase{"CommaAndQuote", "a,\"b", "0-30", "",
                              "1,a,\"b,60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0"},
                    QuoteCase{"AuxWithCommaUnquoted", "Alpha", "0-30", "x,y",
                              "1,Alpha,60,1,5,0-30,0,10001,0,0,x,y,,,,,,,,10,0"},
                    QuoteCase{"QuoteWithoutComma", "a\"b", "0-30", "",
                              "1,a\"b,60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0"}),
    [](const testing::TestParamInfo<QuoteCase>& info) { return std::string(info.param.name); });

// Files the writer could have written come back byte for byte.
class RoundTripTest : public testing::TestWithParam<std::string> {};

TEST_P(RoundTripTest, ReadThenWriteGivesTheSameBytes) {
  const ParameterReadResult first = ReadParameterText(GetParam(), '.');
  ASSERT_EQ(first.status, 0);
  const std::string written = ParameterFileText(first.records);
  EXPECT_EQ(written, GetParam());
  EXPECT_EQ(ReadParameterText(written, '.').records, first.records);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RoundTripTest,
    testing::Values(
        std::string(), ValidLine("1") + ValidLine("2902"),
        "1,\"Name, with comma\",-1,3,22,\"0, 1\",3,12905,256,65535,a,b,c,d,e,f,g,h,20,32\r\n",
        "5,Trailing blanks  ,0,0,0,range\t,0,10005,0 ,0,,,,,,,,,0,1\r\n",
        "7,\xb0\x43 \x83\x65\x83\x58\x83\x67,0,0,0,a\"b,0,10007,0,0,x,,,,,,,,0,16\r\n",
        "0,\"" + std::string(150, 'x') + ",\",65535,0,0,,2,10000,1.5,1,,,,,,,,,0,0\r\n"));

// Readable forms the writer does not produce are written in its own form.
struct NormalCase {
  const char* name;
  std::string input;
  std::string written;
};

class NormalizeTest : public testing::TestWithParam<NormalCase> {};

TEST_P(NormalizeTest, WritesTheWriterForm) {
  const ParameterReadResult result = ReadParameterText(GetParam().input, '.');
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(ParameterFileText(result.records), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalizeTest,
    testing::Values(
        NormalCase{"BlanksBeforeValues", "1,  Alpha,  60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0\n",
                   "1,Alpha,60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0\r\n"},
        NormalCase{"LeadingZerosAndBlanksAfterNumbers",
                   "01,Alpha,060 ,1,5,0-30,0,10001,0,0,,,,,,,,,10,0",
                   "01,Alpha,60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0\r\n"},
        NormalCase{"QuotesWithoutComma", "1,\"Alpha\",\"60\",1,5,0-30,0,10001,0,0,,,,,,,,,10,0",
                   "1,Alpha,60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0\r\n"},
        NormalCase{"TextAfterQuote", "1,\"A,b\" junk,60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0",
                   "1,\"A,b\",60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0\r\n"}),
    [](const testing::TestParamInfo<NormalCase>& info) { return std::string(info.param.name); });

TEST(WriteFileTest, WritesTheWholeFileOnceAndKeepsTheQuotesInTheList) {
  EditorState state;
  ParameterRecord r = AlphaRecord();
  r.ParamName = "a,b";
  r.SettingRange = "0, 1";
  state.Buffer.ParameterList = {r, AlphaRecord()};
  RecordingFiles files;
  ASSERT_TRUE(WriteParameterFile(state, "out.vfd~0", files));
  ASSERT_EQ(files.writes.size(), 1u);
  EXPECT_EQ(files.writes[0].path, "out.vfd~0");
  EXPECT_FALSE(files.writes[0].append);
  EXPECT_EQ(files.writes[0].bytes,
            "1,\"a,b\",60,1,5,\"0, 1\",0,10001,0,0,,,,,,,,,10,0\r\n"
            "1,Alpha,60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0\r\n");
  EXPECT_EQ(state.Buffer.ParameterList[0].ParamName, "\"a,b\"");
  EXPECT_EQ(state.Buffer.ParameterList[0].SettingRange, "\"0, 1\"");

  // Writing the same list again gives the same bytes.
  ASSERT_TRUE(WriteParameterFile(state, "out.vfd~0", files));
  EXPECT_EQ(files.writes[1].bytes, files.writes[0].bytes);
}

TEST(WriteFileTest, FailedWriteGivesFalse) {
  EditorState state;
  state.Buffer.ParameterList = {AlphaRecord()};
  RecordingFiles files;
  files.succeed = false;
  EXPECT_FALSE(WriteParameterFile(state, "out.vfd", files));
}

TEST(WriteFileTest, RealFileIsTruncatedAndReadBack) {
  test::TempFolder folder;
  const std::string path = folder.Write("p.vfd", std::string(5000, 'x'));
  EditorState state;
  state.Buffer.ParameterList = {AlphaRecord()};
  ASSERT_TRUE(WriteParameterFile(state, path));
  EXPECT_EQ(folder.Read("p.vfd"), "1,Alpha,60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0\r\n");
  EXPECT_FALSE(WriteParameterFile(state, folder.File("no/such/folder/p.vfd")));
}

TEST(WriteFileTest, EmptyListWritesAnEmptyFile) {
  test::TempFolder folder;
  EditorState state;
  ASSERT_TRUE(WriteParameterFile(state, folder.File("e.vfd")));
  EXPECT_TRUE(folder.Has("e.vfd"));
  EXPECT_EQ(folder.Read("e.vfd"), "");
}

}  // namespace
}  // namespace pfedit
