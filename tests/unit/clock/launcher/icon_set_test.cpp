// The icon picker on the test program's own icons: the list of a file's icons, the preselection,
// and OK that never answers without a picked icon.
#include "clock/launcher/icon_set.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "support/fake_common_dialogs.h"
#include "support/temp_folder.h"
#include "ui/app.h"

namespace {

using tockle::TfrmIconSet;

int iconsOf(const std::string& file) {
  return static_cast<int>(ExtractIconExW(base::wide(file).c_str(), -1, nullptr, nullptr, 0));
}

TEST(IconSet, ListsTheFilesIconsWithThePreselectedOneAndFollowsTheChosenFile) {
  ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
  const std::string self = base::programPath();
  ASSERT_GT(iconsOf(self), 2);
  TfrmIconSet d(nullptr, self, "2");
  ASSERT_TRUE(d.create());
  EXPECT_EQ(d.caption(), "アイコンの設定"_sj);
  EXPECT_EQ(d.lsvIconList.count(), iconsOf(self));
  EXPECT_EQ(d.lsvIconList.itemText(1), "1");
  EXPECT_EQ(d.SelectedIcon(), "2");
  test::FakeCommonDialogs fake;
  fake.files = {"C:\\none.ico"};
  d.btnSelectClick();
  EXPECT_EQ(fake.calls, std::vector<std::string>{"openFile:アイコンファイルの選択"_sj});
  EXPECT_EQ(d.FileName(), "C:\\none.ico");
  EXPECT_EQ(d.lsvIconList.count(), 0);
  d.close(IDCANCEL);
}

TEST(IconSet, OkWithoutAPickTakesIconZeroOrCancelsWithoutIcons) {
  ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
  test::TempFolder temp;
  ASSERT_TRUE(base::writeFileAtomic(temp.file("a.txt"), "text"));
  struct {
    std::string file, icon;
    int result;
    std::string picked;
  } cases[] = {{base::programPath(), "x", IDOK, "0"},
               {base::programPath(), "1", IDOK, "1"},
               {temp.file("a.txt"), "0", IDCANCEL, ""},
               {temp.file("none.exe"), "0", IDCANCEL, ""}};
  for (const auto& c : cases) {
    TfrmIconSet d(nullptr, c.file, c.icon);
    ASSERT_TRUE(d.create());
    d.btnOKClick();
    EXPECT_EQ(d.modalResult(), c.result) << c.file;
    EXPECT_EQ(d.SelectedIcon(), c.picked) << c.file;
    EXPECT_EQ(d.FileName(), c.file);
  }
}

}  // namespace
