#include "ui/tab_control.h"

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
  wchar_t buf[256] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = buf;
  item.cchTextMax = 256;
  if (!send(TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return {};
  return base::cp932(item.pszText);
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
