#include "support/clipboard.h"

#include <windows.h>

#include <cstring>

#include "support/wait.h"

namespace test {

namespace {
bool setClipboard(UINT format, const void* data, size_t bytes) {
  // Wine's clipboard manager opens the clipboard for a moment after every change.
  if (!waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 5000)) return false;
  EmptyClipboard();
  bool ok = false;
  if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(mem), data, bytes);
    GlobalUnlock(mem);
    ok = SetClipboardData(format, mem) != nullptr;
    if (!ok) GlobalFree(mem);
  }
  CloseClipboard();
  return ok;
}
}  // namespace

bool setClipboardUnicode(std::wstring_view text) {
  std::wstring s(text);
  return setClipboard(CF_UNICODETEXT, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
}

bool setClipboardCp932(std::string_view text) {
  std::string s(text);
  return setClipboard(CF_TEXT, s.c_str(), s.size() + 1);
}

ClipboardViewer::ClipboardViewer() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TestClipboardViewer";
  RegisterClassW(&wc);
  hwnd = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  next = SetClipboardViewer(hwnd);
}

ClipboardViewer::~ClipboardViewer() {
  ChangeClipboardChain(hwnd, next);
  DestroyWindow(hwnd);
}

LRESULT CALLBACK ClipboardViewer::proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<ClipboardViewer*>(GetWindowLongPtrW(h, GWLP_USERDATA));
  if (!self) return DefWindowProcW(h, msg, wp, lp);
  if (msg == WM_DRAWCLIPBOARD) {
    ++self->draws;
    if (self->next) SendMessageW(self->next, msg, wp, lp);
    return 0;
  }
  if (msg == WM_CHANGECBCHAIN) {
    self->chainChanges.emplace_back(reinterpret_cast<HWND>(wp), reinterpret_cast<HWND>(lp));
    if (reinterpret_cast<HWND>(wp) == self->next)
      self->next = reinterpret_cast<HWND>(lp);
    else if (self->next)
      return SendMessageW(self->next, msg, wp, lp);
    return 0;
  }
  return DefWindowProcW(h, msg, wp, lp);
}

}  // namespace test
