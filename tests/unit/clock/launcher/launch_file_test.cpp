// Typed values and named files turned into launcher items: missing folders and icon files fall back
// to the path's, a folder shows the shell's folder icon, an unreadable shortcut gives empty values.
#include "clock/launcher/launch_file.h"

#include <gtest/gtest.h>

#include "base/files.h"
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
  };
  for (const auto& c : cases) EXPECT_EQ(joined(tockle::resolveLaunchFile(c.values, c.file)), c.expected) << c.file;
}

}  // namespace
