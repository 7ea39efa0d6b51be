#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/catalogue_text.h"
#include "cli/commands.h"
#include "core/ansi_text.h"
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

// One character of strict UTF-8 at `at` (no overlong forms, no surrogates),
// or nothing.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t* at) {
  const auto lead = static_cast<unsigned char>(text[*at]);
  const std::size_t length = lead < 0x80                   ? 1
                             : lead >= 0xC2 && lead < 0xE0 ? 2
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4
                                                           : 0;
  if (length == 0 || *at + length > text.size()) return std::nullopt;
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[*at + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
    return std::nullopt;
  }
  *at += length;
  return code;
}

// The characters of the JSON string value of the first member `name`, or
// nothing when the string is not well-formed JSON in UTF-8.
std::optional<std::u32string> JsonMember(std::string_view json, std::string_view name) {
  std::size_t at = json.find("\"" + std::string(name) + "\":");
  if (at == std::string_view::npos) return std::nullopt;
  at += name.size() + 3;
  if (json.substr(at, 1) == "[") ++at;  // the first entry of a list
  if (json.substr(at, 1) != "\"") return std::nullopt;
  std::u32string text;
  for (++at; at < json.size();) {
    const char c = json[at];
    if (c == '"') return text;
    if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
    if (c != '\\') {
      const std::optional<char32_t> code = NextUtf8(json, &at);
      if (!code) return std::nullopt;
      text += *code;
      continue;
    }
    const char escape = at + 1 < json.size() ? json[at + 1] : '\0';
    at += 2;
    const std::string_view simple = "\"\\/bfnrt";
    const std::string_view meant = "\"\\/\b\f\n\r\t";
    if (simple.find(escape) != std::string_view::npos) {
      text += meant[simple.find(escape)];
    } else if (escape == 'u' && at + 4 <= json.size()) {
      text += static_cast<char32_t>(std::stoul(std::string(json.substr(at, 4)), nullptr, 16));
      at += 4;
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

// JSON strings are the file's bytes as the editor shows them, whatever the
// bytes: control characters escaped, quotes and backslashes too, every byte
// from 0x80 up one character; the output stays valid UTF-8.
TEST(ListTest, JsonDecodesTheBytesAndStaysUtf8) {
  std::string controls = "a";
  for (char c = 1; c < 0x20; ++c) {
    if (c != '\n' && c != '\r') controls += c;
  }
  controls += "\"\\z";
  std::string high_half[2];
  for (int byte = 0x80; byte <= 0xFF; ++byte) high_half[byte / 0xC0] += static_cast<char>(byte);
  test::TempFolder folder;
  folder.Write("tarvo_param.vfd", Section("Model_1", {{"ModelName", controls},
                                                      {"TypeName1", high_half[0]},
                                                      {"Option01_1", high_half[1]},
                                                      {"ParamFile",
                                                       "Stra\xDF"
                                                       "e\x80.vfd"}}));
  const ListRun run = List({folder.path(), "--json"});
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"ParamFile\":\"Stra\xC3\x9F"
                         "e\xE2\x82\xAC.vfd\""),
            std::string::npos);
  const std::pair<const char*, std::string> members[] = {
      {"ModelName", controls}, {"TypeName", high_half[0]}, {"Option01", high_half[1]}};
  for (const auto& [name, bytes] : members) {
    std::u32string expected;
    for (const char byte : bytes)
      expected += Windows1252CodePoint(static_cast<unsigned char>(byte));
    EXPECT_EQ(JsonMember(run.out, name), expected) << name;
  }
  std::size_t at = 0;
  while (at < run.out.size() && NextUtf8(run.out, &at)) {
  }
  EXPECT_EQ(at, run.out.size()) << "not UTF-8 from byte " << at;
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
