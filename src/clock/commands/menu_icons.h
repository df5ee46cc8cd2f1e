// The small pictures of the system menu: the seven command images of the pop-up menu
// (iglSystem) and the three entry kinds of the menu editor's tree. Drawn once in code, 16 x 16,
// 32-bit with alpha.
#pragma once

#include <windows.h>

#include <vector>

#include "base/handles.h"
#include "ui/image_list.h"

namespace tockle {

// The commands whose first menu item gets a picture: image i goes to kSystemMenuImageTags[i].
inline constexpr int kSystemMenuImageTags[] = {1, 3, 4, 6, 8, 20, 22};

class TMenuImages {
 public:
  // 7 command images / submenu, command, separator / the menu editor's buttons: add, delete,
  // rename, new submenu, separator, default menu.
  enum Set { SystemMenu, MenuTree, EditorButtons };
  explicit TMenuImages(Set set);

  // The pictures as an image list (for a tree), made at the first call: the pop-up menu needs only
  // the bitmaps, and an image list needs the common controls.
  const ui::ImageList& List() const;
  // A picture as an icon (transparent where the picture is), for an icon button; the caller owns it.
  base::Icon MakeIcon(int index) const;
  // The picture for a menu item (hbmpItem); the images keep it.
  HBITMAP Bitmap(int index) const;
  int Count() const { return static_cast<int>(bitmaps_.size()); }
  // A picture of the same size with nothing on it, for a menu entry without one of its own: Wine
  // measures an entry without a picture as if the menu had no picture column, and the widest such
  // caption loses its end.
  HBITMAP Blank() const { return blank_.get(); }

 private:
  std::vector<base::GdiBitmap> bitmaps_;
  base::GdiBitmap blank_;
  mutable ui::ImageList list_;
};

}  // namespace tockle
