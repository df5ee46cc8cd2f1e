#include "ui/up_down.h"

namespace ui {

void UpDown::setRange(int minimum, int maximum) { send(UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum); }
std::pair<int, int> UpDown::range() const {
  int lo = 0, hi = 0;
  send(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi));
  return {lo, hi};
}
int UpDown::minimum() const { return range().first; }
int UpDown::maximum() const { return range().second; }
int UpDown::position() const { return static_cast<int>(send(UDM_GETPOS32)); }
void UpDown::setPosition(int value) { send(UDM_SETPOS32, 0, value); }
void UpDown::setBuddy(HWND buddy) {
  // An up-down aligned to its buddy takes its own width out of the buddy at every attachment: a
  // template's auto-buddy has attached it already, and a second attachment would narrow the edit
  // box again.
  if (reinterpret_cast<HWND>(send(UDM_GETBUDDY)) == buddy) return;
  send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy));
}

void UpDown::scroll(WORD code) {
  if (code != SB_ENDSCROLL && onChange) onChange(position());
}

}  // namespace ui
