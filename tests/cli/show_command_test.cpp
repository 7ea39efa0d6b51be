#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

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

// The exit status, stdout and stderr of a run, as "status|out|err".
std::string Show(const Args& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunShow(args, out, err);
  return std::to_string(status) + "|" + out.str() + "|" + err.str();
}

const std::string kLine1 =
    "1,\"Alpha, beta\",-1,2,1,0-400,0,10001,0,257,0,0,0,0,0,NULL,NULL,NULL,10,0";
const std::string kLine2 =
    "2902,\xb0\x43,6000,2,1,\"0, 1\",1,12902,256,8000,a\\b,\"q\",,,,,,,20,32";

// Lines as the writer writes them; JSON with the fields by name and numbers
// as numbers; a file that cannot be read gives its message on stderr.
TEST(ShowTest, LinesJsonAndFailures) {
  const test::TempFolder folder;
  const std::string record =
      "{\"ParamNo\":\"2902\",\"ParamName\":\"\xc2\xb0\x43\",\"InitialValue\":6000,\"Digit\":2,"
      "\"UnitIndex\":1,\"SettingRange\":\"0, 1\",\"SpecialCode\":1,\"SortKey\":\"12902\","
      "\"DisplayCode\":\"256\",\"FunctionCode\":8000,\"Aux1\":\"a\\\\b\",\"Aux2\":\"q\","
      "\"Aux3\":\"\",\"Aux4\":\"\",\"Aux5\":\"\",\"Aux6\":\"\",\"Aux7\":\"\",\"Aux8\":\"\","
      "\"WriteOrder\":20,\"Attribute\":32}";
  const std::string refused =
      folder.Write("r.vfd", kLine1 + "\r\n" + kLine1 + "\r\n2000" + kLine1.substr(1) + "\r\n");
  const std::string m1005 = GetMessageText(1005);
  const std::string missing = folder.File("missing.vfd");
  const std::pair<Args, std::string> cases[] = {
      {{folder.Write("p.vfd", kLine1 + "\r\n" + kLine2 + "\r\n")},
       "0|" + kLine1 + "\n2902,\xb0\x43,6000,2,1,\"0, 1\",1,12902,256,8000,a\\b,q,,,,,,,20,32\n|"},
      {{"--json",
        folder.Write("p.vf_", kLine2 + "\r\n" + kLine2 + "\r\n[Model_1]\r\nModelName=X\r\n")},
       "0|{\"status\":0,\"records\":[" + record + "," + record + "]}\n|"},
      {{folder.Write("e.vfd", ""), "--json"}, "0|{\"status\":0,\"records\":[]}\n|"},
      {{refused, "--json"},
       "1|{\"status\":1005,\"message\":\"" + m1005 + "\",\"records_read\":2}\n|" + refused +
           ": 1005: " + m1005 + "\n"},
      {{missing},
       "1||" + missing + ": 1015: " + GetMessageText(1015) + ": " + MissingReason() + "\n"},
  };
  for (const auto& [args, expected] : cases) EXPECT_EQ(Show(args), expected) << args.front();
}

TEST(ShowTest, UsageErrors) {
  for (const Args& args : {Args{}, Args{"a", "b"}, Args{"--xml", "a"}, Args{"--json"}}) {
    const std::string run = Show(args);
    EXPECT_EQ(run.substr(0, 3), "2||") << run;
    EXPECT_GT(run.size(), 3u);  // a usage line on stderr
  }
}

}  // namespace
}  // namespace pfedit::cli
