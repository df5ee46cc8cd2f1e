// Starting program lists: splitting at ";", parameters and folder for the first entry only, the
// working-folder rule and the special names.
#include "clock/commands/execute_apps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text.h"

namespace {

using tockle::planAppStarts;

std::vector<std::string> files(const std::vector<tockle::AppStart>& plan) {
  std::vector<std::string> out;
  for (const auto& s : plan) out.push_back(s.special >= 0 ? "#" + std::to_string(s.special) : s.file);
  return out;
}

TEST(ExecuteAppsPlan, ParametersAndFolderGoToTheFirstEntryOnly) {
  auto plan = planAppStarts("C:\\P\\a.exe;C:\\Q\\b.exe", "-x", "C:\\W");
  ASSERT_EQ(plan.size(), 2u);
  EXPECT_EQ(plan[0].file, "C:\\P\\a.exe");
  EXPECT_EQ(plan[0].params, "-x");
  EXPECT_EQ(plan[0].folder, "C:\\W");
  EXPECT_EQ(plan[1].file, "C:\\Q\\b.exe");
  EXPECT_EQ(plan[1].params, "");
  EXPECT_EQ(plan[1].folder, "C:\\Q");
}

TEST(ExecuteAppsPlan, AnEmptyEntryEndsTheRun) {
  EXPECT_EQ(files(planAppStarts("a.exe;;b.exe", "", "")), std::vector<std::string>{"a.exe"});
  EXPECT_TRUE(planAppStarts(";a.exe", "", "").empty());
  EXPECT_TRUE(planAppStarts("", "", "").empty());
  EXPECT_EQ(files(planAppStarts("a.exe;", "", "")), std::vector<std::string>{"a.exe"});
  // Blanks are not trimmed: they belong to the entry.
  EXPECT_EQ(files(planAppStarts("a.exe; b.exe", "", "")), (std::vector<std::string>{"a.exe", " b.exe"}));
}

TEST(ExecuteAppsPlan, TheWorkingFolderIsTheEntrysFolderADriveRootKeepsItsBackslash) {
  EXPECT_EQ(tockle::entryFolder("C:\\a.exe"), "C:\\");
  EXPECT_EQ(tockle::entryFolder("C:\\Tools\\Sub\\a.exe"), "C:\\Tools\\Sub");
  EXPECT_EQ(tockle::entryFolder("a.exe"), "");
  EXPECT_EQ(tockle::entryFolder("\\\\server\\share\\a.exe"), "\\\\server\\share");
  // The second byte of 表 is a backslash: never a separator.
  EXPECT_EQ(tockle::entryFolder("C:\\"_sj + "表\\表.exe"_sj), "C:\\"_sj + "表"_sj);
  EXPECT_EQ(tockle::entryFolder("C:\\"_sj + "表.exe"_sj), "C:\\");
  auto plan = planAppStarts("C:\\a.exe;D:\\x\\b.exe", "", "");
  EXPECT_EQ(plan[0].folder, "C:\\");
  EXPECT_EQ(plan[1].folder, "D:\\x");
}

TEST(ExecuteAppsPlan, SpecialNamesAreExactAndNeverGoToTheShell) {
  auto plan = planAppStarts(
      "#ExitWindows;#RestartWindows;#SuspendWindows;#HibernateWindows;#NTPSynchronize;"
      "#ntpsynchronize;c.exe",
      "-p", "");
  EXPECT_EQ(files(plan), (std::vector<std::string>{"#0", "#1", "#2", "#3", "#4", "#ntpsynchronize", "c.exe"}));
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(plan[i].file.empty());
  // The parameters belonged to the first entry, the special one.
  EXPECT_EQ(plan[6].params, "");
}

}  // namespace
