#pragma once

// Checks of the data file layout shared by the tests of the generated and
// the sample edit folders.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "core/editor_state.h"

namespace pfedit::test {

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every line, the last one included, ends with CR LF, and no CR or LF stands
// anywhere else.
inline ::testing::AssertionResult HasOnlyCrLfLines(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool lone_cr = text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
    const bool lone_lf = text[i] == '\n' && (i == 0 || text[i - 1] != '\r');
    if (lone_cr || lone_lf) {
      return ::testing::AssertionFailure() << "bare line end at byte " << i;
    }
  }
  if (!text.empty() && text.back() != '\n') {
    return ::testing::AssertionFailure() << "last line has no line end";
  }
  return ::testing::AssertionSuccess();
}

// The lines of a CR LF text, without their line ends.
inline std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// Comma-separated fields of one parameter line; commas inside double quotes
// do not separate.
inline std::size_t FieldCount(const std::string& line) {
  std::size_t count = 1;
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') quoted = !quoted;
    if (c == ',' && !quoted) ++count;
  }
  return count;
}

// The parameter files a folder must hold for a model: the small-capacity one
// named by ParamFile and the large-capacity one with the 'l' mark.
inline std::vector<std::string> ParameterFilesOf(const ModelRecord& model) {
  std::vector<std::string> names;
  if (model.CapacityClass != kClassLarge) names.push_back(model.ParamFile);
  if (model.CapacityClass != kClassSmall) names.push_back(InsertLargeCapacityMark(model.ParamFile));
  return names;
}

// What kinds of model a catalogue shows, so that a folder can be checked to
// exercise every path of the editor.
struct CatalogueFeatures {
  std::set<int> classes;
  bool with_options = false;
  bool without_options = false;
  bool with_slot_count = false;
  bool with_special_name = false;
  bool with_four_ratings = false;
};

inline CatalogueFeatures FeaturesOf(const ModelCatalogue& models) {
  CatalogueFeatures features;
  for (const ModelRecord& model : models) {
    features.classes.insert(model.CapacityClass);
    (model.OptionXX.front().empty() ? features.without_options : features.with_options) = true;
    features.with_slot_count = features.with_slot_count || !model.OptionSlotCnt.empty();
    features.with_special_name = features.with_special_name || model.ModelCode5 != "0x80000000";
    features.with_four_ratings = features.with_four_ratings || model.Current01 != model.Current04;
  }
  return features;
}

inline void ExpectEveryKindOfModel(const ModelCatalogue& models) {
  const CatalogueFeatures features = FeaturesOf(models);
  EXPECT_EQ(features.classes, (std::set<int>{kClassLarge, kClassSmall, kClassBoth}));
  EXPECT_TRUE(features.with_options);
  EXPECT_TRUE(features.without_options);
  EXPECT_TRUE(features.with_slot_count);
  EXPECT_TRUE(features.with_special_name);
  EXPECT_TRUE(features.with_four_ratings);
}

}  // namespace pfedit::test
