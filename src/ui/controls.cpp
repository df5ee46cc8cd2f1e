#include "ui/controls.h"

#include "base/text.h"

namespace ui {

void ControlHost::addControl(Control* c) { controls_[c->id()] = c; }
void ControlHost::removeControl(Control* c) {
  auto it = controls_.find(c->id());
  if (it != controls_.end() && it->second == c) controls_.erase(it);
}

bool ControlHost::routeCommand(WPARAM wp, LPARAM lp) {
  if (!lp) return false;  // menus and accelerators are not controls
  auto it = controls_.find(LOWORD(wp));
  if (it == controls_.end()) return false;
  it->second->command(HIWORD(wp));
  return true;
}

bool ControlHost::routeNotify(LPARAM lp, LRESULT& result) {
  auto* hdr = reinterpret_cast<NMHDR*>(lp);
  auto it = controls_.find(static_cast<int>(hdr->idFrom));
  if (it == controls_.end()) return false;
  result = it->second->notify(hdr);
  return true;
}

Control::Control(ControlHost* host, int id) : host_(host), id_(id) { host_->addControl(this); }
Control::~Control() { host_->removeControl(this); }

HWND Control::handle() const { return GetDlgItem(host_->hostHandle(), id_); }
LRESULT Control::send(UINT msg, WPARAM wp, LPARAM lp) const { return SendMessageW(handle(), msg, wp, lp); }

std::string Control::text() const {
  HWND h = handle();
  int n = GetWindowTextLengthW(h);
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  n = GetWindowTextW(h, w.data(), n + 1);
  w.resize(static_cast<size_t>(n > 0 ? n : 0));
  return base::cp932(w);
}
void Control::setText(std::string_view text) { SetWindowTextW(handle(), base::wide(text).c_str()); }
bool Control::enabled() const { return IsWindowEnabled(handle()) != 0; }
void Control::setEnabled(bool on) { EnableWindow(handle(), on); }
bool Control::visible() const { return IsWindowVisible(handle()) != 0; }
void Control::setVisible(bool on) { ShowWindow(handle(), on ? SW_SHOW : SW_HIDE); }
void Control::setFocus() { SetFocus(handle()); }

void Button::click() {
  if (onClick) onClick();
}
void Button::command(WORD code) {
  if (code == BN_CLICKED) click();
}

bool CheckBox::checked() const { return send(BM_GETCHECK) == BST_CHECKED; }
void CheckBox::setChecked(bool on) { send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }

void Edit::command(WORD code) {
  if (code == EN_CHANGE && onChange) onChange();
}
void Edit::setMaxLength(int n) { send(EM_LIMITTEXT, static_cast<WPARAM>(n)); }
void Edit::selectAll() { send(EM_SETSEL, 0, -1); }

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
template class ItemList<ComboBoxMessages>;
template class ItemList<ListBoxMessages>;

void ComboBox::command(WORD code) {
  if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && onChange) onChange();
}

void ListBox::command(WORD code) {
  if (code == LBN_SELCHANGE && onChange) onChange();
}

}  // namespace ui
