// The history chooser: rows in the order given (newest first), the chosen text, the row hint.
#include "memo/clock_link/history_chooser.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "ui/app.h"

namespace {

TEST(HistoryChooser, ListsTheRowsInOrderAndAnswersTheSelectedText) {
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  std::string longText(400, 'w');
  memo::HistoryChooser clip(nullptr, {"2026/12/9 10:00:00", "新しい"_sj, "2026/12/8 9:00:00", longText});
  ASSERT_TRUE(clip.create());
  ASSERT_EQ(clip.lsvClip.count(), 2);
  EXPECT_EQ(clip.lsvClip.itemText(0, 0), "2026/12/9 10:00:00");
  EXPECT_EQ(clip.lsvClip.itemText(0, 1), "新しい"_sj);
  EXPECT_EQ(clip.lsvClip.columnWidth(0), 100);
  EXPECT_EQ(clip.lsvClip.columnWidth(1), 240);
  EXPECT_TRUE(clip.chkShowAsHint.checked());
  EXPECT_FALSE(clip.selectedText());

  // A text that fits its column has no hint; one that does not is the hint.
  clip.lsvClip.setSelectedIndex(0);
  EXPECT_EQ(clip.selectedText(), "新しい"_sj);
  clip.lsvClipMouseMove();
  EXPECT_FALSE(clip.listHintOn());
  clip.lsvClip.setSelectedIndex(1);
  clip.lsvClipMouseMove();
  EXPECT_TRUE(clip.listHintOn());
  EXPECT_EQ(clip.listHint(), longText);
  clip.chkShowAsHint.setChecked(false);
  clip.lsvClipMouseMove();
  EXPECT_FALSE(clip.listHintOn());
  clip.close(IDCANCEL);
}

TEST(HistoryChooser, TheHelpButtonShowsTheTopicAndEachControlItsPopup) {
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  memo::HistoryChooser clip(nullptr, {});
  std::vector<std::pair<UINT, ULONG_PTR>> shown;
  clip.ShowHelp = [&](UINT command, ULONG_PTR context) { shown.emplace_back(command, context); };
  ASSERT_TRUE(clip.create());
  EXPECT_TRUE(GetWindowLongW(clip.handle(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  clip.BitBtn4.click();
  // The list's header lies inside the list; the label has no help.
  for (HWND c : {ListView_GetHeader(clip.lsvClip.handle()), clip.chkShowAsHint.handle(), clip.lblClip.handle()}) {
    HELPINFO info{sizeof info, HELPINFO_WINDOW, GetDlgCtrlID(c), c, 0, {0, 0}};
    SendMessageW(GetParent(c), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  }
  EXPECT_EQ(shown, (decltype(shown){{HELP_CONTEXT, 84}, {HELP_CONTEXTPOPUP, 59}, {HELP_CONTEXTPOPUP, 60}}));
  clip.close(IDCANCEL);
}

}  // namespace
