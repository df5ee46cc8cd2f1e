// The launcher page on the settings dialog over a host of its own: the list loaded and written
// back with the menu's rebuilding asked for, row operations, the detail group, files chosen or dropped,
// the special-folder menu, the test start and the icon choice.
#include "clock/config/pages/launcher_page.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "clock/launcher/launch_file.h"
#include "clock/launcher/launch_items.h"
#include "clock/commands/execute_apps.h"
#include "clock/config/config_dialog.h"
#include "shared/shortcut_file.h"
#include "support/fake_common_dialogs.h"
#include "unit/clock/config/config_fixture.h"
#include "unit/clock/clock_fixture.h"

namespace {

using tockle::cpLauncher;

class LauncherPage : public test::ConfigFixture {
 protected:
  void SetUp() override {
    test::ConfigFixture::SetUp();
    answer = IDYES;
  }
  tockle::TLauncherPage& open(std::vector<tockle::TLaunchItem> items = {}) {
    {
      shared::TKzRegEx reg;
      EXPECT_TRUE(reg.OpenKey(key.path(), true));
      tockle::WriteLaunchItems(reg, items);
    }
    return ConfigFixture::open(2).LauncherPage();
  }
  // Each row as "name|path|folder|params|icon path|icon".
  std::vector<std::string> rows() const {
    auto& list = dialog->LauncherPage().lsvLaunch;
    std::vector<std::string> out;
    for (int r = 0; r < list.count(); ++r) {
      std::string s = list.itemText(r, 0);
      for (int c = 1; c < 6; ++c) s += "|" + list.itemText(r, c);
      out.push_back(s);
    }
    return out;
  }
  std::string stored(const std::string& name) {
    shared::TKzRegEx reg;
    if (!reg.OpenKey(key.path(), false) || !reg.ValueExists(name)) return "(none)";
    DWORD type = 0;
    RegQueryValueExW(reg.CurrentKey(), base::wide(name).c_str(), nullptr, &type, nullptr, nullptr);
    return type == REG_DWORD ? std::to_string(reg.ReadInteger(name)) : reg.ReadString(name);
  }
  std::string self = base::programPath();
  std::string selfFolder = tockle::entryFolder(base::programPath());
};

// A click on a check box.
void toggle(ui::CheckBox& box) {
  box.setChecked(!box.checked());
  box.click();
}

tockle::TLaunchItem app(const std::string& name, const std::string& path = "C:\\x.exe") {
  return {name, path, "C:\\", "-p", "", 0};
}

TEST_F(LauncherPage, LoadsTheListAndAppliesItWithTheMenuRebuildAskedForAndTheAccessKeyModeKept) {
  auto& page = open({app("A"), tockle::separatorItem(false), app("B", self)});
  writeFile("_cache3", "stale");
  EXPECT_EQ(rows(), (std::vector<std::string>{"A|C:\\x.exe|C:\\|-p||0", "-|[区切り]|****|****||0"_sj,
                                              "B|" + self + "|C:\\|-p||0"}));
  EXPECT_TRUE(page.chkDrawIcon.checked());
  EXPECT_EQ(page.speIconSize.number(), 16);
  EXPECT_FALSE(page.chkNotAllocAccessKey.checked());
  EXPECT_EQ(dialog->ChangedPages, 0);

  page.lsvLaunch.setSelectedIndex(0);
  page.btnDelAppClick();
  toggle(page.chkNotAllocAccessKey);
  ASSERT_TRUE(dialog->ApplySettings(false));
  EXPECT_EQ(stored("App0") + stored("App1") + stored("App2"), "-B(none)");
  EXPECT_EQ(stored("AppIcon1"), "0");
  EXPECT_TRUE(host.value.DiableAccessKey);
  // The old icon cache goes and the menu is built again before the settings are saved.
  EXPECT_FALSE(base::fileExists(folder.file("_cache3")));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"launcher", "save", "apply launcher"}));
}

// Each of the menu's common settings alone is a launcher change: saved, and the cache dropped.
struct CommonSetting {
  const char* name;
  std::function<void(tockle::TLauncherPage&)> change;
  std::function<bool(const tockle::TClockSettings&)> applied;
};
class LauncherCommonSettings : public LauncherPage, public testing::WithParamInterface<CommonSetting> {};

TEST_P(LauncherCommonSettings, SetTheLauncherFlagAndReachTheClock) {
  auto& page = open({app("B", self)});
  writeFile("_cache3", "stale");
  GetParam().change(page);
  EXPECT_EQ(dialog->ChangedPages, cpLauncher);
  ASSERT_TRUE(dialog->ApplySettings(false));
  EXPECT_TRUE(GetParam().applied(host.value));
  EXPECT_FALSE(base::fileExists(folder.file("_cache3")));
  EXPECT_EQ(host.calls.front(), "launcher");
}

INSTANTIATE_TEST_SUITE_P(Each, LauncherCommonSettings,
                         testing::Values(CommonSetting{"DrawIcon", [](auto& p) { toggle(p.chkDrawIcon); },
                                                       [](auto& s) { return !s.DrawIcon; }},
                                         CommonSetting{"DrawIconSize", [](auto& p) { p.speIconSize.setText("24"); },
                                                       [](auto& s) { return s.DrawIconSize == 24; }},
                                         CommonSetting{"DiableAccessKey",
                                                       [](auto& p) { toggle(p.chkNotAllocAccessKey); },
                                                       [](auto& s) { return s.DiableAccessKey; }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LauncherPage, SeparatorsMovesAndDeletesOnTheSelectedRow) {
  auto& page = open({app("A"), app("B"), app("C")});
  auto names = [&] {
    std::string s;
    for (int r = 0; r < page.lsvLaunch.count(); ++r)
      s += page.lsvLaunch.itemText(r, 1).substr(0, 1) == "[" ? page.lsvLaunch.itemText(r, 1)
                                                             : page.lsvLaunch.itemText(r);
    return s + " sel " + std::to_string(page.lsvLaunch.selectedIndex());
  };
  // Without a selection: moves, deletes and F2 do nothing; a separator is appended.
  page.btnDownAppClick(1);
  page.lsvLaunchKeyDown(VK_DELETE);
  page.lsvLaunchKeyDown(VK_F2);
  EXPECT_EQ(dialog->ChangedPages, 0);
  page.btnRowCutClick(1);
  EXPECT_EQ(rows().back(), "-|[行切り]|****|****||"_sj);
  page.lsvLaunch.setSelectedIndex(1);
  page.lsvLaunchKeyDown(VK_INSERT);
  EXPECT_EQ(names(), "A[区切り]BC[行切り] sel 2"_sj);
  struct {
    int select, tag;
    const char* after;
  } moves[] = {
      {3, 1, "A[区切り]B[行切り]C sel 4"}, {4, 1, "A[区切り]B[行切り]C sel 4"}, {2, 0, "AB[区切り][行切り]C sel 1"}};
  for (auto m : moves) {
    dialog->ChangedPages = 0;
    page.lsvLaunch.setSelectedIndex(m.select);
    page.btnDownAppClick(m.tag);
    EXPECT_EQ(names(), base::fromUtf8(m.after));
    EXPECT_EQ(dialog->ChangedPages, cpLauncher);  // also where nothing moved
  }
  page.lsvLaunch.setSelectedIndex(4);
  page.lsvLaunchKeyDown(VK_DELETE);
  EXPECT_EQ(names(), "AB[区切り][行切り] sel 3"_sj);
}

TEST_F(LauncherPage, NamesAreEditedInPlaceExceptOnSeparators) {
  auto& page = open({app("A"), tockle::separatorItem(true)});
  page.lsvLaunch.setFocus();
  page.lsvLaunch.setSelectedIndex(1);
  page.lsvLaunchKeyDown(VK_F2);
  EXPECT_EQ(page.lsvLaunch.editControl(), nullptr);
  page.lsvLaunch.setSelectedIndex(0);
  page.lsvLaunchKeyDown(VK_F2);
  HWND edit = page.lsvLaunch.editControl();
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, L"Renamed");
  // Enter ends the edit only (the dialog's OK would close it).
  PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  ui::Application::instance().processMessages();
  EXPECT_TRUE(IsWindow(dialog->handle()));
  EXPECT_EQ(page.lsvLaunch.itemText(0), "Renamed");
  EXPECT_EQ(dialog->ChangedPages, cpLauncher);
}

TEST_F(LauncherPage, EscThatEndsTheInPlaceEditLeavesTheDialogOpenUntilTheListIsLeft) {
  auto& page = open({app("A")});
  page.lsvLaunch.setFocus();
  page.lsvLaunch.setSelectedIndex(0);
  page.lsvLaunchKeyDown(VK_F2);
  HWND edit = page.lsvLaunch.editControl();
  ASSERT_NE(edit, nullptr);
  auto press = [](HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 0);
    ui::Application::instance().processMessages();
  };
  press(edit, VK_ESCAPE);
  EXPECT_EQ(page.lsvLaunch.editControl(), nullptr);
  press(page.lsvLaunch.handle(), VK_ESCAPE);
  EXPECT_TRUE(IsWindow(dialog->handle()));
  EXPECT_EQ(page.lsvLaunch.itemText(0), "A");
  EXPECT_EQ(dialog->ChangedPages, 0);
  // Once the list is left, Esc is the dialog's Cancel again.
  page.btnNewApp.setFocus();
  EXPECT_EQ(dialog->modalResult(), 0);
  press(page.btnNewApp.handle(), VK_ESCAPE);
  EXPECT_EQ(dialog->modalResult(), IDCANCEL);
}

TEST_F(LauncherPage, RegisterRefusesWhatCannotStartAndNamesANamelessItem) {
  auto& page = open();
  std::vector<std::string> texts;
  prompts.answer = [&](const test::FakePrompts::Box& box) {
    texts.push_back(std::string(box.caption) + "|" + std::string(box.text));
    return IDOK;
  };
  const std::string gone = folder.file("gone.exe");
  struct {
    std::string name, path, box;
  } refused[] = {
      {"Named", " ", "ランチャの登録|パスが指定されていません\r\n起動するファイルかフォルダのパスを入れて下さい"_sj},
      {"Named", self + ";" + gone, "ランチャの登録|"_sj + gone + " が見つかりません\r\nパスを確認して下さい"_sj}};
  for (const auto& r : refused) {
    page.btnNewAppClick(0);
    page.edtAppName.setText(r.name);
    page.edtAppPath.setText(r.path);
    EXPECT_FALSE(page.btnRegAppClick());
    EXPECT_TRUE(page.EditGroupOpen());
    EXPECT_EQ(page.edtAppName.text() + "|" + page.edtAppPath.text(), r.name + "|" + r.path);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), r.box);
    page.btnCanAppClick();
  }
  EXPECT_TRUE(rows().empty());
  // An empty name takes the file's name.
  page.btnNewAppClick(0);
  page.edtAppPath.setText(self);
  EXPECT_TRUE(page.btnRegAppClick());
  EXPECT_EQ(rows().size(), 1u);
  EXPECT_EQ(page.lsvLaunch.itemText(0), base::changeExtension(base::extractFileName(self), ""));
}

TEST_F(LauncherPage, NewAndEditThroughTheDetailGroupKeepTheChosenIcon) {
  auto& page = open({tockle::separatorItem(false), {"Own", "C:\\none.exe", "C:\\", "", self, 3}});
  page.lsvLaunch.setSelectedIndex(0);
  page.btnNewAppClick(1);
  EXPECT_FALSE(page.EditGroupOpen());
  // Edit keeps the chosen icon although the path is set after it.
  page.lsvLaunch.setSelectedIndex(1);
  page.btnNewAppClick(1);
  ASSERT_TRUE(page.EditGroupOpen());
  EXPECT_FALSE(GetWindowLongW(page.lsvLaunch.handle(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(page.lblSituation.text(), "EDIT");
  EXPECT_NE(page.spbIcon.send(BM_GETIMAGE, IMAGE_BITMAP), 0);
  page.edtAppPath.setText(self);  // an existing file: its own first icon and its folder
  EXPECT_EQ(page.lblIconPath.text() + "|" + page.lblIcon.text() + "|" + page.edtAppFolder.text(), self + "|0|C:\\");
  page.lblIcon.setText("3");
  page.edtAppName.setText("Edited");
  page.btnRegAppClick();
  EXPECT_FALSE(page.EditGroupOpen());
  EXPECT_EQ(rows()[1], "Edited|" + self + "|C:\\||" + self + "|3");
  EXPECT_EQ(dialog->ChangedPages, cpLauncher);

  // New: cancelled or with an empty path it adds nothing; with a path a row in front of the
  // selected one.
  dialog->ChangedPages = 0;
  page.btnNewAppClick(0);
  EXPECT_EQ(page.edtAppName.text() + page.lblIcon.text() + page.lblSituation.text(), "NEW");
  page.edtAppPath.setText(self);
  page.btnCanAppClick();
  EXPECT_EQ(page.PendingEdit() + std::to_string(dialog->ChangedPages), "0");
  page.btnNewAppClick(0);
  EXPECT_FALSE(page.btnRegAppClick());  // refused: no path
  page.btnCanAppClick();
  EXPECT_EQ(rows().size(), 2u);
  page.btnNewAppClick(0);
  page.edtAppName.setText(" New ");
  page.edtAppPath.setText(self);
  EXPECT_EQ(page.edtAppFolder.text(), selfFolder);
  EXPECT_EQ(page.PendingEdit(), "ランチャのアイテム  New  がまだ未確定です"_sj);
  // OK asks, and Yes registers it before applying.
  answer = IDYES;
  dialog->btnOkClick();
  EXPECT_EQ(stored("App1"), " New ");
  EXPECT_EQ(stored("AppPath1"), self);
  EXPECT_EQ(stored("App2"), "Edited");
}

TEST_F(LauncherPage, AChosenFileJoinsThePathOnYesAndReplacesTheFieldsOnNo) {
  test::FakeCommonDialogs fake;
  auto& page = open();
  page.btnNewAppClick(0);
  page.edtAppPath.setText("a.exe");
  fake.files = {self, self};
  answer = IDYES;
  page.btnOpenFileClick();
  EXPECT_EQ(page.edtAppPath.text(), "a.exe;" + self);
  EXPECT_EQ(fake.lastFile.title, "ファイルの指定"_sj);
  EXPECT_EQ(fake.lastFile.fileName, "");  // a.exe does not exist: no start file
  EXPECT_TRUE(fake.lastFile.flags & OFN_NODEREFERENCELINKS);
  answer = IDNO;
  page.edtAppPath.setText(self);
  page.btnOpenFileClick();
  EXPECT_EQ(fake.lastFile.fileName, self);
  EXPECT_EQ(askedCaption, "同時起動設定"_sj);
  EXPECT_EQ(page.edtAppName.text() + "|" + page.edtAppPath.text() + "|" + page.edtAppFolder.text() + "|" +
                page.lblIconPath.text() + "|" + page.lblIcon.text(),
            base::changeExtension(base::extractFileName(self), "") + "|" + self + "|" + selfFolder + "|" + self + "|0");
  EXPECT_EQ(dialog->ChangedPages, 0);  // registering sets it
}

TEST_F(LauncherPage, TheSpecialFolderMenuStartsTheFileDialogThereAndAFolderBecomesAnItem) {
  test::FakeCommonDialogs fake;
  auto& page = open();
  base::Menu menu = page.ppmLaunchOpenMenu();
  std::string captions;
  for (int i = 0; i < GetMenuItemCount(menu.get()); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu.get(), static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    captions += base::cp932(text) + "|";
  }
  EXPECT_EQ(
      captions,
      "フォルダを登録(&F)||プログラム(&P)|共有プログラム(&C)|スタートアップ(&S)|共有スタートアップ(&D)|デスクトップ(&D)|"_sj);
  page.btnNewAppClick(0);
  page.MenuCommand(tockle::mnuSpecialFolderBase + 3);
  EXPECT_EQ(fake.lastFile.initialDir, shared::TKzShortCutOperation::SpecialFolderPath(CSIDL_STARTUP));
  const std::string sub = folder.file("Tools");
  ASSERT_TRUE(CreateDirectoryW(base::wide(sub).c_str(), nullptr));
  fake.folders = {sub};
  page.MenuCommand(tockle::mnuRegFolder);
  EXPECT_EQ(fake.calls.back(), "browseFolder:追加フォルダの選択"_sj);
  EXPECT_EQ(
      page.edtAppName.text() + "|" + page.edtAppPath.text() + "|" + page.edtAppFolder.text() + "|" +
          page.lblIconPath.text() + "|" + page.lblIcon.text(),
      "Tools|" + sub + "|" + folder.path().substr(0, folder.path().size() - 1) + "|" + tockle::folderIconFile() + "|4");
  fake.folders = {"C:\\"};
  page.btnOpenFolderClick();
  EXPECT_EQ(fake.calls.back(), "browseFolder:フォルダの選択"_sj);
  EXPECT_EQ(page.edtAppFolder.text(), "C:\\");
}

// An HDROP as the shell hands it over.
HDROP makeDrop(const std::vector<std::string>& names) {
  std::wstring all;
  for (auto& n : names) all += base::wide(n) + L'\0';
  all += L'\0';
  HGLOBAL mem = GlobalAlloc(GHND, sizeof(DROPFILES) + all.size() * sizeof(wchar_t));
  auto* df = static_cast<DROPFILES*>(GlobalLock(mem));
  df->pFiles = sizeof(DROPFILES);
  df->fWide = TRUE;
  std::copy(all.begin(), all.end(), reinterpret_cast<wchar_t*>(df + 1));
  GlobalUnlock(mem);
  return static_cast<HDROP>(mem);
}

TEST_F(LauncherPage, ADroppedShortcutOpensTheGroupAndSeveralFilesAreInsertedInOrder) {
  auto& page = open({app("A")});
  // A shortcut whose target is gone: read without a window, its arguments left out.
  const std::string link = folder.file("Tool.LNK");
  {
    Microsoft::WRL::ComPtr<IShellLinkW> w;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&w)));
    w->SetPath(base::wide(folder.file("gone\\tool.exe")).c_str());
    w->SetWorkingDirectory(L"C:\\");
    w->SetArguments(L"-x");
    w->SetIconLocation(base::wide(self).c_str(), 2);
    Microsoft::WRL::ComPtr<IPersistFile> file;
    ASSERT_HRESULT_SUCCEEDED(w.As(&file));
    ASSERT_HRESULT_SUCCEEDED(file->Save(base::wide(link).c_str(), TRUE));
  }
  SendMessageW(page.lsvLaunch.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop({link})), 0);
  ASSERT_TRUE(page.EditGroupOpen());
  EXPECT_EQ(page.lblSituation.text(), "NEW");
  EXPECT_EQ(page.edtAppName.text() + "|" + page.edtAppPath.text() + "|" + page.edtAppFolder.text() + "|" +
                page.edtAppParam.text() + "|" + page.lblIconPath.text() + "|" + page.lblIcon.text(),
            "Tool|" + folder.file("gone\\tool.exe") + "|C:\\||" + self + "|2");
  page.btnCanAppClick();

  page.lsvLaunch.setSelectedIndex(0);
  SendMessageW(page.lsvLaunch.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop({self, link})), 0);
  EXPECT_EQ(rows(), (std::vector<std::string>{"unit_clock|" + self + "|" + selfFolder + "||" + self + "|0",
                                              "Tool|" + folder.file("gone\\tool.exe") + "|C:\\||" + self + "|2",
                                              "A|C:\\x.exe|C:\\|-p||0"}));
  EXPECT_EQ(dialog->ChangedPages, cpLauncher);
}

TEST_F(LauncherPage, TheTestStartRunsTheSelectedItemOnlyAndTheIconPickerSetsTheChoice) {
  auto& page = open({tockle::separatorItem(false), app("A", "C:\\a.exe;C:\\b.exe")});
  base::Menu menu = page.ppmLaunchMenu();
  EXPECT_EQ(GetMenuItemCount(menu.get()), 6);
  page.MenuCommand(tockle::mnuLaunchTestStart);
  page.lsvLaunch.setSelectedIndex(0);
  page.MenuCommand(tockle::mnuLaunchTestStart);
  EXPECT_TRUE(host.started.empty());
  page.lsvLaunch.setSelectedIndex(1);
  page.MenuCommand(tockle::mnuLaunchTestStart);
  EXPECT_EQ(host.started, std::vector<std::string>{"C:\\a.exe;C:\\b.exe|-p|C:\\"});

  // The picker starts at the path's file and icon 0 when no icon is chosen yet.
  std::string askedFile, askedIcon;
  page.PickIconDialog = [&](HWND, std::string& file, std::string& icon) {
    askedFile = file;
    askedIcon = icon;
    file = self;
    icon = "5";
    return true;
  };
  page.MenuCommand(tockle::mnuLaunchEdit);
  page.lblIconPath.setText("");
  page.lblIcon.setText("");
  page.spbIconClick();
  EXPECT_EQ(askedFile + "|" + askedIcon, "C:\\a.exe;C:\\b.exe|0");
  EXPECT_EQ(page.lblIconPath.text() + "|" + page.lblIcon.text(), self + "|5");
  EXPECT_NE(page.spbIcon.send(BM_GETIMAGE, IMAGE_BITMAP), 0);
}

}  // namespace
