#include "ui/command_table.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace ui {

void CommandTable::on(int id, std::function<void()> run) {
  onRange(id, id, [run = std::move(run)](int) { run(); });
}

void CommandTable::onRange(int first, int last, std::function<void(int offset)> run) {
  for (const Entry& e : entries_)
    if (first <= e.last && e.first <= last)
      throw std::logic_error("command " + std::to_string(std::max(first, e.first)) + " is bound twice");
  entries_.push_back({first, last, std::move(run)});
}

bool CommandTable::covers(int id) const {
  for (const Entry& e : entries_)
    if (id >= e.first && id <= e.last) return true;
  return false;
}

void CommandTable::onMenuPopup(std::function<void(HMENU)> hook) { popupHooks_.push_back(std::move(hook)); }

bool CommandTable::run(int id) const {
  for (const Entry& e : entries_)
    if (id >= e.first && id <= e.last) {
      e.run(id - e.first);
      return true;
    }
  return false;
}

void CommandTable::menuOpening(HMENU menu) const {
  for (const auto& hook : popupHooks_) hook(menu);
}

}  // namespace ui
