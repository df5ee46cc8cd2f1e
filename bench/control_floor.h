// The rich-edit control's floor for a text: the same text put the cheapest way (always a scroll
// bar, no undo, one message) into a bare visible control of a given client size, and painted.
#pragma once

#include <windows.h>

#include <richedit.h>

#include <string>

#include "base/text.h"
#include "timing.h"
#include "ui/form.h"

namespace bench {

inline void pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

inline double floorMs(const std::string& text, int width, int height) {
  ui::Form host;
  ui::FormParams p;
  p.caption = "floor";
  host.create(p);
  MoveWindow(host.handle(), 0, 0, width + 40, height + 60, TRUE);
  ShowWindow(host.handle(), SW_SHOWNA);
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, RICHEDIT_CLASSW, L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_DISABLENOSCROLL, 0, 0, width,
                              height, host.handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageW(edit, EM_SETUNDOLIMIT, 0, 0);
  std::wstring w = base::wide(text);
  double ms = millis([&] {
    SETTEXTEX set{ST_DEFAULT, 1200};
    SendMessageW(edit, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set), reinterpret_cast<LPARAM>(w.c_str()));
    UpdateWindow(edit);
  });
  DestroyWindow(edit);
  pump();
  return ms;
}

}  // namespace bench
