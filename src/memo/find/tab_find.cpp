#include "memo/find/tab_find.h"

#include <utility>

#include "memo/chrome/commands.h"

namespace memo {

namespace {

// Below the main window's top by half its height, at its left edge.
POINT dialogPlace(HWND main) {
  RECT r{};
  GetWindowRect(main, &r);
  return {r.left, r.top + (r.bottom - r.top) / 2};
}

}  // namespace

TabFind::TabFind(Host host) : host_(std::move(host)) {}

void TabFind::bindCommands(ui::CommandTable& commands) {
  commands.on(mnuFind, [this] { mnuFindClick(); });
  commands.on(mnuReplace, [this] { mnuReplaceClick(); });
  fndFind.attach(host_.window());
  rpdReplace.attach(host_.window());
  fndFind.onFind = [this](const SearchRequest& r, HWND dialog) { fndFindFind(r, dialog); };
  rpdReplace.onFind = [this](const SearchRequest& r, HWND dialog) { fndFindFind(r, dialog); };
  rpdReplace.onReplace = [this](const SearchRequest& r, HWND dialog) { rpdReplaceReplace(r, dialog); };
}

bool TabFind::dialogMessage(UINT msg, LPARAM lp) {
  return fndFind.ownerMessage(msg, lp) || rpdReplace.ownerMessage(msg, lp);
}

void TabFind::mnuFindClick() { fndFind.show(dialogPlace(host_.window())); }

void TabFind::mnuReplaceClick() { rpdReplace.show(dialogPlace(host_.window())); }

void TabFind::fndFindFind(const SearchRequest& request, HWND dialog) {
  SearchRequest find = request;
  find.mode = SearchMode::Find;
  runSearch(*host_.tabs(dialog), find);
}

void TabFind::rpdReplaceReplace(const SearchRequest& request, HWND dialog) { runSearch(*host_.tabs(dialog), request); }

}  // namespace memo
