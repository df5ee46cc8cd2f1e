// The memo settings dialog on the window in-process: the tab list's edits and their checks, the
// rename that reaches the document at once, and the settings in and out.
#include "memo/dialogs/memo_config.h"

#include <gtest/gtest.h>

#include "unit/memo/main_form_fixture.h"

namespace {

class MemoConfig : public memotest::MainFormTest {
 protected:
  // The window on a document of these tabs and its dialog, created modeless.
  void open(const std::string& tabLines) {
    write("memo.ntd", typeII(tabLines));
    start(dir.file("memo.ntd"));
    dialog = std::make_unique<memo::TfrmConfig>(form->handle(), form->configValue());
    form->setUpConfig(*dialog);
    ASSERT_TRUE(dialog->create());
  }
  std::vector<std::string> list() { return dialog->tabNames(); }
  std::unique_ptr<memo::TfrmConfig> dialog;
};

TEST_F(MemoConfig, ANewNameDefaultsToTheFirstFreeNumberAndATakenOneFallsBackToIt) {
  open("タブ1/*!/a\r\nタブ3/*!/b\r\n"_sj);
  inputs = {"タブ3"_sj, "x"};
  dialog->btnCreateNewTabClick();
  EXPECT_EQ(prompts.back(), "新規タブ名|タブ2"_sj);
  EXPECT_EQ(boxes.back(), "タブ名だぶりエラー|その名前は既に存在します\r\nデフォルトの名前で追加します"_sj);
  dialog->btnCreateNewTabClick();
  EXPECT_EQ(list(), (std::vector<std::string>{"タブ1"_sj, "タブ3"_sj, "タブ2"_sj, "x"}));
  EXPECT_EQ(documentTabs("memo.ntd").size(), 2u);  // only OK applies the list
}

TEST_F(MemoConfig, BadNamesAndPrefixesAreRefusedWhereTheyAreEntered) {
  open("t/*!/a\r\n");
  inputs = {"", "a\r\nb", "ok"};
  dialog->btnCreateNewTabClick();
  dialog->btnCreateNewTabClick();
  dialog->btnCreateNewTabClick();
  EXPECT_EQ(list(), (std::vector<std::string>{"t", "ok"}));
  EXPECT_EQ(boxes.size(), 2u);
  for (auto [prefix, ok] : {std::pair{"", true},
                            {"memo_", true},
                            {"a\\", false},
                            {"..", false},
                            {"C:", false},
                            {"CON", false},
                            {"x*", false}})
    EXPECT_EQ(memo::isValidTabFilePrefix(prefix), ok) << prefix;
}

TEST_F(MemoConfig, ARenameReachesTheDocumentAtOnceAndSurvivesCancel) {
  open("一/*!/a\r\n二/*!/b\r\n"_sj);
  form->rceMemo.replaceSelection("typed ");  // the shown tab is saved before the rename
  dialog->lsbTabOrder.setItemIndex(1);
  inputs = {"一"_sj, "三"_sj};
  dialog->btnChangeNameClick();  // a name the list has: refused
  EXPECT_EQ(boxes.back(), "タブ名だぶりエラー|その名前は既に存在します\r\n設定は失敗しました"_sj);
  dialog->btnChangeNameClick();
  dialog->close(IDCANCEL);
  EXPECT_EQ(documentTabs("memo.ntd"), (std::vector<std::string>{"一"_sj, "三"_sj}));
  EXPECT_EQ(stripNames(), (std::vector<std::string>{"一"_sj, "三"_sj}));
  EXPECT_EQ(documentTab("memo.ntd", "一"_sj), "typed a\r\n");
}

TEST_F(MemoConfig, RenamingANameAddedInTheDialogFails) {
  open("t/*!/a\r\n");
  inputs = {"new", "newer"};
  dialog->btnCreateNewTabClick();
  dialog->lsbTabOrder.setItemIndex(1);
  dialog->btnChangeNameClick();
  EXPECT_EQ(boxes.back(), "システムエラー|変更に失敗しました"_sj);
  EXPECT_EQ(list(), (std::vector<std::string>{"t", "new"}));
}

TEST_F(MemoConfig, UpDownDeleteAndOkApplyTheListToTheDocument) {
  open("a/*!/1\r\nb/*!/2\r\nc/*!/3\r\n");
  dialog->lsbTabOrder.setItemIndex(0);
  dialog->btnUp.click();  // the first cannot go up
  dialog->btnDown.click();
  EXPECT_EQ(list(), (std::vector<std::string>{"b", "a", "c"}));
  dialog->lsbTabOrder.setItemIndex(2);
  dialog->btnDown.click();  // nor the last down
  dialog->btnDelete.click();
  EXPECT_EQ(dialog->lsbTabOrder.itemIndex(), 1);
  dialog->btnOk.click();
  EXPECT_EQ(documentTabs("memo.ntd"), (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(documentTab("memo.ntd", "a"), "1\r\n");
}

TEST_F(MemoConfig, SettingsComeBackToTheWindowOnOk) {
  setting("InsertDateType", "dddddd");  // the system's long date
  open("t/*!/a\r\n");
  // Every check box the dialog edits, turned over: each reaches the window's settings.
  const std::pair<ui::CheckBox*, bool memo::TMemoSettings::*> boxes_[] = {
      {&dialog->chkUrl, &memo::TMemoSettings::UseUrl},
      {&dialog->chkEmail, &memo::TMemoSettings::UseEmail},
      {&dialog->chkLocal, &memo::TMemoSettings::UseLocal},
      {&dialog->chkHotLink, &memo::TMemoSettings::HotLink},
      {&dialog->chkForceFix, &memo::TMemoSettings::ForceFix},
      {&dialog->chkUseDrop, &memo::TMemoSettings::DropAccept},
      {&dialog->chkAutoOpenText, &memo::TMemoSettings::AutoOpenText},
      {&dialog->chkFEPOnWhenStart, &memo::TMemoSettings::FEPOnWhenStart},
      {&dialog->chkCreateBackup, &memo::TMemoSettings::NeedBackup}};
  const memo::TMemoSettings before = form->Settings;
  for (auto [box, field] : boxes_) box->setChecked(!(before.*field));
  dialog->rdbDateLong.setChecked(false);
  dialog->rdbDateShort.setChecked(true);
  dialog->setTabPosition(3);
  dialog->setReloadOption(2);
  dialog->edtSeparatedHeader.setText("m_");
  dialog->btnOk.click();
  for (auto [box, field] : boxes_) EXPECT_EQ(form->Settings.*field, !(before.*field)) << box->id();
  EXPECT_EQ(form->Settings.InsertDateType, "ddddd");
  EXPECT_EQ(form->Settings.TabPosition, 3);
  EXPECT_EQ(form->Settings.ReloadOption, 2);
  EXPECT_EQ(form->session().manager().SeparatedHeader, "m_");
  EXPECT_EQ(boxes.back(), "タブの位置変更について|タブの位置の変更は，次回起動時に反映されます"_sj);
}

TEST_F(MemoConfig, HelpOpensThePagesContext) {
  open("t/*!/a\r\n");
  std::vector<ULONG_PTR> contexts;
  form->ShowHelp = [&](UINT command, ULONG_PTR data) { contexts.push_back(command == HELP_CONTEXT ? data : 0); };
  for (int page : {0, 1, 2}) {
    dialog->PageControl1.setActivePage(page);
    dialog->BitBtn4.click();
  }
  EXPECT_EQ(contexts, (std::vector<ULONG_PTR>{13, 14, 15}));
}

}  // namespace
