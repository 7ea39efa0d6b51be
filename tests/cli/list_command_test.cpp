#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "catalogue/catalogue_text.h"
#include "cli/commands.h"
#include "core/messages.h"
#include "support/temp_folder.h"

namespace pfedit::cli {
namespace {

using test::Section;

struct ListRun {
  int status;
  std::string out;
  std::string err;
};

ListRun List(const Args& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunList(args, out, err);
  return {status, out.str(), err.str()};
}

class ListTest : public testing::Test {
 protected:
  std::string WriteCatalogue(const std::string& text) {
    folder.Write("tarvo_param.vfd", text);
    return folder.File("tarvo_param.vfd");
  }
  test::TempFolder folder;
};

TEST_F(ListTest, OneLinePerModelWithItsClass) {
  WriteCatalogue(Section("Model_1", {{"ModelName", "QX-\xb0\x43"}}) +
                 Section("Model_2", {{"Capacity1", "75"}, {"ParamFile", "b.vfd"}}) +
                 Section("Model_3", {{"Capacity2", "90"}, {"Current01_2", "1"}}));
  const ListRun run = List({folder.path()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "1\tQX-\xb0\x43\tsmall\tqx_a700.vfd\n"
            "2\tQX-A700\tlarge\tb.vfd\n"
            "3\tQX-A700\tboth\tqx_a700.vfd\n");
  EXPECT_EQ(run.err, "");
}

// Whole numbers only: the locale's decimal separator would change "0.4".
TEST_F(ListTest, JsonCarriesEveryField) {
  WriteCatalogue(Section("Model_1", {{"ModelName", "Q\"\\"},
                                     {"Capacity1", "4"},
                                     {"Current01_1", "15"},
                                     {"Current02_1", "14"},
                                     {"Current03_1", "13"},
                                     {"Current04_1", "12"},
                                     {"Option01_1", "A"},
                                     {"Option02_1", "B"},
                                     {"A", "1"},
                                     {"OptionSlotCnt", "2"}}));
  const ListRun run = List({"--json", folder.path()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"status\":0,\"warnings\":[],\"models\":[{\"position\":1,"
            "\"ModelName\":\"Q\\\"\\\\\",\"ModelCode1\":\"0x01000000\","
            "\"ModelCode2\":\"0x00000000\",\"ModelCode5\":\"\",\"ComResource\":\"111\","
            "\"ParamFile\":\"qx_a700.vfd\",\"FilterFile\":\"qx.vff\",\"HelpFile\":\"qx.chm\","
            "\"Capacity\":[\"4\"],\"Current01\":[\"15\"],\"Current02\":[\"14\"],"
            "\"Current03\":[\"13\"],\"Current04\":[\"12\"],\"TypeName\":[\"00023\"],"
            "\"Option01\":[\"A\"],\"Option02\":[\"B\"],\"Option03\":[\"\"],"
            "\"OptionXX\":[\"A\",\"B\"],\"OptionValues\":[[\"A\",\"1\"],[\"B\",\"\"]],"
            "\"OptionSlotCnt\":\"2\",\"CapacityClass\":2}]}\n");
}

TEST_F(ListTest, ExportFileGivesItsModelAsImported) {
  const std::string path = folder.Write(
      "m.vf_", "1,Name,0,0,0,,0,10001,0,0,0,0,0,0,0,NULL,NULL,NULL,10,0\r\n" +
                   Section("Model_1", {{"Capacity1", "75"}, {"ParamFile", "abcd1234.vfd"}}));
  EXPECT_EQ(List({path}).out, "1\tQX-A700\tlarge\tabcdl1234.vfd\n");

  const std::string two = folder.Write("two.vf_", Section("Model_1") + Section("Model_2"));
  const ListRun run = List({two, "--json"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, two + ": 1057: " + GetMessageText(1057) + "\n");
  EXPECT_EQ(run.out, "{\"status\":1057,\"message\":\"Import file could not be read.\"}\n");
}

TEST_F(ListTest, TooManyModelsIsAWarning) {
  std::string text;
  for (int i = 1; i <= 257; ++i) text += Section("Model_" + std::to_string(i));
  const std::string file = WriteCatalogue(text);
  const ListRun run = List({folder.path(), "--json"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("{\"status\":0,\"warnings\":[1076],\"models\":[{\"position\":1,", 0), 0u);
  EXPECT_NE(run.out.find("{\"position\":256,"), std::string::npos);
  EXPECT_EQ(run.out.find("{\"position\":257,"), std::string::npos);
  EXPECT_EQ(run.err, file + ": 1076: " + GetMessageText(1076) + "\n");
}

TEST_F(ListTest, ReadFailures) {
  const std::string file = WriteCatalogue(Section("Model_1", {{"ModelCode1", "&H0a0b0c0d"}}));
  ListRun run = List({folder.path()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, file + ": 1043: Model code 1 could not be read.\n");

  test::TempFolder empty;
  run = List({empty.path()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, empty.File("tarvo_param.vfd") + ": 1007: " + GetMessageText(1007) + "\n");
  EXPECT_EQ(List({empty.File("none.vf_")}).status, 1);
}

TEST_F(ListTest, UsageErrors) {
  for (const Args& args : {Args{}, Args{"a", "b"}, Args{"--xml", "a"}, Args{"--json"}}) {
    const ListRun run = List(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
  }
}

}  // namespace
}  // namespace pfedit::cli
