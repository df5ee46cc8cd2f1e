// A tool bar that shows the top-level items of a menu as caption buttons; a click (or Alt with
// the item's mnemonic) drops the item's submenu down below its button, and Left/Right or the
// mouse over another button move to the neighbouring menu while one is open. Commands of the
// menu reach the notify window as WM_COMMAND, and its WM_INITMENUPOPUP as for a window menu.
#pragma once

#include <windows.h>

#include <string>

namespace memo {

class TMenuBar {
 public:
  // Command ids of the buttons: kFirstButtonId + index.
  static constexpr int kFirstButtonId = 9000;

  TMenuBar() = default;
  TMenuBar(const TMenuBar&) = delete;
  TMenuBar& operator=(const TMenuBar&) = delete;

  // parent: the rebar (or any window); notify: the window that gets the menu's commands.
  bool create(HWND parent, HWND notify);
  HWND handle() const { return hwnd_; }

  HMENU Menu() const { return menu_; }
  // Rebuilds the buttons from the menu's top-level items (the same menu again: nothing).
  void SetMenu(HMENU menu);
  int ButtonCount() const;
  std::string ButtonCaption(int index) const;
  SIZE idealSize() const;

  // Drops down the submenu of button index and tracks it until a command is chosen or the menu
  // is left; byKeyboard highlights the first item.
  void DropDown(int index, bool byKeyboard = false);
  // Alt + letter: drops the menu whose caption has that mnemonic; false when none has.
  bool DropDownMnemonic(wchar_t letter);
  // A WM_COMMAND from one of the buttons (id as above); false for other ids.
  bool handleCommand(int id);

 private:
  static LRESULT CALLBACK menuFilter(int code, WPARAM wp, LPARAM lp);
  bool filter(MSG& msg);
  void freeButtons();

  HWND hwnd_ = nullptr;
  HWND notify_ = nullptr;
  HMENU menu_ = nullptr;
  int tracking_ = -1;
  int pendingNext_ = -1;
  bool pendingByKeyboard_ = false;
  POINT cursorAtStart_{};
};

}  // namespace memo
