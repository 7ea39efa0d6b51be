#include "catalogue/catalogue_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "faulty_file_system.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

std::string ReadData(const std::string& name) {
  std::ifstream in(std::string(PFEDIT_TEST_DATA_DIR) + "/catalogue/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines of the text that begin with the prefix, without their CR LF.
std::vector<std::string> LinesStartingWith(const std::string& text, const std::string& prefix) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(prefix, 0) == 0) lines.push_back(line);
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
      "[Model_1]\r\n"
      "ModelName=QX-A700\r\nModelCode1=0x01000000\r\nModelCode2=0x00000000\r\nModelCode5=\r\n"
      "\r\n"
      "ComResource=111\r\n"
      "\r\n"
      "ParamFile=qx_a700.vfd\r\nFilterFile=qx_a700.vff\r\nHelpFile=qx_a700.chm\r\n"
      "\r\n"
      "Capacity1=0.4\r\nCapacity2=0.75\r\n"
      "\r\n"
      "Current01_1=1.5\r\nCurrent02_1=2.1\r\nCurrent03_1=3.1\r\nCurrent04_1=4.1\r\n"
      "Current01_2=3.0\r\nCurrent02_2=\r\nCurrent03_2=3.2\r\nCurrent04_2=4.2\r\n"
      "\r\n"
      "TypeName1=0,23\r\n"
      "\r\n"
      "\r\n"
      "OptionXX_1=\r\n"
      "\r\n"
      "\r\n";
  EXPECT_EQ(FormatCatalogue({SmallModel()}), expected);
  EXPECT_EQ(
      FormatCatalogue({SmallModel(), SmallModel()}), expected + [&] {
        std::string second = expected;
        second.replace(0, 9, "[Model_2]");
        return second;
      }());
  EXPECT_EQ(FormatCatalogue({}), "");
}

TEST(CatalogueWriterTest, OptionsAreWrittenOnlyWithAnOptionList) {
  ModelRecord model = SmallModel();
  model.Option01 = {"A", "B"};
  model.Option02 = {"B"};
  model.OptionXX = {"A", "B"};
  model.OptionValues.names = {"A", "B"};
  model.OptionValues.values = {"1", ""};
  const std::string text = FormatCatalogue({model});
  const std::string tail =
      "TypeName1=0,23\r\n\r\n"
      "Option01_1=A\r\nOption01_2=B\r\n\r\n"
      "Option02_1=B\r\n\r\n"
      "Option03_1=\r\n\r\n"
      "A=1\r\nB=\r\n"
      "\r\n"
      "OptionXX_1=A\r\nOptionXX_2=B\r\n"
      "\r\n"
      "\r\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);

  model.OptionXX = {"", "B"};
  EXPECT_TRUE(LinesStartingWith(FormatCatalogue({model}), "Option01").empty());
  EXPECT_EQ(LinesStartingWith(FormatCatalogue({model}), "OptionXX"),
            (std::vector<std::string>{"OptionXX_1=", "OptionXX_2=B"}));
}

TEST(CatalogueWriterTest, SlotCountOnlyForTheTwoLayoutsOfType6) {
  struct Case {
    const char* code1;
    const char* code2;
    const char* slots;
    bool written;
  };
  const std::vector<Case> cases{
      {"0x06000000", "0x00010000", "2", true},  {"0x06000000", "0x00020000", "3", true},
      {"0x06000000", "0x01010000", "1", true},  {"0x06000000", "0x00030000", "2", false},
      {"0x06000000", "0x00000000", "2", false}, {"0x06000000", "0x00010000", "", false},
      {"0x05000000", "0x00010000", "2", false}, {"0x05700050", "0x00010000", "2", false},
  };
  for (const Case& c : cases) {
    ModelRecord model = SmallModel();
    model.ModelCode1 = c.code1;
    model.ModelCode2 = c.code2;
    model.OptionSlotCnt = c.slots;
    const std::string text = FormatCatalogue({model});
    const std::vector<std::string> lines = LinesStartingWith(text, "OptionSlotCnt");
    EXPECT_EQ(lines.size(), c.written ? 1u : 0u) << c.code1 << " " << c.code2;
    if (c.written) {
      const std::string end =
          "OptionXX_1=\r\n\r\nOptionSlotCnt=" + std::string(c.slots) + "\r\n\r\n";
      EXPECT_EQ(text.substr(text.size() - end.size()), end);
    }
  }
}

TEST(CatalogueWriterTest, ExportSectionKeepsTheSelectedClassOfAModelWithBoth) {
  ModelRecord model = SmallModel();
  model.Capacity = {"37", "45", "55", "75", "90"};
  model.Current01 = {"a1", "b1", "c1", "d1", "e1"};
  model.Current02 = {"a2", "b2", "c2", "d2", "e2"};
  model.Current03 = {"a3", "b3", "c3", "d3", "e3"};
  model.Current04 = {"a4", "b4", "c4", "d4", "e4"};
  model.TypeName = {"t37", "t45", "t55", "t75"};  // one short: 90 has no type name
  model.CapacityClass = kClassBoth;

  const std::string large = FormatExportSection(model, kClassLarge);
  EXPECT_EQ(LinesStartingWith(large, "Capacity"),
            (std::vector<std::string>{"Capacity1=75", "Capacity2=90"}));
  EXPECT_EQ(LinesStartingWith(large, "Current01_"),
            (std::vector<std::string>{"Current01_1=d1", "Current01_2=e1"}));
  EXPECT_EQ(LinesStartingWith(large, "Current04_"),
            (std::vector<std::string>{"Current04_1=d4", "Current04_2=e4"}));
  EXPECT_EQ(LinesStartingWith(large, "TypeName"), (std::vector<std::string>{"TypeName1=t75"}));

  const std::string small = FormatExportSection(model, kClassSmall);
  EXPECT_EQ(LinesStartingWith(small, "Capacity"),
            (std::vector<std::string>{"Capacity1=37", "Capacity2=45", "Capacity3=55"}));
  EXPECT_EQ(LinesStartingWith(small, "TypeName"),
            (std::vector<std::string>{"TypeName1=t37", "TypeName2=t45", "TypeName3=t55"}));

  model.CapacityClass = kClassLarge;  // a model of one class writes everything
  EXPECT_EQ(LinesStartingWith(FormatExportSection(model, kClassSmall), "Capacity").size(), 5u);
  EXPECT_EQ(LinesStartingWith(FormatExportSection(model, kClassSmall), "TypeName").size(), 4u);
}

TEST(CatalogueWriterTest, ExportSectionNameAndValues) {
  struct Case {
    const char* param_file;
    const char* written;
  };
  for (const Case& c : std::vector<Case>{{"abcl_def.vfd", "abc_def.vfd"},
                                         {"al_bl_c.vfd", "a_bl_c.vfd"},
                                         {"abc.vfd", "abc.vfd"}}) {
    ModelRecord model = SmallModel();
    model.ParamFile = c.param_file;
    const std::string text = FormatExportSection(model, kClassSmall);
    EXPECT_EQ(LinesStartingWith(text, "ParamFile"),
              std::vector<std::string>{"ParamFile=" + std::string(c.written)});
    EXPECT_EQ(text.substr(0, 11), "[Model_1]\r\n");
    // Numbers are written as they are held.
    EXPECT_EQ(LinesStartingWith(text, "Capacity2"), std::vector<std::string>{"Capacity2=0,75"});
  }
}

// Files in the writer's own form come back byte for byte, whatever the
// locale's decimal separator was while reading.
TEST(CatalogueWriterTest, ReadThenWriteGivesTheSameBytes) {
  for (const char* name : {"one_model.vfd", "three_models.vfd"}) {
    const std::string bytes = ReadData(name);
    ASSERT_FALSE(bytes.empty()) << name;
    for (const char separator : {'.', ','}) {
      const CatalogueReadResult read = ReadCatalogueText(bytes, separator);
      ASSERT_EQ(read.status, 0) << name;
      const std::string written = FormatCatalogue(read.models);
      EXPECT_EQ(written, bytes) << name << " " << separator;
      EXPECT_EQ(FormatCatalogue(ReadCatalogueText(written, separator).models), written) << name;
    }
  }
}

TEST(CatalogueWriterTest, WriteCatalogueModes) {
  test::TempFolder folder;
  EditorState state;
  state.Catalogue = {SmallModel()};
  state.Buffer.EditModel = SmallModel();
  state.SelectedCapacityClass = kClassSmall;
  const std::string path = folder.Write("out.vfd", "old text that is longer than nothing\r\n");

  EXPECT_EQ(WriteCatalogue(state, path, 1), 0);
  EXPECT_EQ(folder.Read("out.vfd"), FormatCatalogue(state.Catalogue));

  const std::string export_path = folder.Write("out.vf_", "1,parameter line\r\n");
  EXPECT_EQ(WriteCatalogue(state, export_path, 2), 0);
  EXPECT_EQ(folder.Read("out.vf_"),
            "1,parameter line\r\n" + FormatExportSection(SmallModel(), kClassSmall));
  EXPECT_EQ(WriteCatalogue(state, folder.File("new.vf_"), 2), 0);
  EXPECT_TRUE(folder.Has("new.vf_"));

  EXPECT_EQ(WriteCatalogue(state, folder.File("none.vfd"), 3), -1);
  EXPECT_FALSE(folder.Has("none.vfd"));
  EXPECT_EQ(WriteCatalogue(state, folder.File("missing/x.vfd"), 1), -1);

  test::FaultyFileSystem faulty;
  faulty.write_limit = 10;
  EXPECT_EQ(WriteCatalogue(state, folder.File("cut.vfd"), 1, faulty), -1);
}

}  // namespace
}  // namespace pfedit
