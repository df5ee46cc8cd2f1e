// Typed values and named files turned into launcher items: missing folders and icon files fall back
// to the path's, a folder shows the shell's folder icon, an unreadable shortcut gives empty values.
#include "clock/launcher/launch_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "support/temp_folder.h"

namespace {

using tockle::TLaunchFile;

std::string joined(const TLaunchFile& v) {
  return v.Name + "|" + v.Path + "|" + v.Folder + "|" + v.Params + "|" + v.IconPath + "|" + v.IconNumber;
}

TEST(LaunchFile, FallsBackToThePathsFolderAndIcon) {
  test::TempFolder temp;
  const std::string self = base::programPath(), exe = temp.file("t.exe");
  ASSERT_TRUE(base::writeFileAtomic(exe, "x"));
  ASSERT_TRUE(base::writeFileAtomic(temp.file("broken.lnk"), "not a shortcut"));
  const std::string dir = temp.path().substr(0, temp.path().size() - 1);
  struct {
    TLaunchFile values;
    std::string file, expected;
  } cases[] = {
      // Typed values: kept where they exist.
      {{"N", exe, "C:\\", "-p", self, "3"}, "", "N|" + exe + "|C:\\|-p|" + self + "|3"},
      {{"N", exe, "C:\\none", "-p", "C:\\none.ico", "3"}, "", "N|" + exe + "|" + dir + "|-p|" + exe + "|0"},
      {{"N", "", "", "", "", ""}, "", "N|||||0"},
      // A file replaces whatever was typed.
      {{"N", "p", "f", "-x", "i", "1"}, exe, "t|" + exe + "|" + dir + "||" + exe + "|0"},
      {{}, temp.file("broken.lnk"), "|||||0"},
      // A folder from the browser that ends in a backslash is named after itself, in its parent.
      {{}, dir + "\\Docs.old\\", "Docs.old|" + dir + "\\Docs.old|" + dir + "||" + tockle::folderIconFile() + "|4"},
  };
  ASSERT_TRUE(CreateDirectoryW(base::wide(temp.file("Docs.old")).c_str(), nullptr));
  for (const auto& c : cases) EXPECT_EQ(joined(tockle::resolveLaunchFile(c.values, c.file)), c.expected) << c.file;
}

// An item without a name takes its first entry's; what could never start is found.
TEST(LaunchFile, NamesFromThePathAndPathsThatAreNotThere) {
  test::TempFolder temp;
  const std::string dir = temp.path().substr(0, temp.path().size() - 1), exe = temp.file("tool.v2.exe");
  ASSERT_TRUE(base::writeFileAtomic(exe, "x"));
  ASSERT_TRUE(CreateDirectoryW(base::wide(temp.file("My.Docs")).c_str(), nullptr));
  struct {
    std::string list, name, missing;
  } cases[] = {
      {exe + ";C:\\", "tool.v2", ""},
      {temp.file("My.Docs") + "\\", "My.Docs", ""},
      {"C:\\", "C:", ""},
      {"notepad.exe", "notepad", ""},
      {"#ExitWindows", "#ExitWindows", ""},
      {exe + "; " + temp.file("gone.exe"), "tool.v2", temp.file("gone.exe")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(tockle::launchItemName(c.list), c.name) << c.list;
    EXPECT_EQ(tockle::missingLaunchPath(c.list), c.missing) << c.list;
  }
}

}  // namespace
