// Commands on the clock window: the dispatcher, the system menu from "_system3", hot keys from
// "_hot3", the mouse hook, the alarm request and program lists.
#include "clock/commands/commands.h"

#include <gtest/gtest.h>

#include "base/handles.h"
#include "clock/app/main_config_host.h"
#include "clock/config/config_dialog.h"
#include "clock/power/power_area.h"
#include "support/e2e.h"
#include "ui/form.h"
#include "ui/modal_scope.h"
#include "ui/timer.h"
#include "unit/clock/clock_fixture.h"

namespace {

using Commands = test::ClockFixture;

constexpr int kCtrlShiftF11 = 0x4000 | 0x2000 | VK_F11;

TEST_F(Commands, ShowHideTogglesOnlyWithTheTrayIcon) {
  form.Settings.InTray = true;
  form.ExecuteCommand(7);
  EXPECT_FALSE(form.visible());
  EXPECT_TRUE(tockle::FindItemByTag(7, form.ppmSystem)->Checked);
  form.ExecuteCommand(7);
  EXPECT_TRUE(form.visible());
  EXPECT_FALSE(tockle::FindItemByTag(7, form.ppmSystem)->Checked);
  form.Settings.InTray = false;
  form.ExecuteCommand(7);
  EXPECT_TRUE(form.visible());
}

TEST_F(Commands, AlwaysOnTopTogglesTheWindowAndTheCheckMark) {
  ASSERT_TRUE(form.topMost());
  form.ExecuteCommand(5);
  EXPECT_FALSE(form.Settings.AlwaysOnTop);
  EXPECT_FALSE(form.topMost());
  EXPECT_FALSE(tockle::FindItemByTag(5, form.ppmSystem)->Checked);
  form.ExecuteCommand(5);
  EXPECT_TRUE(form.topMost());
  EXPECT_TRUE(tockle::FindItemByTag(5, form.ppmSystem)->Checked);
}

TEST_F(Commands, MemoStartsFromTheProgramFolderAndUnknownNumbersDoNothing) {
  form.ExecuteCommand(1);
  ASSERT_EQ(shell.size(), 1u);
  EXPECT_EQ(shell[0].file, folder.file("Memo.exe"));
  EXPECT_EQ(shell[0].params, "");
  EXPECT_EQ(shell[0].folder, folder.path());
  for (int n : {0, 9, 14, 18, 101, -1}) form.ExecuteCommand(n);
  EXPECT_EQ(shell.size(), 1u);
  EXPECT_EQ(power.calls(), 0u);
  EXPECT_TRUE(form.visible());
}

TEST_F(Commands, SynchronisationAsksTheConfiguredServer) {
  form.ExecuteCommand(6);
  EXPECT_EQ(form.StatusText.rfind("Failed", 0), 0u) << form.StatusText;
  form.Settings.NTPServer = "";
  form.StatusText = "unchanged";
  form.ExecuteCommand(6);
  EXPECT_EQ(form.StatusText, "unchanged");
}

TEST_F(Commands, PowerCommandsRunTheirKinds) {
  form.Settings.TimeRemain = -1;
  form.ExecuteCommand(10);
  form.ExecuteCommand(11);
  form.ExecuteCommand(12);
  form.ExecuteCommand(17);
  EXPECT_EQ(power.exitFlags, (std::vector<UINT>{EWX_SHUTDOWN | EWX_POWEROFF, EWX_REBOOT}));
  ASSERT_EQ(power.powerStates.size(), 2u);
  EXPECT_TRUE(power.powerStates[0].suspend);
  EXPECT_FALSE(power.powerStates[1].suspend);
}

TEST_F(Commands, FitWindowLetsTheTextRefitTheWindow) {
  form.Settings.AutoResize = false;
  form.setBounds(0, 0, 600, 200);
  form.ExecuteCommand(16);
  EXPECT_TRUE(test::waitUntil([&] { return form.width() < 600 && form.width() > 0; }, 3000));
  EXPECT_LT(form.height(), 200);
}

TEST_F(Commands, FitWindowGivesAnAnalogFaceAloneItsStartingSize) {
  form.Settings.AutoResize = false;
  form.tmeMain.SetClockKind(2);
  form.setBounds(0, 0, 600, 200);
  form.ExecuteCommand(16);
  int unit = GetSystemMetrics(SM_CXSCREEN) / 13;
  EXPECT_EQ(form.width(), unit + form.Settings.AutoWidth);
  EXPECT_EQ(form.height(), unit + form.Settings.AutoHeight);
}

TEST_F(Commands, SystemMenuIsBuiltFromTheFileAndMarkedBeforeEachDisplay) {
  auto& menu = form.ppmSystem;
  ASSERT_EQ(menu.Items.size(), 8u);
  EXPECT_TRUE(tockle::FindItemByTag(10, menu)->Bound);
  EXPECT_EQ(tockle::FindItemByTag(8, menu)->ImageIndex, 4);
  EXPECT_EQ(tockle::FindItemByTag(22, menu)->ImageIndex, 6);
  form.Settings.AutoResize = true;
  form.ppmSystemPopup();
  EXPECT_FALSE(tockle::FindItemByTag(15, menu)->Visible);
  EXPECT_FALSE(tockle::FindItemByTag(16, menu)->Visible);
  EXPECT_TRUE(tockle::FindItemByTag(5, menu)->Checked);
  EXPECT_FALSE(tockle::FindItemByTag(7, menu)->Checked);
  form.Settings.AutoResize = false;
  form.Settings.AlwaysOnTop = false;
  form.ppmSystemPopup();
  EXPECT_TRUE(tockle::FindItemByTag(15, menu)->Visible);
  EXPECT_FALSE(tockle::FindItemByTag(5, menu)->Checked);
  // Each apply rebuilds the menu instead of adding to it; without icons no image is set.
  form.Settings.SystemIcon = false;
  form.ApplySettings(false);
  EXPECT_EQ(menu.Items.size(), 8u);
  EXPECT_EQ(tockle::FindItemByTag(8, menu)->ImageIndex, -1);
}

// The pop-up menu as Win32 holds it: the pictures of the seven commands exactly while SystemIcon.
TEST_F(Commands, SystemMenuPicturesShowOnlyWithSystemIcon) {
  for (bool icons : {true, false}) {
    form.Settings.SystemIcon = icons;
    form.ApplySettings(false);
    base::Menu menu = form.BuildSystemPopup();
    auto picture = [](HMENU m, UINT id, BOOL byPosition) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_BITMAP;
      GetMenuItemInfoW(m, id, byPosition, &info);
      return info.hbmpItem;
    };
    EXPECT_EQ(picture(menu.get(), 8, FALSE) != nullptr, icons);
    EXPECT_EQ(picture(menu.get(), 22, FALSE) != nullptr, icons);
    // Commands without a picture of their own and submenus get a blank one (measured with the
    // picture column, so their captions show whole); separators get none.
    HBITMAP blank = icons ? form.iglSystem.Blank() : nullptr;
    EXPECT_EQ(picture(menu.get(), 5, FALSE), blank);
    EXPECT_EQ(picture(menu.get(), 2, TRUE), blank);
    EXPECT_EQ(picture(menu.get(), 3, TRUE), nullptr);
  }
}

TEST_F(Commands, AMissingSystemMenuFileIsReportedAndMadeFromTheDefaultMenu) {
  base::deleteFile(folder.file("_system3"));
  writeFile("_command", "[System]\r\n[HotKey]\r\n[Default]\r\n設定(&O)=8\r\n-=-1\r\n終了(&X)=22\r\n"_sj);
  std::string text, caption;
  UINT flags = 0;
  prompts.answer = [&](const test::FakePrompts::Box& box) {
    text = box.text;
    caption = box.caption;
    flags = box.flags;
    return IDOK;
  };
  int mode = -1;
  tockle::setConfigDialogShow([&](tockle::TfrmConfig& d) { mode = d.ConfigMode; });
  form.ApplySettings(false);
  EXPECT_EQ(caption, "システムメニュー設定エラー"_sj);
  EXPECT_EQ(text, "重要なファイル "_sj + folder.file("_system3") + " が見つかりません\r\n環境設定を開きます"_sj);
  EXPECT_EQ(flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
  // The settings dialog was asked for (all pages) before the menu was read, and what it makes
  // on its creation, the system menu file, is there.
  EXPECT_EQ(mode, 0);
  ASSERT_EQ(form.ppmSystem.Items.size(), 3u);
  EXPECT_EQ(form.ppmSystem.Items.front().Caption, "設定(&O)"_sj);
  EXPECT_EQ(form.ppmSystem.Items.back().Tag, 22);
  EXPECT_TRUE(base::fileExists(folder.file("_system3")));
}

TEST_F(Commands, WithoutTheCommandListTheProgramEndsAfterOneBoxWithoutDialogOrFiles) {
  base::deleteFile(folder.file("_system3"));
  base::deleteFile(folder.file("_command"));
  std::vector<std::string> captions;
  prompts.answer = [&](const test::FakePrompts::Box& box) {
    captions.emplace_back(box.caption);
    return IDOK;
  };
  bool shown = false;
  tockle::setConfigDialogShow([&](tockle::TfrmConfig&) { shown = true; });
  form.ApplySettings(false);
  EXPECT_EQ(captions, (std::vector<std::string>{"システムメニュー設定エラー"_sj, "クリティカルエラー"_sj}));
  EXPECT_FALSE(shown);
  EXPECT_TRUE(ui::Application::instance().terminated());
  EXPECT_FALSE(base::fileExists(folder.file("_system3")));
  EXPECT_FALSE(base::fileExists(folder.file("_hot3")));
}

// The box says why "_command" cannot be read: missing, a folder in its place, held by another
// program.
TEST_F(Commands, TheCommandListBoxSaysWhatIsWrongWithTheFile) {
  const std::pair<const char*, const char*> cases[] = {
      {"missing", " が見つかりません"}, {"folder", " はファイルではありません"}, {"locked", " を読み込めません"}};
  for (auto [kind, phrase] : cases) {
    SCOPED_TRACE(kind);
    ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
    std::string path = folder.file("_command");
    base::deleteFile(path);
    RemoveDirectoryW(base::wide(path).c_str());
    base::FileHandle lock;
    if (std::string(kind) == "folder") CreateDirectoryW(base::wide(path).c_str(), nullptr);
    if (std::string(kind) == "locked") {
      writeFile("_command", "[System]\r\n");
      lock.reset(CreateFileW(base::wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    }
    tockle::MainConfigHost host(form);
    tockle::TfrmConfig config(host, tockle::cfgAllPages);
    std::string text;
    prompts.answer = [&](const test::FakePrompts::Box& box) {
      text = box.text;
      return IDOK;
    };
    EXPECT_FALSE(config.LoadCommandList());
    EXPECT_EQ(text.rfind("重要なコマンドファイル _command"_sj + base::fromUtf8(phrase), 0), 0u) << text;
  }
}

// A folder where "_system3" belongs: one box that says so, and no settings dialog (which could not
// replace it, and whose OK would apply the settings again).
TEST_F(Commands, AFolderInPlaceOfTheSystemMenuFileIsReportedWithoutOpeningTheSettings) {
  base::deleteFile(folder.file("_system3"));
  CreateDirectoryW(base::wide(folder.file("_system3")).c_str(), nullptr);
  std::vector<std::string> texts;
  prompts.answer = [&](const test::FakePrompts::Box& box) {
    texts.emplace_back(box.text);
    return IDOK;
  };
  bool shown = false;
  tockle::setConfigDialogShow([&](tockle::TfrmConfig&) { shown = true; });
  form.ApplySettings(false);
  EXPECT_FALSE(shown);
  EXPECT_EQ(texts, std::vector<std::string>{"重要なファイル "_sj + folder.file("_system3") +
                                            " はファイルではありません(同じ名前のフォルダがあります)"_sj});
}

TEST_F(Commands, HotKeysFromTheFileRunTheirCommands) {
  form.Settings.InTray = true;
  writeFile("_hot3", "-1=0\r\n7=" + std::to_string(kCtrlShiftF11) + "\r\n5=0\r\n");
  form.LoadHotKeys();
  test::pressShortcut(kCtrlShiftF11);
  ASSERT_TRUE(test::waitUntil([&] { return !form.visible(); }, 2000));
  EXPECT_EQ(form.hkHotKey.Tag, 7);
  test::pressShortcut(kCtrlShiftF11);
  EXPECT_TRUE(test::waitUntil([&] { return form.visible(); }, 2000));
  // A code of 0 unregisters the command's keys.
  writeFile("_hot3", "7=0\r\n");
  form.LoadHotKeys();
  test::pressShortcut(kCtrlShiftF11);
  ASSERT_TRUE(test::handlePostedMessages());
  EXPECT_TRUE(form.visible());
}

// A line that cannot be read stops no later line and is said once; a key another program holds
// is said at each load and works once it is free.
TEST_F(Commands, HotKeysNotRegisteredAreSaidAndTheAssignmentWaitsForTheKey) {
  constexpr int kHeld = 0x3FF0;
  ASSERT_TRUE(RegisterHotKey(nullptr, kHeld, MOD_CONTROL | MOD_SHIFT, VK_F11));
  std::vector<std::string> texts;
  prompts.answer = [&](const test::FakePrompts::Box& box) {
    texts.emplace_back(box.text);
    return IDOK;
  };
  writeFile("_hot3", "abc=5\r\n7=" + std::to_string(kCtrlShiftF11) +
                         "\r\n5=" + std::to_string(0x4000 | 0x2000 | VK_F10) + "\r\n");
  form.LoadHotKeys();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NE(texts[0].find("abc=5"), std::string::npos);
  EXPECT_NE(texts[0].find("\r\n  Shift+Ctrl+F11  "), std::string::npos);
  EXPECT_EQ(texts[0].find("F10"), std::string::npos);
  // The line after the bad one is registered: nobody else gets its keys.
  EXPECT_FALSE(RegisterHotKey(nullptr, kHeld + 1, MOD_CONTROL | MOD_SHIFT, VK_F10));
  form.LoadHotKeys();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].find("abc=5"), std::string::npos);
  EXPECT_NE(texts[1].find("Shift+Ctrl+F11"), std::string::npos);
  UnregisterHotKey(nullptr, kHeld);
  form.LoadHotKeys();
  EXPECT_EQ(texts.size(), 2u);
  EXPECT_FALSE(RegisterHotKey(nullptr, kHeld, MOD_CONTROL | MOD_SHIFT, VK_F11));
  writeFile("_hot3", "7=" + std::to_string(kCtrlShiftF11) + "\r\n");
  form.LoadHotKeys();
  EXPECT_FALSE(base::fileExists(folder.file("_hot3.~tmp")));
}

TEST_F(Commands, AHotKeyDoesNothingForShowHideWithoutTheTrayIcon) {
  form.Settings.InTray = false;
  writeFile("_hot3", "7=" + std::to_string(kCtrlShiftF11) + "\r\n");
  form.LoadHotKeys();
  test::pressShortcut(kCtrlShiftF11);
  ASSERT_TRUE(test::waitUntil([&] { return form.hkHotKey.Tag == 7; }, 2000));
  EXPECT_TRUE(form.visible());
}

TEST_F(Commands, MouseHookActsOnlyOnTheClockWindow) {
  form.Settings.MouseOperation1 = 1;
  MSG other{form.hkHotKey.handle(), WM_MBUTTONDOWN, MK_MBUTTON, 0, 0, {}};
  EXPECT_FALSE(form.AppMessage(other));
  EXPECT_TRUE(shell.empty());
  MSG middle{form.handle(), WM_MBUTTONDOWN, MK_MBUTTON, 0, 0, {}};
  EXPECT_FALSE(form.AppMessage(middle));
  EXPECT_EQ(shell.size(), 1u);
  MSG shiftLeft{form.handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, 0, 0, {}};
  EXPECT_TRUE(form.AppMessage(shiftLeft));
  EXPECT_EQ(shell.size(), 2u);
  // The tray's left and middle buttons follow the settings too.
  form.Settings.MouseOperation0 = 1;
  form.triIconMouseDown(form.triIcon, tockle::TrayButton::Left);
  EXPECT_EQ(shell.size(), 3u);
}

TEST_F(Commands, UnderAModalWindowOnlyCommandsThatOpenNoWindowRun) {
  bool opened = false;
  int mode = -1;
  tockle::setConfigDialogShow([&](tockle::TfrmConfig& d) {
    opened = true;
    mode = d.ConfigMode;
  });
  form.Settings.MouseOperation1 = 1;
  form.Settings.TimeRemain = -1;  // a power command would act at once
  {
    ui::ModalScope modal(nullptr);
    EXPECT_FALSE(IsWindowEnabled(form.handle()));
    for (int command : {tockle::cmdSettings, tockle::cmdNewAlarm, tockle::cmdShutdown, tockle::cmdExit})
      form.ExecuteCommand(command);
    std::string text = "wake";
    COPYDATASTRUCT cds{1, static_cast<DWORD>(text.size()), text.data()};
    SendMessageW(form.handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    MSG middle{form.handle(), WM_MBUTTONDOWN, MK_MBUTTON, 0, 0, {}};
    form.AppMessage(middle);
    EXPECT_TRUE(shell.empty());
    form.ExecuteCommand(tockle::cmdMemo);  // opens no window of the clock
    EXPECT_EQ(shell.size(), 1u);
    // A close from outside leaves the clock running under its modal window.
    SendMessageW(form.handle(), WM_CLOSE, 0, 0);
  }
  EXPECT_FALSE(opened);
  EXPECT_EQ(power.calls(), 0u);
  ASSERT_TRUE(test::handlePostedMessages());
  EXPECT_TRUE(form.exists());
  EXPECT_TRUE(IsWindowEnabled(form.handle()));
  // The alarm request kept under the modal window opens the dialog on its new alarm once it closed.
  EXPECT_TRUE(opened);
  EXPECT_EQ(mode, tockle::cfgNewAlarm);
  EXPECT_EQ(form.AlarmRequestText, "wake");
  EXPECT_FALSE(form.PendingAlarmRequest);
  opened = false;
  form.ExecuteCommand(tockle::cmdSettings);
  EXPECT_TRUE(opened);
}

TEST_F(Commands, AlarmRequestKeepsItsTextForTheNewAlarm) {
  int mode = -1;
  tockle::setConfigDialogShow([&](tockle::TfrmConfig& d) { mode = d.ConfigMode; });
  std::string text = "  " + std::string(254, 'x');
  while (text.size() < 300) text += "会"_sj;
  COPYDATASTRUCT cds{1, static_cast<DWORD>(text.size()), text.data()};
  EXPECT_EQ(SendMessageW(form.handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds)), 0);
  EXPECT_EQ(form.AlarmRequestText, std::string(254, 'x'));
  EXPECT_EQ(mode, 3);
  // The clock is back after the dialog's "Loading...".
  EXPECT_TRUE(form.tmrClock.enabled());
  COPYDATASTRUCT empty{1, 0, text.data()};
  SendMessageW(form.handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&empty));
  EXPECT_EQ(form.AlarmRequestText, std::string(254, 'x'));
}

}  // namespace

namespace {

using HotKeyActivation = test::ClockFixture;

// A plain window of this process that holds the foreground while the hot key is pressed.
class OtherWindow : public ui::Form {
 public:
  OtherWindow() {
    ui::FormParams p;
    p.caption = "other";
    create(p);
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
  }
  ~OtherWindow() override { destroy(); }
};

TEST_F(HotKeyActivation, ActivateDecidesWhetherTheClockComesToTheForeground) {
  form.Settings.InTray = false;  // command 7 then runs without changing anything
  writeFile("_hot3", "7=" + std::to_string(kCtrlShiftF11) + "\r\n");
  form.LoadHotKeys();
  OtherWindow other;
  form.hkHotKey.Activate = false;
  form.hkHotKey.Tag = 0;
  test::pressShortcut(kCtrlShiftF11);
  ASSERT_TRUE(test::waitUntil([&] { return form.hkHotKey.Tag == 7; }, 2000));
  EXPECT_EQ(GetForegroundWindow(), other.handle());
  form.hkHotKey.Activate = true;
  form.hkHotKey.Tag = 0;
  test::pressShortcut(kCtrlShiftF11);
  ASSERT_TRUE(test::waitUntil([&] { return form.hkHotKey.Tag == 7; }, 2000));
  EXPECT_EQ(GetForegroundWindow(), form.handle());
}

TEST_F(HotKeyActivation, HotKeysArriveWhileTheClocksModalQuestionIsOpen) {
  form.Settings.InTray = true;
  form.Settings.TimeRemain = 0;
  writeFile("_hot3", "7=" + std::to_string(kCtrlShiftF11) + "\r\n");
  form.LoadHotKeys();
  bool hidden = false;
  ui::Timer driver(50, true);
  driver.onTimer = [&] {
    HWND dlg = test::findWindow("確認 - Tockle 3"_sj);
    if (!dlg || !IsWindowVisible(dlg)) return;
    driver.setEnabled(false);
    test::pressShortcut(kCtrlShiftF11);
    hidden = test::waitUntil([&] { return !form.visible(); }, 2000);
    PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
  };
  form.power().PowerOperation(0);
  EXPECT_TRUE(hidden);
  EXPECT_EQ(power.calls(), 0u);
}

// The window starts a program list: special names run its own operations, the rest go to the shell.
using ExecuteApps = test::ClockFixture;

TEST_F(ExecuteApps, SpecialNamesRunTheirOperationsAndOthersGoToTheShell) {
  form.Settings.TimeRemain = -1;
  form.ExecuteApps("#ExitWindows;#ntpsynchronize;C:\\Q\\c.exe", "-x", "");
  ASSERT_EQ(power.exitFlags.size(), 1u);
  EXPECT_EQ(power.exitFlags[0], static_cast<UINT>(EWX_SHUTDOWN | EWX_POWEROFF));
  ASSERT_EQ(shell.size(), 2u);
  EXPECT_EQ(shell[0].file, "#ntpsynchronize");
  EXPECT_EQ(shell[1].file, "C:\\Q\\c.exe");
  EXPECT_EQ(shell[1].params, "");
  EXPECT_EQ(shell[1].folder, "C:\\Q");
}

TEST_F(ExecuteApps, AStartThatFailsSaysWhichEntryAndWhy) {
  std::vector<std::string> texts;
  prompts.answer = [&](const test::FakePrompts::Box& box) {
    texts.push_back(std::string(box.caption) + "|" + std::string(box.text));
    return IDOK;
  };
  shellError = ERROR_FILE_NOT_FOUND;
  form.ExecuteApps("C:\\gone.exe;C:\\also.exe", "", "");
  EXPECT_EQ(shell.size(), 2u);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "起動エラー|C:\\gone.exe を起動できませんでした\r\nファイルが見つかりません"_sj);
  EXPECT_EQ(tockle::shellErrorText(1234), "エラー番号 1234"_sj);
}

TEST_F(ExecuteApps, TheSynchronisationNameAsksTheTimeServer) {
  form.ExecuteApps("#NTPSynchronize", "", "");
  EXPECT_EQ(form.StatusText.rfind("Failed", 0), 0u) << form.StatusText;
  EXPECT_TRUE(shell.empty());
}

TEST_F(ExecuteApps, EachPowerNameRunsItsKind) {
  form.Settings.TimeRemain = -1;
  form.ExecuteApps("#RestartWindows;#SuspendWindows;#HibernateWindows", "", "");
  ASSERT_EQ(power.exitFlags.size(), 1u);
  EXPECT_EQ(power.exitFlags[0], static_cast<UINT>(EWX_REBOOT));
  ASSERT_EQ(power.powerStates.size(), 2u);
  EXPECT_TRUE(power.powerStates[0].suspend);
  EXPECT_FALSE(power.powerStates[1].suspend);
  EXPECT_TRUE(shell.empty());
}

}  // namespace
