#include "memo/chrome/tool_images.h"

#include "base/handles.h"
#include "base/text.h"

namespace memo {

namespace {

constexpr COLORREF kMask = RGB(255, 0, 255);

struct Glyph {
  const char* text;  // UTF-8; empty: lines drawn instead
  COLORREF color;
  int weight;
  bool italic;
  bool underline;
};

// Four text lines, aligned 0 left, 1 centre, 2 right, 3 bulleted.
void drawLines(HDC dc, int align) {
  const int widths[] = {12, 8, 12, 8};
  for (int i = 0; i < 4; ++i) {
    int w = align == 3 ? 9 : widths[i];
    int x = align == 0 ? 2 : align == 1 ? (16 - w) / 2 : align == 2 ? 14 - w : 5;
    RECT r{x, 3 + i * 3, x + w, 4 + i * 3};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (align == 3) {
      RECT dot{1, 3 + i * 3, 3, 5 + i * 3};
      FillRect(dc, &dot, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
  }
}

}  // namespace

ui::ImageList makeToolImages() {
  const Glyph glyphs[imgCount] = {
      {"戻", RGB(0, 0, 128), FW_BOLD, false, false},
      {"切", RGB(128, 0, 0), FW_NORMAL, false, false},
      {"複", RGB(0, 0, 128), FW_NORMAL, false, false},
      {"×", RGB(192, 0, 0), FW_BOLD, false, false},
      {"貼", RGB(0, 96, 0), FW_NORMAL, false, false},
      {"日", RGB(0, 0, 160), FW_NORMAL, false, false},
      {"時", RGB(0, 0, 160), FW_NORMAL, false, false},
      {"＠", RGB(0, 0, 255), FW_NORMAL, false, false},
      {"鈴", RGB(160, 96, 0), FW_NORMAL, false, false},
      {"＋", RGB(0, 128, 0), FW_BOLD, false, false},
      {"←", RGB(0, 0, 0), FW_BOLD, false, false},
      {"→", RGB(0, 0, 0), FW_BOLD, false, false},
      {"？", RGB(0, 0, 192), FW_BOLD, false, false},
      {"B", RGB(0, 0, 0), FW_BOLD, false, false},
      {"I", RGB(0, 0, 0), FW_NORMAL, true, false},
      {"U", RGB(0, 0, 0), FW_NORMAL, false, true},
      {"A", RGB(255, 0, 0), FW_BOLD, false, true},
      {"", 0, 0, false, false},
      {"", 0, 0, false, false},
      {"", 0, 0, false, false},
      {"", 0, 0, false, false},
  };
  ui::ImageList list(16, 16, ILC_COLOR24 | ILC_MASK, imgCount, 0);
  HDC screen = GetDC(nullptr);
  base::MemDc dc(CreateCompatibleDC(screen));
  for (int i = 0; i < imgCount; ++i) {
    base::GdiBitmap bitmap(CreateCompatibleBitmap(screen, 16, 16));
    {
      base::SelectGuard selectBitmap(dc.get(), bitmap.get());
      base::GdiBrush mask(CreateSolidBrush(kMask));
      RECT all{0, 0, 16, 16};
      FillRect(dc.get(), &all, mask.get());
      const Glyph& g = glyphs[i];
      if (*g.text) {
        base::GdiFont font(CreateFontW(-13, 0, 0, 0, g.weight, g.italic, g.underline, FALSE, SHIFTJIS_CHARSET, 0, 0,
                                       NONANTIALIASED_QUALITY, 0, L"MS UI Gothic"));
        base::SelectGuard selectFont(dc.get(), font.get());
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextColor(dc.get(), g.color);
        std::wstring text = base::wide(base::fromUtf8(g.text));
        DrawTextW(dc.get(), text.c_str(), -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      } else {
        drawLines(dc.get(), i - imgLeft);
      }
    }
    list.addMasked(bitmap.get(), kMask);
  }
  ReleaseDC(nullptr, screen);
  return list;
}

}  // namespace memo
