// Shortcut files through the shell's link object under Wine: written into the test prefix's
// Startup folder and temp folders with Japanese names, read back; the file-type registration
// into a test key standing in for HKEY_CLASSES_ROOT.
#include "shared/shortcut_file.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "support/temp_folder.h"
#include "support/test_key.h"

namespace {

using shared::TKzShortCutOperation;

// "表" and "ソ" end in 0x5C, the byte of a backslash.
const std::string kName = "\\表ソ App Name.lnk"_sj;

std::string startupPath(const std::string& linkFile) {
  return TKzShortCutOperation::SpecialFolderPath(CSIDL_STARTUP) + linkFile;
}

// Takes the test's shortcut out of the Startup folder whatever the test did.
struct StartupShortcut {
  explicit StartupShortcut(std::string name) : linkFile(std::move(name)) { base::deleteFile(startupPath(linkFile)); }
  ~StartupShortcut() { base::deleteFile(startupPath(linkFile)); }
  std::string linkFile;
};

bool create(const std::string& linkFile, const std::string& target, const std::string& folder = "") {
  TKzShortCutOperation op;
  op.SpecialFolder = CSIDL_STARTUP;
  op.LinkFile = linkFile;
  op.Description = "stored description";
  op.Target = target;
  op.WorkingDirectory = folder;
  return op.CreateShortCut();
}

// A shortcut as another program writes it: every field the shell link carries.
void writeFullShortcut(const std::string& path, const std::string& target, const std::string& icon) {
  Microsoft::WRL::ComPtr<IShellLinkW> link;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)));
  link->SetPath(base::wide(target).c_str());
  link->SetArguments(base::wide("/引数 \"a b\""_sj).c_str());
  link->SetWorkingDirectory(base::wide(base::extractFolder(target)).c_str());
  link->SetIconLocation(base::wide(icon).c_str(), 3);
  link->SetShowCmd(SW_SHOWMINNOACTIVE);
  link->SetDescription(L"stored");
  Microsoft::WRL::ComPtr<IPersistFile> file;
  ASSERT_HRESULT_SUCCEEDED(link.As(&file));
  ASSERT_HRESULT_SUCCEEDED(file->Save(base::wide(path).c_str(), TRUE));
}

TEST(ShortCutFile, CreateInStartupAndReadBackAMissingTargetWithoutArguments) {
  test::TempFolder temp;
  StartupShortcut s(kName);
  const std::string target = temp.file("無い表.exe"_sj);  // never created
  ASSERT_TRUE(create(s.linkFile, target, temp.path()));

  TKzShortCutOperation op;
  op.LinkFile = startupPath(s.linkFile);
  op.Arguments = "previous";
  ASSERT_TRUE(op.ReadShortCut());
  EXPECT_EQ(target, op.Target);
  EXPECT_EQ(temp.path(), op.WorkingDirectory);
  EXPECT_EQ("表ソ App Name"_sj, op.Description);
  EXPECT_EQ("", op.Arguments);
}

TEST(ShortCutFile, ReadsEveryFieldOfAShortcutWrittenElsewhereAlsoPastMaxPath) {
  test::TempFolder temp;
  std::string folder = temp.path();
  while (folder.size() < MAX_PATH + 20) {
    folder += "長いフォルダ名表\\"_sj;
    ASSERT_TRUE(CreateDirectoryW(base::wide(folder).c_str(), nullptr));
  }
  const std::string target = folder + "予定表.txt"_sj;
  ASSERT_TRUE(base::writeFileAtomic(target, "x"));
  const std::string link = folder + "ソフト.lnk"_sj;
  writeFullShortcut(link, target, temp.file("アイコン表.ico"_sj));

  TKzShortCutOperation op;
  op.LinkFile = link;
  ASSERT_TRUE(op.ReadShortCut());
  EXPECT_EQ(target, op.Target);
  EXPECT_EQ(folder, op.WorkingDirectory);
  EXPECT_EQ("/引数 \"a b\""_sj, op.Arguments);
  EXPECT_EQ(temp.file("アイコン表.ico"_sj), op.IconLocation);
  EXPECT_EQ(3, op.IconIndex);
  EXPECT_EQ("ソフト"_sj, op.Description);
}

TEST(ShortCutFile, ReadFailureKeepsEveryField) {
  test::TempFolder temp;
  ASSERT_TRUE(base::writeFileAtomic(temp.file("壊れ.lnk"_sj), "not a shortcut"));
  for (const std::string& path : {temp.file("無い.lnk"_sj), temp.file("壊れ.lnk"_sj)}) {
    TKzShortCutOperation op;
    op.LinkFile = path;
    op.Target = op.WorkingDirectory = op.Description = op.Arguments = op.IconLocation = "kept";
    op.IconIndex = 9;
    EXPECT_FALSE(op.ReadShortCut()) << path;
    EXPECT_EQ("kept|kept|kept|kept|kept|9", op.Target + "|" + op.WorkingDirectory + "|" + op.Description + "|" +
                                                op.Arguments + "|" + op.IconLocation + "|" +
                                                std::to_string(op.IconIndex));
  }
}

TEST(ShortCutFile, CreatingTwiceLeavesTheSecondAndDeleteAnswersWhetherItDeleted) {
  StartupShortcut s(kName);
  TKzShortCutOperation del;
  del.SpecialFolder = CSIDL_STARTUP;
  del.LinkFile = s.linkFile;
  EXPECT_FALSE(del.DeleteShortCut());

  ASSERT_TRUE(create(s.linkFile, "C:\\first.exe"));
  ASSERT_TRUE(create(s.linkFile, "C:\\second.exe"));
  TKzShortCutOperation op;
  op.LinkFile = startupPath(s.linkFile);
  ASSERT_TRUE(op.ReadShortCut());
  EXPECT_EQ("C:\\second.exe", op.Target);

  EXPECT_TRUE(del.DeleteShortCut());
  EXPECT_FALSE(base::fileExists(op.LinkFile));
  EXPECT_FALSE(del.DeleteShortCut());
}

TEST(ShortCutFile, CreateAnswersFalseWhenTheFileIsNotWritten) {
  StartupShortcut locked("\\使用中表.lnk"_sj);
  ASSERT_TRUE(create(locked.linkFile, "C:\\old.exe"));
  // Held open without sharing, as another program may hold it: the shell cannot replace it.
  base::FileHandle hold(CreateFileW(base::wide(startupPath(locked.linkFile)).c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(hold);
  StartupShortcut folder("\\フォルダ表"_sj);
  ASSERT_TRUE(CreateDirectoryW(base::wide(startupPath(folder.linkFile)).c_str(), nullptr));

  for (const std::string& linkFile : {"\\無いフォルダ\\x.lnk"_sj, locked.linkFile, folder.linkFile})
    EXPECT_FALSE(create(linkFile, "C:\\new.exe")) << linkFile;
  EXPECT_FALSE(base::fileExists(startupPath("\\無いフォルダ\\x.lnk"_sj)));
  RemoveDirectoryW(base::wide(startupPath(folder.linkFile)).c_str());
}

// HKEY_CLASSES_ROOT of this process pointed at a test key while the object lives.
class ClassesRootOverride {
 public:
  ClassesRootOverride(const test::TestKey& key, REGSAM access) {
    RegCreateKeyExW(HKEY_CURRENT_USER, base::wide(key.path()).c_str(), 0, nullptr, 0, access, nullptr, &key_, nullptr);
    RegOverridePredefKey(HKEY_CLASSES_ROOT, key_);
  }
  ~ClassesRootOverride() {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
};

std::string defaultValue(const test::TestKey& key, const std::string& sub) {
  shared::TRegistry r;
  if (!r.OpenKeyReadOnly(key.path() + "\\" + sub)) return "<missing>";
  return r.ReadString("");
}

TEST(ShortCutFileRegistration, WritesTheTypeIconAndOpenCommandAgainOnASecondCall) {
  test::TestKey key("FileType");
  const std::string exe = "C:\\Program Files\\表 メモ\\Memo.exe"_sj;
  for (int call = 0; call < 2; ++call) {
    ClassesRootOverride root(key, KEY_ALL_ACCESS);
    TKzShortCutOperation op;
    op.ShowError = [](std::string_view, std::string_view) { FAIL() << "no error expected"; };
    op.RegisterFileType(".ntd", "TaveloMemo", "Taveloメモドキュメント"_sj, exe, 1, true);
  }
  EXPECT_EQ("TaveloMemo", defaultValue(key, ".ntd"));
  EXPECT_EQ("Taveloメモドキュメント"_sj, defaultValue(key, "TaveloMemo"));
  EXPECT_EQ(exe + ",1", defaultValue(key, "TaveloMemo\\DefaultIcon"));
  EXPECT_EQ("\"" + exe + "\" \"%1\"", defaultValue(key, "TaveloMemo\\shell\\open\\command"));
}

TEST(ShortCutFileRegistration, ARefusedKeyIsReportedOnceAndStopsIt) {
  test::TestKey key("FileTypeRefused");
  ClassesRootOverride root(key, KEY_ALL_ACCESS);
  // Below a volatile key no lasting key can be made: the icon's key is refused.
  HKEY type = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, L"TaveloMemo", 0, nullptr, REG_OPTION_VOLATILE,
                                           KEY_ALL_ACCESS, nullptr, &type, nullptr));
  RegCloseKey(type);
  TKzShortCutOperation op;
  std::vector<std::string> shown;
  op.ShowError = [&](std::string_view text, std::string_view caption) {
    shown.push_back(std::string(caption) + "|" + std::string(text));
  };
  op.RegisterFileType(".ntd", "TaveloMemo", "d", "C:\\Memo.exe", 1, true);
  ASSERT_EQ(1u, shown.size());
  EXPECT_EQ("関連づけの失敗|レジストリへのアクセスは制限されているため，関連づけは行われません"_sj, shown[0]);
  // What was written before the refusal stays; nothing after it is written.
  EXPECT_EQ("TaveloMemo", defaultValue(key, ".ntd"));
  EXPECT_EQ("d", defaultValue(key, "TaveloMemo"));
  EXPECT_EQ("<missing>", defaultValue(key, "TaveloMemo\\DefaultIcon"));
  EXPECT_EQ("<missing>", defaultValue(key, "TaveloMemo\\shell\\open\\command"));
}

}  // namespace
