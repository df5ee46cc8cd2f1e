// The yardstick for the clock's idle cost: a bare Win32 window of the clock's size that draws the
// clock's default face, the date and time as "yyyy/mm/dd hh:nn" in MS UI Gothic 9 pt on the button
// face colour, into an off-screen bitmap and blits it to itself every 500 ms, and does nothing else.
#include <windows.h>

#include <cwchar>

namespace {
HDC memDc;
HFONT font;
int width = 121, height = 28;

void drawClock(HWND hwnd) {
  SYSTEMTIME t;
  GetLocalTime(&t);
  wchar_t text[32];
  swprintf(text, 32, L"%04u/%02u/%02u %02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
  RECT r{0, 0, width, height};
  FillRect(memDc, &r, GetSysColorBrush(COLOR_BTNFACE));
  SelectObject(memDc, font);
  SetBkMode(memDc, TRANSPARENT);
  DrawTextW(memDc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  HDC dc = GetDC(hwnd);
  BitBlt(dc, 0, 0, width, height, memDc, 0, 0, SRCCOPY);
  ReleaseDC(hwnd, dc);
}

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      drawClock(hwnd);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      drawClock(hwnd);
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
  font = CreateFontW(-MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET,
                     0, 0, 0, 0, L"MS UI Gothic");
  ReleaseDC(nullptr, screen);
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  SetTimer(hwnd, 1, 500, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
