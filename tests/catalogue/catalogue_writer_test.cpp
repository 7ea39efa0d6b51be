#include "catalogue/catalogue_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/catalogue_reader.h"

namespace pfedit {
namespace {

using Lines = std::vector<std::string>;

// The lines of the text that begin with the prefix, without their CR LF.
Lines LinesStartingWith(const std::string& text, const std::string& prefix) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(prefix, 0) == 0) lines.push_back(line.substr(0, line.size() - 1));
  }
  return lines;
}

ModelRecord SmallModel() {
  ModelRecord model;
  model.ModelName = "QX-A700";
  model.ModelCode1 = "0x01000000";
  model.ModelCode2 = "0x00000000";
  model.ComResource = "111";
  model.ParamFile = "qx_a700.vfd";
  model.FilterFile = "qx_a700.vff";
  model.HelpFile = "qx_a700.chm";
  model.Capacity = {"0.4", "0,75"};
  model.Current01 = {"1.5", "3,0"};
  model.Current02 = {"2.1"};  // shorter than the capacities, as after a damaged read
  model.Current03 = {"3.1", "3.2"};
  model.Current04 = {"4.1", "4.2"};
  model.TypeName = {"0,23"};
  model.CapacityClass = kClassSmall;
  return model;
}

TEST(CatalogueWriterTest, LayoutOfOneModel) {
  const std::string expected =
      "[Model_1]\r\nModelName=QX-A700\r\nModelCode1=0x01000000\r\nModelCode2=0x00000000\r\n"
      "ModelCode5=\r\n\r\nComResource=111\r\n\r\n"
      "ParamFile=qx_a700.vfd\r\nFilterFile=qx_a700.vff\r\nHelpFile=qx_a700.chm\r\n\r\n"
      "Capacity1=0.4\r\nCapacity2=0.75\r\n\r\n"
      "Current01_1=1.5\r\nCurrent02_1=2.1\r\nCurrent03_1=3.1\r\nCurrent04_1=4.1\r\n"
      "Current01_2=3.0\r\nCurrent02_2=\r\nCurrent03_2=3.2\r\nCurrent04_2=4.2\r\n\r\n"
      "TypeName1=0,23\r\n\r\n\r\nOptionXX_1=\r\n\r\n\r\n";
  EXPECT_EQ(FormatCatalogue({SmallModel()}), expected);
  EXPECT_EQ(FormatCatalogue({SmallModel(), SmallModel()}),
            expected + "[Model_2]" + expected.substr(9));
  EXPECT_EQ(FormatCatalogue({}), "");
}

TEST(CatalogueWriterTest, OptionsAreWrittenOnlyWithAnOptionList) {
  ModelRecord model = SmallModel();
  model.Option01 = {"A", "B"};
  model.Option02 = {"B"};
  model.OptionXX = {"A", "B"};
  model.OptionValues.names = {"A", "B"};
  model.OptionValues.values = {"1", ""};
  const std::string tail =
      "TypeName1=0,23\r\n\r\nOption01_1=A\r\nOption01_2=B\r\n\r\nOption02_1=B\r\n\r\n"
      "Option03_1=\r\n\r\nA=1\r\nB=\r\n\r\nOptionXX_1=A\r\nOptionXX_2=B\r\n\r\n\r\n";
  const std::string text = FormatCatalogue({model});
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);

  model.OptionXX = {"", "B"};
  const std::string without = FormatCatalogue({model});
  EXPECT_EQ(LinesStartingWith(without, "Option01"), Lines{});
  EXPECT_EQ(LinesStartingWith(without, "OptionXX"), (Lines{"OptionXX_1=", "OptionXX_2=B"}));
}

TEST(CatalogueWriterTest, SlotCountOnlyForTheTwoLayoutsOfType6) {
  const std::vector<std::tuple<const char*, const char*, const char*, bool>> cases{
      {"0x06000000", "0x00010000", "2", true}, {"0x06000000", "0x00020000", "3", true},
      {"0x06000000", "0x01010000", "1", true}, {"0x06000000", "0x00030000", "2", false},
      {"0x06000000", "0x00010000", "", false}, {"0x05000000", "0x00010000", "2", false},
  };
  for (const auto& [code1, code2, slots, written] : cases) {
    ModelRecord model = SmallModel();
    model.ModelCode1 = code1;
    model.ModelCode2 = code2;
    std::string expected = FormatCatalogue({model});
    if (written)
      expected.insert(expected.size() - 2, "OptionSlotCnt=" + std::string(slots) + "\r\n");
    model.OptionSlotCnt = slots;
    EXPECT_EQ(FormatCatalogue({model}), expected) << code1 << " " << code2 << " " << slots;
  }
}

// An export section names the parameter file in the catalogue's form and
// writes values as they are held; of a model with both classes only the
// capacities of the selected class, renumbered.
TEST(CatalogueWriterTest, ExportSection) {
  ModelRecord model = SmallModel();
  model.ParamFile = "al_bl_c.vfd";  // only the first "l_" is the mark
  model.Capacity = {"37", "45", "55", "75", "90,5"};
  model.Current01 = {"a1", "b1", "c1", "d1", "e1"};
  model.TypeName = {"t37", "t45", "t55", "t75"};  // one short: 90,5 has no type name
  model.CapacityClass = kClassBoth;

  const std::string large = FormatExportSection(model, kClassLarge);
  EXPECT_EQ(large.substr(0, 11), "[Model_1]\r\n");
  EXPECT_EQ(LinesStartingWith(large, "ParamFile"), Lines{"ParamFile=a_bl_c.vfd"});
  EXPECT_EQ(LinesStartingWith(large, "Capacity"), (Lines{"Capacity1=75", "Capacity2=90,5"}));
  EXPECT_EQ(LinesStartingWith(large, "Current01_"), (Lines{"Current01_1=d1", "Current01_2=e1"}));
  EXPECT_EQ(LinesStartingWith(large, "TypeName"), Lines{"TypeName1=t75"});
  EXPECT_EQ(LinesStartingWith(FormatExportSection(model, kClassSmall), "TypeName"),
            (Lines{"TypeName1=t37", "TypeName2=t45", "TypeName3=t55"}));

  model.CapacityClass = kClassLarge;  // a model of one class writes everything
  model.ParamFile = "abc.vfd";
  const std::string all = FormatExportSection(model, kClassSmall);
  EXPECT_EQ(LinesStartingWith(all, "Capacity").size(), 5u);
  EXPECT_EQ(LinesStartingWith(all, "TypeName"),
            (Lines{"TypeName1=t37", "TypeName2=t45", "TypeName3=t55", "TypeName4=t75"}));
  EXPECT_EQ(LinesStartingWith(all, "ParamFile"), Lines{"ParamFile=abc.vfd"});
}

// Files in the writer's own form come back byte for byte, whatever the
// locale's decimal separator was while reading.
TEST(CatalogueWriterTest, ReadThenWriteGivesTheSameBytes) {
  for (const char* name : {"one_model.vfd", "three_models.vfd"}) {
    std::ifstream in(std::string(PFEDIT_TEST_DATA_DIR) + "/catalogue/" + name, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(bytes.empty()) << name;
    for (const char separator : {'.', ','}) {
      const CatalogueReadResult read = ReadCatalogueText(bytes, separator);
      ASSERT_EQ(read.status, 0) << name;
      EXPECT_EQ(FormatCatalogue(read.models), bytes) << name << " " << separator;
    }
  }
}

}  // namespace
}  // namespace pfedit
