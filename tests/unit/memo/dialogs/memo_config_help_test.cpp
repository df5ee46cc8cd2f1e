// The settings dialog's controls: the hint each shows and the help pop-up each asks for.
#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/dialogs/memo_config.h"
#include "ui/app.h"

namespace {

using Shown = std::vector<std::pair<UINT, ULONG_PTR>>;

TEST(MemoConfigHelp, EachControlShowsItsHintAndItsHelpPopup) {
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  memo::TfrmConfig d(nullptr, {});
  Shown shown;
  d.ShowHelp = [&](UINT command, ULONG_PTR context) { shown.emplace_back(command, context); };
  ASSERT_TRUE(d.create());
  EXPECT_TRUE(GetWindowLongW(d.handle(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  const struct {
    HWND control;
    ULONG_PTR context;
    const char* hint;  // UTF-8
  } cases[] = {
      {d.lsbTabOrder.handle(), 41, "メモファイルのタブ一覧"},
      {d.btnChangeName.handle(), 44, "タブ名の変更"},  // the part before the bar
      {d.rdgTabPosition[3].handle(), 46, "タブの位置を変更する"},
      {d.edtSeparatedHeader.handle(), 66, "外部ファイル名の前に指定した文字列が着くようになる(新規に決まるときのみ)"},
      {d.rdgReload[2].handle(), 52, ""},
      {d.rdbTimeShort.handle(), 55, ""},
      {GetWindow(d.cbbDateCustom.handle(), GW_CHILD), 57, "時計の表示形式を選択もしくは設定"},  // its edit field
      {d.lblDatePreview.handle(), 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.context);
    shown.clear();
    // What the caption's help button and F1 send: WM_HELP to the window around the control.
    HELPINFO info{sizeof info, HELPINFO_WINDOW, GetDlgCtrlID(c.control), c.control, 0, {0, 0}};
    SendMessageW(GetParent(c.control), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(shown, (c.context ? Shown{{HELP_CONTEXTPOPUP, c.context}} : Shown{}));
    EXPECT_EQ(d.hints.text(c.control), base::fromUtf8(c.hint));
  }
  d.close(IDCANCEL);
}

}  // namespace
