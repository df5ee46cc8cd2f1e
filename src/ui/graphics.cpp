#include "ui/graphics.h"

#include "base/text.h"

namespace ui {

COLORREF toRgb(Color c) {
  if ((c & 0xFF000000u) == kSystemColorFlag) return GetSysColor(static_cast<int>(c & 0xFF));
  return c & 0x00FFFFFFu;
}

Font::Font(std::string name, int sizePt) : name_(std::move(name)), size_(sizePt) {}

Font::Font(const Font& o) : name_(o.name_), size_(o.size_), style_(o.style_), color_(o.color_), charset_(o.charset_) {}

Font& Font::operator=(const Font& o) {
  if (this == &o) return *this;
  name_ = o.name_;
  size_ = o.size_;
  style_ = o.style_;
  color_ = o.color_;
  charset_ = o.charset_;
  handle_.reset();
  return *this;
}

namespace {
// Sets one of a font's fields; a change drops the handle made from the old ones.
template <typename Field, typename Value>
void change(Field& field, const Value& value, base::GdiFont& handle) {
  if (field == value) return;
  field = Field(value);
  handle.reset();
}
}  // namespace

void Font::setName(std::string_view n) { change(name_, n, handle_); }
void Font::setSize(int pt) { change(size_, pt, handle_); }
void Font::setStyle(uint8_t s) { change(style_, s, handle_); }
void Font::setCharset(BYTE cs) { change(charset_, cs, handle_); }

HFONT Font::handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    HDC screen = GetDC(nullptr);
    lf.lfHeight = -MulDiv(size_, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    lf.lfWeight = (style_ & kBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & kItalic) ? 1 : 0;
    lf.lfUnderline = (style_ & kUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style_ & kStrikeOut) ? 1 : 0;
    lf.lfCharSet = charset_;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    std::wstring face = base::wide(name_);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    handle_.reset(CreateFontIndirectW(&lf));
  }
  return handle_.get();
}

RECT Canvas::clipRect() const {
  RECT r{};
  GetClipBox(dc_, &r);
  return r;
}

void Canvas::fillRect(const RECT& r) {
  if (brush.style == BrushStyle::Clear) return;
  base::GdiBrush b(CreateSolidBrush(toRgb(brush.color)));
  FillRect(dc_, &r, b.get());
}

void Canvas::polygon(const POINT* pts, int count) {
  base::GdiPen p(CreatePen(PS_SOLID, pen.width, toRgb(pen.color)));
  base::GdiBrush b(brush.style == BrushStyle::Solid ? CreateSolidBrush(toRgb(brush.color)) : nullptr);
  base::SelectGuard sp(dc_, p.get());
  base::SelectGuard sb(dc_, b ? static_cast<HGDIOBJ>(b.get()) : GetStockObject(NULL_BRUSH));
  Polygon(dc_, pts, count);
}

void Canvas::ellipse(const RECT& r) {
  base::GdiPen p(CreatePen(PS_SOLID, pen.width, toRgb(pen.color)));
  base::GdiBrush b(brush.style == BrushStyle::Solid ? CreateSolidBrush(toRgb(brush.color)) : nullptr);
  base::SelectGuard sp(dc_, p.get());
  base::SelectGuard sb(dc_, b ? static_cast<HGDIOBJ>(b.get()) : GetStockObject(NULL_BRUSH));
  Ellipse(dc_, r.left, r.top, r.right, r.bottom);
}

void Canvas::line(int x0, int y0, int x1, int y1) {
  base::GdiPen p(CreatePen(PS_SOLID, pen.width, toRgb(pen.color)));
  base::SelectGuard sp(dc_, p.get());
  MoveToEx(dc_, x0, y0, nullptr);
  LineTo(dc_, x1, y1);
}

SIZE Canvas::textExtent(std::string_view text) const {
  SIZE sz{};
  std::wstring w = base::wide(text);
  HGDIOBJ old = font ? SelectObject(dc_, font->handle()) : nullptr;
  GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &sz);
  if (w.empty()) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    sz.cy = tm.tmHeight;
  }
  if (old) SelectObject(dc_, old);
  return sz;
}

void Canvas::textOut(int x, int y, std::string_view text) {
  std::wstring w = base::wide(text);
  HGDIOBJ old = font ? SelectObject(dc_, font->handle()) : nullptr;
  SetTextColor(dc_, toRgb(font ? font->color() : 0));
  if (brush.style == BrushStyle::Clear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, toRgb(brush.color));
  }
  TextOutW(dc_, x, y, w.c_str(), static_cast<int>(w.size()));
  if (old) SelectObject(dc_, old);
}

void Canvas::draw(int x, int y, HDC source, int w, int h) { BitBlt(dc_, x, y, w, h, source, 0, 0, SRCCOPY); }

Bitmap::~Bitmap() {
  if (dc_ && oldBmp_) SelectObject(dc_.get(), oldBmp_);
}

void Bitmap::setSize(int w, int h) {
  if (w == w_ && h == h_ && dc_) return;
  if (!dc_) dc_.reset(CreateCompatibleDC(nullptr));
  if (oldBmp_) {
    SelectObject(dc_.get(), oldBmp_);
    oldBmp_ = nullptr;
  }
  bmp_.reset();
  bits_ = nullptr;
  w_ = w < 0 ? 0 : w;
  h_ = h < 0 ? 0 : h;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w_ > 0 ? w_ : 1;
  bi.bmiHeader.biHeight = -(h_ > 0 ? h_ : 1);
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bmp_.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  bits_ = static_cast<uint32_t*>(bits);
  if (bmp_) oldBmp_ = SelectObject(dc_.get(), bmp_.get());
  canvas_.setHandle(dc_.get());
}

uint32_t Bitmap::pixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
  GdiFlush();
  return bits_[static_cast<size_t>(y) * static_cast<size_t>(w_) + static_cast<size_t>(x)] & 0x00FFFFFFu;
}

COLORREF Bitmap::pixelRgb(int x, int y) const {
  uint32_t p = pixel(x, y);
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

}  // namespace ui
