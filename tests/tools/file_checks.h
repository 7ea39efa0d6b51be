#pragma once

// Checks shared by the tests of the generated and the sample edit folders.

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

// The parameter files a folder must hold for a model: the small-capacity one
// named by ParamFile and the large-capacity one with the 'l' mark.
inline std::vector<std::string> ParameterFilesOf(const ModelRecord& model) {
  std::vector<std::string> names;
  if (model.CapacityClass != kClassLarge) names.push_back(model.ParamFile);
  if (model.CapacityClass != kClassSmall) names.push_back(InsertLargeCapacityMark(model.ParamFile));
  return names;
}

// A folder exercises every path of the editor when its catalogue shows every
// capacity class, models with and without options, a slot count, a special
// name and four different ratings.
inline void ExpectEveryKindOfModel(const ModelCatalogue& models) {
  std::set<int> classes;
  std::set<std::string> kinds;
  for (const ModelRecord& model : models) {
    classes.insert(model.CapacityClass);
    kinds.insert(model.OptionXX.front().empty() ? "without options" : "with options");
    if (!model.OptionSlotCnt.empty()) kinds.insert("slot count");
    if (model.ModelCode5 != "0x80000000") kinds.insert("special name");
    if (model.Current01 != model.Current04) kinds.insert("four ratings");
  }
  EXPECT_EQ(classes, (std::set<int>{kClassLarge, kClassSmall, kClassBoth}));
  EXPECT_EQ(kinds, (std::set<std::string>{"four ratings", "slot count", "special name",
                                          "with options", "without options"}));
}

}  // namespace pfedit::test
