#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "catalogue/catalogue_text.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace pfedit::cli {
namespace {

struct Outcome {
  int status = 0;
  std::string out;
  std::string err;
};

Outcome Export(Args args, FileSystem& files = RealFileSystem()) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunExportWith(args, out, err, files);
  return {status, out.str(), err.str()};
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The sample folder: 1 QX-E720 small, 2 QX-A740 both classes, 3 QX-A760
// large. OUT stands for the output path.
TEST(ExportCommand, PositionsClassesAndOutput) {
  struct Case {
    Args args;  // after FOLDER
    int status;
    std::string out;
    bool usage = false;  // stderr holds a usage error
  };
  const Case cases[] = {
      {{"1", "OUT"}, 0, "exported QX-E720 (small) to OUT\n"},
      {{"3", "OUT", "--json"},
       0,
       "{\"status\":0,\"model\":\"QX-A760\",\"class\":1,\"records\":168,\"path\":\"OUT\"}\n"},
      {{"2", "OUT", "--class", "small"}, 0, "exported QX-A740 (small) to OUT\n"},
      {{"2", "--class", "large", "OUT"}, 0, "exported QX-A740 (large) to OUT\n"},
      {{"2", "OUT"}, 2, "", true},                       // both classes: --class is needed
      {{"1", "OUT", "--class", "large"}, 2, "", true},   // a class the model lacks
      {{"1", "OUT", "--class", "medium"}, 2, "", true},  //
      {{"1", "OUT", "--class"}, 2, "", true},            //
      {{"0", "OUT"}, 2, "", true},                       // positions count from 1
      {{"7", "OUT"}, 2, "", true},                       // six models
      {{"+1", "OUT"}, 2, "", true},                      //
      {{"1"}, 2, "", true},                              //
      {{"1", "OUT", "--force"}, 2, "", true},            //
  };
  for (const Case& c : cases) {
    const test::TempFolder folder;
    const std::string out = folder.File("out.vf_");
    Args args{PFEDIT_SAMPLE_DIR};
    for (const std::string& arg : c.args) args.push_back(arg == "OUT" ? out : arg);
    const Outcome run = Export(args);
    const std::string what = c.args.at(0) + (c.args.size() > 2 ? " " + c.args.at(2) : "");
    EXPECT_EQ(run.status, c.status) << what;
    EXPECT_EQ(run.out, Replace(Replace(c.out, "\"OUT\"", JsonString(out)), "OUT", out)) << what;
    EXPECT_EQ(
        run.err.find("usage") != std::string::npos || run.err.find("--help") != std::string::npos,
        c.usage)
        << what << ": " << run.err;
    EXPECT_EQ(folder.Has("out.vf_"), c.status == 0) << what;
  }
  // What was written reads back as one model of the chosen class.
  const test::TempFolder folder;
  Export({PFEDIT_SAMPLE_DIR, "2", folder.File("a.vf_"), "--class", "large"});
  std::ostringstream list;
  std::ostringstream err;
  EXPECT_EQ(RunCli({"list", folder.File("a.vf_")}, list, err), 0);
  EXPECT_EQ(list.str(), "1\tQX-A740\tlarge\tqx_a740l_a01.vfd\n");
}

// Every box the editor would show is one line on stderr, and a list that
// fails the check is reported as check reports it; nothing is written.
TEST(ExportCommand, MessagesAndRefusedCheck) {
  using test::Section;
  const std::string good = "1,A,100,2,1,0-9,0,10001,0,257,,,,,,,,,10,0\r\n";
  struct Case {
    const char* what;
    std::string catalogue;
    std::string list;  // qx_a700.vfd, the file of the test section
    std::string out_name;
    bool fail_replace;
    std::string out;
    std::string err;  // FOLDER, OUT stand for the paths
  };
  const Case cases[] = {
      {"a standard model, hidden from the Edit list, is exported", Section("Model_1"), good,
       "out.vf_", false, "exported QX-A700 (small) to OUT\n", ""},
      {"faults", Section("Model_1"), good + "1,,100,2,1,0-9,0,10001,0,257,,,,,,,,,10,0\r\n",
       "out.vf_", false,
       "FOLDER/qx_a700.vfd:2: Pr 1: Name: Data is not set.\n"
       "FOLDER/qx_a700.vfd:1: Pr 1: Pr: There are overlapping parameter numbers. Check for "
       "overlapping parameter numbers.\n2 faults\n",
       ""},
      {"missing list", Section("Model_1"), "", "out.vf_", false, "",
       "FOLDER/qx_a700.vfd: 1007: File does not exist, or file corrupted.\n"},
      {"bad record", Section("Model_1"), "1,A,0,4,0,,0,1,0,0,,,,,,,,,10,0\r\n", "out.vf_", false,
       "",
       "FOLDER/qx_a700.vfd: 1005: Data format of the file is different. Unable to read this "
       "file.\n"},
      {"bad catalogue", Section("Model_1", {{"ComResource", "000"}}), good, "out.vf_", false, "",
       "FOLDER/tarvo_param.vfd: 1091: Failed to read file. Communication resource could not be "
       "read. \n"},
      {"missing folder", Section("Model_1"), good, "none/out.vf_", false, "",
       "OUT: 1006: The specified path does not exist. Check the path, and then try again.\n"},
      {"replacement fails", Section("Model_1"), good, "out.vf_", true, "",
       "OUT: 1010: Failed to write file. Temporary file is saved in a following location. OUT~0 "
       "Perform file writing again. If the file writing fails for more than twice, use a "
       "temporary file. Change the file extension to \"vf_\" to use the temporary file.\n"},
  };
  for (const Case& c : cases) {
    const test::TempFolder folder;
    folder.Write("tarvo_param.vfd", c.catalogue);
    if (!c.list.empty()) folder.Write("qx_a700.vfd", c.list);
    const std::string out = folder.File(c.out_name);
    test::FaultyFileSystem files;
    files.fail_replace = c.fail_replace;
    const Outcome run = Export({folder.path(), "1", out}, files);
    const auto paths = [&](const std::string& text) {
      return Replace(Replace(text, "OUT", out), "FOLDER/", folder.File(""));
    };
    EXPECT_EQ(run.status, c.err.empty() && c.out.find("fault") == std::string::npos ? 0 : 1)
        << c.what;
    EXPECT_EQ(run.out, paths(c.out)) << c.what;
    EXPECT_EQ(run.err, paths(c.err)) << c.what;
    EXPECT_EQ(folder.Has(c.out_name), run.status == 0) << c.what;
  }
}

}  // namespace
}  // namespace pfedit::cli
