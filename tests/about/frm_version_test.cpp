#include <gtest/gtest.h>

#include "about/frm_version.h"
#include "core/messages.h"
#include "core/version.h"

namespace pfedit::about {
namespace {

TEST(VersionNumber, MinorHasAtLeastTwoDigits) {
  const struct {
    int major;
    int minor;
    const char* text;
  } cases[] = {{1, 7, "1.07"}, {1, 12, "1.12"}, {1, 0, "1.00"}, {2, 100, "2.100"}};
  for (const auto& c : cases) EXPECT_EQ(VersionNumberText(c.major, c.minor), c.text);
}

TEST(AboutBox, ShowsTheProgramsOwnVersionAndLegalTexts) {
  frmVersion form;
  form.Form_Load();
  EXPECT_EQ(form.Caption, "Product Information");
  EXPECT_EQ(form.lblTitle, "Parameter File Editor");
  EXPECT_EQ(form.lblVersion, "Version:");
  EXPECT_EQ(form.lblVersion_num, kVersionText);
  EXPECT_EQ(form.lblCopyRight, GetMessageText(253));
  EXPECT_EQ(form.txtCopyRight, GetMessageText(254));
  EXPECT_EQ(form.CmdOK, "OK");
  EXPECT_FALSE(form.closed());
  form.CmdOK_Click();
  EXPECT_TRUE(form.closed());
}

}  // namespace
}  // namespace pfedit::about
