// The page "全般2": the time server with its history, the tolerances and their default button,
// the dial-up check, hiding under a resting cursor, and the warning of the force option.
#include "clock/config/pages/general2_page.h"

#include <gtest/gtest.h>

#include "shared/reg_ex.h"
#include "unit/clock/config/pages/general_pages_fixture.h"

namespace {

using tockle::TGeneral2Page;

class General2Page : public test::GeneralPages {
 protected:
  TGeneral2Page& p() { return page<TGeneral2Page>(tockle::tabSpecial); }
};

TEST_F(General2Page, LoadsEachSettingAndSavesWhatTheUserTyped) {
  struct {
    std::string server;
    int timeOut, range, hold, restore;
    bool dialUp, force;
  } cases[] = {
      {"ntp.example.jp", 750, 200, 0, 100, false, true},
      {"127.0.0.1", 32767, 0, 10000, 10000, true, false},
  };
  for (const auto& c : cases) {
    auto& s = host.value;
    s.NTPServer = c.server, s.TimeOut = c.timeOut, s.IgnoreErrorRange = c.range;
    s.MouseHoldInvisible = c.hold, s.MouseHoldInvisibleRestore = c.restore;
    s.DialUp = c.dialUp, s.ForceIfHung = c.force;
    open();
    SCOPED_TRACE(c.server);
    EXPECT_EQ(p().cmbNTPServer.text(), c.server);
    EXPECT_EQ(p().edtNTPTimeout.text(), std::to_string(c.timeOut));
    EXPECT_EQ(p().edtNTPIgnoreErrorRange.text(), std::to_string(c.range));
    EXPECT_EQ(p().edtMouseHoldInvisible.text(), std::to_string(c.hold));
    EXPECT_EQ(p().edtMouseHoldInvisibleRestore.text(), std::to_string(c.restore));
    EXPECT_EQ(p().chkConsiderDialUp.checked(), c.dialUp);
    EXPECT_EQ(p().chkUseForceExitOption.checked(), c.force);
    EXPECT_TRUE(boxes.empty());  // opening never warns
    p().edtNTPTimeout.setText("1234");
    p().edtMouseHoldInvisible.setText("50");
    p().edtMouseHoldInvisibleRestore.setText("20");  // below the range: not taken
    click(p().chkConsiderDialUp);
    p().cmbNTPServer.setText("time.example.org");
    notify(p().cmbNTPServer, CBN_EDITCHANGE);
    apply();
    EXPECT_EQ(s.TimeOut, 1234);
    EXPECT_EQ(s.IgnoreErrorRange, c.range);
    EXPECT_EQ(s.MouseHoldInvisible, 50);
    EXPECT_EQ(s.MouseHoldInvisibleRestore, c.restore);
    EXPECT_EQ(s.DialUp, !c.dialUp);
    EXPECT_EQ(s.NTPServer, "time.example.org");
    shared::TKzRegEx reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(key.path()));
    EXPECT_EQ(reg.SafeReadString("_ntp0"), "time.example.org");
  }
}

TEST_F(General2Page, TheDefaultButtonSetsAFlagOnlyWhenItChangesSomething) {
  host.value.TimeOut = 750;
  host.value.IgnoreErrorRange = 200;
  open();
  click(p().btnNTPDefault);
  EXPECT_FALSE(changed());
  p().edtNTPIgnoreErrorRange.setText("300");
  apply();
  click(p().btnNTPDefault);
  EXPECT_TRUE(changed());
  apply();
  EXPECT_EQ(host.value.IgnoreErrorRange, 200);
}

TEST_F(General2Page, DecliningTheForceWarningLeavesTheBoxOffAndApplyAsItWas) {
  open();
  ShowWindow(dialog->handle(), SW_SHOWNA);
  answer = IDNO;
  click(p().chkUseForceExitOption);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].substr(0, boxes[0].find(':')), "無視オプション利用の警告と確認"_sj);
  EXPECT_FALSE(p().chkUseForceExitOption.checked());
  EXPECT_FALSE(dialog->btnApply.enabled());
  answer = IDYES;
  click(p().chkUseForceExitOption);
  EXPECT_TRUE(p().chkUseForceExitOption.checked());
  EXPECT_TRUE(dialog->btnApply.enabled());
  apply();
  EXPECT_TRUE(host.value.ForceIfHung);
}

}  // namespace
