// One copy per user: the mutex decides which start is the first; the second waits, bounded, for
// the first's window.
#include "ui/single_instance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

#include "base/text.h"

namespace {

TEST(SingleInstance, OnlyTheFirstHolderIsFirstUntilItEnds) {
  std::optional<ui::SingleInstance> first(std::in_place, L"TestProgram");
  EXPECT_TRUE(first->first());
  EXPECT_FALSE(ui::SingleInstance(L"TestProgram").first());
  EXPECT_TRUE(ui::SingleInstance(L"OtherProgram").first());
  first.reset();
  EXPECT_TRUE(ui::SingleInstance(L"TestProgram").first());
}

TEST(SingleInstance, TheNameIsTheSessionsAndTheUsers) {
  wchar_t user[257];
  DWORD size = 257;
  ASSERT_TRUE(GetUserNameW(user, &size));
  std::wstring name = ui::instanceMutexName(L"Memo");
  EXPECT_EQ(name.rfind(L"Local\\", 0), 0u);
  EXPECT_NE(name.find(user), std::wstring::npos);
  EXPECT_EQ(name.find(L'\\', 6), std::wstring::npos);
}

TEST(SingleInstance, ASecondStartWaitsForTheFirstsWindowButNotForever) {
  const std::wstring title = L"SingleInstanceTestWindow";
  EXPECT_EQ(ui::waitForRunningWindow(title, 100), nullptr);
  HWND made = nullptr;
  std::atomic<DWORD> makerThread{0};
  std::thread maker([&] {
    makerThread = GetCurrentThreadId();
    Sleep(150);
    made = CreateWindowW(L"STATIC", title.c_str(), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(made);
  });
  HWND found = ui::waitForRunningWindow(title, 10000);
  ASSERT_NE(found, nullptr);
  PostThreadMessageW(makerThread, WM_QUIT, 0, 0);
  maker.join();
  EXPECT_EQ(found, made);
}

}  // namespace
