#include "tools/gendata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "core/paths.h"
#include "file_checks.h"
#include "paramfile/parameter_file.h"
#include "support/temp_folder.h"

namespace pfedit::gendata {
namespace {

using test::CrLfLines;
using test::FieldCount;
using test::HasOnlyCrLfLines;
using test::ReadBytes;

struct Size {
  int models;
  int rows;
};

class GeneratedFolderTest : public ::testing::TestWithParam<Size> {};

// The editor must read everything the generator writes and write it back
// unchanged, or benchmarks would measure files the editor never meets.
TEST_P(GeneratedFolderTest, ReadersTakeEveryFileAndWritersGiveTheSameBytes) {
  const Size size = GetParam();
  const test::TempFolder temp;
  const std::string folder = temp.File("generated");
  ASSERT_TRUE(WriteSampleFolder(folder, size.models, size.rows));

  const std::string catalogue = ReadBytes(JoinPath(folder, kCatalogueFileName));
  EXPECT_TRUE(HasOnlyCrLfLines(catalogue));
  const CatalogueReadResult read = ReadCatalogueText(catalogue, '.');
  ASSERT_EQ(read.status, 0);
  const std::size_t taken = std::min<std::size_t>(static_cast<std::size_t>(size.models), 256);
  ASSERT_EQ(read.models.size(), taken);
  EXPECT_EQ(read.overflow, size.models > 256);
  if (!read.overflow) {
    EXPECT_EQ(FormatCatalogue(read.models), catalogue);
  }

  for (std::size_t i = 0; i < taken; ++i) {
    const ModelRecord& model = read.models[i];
    const std::vector<std::string> expected_names = test::ParameterFilesOf(model);
    ASSERT_EQ(ParameterFileNames(static_cast<int>(i)), expected_names) << model.ModelName;

    for (const std::string& name : expected_names) {
      const std::string text = ReadBytes(JoinPath(folder, name));
      EXPECT_TRUE(HasOnlyCrLfLines(text)) << name;
      const std::vector<std::string> lines = CrLfLines(text);
      EXPECT_EQ(lines.size(), static_cast<std::size_t>(size.rows)) << name;
      for (const std::string& line : lines) ASSERT_EQ(FieldCount(line), 20u) << line;
      const ParameterReadResult records = ReadParameterText(text, '.');
      ASSERT_EQ(records.status, 0) << name << " record " << records.records_read;
      EXPECT_EQ(ParameterFileText(records.records), text) << name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, GeneratedFolderTest,
                         ::testing::Values(Size{1, 1}, Size{3, 120}, Size{7, 1038},
                                           Size{4, kDefaultRows}, Size{300, 2}),
                         [](const ::testing::TestParamInfo<Size>& info) {
                           return std::to_string(info.param.models) + "Models" +
                                  std::to_string(info.param.rows) + "Rows";
                         });

TEST(GeneratedFolder, ShowsEveryKindOfModel) {
  const CatalogueReadResult read = ReadCatalogueText(CatalogueText(12), '.');
  ASSERT_EQ(read.status, 0);
  test::ExpectEveryKindOfModel(read.models);
}

TEST(GeneratedFolder, DefaultRowCountRepeatsNumbersOnlyBeyondTheUniqueOnes) {
  const auto numbers_of = [](int rows) {
    const ParameterReadResult read = ReadParameterText(ParameterFileText(0, rows), '.');
    std::vector<std::string> numbers;
    for (const ParameterRecord& record : read.records) numbers.push_back(record.ParamNo);
    return numbers;
  };
  const std::vector<std::string> all_unique = numbers_of(1038);
  EXPECT_EQ(std::set<std::string>(all_unique.begin(), all_unique.end()).size(), 1038u);
  const std::vector<std::string> with_repeats = numbers_of(kDefaultRows);
  EXPECT_EQ(std::set<std::string>(with_repeats.begin(), with_repeats.end()).size(), 1038u);
}

TEST(GeneratedFolder, SameSizesGiveTheSameBytes) {
  EXPECT_EQ(CatalogueText(9), CatalogueText(9));
  EXPECT_EQ(ParameterFileText(5, 300), ParameterFileText(5, 300));
  EXPECT_NE(ParameterFileText(5, 300), ParameterFileText(6, 300));
}

TEST(GeneratedFolder, RefusesSizesOutsideItsLimitsAndWritesNothing) {
  const std::vector<Size> refused = {
      {0, 1}, {1, 0}, {-1, 10}, {kMaxGeneratedModels + 1, 1}, {1, kMaxGeneratedRows + 1}};
  for (const Size& size : refused) {
    const test::TempFolder temp;
    EXPECT_FALSE(WriteSampleFolder(temp.File("out"), size.models, size.rows))
        << size.models << " models, " << size.rows << " rows";
    EXPECT_FALSE(temp.Has("out"));
  }
}

TEST(GeneratedFolder, FailsWhenTheFolderCannotBeMade) {
  const test::TempFolder temp;
  const std::string file = temp.Write("plain", "x");
  EXPECT_FALSE(WriteSampleFolder(JoinPath(file, "below"), 1, 1));
}

}  // namespace
}  // namespace pfedit::gendata
