#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "about/frm_version.h"
#include "core/version.h"
#include "support/scripted_desktop.h"

namespace pfedit::about {
namespace {

TEST(VersionNumber, MinorHasAtLeastTwoDigits) {
  const struct {
    int major;
    int minor;
    const char* text;
  } cases[] = {{1, 7, "1.07"}, {1, 0, "1.00"}, {2, 100, "2.100"}};
  for (const auto& c : cases) EXPECT_EQ(VersionNumberText(c.major, c.minor), c.text);
}

TEST(AboutBox, ShowsTheProgramsOwnVersionAndLegalTexts) {
  frmVersion form;
  form.Form_Load();
  EXPECT_EQ(form.Caption + '|' + form.lblTitle.Caption + '|' + form.lblVersion_num.Caption,
            std::string("Product Information|Parameter File Editor|") + kVersionText);
  EXPECT_FALSE(form.lblCopyRight.Caption.empty() || form.txtCopyRight.Text.empty());
  EXPECT_TRUE(form.txtCopyRight.Locked);
}

// The result is what the first close made of it: only OK accepts, and a
// later close (a close box clicked while OK is handled) changes nothing.
TEST(AboutBox, OnlyOkAcceptsAndTheFirstCloseCounts) {
  const struct {
    const char* steps;  // O: OK, X: close box
    int16_t result;
  } cases[] = {{"", DialogLogic::kResultCancel},
               {"O", DialogLogic::kResultOk},
               {"X", DialogLogic::kResultCancel},
               {"OX", DialogLogic::kResultOk},
               {"XO", DialogLogic::kResultCancel}};
  for (const auto& c : cases) {
    frmVersion form;
    form.Form_Load();
    for (const char* step = c.steps; *step != '\0'; ++step) {
      if (*step == 'O') form.CmdOK_Click();
      if (*step == 'X') form.Form_QueryUnload();
    }
    EXPECT_EQ(form.Closed(), c.steps[0] != '\0') << c.steps;
    EXPECT_EQ(form.Result(), c.result) << c.steps;
  }
}

class OtherDialog final : public DialogLogic {
 public:
  const char* FormName() const override { return "frmOther"; }
};

// The scripted desktop is what keeps every dialog test honest: it must fail
// on a dialog of another type and on an action that leaves the dialog open.
TEST(ScriptedDesktopDialogs, FailOnAnotherTypeAndOnADialogLeftOpen) {
  EXPECT_NONFATAL_FAILURE(
      {
        test::ScriptedDesktop desktop;
        desktop.ExpectDialog<OtherDialog>([](OtherDialog& other) { other.Form_QueryUnload(); });
        frmVersion about;
        desktop.RunModal(about);
      },
      "expected dialog");
  EXPECT_NONFATAL_FAILURE(
      {
        test::ScriptedDesktop desktop;
        desktop.ExpectDialog<frmVersion>([](frmVersion&) {});
        frmVersion about;
        desktop.RunModal(about);
      },
      "still open");
}

}  // namespace
}  // namespace pfedit::about
