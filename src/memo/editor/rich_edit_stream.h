// What the editor's loads share: text streamed into the control, and the quiet a load needs.
#pragma once

#include <windows.h>

#include <richedit.h>

#include <string>
#include <string_view>

#include "memo/editor/rich_edit.h"

namespace memo {

struct StreamBuffer {
  std::string_view in;
  size_t pos = 0;
  std::string out;
};

// EM_STREAMIN's callback: the bytes of a StreamBuffer's in.
DWORD CALLBACK streamIn(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done);

// A load into the control records no undo and sends no notifications; both come back after it.
class QuietLoad {
 public:
  explicit QuietLoad(HWND hwnd) : hwnd_(hwnd), mask_(SendMessageW(hwnd, EM_GETEVENTMASK, 0, 0)) {
    SendMessageW(hwnd_, EM_SETEVENTMASK, 0, 0);
    SendMessageW(hwnd_, EM_SETUNDOLIMIT, 0, 0);
  }
  ~QuietLoad() {
    SendMessageW(hwnd_, EM_SETUNDOLIMIT, RichEdit::kUndoLimit, 0);
    SendMessageW(hwnd_, EM_SETEVENTMASK, 0, mask_);
  }
  QuietLoad(const QuietLoad&) = delete;
  QuietLoad& operator=(const QuietLoad&) = delete;

 private:
  HWND hwnd_;
  LRESULT mask_;
};

}  // namespace memo
