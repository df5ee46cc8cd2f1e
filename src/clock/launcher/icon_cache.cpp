#include "clock/launcher/icon_cache.h"

#include <cstring>

namespace tockle {

namespace {

constexpr int kHeaders = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);

int rowBytes(int size) { return (size * 2 + 3) / 4 * 4; }

template <typename T>
T readAt(std::string_view bytes, size_t at) {
  T value;
  std::memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}

template <typename T>
void append(std::string& out, const T& value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// The headers an image of this size has, exactly.
bool headersMatch(std::string_view image, int size) {
  if (static_cast<int>(image.size()) != bmp16Length(size)) return false;
  auto file = readAt<BITMAPFILEHEADER>(image, 0);
  auto info = readAt<BITMAPINFOHEADER>(image, sizeof(BITMAPFILEHEADER));
  return file.bfType == 0x4D42 && file.bfSize == image.size() && file.bfOffBits == kHeaders &&
         info.biSize == sizeof(BITMAPINFOHEADER) && info.biWidth == size && info.biHeight == size &&
         info.biPlanes == 1 && info.biBitCount == 16 && info.biCompression == BI_RGB;
}

}  // namespace

int bmp16Length(int size) { return kHeaders + rowBytes(size) * size; }

std::string encodeBmp16(const ui::Bitmap& bitmap) {
  const int size = bitmap.width();
  std::string out;
  out.reserve(bmp16Length(size));
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfSize = bmp16Length(size);
  file.bfOffBits = kHeaders;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = size;
  info.biHeight = size;
  info.biPlanes = 1;
  info.biBitCount = 16;
  info.biCompression = BI_RGB;
  info.biSizeImage = rowBytes(size) * size;
  append(out, file);
  append(out, info);
  for (int y = size - 1; y >= 0; --y) {
    std::string row(rowBytes(size), '\0');
    for (int x = 0; x < size; ++x) {
      uint32_t p = bitmap.pixel(x, y);
      auto v = static_cast<uint16_t>(((p >> 19) & 0x1F) << 10 | ((p >> 11) & 0x1F) << 5 | ((p >> 3) & 0x1F));
      std::memcpy(row.data() + x * 2, &v, 2);
    }
    out += row;
  }
  return out;
}

std::string encodeIconCache(const std::vector<std::string>& images, int size) {
  std::string out;
  append(out, static_cast<int32_t>(images.empty() ? bmp16Length(size) : images.front().size()));
  for (const std::string& image : images) out += image;
  return out;
}

std::optional<std::vector<std::string>> decodeIconCache(std::string_view bytes, int size) {
  if (bytes.size() < 4 || size <= 0 || size > kMaxCachedIconSize) return std::nullopt;
  const int32_t n = readAt<int32_t>(bytes, 0);
  if (n != bmp16Length(size) || (bytes.size() - 4) % static_cast<size_t>(n) != 0) return std::nullopt;
  std::vector<std::string> images;
  for (size_t at = 4; at < bytes.size(); at += n) {
    std::string_view image = bytes.substr(at, n);
    if (!headersMatch(image, size)) return std::nullopt;
    images.emplace_back(image);
  }
  return images;
}

base::GdiBitmap bitmapFromBmp16(std::string_view image) {
  if (image.size() < kHeaders) return {};
  auto info = readAt<BITMAPINFOHEADER>(image, sizeof(BITMAPFILEHEADER));
  if (info.biWidth <= 0 || info.biWidth > kMaxCachedIconSize || !headersMatch(image, info.biWidth)) return {};
  BITMAPINFO bi{};
  bi.bmiHeader = info;
  HDC screen = GetDC(nullptr);
  HBITMAP b = CreateDIBitmap(screen, &info, CBM_INIT, image.data() + kHeaders, &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return base::GdiBitmap(b);
}

}  // namespace tockle
