// Shortcut files through the shell's link object under Wine, with Japanese names, in the test
// prefix's Startup folder and temp folders; the file-type registration into a test key that
// stands in for HKEY_CLASSES_ROOT.
#include "shared/shortcut_file.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "support/classes_root.h"
#include "support/temp_folder.h"
#include "support/test_key.h"

namespace {

using shared::TKzShortCutOperation;

std::string startup(const std::string& linkFile) {
  return TKzShortCutOperation::SpecialFolderPath(CSIDL_STARTUP) + linkFile;
}

bool create(const std::string& linkFile, const std::string& target, const std::string& folder = "") {
  TKzShortCutOperation op;
  op.LinkFile = linkFile;
  op.Description = "stored";
  op.Target = target;
  op.WorkingDirectory = folder;
  return op.CreateShortCut();
}

TEST(ShortCutFile, CreateTwiceReadAMissingTargetDeleteAndReadNothing) {
  test::TempFolder temp;
  const std::string name = "\\表ソ App Name.lnk"_sj;  // both kanji end in 0x5C
  const std::string target = temp.file("無い表.exe"_sj);
  TKzShortCutOperation op;
  op.LinkFile = name;
  EXPECT_FALSE(op.DeleteShortCut());
  ASSERT_TRUE(create(name, "C:\\first.exe"));
  ASSERT_TRUE(create(name, target, temp.path()));

  op.LinkFile = startup(name);
  op.Arguments = "previous";
  ASSERT_TRUE(op.ReadShortCut());
  EXPECT_EQ(target + "|" + temp.path() + "|表ソ App Name|"_sj,
            op.Target + "|" + op.WorkingDirectory + "|" + op.Description + "|" + op.Arguments);

  op.LinkFile = name;
  EXPECT_TRUE(op.DeleteShortCut());
  op.LinkFile = startup(name);
  EXPECT_FALSE(op.ReadShortCut());
  EXPECT_EQ(target, op.Target);  // a failed read leaves the fields
}

TEST(ShortCutFile, ReadsEveryFieldOfAShortcutWrittenElsewhereAlsoPastMaxPath) {
  test::TempFolder temp;
  std::string folder = temp.path();
  while (folder.size() <= MAX_PATH) {
    folder += "長いフォルダ名表\\"_sj;
    ASSERT_TRUE(CreateDirectoryW(base::wide(folder).c_str(), nullptr));
  }
  const std::string target = folder + "予定表.txt"_sj, link = folder + "ソフト.lnk"_sj;
  ASSERT_TRUE(base::writeFileAtomic(target, "x"));
  Microsoft::WRL::ComPtr<IShellLinkW> w;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&w)));
  w->SetPath(base::wide(target).c_str());
  w->SetArguments(base::wide("/引数 \"a b\""_sj).c_str());
  w->SetWorkingDirectory(base::wide(folder).c_str());
  w->SetIconLocation(base::wide(temp.file("表.ico"_sj)).c_str(), 3);
  w->SetShowCmd(SW_SHOWMINNOACTIVE);
  Microsoft::WRL::ComPtr<IPersistFile> file;
  ASSERT_HRESULT_SUCCEEDED(w.As(&file));
  ASSERT_HRESULT_SUCCEEDED(file->Save(base::wide(link).c_str(), TRUE));

  TKzShortCutOperation op;
  op.LinkFile = link;
  ASSERT_TRUE(op.ReadShortCut());
  EXPECT_EQ(target + "|" + folder + "|/引数 \"a b\"|"_sj + temp.file("表.ico"_sj) + "|3|ソフト"_sj,
            op.Target + "|" + op.WorkingDirectory + "|" + op.Arguments + "|" + op.IconLocation + "|" +
                std::to_string(op.IconIndex) + "|" + op.Description);
}

TEST(ShortCutFile, CreateAnswersFalseWhenTheFileIsNotWritten) {
  const std::string held = "\\使用中表.lnk"_sj, folder = "\\フォルダ表"_sj;
  ASSERT_TRUE(create(held, "C:\\old.exe"));
  // Held open without sharing, as another program may hold it: the shell cannot replace it.
  base::FileHandle hold(
      CreateFileW(base::wide(startup(held)).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(CreateDirectoryW(base::wide(startup(folder)).c_str(), nullptr));
  for (const std::string& linkFile : {"\\無いフォルダ\\x.lnk"_sj, held, folder})
    EXPECT_FALSE(create(linkFile, "C:\\new.exe")) << linkFile;
  hold.reset();
  base::deleteFile(startup(held));
  RemoveDirectoryW(base::wide(startup(folder)).c_str());
}

using test::ClassesRoot;

TEST(ShortCutFileRegistration, WritesTypeIconAndOpenCommandAlsoASecondTime) {
  ClassesRoot root("FileType");
  const std::string exe = "C:\\Program Files\\表 メモ\\Memo.exe"_sj;
  TKzShortCutOperation op;
  op.ShowError = [](std::string_view, std::string_view) { ADD_FAILURE() << "no error expected"; };
  for (int call = 0; call < 2; ++call) op.RegisterFileType(".ntd", "TaveloMemo", "メモ"_sj, exe, 1, true);
  EXPECT_EQ("TaveloMemo|メモ|"_sj + exe + ",1|\"" + exe + "\" \"%1\"",
            root.value(".ntd") + "|" + root.value("TaveloMemo") + "|" + root.value("TaveloMemo\\DefaultIcon") + "|" +
                root.value("TaveloMemo\\shell\\open\\command"));
}

TEST(ShortCutFileRegistration, ARefusedKeyIsReportedOnceAndStopsIt) {
  ClassesRoot root("FileTypeRefused");
  // Below a volatile key no lasting key can be made: the icon's key is refused.
  HKEY type = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, L"TaveloMemo", 0, nullptr, REG_OPTION_VOLATILE,
                                           KEY_ALL_ACCESS, nullptr, &type, nullptr));
  RegCloseKey(type);
  TKzShortCutOperation op;
  std::string shown;
  op.ShowError = [&](std::string_view text, std::string_view caption) { shown += std::string(caption) + "|" += text; };
  op.RegisterFileType(".ntd", "TaveloMemo", "d", "C:\\Memo.exe", 1, true);
  EXPECT_EQ("関連づけの失敗|レジストリへのアクセスは制限されているため，関連づけは行われません"_sj, shown);
  EXPECT_EQ("TaveloMemo|d|<missing>|<missing>", root.value(".ntd") + "|" + root.value("TaveloMemo") + "|" +
                                                    root.value("TaveloMemo\\DefaultIcon") + "|" +
                                                    root.value("TaveloMemo\\shell\\open\\command"));
}

}  // namespace
