#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "paramfile/parameter_file.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

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

TEST(WriterTest, WritesFieldsInFileOrder) {
  EXPECT_EQ(FormatParameterLine(AlphaRecord()), "1,Alpha,60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0");
  ParameterRecord r = AlphaRecord();
  r.InitialValue = -1;
  r.FunctionCode = 0x1F40;
  r.Attribute = 32;
  r.Aux1 = "x,y";         // only ParamName and SettingRange are quoted
  r.ParamName = "a,\"b";  // a text holding a double quote is left as it is
  EXPECT_EQ(FormatParameterLine(r), "1,a,\"b,-1,1,5,0-30,0,10001,0,8000,x,y,,,,,,,,10,32");
}

TEST(WriterTest, FilesTheWriterCouldHaveWrittenComeBackByteForByte) {
  for (const std::string& file : {
           std::string(),
           std::string("1,\"Name, with comma\",-1,3,22,\"0, 1\",3,12905,256,65535,a,b,c,d,e,f,g,h,"
                       "20,32\r\n2902,N,0,0,0,r,0,12902,0,0,,,,,,,,,0,0\r\n"),
           std::string("5,Trailing blanks  ,0,0,0,range\t,0,10005,0 ,0,,,,,,,,,0,1\r\n"),
           std::string(
               "7,\xb0\x43 \x83\x65\x83\x58\x83\x67,0,0,0,a\"b,0,10007,0,0,x,,,,,,,,0,16\r\n"),
           "0,\"" + std::string(150, 'x') + ",\",65535,0,0,,2,10000,1.5,1,,,,,,,,,0,0\r\n",
       }) {
    const ParameterReadResult first = ReadParameterText(file, '.');
    ASSERT_EQ(first.status, 0) << file;
    EXPECT_EQ(ParameterFileText(first.records), file);
  }
}

TEST(WriterTest, OtherReadableFormsAreWrittenInTheWriterForm) {
  // Blanks before values and after numbers, leading zeros, quotes without a comma, text after a
  // closing quote, and a lone LF.
  const ParameterReadResult result = ReadParameterText(
      "01,  \"Alpha\",  060 ,\"1\",5,\"A,b\" junk,0,10001,0,0,,,,,,,,,10,0\n", '.');
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(ParameterFileText(result.records),
            "01,Alpha,60,1,5,\"A,b\",0,10001,0,0,,,,,,,,,10,0\r\n");
}

// The file gets the quotes; the records keep their texts as they are.
TEST(WriteFileTest, ReplacesTheFileWithTheQuotedText) {
  test::TempFolder folder;
  const std::string path = folder.Write("p.vfd", std::string(5000, 'x'));
  ParameterRecord r = AlphaRecord();
  r.ParamName = "a,b";
  r.SettingRange = "0, 1";
  const std::vector<ParameterRecord> records{r, AlphaRecord()};
  const SafeWriteResult result = WriteParameterFile(RealFileSystem(), path, records);
  EXPECT_EQ(result.status, kStatusOk);
  EXPECT_EQ(folder.Read("p.vfd"),
            "1,\"a,b\",60,1,5,\"0, 1\",0,10001,0,0,,,,,,,,,10,0\r\n"
            "1,Alpha,60,1,5,0-30,0,10001,0,0,,,,,,,,,10,0\r\n");
  EXPECT_FALSE(folder.Has("p.vfd~0"));
  EXPECT_EQ(WriteParameterFile(RealFileSystem(), folder.File("no/such/p.vfd"), records).status,
            msg::kWriteFailed);
}

}  // namespace
}  // namespace pfedit
