#include "ui/tab_control.h"

#include <cwchar>

#include "base/text.h"

namespace ui {

int TabControl::insertTab(int index, std::string_view caption, LPARAM data) {
  std::wstring w = base::wide(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = w.data();
  item.lParam = data;
  return static_cast<int>(send(TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

void TabControl::deleteTab(int index) { send(TCM_DELETEITEM, static_cast<WPARAM>(index)); }
void TabControl::clear() { send(TCM_DELETEALLITEMS); }
int TabControl::count() const { return static_cast<int>(send(TCM_GETITEMCOUNT)); }

std::string TabControl::tabText(int index) const {
  // The control does not tell a text's length: a text that fills the buffer may be cut, so the
  // buffer grows until it does not.
  for (size_t size = 256;; size *= 4) {
    std::wstring buf(size, L'\0');
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buf.data();
    item.cchTextMax = static_cast<int>(size);
    if (!send(TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return {};
    size_t length = std::wcslen(item.pszText);
    if (length + 1 < size || size >= (1u << 20)) return base::cp932(std::wstring(item.pszText, length));
  }
}

void TabControl::setTabText(int index, std::string_view caption) {
  std::wstring w = base::wide(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = w.data();
  send(TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

LPARAM TabControl::tabData(int index) const {
  TCITEMW item{};
  item.mask = TCIF_PARAM;
  return send(TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

int TabControl::selectedIndex() const { return static_cast<int>(send(TCM_GETCURSEL)); }
void TabControl::setSelectedIndex(int index) { send(TCM_SETCURSEL, static_cast<WPARAM>(index)); }

int TabControl::tabAt(POINT client) const {
  TCHITTESTINFO hit{};
  hit.pt = client;
  return static_cast<int>(send(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

RECT TabControl::displayRect() const {
  HWND h = handle();
  RECT r{};
  GetClientRect(h, &r);
  send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  MapWindowPoints(h, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LRESULT TabControl::notify(NMHDR& hdr) {
  if (hdr.code == TCN_SELCHANGING) return onChanging && !onChanging() ? TRUE : FALSE;
  if (hdr.code == TCN_SELCHANGE) {
    if (onChange) onChange();
    return 0;
  }
  return Control::notify(hdr);
}

}  // namespace ui
