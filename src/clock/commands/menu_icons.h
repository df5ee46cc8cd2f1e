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
  enum Set { SystemMenu, MenuTree };  // 7 command images / submenu, command, separator
  explicit TMenuImages(Set set);

  // The pictures as an image list (for a tree), made at the first call: the pop-up menu needs only
  // the bitmaps, and an image list needs the common controls.
  const ui::ImageList& List() const;
  // The picture for a menu item (hbmpItem); the images keep it.
  HBITMAP Bitmap(int index) const;
  int Count() const { return static_cast<int>(bitmaps_.size()); }

 private:
  std::vector<base::GdiBitmap> bitmaps_;
  mutable ui::ImageList list_;
};

}  // namespace tockle
