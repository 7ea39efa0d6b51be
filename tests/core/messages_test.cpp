#include <gtest/gtest.h>

#include "core/desktop.h"
#include "core/messages.h"

namespace pfedit {
namespace {

TEST(MessageTable, HasEveryNumberOnceInOrder) {
  const auto& all = AllMessages();
  EXPECT_EQ(all.size(), 284u);
  for (std::size_t i = 1; i < all.size(); ++i) EXPECT_LT(all[i - 1].first, all[i].first);
  EXPECT_EQ(all.front().first, 0);
  EXPECT_EQ(all.back().first, 1095);
  for (const int n : {253, 254}) EXPECT_FALSE(GetMessageText(n).empty()) << n;
}

TEST(MessageTable, KeepsTextsExactlyIncludingSpacesAndMarks) {
  const struct {
    int number;
    const char* text;
  } cases[] = {
      {0, "Parameter File Editor"},
      {11, "F&older..."},
      {147, " 0 : Specification none"},
      {157, "Parameter File (*.vf_)|*.vf_"},
      {1013, "Change the file extension to \"vfd\" to use the temporary file."},
      {1034, "Same model does not  exist. Changes to the file cannot be saved."},
      {1044, "Model code 2 could not be read. "},
      {1066, "The model cannot be deleted.   "},
  };
  for (const auto& c : cases) EXPECT_EQ(GetMessageText(c.number), c.text) << c.number;
}

TEST(MessageTable, UnknownNumbersGiveTheCallersDefault) {
  for (const int n : {-1, 7, 1096, 65535}) {
    EXPECT_EQ(GetMessageText(n, "0") + GetMessageText(n), "0") << n;
    EXPECT_FALSE(HasMessage(n)) << n;
  }
}

TEST(MessageText, CompositeMessagesJoinWithCrLf) {
  EXPECT_EQ(JoinLines({"a", "b", "", "c"}), "a\r\nb\r\n\r\nc");
  EXPECT_EQ(JoinLines({}), "");
}

}  // namespace
}  // namespace pfedit
