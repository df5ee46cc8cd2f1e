#include "clock/clipboard/clip_watcher.h"

#include <gtest/gtest.h>

#include "support/e2e.h"

#include <functional>
#include <stdexcept>
#include <vector>

#include "support/clipboard.h"
#include "ui/subclass.h"

namespace {

using tockle::TNkClipDetector;

using PlainViewer = test::ClipboardViewer;

TEST(ClipWatcher, JoiningSkipsTheCurrentTextUnlessAsked) {
  ASSERT_TRUE(test::setClipboardUnicode(L"already there"));
  int calls = 0;
  {
    TNkClipDetector d;
    d.SetOnClipChange([&](TNkClipDetector&) { ++calls; });
    ASSERT_NE(d.Handle(), nullptr);
    // Joining notifies at once; a change is handled through a posted message.
    ASSERT_TRUE(test::handlePostedMessages());
    EXPECT_EQ(calls, 0);
    ASSERT_TRUE(test::setClipboardUnicode(L"new text"));
    EXPECT_TRUE(test::waitUntil([&] { return calls == 1; }));
  }
  TNkClipDetector d;
  d.IgnoreFirst = false;
  calls = 0;
  d.SetOnClipChange([&](TNkClipDetector&) { ++calls; });
  EXPECT_TRUE(test::waitUntil([&] { return calls == 1; }));
}

TEST(ClipWatcher, PassesEveryNotificationOnEvenWhenTheHandlerFails) {
  PlainViewer below;
  int calls = 0;
  TNkClipDetector d;
  d.SetOnClipChange([&](TNkClipDetector&) {
    ++calls;
    throw std::runtime_error("capture failed");
  });
  EXPECT_EQ(d.NextViewer(), below.hwnd);
  int before = below.draws;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(test::setClipboardUnicode(L"text " + std::to_wstring(i)));
    // The next viewer hears of the change before the handler ran.
    EXPECT_TRUE(test::waitUntil([&] { return below.draws == before + i + 1; }));
  }
  EXPECT_TRUE(test::waitUntil([&] { return calls == 3; }));
}

TEST(ClipWatcher, FollowsChangesOfTheChain) {
  PlainViewer below;
  TNkClipDetector d;
  d.SetOnClipChange([](TNkClipDetector&) {});
  ASSERT_EQ(d.NextViewer(), below.hwnd);
  // A window further down leaves: handed on unchanged.
  HWND other = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(SendMessageW(d.Handle(), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(other), 0x5678), 0);
  ASSERT_EQ(below.chainChanges.size(), 1u);
  EXPECT_EQ(below.chainChanges[0], std::make_pair(other, reinterpret_cast<HWND>(0x5678)));
  EXPECT_EQ(d.NextViewer(), below.hwnd);
  // The next one leaves: the watcher links to the one after it.
  SendMessageW(d.Handle(), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(below.hwnd),
               reinterpret_cast<LPARAM>(below.next));
  EXPECT_EQ(d.NextViewer(), below.next);
  EXPECT_EQ(below.chainChanges.size(), 1u);
}

TEST(ClipWatcher, AnEmptyHandlerLeavesTheChain) {
  PlainViewer below;
  TNkClipDetector d;
  int calls = 0;
  d.SetOnClipChange([&](TNkClipDetector&) { ++calls; });
  EXPECT_EQ(GetClipboardViewer(), d.Handle());
  // Another handler keeps the watcher in its place.
  HWND window = d.Handle();
  d.SetOnClipChange([&](TNkClipDetector&) { calls += 10; });
  EXPECT_EQ(d.Handle(), window);
  d.SetOnClipChange(nullptr);
  EXPECT_EQ(d.Handle(), nullptr);
  EXPECT_EQ(GetClipboardViewer(), below.hwnd);
  int before = below.draws;
  ASSERT_TRUE(test::setClipboardUnicode(L"after leaving"));
  EXPECT_TRUE(test::waitUntil([&] { return below.draws == before + 1; }));
  ASSERT_TRUE(test::handlePostedMessages());
  EXPECT_EQ(calls, 0);
}

TEST(ClipWatcher, NeverReentersTheHandler) {
  TNkClipDetector d;
  int depth = 0, maxDepth = 0, calls = 0, notices = 0;
  d.SetOnClipChange([&](TNkClipDetector&) {
    ++calls;
    maxDepth = std::max(maxDepth, ++depth);
    if (calls == 1) {
      // A modal loop inside the handler (a question box) while the clipboard changes again: it
      // handles the change's notice and what the notice posts.
      int before = notices;
      test::setClipboardUnicode(L"during the first");
      test::waitUntil([&] { return notices > before; });
      test::handlePostedMessages();
    }
    --depth;
  });
  ui::Subclass watch;
  watch.attach(d.Handle(), [&](UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_DRAWCLIPBOARD) ++notices;
    return false;
  });
  ASSERT_TRUE(test::setClipboardUnicode(L"first"));
  EXPECT_TRUE(test::waitUntil([&] { return calls == 2; }));
  ASSERT_TRUE(test::handlePostedMessages());
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(maxDepth, 1);
}

}  // namespace
