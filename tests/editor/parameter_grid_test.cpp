#include "editor/parameter_grid.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/message_ids.h"
#include "editor/grid_test_support.h"
#include "editor/parameter_check.h"
#include "paramfile/parameter_file.h"

namespace pfedit::editor {
namespace {

using test::Load;
using test::PrColumn;
using test::Record;

// Texts of columns 1 to 11 of a row, joined by '|'.
std::string RowText(const TableModel& grid, int row) {
  std::string text;
  for (int column = 1; column <= kCol2Pr; ++column) {
    text += column > 1 ? "|" : "";
    text += grid.Text(column, row);
  }
  return text;
}

// One record, a few fields changed: the texts its row shows.
TEST(ParameterGridTest, RecordsShowAsRows) {
  const struct {
    const char* pr;
    int32_t initial;
    int16_t digit, special;
    int32_t code;
    int16_t attribute;
    const char* shown;
  } cases[] = {
      {"1", 12000, 2, 0, 0x101, 0, "1|NAME|120|2|Hz|RANGE|0|0101|10|0|0"},
      {"1", 12345, 2, 0, 26, 16, "1|NAME|123.45|2|Hz|RANGE|0|001A|10|16|0"},
      {"1", 12345, 0, 0, 0, 1, "1|NAME|12345|0|Hz|RANGE|0|0000|10|1|0"},
      {"1", 5, 3, 0, 0, 0, "1|NAME|0.005|3|Hz|RANGE|0|0000|10|0|0"},
      {"1", -1, 2, 0, 0, 0, "1|NAME||2|Hz|RANGE|0|0000|10|0|0"},
      {"1", 65520, 2, 3, 0, 0, "1|NAME|8888|2|Hz|RANGE|3|0000|10|0|0"},
      {"1", 65520, 2, 1, 0, 0, "1|NAME|655.2|2|Hz|RANGE|1|0000|10|0|0"},
      {"1", 65535, 2, 1, 0, 0, "1|NAME|9999|2|Hz|RANGE|1|0000|10|0|0"},
      {"1", 65535, 1, 2, 0, 0, "1|NAME|6553.5|1|Hz|RANGE|2|0000|10|0|0"},
      {"2905", 0, 0, 0, 0, 0, "905|NAME|0|0|Hz|RANGE|0|0000|10|0|1"},
      {"007", 0, 0, 0, 0, 0, "7|NAME|0|0|Hz|RANGE|0|0000|10|0|0"},
  };
  for (const auto& c : cases) {
    ParameterRecord record = Record(c.pr);
    record.InitialValue = c.initial;
    record.Digit = c.digit;
    record.SpecialCode = c.special;
    record.FunctionCode = c.code;
    record.Attribute = c.attribute;
    TableModel grid;
    Load(grid, {record});
    EXPECT_EQ(RowText(grid, 1), c.shown);
  }
}

TEST(ParameterGridTest, HiddenRecordsLeaveNoGapAndProtectedRowsAreCyan) {
  std::vector<ParameterRecord> records;
  for (int i = 0; i < 10; ++i) records.push_back(Record(std::to_string(900 + i)));
  records[2].DisplayCode = "1";
  records[6].DisplayCode = "3";
  records[4].DisplayCode = "256";
  records[5].DisplayCode = "0.0";
  TableModel grid;
  const std::vector<std::size_t> sources = Load(grid, records);
  EXPECT_EQ(PrColumn(grid), "900 901 903 904 905 907 908 909");
  EXPECT_EQ(sources, (std::vector<std::size_t>{0, 1, 3, 4, 5, 7, 8, 9}));
  for (int row = 1; row <= grid.RowCount(); ++row) {
    const bool is_protected = row >= 3;
    EXPECT_EQ(grid.Locked(kColPr, row), is_protected) << row;
    EXPECT_EQ(grid.Background(kColPr, row), is_protected ? kProtectedColour : kWhite) << row;
  }
  EXPECT_EQ(grid.Text(kColDisplayCode, 4), "256");
}

// Loading a file into the grid and storing the grid gives the records the
// file holds (the shown ones): the display rules lose nothing.
TEST(ParameterGridTest, SampleFilesRoundTripThroughTheGrid) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(PFEDIT_SAMPLE_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name == "tarvo_param.vfd" || entry.path().extension() != ".vfd") continue;
    ++files;
    const ParameterReadResult read = ReadParameterFileAt(entry.path().string());
    ASSERT_EQ(read.status, 0) << name;
    std::vector<ParameterRecord> shown;
    for (const ParameterRecord& record : read.records) {
      if (IsShownInGrid(record, '.')) shown.push_back(record);
    }
    TableModel grid;
    Load(grid, read.records);
    const std::vector<ParameterRecord> stored = StoreParameterList(grid, '.');
    ASSERT_EQ(stored.size(), shown.size()) << name;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      EXPECT_EQ(FormatParameterLine(stored[i]), FormatParameterLine(shown[i])) << name;
    }
  }
  EXPECT_GE(files, 7);
}

TEST(ParameterGridTest, InsertedRowsCarryNewRowValues) {
  TableModel grid;
  Load(grid, {Record("1"), Record("2")});
  const RowCellTypes types = RegisterRowCellTypes(grid, '.');
  grid.SetActiveCell(3, 2);
  ASSERT_EQ(InsertGridRows(grid, types, false, 1), kStatusOk);
  EXPECT_EQ(PrColumn(grid), "1 0 0 2");
  EXPECT_EQ(RowText(grid, 2), "0||0|0|Unit none||0|0000|10|0|0");
  EXPECT_EQ(grid.Text(kColAux1 + 4, 2), "0");
  EXPECT_EQ(grid.Text(kColAux1 + 5, 2), "NULL");
  EXPECT_EQ(grid.ActiveRow(), 2);
  EXPECT_EQ(grid.Selection(), (CellBlock{1, kGridColumns, 2, 2}));
  ASSERT_EQ(InsertGridRows(grid, types, true, 0), kStatusOk);
  EXPECT_EQ(RowText(grid, 2), "|||||||||0|0");  // paste mode: only the attribute
}

TEST(ParameterGridTest, SnapshotRestoresEveryKindOfCell) {
  TableModel grid;
  Load(grid, {Record("905"), Record("2905", "B"), Record("3")});
  grid.SetValue(kColDigit, 3, -1);  // an empty list cell comes back empty
  const auto cells = [&grid] {
    std::vector<std::string> texts;
    for (int row = 1; row <= 3; ++row) {
      for (int column = 1; column <= kGridColumns; ++column) {
        texts.push_back(std::string(grid.Text(column, row)) + "/" +
                        std::to_string(grid.Value(column, row)));
      }
    }
    return texts;
  };
  const std::vector<std::string> before = cells();
  const GridSnapshot snapshot = TakeGridSnapshot(grid);
  EXPECT_EQ(snapshot.Text(kColUnit, 1), "1");  // lists by index
  grid.SetSelection({-1, -1, 1, 3});
  grid.PasteAtSelection("9\tX\t1\t3\tA\tR\t2\tFFFF\t5\t32\t0\tz\r\n");
  grid.SetValue(kColDigit, 3, 1);
  grid.SetRowCount(4);
  RestoreGridSnapshot(grid, snapshot);
  EXPECT_EQ(cells(), before);
  grid.SetRowCount(1);
  RestoreGridSnapshot(grid, snapshot);  // rows beyond the grid are dropped
  EXPECT_EQ(grid.RowCount(), 1);
}

}  // namespace
}  // namespace pfedit::editor
