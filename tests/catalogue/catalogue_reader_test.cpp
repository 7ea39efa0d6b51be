#include "catalogue/catalogue_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "catalogue/catalogue_text.h"
#include "core/messages.h"

namespace pfedit {
namespace {

using test::KeyChanges;
using test::Section;

CatalogueReadResult Read(const std::string& text, char separator = '.') {
  return ReadCatalogueText(text, separator);
}

// One section with lines changed: the status, and the value a field then holds.
TEST(CatalogueReaderTest, KeysOfOneSection) {
  struct Case {
    KeyChanges changes;
    Status status;
    std::string ModelRecord::*field = nullptr;
    std::string expected = "";
  };
  const std::vector<Case> cases{
      {{{"ModelName", std::nullopt}}, 1042},
      {{{"ModelName", "\" QX-A \""}}, 0, &ModelRecord::ModelName, "QX-A"},
      {{{"ModelCode1", "&H0a0b0c0d"}}, 1043},
      {{{"ModelCode2", "0x0000000G"}}, 1044},
      {{{"ModelCode5", "\" \""}}, 1045},                        // present, blank once trimmed
      {{{"ModelCode5", ""}}, 0, &ModelRecord::ModelCode5, ""},  // empty counts as missing
      {{{"ModelCode5", "&H80413100"}}, 0, &ModelRecord::ModelCode5, "&H80413100"},
      {{{"ComResource", "000"}}, 1046},
      {{{"ComResource", "0101"}}, 1046},
      {{{"ComResource", "012"}}, 1046},
      {{{"ComResource", "' 100 '"}}, 0, &ModelRecord::ComResource, "100"},
      {{{"ParamFile", std::nullopt}}, 1047},
      {{{"FilterFile", ""}}, 1048},
      {{{"HelpFile", std::nullopt}}, 1049},
      {{{"Capacity1", std::nullopt}, {"Capacity2", "1"}}, 1050},
      {{{"Current01_1", std::nullopt}}, 1051},
      {{{"Current02_1", ""}}, 1052},
      {{{"Current04_1", std::nullopt}}, 1054},
      {{{"TypeName1", std::nullopt}}, 1055},
      {{{"OptionSlotCnt", "\" 2\""}}, 0, &ModelRecord::OptionSlotCnt, "2"},
      {{{"OptionSlotCnt", "two"}}, 0, &ModelRecord::OptionSlotCnt, ""},
  };
  for (const Case& c : cases) {
    const CatalogueReadResult result = Read(Section("M", c.changes));
    const std::string& key = c.changes.begin()->first;
    EXPECT_EQ(result.status, c.status) << key;
    EXPECT_TRUE(c.status == 0 || HasMessage(c.status)) << key;
    if (c.field != nullptr) {
      EXPECT_EQ(result.models.at(0).*c.field, c.expected) << key;
    }
  }
}

TEST(CatalogueReaderTest, SectionsOfTheFile) {
  const std::string good = Section("Model_1");
  std::string long_names;  // overflow the 2560 characters of the name list
  for (int i = 0; i < 100; ++i) {
    long_names += Section(("Model_" + std::to_string(i) + "_").append(16, 'x'));
  }
  const std::vector<std::tuple<const char*, std::string, Status>> cases{
      {"no section", "ModelName=x\r\n", 1041},
      {"byte order mark before the first header", "\xEF\xBB\xBF" + test::Sections(100), 0},
      {"byte order mark only once", "\xEF\xBB\xBF\xEF\xBB\xBF" + good, 1041},
      {"second section faulty", good + Section("M2", {{"TypeName1", std::nullopt}}), 1055},
      // The reader asks for the names it was given, not for keys anywhere.
      {"keys under another section", "[A]\r\n[B]\r\n" + good.substr(good.find('\n') + 1), 1042},
      // The last name that still gets room is cut, and no section has that name.
      {"long names", long_names, 1042},
      {"as many short names", test::Sections(100), 0},
  };
  for (const auto& [what, text, status] : cases) {
    const CatalogueReadResult result = Read(text);
    EXPECT_EQ(result.status, status) << what;
    EXPECT_EQ(result.models.size(), status == 0 ? 100u : 0u) << what;  // all or none
  }
}

// Numbered families end at the first gap; capacities and currents take the
// locale's separator, other values are never touched.
TEST(CatalogueReaderTest, NumberedFamiliesAndTheLocaleSeparator) {
  const std::string text = Section("M", {{"Capacity1", "0.75"},
                                         {"Capacity2", "75,5"},
                                         {"Capacity4", "3.7"},
                                         {"Current01_1", "2.5"},
                                         {"Current01_2", "5"},
                                         {"Current01_3", "6"},
                                         {"TypeName1", "0.5"},
                                         {"TypeName2", ""},
                                         {"TypeName3", "x"}});
  const ModelRecord comma = Read(text, ',').models.at(0);
  EXPECT_EQ(comma.Capacity, (TextList{"0,75", "75,5"}));
  EXPECT_EQ(comma.Current01, (TextList{"2,5", "5", "6"}));  // currents are counted on their own
  EXPECT_EQ(comma.TypeName, TextList{"0.5"});
  EXPECT_EQ(comma.CapacityClass, kClassBoth);
  EXPECT_EQ(Read(text, '.').models.at(0).Capacity, (TextList{"0.75", "75.5"}));
}

TEST(CatalogueReaderTest, OptionLists) {
  struct Case {
    const char* what;
    KeyChanges changes;
    TextList optionxx, values;
  };
  const std::vector<Case> cases{
      {"none", {}, {""}, {""}},
      // The value key matches without regard to case.
      {"union without repeats, case-sensitive, starting with slot 1 as it is",
       {{"Option02_1", "a"}, {"Option02_2", "A"}, {"Option02_3", "a"}, {"a", "1"}},
       {"", "a", "A"},
       {"", "1", "1"}},
      {"explicit list wins",
       {{"Option01_1", "A"}, {"OptionXX_1", "Z"}, {"OptionXX_2", "A"}, {"Z", "vz"}},
       {"Z", "A"},
       {"vz", ""}},
      {"long lists",
       [] {
         // Past 32 names the repeats are found another way.
         KeyChanges changes{{"Option01_1", "A"},
                            {"Option02_41", "A"},
                            {"Option02_42", "n5"},
                            {"Option02_43", "B"}};
         for (int i = 0; i < 40; ++i) {
           changes["Option02_" + std::to_string(i + 1)] = "n" + std::to_string(i);
         }
         return changes;
       }(),
       [] {
         TextList names{"A"};
         for (int i = 0; i < 40; ++i) names.push_back("n" + std::to_string(i));
         names.push_back("B");
         return names;
       }(),
       TextList(42, "")},
      {"empty first entry means no list",
       {{"Option01_1", "A"}, {"OptionXX_1", ""}, {"OptionXX_2", "Z"}},
       {"A"},
       {""}},
  };
  for (const Case& c : cases) {
    const CatalogueReadResult result = Read(Section("M", c.changes));
    ASSERT_EQ(result.status, 0) << c.what;
    const ModelRecord& model = result.models[0];
    EXPECT_EQ(model.Option03, TextList{""}) << c.what;  // a missing list holds one empty name
    EXPECT_EQ(model.OptionXX, c.optionxx) << c.what;
    EXPECT_EQ(model.OptionValues.names, c.optionxx) << c.what;
    EXPECT_EQ(model.OptionValues.values, c.values) << c.what;
  }
}

TEST(CatalogueReaderTest, LongFamiliesReadInLinearTime) {
  KeyChanges changes;
  for (int i = 2; i <= 50000; ++i) changes["Capacity" + std::to_string(i)] = "1";
  EXPECT_EQ(Read(Section("M", changes)).models.at(0).Capacity.size(), 50000u);
}

// The mark goes before the 4 characters ahead of the last '-'.
TEST(CatalogueReaderTest, InsertLargeCapacityMark) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"abcd1234-x.vfd", "abcdl1234-x.vfd"},
      {"abcd1234.vfd", "abcdl1234.vfd"},
      {"qx-ab1234-y.vfd", "qx-abl1234-y.vfd"},
      {"ab-x.vfd", "lab-x.vfd"},
      {"a.vfd", "la.vfd"},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(InsertLargeCapacityMark(name), expected);
}

}  // namespace
}  // namespace pfedit
