#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/commands.h"
#include "support/temp_folder.h"

namespace pfedit::cli {
namespace {

struct ShowRun {
  int status;
  std::string out;
  std::string err;
};

ShowRun Show(const Args& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunShow(args, out, err);
  return {status, out.str(), err.str()};
}

const std::string kLine1 =
    "1,\"Alpha, beta\",-1,2,1,0-400,0,10001,0,257,0,0,0,0,0,NULL,NULL,NULL,10,0";
const std::string kLine2 =
    "2902,\xb0\x43,6000,2,1,\"0, 1\",1,12902,256,8000,a\\b,\"q\",,,,,,,20,32";

class ShowTest : public testing::Test {
 protected:
  test::TempFolder folder;
};

TEST_F(ShowTest, PrintsTheLinesAsTheWriterWritesThem) {
  const std::string path = folder.Write("p.vfd", kLine1 + "\r\n" + kLine2 + "\r\n");
  const ShowRun run = Show({path});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, kLine1 + "\n" +
                         "2902,\xb0\x43,6000,2,1,\"0, 1\",1,12902,256,8000,a\\b,q,,,,,,,20,32\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(ShowTest, JsonGivesTheFieldsByNameAndNumbersAsNumbers) {
  const std::string path = folder.Write("p.vf_", kLine2 + "\r\n[Model_1]\r\nModelName=X\r\n");
  const ShowRun run = Show({"--json", path});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"status\":0,\"records\":[{\"ParamNo\":\"2902\",\"ParamName\":\"\xb0\x43\","
            "\"InitialValue\":6000,\"Digit\":2,\"UnitIndex\":1,\"SettingRange\":\"0, 1\","
            "\"SpecialCode\":1,\"SortKey\":\"12902\",\"DisplayCode\":\"256\","
            "\"FunctionCode\":8000,\"Aux1\":\"a\\\\b\",\"Aux2\":\"q\",\"Aux3\":\"\",\"Aux4\":\"\","
            "\"Aux5\":\"\",\"Aux6\":\"\",\"Aux7\":\"\",\"Aux8\":\"\",\"WriteOrder\":20,"
            "\"Attribute\":32}]}\n");
}

TEST_F(ShowTest, EmptyFileShowsNothing) {
  const std::string path = folder.Write("e.vfd", "");
  EXPECT_EQ(Show({path}).out, "");
  EXPECT_EQ(Show({path, "--json"}).out, "{\"status\":0,\"records\":[]}\n");
}

TEST_F(ShowTest, RefusedRecordReportsTheMessageAndRecordsRead) {
  const std::string path =
      folder.Write("p.vfd", kLine1 + "\r\n" + kLine1 + "\r\n" + "2000" + kLine1.substr(1) + "\r\n");
  const ShowRun run = Show({path, "--json"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            path + ": 1005: Data format of the file is different. Unable to read this file.\n");
  EXPECT_EQ(run.out,
            "{\"status\":1005,\"message\":\"Data format of the file is different. Unable to read "
            "this file.\",\"records_read\":2}\n");
}

TEST_F(ShowTest, MissingFileFailsToRead) {
  const std::string path = folder.File("missing.vfd");
  const ShowRun run = Show({path});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, path + ": 1015: Failed to read file. Closing the reading process.\n");
  EXPECT_EQ(run.out, "");
}

TEST_F(ShowTest, UsageErrors) {
  for (const Args& args : {Args{}, Args{"a", "b"}, Args{"--xml", "a"}, Args{"--json"}}) {
    const ShowRun run = Show(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
  }
}

}  // namespace
}  // namespace pfedit::cli
