#include "ui/command_table.h"

namespace ui {

void CommandTable::on(int id, std::function<void()> run) {
  entries_.push_back({id, id, [run = std::move(run)](int) { run(); }});
}

void CommandTable::onRange(int first, int last, std::function<void(int offset)> run) {
  entries_.push_back({first, last, std::move(run)});
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
