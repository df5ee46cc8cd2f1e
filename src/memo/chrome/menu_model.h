// Menus described as data, built into Win32 menus, with the shortcut rule of the memo window:
// the first item in menu order that carries a key runs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/handles.h"
#include "ui/shortcut.h"

namespace memo {

// The memo's menus and actions carry shortcut codes.
using ui::kAlt;
using ui::kCtrl;
using ui::kShift;
using ui::shortCut;
using ui::ShortCut;

struct MenuItem {
  int id = 0;           // the command; 0 for a separator or a submenu title
  std::string caption;  // "-" for a separator
  ShortCut shortcut = 0;
  bool radio = false;
  std::vector<MenuItem> items;  // a submenu when not empty

  static MenuItem separator() { return {0, "-"}; }
  bool isSeparator() const { return caption == "-"; }
};

// A menu bar (bar = true) or a pop-up menu of the items; the caller owns the handle.
base::Menu buildMenu(const std::vector<MenuItem>& items, bool bar);
// The command of the first item, in menu order (depth first), that carries the shortcut; 0 when
// none does.
int findShortCut(const std::vector<MenuItem>& items, ShortCut s);
// The caption with its shortcut text after a tab, as a menu shows it.
std::string menuText(const MenuItem& item);

}  // namespace memo
