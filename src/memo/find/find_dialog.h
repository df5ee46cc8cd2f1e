// One of the system's modeless find and replace dialogs for an owner window: it stays open between
// requests and keeps its texts and options; every press of one of its buttons becomes a request.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <array>
#include <functional>

#include "memo/find/tab_search.h"

namespace memo {

class FindDialog {
 public:
  explicit FindDialog(bool replace) : replace_(replace) {}
  ~FindDialog();
  FindDialog(const FindDialog&) = delete;
  FindDialog& operator=(const FindDialog&) = delete;

  // The window the dialog belongs to and reports to.
  void attach(HWND owner);
  // A message the owner received: true when it was this dialog's report (a button pressed or the
  // dialog closed), which the owner then answers with 0.
  bool ownerMessage(UINT msg, LPARAM lp);
  // Shows the dialog (creating it when it is not open) with its top left corner at a screen point.
  void show(POINT topLeft);
  HWND handle() const { return window_; }

  // The find-next button: a Find request; dialog: this dialog's window.
  std::function<void(const SearchRequest& request, HWND dialog)> onFind;
  // The replace and replace-all buttons of the replace dialog.
  std::function<void(const SearchRequest& request, HWND dialog)> onReplace;

 private:
  void close();

  bool replace_;
  HWND owner_ = nullptr;
  UINT message_ = 0;
  FINDREPLACEW data_{};
  std::array<wchar_t, 256> findText_{};
  std::array<wchar_t, 256> replaceText_{};
  HWND window_ = nullptr;
};

}  // namespace memo
