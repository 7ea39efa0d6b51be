#include "catalogue/profile.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "oracle/profile_scan.h"

namespace pfedit {
namespace {

using namespace std::string_literals;

// Every case holds for the one-pass index and for the plain scan alike.
TEST(ProfileTest, LookupFollowsTheProfileRules) {
  struct Case {
    std::string text;
    std::optional<std::string> expected;
    const char* section = "S";
    const char* key = "k";
  };
  const std::vector<Case> cases{
      // Names match without regard to ASCII case only.
      {"[Model_1]\nModelName=v\n", "v", "MODEL_1", "modelname"},
      {"[S]\n\xC4=v\n", std::nullopt, "S", "\xE4"},
      // Blanks around names, keys and values go; a name ends at the first ']'.
      {"  [ \tS \t] trailing\nk=v\n", "v"},
      {"[S]\n \t k \t= \t v w \t\n", "v w"},
      {"[S]x]\nk=v\n", "v"},
      {"[S\nk=v\n", "v"},
      // A key line is any line with '=' after the first header, but no comment.
      {"[S]\nk=a=b\n", "a=b"},
      {"[S]\n ;k=v\n", std::nullopt, "S", ";k"},
      {"[S]\nk=v ; not a comment\n", "v ; not a comment"},
      {"[S]\nk\n", std::nullopt},
      {"k=v\n[S]\n", std::nullopt},
      {"[S]\nk=\n", ""},
      {"[S]\nk=" + std::string(500, 'x'), std::string(500, 'x')},
      // The first section and the first key of a name win.
      {"[S]\na=1\n[T]\n[s]\na=2\nb=3\n", "1", "S", "a"},
      {"[S]\na=1\n[s]\nb=3\n", std::nullopt, "S", "b"},
      {"[S]\nk=1\nK=2\n", "1"},
      {"[S]\n[T]\nk=v\n", std::nullopt},
      {"[S]\nk=v\n", std::nullopt, "X"},
      // One matching pair of outer quotes goes, after the blanks.
      {"[S]\nk= 'a' \n", "a"},
      {"[S]\nk=\" a \"\n", " a "},
      {"[S]\nk=\"'a'\"\n", "'a'"},
      {"[S]\nk=\"a'\n", "\"a'"},
      {"[S]\nk=\"\n", "\""},
      // Every line end ends a line; bytes are bytes.
      {"[S]\ra=1\r\n\nb=2\n\rc=3", "3", "S", "c"},
      {"[S]\nk=a\rb=c\n", "a"},
      {"\xEF\xBB\xBF[S]\nk=v\n[T]\nk=w\n", std::nullopt},
      {"[S]\nk=a\0b\n"s, "a\0b"s},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProfileIndex(c.text).Find(c.section, c.key), c.expected) << c.text;
    EXPECT_EQ(test::ProfileScan(c.text).Find(c.section, c.key), c.expected) << c.text;
  }
}

TEST(ProfileTest, SectionNamesInFileOrderWithDuplicatesWithoutEmptyNames) {
  const std::string text = "k=v\n[B]\n[a]\n; [C]\n[]\n  [b]\nx[D]\n[ E ]x\n";
  const std::vector<std::string_view> expected{"B", "a", "b", "E"};
  EXPECT_EQ(ProfileIndex(text).SectionNames(), expected);
  EXPECT_EQ(test::ProfileScan(text).SectionNames(), expected);
}

// The service's cut of a too small buffer: whole names while the name and
// its zero stay below the room left (a name that fills it exactly is whole,
// but the length reports a cut), the first that does not cut to the room
// left, then the double zero.
TEST(ProfileTest, SectionNameBufferCutOff) {
  const std::vector<std::tuple<const char*, std::size_t, std::size_t, std::string>> cases{
      {"[ab]\n[cd]\n", 8, 6, "ab\0cd\0\0"s}, {"[ab]\n[cd]\n", 7, 5, "ab\0cd\0\0"s},
      {"[abc]\n[d]\n", 5, 3, "abc\0\0"s},    {"[ab]\n[cdefgh]\n", 7, 5, "ab\0cd\0\0"s},
      {"[ab]\n[cd]\n", 5, 3, "ab\0\0\0"s},   {"[abcdefgh]\n", 5, 3, "abc\0\0"s},
  };
  for (const auto& [text, size, length, buffer_start] : cases) {
    std::string buffer;
    EXPECT_EQ(GetProfileSectionNames(ProfileIndex(text), size, &buffer), length) << text;
    EXPECT_EQ(buffer.size(), size) << text;
    EXPECT_EQ(buffer.substr(0, buffer_start.size()), buffer_start) << text;
  }
}

// Headers [M1] to [M<count>], each name padded with 'x' to `width`.
std::string Headers(int count, std::size_t width) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    std::string name = "M" + std::to_string(i);
    text += "[" + name.append(width > name.size() ? width - name.size() : 0, 'x') + "]\r\n";
  }
  return text;
}

// The reader's view of the name list: at most 256 names, the cut name of a
// full buffer taken like any other; nothing without a header or when the
// first name is the default text (compared exactly).
TEST(ProfileTest, ReadSectionNames) {
  const std::vector<std::tuple<std::string, std::size_t, bool, std::string>> cases{
      {Headers(256, 0), 256, false, "M256"},
      {Headers(257, 0), 256, true, "M256"},
      // 98 names take 98 * 26 of the 2559 characters of room; the 99th gets 10.
      {Headers(100, 25), 99, false, "M99xxxxxxx"},
      {"[getprivateprofiereaderror]\n", 1, false, "getprivateprofiereaderror"},
  };
  std::vector<std::string> names;
  bool overflow = false;
  for (const auto& [text, count, overflows, last] : cases) {
    ASSERT_TRUE(ReadSectionNames(ProfileIndex(text), &names, &overflow)) << last;
    EXPECT_EQ(names.size(), count) << last;
    EXPECT_EQ(overflow, overflows) << last;
    EXPECT_EQ(names.back(), last);
  }
  for (const char* text : {"", "k=v\n", "[]\n", "[GetPrivateProfieReadError]\n[S]\n"}) {
    EXPECT_FALSE(ReadSectionNames(ProfileIndex(text), &names, &overflow)) << text;
  }
}

// A key counts as present when its value, cut to 127 characters and up to its
// first zero, is neither empty nor exactly the default text.
TEST(ProfileTest, ReadKeyPresence) {
  const std::vector<std::pair<std::string, std::optional<std::string>>> cases{
      {"k=v", "v"},
      {"k=", std::nullopt},
      {"k=GetPrivateProfieReadError", std::nullopt},
      {"k=getprivateprofiereaderror", "getprivateprofiereaderror"},
      {"k=" + std::string(127, 'a') + "b", std::string(127, 'a')},
      {"k=\"" + std::string(130, 'a') + "\"", std::string(127, 'a')},
      {"k=" + std::string(127, 'a') + "\0"s, std::string(127, 'a')},
      {"k=ab\0cd"s, "ab"},
      {"k=\0cd"s, std::nullopt},
      {"other=v", std::nullopt},
  };
  for (const auto& [line, expected] : cases) {
    const std::string text = "[S]\n" + line + "\n";
    EXPECT_EQ(ReadKey(ProfileIndex(text), "S", "k"), expected) << line;
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
    for (int lines = static_cast<int>(random() % 12); lines > 0; --lines) {
      text += pieces[random() % pieces.size()] + ends[random() % ends.size()];
    }
    const ProfileIndex index(text);
    const test::ProfileScan scan(text);
    ASSERT_EQ(index.SectionNames(), scan.SectionNames()) << text;
    for (const char* section : {"a", "b", "B", ""}) {
      for (const char* key : {"a", "b", "c", ""}) {
        ASSERT_EQ(index.Find(section, key), scan.Find(section, key))
            << text << " / " << section << " / " << key;
      }
    }
  }
}

// Names that differ only in bytes a careless case fold merges, and names
// that are equal without regard to case (the first one wins): the tables
// pass few slots per name however the names are chosen.
TEST(ProfileTest, TablesProbeFewSlotsPerName) {
  struct Case {
    const char* what;
    char one;
    char other;
    bool distinct;
  };
  const std::vector<Case> cases{
      {"plain letters", 'x', 'y', true},
      {"@ and `", '@', '`', true},
      {"[ and {", '[', '{', true},
      {"0 and 0x10", '0', '\x10', true},
      {"0xC4 and 0xE4", '\xC4', '\xE4', true},
      {"a and A", 'a', 'A', false},
  };
  constexpr int kNames = 4096;  // every mix of the two bytes over 12 places
  for (const Case& c : cases) {
    std::vector<std::string> names;
    std::string text;
    for (int bits = 0; bits < kNames; ++bits) {
      std::string name = "n";
      for (int place = 0; place < 12; ++place) name += (bits >> place & 1) ? c.other : c.one;
      text += "[" + name + "]\nk=" + std::to_string(bits) + "\n";
      names.push_back(std::move(name));
    }
    text += "[S]\n";
    for (int bits = 0; bits < kNames; ++bits) {
      text += names[bits] + "=" + std::to_string(bits) + "\n";
    }
    const ProfileIndex index(text);
    const int some[] = {0, 1, 2730, kNames - 1};
    for (const int bits : some) {
      EXPECT_EQ(index.Find(names[bits], "k"), std::to_string(c.distinct ? bits : 0)) << c.what;
    }
    for (const int bits : some) {
      EXPECT_EQ(index.Find("S", names[bits]), std::to_string(c.distinct ? bits : 0)) << c.what;
    }
    // About one in three names passes a slot; a hash that merges the names
    // passes millions.
    EXPECT_LT(index.ProbeCount(), std::size_t{2 * kNames}) << c.what;
  }
}

// Inputs that a quadratic line split or lookup would never finish.
TEST(ProfileTest, LargeInputsStayLinear) {
  std::string lone_cr = "[S]\r";
  for (int i = 0; i < 200000; ++i) lone_cr += "k" + std::to_string(i) + "=v\r";
  EXPECT_EQ(ProfileIndex(lone_cr).Find("S", "k199999"), std::optional<std::string_view>("v"));

  const std::string one_line = "[S]\nk=" + std::string(8 << 20, 'x');
  EXPECT_EQ(ProfileIndex(one_line).Find("S", "k")->size(), std::size_t{8} << 20);

  // Lookups that go back and forth between a large section and a small one
  // read the large one again only until that has cost twice the text.
  std::string two_sections = "[A]\n";
  for (int i = 0; i < 20000; ++i) two_sections += "k" + std::to_string(i) + "=v\n";
  two_sections += "[B]\nk=w\n";
  const ProfileIndex index(two_sections);
  for (int i = 0; i < 1000; ++i) {
    ASSERT_EQ(index.Find("A", "k" + std::to_string(i)), std::optional<std::string_view>("v"));
    ASSERT_EQ(index.Find("B", "k"), std::optional<std::string_view>("w"));
  }
  EXPECT_LT(index.ProbeCount(), std::size_t{4 * 20000});

  std::string many_sections;
  for (int i = 0; i < 100000; ++i) many_sections += "[s" + std::to_string(i) + "]\na=1\n";
  EXPECT_EQ(ProfileIndex(many_sections).Find("S99999", "A"), std::optional<std::string_view>("1"));
}

}  // namespace
}  // namespace pfedit
