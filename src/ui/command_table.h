// A window's command handlers by id, and the hooks that prepare a menu as it opens. Each
// area of commands binds its own handlers here, so an area's file is all a new area adds.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace ui {

class CommandTable {
 public:
  // The handler of one command. A command has one handler: binding one twice throws
  // std::logic_error, so two areas that both claim a command fail when the window is made.
  void on(int id, std::function<void()> run);
  // The handler of the commands first..last, handed the offset of the one run (menus with tags).
  void onRange(int first, int last, std::function<void(int offset)> run);
  // True when a handler has the command.
  bool covers(int id) const;
  // A hook called for every menu as it opens; each hook recognises its own menu.
  void onMenuPopup(std::function<void(HMENU)> hook);

  // Runs the command's handler; false when no handler has the command.
  bool run(int id) const;
  void menuOpening(HMENU menu) const;

 private:
  struct Entry {
    int first;
    int last;
    std::function<void(int)> run;
  };
  std::vector<Entry> entries_;
  std::vector<std::function<void(HMENU)>> popupHooks_;
};

}  // namespace ui
