#include "clock/launcher/app_icon.h"

#include <shellapi.h>

#include "base/files.h"
#include "base/text.h"

namespace tockle {

void TKzGetAppIcon::SetFileName(std::string_view fileName) {
  FileName = fileName;
  IconCount = base::fileExists(FileName)
                  ? static_cast<int>(ExtractIconExW(base::wide(FileName).c_str(), -1, nullptr, nullptr, 0))
                  : 0;
}

bool TKzGetAppIcon::GetIcon(int number) {
  // Handles are taken only for an icon the file has: past the last one ExtractIconEx may fill the
  // slots with values that are no icons at all.
  base::Icon large, small;
  if (number >= 0 && number < IconCount) {
    HICON l = nullptr, s = nullptr;
    if (ExtractIconExW(base::wide(FileName).c_str(), number, &l, &s, 1) > 0) {
      large.reset(l);
      small.reset(s);
    }
  }
  const bool useSmall = IconSize <= 16;
  Icon = std::move(useSmall ? small : large);

  int w = GetSystemMetrics(SM_CXICON), h = GetSystemMetrics(SM_CYICON);
  if (useSmall) w /= 2, h /= 2;
  ui::Bitmap work(w, h);
  work.canvas().brush = {BackColor, ui::BrushStyle::Solid};
  work.canvas().fillRect(RECT{0, 0, w, h});
  if (OwnerHandle) SendMessageW(OwnerHandle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(work.dc()), 0);
  if (Icon) DrawIconEx(work.dc(), 0, 0, Icon.get(), 0, 0, 0, nullptr, DI_NORMAL);

  Bitmap.setSize(IconSize, IconSize);
  if (IconSize > 0) {
    SetStretchBltMode(Bitmap.dc(), COLORONCOLOR);
    StretchBlt(Bitmap.dc(), 0, 0, IconSize, IconSize, work.dc(), 0, 0, w, h, SRCCOPY);
    SetPixel(Bitmap.dc(), 0, IconSize - 1, ui::toRgb(ui::systemColor(COLOR_BTNFACE)));
  }
  GdiFlush();
  return true;
}

base::GdiBitmap TKzGetAppIcon::CopyBitmap() const {
  HDC screen = GetDC(nullptr);
  base::GdiBitmap copy(CreateCompatibleBitmap(screen, Bitmap.width(), Bitmap.height()));
  ReleaseDC(nullptr, screen);
  base::MemDc target(CreateCompatibleDC(Bitmap.dc()));
  {
    base::SelectGuard keep(target.get(), copy.get());
    BitBlt(target.get(), 0, 0, Bitmap.width(), Bitmap.height(), Bitmap.dc(), 0, 0, SRCCOPY);
  }
  return copy;
}

}  // namespace tockle
