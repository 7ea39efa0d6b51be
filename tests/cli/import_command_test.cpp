#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_text.h"
#include "catalogue/catalogue_writer.h"
#include "cli/commands.h"
#include "core/paths.h"
#include "support/temp_folder.h"

namespace pfedit::cli {
namespace {

using pfedit::test::Section;

// One record line with its line end.
std::string Rec(const std::string& pr, const std::string& name = "A") {
  return pr + "," + name + ",100,2,1,0-9,0,1" + pr + ",0,257,,,,,,,,,10,0\r\n";
}

// An export file of a small model with the given identity and list.
std::string ExportFile(const std::string& code1, const std::string& param_file,
                       const std::string& records) {
  const ModelRecord model =
      ReadCatalogueText(
          Section("Model_1",
                  {{"ModelCode1", code1}, {"ModelName", "QX-NEW"}, {"ParamFile", param_file}}),
          '.')
          .models.at(0);
  return records + FormatExportSection(model, kClassSmall);
}

// Import into a folder of two models, QX-A700 (a.vfd) and QX-B, in every way
// a script meets: a new model, a replaced one with and without --yes, a
// position, a list the check refuses, an unreadable file and usage errors.
TEST(ImportCommand, SavesAsFileSaveDoesOrSaysWhyNot) {
  struct Case {
    const char* what;
    std::vector<std::string> options;
    std::string code1;  // of the imported model; 0x01000000 is QX-A700's
    std::string records;
    int status;
    std::string out;       // FOLDER for the folder
    std::string err_part;  // a part of stderr
    bool written;
    bool full = false;  // 254 more models make 256
  };
  const std::string list = Rec("1") + Rec("2");
  const std::vector<Case> cases{
      {"new model, appended", {}, "0x05000000", list, 0, "added QX-NEW at 3\n", "", true},
      {"new model at a position, json",
       {"--position", "1", "--json"},
       "0x05000000",
       list,
       0,
       "{\"status\":0,\"action\":\"new\",\"model\":\"QX-NEW\",\"position\":1,"
       "\"paramfile\":\"FOLDER/n.vfd\"}\n",
       "",
       true},
      {"existing model without --yes",
       {},
       "0x01000000",
       list,
       1,
       "",
       "FOLDER/p.vfd: 1003: Overwriting a data. Do you want to proceed?\n",
       false},
      {"existing model with --yes",
       {"--yes"},
       "0x01000000",
       list,
       0,
       "replaced QX-NEW at 1\n",
       "",
       true},
      {"duplicate Pr",
       {"--yes"},
       "0x05000000",
       Rec("1") + Rec("1", "B"),
       1,
       "IN:2: Pr 1: Pr: There are overlapping parameter numbers. Check for overlapping "
       "parameter numbers.\n1 fault\n",
       "",
       false},
      {"bad record", {}, "0x05000000", "1,A\r\n", 1, "", "IN: 1015: ", false},
      {"position beyond the list",
       {"--position", "4"},
       "0x05000000",
       list,
       2,
       "",
       "--position must be 1 to 3",
       false},
      {"position no number", {"--position", "x"}, "0x05000000", list, 2, "", "--position", false},
      {"new model into 256",
       {"--yes"},
       "0x05000000",
       list,
       1,
       "",
       "FOLDER: 1065: New data cannot be created. (Maximum number of data is 256.)\n",
       false,
       true},
  };
  for (const Case& c : cases) {
    const test::TempFolder folder;
    std::string sections =
        Section("Model_1", {{"ParamFile", "p.vfd"}}) +
        Section("Model_2", {{"ModelName", "QX-B"}, {"ModelCode1", "0x02000000"}});
    for (int k = 3; c.full && k <= 256; ++k) {
      sections += Section("Model_" + std::to_string(k), {{"ModelName", "QX-" + std::to_string(k)}});
    }
    folder.Write("tarvo_param.vfd", sections);
    folder.Write("p.vfd", Rec("9"));
    const std::string catalogue = folder.Read("tarvo_param.vfd");
    // A new model brings its own parameter file, a replaced one QX-A700's.
    const std::string param_file = c.code1 == "0x01000000" ? "p.vfd" : "n.vfd";
    const std::string in = folder.Write("in.vf_", ExportFile(c.code1, param_file, c.records));
    Args args{"import", folder.path(), in};
    args.insert(args.end(), c.options.begin(), c.options.end());
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(args, out, err), c.status) << c.what << ": " << err.str();
    // Paths as the platform writes them: its own separator, and in JSON each
    // backslash escaped.
    const std::string sep(1, PathSeparator());
    const auto fill = [&](std::string text, bool json) {
      const auto put = [&](const std::string& mark, std::string path) {
        if (json) {
          for (std::size_t at = 0; (at = path.find('\\', at)) != std::string::npos; at += 2) {
            path.insert(at, 1, '\\');
          }
        }
        for (std::size_t at; (at = text.find(mark)) != std::string::npos;) {
          text.replace(at, mark.size(), path);
        }
      };
      put("FOLDER/", folder.path() + sep);
      put("FOLDER", folder.path());
      if (text.rfind("IN", 0) == 0) text.replace(0, 2, in);
      return text;
    };
    EXPECT_EQ(out.str(), fill(c.out, c.out.rfind("{", 0) == 0)) << c.what;
    const std::string err_part = fill(c.err_part, false);
    EXPECT_NE(err.str().find(err_part), std::string::npos) << c.what << ": " << err.str();
    EXPECT_EQ(folder.Read(param_file).find("\n2,A,") != std::string::npos, c.written) << c.what;
    EXPECT_EQ(folder.Read("tarvo_param.vfd") != catalogue, c.written) << c.what;
  }
}

}  // namespace
}  // namespace pfedit::cli
