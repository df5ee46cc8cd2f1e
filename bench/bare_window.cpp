// The yardstick for the clock's idle cost: a bare window of the clock's size that blits an
// off-screen bitmap to itself every 500 ms and does nothing else.
#include <windows.h>

namespace {
HDC memDc;
int width = 121, height = 28;

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER: {
      HDC dc = GetDC(hwnd);
      BitBlt(dc, 0, 0, width, height, memDc, 0, 0, SRCCOPY);
      ReleaseDC(hwnd, dc);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, LPWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = inst;
  wc.lpszClassName = L"BareWindow";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"bare", WS_POPUP, 400, 0, width,
                              height, nullptr, nullptr, inst, nullptr);
  HDC screen = GetDC(nullptr);
  memDc = CreateCompatibleDC(screen);
  SelectObject(memDc, CreateCompatibleBitmap(screen, width, height));
  ReleaseDC(nullptr, screen);
  PatBlt(memDc, 0, 0, width, height, WHITENESS);
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  SetTimer(hwnd, 1, 500, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
