// The start-up buttons of the real clock's settings dialog, pressed from outside: the shortcut
// lands in a Startup folder of the test's own and points at the running Tockle.exe.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/files.h"
#include "base/text.h"
#include "shared/shortcut_file.h"
#include "support/e2e.h"
#include "support/startup_folder.h"

namespace {

const std::string kTitle = "Tockle 3 for Windows 9x/NT by Ruxel";
const std::string kKey = "Software\\Quorvane\\Tockle3";

// A descendant window of parent with exactly this text (a button on one of the dialog's pages).
HWND childTitled(HWND parent, const std::string& text) {
  for (HWND h : test::descendants(parent))
    if (test::controlText(h) == text) return h;
  return nullptr;
}

class StartupShortcut : public testing::Test {
 protected:
  void SetUp() override { test::deleteUserKey(kKey); }
  void TearDown() override { test::deleteUserKey(kKey); }
};

TEST_F(StartupShortcut, RegisterWritesAShortcutToTheRunningClockAndRemoveDeletesIt) {
  test::TempFolder startupFolder;
  std::string folder = startupFolder.path();
  folder.pop_back();
  test::StartupFolder startup(folder);
  const std::string link = startupFolder.file("Tockle3.lnk");

  // Without a system menu file the clock opens its settings dialog on all pages as it starts.
  test::ProgramRun clock("Tockle.exe");
  base::deleteFile(clock.path("_system3"));
  ASSERT_TRUE(clock.start());
  HWND box = clock.waitForWindow("システムメニュー設定エラー"_sj);
  ASSERT_NE(box, nullptr);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  HWND dialog = clock.waitForWindow("環境設定 - Tockle 3"_sj);
  ASSERT_NE(dialog, nullptr);
  HWND create = nullptr, erase = nullptr;
  ASSERT_TRUE(test::waitUntil([&] {
    create = childTitled(dialog, "スタートアップへ登録(&S)"_sj);
    erase = childTitled(dialog, "スタートアップから削除(&D)"_sj);
    return create && erase;
  }));

  // The press returns once the clock has handled it.
  SendMessageW(create, BM_CLICK, 0, 0);
  ASSERT_TRUE(base::fileExists(link));
  shared::TKzShortCutOperation op;
  op.LinkFile = link;
  ASSERT_TRUE(op.ReadShortCut());
  EXPECT_TRUE(base::equalsNoCase(op.Target, clock.path("Tockle.exe"))) << op.Target;
  EXPECT_TRUE(base::equalsNoCase(op.WorkingDirectory, clock.folder())) << op.WorkingDirectory;
  EXPECT_EQ(test::windowsTitled("スタートアップ登録エラー"_sj).size(), 0u);

  SendMessageW(erase, BM_CLICK, 0, 0);
  EXPECT_FALSE(base::fileExists(link));

  PostMessageW(dialog, WM_CLOSE, 0, 0);
  clock.close(kTitle);
}

}  // namespace
