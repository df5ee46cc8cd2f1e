// The launcher menu's icon cache "_cache3": a signed 32-bit record length N, then every image as a
// complete 16-bit BMP file image of N bytes. The file is not trusted: a reader takes it only when
// every record is exactly the image this size would give.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/handles.h"
#include "ui/graphics.h"

namespace tockle {

// The bitmap as a BMP file image: 16 bits per pixel (5-5-5), bottom-up, rows padded to 4 bytes.
std::string encodeBmp16(const ui::Bitmap& bitmap);
// The length of such an image of size by size pixels (sizes up to kMaxCachedIconSize).
int bmp16Length(int size);
// The largest image edge a cache holds; a cache for a larger size is never read.
constexpr int kMaxCachedIconSize = 1024;

// The cache file of the images (each from encodeBmp16 at this size); without images it holds only
// the length an image of this size would have.
std::string encodeIconCache(const std::vector<std::string>& images, int size);
// The images of a cache file written for this size, or nothing when the file is damaged or was
// written for another size: a length that is not the image length of this size, bytes after the
// length that are no whole number of records, or a record whose headers are not those of such an
// image.
std::optional<std::vector<std::string>> decodeIconCache(std::string_view bytes, int size);

// A bitmap of the screen's format from a BMP file image (one that decodeIconCache accepts or that
// encodeBmp16 made); empty when the image is not one of those.
base::GdiBitmap bitmapFromBmp16(std::string_view image);

}  // namespace tockle
