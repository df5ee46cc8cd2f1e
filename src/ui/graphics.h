// Fonts, canvases and off-screen bitmaps over GDI, with the colour convention of the settings:
// $00BBGGRR, or $FF000000 plus a system colour index.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/handles.h"

namespace ui {

using Color = uint32_t;
constexpr Color kSystemColorFlag = 0xFF000000u;
constexpr Color systemColor(int index) { return kSystemColorFlag | static_cast<Color>(index); }
// The RGB value GDI takes for a colour (system colours resolved now).
COLORREF toRgb(Color c);

// Font style bits as stored in the settings: bold, italic, underline, strike-out.
enum FontStyle : uint8_t { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

class Font {
 public:
  Font(std::string name = "MS UI Gothic", int sizePt = 9);
  // A copy takes the values; it makes its own GDI font when first drawn with.
  Font(const Font& o);
  Font& operator=(const Font& o);
  Font(Font&&) = default;
  Font& operator=(Font&&) = default;
  const std::string& name() const { return name_; }
  int size() const { return size_; }
  uint8_t style() const { return style_; }
  Color color() const { return color_; }
  BYTE charset() const { return charset_; }
  void setName(std::string_view n);
  void setSize(int pt);
  void setStyle(uint8_t s);
  void setColor(Color c) { color_ = c; }
  void setCharset(BYTE cs);
  HFONT handle() const;

 private:
  std::string name_;
  int size_;
  uint8_t style_ = 0;
  Color color_ = 0;
  BYTE charset_ = SHIFTJIS_CHARSET;
  mutable base::GdiFont handle_;
};

enum class BrushStyle { Solid, Clear };

// Drawing on a device context it does not own. Pen, brush and font are applied per call.
class Canvas {
 public:
  explicit Canvas(HDC dc = nullptr) : dc_(dc) {}
  HDC handle() const { return dc_; }
  void setHandle(HDC dc) { dc_ = dc; }

  struct Pen {
    Color color = 0;
    int width = 1;
  } pen;
  struct Brush {
    Color color = 0xFFFFFF;
    BrushStyle style = BrushStyle::Solid;
  } brush;
  const Font* font = nullptr;

  RECT clipRect() const;
  void fillRect(const RECT& r);
  void polygon(const POINT* pts, int count);
  void ellipse(const RECT& r);
  void line(int x0, int y0, int x1, int y1);  // the end point itself is not drawn, as LineTo
  SIZE textExtent(std::string_view text) const;
  int textWidth(std::string_view text) const { return textExtent(text).cx; }
  int textHeight(std::string_view text) const { return textExtent(text).cy; }
  void textOut(int x, int y, std::string_view text);
  void draw(int x, int y, HDC source, int w, int h);

 private:
  HDC dc_;
};

// A 32-bit top-down DIB section with its own memory DC; pixels are readable directly.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int w, int h) { setSize(w, h); }
  ~Bitmap();
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  void setSize(int w, int h);
  int width() const { return w_; }
  int height() const { return h_; }
  HDC dc() const { return dc_.get(); }
  Canvas& canvas() { return canvas_; }
  // 0x00RRGGBB of one pixel (the DIB's own order), 0 outside.
  uint32_t pixel(int x, int y) const;
  // The pixel as a COLORREF (0x00BBGGRR), comparable with toRgb().
  COLORREF pixelRgb(int x, int y) const;
  const uint32_t* bits() const { return bits_; }

 private:
  int w_ = 0, h_ = 0;
  base::MemDc dc_;
  base::GdiBitmap bmp_;
  HGDIOBJ oldBmp_ = nullptr;
  uint32_t* bits_ = nullptr;
  Canvas canvas_;
};

}  // namespace ui
