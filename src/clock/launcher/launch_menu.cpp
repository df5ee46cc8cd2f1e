#include "clock/launcher/launch_menu.h"

#include <algorithm>
#include <optional>

#include "base/files.h"
#include "base/system_libraries.h"
#include "base/text.h"
#include "clock/launcher/access_keys.h"
#include "clock/launcher/app_icon.h"
#include "clock/launcher/icon_cache.h"
#include "clock/launcher/launch_items.h"

namespace tockle {

namespace {

// A separator entry sits in a 9-pixel band, its line 4 pixels below the top.
constexpr UINT kSeparatorHeight = 9;

}  // namespace

TLaunchMenu::TLaunchMenu() {
  TLaunchMenuEntry notSet{"(未設定)"_sj, kTagNotSet};
  notSet.Enabled = false;
  TLaunchMenuEntry line{"-", 0, true};
  TLaunchMenuEntry setLaunch{"ランチャの設定(&S)"_sj, kTagSetLaunch};
  setLaunch.Default = true;
  Items = {notSet, line, setLaunch};
}

int TLaunchMenu::AddItemIcon(const std::string& iconPath, const std::string& path, int icon) {
  TKzGetAppIcon reader;
  reader.SetFileName(iconPath);
  if (!base::fileExists(iconPath)) reader.SetFileName(path);
  if (reader.IconCount == 0) return -1;
  reader.SetBackColor(ui::systemColor(COLOR_BTNFACE));
  reader.SetIconSize(ImageSize);
  reader.GetIcon(icon);
  iglLaunch.push_back(encodeBmp16(reader.Bitmap));
  return static_cast<int>(iglLaunch.size()) - 1;
}

void TLaunchMenu::Build(shared::TKzRegEx& reg, const std::string& cacheFile, bool drawIcon, int iconSize) {
  // The launcher entries of the previous build stand in front of the three fixed entries.
  Items.erase(Items.begin(), Items.end() - 3);
  TLaunchMenuEntry& notSet = Items[0];
  iglLaunch.clear();
  ImageSize = iconSize;
  if (!reg.ValueExists("App0")) {
    notSet.Visible = true;
    return;
  }
  notSet.Visible = false;
  // Without a size there is nothing to draw: such a menu has no images, as with icons off.
  const bool icons = drawIcon && iconSize > 0 && iconSize <= kMaxCachedIconSize;
  std::optional<std::vector<std::string>> cache;
  if (icons) {
    if (auto bytes = base::readFile(cacheFile)) cache = decodeIconCache(*bytes, iconSize);
  }
  std::vector<TLaunchMenuEntry> entries;
  std::string previousPath;
  for (int n = 0; reg.ValueExists(launchValueName("App", n)); ++n) {
    std::string path = readLaunchText(reg, launchValueName("AppPath", n));
    const bool breakBefore = n > 0 && previousPath == lineCutMarker();
    previousPath = path;
    if (path == lineCutMarker()) continue;
    TLaunchMenuEntry entry;
    entry.Break = breakBefore;
    if (path == rowCutMarker()) {
      entry.Caption = std::string(kSeparatorName);
      entry.Separator = true;
    } else {
      entry.Caption = readLaunchText(reg, launchValueName("App", n));
      entry.Tag = n;
      if (icons && cache) {
        entry.ImageIndex = readLaunchInteger(reg, launchValueName("AppCache", n), -1);
      } else if (icons) {
        entry.ImageIndex = AddItemIcon(readLaunchText(reg, launchValueName("AppIconPath", n)), path,
                                       readLaunchInteger(reg, launchValueName("AppIcon", n), 0));
        try {
          reg.WriteInteger(launchValueName("AppCache", n), entry.ImageIndex);
        } catch (const shared::ERegistryException&) {
          // Without its number the entry shows no image after the next start; the menu still works.
        }
      }
    }
    entries.push_back(std::move(entry));
  }
  Items.insert(Items.begin(), entries.begin(), entries.end());
  if (icons && cache) iglLaunch = std::move(*cache);
  if (icons && !cache) base::writeFileAtomic(cacheFile, encodeIconCache(iglLaunch, iconSize));
}

bool TLaunchMenu::HasImage(const TLaunchMenuEntry& e) const {
  return !e.Separator && e.ImageIndex >= 0 && e.ImageIndex < static_cast<int>(iglLaunch.size());
}

base::Menu TLaunchMenu::CreatePopup() {
  bitmaps_.clear();
  for (const std::string& image : iglLaunch) bitmaps_.push_back(bitmapFromBmp16(image));
  std::vector<std::string> captions;
  for (const TLaunchMenuEntry& e : Items)
    captions.push_back(e.Separator || !e.Visible || !e.Enabled ? std::string() : e.Caption);
  if (AutoHotkeys) captions = autoAccessKeys(std::move(captions));
  imageColumn_ = std::any_of(Items.begin(), Items.end(), [this](const TLaunchMenuEntry& e) { return HasImage(e); });
  base::Menu menu(CreatePopupMenu());
  for (size_t i = 0; i < Items.size(); ++i) {
    const TLaunchMenuEntry& e = Items[i];
    if (!e.Visible) continue;
    std::wstring text = base::wide(captions[i].empty() ? e.Caption : captions[i]);
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    mii.wID = static_cast<UINT>(i + 1);
    mii.dwItemData = i;
    mii.fType = (e.Break ? MFT_MENUBARBREAK : 0) | (e.Separator ? MFT_OWNERDRAW : 0);
    mii.fState = (e.Enabled ? MFS_ENABLED : MFS_DISABLED) | (e.Default ? MFS_DEFAULT : 0);
    if (!e.Separator) {
      mii.fMask |= MIIM_STRING;
      mii.dwTypeData = text.data();
    }
    if (imageColumn_ && !e.Separator) {
      // The menu asks its owner for the image (WM_MEASUREITEM, WM_DRAWITEM), which draws it
      // transparently on the entry's own background. An entry without an image gets an empty one
      // of the same size: the menu sets every caption after the widest image, and an entry
      // measured without one would lose the end of its caption.
      mii.fMask |= MIIM_BITMAP;
      mii.hbmpItem = HBMMENU_CALLBACK;
    }
    InsertMenuItemW(menu.get(), GetMenuItemCount(menu.get()), TRUE, &mii);
  }
  return menu;
}

const TLaunchMenuEntry* TLaunchMenu::EntryOf(UINT id) const {
  return id >= 1 && id <= Items.size() ? &Items[id - 1] : nullptr;
}

bool TLaunchMenu::MeasureItem(MEASUREITEMSTRUCT& mis) const {
  const TLaunchMenuEntry* e = EntryOf(mis.itemID);
  if (mis.CtlType != ODT_MENU || !e) return false;
  if (e->Separator) {
    mis.itemWidth = 0;
    mis.itemHeight = kSeparatorHeight;
  } else if (imageColumn_) {
    mis.itemWidth = mis.itemHeight = static_cast<UINT>(ImageSize);
  } else {
    return false;
  }
  return true;
}

bool TLaunchMenu::DrawItem(const DRAWITEMSTRUCT& dis) const {
  const TLaunchMenuEntry* e = EntryOf(dis.itemID);
  if (dis.CtlType != ODT_MENU || !e) return false;
  const bool selected = (dis.itemState & ODS_SELECTED) != 0;
  if (e->Separator) {
    FillRect(dis.hDC, &dis.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    RECT r = dis.rcItem;
    r.left += 2;
    r.right -= 1;
    DoDrawText(dis.hDC, e->Caption, r, selected, 0);
    return true;
  }
  if (!imageColumn_) return false;
  if (!HasImage(*e) || static_cast<size_t>(e->ImageIndex) >= bitmaps_.size()) return true;  // the empty image
  // The image's bottom-left pixel carries its transparent colour.
  base::MemDc source(CreateCompatibleDC(dis.hDC));
  base::SelectGuard keep(source.get(), bitmaps_[e->ImageIndex].get());
  const int size = ImageSize;
  const int top = dis.rcItem.top + (dis.rcItem.bottom - dis.rcItem.top - size) / 2;
  LAZY(base::msimg32(), TransparentBlt)
  (dis.hDC, dis.rcItem.left, top, size, size, source.get(), 0, 0, size, size, GetPixel(source.get(), 0, size - 1));
  return true;
}

void TLaunchMenu::DoDrawText(HDC canvas, const std::string&, RECT rect, bool, UINT) {
  rect.top += 4;
  DrawEdge(canvas, &rect, EDGE_ETCHED, BF_TOP);
}

}  // namespace tockle
