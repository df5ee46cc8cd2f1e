// An image list the program owns (destroyed with the object unless released).
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace ui {

class ImageList {
 public:
  ImageList() = default;
  ImageList(int width, int height, UINT flags = ILC_COLOR32 | ILC_MASK, int initial = 4, int grow = 4);
  ~ImageList();
  ImageList(ImageList&& other) noexcept;
  ImageList& operator=(ImageList&& other) noexcept;
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;

  HIMAGELIST handle() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the list up (e.g. to a control created with LVS_SHAREIMAGELISTS unset, which frees it).
  HIMAGELIST release();

  int add(HBITMAP image, HBITMAP mask = nullptr);  // answers the first new index, -1 on failure
  int addMasked(HBITMAP image, COLORREF transparent);
  int addIcon(HICON icon);
  bool replaceIcon(int index, HICON icon);
  void remove(int index);
  void clear();
  int count() const;
  // The image as a new icon (transparent where the image is), which the caller destroys.
  HICON icon(int index) const;
  SIZE imageSize() const;
  void draw(HDC dc, int index, int x, int y, UINT style = ILD_NORMAL) const;

 private:
  HIMAGELIST handle_ = nullptr;
};

}  // namespace ui
