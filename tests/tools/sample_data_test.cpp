// The sample edit folder shipped beside the program is what a new user opens
// first; every file must load and survive a save unchanged.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "file_checks.h"

namespace pfedit {
namespace {

TEST(SampleData, EveryFileLoadsAndIsWrittenBackUnchanged) {
  const test::FolderContents sample = test::ExpectFolderRoundTrips(PFEDIT_SAMPLE_DIR);
  test::ExpectEveryKindOfModel(sample.catalogue.models);
  int second_parameters = 0;
  int hidden_rows = 0;
  int names_with_commas = 0;
  std::set<std::string> expected_files{std::string(kCatalogueFileName)};
  for (const auto& [name, records] : sample.files) {
    expected_files.insert(name);
    EXPECT_GE(records.size(), 100u) << name;
    // A saved list never holds one number twice, so neither may the sample.
    std::set<std::string> numbers;
    for (const ParameterRecord& record : records) {
      EXPECT_TRUE(numbers.insert(record.ParamNo).second) << name << " Pr " << record.ParamNo;
      second_parameters += record.ParamNo.size() == 4 && record.ParamNo[0] == '2';
      hidden_rows += record.DisplayCode == "1";
      names_with_commas += record.ParamName.find(',') != std::string::npos;
    }
  }
  EXPECT_GT(second_parameters, 0);
  EXPECT_GT(hidden_rows, 0);
  EXPECT_GT(names_with_commas, 0);
  std::set<std::string> present_files;
  for (const auto& entry : std::filesystem::directory_iterator(PFEDIT_SAMPLE_DIR)) {
    present_files.insert(entry.path().filename().string());
  }
  EXPECT_EQ(present_files, expected_files) << "a file without a model, or a model without file";
}

}  // namespace
}  // namespace pfedit
