// Icons read from a file and drawn at a chosen size. The test program carries the clock's icons.
#include "clock/launcher/app_icon.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include "base/files.h"
#include "base/text.h"

namespace {

using tockle::TKzGetAppIcon;

constexpr ui::Color kBack = 0x00FF00;  // a colour no icon of the clock uses

// The icon drawn straight onto the background at its own size.
std::vector<uint32_t> drawnDirectly(bool small, int size) {
  HICON large = nullptr, smallIcon = nullptr;
  ExtractIconExW(base::wide(base::programPath()).c_str(), 0, &large, &smallIcon, 1);
  ui::Bitmap b(size, size);
  b.canvas().brush.color = kBack;
  b.canvas().fillRect(RECT{0, 0, size, size});
  DrawIconEx(b.dc(), 0, 0, small ? smallIcon : large, 0, 0, 0, nullptr, DI_NORMAL);
  DestroyIcon(large);
  DestroyIcon(smallIcon);
  GdiFlush();
  return {b.bits(), b.bits() + size * size};
}

void setUp(TKzGetAppIcon& r, int size) {
  r.SetFileName(base::programPath());
  r.SetBackColor(kBack);
  r.SetIconSize(size);
}

class AppIconSizes : public testing::TestWithParam<int> {};

TEST_P(AppIconSizes, TheIconFillsTheSizeAndTheBottomLeftPixelIsButtonFace) {
  const int size = GetParam();
  TKzGetAppIcon r;
  setUp(r, size);
  ASSERT_GT(r.IconCount, 1);
  ASSERT_TRUE(r.GetIcon(0));
  ASSERT_EQ(r.Bitmap.width(), size);
  ASSERT_EQ(r.Bitmap.height(), size);
  EXPECT_EQ(r.Bitmap.pixelRgb(0, size - 1), GetSysColor(COLOR_BTNFACE));
  int drawn = 0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) drawn += r.Bitmap.pixelRgb(x, y) != kBack;
  EXPECT_GT(drawn, size * size / 4);
  // Up to 16 the small icon at its own size, from 32 on the large one.
  if (size == 16 || size == 32) {
    std::vector<uint32_t> own(r.Bitmap.bits(), r.Bitmap.bits() + size * size);
    std::vector<uint32_t> expected = drawnDirectly(size == 16, size);
    expected[(size - 1) * size] = own[(size - 1) * size];
    EXPECT_EQ(own, expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppIconSizes, testing::Values(15, 16, 17, 24, 32, 48));

TEST(AppIcon, ANumberPastTheFilesIconsDrawsTheBackgroundOnly) {
  TKzGetAppIcon r;
  setUp(r, 32);
  ASSERT_TRUE(r.GetIcon(r.IconCount + 2));
  EXPECT_FALSE(r.Icon);
  for (int y = 0; y < 31; ++y)
    for (int x = 0; x < 32; ++x) ASSERT_EQ(r.Bitmap.pixelRgb(x, y), kBack);
}

TEST(AppIcon, MissingFilesFoldersAndSizeZeroGiveNothing) {
  TKzGetAppIcon r;
  r.SetFileName("C:\\no\\such.exe");
  EXPECT_EQ(r.IconCount, 0);
  r.SetFileName(base::extractFolder(base::programPath()));
  EXPECT_EQ(r.IconCount, 0);
  TKzGetAppIcon empty;
  setUp(empty, 0);
  EXPECT_TRUE(empty.GetIcon(0));
  EXPECT_EQ(empty.Bitmap.width(), 0);
}

}  // namespace
