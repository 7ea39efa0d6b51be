#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/commands.h"
#include "support/temp_folder.h"

namespace pfedit::cli {
namespace {

// One record line (no line end) with the fields a fixture varies.
std::string Rec(const std::string& pr, const std::string& name, const std::string& range = "0-9",
                const std::string& display = "0") {
  return pr + "," + name + ",100,2,1," + range + ",0,1" + pr + "," + display + ",257,,,,,,,,,10,0";
}

struct CheckRun {
  int status = 0;
  std::string out;
  std::string err;
};

CheckRun Check(const Args& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(CheckCommand, TextNamesEachFaultByFileLineInMarkingOrder) {
  struct Case {
    const char* what;
    std::string bytes;
    int status;
    std::string out;  // with FILE for the path
  };
  const Case cases[] = {
      {"passing, with a record the grid never shows",
       Rec("1", "A") + "\r\n" + Rec("1", "Hidden", "0-9", "5") + "\r\n", 0, "No error.\n"},
      {"empty name after a hidden record",
       Rec("1", "Hidden", "0-9", "5") + "\n" + Rec("3", "") + "\n", 1,
       "FILE:2: Pr 3: Name: Data is not set.\n1 fault\n"},
      {"double quote, and the rows sorted away from file order",
       Rec("9", "A") + "\n" + Rec("4", "say\"x\"") + "\n", 1,
       "FILE:2: Pr 4: Name: Double quotation mark cannot be set.\n1 fault\n"},
      // The duplicate is marked after the row scan, on the row sorted last by name.
      {"duplicate; a quoted line break and a lone CR count as lines",
       Rec("7", "\"two\r\nlines\"") + "\r" + Rec("7", "B", "") + "\r", 1,
       "FILE:3: Pr 7: Setting Range: Data is not set.\n"
       "FILE:1: Pr 7: Pr: There are overlapping parameter numbers. Check for overlapping "
       "parameter numbers.\n2 faults\n"},
      {"export file: the model section is no record, a byte order mark no line",
       "\xef\xbb\xbf" + Rec("2", "") + "\r\n[Model_1]\r\nModelName=X\r\n", 1,
       "FILE:1: Pr 2: Name: Data is not set.\n1 fault\n"},
  };
  const test::TempFolder folder;
  for (const Case& c : cases) {
    const std::string path = folder.Write("p.vfd", c.bytes);
    const CheckRun run = Check({"check", path});
    std::string want = c.out;
    for (std::size_t at; (at = want.find("FILE")) != std::string::npos;) want.replace(at, 4, path);
    EXPECT_EQ(run.status, c.status) << c.what;
    EXPECT_EQ(run.out, want) << c.what;
    EXPECT_EQ(run.err, "") << c.what;
  }
}

TEST(CheckCommand, JsonGivesSortedRowsGridColumnsAndSecondParameters) {
  const test::TempFolder folder;
  const std::string path =
      folder.Write("p.vfd", Rec("2903", "A") + "\n" + Rec("1", "B", "", "5") + "\n" +
                                Rec("2903", "\xb0") + "\n" + Rec("903", "C") + "\n");
  const CheckRun run = Check({"check", "--json", path});
  EXPECT_EQ(run.status, 1);
  // 903 sorts before the two second parameters 903; the hidden record counts
  // for the lines but gives no row.
  EXPECT_EQ(run.out,
            "{\"status\":0,\"passed\":false,\"rows\":3,\"faults\":[{\"line\":3,\"row\":3,"
            "\"column\":1,\"code\":3,\"pr\":\"903\",\"pr2\":1,\"message\":\"There are "
            "overlapping parameter numbers. Check for overlapping parameter numbers.\"}]}\n");

  const std::string passing = folder.Write("ok.vfd", Rec("0", "A") + "\n");
  EXPECT_EQ(Check({"check", passing, "--json"}).out,
            "{\"status\":0,\"passed\":true,\"rows\":1,\"faults\":[]}\n");
}

TEST(CheckCommand, UnreadableFilesAndUsageErrorsGiveStatusTwo) {
  const test::TempFolder folder;
  const std::string missing = folder.File("missing.vfd");
  const std::string bad = folder.Write("bad.vfd", Rec("1000", "A") + "\n");
  const std::string unclosed = folder.Write("open.vfd", "1,\"A\n");
  struct Case {
    Args args;
    std::string out;
    std::string err_start;
  };
  const Case cases[] = {
      {{"check", missing, "--json"},
       "{\"status\":1015,\"message\":\"Failed to read file. Closing the reading process.\"}\n",
       missing + ": 1015: Failed to read file. Closing the reading process.: "},
      {{"check", bad}, "", bad + ": 1005: "},
      {{"check", unclosed}, "", unclosed + ": 1015: "},
      {{"check"}, "", "pfedit-cli: check takes exactly one"},
      {{"check", bad, bad}, "", "pfedit-cli: check takes exactly one"},
      {{"check", bad, "--text"}, "", "pfedit-cli: check: unknown option '--text'"},
  };
  for (const Case& c : cases) {
    const CheckRun run = Check(c.args);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err.rfind(c.err_start, 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

}  // namespace
}  // namespace pfedit::cli
