#include "memo/chrome/menu_model.h"

#include "base/text.h"

namespace memo {

std::string menuText(const MenuItem& item) {
  if (!item.shortcut) return item.caption;
  return item.caption + "\t" + ui::shortCutText(item.shortcut, ui::KeyNames::Menu);
}

namespace {
void appendItems(HMENU menu, const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    if (item.isSeparator()) {
      mi.fMask = MIIM_FTYPE;
      mi.fType = MFT_SEPARATOR;
    } else {
      std::wstring text = base::wide(menuText(item));
      mi.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID;
      mi.fType = item.radio ? MFT_RADIOCHECK : MFT_STRING;
      mi.dwTypeData = text.data();
      mi.wID = static_cast<UINT>(item.id);
      if (!item.items.empty()) {
        HMENU sub = CreatePopupMenu();
        appendItems(sub, item.items);
        mi.fMask |= MIIM_SUBMENU;
        mi.hSubMenu = sub;
      }
      InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &mi);
      continue;
    }
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &mi);
  }
}
}  // namespace

base::Menu buildMenu(const std::vector<MenuItem>& items, bool bar) {
  base::Menu menu(bar ? CreateMenu() : CreatePopupMenu());
  appendItems(menu.get(), items);
  return menu;
}

int findShortCut(const std::vector<MenuItem>& items, ShortCut s) {
  if (s == 0) return 0;
  for (const MenuItem& item : items) {
    if (item.items.empty()) {
      if (item.shortcut == s && item.id) return item.id;
    } else if (int id = findShortCut(item.items, s)) {
      return id;
    }
  }
  return 0;
}

}  // namespace memo
