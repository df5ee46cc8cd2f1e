#include "support/tray_window.h"

#include <windows.h>

#include "base/handles.h"

namespace test {

TrayShot trayShot() {
  TrayShot shot;
  HWND tray = FindWindowW(nullptr, L"Wine System Tray");
  if (!tray) return shot;
  RECT r;
  GetWindowRect(tray, &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return shot;
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  base::MemDc mem(CreateCompatibleDC(screen));
  base::GdiBitmap bmp(CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bmp) {
    base::SelectGuard select(mem.get(), bmp.get());
    BitBlt(mem.get(), 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    const auto* p = static_cast<const uint32_t*>(bits);
    shot.pixels.assign(p, p + static_cast<size_t>(w) * static_cast<size_t>(h));
    for (auto& px : shot.pixels) px &= 0x00FFFFFF;
    shot.width = w;
    shot.height = h;
  }
  ReleaseDC(nullptr, screen);
  return shot;
}

}  // namespace test
