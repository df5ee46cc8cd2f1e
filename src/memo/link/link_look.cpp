#include "memo/link/link_look.h"

#include <richedit.h>
#include <richole.h>
#include <tom.h>

#include <cmath>

namespace memo {

namespace {

// ITextDocument (tom.h declares it; no import library defines it).
constexpr IID kTextDocument = {0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

template <typename T>
struct Com {
  T* p = nullptr;
  ~Com() {
    if (p) p->Release();
  }
  T* operator->() const { return p; }
};

// The height of a character's cell in its own font (the control cannot tell a character's bottom,
// and below the last line it answers the nearest character).
std::optional<LONG> cellHeight(HWND edit, ITextFont* font) {
  BSTR name = nullptr;
  float size = 0;
  if (FAILED(font->GetName(&name)) || FAILED(font->GetSize(&size))) {
    SysFreeString(name);
    return std::nullopt;
  }
  HDC dc = GetDC(edit);
  LOGFONTW lf{};
  lf.lfHeight = -static_cast<LONG>(std::lround(size * static_cast<float>(GetDeviceCaps(dc, LOGPIXELSY)) / 72.0f));
  lf.lfCharSet = DEFAULT_CHARSET;
  if (name) lstrcpynW(lf.lfFaceName, name, LF_FACESIZE);
  SysFreeString(name);
  HFONT f = CreateFontIndirectW(&lf);
  HGDIOBJ old = SelectObject(dc, f);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  DeleteObject(f);
  ReleaseDC(edit, dc);
  return tm.tmHeight;
}

}  // namespace

std::optional<LONG> linkCellHeight(HWND edit, int pos, const TLinkString& registry) {
  Com<IRichEditOle> ole;
  if (!SendMessageW(edit, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole.p)) || !ole.p) return std::nullopt;
  Com<ITextDocument> doc;
  if (FAILED(ole->QueryInterface(kTextDocument, reinterpret_cast<void**>(&doc.p)))) return std::nullopt;
  Com<ITextRange> range;
  Com<ITextFont> font;
  if (FAILED(doc->Range(pos, pos + 1, &range.p)) || FAILED(range->GetFont(&font.p))) return std::nullopt;
  long color = 0, underline = 0;
  if (FAILED(font->GetForeColor(&color)) || FAILED(font->GetUnderline(&underline))) return std::nullopt;
  for (const auto& item : registry.Items)
    if (static_cast<long>(item.Color) == color && ((item.Style & 1) != 0) == (underline != tomNone))
      return cellHeight(edit, font.p);
  return std::nullopt;
}

}  // namespace memo
