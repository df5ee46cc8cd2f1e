// The clock's launcher pop-up menu: the launcher items with their icons, then a disabled
// "(未設定)" while there is none, a drawn separator and the default entry that opens the settings
// on the launcher page. Icons drawn from the items' files are kept in the cache file and read from
// there until the list changes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/handles.h"
#include "shared/reg_ex.h"

namespace tockle {

// Tags of the fixed entries.
inline constexpr int kTagNotSet = -1;
inline constexpr int kTagSetLaunch = -10;

struct TLaunchMenuEntry {
  std::string Caption;
  int Tag = 0;             // item number, or one of the fixed tags
  bool Separator = false;  // a drawn line; choosing it does nothing
  bool Break = false;      // opens a new column with a bar
  int ImageIndex = -1;     // into iglLaunch; -1 none
  bool Visible = true;
  bool Enabled = true;
  bool Default = false;
};

class TLaunchMenu {
 public:
  TLaunchMenu();

  // Launcher entries first, then the three fixed ones.
  std::vector<TLaunchMenuEntry> Items;
  // The images, each a 16-bit BMP file image of ImageSize pixels square.
  std::vector<std::string> iglLaunch;
  int ImageSize = 16;
  // Automatic access keys (off: only the "&" the user put in the names act).
  bool AutoHotkeys = true;

  // Rebuilds the launcher entries and images from the open settings key. With icons on (and a
  // size above 0) the images come from cacheFile when it can be trusted, else from the items'
  // files, which then rewrites cacheFile and every AppCache<n>.
  void Build(shared::TKzRegEx& reg, const std::string& cacheFile, bool drawIcon, int iconSize);

  // The Win32 menu of the visible entries; entry i has the command id i + 1. The menu's bitmaps
  // live until the next call.
  base::Menu CreatePopup();
  // The entry of a command id from CreatePopup, or nullptr.
  const TLaunchMenuEntry* EntryOf(UINT id) const;

  // The owner's answers to WM_MEASUREITEM and WM_DRAWITEM for the drawn separators and the
  // images; false for anything else.
  bool MeasureItem(MEASUREITEMSTRUCT& mis) const;
  bool DrawItem(const DRAWITEMSTRUCT& dis) const;
  // Draws the separator line: an etched edge along the top of rect moved 4 pixels down. The
  // caption, selection and flags are not used.
  static void DoDrawText(HDC canvas, const std::string& caption, RECT rect, bool selected, UINT flags);

 private:
  int AddItemIcon(const std::string& iconPath, const std::string& path, int icon);
  bool HasImage(const TLaunchMenuEntry& e) const;
  // The images as bitmaps for the menu on screen, made by CreatePopup.
  std::vector<base::GdiBitmap> bitmaps_;
  // Whether the menu from CreatePopup has a column of images.
  bool imageColumn_ = false;
};

}  // namespace tockle
