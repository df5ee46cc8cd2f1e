#include "ui/controls.h"

#include <cstdlib>

#include "base/text.h"
#include "ui/app.h"
#include "ui/common_controls.h"

namespace ui {

void ControlHost::addControl(Control* c) { controls_[c->id()] = c; }
void ControlHost::removeControl(Control* c) {
  auto it = controls_.find(c->id());
  if (it != controls_.end() && it->second == c) controls_.erase(it);
}

Control* ControlHost::control(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

void ControlHost::hostCreated() {
  // A copy: a control's attached() may add controls (a page host adds its pages' hosts).
  std::map<int, Control*> controls = controls_;
  for (auto& [id, c] : controls)
    if (GetDlgItem(hostHandle(), id)) c->attached();
}

bool ControlHost::routeCommand(WPARAM wp, LPARAM lp) {
  if (!lp) return false;  // menus and accelerators are not controls
  Control* c = control(LOWORD(wp));
  if (!c) return false;
  c->command(HIWORD(wp));
  return true;
}

bool ControlHost::routeNotify(LPARAM lp, LRESULT& result) {
  auto* hdr = reinterpret_cast<NMHDR*>(lp);
  Control* c = control(static_cast<int>(hdr->idFrom));
  if (!c) return false;
  result = c->notify(*hdr);
  return true;
}

bool ControlHost::route(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      result = 0;
      return routeCommand(wp, lp);
    case WM_NOTIFY:
      return routeNotify(lp, result);
    case WM_HSCROLL:
    case WM_VSCROLL: {
      if (!lp) return false;  // the window's own scroll bars
      Control* c = control(GetDlgCtrlID(reinterpret_cast<HWND>(lp)));
      if (!c) return false;
      c->scroll(LOWORD(wp));
      result = 0;
      return true;
    }
    case WM_CONTEXTMENU: {
      auto source = reinterpret_cast<HWND>(wp);
      if (source == hostHandle()) return false;
      Control* c = control(GetDlgCtrlID(source));
      if (!c || !c->onContextMenu) return false;
      c->onContextMenu(POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      result = 0;
      return true;
    }
  }
  return false;
}

Control::Control(ControlHost* host, int id) : host_(host), id_(id) { host_->addControl(this); }
Control::~Control() { host_->removeControl(this); }

bool Control::create(const ControlArgs& a) {
  HWND parent = a.parent ? a.parent : host_->hostHandle();
  HINSTANCE inst = Application::instance().hinstance();
  initCommonControls();
  hwnd_ = CreateWindowExW(a.exStyle, a.className ? a.className : className(), base::wide(a.text).c_str(),
                          a.style | WS_CHILD | requiredStyle(), a.x, a.y, a.width, a.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), inst, nullptr);
  if (!hwnd_) return false;
  HFONT font = a.font ? a.font : reinterpret_cast<HFONT>(SendMessageW(host_->hostHandle(), WM_GETFONT, 0, 0));
  if (font) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  attached();
  return true;
}

void Control::attach(HWND hwnd) {
  hwnd_ = hwnd;
  if (hwnd_) attached();
}

HWND Control::handle() const {
  if (hwnd_ && IsWindow(hwnd_)) return hwnd_;
  return GetDlgItem(host_->hostHandle(), id_);
}
LRESULT Control::send(UINT msg, WPARAM wp, LPARAM lp) const { return SendMessageW(handle(), msg, wp, lp); }

void Control::command(WORD code) {
  if (onCommand) onCommand(code);
}
LRESULT Control::notify(NMHDR& hdr) { return onNotify ? onNotify(hdr) : 0; }
void Control::scroll(WORD) {}

std::string windowText(HWND hwnd) {
  if (!hwnd) return {};
  int n = GetWindowTextLengthW(hwnd);
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  n = GetWindowTextW(hwnd, w.data(), n + 1);
  w.resize(static_cast<size_t>(n > 0 ? n : 0));
  return base::cp932(w);
}

void setWindowText(HWND hwnd, std::string_view text) {
  if (hwnd) SetWindowTextW(hwnd, base::wide(text).c_str());
}

std::string Control::text() const { return windowText(handle()); }
void Control::setText(std::string_view text) { setWindowText(handle(), text); }
bool Control::enabled() const { return IsWindowEnabled(handle()) != 0; }
void Control::setEnabled(bool on) { EnableWindow(handle(), on); }
bool Control::visible() const { return IsWindowVisible(handle()) != 0; }
void Control::setVisible(bool on) { ShowWindow(handle(), on ? SW_SHOW : SW_HIDE); }
void Control::setFocus() { SetFocus(handle()); }
void Control::setFont(HFONT font) { send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
void Control::setBounds(int x, int y, int w, int h) {
  SetWindowPos(handle(), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Button::click() {
  if (onClick) onClick();
}
void Button::command(WORD code) {
  if (code == BN_CLICKED)
    click();
  else
    Control::command(code);
}

bool CheckBox::checked() const { return send(BM_GETCHECK) == BST_CHECKED; }
void CheckBox::setChecked(bool on) { send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }

void Edit::command(WORD code) {
  if (code == EN_CHANGE && onChange)
    onChange();
  else
    Control::command(code);
}
void Edit::setMaxLength(int n) { send(EM_LIMITTEXT, static_cast<WPARAM>(n)); }
void Edit::selectAll() { send(EM_SETSEL, 0, -1); }
int Edit::number() const { return std::atoi(text().c_str()); }
void Edit::setNumber(int value) { setText(std::to_string(value)); }

std::string itemText(const Control& c, UINT lenMsg, UINT textMsg, int index) {
  LRESULT n = c.send(lenMsg, static_cast<WPARAM>(index));
  if (n < 0) return {};
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  n = c.send(textMsg, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(w.data()));
  w.resize(static_cast<size_t>(n > 0 ? n : 0));
  return base::cp932(w);
}

template <typename Messages>
int ItemList<Messages>::add(std::string_view item) {
  std::wstring w = base::wide(item);
  return static_cast<int>(send(Messages::add, 0, reinterpret_cast<LPARAM>(w.c_str())));
}

template <typename Messages>
int ItemList<Messages>::insert(int index, std::string_view item) {
  std::wstring w = base::wide(item);
  return static_cast<int>(send(Messages::insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(w.c_str())));
}

template <typename Messages>
void ItemList<Messages>::setItem(int index, std::string_view item) {
  LPARAM data = itemData(index);
  bool selected = itemIndex() == index;
  remove(index);
  insert(index, item);
  setItemData(index, data);
  if (selected) setItemIndex(index);
}

template <typename Messages>
std::vector<std::string> ItemList<Messages>::items() const {
  std::vector<std::string> all;
  for (int i = 0, n = count(); i < n; ++i) all.push_back(item(i));
  return all;
}

template <typename Messages>
int ItemList<Messages>::indexOf(std::string_view item) const {
  std::wstring w = base::wide(item);
  LRESULT r = send(Messages::findExact, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(w.c_str()));
  return r < 0 ? -1 : static_cast<int>(r);
}

template class ItemList<ComboBoxMessages>;
template class ItemList<ListBoxMessages>;

void ComboBox::command(WORD code) {
  if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && onChange)
    onChange();
  else if (code == CBN_DROPDOWN && onDropDown)
    onDropDown();
  else if (code == CBN_CLOSEUP && onCloseUp)
    onCloseUp();
  else
    Control::command(code);
}

void ListBox::command(WORD code) {
  if (code == LBN_SELCHANGE && onChange)
    onChange();
  else if (code == LBN_DBLCLK && onDoubleClick)
    onDoubleClick();
  else
    Control::command(code);
}

int ListBox::itemAt(POINT client) const {
  LRESULT r = send(LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
  if (HIWORD(r)) return -1;  // outside every item
  return LOWORD(r);
}

RECT ListBox::itemRect(int index) const {
  RECT r{};
  send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

}  // namespace ui
