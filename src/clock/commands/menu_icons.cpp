#include "clock/commands/menu_icons.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>

namespace tockle {

namespace {

constexpr int kSize = 16;
// Painted where the picture is transparent; no picture uses it.
constexpr COLORREF kKey = RGB(255, 0, 255);

struct Gdi {
  using Segment = std::array<int, 4>;  // x1, y1, x2, y2
  HDC dc;
  void pen(COLORREF c, int width = 1) { DeleteObject(SelectObject(dc, CreatePen(PS_SOLID, width, c))); }
  void brush(COLORREF c) { DeleteObject(SelectObject(dc, CreateSolidBrush(c))); }
  void colours(COLORREF edge, COLORREF fill) {
    pen(edge);
    brush(fill);
  }
  void rect(int l, int t, int r, int b) { Rectangle(dc, l, t, r, b); }
  void ellipse(int l, int t, int r, int b) { Ellipse(dc, l, t, r, b); }
  // The round badge most pictures stand on.
  void disc(COLORREF edge, COLORREF fill) {
    colours(edge, fill);
    ellipse(1, 1, 15, 15);
  }
  void lines(COLORREF c, int width, std::initializer_list<Segment> segments) {
    pen(c, width);
    for (const Segment& s : segments) {
      MoveToEx(dc, s[0], s[1], nullptr);
      LineTo(dc, s[2], s[3]);
    }
  }
};

using Painter = std::function<void(Gdi&)>;

const Painter kMemo = [](Gdi& g) {
  g.colours(RGB(64, 64, 64), RGB(255, 255, 255));
  g.rect(3, 1, 13, 15);
  g.lines(RGB(0, 64, 192), 1, {{5, 4, 11, 4}, {5, 7, 11, 7}, {5, 10, 11, 10}});
};
const Painter kAlarm = [](Gdi& g) {
  g.disc(RGB(96, 64, 0), RGB(255, 224, 64));
  g.lines(RGB(0, 0, 0), 1, {{8, 8, 8, 3}, {8, 8, 11, 10}});
};
const Painter kHistory = [](Gdi& g) {
  g.colours(RGB(96, 48, 0), RGB(176, 112, 48));
  g.rect(2, 2, 14, 15);
  g.colours(RGB(128, 128, 128), RGB(255, 255, 255));
  g.rect(4, 4, 12, 13);
  g.brush(RGB(160, 160, 160));
  g.rect(5, 1, 11, 4);
};
const Painter kSync = [](Gdi& g) {
  g.disc(RGB(0, 64, 160), RGB(64, 144, 255));
  g.lines(RGB(0, 128, 0), 2, {{4, 6, 8, 5}, {7, 10, 12, 11}});
  g.lines(RGB(0, 64, 160), 1, {{8, 1, 8, 15}});
};
const Painter kSettings = [](Gdi& g) {
  g.lines(RGB(64, 64, 64), 3, {{8, 1, 8, 15}, {1, 8, 15, 8}, {3, 3, 13, 13}, {13, 3, 3, 13}});
  g.colours(RGB(64, 64, 64), RGB(160, 160, 160));
  g.ellipse(3, 3, 13, 13);
  g.brush(RGB(255, 255, 255));
  g.ellipse(6, 6, 10, 10);
};
const Painter kHelp = [](Gdi& g) {
  g.disc(RGB(0, 48, 144), RGB(32, 96, 224));
  g.lines(RGB(255, 255, 255), 2, {{6, 5, 8, 4}, {8, 4, 10, 6}, {10, 6, 8, 8}, {8, 8, 8, 10}, {8, 12, 8, 13}});
};
const Painter kExit = [](Gdi& g) {
  g.disc(RGB(128, 0, 0), RGB(224, 32, 32));
  g.lines(RGB(255, 255, 255), 2, {{5, 5, 11, 11}, {11, 5, 5, 11}});
};
const Painter kSubmenu = [](Gdi& g) {
  g.colours(RGB(128, 96, 0), RGB(255, 208, 64));
  g.rect(1, 3, 8, 6);
  g.rect(1, 5, 15, 14);
};
const Painter kCommand = [](Gdi& g) {
  g.colours(RGB(0, 96, 0), RGB(64, 192, 64));
  POINT p[] = {{5, 3}, {12, 8}, {5, 13}};
  Polygon(g.dc, p, 3);
};
const Painter kSeparator = [](Gdi& g) { g.lines(RGB(96, 96, 96), 2, {{1, 8, 15, 8}}); };
const Painter kAdd = [](Gdi& g) {
  g.colours(RGB(0, 96, 0), RGB(64, 192, 64));
  POINT p[] = {{1, 8}, {8, 2}, {8, 5}, {14, 5}, {14, 11}, {8, 11}, {8, 14}};
  Polygon(g.dc, p, 7);
};
const Painter kDelete = [](Gdi& g) { g.lines(RGB(192, 0, 0), 3, {{3, 3, 13, 13}, {13, 3, 3, 13}}); };
const Painter kRename = [](Gdi& g) {
  g.lines(RGB(64, 64, 64), 1, {{1, 14, 15, 14}});
  g.lines(RGB(0, 64, 192), 3, {{4, 11, 12, 3}});
  g.lines(RGB(0, 0, 0), 1, {{2, 13, 4, 11}});
};
const Painter kNewSubmenu = [](Gdi& g) {
  kSubmenu(g);
  g.lines(RGB(0, 96, 0), 2, {{8, 9, 14, 9}, {11, 6, 11, 12}});
};
const Painter kDefault = [](Gdi& g) {
  g.pen(RGB(0, 64, 160), 2);
  Arc(g.dc, 2, 2, 14, 14, 14, 8, 8, 2);
  g.colours(RGB(0, 64, 160), RGB(0, 64, 160));
  POINT p[] = {{8, 0}, {8, 5}, {4, 2}};
  Polygon(g.dc, p, 3);
};

// One picture: drawn on the key colour, which then becomes transparent.
base::GdiBitmap paint(const Painter& painter) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* raw = nullptr;
  base::GdiBitmap bmp(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &raw, nullptr, 0));
  if (!bmp || !raw) return bmp;
  base::MemDc dc(CreateCompatibleDC(nullptr));
  HGDIOBJ old = SelectObject(dc.get(), bmp.get());
  HGDIOBJ oldPen = SelectObject(dc.get(), GetStockObject(BLACK_PEN));
  HGDIOBJ oldBrush = SelectObject(dc.get(), GetStockObject(WHITE_BRUSH));
  RECT all{0, 0, kSize, kSize};
  HBRUSH key = CreateSolidBrush(kKey);
  FillRect(dc.get(), &all, key);
  DeleteObject(key);
  Gdi g{dc.get()};
  painter(g);
  DeleteObject(SelectObject(dc.get(), oldPen));
  DeleteObject(SelectObject(dc.get(), oldBrush));
  SelectObject(dc.get(), old);
  GdiFlush();
  auto* px = static_cast<uint32_t*>(raw);
  const uint32_t keyPixel = (GetRValue(kKey) << 16) | (GetGValue(kKey) << 8) | GetBValue(kKey);
  for (int i = 0; i < kSize * kSize; ++i) px[i] = (px[i] & 0xFFFFFF) == keyPixel ? 0 : (px[i] | 0xFF000000u);
  return bmp;
}

}  // namespace

TMenuImages::TMenuImages(Set set) {
  std::vector<const Painter*> painters;
  if (set == SystemMenu)
    painters = {&kMemo, &kAlarm, &kHistory, &kSync, &kSettings, &kHelp, &kExit};
  else if (set == MenuTree)
    painters = {&kSubmenu, &kCommand, &kSeparator};
  else
    painters = {&kAdd, &kDelete, &kRename, &kNewSubmenu, &kSeparator, &kDefault};
  for (const Painter* p : painters) bitmaps_.push_back(paint(*p));
  blank_ = paint([](Gdi&) {});
}

const ui::ImageList& TMenuImages::List() const {
  if (!list_) {
    list_ = ui::ImageList(kSize, kSize, ILC_COLOR32);
    for (const base::GdiBitmap& b : bitmaps_) list_.add(b.get());
  }
  return list_;
}

base::Icon TMenuImages::MakeIcon(int index) const {
  return base::Icon(index >= 0 && index < Count() ? List().icon(index) : nullptr);
}

HBITMAP TMenuImages::Bitmap(int index) const {
  return index >= 0 && index < Count() ? bitmaps_[static_cast<size_t>(index)].get() : nullptr;
}

}  // namespace tockle
