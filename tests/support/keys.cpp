#include "support/keys.h"

#include <cstdlib>

#include "support/wait.h"

namespace test {

void pressKeys(const std::vector<WORD>& keys) {
  std::vector<INPUT> in;
  auto add = [&](WORD key, DWORD flags) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = key;
    i.ki.dwFlags = flags;
    in.push_back(i);
  };
  for (WORD k : keys) add(k, 0);
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) add(*it, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void pressShortcut(int shortcut) {
  std::vector<WORD> keys;
  if (shortcut & 0x4000) keys.push_back(VK_CONTROL);
  if (shortcut & 0x2000) keys.push_back(VK_SHIFT);
  if (shortcut & 0x8000) keys.push_back(VK_MENU);
  keys.push_back(static_cast<WORD>(shortcut & 0xFF));
  pressKeys(keys);
}

void leftClick(int x, int y) {
  // A press near the last one within the double-click time reaches a window whose class asks for
  // double clicks (the clock's does) as a double click: wait until it would be a click of its own.
  static ULONGLONG lastTick = 0;
  static POINT last{};
  if (std::abs(x - last.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
      std::abs(y - last.y) <= GetSystemMetrics(SM_CYDOUBLECLK))
    waitUntil([] { return GetTickCount64() - lastTick > GetDoubleClickTime(); }, GetDoubleClickTime() + 1000);
  SetCursorPos(x, y);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof input[0]);
  lastTick = GetTickCount64();
  last = POINT{x, y};
}

}  // namespace test
