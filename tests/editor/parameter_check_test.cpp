#include "editor/parameter_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/grid_test_support.h"
#include "paramfile/parameter_file.h"

namespace pfedit::editor {
namespace {

using test::Load;
using test::Record;

struct CellChange {
  int column;
  int row;
  const char* text;  // list cells take an item text, "" for none
};

std::string Describe(const std::vector<CheckFault>& faults) {
  std::string text;
  for (const CheckFault& f : faults) {
    text += "(" + std::to_string(f.row) + "," + std::to_string(f.column) + "," +
            std::to_string(f.code) + ")";
  }
  return text;
}

// A valid grid of Pr 1, 2, 3 named A, B, C; each case changes a few cells.
TEST(ParameterCheckTest, EachFaultIsMarkedInScanOrder) {
  const struct {
    const char* what;
    std::vector<CellChange> changes;
    std::vector<CheckFault> faults;
  } cases[] = {
      {"valid", {}, {}},
      {"name blank", {{2, 2, "  "}}, {{2, 2, 1}}},
      {"name with quote", {{2, 2, "a\"b"}}, {{2, 2, 4}}},
      // Without a Digit the value 120 is judged with no decimal places.
      {"digit empty", {{4, 2, ""}}, {{2, 4, 1}}},
      {"unit empty", {{5, 2, ""}}, {{2, 5, 1}}},
      {"range empty", {{6, 2, ""}}, {{2, 6, 1}}},
      {"range with quote", {{6, 2, "0 to \"9\""}}, {{2, 6, 4}}},
      {"special empty: no initial value test", {{7, 2, ""}, {3, 2, "x"}}, {{2, 7, 1}}},
      {"function code empty", {{8, 2, ""}}, {{2, 8, 1}}},
      {"writing order empty", {{9, 2, ""}}, {{2, 9, 1}}},
      {"attribute empty: no initial value test", {{10, 2, ""}, {3, 2, "x"}}, {{2, 10, 1}}},
      {"initial value no number", {{3, 2, "1.2.3"}}, {{2, 3, 5}}},
      {"pr empty sorts first", {{1, 2, ""}}, {{1, 1, 1}}},
      {"duplicate marks the later row", {{1, 3, "2"}}, {{3, 1, 3}}},
      {"second parameter is no duplicate", {{1, 3, "2"}, {11, 3, "1"}}, {}},
      // Row by row, within a row in column order, the initial value last,
      // duplicates after every row. Row 2 sorts before row 3 by its name.
      {"scan order",
       {{8, 1, ""}, {1, 3, "2"}, {3, 2, "7.777"}, {5, 2, ""}, {2, 2, "\"q"}},
       {{1, 8, 1}, {2, 2, 4}, {2, 5, 1}, {2, 3, 2}, {3, 1, 3}}},
  };
  for (const auto& c : cases) {
    TableModel grid;
    Load(grid, {Record("1", "A"), Record("2", "B"), Record("3", "C")});
    for (const CellChange& change : c.changes) grid.SetText(change.column, change.row, change.text);
    const ParameterCheckResult result = CheckParameterGrid(grid, '.');
    EXPECT_EQ(Describe(result.faults), Describe(c.faults)) << c.what;
    for (const CheckFault& f : result.faults) {
      EXPECT_EQ(grid.Background(f.column, f.row), kFaultColour) << c.what;
    }
  }
}

// Row 1's initial value, digits and special code: the code of the check, the
// text the cell is left with, and the value a passing row is stored as.
TEST(ParameterCheckTest, InitialValuesAreJudgedInExactDecimal) {
  const struct {
    const char* text;
    int digit;
    int special;
    int code;
    const char* shown;
    int32_t stored;
    char mark = '.';
  } cases[] = {
      {"", 0, 0, 0, "", -1},
      {"1.15", 2, 0, 0, "1.15", 115},
      {"1.2345", 3, 0, 0, "1.234", 1234},
      {"1.2345", 2, 0, kCheckDigits, "1.234", 0},
      {"6553.5", 1, 0, 0, "6553.5", 65535},
      {"6553.6", 1, 0, kCheckOutOfRange, "6553.6", 0},
      {"6553.51", 1, 0, kCheckOutOfRange, "6553.51", 0},  // above, not merely a fraction
      {"6553.49", 1, 0, kCheckDigits, "6553.49", 0},
      {"-0.5", 0, 0, kCheckOutOfRange, "-0.5", 0},
      {"99999999999999999999.5", 0, 0, kCheckOutOfRange, "99999999999999999999.5", 0},
      {"65536", 0, 0, kCheckOutOfRange, "65536", 0},
      {"007.50", 1, 0, 0, "7.5", 75},
      {"0,5", 1, 0, 0, "0,5", 5, ','},
      {"9999", 0, 1, 0, "9999", 65535},
      {"9999", 0, 2, 0, "9999", 9999},
      {"9999", 3, 0, kCheckOutOfRange, "9999", 0},
      {"8888", 0, 2, 0, "8888", 65520},
      {"8888", 0, 1, 0, "8888", 8888},
  };
  for (const auto& c : cases) {
    TableModel grid;
    Load(grid, {Record("1")}, c.mark);
    grid.SetText(kColInitialValue, 1, c.text);
    grid.SetValue(kColDigit, 1, c.digit);
    grid.SetValue(kColSpecialCode, 1, c.special);
    const ParameterCheckResult result = CheckParameterGrid(grid, c.mark);
    const std::string what = std::string(c.text) + " digit " + std::to_string(c.digit) +
                             " special " + std::to_string(c.special);
    EXPECT_EQ(result.Passed() ? 0 : result.faults.front().code, c.code) << what;
    EXPECT_EQ(grid.Text(kColInitialValue, 1), c.shown) << what;
    if (c.code == 0) {
      EXPECT_EQ(StoreParameterList(grid, c.mark).at(0).InitialValue, c.stored) << what;
    }
  }
}

TEST(ParameterCheckTest, MarksGoAtTheNextCheckAndCyanStays) {
  TableModel grid;
  Load(grid, {Record("905", "A"), Record("905", "B"), Record("7", "")});
  // Sorted: 7, 905 A, 905 B. The duplicate's Pr cell is protected.
  ParameterCheckResult result = CheckParameterGrid(grid, '.');
  EXPECT_EQ(Describe(result.faults), "(1,2,1)(3,1,3)");
  EXPECT_EQ(grid.Background(kColName, 1), kFaultColour);
  EXPECT_EQ(grid.Background(kColPr, 3), kProtectedColour);

  grid.SetText(kColName, 1, "N");
  grid.SetText(kColPr, 3, "906");
  result = CheckParameterGrid(grid, '.');
  EXPECT_TRUE(result.Passed());
  EXPECT_EQ(grid.Background(kColName, 1), kWhite);
  EXPECT_EQ(grid.Background(kColPr, 2), kProtectedColour);
}

TEST(ParameterCheckTest, RowSourcesFollowTheSort) {
  TableModel grid;
  std::vector<std::size_t> sources =
      Load(grid, {Record("3"), Record("2902"), Record("1"), Record("5", "X"), Record("902")});
  EXPECT_EQ(sources, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
  CheckParameterGrid(grid, '.', &sources);
  EXPECT_EQ(test::PrColumn(grid), "1 3 5 902 902");
  EXPECT_EQ(sources, (std::vector<std::size_t>{2, 0, 3, 4, 1}));
}

TEST(ParameterCheckTest, StoredRecordsAreWhatTheWriterWrites) {
  TableModel grid;
  Load(grid, {Record("2902", "Level, high"), Record("5"), Record("902")});
  grid.SetText(kColInitialValue, 2, "1.15");
  grid.SetValue(kColAttribute, 2, 2);
  grid.SetText(kColFunctionCode, 3, "00FF");
  ASSERT_TRUE(CheckParameterGrid(grid, '.').Passed());
  std::vector<std::string> lines;
  for (const ParameterRecord& record : StoreParameterList(grid, '.')) {
    lines.push_back(FormatParameterLine(record));
  }
  // The second parameter's sort key is its Pr + 10000, as the first one's.
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "5,NAME,115,2,1,RANGE,0,10005,0,257,0,0,0,0,0,NULL,NULL,NULL,10,16",
                       "902,NAME,12000,2,1,RANGE,0,10902,0,255,0,0,0,0,0,NULL,NULL,NULL,10,0",
                       "2902,\"Level, high\",12000,2,1,RANGE,0,10902,0,257,0,0,0,0,0,NULL,NULL,"
                       "NULL,10,0",
                   }));
}

}  // namespace
}  // namespace pfedit::editor
