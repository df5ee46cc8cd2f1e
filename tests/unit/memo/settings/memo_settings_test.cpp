// The memo's settings in the registry: defaults of a first start, every value type written and
// read back, values kept in range. (The one-time takeover of the previous version's key is shown
// end to end.)
#include "memo/settings/memo_settings.h"

#include <gtest/gtest.h>

#include <map>

#include "base/text.h"
#include "support/settings_keys.h"
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
  test::TestKey key{"MemoSettings"};
  test::SettingsKeys<TMemoSettings> keys{"MemoSettingsRead", memo::ReadMemoSettings, memo::WriteMemoSettings};
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
  test::changeEvery(memo::memoSettingFields(s));
  s.MemoFile = "C:\\メモ\\memo.ntd"_sj;
  s.MemoFontColor = 0x0000FF;
  s.Bands[0] = {2, 300, true};
  const test::KeyDump values = keys.written(s);
  const test::KeyDump defaults = keys.written(TMemoSettings{});
  for (const auto& [name, value] : values) EXPECT_NE(value, defaults.at(name)) << name;
  EXPECT_EQ(keys.readBack(values), values);

  // The names and types the memo has always stored, the width under its old spelling.
  std::map<std::string, DWORD> types;
  for (const auto& [name, value] : values) types[name] = value.first;
  std::map<std::string, DWORD> expected;
  for (const char* name : {"FormTop", "FromWidth", "FormHeight", "FormLeft", "ToolBar", "StatusBar", "TabPosition",
                           "MemoFontSize", "MemoFontColor", "BackColor", "UseUrl", "UseEmail", "UseLocal", "DropAccept",
                           "AutoOpenText", "FEPOnWhenStart", "NeedBackup", "HotLink", "ForceFix"})
    expected[name] = REG_DWORD;
  for (const char* name :
       {"MemoFile", "MemoFontName", "InsertDateType", "InsertTimeType", "LastTab", "SeparatedHeader"})
    expected[name] = REG_SZ;
  for (const std::string& band : {std::string(), "標準"_sj, "書式"_sj})
    for (const char* part : {"BandOrder", "BandWidth", "BandBreak"}) expected[part + band] = REG_DWORD;
  expected["ReloadOption"] = REG_BINARY;
  EXPECT_EQ(types, expected);
  EXPECT_EQ(values.at("ReloadOption").second.size(), 1u);
  EXPECT_EQ(values.size(), 35u);
}

TEST_F(MemoSettingsStore, AValueOfAnotherTypeOrMissingSpoilsOnlyItself) {
  TMemoSettings s;
  test::changeEvery(memo::memoSettingFields(s));
  keys.expectEachValueFallsBackAlone(s);
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
