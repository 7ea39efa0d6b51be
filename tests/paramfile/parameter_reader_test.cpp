#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "paramfile/parameter_file.h"

namespace pfedit {
namespace {

// The line of a valid record (ParamNo 1, named NAME, initial value 120.00
// with two decimal places) with field `index` set to `value`, and CR LF.
std::string Line(std::size_t index = 0, const std::string& value = "1") {
  std::vector<std::string> fields = {"1",     "NAME", "12000", "2",    "1",  "RANGE", "0",
                                     "10001", "0",    "257",   "0",    "0",  "0",     "0",
                                     "0",     "NULL", "NULL",  "NULL", "10", "0"};
  fields.at(index) = value;
  std::string line;
  for (const std::string& field : fields) line += field + ',';
  line.back() = '\r';
  return line + '\n';
}

// "status records_read/records in the list" of a text.
std::string Read(const std::string& text, char separator = '.') {
  const ParameterReadResult r = ReadParameterText(text, separator);
  return std::to_string(r.status) + " " + std::to_string(r.records_read) + "/" +
         std::to_string(r.records.size());
}

// One record with one field changed: the values that pass, that a rule refuses
// (the record is kept as the last one) and that mark a damaged file (the
// half-read record is not kept).
TEST(ReaderTest, FieldRules) {
  using Values = std::vector<std::string>;
  const struct {
    std::size_t field;
    Values ok, refused, damaged;
    char separator = '.';
  } cases[] = {
      // 0 to 999, and 902 to 939 as second parameters (2000 added); 2^64 + 1 must not wrap to 1.
      {0,
       {"0", "999", "2902", "2939", "007"},
       {"-1", "1000", "2901", "2940", "1.5", std::string(20, '9'), "18446744073709551617"},
       {}},
      // -1 or 0 to 65535; what is no 32-bit number marks a damaged file.
      {2,
       {"-1", "65535", "  12 ", "\"12\""},
       {"-2", "65536", "2147483647", "-2147483648"},
       {"2147483648", "-2147483649", "18446744073709551621", "1.5", "+5", "- 5", ""}},
      {3, {"3"}, {"4", "-1", "-32768"}, {"32768", "-32769"}},
      {4, {"22"}, {"23"}, {}},
      {6, {"3"}, {"4"}, {}},
      {7, {"x y"}, {}, {}},
      {9, {"65535"}, {"65536", "-1"}, {}},
      {18, {"20"}, {"21"}, {}},
      {19, {"32"}, {"2"}, {}},
      // Texts count bytes; the quotes of a quoted text are not counted.
      {1,
       {std::string(159, 'x'), "\"" + std::string(157, 'n') + ",,\""},
       {std::string(160, 'x')},
       {}},
      {5, {std::string(159, 'x')}, {std::string(160, 'x')}, {}},
      // The display code follows the locale's separator.
      {8, {"2.5"}, {"\"2,5\""}, {}},
      {8, {"\"2,5\""}, {}, {}, ','},
  };
  for (const auto& c : cases) {
    for (const auto& [values, expected] :
         {std::pair{&c.ok, "0 1/1"}, std::pair{&c.refused, "1005 0/1"},
          std::pair{&c.damaged, "1015 0/0"}}) {
      for (const std::string& value : *values) {
        EXPECT_EQ(Read(Line(c.field, value), c.separator), expected) << c.field << " = " << value;
      }
    }
  }
}

TEST(ReaderTest, WholeFiles) {
  const std::string three = Line(0, "1") + Line(0, "2") + Line(0, "3");
  EXPECT_EQ(Read(three + Line(3, "4") + Line()), "1005 3/4");
  EXPECT_EQ(Read(three.substr(0, three.size() - 10)), "1015 2/2");  // cut in the third record
  EXPECT_EQ(Read(three.substr(0, three.size() - 2) + ",\r\n"), "1015 3/3");  // a trailing comma
  // A byte order mark in front is no part of the first value.
  EXPECT_EQ(Read("\xEF\xBB\xBF" + three), "0 3/3");
  // A model section ends the records only where a record starts.
  EXPECT_EQ(Read(Line().substr(0, Line().size() - 4) + "\r\n[Model_1]\r\n"), "1015 0/0");
}

}  // namespace
}  // namespace pfedit
