#include "ui/up_down.h"

namespace ui {

void UpDown::setRange(int minimum, int maximum) { send(UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum); }
int UpDown::minimum() const {
  int lo = 0, hi = 0;
  send(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi));
  return lo;
}
int UpDown::maximum() const {
  int lo = 0, hi = 0;
  send(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi));
  return hi;
}
int UpDown::position() const { return static_cast<int>(send(UDM_GETPOS32)); }
void UpDown::setPosition(int value) { send(UDM_SETPOS32, 0, value); }
void UpDown::setBuddy(HWND buddy) { send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)); }

void UpDown::scroll(WORD code) {
  if (code != SB_ENDSCROLL && onChange) onChange(position());
}

}  // namespace ui
