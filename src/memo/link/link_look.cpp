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

// The character's cell: its top left as the control places it, its size in its own font (the
// control cannot tell a character's bottom, and below the last line it answers the nearest).
bool onCharacter(HWND edit, int pos, POINT p, ITextRange* range, ITextFont* font) {
  POINTL at{};
  SendMessageW(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), pos);
  BSTR name = nullptr;
  float size = 0;
  long ch = 0;
  if (FAILED(font->GetName(&name)) || FAILED(font->GetSize(&size)) || FAILED(range->GetChar(&ch))) {
    SysFreeString(name);
    return false;
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
  SIZE cell{};
  wchar_t c = static_cast<wchar_t>(ch);
  GetTextMetricsW(dc, &tm);
  GetTextExtentPoint32W(dc, &c, 1, &cell);
  SelectObject(dc, old);
  DeleteObject(f);
  ReleaseDC(edit, dc);
  return p.x >= at.x && p.x < at.x + cell.cx && p.y >= at.y && p.y < at.y + tm.tmHeight;
}

}  // namespace

bool showsLinkAt(HWND edit, int pos, POINT p, const TLinkString& registry) {
  Com<IRichEditOle> ole;
  if (!SendMessageW(edit, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole.p)) || !ole.p) return false;
  Com<ITextDocument> doc;
  if (FAILED(ole->QueryInterface(kTextDocument, reinterpret_cast<void**>(&doc.p)))) return false;
  Com<ITextRange> range;
  Com<ITextFont> font;
  if (FAILED(doc->Range(pos, pos + 1, &range.p)) || FAILED(range->GetFont(&font.p))) return false;
  if (!onCharacter(edit, pos, p, range.p, font.p)) return false;
  long color = 0, underline = 0;
  if (FAILED(font->GetForeColor(&color)) || FAILED(font->GetUnderline(&underline))) return false;
  for (const auto& item : registry.Items)
    if (static_cast<long>(item.Color) == color && ((item.Style & 1) != 0) == (underline != tomNone)) return true;
  return false;
}

}  // namespace memo
