// The document's watch on a tab session, with a host of the test's own.
#include "memo/document/document_watch.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "unit/memo/document/tab_session_fixture.h"

namespace {

class Watch : public memotest::TabSessionTest {
 protected:
  bool composing = false;
  memo::DocumentWatch watch{*session, editor, settings,
                            memo::DocumentWatch::Host{[this] { return window.handle(); }, [this] { return composing; },
                                                      [this](const std::string& text) { status = text; }}};
};

TEST_F(Watch, AutosaveWaitsForAPendingComposition) {
  openTypeII("メモ/*!/abc\\CrLf%\r\n"_sj);
  editor.setText("入力中"_sj);
  editor.setModified(true);
  composing = true;
  watch.autoSave();
  EXPECT_TRUE(editor.modified());
  EXPECT_EQ(documentTab("メモ"_sj), "abc\r\n");
  composing = false;
  watch.autoSave();
  EXPECT_FALSE(editor.modified());
  EXPECT_EQ(documentTab("メモ"_sj), "入力中\r\n"_sj);
  EXPECT_EQ(status, "自動保存しました -> "_sj + dir.file("memo.ntd"));
}

}  // namespace
