// The file-drop target on a real window: drops built as the shell builds them, sent as
// WM_DROPFILES.
#include "shared/file_drop.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <stdexcept>

#include "base/text.h"
#include "support/fake_prompts.h"
#include "support/file_drops.h"
#include "ui/form.h"

namespace {

using test::makeDrop;

bool released(HDROP drop) { return GlobalFlags(drop) == GMEM_INVALID_HANDLE; }

LONG exStyle(HWND h) { return GetWindowLongW(h, GWL_EXSTYLE); }

class FileDropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::FormParams p;
    p.caption = "drop target";
    ASSERT_TRUE(form.create(p));
    ASSERT_TRUE(child.create(p));
  }
  ui::Form form;
  ui::Form child;
};

TEST_F(FileDropTest, ThreeFilesGiveOneEventWithNamesInOrderAndThePoint) {
  shared::TFileDrop drop(form.handle());
  drop.Loaded();
  int events = 0;
  std::vector<std::string> got;
  int num = 0, x = 0, y = 0;
  drop.OnFileDrop = [&](shared::TFileDrop&, int n, const std::vector<std::string>& files, int px, int py) {
    ++events;
    num = n;
    got = files;
    x = px;
    y = py;
  };
  HDROP h = makeDrop({L"C:\\a.txt", L"C:\\\u30e1\u30e2\\b.rtf", L"D:\\c"}, {7, 9});
  EXPECT_EQ(SendMessageW(form.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(h), 0), 0);
  EXPECT_EQ(events, 1);
  EXPECT_EQ(num, 3);
  EXPECT_EQ(got, (std::vector<std::string>{"C:\\a.txt", "C:\\メモ\\b.rtf"_sj, "D:\\c"}));
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 9);
  EXPECT_TRUE(released(h));
}

TEST_F(FileDropTest, APathLongerThan255CharactersIsReadWhole) {
  shared::TFileDrop drop(form.handle());
  drop.Loaded();
  std::string got;
  drop.OnFileDrop = [&](shared::TFileDrop&, int, const std::vector<std::string>& files, int, int) {
    got = files.at(0);
  };
  std::wstring longName = L"C:\\" + std::wstring(300, L'x') + L".txt";
  SendMessageW(form.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop({longName}, {0, 0})), 0);
  EXPECT_EQ(got.size(), longName.size());
}

TEST_F(FileDropTest, AcceptTogglesTheWindowsDropStyleAtOnce) {
  shared::TFileDrop drop(form.handle());
  EXPECT_TRUE(drop.Accept());
  EXPECT_FALSE(exStyle(form.handle()) & WS_EX_ACCEPTFILES);  // not hooked yet
  drop.Loaded();
  EXPECT_TRUE(exStyle(form.handle()) & WS_EX_ACCEPTFILES);
  drop.SetAccept(false);
  EXPECT_FALSE(exStyle(form.handle()) & WS_EX_ACCEPTFILES);
  drop.SetAccept(true);
  EXPECT_TRUE(exStyle(form.handle()) & WS_EX_ACCEPTFILES);
}

TEST_F(FileDropTest, AThrowingHandlerNeverEscapesAndTheDropIsStillFinished) {
  shared::TFileDrop drop(form.handle());
  drop.Loaded();
  test::FakePrompts prompts;
  drop.OnFileDrop = [](shared::TFileDrop&, int, const std::vector<std::string>&, int, int) {
    throw std::runtime_error("cannot open");
  };
  HDROP h = makeDrop({L"C:\\a.txt"}, {1, 1});
  EXPECT_EQ(SendMessageW(form.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(h), 0), 0);
  ASSERT_EQ(prompts.boxes.size(), 1u);
  EXPECT_EQ(prompts.boxes[0].text, "cannot open");
  EXPECT_TRUE(released(h));
}

TEST_F(FileDropTest, WithoutAHandlerTheDropIsFinishedQuietly) {
  shared::TFileDrop drop(form.handle());
  drop.Loaded();
  HDROP h = makeDrop({L"C:\\a.txt"}, {1, 1});
  SendMessageW(form.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(h), 0);
  EXPECT_TRUE(released(h));
}

TEST_F(FileDropTest, OtherMessagesStillReachTheWindowAndUnhookRestoresItsProcedure) {
  LONG_PTR before = GetWindowLongPtrW(form.handle(), GWLP_WNDPROC);
  {
    shared::TFileDrop drop(form.handle());
    drop.Loaded();
    EXPECT_NE(GetWindowLongPtrW(form.handle(), GWLP_WNDPROC), before);
    form.setCaption("renamed");
    EXPECT_EQ(form.caption(), "renamed");
  }
  EXPECT_EQ(GetWindowLongPtrW(form.handle(), GWLP_WNDPROC), before);
}

TEST_F(FileDropTest, ChangingTheControlMovesTheHookAndADestroyedControlIsForgotten) {
  shared::TFileDrop drop(form.handle());
  drop.Loaded();
  drop.SetControl(child.handle());
  EXPECT_EQ(drop.Hooked(), child.handle());
  EXPECT_TRUE(exStyle(child.handle()) & WS_EX_ACCEPTFILES);
  child.destroy();
  EXPECT_EQ(drop.Control(), nullptr);
  EXPECT_FALSE(drop.Accept());
  EXPECT_EQ(drop.Hooked(), nullptr);
}

TEST(FileDrop, NoWindowToWatchIsAClearError) {
  shared::TFileDrop drop(nullptr);
  try {
    drop.Loaded();
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Invalidate Window Handle in FileDrop");
  }
}

}  // namespace
