// Putting text on the system clipboard from tests, the way other programs do.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace test {

// Replaces the clipboard's content with the text as CF_UNICODETEXT, or as CF_TEXT bytes.
bool setClipboardUnicode(std::wstring_view text);
bool setClipboardCp932(std::string_view text);

// A plain clipboard viewer of the test itself, with a message-only window: it counts its
// notifications, records the chain changes that reach it and passes both on like a good viewer.
// Joined before the watcher under test, it lies further down the chain and hears of a change only
// when the watcher hands the notification on. The thread must dispatch messages.
class ClipboardViewer {
 public:
  ClipboardViewer();
  ~ClipboardViewer();  // leaves the chain
  ClipboardViewer(const ClipboardViewer&) = delete;
  ClipboardViewer& operator=(const ClipboardViewer&) = delete;

  HWND hwnd = nullptr;
  HWND next = nullptr;
  int draws = 0;
  std::vector<std::pair<HWND, HWND>> chainChanges;  // (leaving, its successor)

 private:
  static LRESULT CALLBACK proc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace test
