// Icons of any file Windows takes icons from (programs, libraries, icon files), drawn as square
// bitmaps of a chosen size on a chosen background.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/handles.h"
#include "ui/graphics.h"

namespace tockle {

class TKzGetAppIcon {
 public:
  // The result of GetIcon: IconSize by IconSize pixels.
  ui::Bitmap Bitmap;
  // The icon last extracted (empty when the number was not one of the file's icons).
  base::Icon Icon;
  // Asked to paint the background behind the icon (WM_ERASEBKGND); none when nullptr.
  HWND OwnerHandle = nullptr;
  std::string FileName;
  // The number of icons in FileName; 0 when it names no existing file.
  int IconCount = 0;
  // The edge of Bitmap; also picks the small (up to 16) or the large icon.
  int IconSize = 32;
  ui::Color BackColor = ui::systemColor(COLOR_WINDOW);

  // Also counts the file's icons (a folder counts as no file).
  void SetFileName(std::string_view fileName);
  void SetBackColor(ui::Color color) { BackColor = color; }
  void SetIconSize(int pixels) { IconSize = pixels; }

  // Draws icon `number` of FileName into Bitmap: the small icon at its own 16 pixels for sizes up
  // to 16, the large one for larger sizes, stretched to IconSize. A number that is not one of the
  // file's icons leaves the background alone. The bottom-left pixel becomes the button-face
  // colour, by which a button glyph picks its transparent colour.
  bool GetIcon(int number);
  // Bitmap as a bitmap of the screen's format of its own, for an image list or a button.
  base::GdiBitmap CopyBitmap() const;
};

}  // namespace tockle
