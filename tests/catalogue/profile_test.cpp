#include "catalogue/profile.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace pfedit {
namespace {

struct LookupCase {
  const char* what;
  std::string text;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

std::vector<LookupCase> LookupCases() {
  using namespace std::string_literals;
  return {
      {"plain", "[S]\r\nk=v\r\n", "S", "k", "v"},
      {"section case", "[Model_1]\nk=v\n", "MODEL_1", "k", "v"},
      {"key case", "[S]\nModelName=v\n", "S", "modelname", "v"},
      {"non-ASCII bytes are not folded", "[S]\n\xC4=v\n", "S", "\xE4", std::nullopt},
      {"blanks around name", "  [ \tS \t] trailing\nk=v\n", "S", "k", "v"},
      {"blanks around key and value", "[S]\n \t k \t= \t v w \t\n", "S", "k", "v w"},
      {"value after first equals", "[S]\nk=a=b\n", "S", "k", "a=b"},
      {"comment line", "[S]\n ;k=v\n", "S", ";k", std::nullopt},
      {"semicolon inside value", "[S]\nk=v ; not a comment\n", "S", "k", "v ; not a comment"},
      {"name ends at first bracket", "[S]x]\nk=v\n", "S", "k", "v"},
      {"header without bracket", "[S\nk=v\n", "S", "k", "v"},
      {"first duplicate section wins", "[S]\na=1\n[T]\n[s]\na=2\nb=3\n", "S", "a", "1"},
      {"keys of a shadowed section are never found", "[S]\na=1\n[s]\nb=3\n", "S", "b",
       std::nullopt},
      {"first duplicate key wins", "[S]\nk=1\nK=2\n", "S", "k", "1"},
      {"line without equals", "[S]\nk\n", "S", "k", std::nullopt},
      {"key before first section", "k=v\n[S]\n", "S", "k", std::nullopt},
      {"double quotes stripped", "[S]\nk=\"a b\"\n", "S", "k", "a b"},
      {"single quotes stripped", "[S]\nk= 'a' \n", "S", "k", "a"},
      {"quotes kept inside", "[S]\nk=\" a \"\n", "S", "k", " a "},
      {"one layer only", "[S]\nk=\"'a'\"\n", "S", "k", "'a'"},
      {"unmatched quotes kept", "[S]\nk=\"a'\n", "S", "k", "\"a'"},
      {"lone quote kept", "[S]\nk=\"\n", "S", "k", "\""},
      {"empty value is found empty", "[S]\nk=\n", "S", "k", ""},
      {"CR LF", "[S]\r\na=1\r\nb=2\r\n", "S", "b", "2"},
      {"lone CR", "[S]\ra=1\rb=2", "S", "b", "2"},
      {"mixed endings", "[S]\ra=1\r\n\nb=2\n\rc=3", "S", "c", "3"},
      {"CR never inside a value", "[S]\nk=a\rb=c\n", "S", "k", "a"},
      {"byte order mark hides the first header", "\xEF\xBB\xBF[S]\nk=v\n[T]\nk=w\n", "S", "k",
       std::nullopt},
      {"zero byte is an ordinary byte", "[S]\nk=a\0b\n"s, "S", "k", "a\0b"s},
      {"section ends at next header", "[S]\n[T]\nk=v\n", "S", "k", std::nullopt},
      {"missing section", "[S]\nk=v\n", "X", "k", std::nullopt},
      {"long value is kept whole", "[S]\nk=" + std::string(500, 'x') + "\n", "S", "k",
       std::string(500, 'x')},
  };
}

// Every case holds for the one-pass index and for the plain scan alike.
TEST(ProfileTest, LookupFollowsTheProfileRules) {
  for (const LookupCase& c : LookupCases()) {
    const ProfileIndex index(c.text);
    const ProfileScan scan(c.text);
    EXPECT_EQ(index.Find(c.section, c.key), c.expected) << c.what;
    EXPECT_EQ(scan.Find(c.section, c.key), c.expected) << c.what;
  }
}

TEST(ProfileTest, SectionNamesInFileOrderWithDuplicatesWithoutEmptyNames) {
  const std::string text = "k=v\n[B]\n[a]\n; [C]\n[]\n  [b]\nx[D]\n[ E ]x\n";
  const std::vector<std::string_view> expected{"B", "a", "b", "E"};
  EXPECT_EQ(ProfileIndex(text).SectionNames(), expected);
  EXPECT_EQ(ProfileScan(text).SectionNames(), expected);
}

std::string Headers(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += "[" + name + "]\r\n";
  return text;
}

// The service's cut of a too small buffer, and what the catalogue reader then
// takes: the whole names, the cut name, and nothing after the double zero.
TEST(ProfileTest, SectionNameBufferCutOff) {
  struct Case {
    const char* what;
    std::vector<std::string> names;
    std::size_t size;
    std::size_t length;
    std::string buffer_start;  // the first bytes of the buffer
  };
  using namespace std::string_literals;
  const std::vector<Case> cases{
      {"fits", {"ab", "c"}, 10, 5, "ab\0c\0\0"s},
      {"fits with one spare", {"ab", "cd"}, 8, 6, "ab\0cd\0\0"s},
      // Fills the buffer to its last zero: whole, but reported as cut.
      {"exact fit", {"ab", "cd"}, 7, 5, "ab\0cd\0\0"s},
      {"exact fit drops the rest", {"abc", "d"}, 5, 3, "abc\0\0"s},
      {"cut in the middle", {"ab", "cdefgh"}, 7, 5, "ab\0cd\0\0"s},
      {"cut to nothing", {"ab", "cd"}, 5, 3, "ab\0\0\0"s},
      {"first name cut", {"abcdefgh"}, 5, 3, "abc\0\0"s},
  };
  for (const Case& c : cases) {
    const std::string text = Headers(c.names);
    const ProfileIndex index(text);
    std::string buffer;
    EXPECT_EQ(GetProfileSectionNames(index, c.size, &buffer), c.length) << c.what;
    EXPECT_EQ(buffer.size(), c.size) << c.what;
    EXPECT_EQ(buffer.substr(0, c.buffer_start.size()), c.buffer_start) << c.what;
  }
}

TEST(ProfileTest, ReaderTakesTheCutNameOfAFullBuffer) {
  // 100 names of 25 characters fill 2600 characters: the 99th is cut.
  std::vector<std::string> names;
  for (int i = 0; i < 100; ++i) {
    std::string name = "Section_" + std::to_string(i);
    name.resize(25, 'x');
    names.push_back(name);
  }
  const std::string text = Headers(names);
  const ProfileIndex index(text);
  std::vector<std::string> read;
  bool overflow = true;
  ASSERT_TRUE(ReadSectionNames(index, &read, &overflow));
  EXPECT_FALSE(overflow);
  // 98 names take 98 * 26 = 2548 of the 2559 characters of room; the 99th
  // would need 26 and gets 2559 - 2548 - 1 = 10.
  ASSERT_EQ(read.size(), 99u);
  EXPECT_EQ(read[97], names[97]);
  EXPECT_EQ(read[98], names[98].substr(0, 10));
}

TEST(ProfileTest, ReaderStopsAt256NamesAndReportsOverflow) {
  std::vector<std::string> names;
  for (int i = 1; i <= 257; ++i) names.push_back("M" + std::to_string(i));
  std::vector<std::string> read;
  bool overflow = false;
  ASSERT_TRUE(ReadSectionNames(ProfileIndex(Headers(names)), &read, &overflow));
  EXPECT_TRUE(overflow);
  EXPECT_EQ(read.size(), 256u);
  EXPECT_EQ(read.back(), "M256");

  names.pop_back();
  ASSERT_TRUE(ReadSectionNames(ProfileIndex(Headers(names)), &read, &overflow));
  EXPECT_FALSE(overflow);
  EXPECT_EQ(read.size(), 256u);
}

TEST(ProfileTest, ReadSectionNamesFailsWithoutSectionsOrOnTheDefaultText) {
  std::vector<std::string> read;
  bool overflow = false;
  for (const char* text : {"", "k=v\n", "[]\n", "[GetPrivateProfieReadError]\n[S]\n"}) {
    EXPECT_FALSE(ReadSectionNames(ProfileIndex(text), &read, &overflow)) << text;
  }
  EXPECT_TRUE(ReadSectionNames(ProfileIndex("[getprivateprofiereaderror]\n"), &read, &overflow));
}

TEST(ProfileTest, ReadKeyPresence) {
  using namespace std::string_literals;
  struct Case {
    std::string line;
    bool present;
    std::string value;
  };
  const std::vector<Case> cases{
      {"k=v", true, "v"},
      {"k=", false, ""},
      {"k=\"\"", false, ""},
      {"k=GetPrivateProfieReadError", false, "GetPrivateProfieReadError"},
      {"k=getprivateprofiereaderror", true, "getprivateprofiereaderror"},
      {"k=" + std::string(127, 'a') + "b", true, std::string(127, 'a')},
      {"k=\"" + std::string(130, 'a') + "\"", true, std::string(127, 'a')},
      // The buffer is taken up to its first zero.
      {"k=ab\0cd"s, true, "ab"},
      {"k=\0cd"s, false, ""},
      {"other=v", false, "GetPrivateProfieReadError"},
  };
  for (const Case& c : cases) {
    const std::string text = "[S]\n" + c.line + "\n";
    std::string value;
    EXPECT_EQ(ReadKey(ProfileIndex(text), "S", "k", &value), c.present) << c.line;
    EXPECT_EQ(value, c.value) << c.line;
  }
}

// Random soups of headers, keys, comments and line ends: the index must find
// exactly what the plain scan finds.
TEST(ProfileTest, IndexAgreesWithScanOnRandomText) {
  const std::vector<std::string> pieces{"[a]", "[A]", "[b]",   " [ b ] ",     "[]",
                                        "a=1", "A=2", "b = 3", "B=\"4\"",     ";a=5",
                                        "c",   "=6",  "a=",    "\xEF\xBB\xBF"};
  const std::vector<std::string> ends{"\r\n", "\n", "\r", ""};
  std::mt19937 random(12345);
  for (int round = 0; round < 500; ++round) {
    std::string text;
    const int lines = static_cast<int>(random() % 12);
    for (int i = 0; i < lines; ++i) {
      text += pieces[random() % pieces.size()];
      text += ends[random() % ends.size()];
    }
    const ProfileIndex index(text);
    const ProfileScan scan(text);
    ASSERT_EQ(index.SectionNames(), scan.SectionNames()) << text;
    for (const char* section : {"a", "b", "B", ""}) {
      for (const char* key : {"a", "b", "c", ""}) {
        ASSERT_EQ(index.Find(section, key), scan.Find(section, key))
            << text << " / " << section << " / " << key;
      }
    }
  }
}

// Inputs that a quadratic line split or lookup would never finish.
TEST(ProfileTest, LargeInputsStayLinear) {
  std::string lone_cr = "[S]\r";
  for (int i = 0; i < 200000; ++i) lone_cr += "k" + std::to_string(i) + "=v\r";
  const ProfileIndex by_cr(lone_cr);
  EXPECT_EQ(by_cr.Find("S", "k199999"), std::optional<std::string_view>("v"));

  std::string one_line = "[S]\nk=" + std::string(8 << 20, 'x');
  const ProfileIndex long_line(one_line);
  EXPECT_EQ(long_line.Find("S", "k")->size(), std::size_t{8} << 20);

  std::string many_sections;
  for (int i = 0; i < 100000; ++i) many_sections += "[s" + std::to_string(i) + "]\na=1\n";
  const ProfileIndex sections(many_sections);
  EXPECT_EQ(sections.Find("S99999", "A"), std::optional<std::string_view>("1"));
}

}  // namespace
}  // namespace pfedit
