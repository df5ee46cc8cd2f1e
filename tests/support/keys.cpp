#include "support/keys.h"

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
  SetCursorPos(x, y);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof input[0]);
}

}  // namespace test
