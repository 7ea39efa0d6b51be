#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue_text.h"
#include "cli/commands.h"
#include "core/messages.h"
#include "core/platform.h"
#include "support/temp_folder.h"

namespace pfedit::cli {
namespace {

// The system's own words for a missing file, as the platform layer gives
// them (their wording differs between systems).
std::string MissingReason() {
  std::string bytes;
  return platform::ReadWholeFile("pfedit-no-such-file.vfd", &bytes).reason;
}

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

// Whole numbers only: the locale's decimal separator would change "0.4".
TEST(ListTest, JsonCarriesEveryField) {
  test::TempFolder folder;
  folder.Write("tarvo_param.vfd", Section("Model_1", {{"ModelName", "Q\"\\"},
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

// JSON strings are the file's bytes as the editor shows them (Windows-1252),
// in UTF-8: control characters escaped, quotes and backslashes too.
TEST(ListTest, JsonDecodesTheBytesAndStaysUtf8) {
  test::TempFolder folder;
  folder.Write("tarvo_param.vfd", Section("Model_1", {{"ModelName", "a\x01\x1F\t\"\\\x7F"},
                                                      {"TypeName1", "\x80\x81\x9F\xA0\xDF\xFF"}}));
  const ListRun run = List({folder.path(), "--json"});
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"ModelName\":\"a\\u0001\\u001f\\t\\\"\\\\\x7F\""), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\"TypeName\":[\"\xE2\x82\xAC\xC2\x81\xC5\xB8\xC2\xA0\xC3\x9F\xC3\xBF\"]"),
            std::string::npos)
      << run.out;
}

TEST(ListTest, TooManyModelsIsAWarning) {
  test::TempFolder folder;
  const std::string file = folder.Write("tarvo_param.vfd", test::Sections(257));
  const ListRun run = List({folder.path(), "--json"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("{\"status\":0,\"warnings\":[1076],\"models\":[{\"position\":1,", 0), 0u);
  EXPECT_NE(run.out.find("{\"position\":256,"), std::string::npos);
  EXPECT_EQ(run.out.find("{\"position\":257,"), std::string::npos);
  EXPECT_EQ(run.err, file + ": 1076: " + GetMessageText(1076) + "\n");
}

// A folder gives one line per model of its catalogue, an export file its
// model as the editor imports it (texts as bytes); a file that cannot be read
// gives its message on stderr (and as JSON when asked).
TEST(ListTest, LinesAndReadFailures) {
  test::TempFolder folder;
  folder.Write("tarvo_param.vfd",
               Section("Model_1", {{"ModelName", "QX-\xb0\x43"}}) +
                   Section("Model_2", {{"Capacity1", "75"}, {"ParamFile", "b.vfd"}}) +
                   Section("Model_3", {{"Capacity2", "90"}, {"Current01_2", "1"}}));
  const std::string large = folder.Write(
      "large.vf_", test::kExportRecords +
                       Section("Model_1", {{"Capacity1", "75"}, {"ParamFile", "abcd1234.vfd"}}));
  const std::string two = folder.Write("two.vf_", test::Sections(2));
  const std::string bad = folder.Write("bad.vf_", Section("M", {{"ModelCode1", "&H0a0b0c0d"}}));
  test::TempFolder empty;
  const std::string missing = empty.File("tarvo_param.vfd");
  test::TempFolder odd;  // its catalogue is a folder
  std::filesystem::create_directory(odd.File("tarvo_param.vfd"));
  const std::vector<std::pair<Args, ListRun>> cases{
      {{folder.path()},
       {0,
        "1\tQX-\xb0\x43\tsmall\tqx_a700.vfd\n"
        "2\tQX-A700\tlarge\tb.vfd\n"
        "3\tQX-A700\tboth\tqx_a700.vfd\n",
        ""}},
      {{large}, {0, "1\tQX-A700\tlarge\tabcdl1234.vfd\n", ""}},
      {{two, "--json"},
       {1, "{\"status\":1057,\"message\":\"Import file could not be read.\"}\n",
        two + ": 1057: " + GetMessageText(1057) + "\n"}},
      {{bad}, {1, "", bad + ": 1043: Model code 1 could not be read.\n"}},
      // The system's reason follows the message.
      {{empty.path()},
       {1, "", missing + ": 1007: " + GetMessageText(1007) + ": " + MissingReason() + "\n"}},
      {{odd.path()},
       {1, "",
        odd.File("tarvo_param.vfd") + ": 1041: " + GetMessageText(1041) +
            ": not a regular file\n"}},
  };
  for (const auto& [args, expected] : cases) {
    const ListRun run = List(args);
    EXPECT_EQ(run.status, expected.status) << args.front();
    EXPECT_EQ(run.out, expected.out) << args.front();
    EXPECT_EQ(run.err, expected.err) << args.front();
  }
}

TEST(ListTest, UsageErrors) {
  for (const Args& args : {Args{}, Args{"a", "b"}, Args{"--xml", "a"}, Args{"--json"}}) {
    const ListRun run = List(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
  }
}

}  // namespace
}  // namespace pfedit::cli
