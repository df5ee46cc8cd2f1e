#include "ui/image_list.h"

#include <utility>

#include "base/system_libraries.h"
#include "ui/common_controls.h"

namespace ui {

ImageList::ImageList(int width, int height, UINT flags, int initial, int grow)
    : handle_((initCommonControls(), LAZY(base::comctl32(), ImageList_Create)(width, height, flags, initial, grow))) {}

ImageList::~ImageList() {
  if (handle_) LAZY(base::comctl32(), ImageList_Destroy)(handle_);
}

ImageList::ImageList(ImageList&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

ImageList& ImageList::operator=(ImageList&& other) noexcept {
  if (this != &other) {
    if (handle_) LAZY(base::comctl32(), ImageList_Destroy)(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

HIMAGELIST ImageList::release() { return std::exchange(handle_, nullptr); }

int ImageList::add(HBITMAP image, HBITMAP mask) { return LAZY(base::comctl32(), ImageList_Add)(handle_, image, mask); }
int ImageList::addMasked(HBITMAP image, COLORREF transparent) {
  return LAZY(base::comctl32(), ImageList_AddMasked)(handle_, image, transparent);
}
int ImageList::addIcon(HICON icon) { return LAZY(base::comctl32(), ImageList_ReplaceIcon)(handle_, -1, icon); }
bool ImageList::replaceIcon(int index, HICON icon) {
  return LAZY(base::comctl32(), ImageList_ReplaceIcon)(handle_, index, icon) >= 0;
}
void ImageList::remove(int index) { LAZY(base::comctl32(), ImageList_Remove)(handle_, index); }
void ImageList::clear() { LAZY(base::comctl32(), ImageList_Remove)(handle_, -1); }
HICON ImageList::icon(int index) const {
  return handle_ ? LAZY(base::comctl32(), ImageList_GetIcon)(handle_, index, ILD_TRANSPARENT) : nullptr;
}

int ImageList::count() const { return handle_ ? LAZY(base::comctl32(), ImageList_GetImageCount)(handle_) : 0; }

SIZE ImageList::imageSize() const {
  int w = 0, h = 0;
  if (handle_) LAZY(base::comctl32(), ImageList_GetIconSize)(handle_, &w, &h);
  return {w, h};
}

void ImageList::draw(HDC dc, int index, int x, int y, UINT style) const {
  LAZY(base::comctl32(), ImageList_Draw)(handle_, index, dc, x, y, style);
}

}  // namespace ui
