// The memo's settings in the registry: defaults of a first start, every value type written and
// read back, values kept in range, and the one-time takeover of the previous version's key.
#include "memo/settings/memo_settings.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "support/test_key.h"
#include "unit/memo/main_form_fixture.h"

namespace {

using memo::TMemoSettings;
using memotest::MainFormTest;

class MemoSettingsStore : public ::testing::Test {
 protected:
  TMemoSettings readBack() {
    shared::TKzRegEx r;
    EXPECT_TRUE(r.OpenKey(key.path(), true));
    TMemoSettings s;
    memo::ReadMemoSettings(r, s);
    return s;
  }
  void writeAll(const TMemoSettings& s) {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(key.path(), true));
    memo::WriteMemoSettings(r, s);
  }
  test::KeyDump dump() {
    shared::TRegistry r;
    EXPECT_TRUE(r.OpenKeyReadOnly(key.path()));
    return test::dumpKey(r.CurrentKey());
  }
  test::TestKey key{"MemoSettings"};
};

TEST_F(MemoSettingsStore, AnEmptyKeyGivesEveryDefault) {
  TMemoSettings s = readBack();
  EXPECT_EQ(s.MemoFile, "");
  EXPECT_EQ(s.FormLeft, 309);
  EXPECT_EQ(s.FormTop, 182);
  EXPECT_EQ(s.FormWidth, 574);
  EXPECT_EQ(s.FormHeight, 479);
  EXPECT_EQ(s.TabPosition, 1);
  EXPECT_EQ(s.ReloadOption, 1);
  EXPECT_EQ(s.MemoFontName, "ＭＳ ゴシック"_sj);
  EXPECT_EQ(s.MemoFontSize, 9);
  EXPECT_EQ(s.MemoFontColor, static_cast<int>(0xFF000008u));
  EXPECT_EQ(s.BackColor, static_cast<int>(0xFF000005u));
  EXPECT_EQ(s.InsertDateType, "yyyy年mm月dd日"_sj);
  EXPECT_EQ(s.InsertTimeType, "hh時nn分"_sj);
  EXPECT_TRUE(s.ToolBar && s.StatusBar && s.UseUrl && s.UseEmail && s.UseLocal && s.DropAccept && s.AutoOpenText &&
              s.FEPOnWhenStart && s.NeedBackup && s.HotLink && s.ForceFix);
  EXPECT_FALSE(s.Bands[0].Break);
  EXPECT_TRUE(s.Bands[1].Break);
  EXPECT_TRUE(s.Bands[2].Break);
}

TEST_F(MemoSettingsStore, EveryValueRoundTripsWithItsStoredType) {
  TMemoSettings s;
  s.MemoFile = "C:\\メモ\\memo.ntd"_sj;
  s.FormTop = 10;
  s.FormWidth = 700;
  s.FormHeight = 500;
  s.FormLeft = 20;
  s.ToolBar = false;
  s.StatusBar = false;
  s.TabPosition = 3;
  s.MemoFontName = "Arial";
  s.MemoFontSize = 14;
  s.MemoFontColor = 0x0000FF;
  s.BackColor = 0x00FFEE;
  s.InsertDateType = "dddddd";
  s.InsertTimeType = "t";
  s.UseUrl = s.UseEmail = s.UseLocal = s.DropAccept = s.AutoOpenText = false;
  s.FEPOnWhenStart = s.NeedBackup = s.HotLink = s.ForceFix = false;
  s.LastTab = "二番目"_sj;
  s.ReloadOption = 0;
  s.SeparatedHeader = "tab_";
  s.Bands[0] = {2, 300, true};
  s.Bands[1] = {0, 120, false};
  s.Bands[2] = {1, 80, true};
  writeAll(s);

  TMemoSettings r = readBack();
  EXPECT_EQ(r.MemoFile, s.MemoFile);
  EXPECT_EQ(r.FormTop, 10);
  EXPECT_EQ(r.FormWidth, 700);
  EXPECT_EQ(r.FormHeight, 500);
  EXPECT_EQ(r.FormLeft, 20);
  EXPECT_FALSE(r.ToolBar || r.StatusBar || r.UseUrl || r.UseEmail || r.UseLocal || r.DropAccept || r.AutoOpenText ||
               r.FEPOnWhenStart || r.NeedBackup || r.HotLink || r.ForceFix);
  EXPECT_EQ(r.TabPosition, 3);
  EXPECT_EQ(r.MemoFontName, "Arial");
  EXPECT_EQ(r.MemoFontSize, 14);
  EXPECT_EQ(r.MemoFontColor, 0x0000FF);
  EXPECT_EQ(r.BackColor, 0x00FFEE);
  EXPECT_EQ(r.InsertDateType, "dddddd");
  EXPECT_EQ(r.InsertTimeType, "t");
  EXPECT_EQ(r.LastTab, s.LastTab);
  EXPECT_EQ(r.ReloadOption, 0);
  EXPECT_EQ(r.SeparatedHeader, "tab_");
  for (int b = 0; b < 3; ++b) {
    EXPECT_EQ(r.Bands[b].Order, s.Bands[b].Order) << b;
    EXPECT_EQ(r.Bands[b].Width, s.Bands[b].Width) << b;
    EXPECT_EQ(r.Bands[b].Break, s.Bands[b].Break) << b;
  }

  test::KeyDump d = dump();
  EXPECT_EQ(d.at("FromWidth").first, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(d.count("FormWidth"), 0u);  // the width has always been stored under this spelling
  EXPECT_EQ(d.at("ReloadOption").first, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(d.at("ReloadOption").second.size(), 1u);
  EXPECT_EQ(d.at("HotLink").first, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(d.at("MemoFile").first, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(d.at("MemoFontColor").first, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(d.count("BandOrder"), 1u);
  EXPECT_EQ(d.count("BandWidth標準"_sj), 1u);
  EXPECT_EQ(d.count("BandBreak書式"_sj), 1u);
  EXPECT_EQ(d.size(), 35u);
}

TEST_F(MemoSettingsStore, ValuesOutOfRangeOrOfAnotherTypeAreBroughtBack) {
  {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(key.path(), true));
    r.WriteInteger("TabPosition", 7);
    uint8_t reload = 9;
    r.WriteBinaryData("ReloadOption", &reload, 1);
    r.WriteInteger("MemoFontSize", 0);
    r.WriteInteger("FromWidth", 3);
    r.WriteInteger("FormHeight", -40);
    r.WriteString("FormTop", "abc");  // another type: the default
    r.WriteInteger("MemoFile", 5);
    r.WriteInteger("BandOrder標準"_sj, 12);
  }
  TMemoSettings s = readBack();
  EXPECT_EQ(s.TabPosition, 1);
  EXPECT_EQ(s.ReloadOption, 2);  // beyond "ask" has always meant reload
  EXPECT_EQ(s.MemoFontSize, 9);
  EXPECT_EQ(s.FormWidth, 574);
  EXPECT_EQ(s.FormHeight, 479);
  EXPECT_EQ(s.FormTop, 182);
  EXPECT_EQ(s.MemoFile, "");
  EXPECT_EQ(s.Bands[1].Order, 2);
}

TEST_F(MemoSettingsStore, AReloadOptionOfAnotherSizeKeepsItsDefault) {
  {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(key.path(), true));
    r.WriteInteger("ReloadOption", 0);  // four bytes
  }
  EXPECT_EQ(readBack().ReloadOption, 1);
}

TEST_F(MemoSettingsStore, ColoursResolveSystemColoursByTheirLowByte) {
  EXPECT_EQ(memo::memoColor(0x00123456), 0x123456u);
  EXPECT_EQ(memo::memoColor(static_cast<int>(0xFF000005u)), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(memo::memoColor(static_cast<int>(0x80000008u)), GetSysColor(COLOR_WINDOWTEXT));
}

// The window reading and writing its settings.

TEST_F(MainFormTest, TheFirstStartCreatesTheKeyAndUsesTheDefaults) {
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n"_sj));
  form = std::make_unique<memo::TfrmMain>();
  form->SettingsKey = key.path();
  form->PreviousSettingsKey = previousKey.path();
  form->Settings.MemoFile = dir.file("memo.ntd");
  form->session().manager().BackupFolder = programDir.path();
  ASSERT_TRUE(form->Create());
  EXPECT_EQ(boxes.size(), 0u);
  shared::TRegistry r;
  EXPECT_TRUE(r.KeyExists(key.path()));
  RECT rc{};
  GetWindowRect(form->handle(), &rc);
  EXPECT_EQ(rc.left, 309);
  EXPECT_EQ(rc.top, 182);
  EXPECT_EQ(rc.right - rc.left, 574);
  EXPECT_EQ(rc.bottom - rc.top, 479);
  EXPECT_TRUE(GetWindowLongW(form->tbcMemo.handle(), GWL_STYLE) & TCS_BOTTOM);
  EXPECT_EQ(form->Settings.ReloadOption, 1);
}

TEST_F(MainFormTest, ThePreviousVersionsSettingsAreTakenOverOnceAndItsKeyIsLeftAsItWas) {
  write("memo.ntd", typeII("一/*!/first\\CrLf%\r\n二/*!/second\\CrLf%\r\n"_sj));
  {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(previousKey.path(), true));
    r.WriteString("MemoFile", dir.file("memo.ntd"));
    r.WriteInteger("FromWidth", 640);
    r.WriteString("LastTab", "二"_sj);
    r.WriteInteger("TabPosition", 0);
  }
  form = std::make_unique<memo::TfrmMain>();
  form->SettingsKey = key.path();
  form->PreviousSettingsKey = previousKey.path();
  form->session().manager().BackupFolder = programDir.path();
  ASSERT_TRUE(form->Create());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0],
            "設定データの継承|旧バージョンのデータを自動的に継承します\r\n\r\nただし，[タブの位置] "
            "[ウインドウの横幅] のデータは若干狂います\r\n手動で修正して下さい"_sj);
  EXPECT_EQ(form->rceMemo.text(), "second\r\n");
  EXPECT_EQ(form->width(), 640);
  // Written at once, before anything else happens.
  EXPECT_EQ(readSetting("MemoFile"), dir.file("memo.ntd"));
  shared::TKzRegEx r;
  ASSERT_TRUE(r.OpenKeyReadOnly(key.path()));
  EXPECT_EQ(r.SafeReadInteger("FromWidth"), 640);
  EXPECT_EQ(r.SafeReadInteger("TabPosition"), 0);
  r.CloseKey();
  form.reset();
  ASSERT_TRUE(r.OpenKeyReadOnly(previousKey.path()));
  EXPECT_EQ(test::dumpKey(r.CurrentKey()).size(), 4u);

  // The next start reads the new key and shows no box.
  boxes.clear();
  start("");
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(form->rceMemo.text(), "second\r\n");
}

TEST_F(MainFormTest, AWindowPlacedOffEveryScreenComesBackToItsDefaultPlace) {
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n"_sj));
  {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(key.path(), true));
    r.WriteInteger("FormLeft", -20000);
    r.WriteInteger("FormTop", 30000);
  }
  start(dir.file("memo.ntd"));
  RECT rc{};
  GetWindowRect(form->handle(), &rc);
  EXPECT_EQ(rc.left, 309);
  EXPECT_EQ(rc.top, 182);
}

TEST_F(MainFormTest, ClosingWritesEverySettingFromTheWindow) {
  write("memo.ntd", typeII("一/*!/first\\CrLf%\r\n二/*!/second\\CrLf%\r\n"_sj));
  start(dir.file("memo.ntd"), "二"_sj);
  form->setBounds(50, 60, 600, 400);
  form->TabPositionClick(2);
  form->Settings.HotLink = false;
  form->destroy();
  shared::TKzRegEx r;
  ASSERT_TRUE(r.OpenKeyReadOnly(key.path()));
  TMemoSettings s;
  memo::ReadMemoSettings(r, s);
  EXPECT_EQ(s.FormLeft, 50);
  EXPECT_EQ(s.FormTop, 60);
  EXPECT_EQ(s.FormWidth, 600);
  EXPECT_EQ(s.FormHeight, 400);
  EXPECT_EQ(s.TabPosition, 2);
  EXPECT_FALSE(s.HotLink);
  EXPECT_EQ(s.LastTab, "二"_sj);
  EXPECT_EQ(test::dumpKey(r.CurrentKey()).size(), 35u);
}

TEST_F(MainFormTest, HiddenToolBarsHideTheirOwnBandsWhereverTheStoredOrderPutsThem) {
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n"_sj));
  {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(key.path(), true));
    r.WriteBool("ToolBar", false);
    r.WriteInteger("BandOrder", 2);  // the menu bar last
    r.WriteInteger("BandOrder標準"_sj, 0);
    r.WriteInteger("BandOrder書式"_sj, 1);
  }
  start(dir.file("memo.ntd"));
  auto band = [&](int id) {
    REBARBANDINFOW info{};
    info.cbSize = REBARBANDINFOW_V6_SIZE;
    info.fMask = RBBIM_STYLE;
    LRESULT at = form->clbToolBar.send(RB_IDTOINDEX, static_cast<WPARAM>(id));
    form->clbToolBar.send(RB_GETBANDINFOW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&info));
    return std::pair{static_cast<int>(at), (info.fStyle & RBBS_HIDDEN) == 0};
  };
  EXPECT_EQ(band(memo::kMenuBarBandId), std::pair(2, true));
  EXPECT_EQ(band(memo::kToolBar1Id), std::pair(0, false));
  EXPECT_EQ(band(memo::kToolBar2Id), std::pair(1, false));
}

}  // namespace
