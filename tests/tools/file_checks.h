#pragma once

// Checks shared by the tests of the generated and the sample edit folders.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "core/editor_state.h"
#include "core/paths.h"
#include "paramfile/parameter_file.h"

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

struct FolderContents {
  CatalogueReadResult catalogue;
  std::map<std::string, std::vector<ParameterRecord>> files;  // by name
};

// Reads a folder's catalogue and the parameter files of its models: every
// file must read without failure and be written back byte for byte (over 256
// models, the catalogue up to the last model taken).
inline FolderContents ExpectFolderRoundTrips(const std::string& folder) {
  FolderContents contents;
  const std::string catalogue = ReadBytes(JoinPath(folder, kCatalogueFileName));
  contents.catalogue = ReadCatalogueText(catalogue, '.');
  EXPECT_EQ(contents.catalogue.status, 0);
  const std::string written = FormatCatalogue(contents.catalogue.models);
  EXPECT_EQ(contents.catalogue.overflow ? catalogue.substr(0, written.size()) : catalogue, written);
  for (const ModelRecord& model : contents.catalogue.models) {
    for (const std::string& name : ParameterFilesOf(model)) {
      const std::string text = ReadBytes(JoinPath(folder, name));
      const ParameterReadResult read = ReadParameterText(text, '.');
      EXPECT_EQ(read.status, 0) << name << " record " << read.records_read;
      EXPECT_EQ(ParameterFileText(read.records), text) << name;
      contents.files[name] = read.records;
    }
  }
  return contents;
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
