// The sample edit folder shipped beside the program is what a new user opens
// first; every file must load and survive a save unchanged.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "core/paths.h"
#include "file_checks.h"
#include "paramfile/parameter_file.h"

namespace pfedit {
namespace {

const std::string kSampleFolder = PFEDIT_SAMPLE_DIR;

TEST(SampleData, CatalogueIsWhatTheWriterWritesAndShowsEveryKindOfModel) {
  const std::string text = test::ReadBytes(JoinPath(kSampleFolder, kCatalogueFileName));
  const CatalogueReadResult read = ReadCatalogueText(text, '.');
  ASSERT_EQ(read.status, 0);
  EXPECT_EQ(FormatCatalogue(read.models), text);
  test::ExpectEveryKindOfModel(read.models);
}

TEST(SampleData, EveryParameterFileLoadsAndIsWrittenBackUnchanged) {
  const CatalogueReadResult read =
      ReadCatalogueText(test::ReadBytes(JoinPath(kSampleFolder, kCatalogueFileName)), '.');
  ASSERT_EQ(read.status, 0);
  std::set<std::string> expected_files;
  int second_parameters = 0;
  int hidden_rows = 0;
  int names_with_commas = 0;
  for (const ModelRecord& model : read.models) {
    for (const std::string& name : test::ParameterFilesOf(model)) {
      SCOPED_TRACE(name);
      expected_files.insert(name);
      const std::string text = test::ReadBytes(JoinPath(kSampleFolder, name));
      const ParameterReadResult records = ReadParameterText(text, '.');
      ASSERT_EQ(records.status, 0) << "record " << records.records_read;
      EXPECT_GE(records.records.size(), 100u);
      EXPECT_EQ(ParameterFileText(records.records), text);

      // A saved list never holds one number twice, so neither may the sample.
      std::set<std::string> numbers;
      for (const ParameterRecord& record : records.records) {
        EXPECT_TRUE(numbers.insert(record.ParamNo).second) << "Pr " << record.ParamNo;
        second_parameters += record.ParamNo.size() == 4 && record.ParamNo[0] == '2';
        hidden_rows += record.DisplayCode == "1";
        names_with_commas += record.ParamName.find(',') != std::string::npos;
      }
    }
  }
  EXPECT_GT(second_parameters, 0);
  EXPECT_GT(hidden_rows, 0);
  EXPECT_GT(names_with_commas, 0);

  std::set<std::string> present_files;
  for (const auto& entry : std::filesystem::directory_iterator(kSampleFolder)) {
    const std::string name = entry.path().filename().string();
    if (name != kCatalogueFileName) present_files.insert(name);
  }
  EXPECT_EQ(present_files, expected_files) << "a file without a model, or a model without file";
}

}  // namespace
}  // namespace pfedit
