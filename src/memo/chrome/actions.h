// The memo window's actions: a caption, a shortcut and an enabled state; menu items and tool
// buttons bound to an action take its caption and shortcut. What a command does lives in the
// window's command table, never on the action.
#pragma once

#include <string>
#include <vector>

#include "memo/chrome/menu_model.h"

namespace memo {

struct Action {
  int id = 0;
  std::string caption;
  ShortCut shortcut = 0;
  bool enabled = true;
};

class ActionList {
 public:
  void add(Action a) { actions_.push_back(std::move(a)); }
  Action* find(int id);
  const Action* find(int id) const;
  // The first action with the shortcut, or nullptr.
  const Action* findShortCut(ShortCut s) const;
  // A menu item bound to the action.
  MenuItem item(int id) const;
  const std::vector<Action>& all() const { return actions_; }

 private:
  std::vector<Action> actions_;
};

// A caption as a hint reads it: without its access key, "(&U)" or a lone '&' ("&&" is one '&').
std::string captionHint(const std::string& caption);

// The actions of the memo window in their list order.
ActionList memoActions();
// Menus of the window, built from the actions.
std::vector<MenuItem> mainMenuItems(const ActionList& actions);
std::vector<MenuItem> tabPopupItems(const ActionList& actions);
std::vector<MenuItem> memoPopupItems(const ActionList& actions);
// The date and time offsets of the insert menu and of the tool buttons' drop-downs.
std::vector<MenuItem> insertDateItems();
std::vector<MenuItem> insertTimeItems();

}  // namespace memo
