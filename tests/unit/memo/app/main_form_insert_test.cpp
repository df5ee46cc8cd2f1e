// The insert commands, dropped files and the document file type of the memo window in-process
// (the date and time commands: unit/memo/insert/insert_commands_test.cpp).
#include <windows.h>

#include <gtest/gtest.h>
#include <wrl/client.h>

#include "base/text.h"
#include "memo/chrome/commands.h"
#include "support/fake_common_dialogs.h"
#include "support/file_drops.h"
#include "ui/modal_scope.h"
#include "unit/memo/main_form_fixture.h"

namespace {

class MemoInsert : public memotest::MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    write("memo.ntd", typeII("一/*!/abc\\CrLf%\r\n二/*!/second\\CrLf%\r\n"_sj));
    start(dir.file("memo.ntd"));
  }
  void drop(const std::vector<std::string>& paths) {
    std::vector<std::wstring> names;
    for (auto& p : paths) names.push_back(base::wide(p));
    SendMessageW(form->handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(test::makeDrop(names)), 0);
  }
};

TEST_F(MemoInsert, AnInsertedFileLandsAtTheEndWhereverTheCaretIsAndNoTextIsRefused) {
  test::FakeCommonDialogs dialogs;
  write("in.txt", "l1\r\nl2\r\n");
  write("bin.txt", std::string("a\0", 2));
  dialogs.files = {dir.file("in.txt"), dir.file("bin.txt")};
  form->rceMemo.setSelection(1, 0);
  form->ExecuteCommand(memo::mnuInsertText);
  EXPECT_EQ("テキストファイル(*.txt)|*.txt"_sj, dialogs.lastFile.filter);
  EXPECT_EQ("openFile:挿入するファイルの指定"_sj, dialogs.calls.at(0));
  EXPECT_EQ("abc\r\n\r\n===> Inserted from file://" + dir.file("in.txt") + "\r\n\r\nl1\r\nl2", form->rceMemo.text());
  form->ExecuteCommand(memo::mnuInsertText);
  EXPECT_EQ((std::vector<std::string>{"ファイルの読み込み|テキストファイルではないため読み込めません -> "_sj +
                                      dir.file("bin.txt")}),
            boxes);
}

TEST_F(MemoInsert, UnderAModalWindowACommandOrADropFromOutsideIsHeldBack) {
  form->Settings.AutoOpenText = true;
  write("a.txt", "first a\r\n");
  {
    ui::ModalScope modal(form->handle());
    SendMessageW(form->handle(), WM_COMMAND, memo::actInsertDate, 0);
    drop({dir.file("a.txt")});
    EXPECT_EQ("abc\r\n", form->rceMemo.text());
    EXPECT_EQ((std::vector<std::string>{"一"_sj, "二"_sj}), stripNames());
  }
  SendMessageW(form->handle(), WM_COMMAND, memo::actInsertDate, 0);
  EXPECT_NE("abc\r\n", form->rceMemo.text());
  drop({dir.file("a.txt")});
  EXPECT_EQ((std::vector<std::string>{"一"_sj, "二"_sj, dir.file("a.txt")}), stripNames());
}

TEST_F(MemoInsert, DroppedTextFilesBecomeTabsByTheirPathsAndADropAgainAsksBeforeReplacing) {
  form->Settings.AutoOpenText = true;
  write("a.txt", "first a\r\n");
  write("B.TXT", "b\r\n");
  form->rceMemo.replaceSelection("edit ");  // not yet saved: it must survive the new tabs
  drop({dir.file("a.txt"), dir.file("B.TXT")});
  EXPECT_EQ((std::vector<std::string>{"一"_sj, "二"_sj, dir.file("a.txt"), dir.file("B.TXT")}), stripNames());
  EXPECT_EQ("edit abc\r\n", form->rceMemo.text());
  EXPECT_EQ("first a\r\n", documentTab("memo.ntd", dir.file("a.txt")));

  form->tbcMemo.setSelectedIndex(2);
  form->session().tbcMemoChange();
  write("a.txt", "second a\r\n");
  answers = {IDNO, IDYES};
  drop({dir.file("a.txt")});
  drop({dir.file("a.txt")});
  ASSERT_EQ(2u, boxes.size());
  EXPECT_EQ("タブの置き換えの確認|タブ ["_sj + dir.file("a.txt") +
                "] は既に存在します\r\nファイルの内容で置き換えますか？"_sj,
            boxes[0]);
  EXPECT_EQ("second a\r\n", documentTab("memo.ntd", dir.file("a.txt")));
  EXPECT_EQ("second a\r\n", form->rceMemo.text());  // the shown tab was loaded again
}

TEST_F(MemoInsert, OtherDropsAddLinesFoldersShortcutsInCapitalsAndUrlsButAUrlFileWithoutOneAddsNothing) {
  write("target.exe", "x");
  write("with.url", "[InternetShortcut]\r\nURL=http://example.com/\r\n");
  write("without.url", "[InternetShortcut]\r\n");
  form->Settings.AutoOpenText = false;
  write("note.txt", "n");  // a line
  Microsoft::WRL::ComPtr<IShellLinkW> link;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)));
  link->SetPath(base::wide(dir.file("target.exe")).c_str());
  Microsoft::WRL::ComPtr<IPersistFile> file;
  ASSERT_HRESULT_SUCCEEDED(link.As(&file));
  ASSERT_HRESULT_SUCCEEDED(file->Save(base::wide(dir.file("APP.LNK")).c_str(), TRUE));
  write("broken.lnk", "no shortcut");
  CreateDirectoryW(base::wide(dir.file("フォルダ"_sj)).c_str(), nullptr);
  drop({dir.file("フォルダ"_sj), dir.file("APP.LNK"), dir.file("with.url"), dir.file("without.url"),
        dir.file("note.txt"), dir.file("broken.lnk")});
  EXPECT_EQ("abc\r\n" + dir.file("フォルダ"_sj) + "\r\n" + dir.file("target.exe") + "\r\nhttp://example.com/\r\n" +
                dir.file("note.txt") + "\r\n" + dir.file("broken.lnk"),
            form->rceMemo.text());
  EXPECT_EQ(2, form->session().tabCount());
  EXPECT_EQ("ドロップアイテムを追加 -> 5 個"_sj, form->StatusText());  // the URL file without one is not counted
}

// A tab that could not be loaded is read-only: a drop adds no line there, and the status says so.
TEST_F(MemoInsert, ADropOnAReadOnlyTabAddsNothingAndCountsNothing) {
  form->Settings.AutoOpenText = false;
  write("note.txt", "n");
  form->rceMemo.setReadOnly(true);
  drop({dir.file("note.txt"), dir.path()});
  EXPECT_EQ("abc\r\n", form->rceMemo.text());
  EXPECT_EQ("ドロップアイテムを追加 -> 0 個"_sj, form->StatusText());
}

TEST_F(MemoInsert, TheFileTypeIsRegisteredFromTheToolsMenuAgainAndAgain) {
  const std::string exe = base::programPath();
  auto registered = [&] {
    return classes.value(".ntd") + "|" + classes.value("TaveloMemo") + "|" + classes.value("TaveloMemo\\DefaultIcon") +
           "|" + classes.value("TaveloMemo\\shell\\open\\command");
  };
  const std::string expected = "TaveloMemo|Taveloメモドキュメント|"_sj + exe + ",1|\"" + exe + "\" \"%1\"";
  for (int run = 0; run < 2; ++run) {
    form->ExecuteCommand(memo::mnuRelatedLink);
    EXPECT_EQ(expected, registered());
  }
  EXPECT_TRUE(boxes.empty());
  // The icon it names is there: the program file (this one is built from the same resources)
  // carries the program's icon and, second, the document's.
  EXPECT_EQ(ExtractIconExW(base::wide(exe).c_str(), -1, nullptr, nullptr, 0), 2u);
}

TEST_F(MemoInsert, ARefusedRegistrationIsToldOnceARunAndTheProgramGoesOn) {
  shared::TRegistry r;
  r.RootKey = HKEY_CLASSES_ROOT;
  r.DeleteKey("TaveloMemo");
  // Below a volatile key no lasting key can be made: the icon's key is refused.
  HKEY type = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, L"TaveloMemo", 0, nullptr, REG_OPTION_VOLATILE,
                                           KEY_ALL_ACCESS, nullptr, &type, nullptr));
  RegCloseKey(type);
  form->ExecuteCommand(memo::mnuRelatedLink);
  form->ExecuteCommand(memo::mnuRelatedLink);
  EXPECT_EQ((std::vector<std::string>{
                "関連づけの失敗|レジストリへのアクセスは制限されているため，関連づけは行われません"_sj}),
            boxes);
  EXPECT_TRUE(IsWindow(form->handle()));
}

}  // namespace
