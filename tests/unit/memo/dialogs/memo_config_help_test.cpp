// The settings dialog's controls: the hint each shows and the help pop-up each asks for.
#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/dialogs/memo_config.h"
#include "ui/app.h"

namespace {

struct ControlCase {
  int id;
  ULONG_PTR context;
  const char* hint;  // UTF-8; "" for none
};

const ControlCase kControls[] = {
    {IDC_MCFG_TABLIST, 41, "メモファイルのタブ一覧"},
    {IDC_MCFG_UP, 42, "上へ"},
    {IDC_MCFG_DOWN, 42, "下へ"},
    {IDC_MCFG_NEWTAB, 43, "新規タブ作成 (Ins)"},
    {IDC_MCFG_RENAME, 44, "タブ名の変更"},
    {IDC_MCFG_DELETE, 45, "タブ削除 (Del)"},
    {IDC_MCFG_POS0, 46, "タブの位置を変更する"},
    {IDC_MCFG_POS3, 46, "タブの位置を変更する"},
    {IDC_MCFG_HEADER, 66, "外部ファイル名の前に指定した文字列が着くようになる(新規に決まるときのみ)"},
    {IDC_MCFG_URL, 47, ""},
    {IDC_MCFG_EMAIL, 48, ""},
    {IDC_MCFG_LOCAL, 49, ""},
    {IDC_MCFG_HOTLINK, 87, ""},
    {IDC_MCFG_FORCEFIX, 61, ""},
    {IDC_MCFG_DROP, 50, ""},
    {IDC_MCFG_AUTOOPEN, 51, ""},
    {IDC_MCFG_RELOAD0, 52, ""},
    {IDC_MCFG_RELOAD2, 52, ""},
    {IDC_MCFG_FEP, 88, ""},
    {IDC_MCFG_BACKUP, 53, ""},
    {IDC_MCFG_DATE_WIN, 54, ""},
    {IDC_MCFG_TIME_WIN, 54, ""},
    {IDC_MCFG_DATE_SHORT, 55, ""},
    {IDC_MCFG_TIME_LONG, 56, ""},
    {IDC_MCFG_DATE_CUSTOM, 57, ""},
    {IDC_MCFG_TIME_FORMAT, 57, "時計の表示形式を選択もしくは設定"},
    {IDC_MCFG_DATE_PREVIEW, 0, ""},
};

// What the help button and F1 send for a control: WM_HELP to the window around it.
void askHelp(HWND control) {
  HELPINFO info{sizeof info, HELPINFO_WINDOW, GetDlgCtrlID(control), control, 0, {0, 0}};
  SendMessageW(GetParent(control), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

TEST(MemoConfigHelp, EachControlShowsItsHintAndItsHelpPopup) {
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  memo::TfrmConfig dialog(nullptr);
  std::vector<std::pair<UINT, ULONG_PTR>> shown;
  dialog.ShowHelp = [&](UINT command, ULONG_PTR context) { shown.emplace_back(command, context); };
  ASSERT_TRUE(dialog.create());
  EXPECT_TRUE(GetWindowLongW(dialog.handle(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  for (const ControlCase& c : kControls) {
    SCOPED_TRACE(c.id);
    HWND control = nullptr;
    for (const ui::Page* page : {&dialog.tbsTabs, &dialog.tbsGeneral, &dialog.tbsDateTime})
      if (!control) control = GetDlgItem(page->handle(), c.id);
    ASSERT_TRUE(control);
    shown.clear();
    askHelp(control);
    using Shown = std::vector<std::pair<UINT, ULONG_PTR>>;
    EXPECT_EQ(shown, (c.context ? Shown{{HELP_CONTEXTPOPUP, c.context}} : Shown{}));
    EXPECT_EQ(dialog.hints.text(control), base::fromUtf8(c.hint));
  }
  // The edit field inside the combo box is the combo box's.
  HWND edit = GetWindow(dialog.cbbDateCustom.handle(), GW_CHILD);
  shown.clear();
  askHelp(edit);
  EXPECT_EQ(shown, (std::vector<std::pair<UINT, ULONG_PTR>>{{HELP_CONTEXTPOPUP, 57}}));
  EXPECT_EQ(dialog.hints.text(edit), "時計の表示形式を選択もしくは設定"_sj);
  dialog.close(IDCANCEL);
}

}  // namespace
