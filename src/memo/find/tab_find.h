// Find and replace through every tab of the memo: the system's modeless dialogs, their requests
// walked through the tabs the window gives.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/command_table.h"
#include "memo/find/find_dialog.h"
#include "memo/find/tab_search.h"

namespace memo {

class TabFind {
 public:
  struct Host {
    // The window the dialogs belong to, below whose top they open.
    std::function<HWND()> window;
    // The tabs a request walks through (dialog: the owner of the questions it brings).
    std::function<std::unique_ptr<SearchTarget>(HWND dialog)> tabs;
  };
  explicit TabFind(Host host);

  // Binds the Find and Replace commands and gives the dialogs to the window.
  void bindCommands(ui::CommandTable& commands);
  // A message of the window: true when it was one of the dialogs' reports (answered with 0).
  bool dialogMessage(UINT msg, LPARAM lp);
  void mnuFindClick();
  void mnuReplaceClick();
  // A request of a dialog.
  void fndFindFind(const SearchRequest& request, HWND dialog);
  void rpdReplaceReplace(const SearchRequest& request, HWND dialog);

  FindDialog fndFind{false};
  FindDialog rpdReplace{true};

 private:
  Host host_;
};

}  // namespace memo
