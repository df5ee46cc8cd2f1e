// The format state on an editor of its own: the check marks decide a style, the selection's
// format comes back into the marks, and mirroring it is no edit.
#include "memo/editor/format_state.h"

#include <richedit.h>

#include <gtest/gtest.h>

#include <map>

#include "memo/chrome/commands.h"
#include "memo/editor/rich_edit.h"
#include "memo/settings/memo_settings.h"
#include "ui/controls.h"

namespace {

// The font boxes' host: the boxes are never created here.
struct NoWindow : ui::ControlHost {
  HWND hostHandle() const override { return nullptr; }
};

class FormatStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(editor.create(HWND_MESSAGE, 0));
    editor.loadContent("{\\rtf1\\ansi one {\\b two}}");
    state.bindCommands(commands);
  }
  void TearDown() override { DestroyWindow(editor.handle()); }
  bool bold(int start, int length) {
    editor.setSelection(start, length);
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    SendMessageW(editor.handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return (cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD);
  }

  memo::RichEdit editor;
  NoWindow host;
  ui::ComboBox fontName{&host, 1};
  ui::Edit fontSize{&host, 2};
  memo::TMemoSettings settings;
  std::map<int, bool> shown;
  memo::FormatState state{editor, fontName, fontSize, settings,
                          memo::FormatState::Host{[] { return HWND{}; }, [] { return false; },
                                                  [this](int id, bool on) { shown[id] = on; }}};
  ui::CommandTable commands;
};

TEST_F(FormatStateTest, TheCheckMarkDecidesTheStyleOfAMixedSelection) {
  editor.setModified(false);
  editor.setSelection(0, 7);  // "one two": half bold
  state.rceMemoSelectionChange();
  EXPECT_FALSE(editor.modified());  // mirroring is no edit
  const bool marked = state.actionChecked(memo::actBold);
  commands.run(memo::actBold);
  EXPECT_EQ(shown[memo::actBold], !marked);
  EXPECT_EQ(bold(0, 3), !marked);  // both halves alike
  EXPECT_EQ(bold(4, 3), !marked);
  EXPECT_TRUE(editor.modified());
  editor.setSelection(0, 3);
  state.rceMemoSelectionChange();
  EXPECT_EQ(state.actionChecked(memo::actBold), !marked);
}

}  // namespace
