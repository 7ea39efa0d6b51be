#include "tools/gendata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "file_checks.h"
#include "paramfile/parameter_file.h"
#include "support/temp_folder.h"

namespace pfedit::gendata {
namespace {

// The editor must read everything the generator writes and write it back
// unchanged (so in its own layout), or benchmarks would measure files the
// editor never meets. Over 256 models the reader takes the first 256.
TEST(GeneratedFolder, ReadersTakeEveryFileAndWritersGiveTheSameBytes) {
  for (const auto& [models, rows] : {std::pair{1, 1}, {7, 1038}, {4, kDefaultRows}, {300, 2}}) {
    SCOPED_TRACE(std::to_string(models) + " models, " + std::to_string(rows) + " rows");
    const test::TempFolder temp;
    const std::string folder = temp.File("generated");
    ASSERT_TRUE(WriteSampleFolder(folder, models, rows));

    const test::FolderContents contents = test::ExpectFolderRoundTrips(folder);
    const ModelCatalogue& read = contents.catalogue.models;
    ASSERT_EQ(read.size(), static_cast<std::size_t>(std::min(models, 256)));
    EXPECT_EQ(contents.catalogue.overflow, models > 256);
    for (std::size_t i = 0; i < read.size(); ++i) {
      EXPECT_EQ(ParameterFileNames(static_cast<int>(i)), test::ParameterFilesOf(read[i]));
    }
    for (const auto& [name, records] : contents.files) {
      EXPECT_EQ(records.size(), static_cast<std::size_t>(rows)) << name;
    }
  }
}

TEST(GeneratedFolder, ShowsEveryKindOfModel) {
  const CatalogueReadResult read = ReadCatalogueText(CatalogueText(12), '.');
  ASSERT_EQ(read.status, 0);
  test::ExpectEveryKindOfModel(read.models);
}

// Parameter numbers are unique while the rows leave room for every number.
TEST(GeneratedFolder, DefaultRowCountRepeatsNumbersOnlyBeyondTheUniqueOnes) {
  for (const int rows : {1038, kDefaultRows}) {
    std::set<std::string> numbers;
    for (const ParameterRecord& record :
         ReadParameterText(ParameterFileText(0, rows), '.').records) {
      numbers.insert(record.ParamNo);
    }
    EXPECT_EQ(numbers.size(), 1038u) << rows;
  }
}

TEST(GeneratedFolder, SameSizesGiveTheSameBytes) {
  EXPECT_EQ(CatalogueText(9), CatalogueText(9));
  EXPECT_EQ(ParameterFileText(5, 300), ParameterFileText(5, 300));
  EXPECT_NE(ParameterFileText(5, 300), ParameterFileText(6, 300));
}

TEST(GeneratedFolder, RefusesSizesOutsideItsLimitsOrAFolderItCannotMake) {
  const test::TempFolder temp;
  const std::string plain_file = temp.Write("plain", "x");
  EXPECT_FALSE(WriteSampleFolder(JoinPath(plain_file, "below"), 1, 1));
  for (const auto& [models, rows] :
       {std::pair{0, 1}, {1, 0}, {kMaxGeneratedModels + 1, 1}, {1, kMaxGeneratedRows + 1}}) {
    EXPECT_FALSE(WriteSampleFolder(temp.File("out"), models, rows)) << models << " x " << rows;
    EXPECT_FALSE(temp.Has("out"));
  }
}

}  // namespace
}  // namespace pfedit::gendata
