#include "models/frm_capa.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/message_ids.h"
#include "model_dialog_support.h"
#include "models/frm_model_info.h"
#include "support/scripted_desktop.h"

namespace pfedit::models {
namespace {

using test::CommaLocale;
using test::PointLocale;

// The rating table of the model information dialog, filled from rows.
struct RatingTable {
  explicit RatingTable(const std::vector<RatingRow>& rows) {
    table.SetRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
      SetRatingRow(table, static_cast<int>(i) + 1, rows[i]);
    }
  }
  std::vector<RatingRow> Rows() const {
    std::vector<RatingRow> rows;
    for (int row = 1; row <= table.RowCount(); ++row) rows.push_back(GetRatingRow(table, row));
    return rows;
  }
  TableModel table{kRatingColumnCount, 0};
};

const std::vector<RatingRow> kSmallRows = {{"0.4", "2.5", "2.4", "2.3", "2.2", "0.4K"},
                                           {"1.5", "8", "7", "6", "5", "1.5K"}};
const std::vector<RatingRow> kLargeRows = {{"90", "180", "170", "160", "150", "90K"},
                                           {"110", "220", "210", "200", "190", "110K"}};
// An entry that passes every check, for each class.
const RatingRow kSmallEntry = {"0.75", "5", "4.5", "4", "3.5", "0.75K"};
const RatingRow kLargeEntry = {"75", "100", "90", "80", "70", "75K"};

const char* const kBoxNames[] = {"txtInvCap",  "txtCurr_SLD", "txtCurr_LD",
                                 "txtCurr_ND", "txtCurr_HD",  "txtInvType"};

constexpr int16_t kAdd = 1, kEdit = 0;

// The dialog opened on a rating table, loaded and ready for the user.
struct CapaDialog {
  CapaDialog(const std::vector<RatingRow>& rows, int16_t mode, int16_t row = 0,
             int16_t capacity_class = kClassSmall, bool four_rating = true,
             frm_Capa::SeparatorSource locale = &PointLocale)
      : rating(rows),
        form(Prepare(state, capacity_class, mode, row), desktop, rating.table, four_rating) {
    form.SetSeparatorSource(locale);
    form.Form_Load();
  }
  static EditorState& Prepare(EditorState& state, int16_t capacity_class, int16_t mode,
                              int16_t row) {
    state.EditCapacityClass = capacity_class;
    state.CapacityDialogMode = mode;
    state.CapacityDialogRow = row;
    return state;
  }
  EditorState state;
  RatingTable rating;
  pfedit::test::ScriptedDesktop desktop;
  frm_Capa form;
};

std::array<TextBoxState*, kRatingColumnCount> Boxes(frm_Capa& form) {
  return {&form.txtInvCap,  &form.txtCurr_SLD, &form.txtCurr_LD,
          &form.txtCurr_ND, &form.txtCurr_HD,  &form.txtInvType};
}

// One OK of the add dialog on a valid entry with one box changed: the
// message it gives (-1 none), the box that gets the focus and what the box
// then holds (the in-place corrections).
TEST(RatedCapacityTest, EachRefusalAndCorrectionOfOk) {
  const struct {
    int16_t capacity_class;
    int box;
    const char* typed;
    int message;
    const char* box_after;  // null: as typed
  } cases[] = {
      {kClassSmall, -1, "", -1, nullptr},
      {kClassLarge, -1, "", -1, nullptr},
      // Empty boxes, checked before any number.
      {kClassSmall, kRatingCapacity, "", msg::kOneByteDigits, nullptr},
      {kClassSmall, kRatingCurrent01, "", msg::kOneByteDigits, nullptr},
      {kClassSmall, kRatingTypeName, "", msg::kOneByteNumber, nullptr},
      // Not a plain number in the locale's notation.
      {kClassSmall, kRatingCapacity, "1,5", msg::kOneByteDigits, nullptr},
      {kClassSmall, kRatingCapacity, "\xB9", msg::kOneByteDigits, nullptr},
      {kClassSmall, kRatingCurrent03, "1.2.3", msg::kOneByteDigits, nullptr},
      // Capacity range per class, decided on exact decimals.
      {kClassSmall, kRatingCapacity, "55", -1, nullptr},
      {kClassSmall, kRatingCapacity, "55.01", msg::kSmallCapacityRange, nullptr},
      {kClassSmall, kRatingCapacity, "-1", msg::kSmallCapacityRange, nullptr},
      {kClassSmall, kRatingCapacity, "0.009", msg::kSmallCapacityRange, "0.00"},
      {kClassSmall, kRatingCapacity, "0.01", -1, nullptr},
      {kClassLarge, kRatingCapacity, "55", msg::kLargeCapacityRange, nullptr},
      {kClassLarge, kRatingCapacity, "55.01", -1, nullptr},
      {kClassLarge, kRatingCapacity, "630.01", msg::kLargeCapacityRange, nullptr},
      // Decimals are cut, not rounded; a trailing mark is dropped.
      {kClassSmall, kRatingCapacity, "0.456", -1, "0.45"},
      {kClassSmall, kRatingCapacity, "1.", -1, "1"},
      {kClassSmall, kRatingCurrent01, "0.05", msg::kSmallCurrentRange, "0.0"},
      {kClassSmall, kRatingCurrent02, "4.99", -1, "4.9"},
      // Current range per class.
      {kClassSmall, kRatingCurrent01, "500", -1, nullptr},
      {kClassSmall, kRatingCurrent01, "500.1", msg::kSmallCurrentRange, nullptr},
      {kClassSmall, kRatingCurrent04, "0", msg::kSmallCurrentRange, nullptr},
      {kClassLarge, kRatingCurrent01, "3600", -1, nullptr},
      {kClassLarge, kRatingCurrent03, "3600.1", msg::kLargeCurrentRange, nullptr},
      // Type names.
      {kClassSmall, kRatingTypeName, "55K", -1, nullptr},
      {kClassSmall, kRatingTypeName, "K", -1, nullptr},
      {kClassSmall, kRatingTypeName, "A1.5B2", -1, nullptr},
      {kClassSmall, kRatingTypeName, ".4K", msg::kOneByteNumber, nullptr},
      {kClassSmall, kRatingTypeName, "0.4-K", msg::kOneByteNumber, nullptr},
      // Another row has it already: capacity as a number, name as text.
      {kClassSmall, kRatingCapacity, "0.40", msg::kSameCapacity, nullptr},
      {kClassSmall, kRatingTypeName, "1.5K", msg::kSameCapacityName, nullptr},
      {kClassSmall, kRatingTypeName, "1.5k", -1, nullptr},
  };
  for (const auto& c : cases) {
    const bool small = c.capacity_class == kClassSmall;
    const std::string label =
        std::to_string(c.capacity_class) + " box " + std::to_string(c.box) + " '" + c.typed + "'";
    CapaDialog d(small ? kSmallRows : kLargeRows, kAdd, 0, c.capacity_class);
    [[maybe_unused]] auto& [state, rating, desktop, form] = d;
    if (c.message >= 0) desktop.ExpectMessage(c.message);
    RatingRow entry = small ? kSmallEntry : kLargeEntry;
    if (c.box >= 0) entry[c.box] = c.typed;
    for (int i = 0; i < kRatingColumnCount; ++i) Boxes(form)[i]->Text = entry[i];

    form.CmdOK_Click();

    EXPECT_EQ(form.Closed(), c.message < 0) << label;
    EXPECT_EQ(form.Accepted(), c.message < 0) << label;
    if (c.message >= 0) {
      EXPECT_EQ(desktop.boxes.at(0).icon, Icon::kExclamation) << label;
      EXPECT_EQ(form.TakeFocusRequest(),
                c.message == msg::kSameCapacity ? "txtInvCap" : kBoxNames[c.box])
          << label;
      EXPECT_EQ(rating.Rows(), small ? kSmallRows : kLargeRows) << label;
    } else {
      EXPECT_EQ(rating.table.RowCount(), 3) << label;
    }
    if (c.box >= 0) {
      EXPECT_EQ(Boxes(form)[c.box]->Text, c.box_after ? c.box_after : c.typed) << label;
    }
  }
}

TEST(RatedCapacityTest, AddWritesPlainNumbersAndSortsByCapacity) {
  CapaDialog d({kSmallRows[1], {"11", "40", "39", "38", "37", "11K"}, kSmallRows[0]}, kAdd);
  [[maybe_unused]] auto& [state, rating, desktop, form] = d;
  for (int i = 0; i < kRatingColumnCount; ++i) EXPECT_EQ(Boxes(form)[i]->Text, "");
  const RatingRow typed = {"2.20", "09.0", "9", "8.", "7.05", "2.2K"};
  for (int i = 0; i < kRatingColumnCount; ++i) Boxes(form)[i]->Text = typed[i];
  form.CmdOK_Click();
  ASSERT_TRUE(form.Accepted());
  const std::vector<RatingRow> expected = {kSmallRows[0],
                                           kSmallRows[1],
                                           {"2.2", "9", "9", "8", "7", "2.2K"},
                                           {"11", "40", "39", "38", "37", "11K"}};
  EXPECT_EQ(rating.Rows(), expected);
}

// Editing a row may keep its own capacity and name; the row is replaced in
// place and the table sorted again.
TEST(RatedCapacityTest, EditReplacesTheRowItShows) {
  for (const bool comma : {false, true}) {
    CapaDialog d(kSmallRows, kEdit, 1, kClassSmall, true, comma ? &CommaLocale : &PointLocale);
    [[maybe_unused]] auto& [state, rating, desktop, form] = d;
    EXPECT_EQ(form.txtInvCap.Text, comma ? "0,4" : "0.4");
    EXPECT_EQ(form.txtCurr_SLD.Text, comma ? "2,5" : "2.5");
    EXPECT_EQ(form.txtInvType.Text, "0.4K");
    form.txtInvCap.Text = comma ? "3,456" : "3.456";
    form.CmdOK_Click();
    ASSERT_TRUE(form.Accepted()) << comma;
    EXPECT_EQ(form.txtInvCap.Text, comma ? "3,45" : "3.45");
    const std::vector<RatingRow> expected = {kSmallRows[1],
                                             {"3.45", "2.5", "2.4", "2.3", "2.2", "0.4K"}};
    EXPECT_EQ(rating.Rows(), expected) << comma;
  }
}

TEST(RatedCapacityTest, OneCurrentModelFillsAllFourCurrents) {
  CapaDialog d({}, kAdd, 0, kClassSmall, false);
  [[maybe_unused]] auto& [state, rating, desktop, form] = d;
  for (const auto* hidden : {&form.txtCurr_LD, &form.txtCurr_ND, &form.txtCurr_HD}) {
    EXPECT_FALSE(hidden->Visible);
  }
  form.txtInvCap.Text = "0.4";
  form.txtCurr_SLD.Text = "2.5";
  form.txtInvType.Text = "0.4K";
  form.CmdOK_Click();
  ASSERT_TRUE(form.Accepted());
  EXPECT_EQ(rating.Rows(), (std::vector<RatingRow>{{"0.4", "2.5", "2.5", "2.5", "2.5", "0.4K"}}));
}

TEST(RatedCapacityTest, CancelAndCloseBoxWriteNothing) {
  for (const bool close_box : {false, true}) {
    CapaDialog d(kSmallRows, kEdit, 2);
    [[maybe_unused]] auto& [state, rating, desktop, form] = d;
    form.txtInvCap.Text = "3";
    close_box ? form.Form_QueryUnload() : form.cmdCancel_Click();
    EXPECT_TRUE(form.Closed());
    EXPECT_EQ(form.Result(), DialogLogic::kResultCancel);
    EXPECT_EQ(rating.Rows(), kSmallRows);
  }
}

// The number boxes take the separator of the same locale that OK reads.
TEST(RatedCapacityTest, NumberKeysFollowTheLocale) {
  for (const bool comma : {false, true}) {
    EditorState state;
    RatingTable rating({});
    pfedit::test::ScriptedDesktop desktop;
    frm_Capa form(state, desktop, rating.table, true);
    form.SetSeparatorSource(comma ? &CommaLocale : &PointLocale);
    std::string passed;
    for (const char c : std::string("1,.-a\b")) {
      int16_t key = c;
      form.NumericBox_KeyPress(key);
      if (key != 0) passed += static_cast<char>(key);
    }
    EXPECT_EQ(passed, comma ? "1,\b" : "1.\b");
  }
}

}  // namespace
}  // namespace pfedit::models
