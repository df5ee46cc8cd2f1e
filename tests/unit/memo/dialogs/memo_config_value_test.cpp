// The memo settings dialog on its own: the value it is given shows in its controls, and OK gives
// back what the controls hold; a refused value keeps the dialog open.
#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/dialogs/memo_config.h"
#include "ui/app.h"

namespace {

TEST(MemoConfigValue, TheValueFillsTheControlsAndOkGivesBackWhatTheyHold) {
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  memo::MemoConfig given;
  given.Settings.InsertDateType = "dddddd";
  given.Settings.InsertTimeType = "hh:nn";
  given.Settings.TabPosition = 2;
  given.Settings.SeparatedHeader = "m_";
  given.Settings.FormTop = 7;  // not the dialog's: comes back as it went
  given.Tabs = {"a", "b"};
  memo::TfrmConfig d(nullptr, given);
  std::vector<memo::MemoConfig> applied;
  bool accept = false;
  d.OnApply = [&](const memo::MemoConfig& v) {
    applied.push_back(v);
    return accept;
  };
  ASSERT_TRUE(d.create());
  EXPECT_TRUE(d.rdbDateWin.checked() && d.rdbDateLong.checked());
  EXPECT_TRUE(d.rdbTimeCustom.checked());
  EXPECT_EQ(d.cbbTimeCustom.text(), "hh:nn");
  EXPECT_EQ(d.lblDatePreview.text().substr(0, 12), "プレビュー: "_sj);
  EXPECT_EQ(d.tabPosition(), 2);
  EXPECT_EQ(d.edtSeparatedHeader.text(), "m_");
  EXPECT_EQ(d.tabNames(), given.Tabs);

  d.rdbDateLong.setChecked(false);
  d.rdbDateShort.setChecked(true);
  d.chkHotLink.setChecked(!given.Settings.HotLink);
  d.setReloadOption(2);
  d.lsbTabOrder.setItemIndex(0);
  d.btnDown.click();
  d.btnOk.click();  // refused: stays open
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_TRUE(IsWindow(d.handle()));
  const memo::MemoConfig& back = applied[0];
  EXPECT_EQ(back.Tabs, (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(back.Settings.InsertDateType, "ddddd");
  EXPECT_EQ(back.Settings.InsertTimeType, "hh:nn");
  EXPECT_EQ(back.Settings.HotLink, !given.Settings.HotLink);
  EXPECT_EQ(back.Settings.ReloadOption, 2);
  EXPECT_EQ(back.Settings.FormTop, 7);

  memo::TMemoSettings into;
  memo::copyDialogSettings(back.Settings, into);
  EXPECT_EQ(into.ReloadOption, 2);
  EXPECT_EQ(into.FormTop, memo::TMemoSettings().FormTop);  // only what the dialog edits
  accept = true;
  d.btnOk.click();
  EXPECT_FALSE(IsWindow(d.handle()));
}

}  // namespace
