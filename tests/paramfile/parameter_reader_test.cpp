#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "paramfile/parameter_file.h"

namespace pfedit {
namespace {

constexpr Status kOk = kStatusOk;
constexpr Status k1005 = msg::kFormatDiffers;
constexpr Status k1015 = msg::kReadFailed;

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

ParameterReadResult Read(const std::string& text, char separator = '.') {
  return ReadParameterText(text, separator);
}

// Reads a single-record file with field `field` set to `value`.
void ExpectStatus(std::size_t field, const std::string& value, int status) {
  const ParameterReadResult result = Read(Line(field, value));
  SCOPED_TRACE("field " + std::to_string(field) + " = " + value);
  EXPECT_EQ(result.status, status);
  // A refused record is kept as the last one; a half-read one is not.
  EXPECT_EQ(result.records.size(), status == k1015 ? 0u : 1u);
  EXPECT_EQ(result.records_read, status == kOk ? 1u : 0u);
}

TEST(ReaderTest, ParamNoRule) {
  // 0 to 999, and 902 to 939 as second parameters (2000 added); no number is refused too.
  const std::pair<const char*, int> cases[] = {
      {"0", kOk},    {"-1", k1005}, {"999", kOk},    {"1000", k1005}, {"2901", k1005},
      {"2902", kOk}, {"2939", kOk}, {"2940", k1005}, {"1.5", k1005},  {"007", kOk},
  };
  for (const auto& [value, status] : cases) ExpectStatus(0, value, status);
  // Beyond 64 bits; the second is 2^64 + 1, which must not wrap around to 1.
  ExpectStatus(0, std::string(20, '9'), k1005);
  ExpectStatus(0, "18446744073709551617", k1005);
}

TEST(ReaderTest, InitialValueRule) {
  // -1 or 0 to 65535; what is no 32-bit number marks a damaged file.
  const std::pair<const char*, int> cases[] = {
      {"-1", kOk},
      {"65535", kOk},
      {"-2", k1005},
      {"65536", k1005},
      {"2147483647", k1005},
      {"2147483648", k1015},
      {"1.5", k1015},
      {"+5", k1015},
      {"- 5", k1015},
      {"", k1015},
      {"  12 ", kOk},
      {"\"12\"", kOk},
      {"-2147483648", k1005},
      {"-2147483649", k1015},
      {"18446744073709551621", k1015},
  };
  for (const auto& [value, status] : cases) ExpectStatus(2, value, status);
}

TEST(ReaderTest, OtherFieldRules) {
  const struct {
    std::size_t field;
    const char* value;
    int status;
  } cases[] = {
      {3, "3", kOk},        {3, "4", k1005},      {3, "-1", k1005}, {3, "32768", k1015},
      {3, "-32768", k1005}, {3, "-32769", k1015}, {4, "22", kOk},   {4, "23", k1005},
      {6, "3", kOk},        {6, "4", k1005},      {7, "x y", kOk},  {9, "65535", kOk},
      {9, "65536", k1005},  {9, "-1", k1005},     {18, "20", kOk},  {18, "21", k1005},
      {19, "32", kOk},      {19, "2", k1005},
  };
  for (const auto& c : cases) ExpectStatus(c.field, c.value, c.status);
  // Texts count bytes; the quotes of a quoted text are not counted.
  for (const std::size_t field : {1, 5}) {
    ExpectStatus(field, std::string(159, 'x'), kOk);
    ExpectStatus(field, std::string(160, 'x'), k1005);
  }
  ExpectStatus(1, "\"" + std::string(157, 'n') + ",,\"", kOk);
}

TEST(ReaderTest, DisplayCodeFollowsTheLocaleSeparator) {
  EXPECT_EQ(Read(Line(8, "2.5"), '.').status, kOk);
  EXPECT_EQ(Read(Line(8, "\"2,5\""), ',').status, kOk);
  EXPECT_EQ(Read(Line(8, "\"2,5\""), '.').status, k1005);
}

TEST(ReaderTest, WholeFiles) {
  // The status, the records that passed every rule and the records in the list.
  const auto read = [](const std::string& text) {
    const ParameterReadResult r = Read(text);
    return std::to_string(r.status) + " " + std::to_string(r.records_read) + "/" +
           std::to_string(r.records.size());
  };
  const std::string three = Line(0, "1") + Line(0, "2") + Line(0, "3");
  EXPECT_EQ(read(three + Line(3, "4") + Line()), "1005 3/4");
  EXPECT_EQ(read(three.substr(0, three.size() - 10)), "1015 2/2");  // cut in the third record
  EXPECT_EQ(read(three.substr(0, three.size() - 2) + ",\r\n"), "1015 3/3");  // a trailing comma
  // A byte order mark in front is no part of the first value.
  EXPECT_EQ(read("\xEF\xBB\xBF" + three), "0 3/3");
  // A model section ends the records only where a record starts.
  EXPECT_EQ(read(Line().substr(0, Line().size() - 4) + "\r\n[Model_1]\r\n"), "1015 0/0");
}

}  // namespace
}  // namespace pfedit
