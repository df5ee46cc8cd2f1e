// Forms and dialogs as control hosts: controls made in code and from templates are routed by id,
// and no exception of a handler leaves the window or dialog procedure.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "base/text.h"
#include "support/error_box_recorder.h"
#include "ui/app.h"
#include "ui/dialog.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/track_bar.h"

namespace {

void initApp() { ui::Application::instance().initialize("UI tests", true); }

class CodeForm : public ui::Form {
 public:
  CodeForm() {
    onCreate = [this] {
      btnGo.create({.x = 4, .y = 4, .width = 60, .height = 20, .text = "実行"_sj});
      trbLevel.create({.x = 4, .y = 30, .width = 120, .height = 24});
      trbLevel.setRange(0, 10);
    };
  }
  ui::Button btnGo{this, 10};
  ui::TrackBar trbLevel{this, 11};
};

TEST(HostRouting, CodeMadeControlsOfAFormAreRoutedById) {
  initApp();
  CodeForm form;
  ASSERT_TRUE(form.create({}));
  int clicks = 0, level = -1;
  POINT menuAt{};
  form.btnGo.onClick = [&] { ++clicks; };
  form.btnGo.onContextMenu = [&](POINT p) { menuAt = p; };
  form.trbLevel.onChange = [&](int pos) { level = pos; };
  EXPECT_EQ(form.btnGo.text(), "実行"_sj);
  EXPECT_EQ(GetDlgCtrlID(form.btnGo.handle()), 10);
  SendMessageW(form.btnGo.handle(), BM_CLICK, 0, 0);
  SendMessageW(form.trbLevel.handle(), WM_KEYDOWN, VK_END, 0);
  SendMessageW(form.handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.btnGo.handle()), MAKELPARAM(7, 9));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(level, 10);
  EXPECT_EQ(menuAt.x, 7);
  EXPECT_EQ(menuAt.y, 9);
}

class TemplateDialog : public ui::Dialog {
 public:
  TemplateDialog() : Dialog(nullptr, 200) {
    onCreate = [this] {
      lsvFiles.addColumn("名前"_sj, 80);
      btnExtra.create({.x = 190, .y = 30, .width = 40, .height = 20, .text = "追加"_sj});
    };
  }
  ui::ListView lsvFiles{this, 202};
  ui::Button btnExtra{this, 203};
  ui::Button btnOk{this, IDOK};
};

TEST(HostRouting, TemplateAndCodeMadeControlsOfADialogAreRoutedById) {
  initApp();
  TemplateDialog dlg;
  ASSERT_TRUE(dlg.create());
  int okClicks = 0, extraClicks = 0, selected = -1;
  dlg.btnOk.onClick = [&] { ++okClicks; };
  dlg.btnExtra.onClick = [&] { ++extraClicks; };
  dlg.lsvFiles.onSelect = [&](int row, bool on) {
    if (on) selected = row;
  };
  dlg.lsvFiles.addItem("a");
  dlg.lsvFiles.addItem("b");
  SendMessageW(dlg.btnOk.handle(), BM_CLICK, 0, 0);
  SendMessageW(dlg.btnExtra.handle(), BM_CLICK, 0, 0);
  dlg.lsvFiles.setSelectedIndex(1);
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(extraClicks, 1);
  EXPECT_EQ(selected, 1);
  EXPECT_TRUE(IsWindow(dlg.handle()));  // the routed OK did not reach the dialog's own close
}

TEST(HostRouting, AThrowingHandlerLeavesNeitherTheWindowNorTheDialogProcedure) {
  initApp();
  CodeForm form;
  ASSERT_TRUE(form.create({}));
  TemplateDialog dlg;
  ASSERT_TRUE(dlg.create());
  int after = 0;
  test::ErrorBoxRecorder boxes;
  form.btnGo.onClick = [] { throw std::runtime_error("form handler"); };
  dlg.btnOk.onClick = [] { throw 42; };
  SendMessageW(form.btnGo.handle(), BM_CLICK, 0, 0);
  SendMessageW(dlg.btnOk.handle(), BM_CLICK, 0, 0);
  form.btnGo.onClick = [&] { ++after; };
  dlg.btnOk.onClick = [&] { ++after; };
  SendMessageW(form.btnGo.handle(), BM_CLICK, 0, 0);
  SendMessageW(dlg.btnOk.handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(after, 2);
  // Each exception was shown in the application's error box.
  EXPECT_EQ(boxes.texts, (std::vector<std::string>{"form handler", "予期しないエラーが発生しました"_sj}));
  const std::string title = ui::Application::instance().title();
  EXPECT_EQ(boxes.captions, (std::vector<std::string>{title, title}));
}

TEST(ErrorBox, ShowsOneBoxAtATimeAndNoRepeatOfTheSameText) {
  initApp();
  test::ErrorBoxRecorder boxes;
  // Timers keep running under the box: their errors wait for no second box.
  boxes.whileShown = [] { ui::guarded([] { throw std::runtime_error("under the box"); }); };
  for (const char* text : {"first", "first", "second", "first"})
    ui::guarded([text] { throw std::runtime_error(text); });
  EXPECT_EQ(boxes.texts, (std::vector<std::string>{"first", "second", "first"}));
}

}  // namespace
