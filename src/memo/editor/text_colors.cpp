#include "memo/editor/text_colors.h"

#include "base/text.h"
#include "memo/chrome/commands.h"

namespace memo {

namespace {

struct TextColor {
  const char* caption;  // UTF-8
  COLORREF color;
};

constexpr TextColor kTextColors[kTextColorCount] = {
    {"黒色", 0x000000}, {"茶色", 0x000080},   {"緑色", 0x008000},   {"オリーブ色", 0x008080},
    {"紺色", 0x800000}, {"紫色", 0x800080},   {"青緑色", 0x808000}, {"灰色", 0x808080},
    {"銀色", 0xC0C0C0}, {"赤色", 0x0000FF},   {"黄緑色", 0x00FF00}, {"黄色", 0x00FFFF},
    {"青色", 0xFF0000}, {"赤紫色", 0xFF00FF}, {"水色", 0xFFFF00},   {"白色", 0xFFFFFF},
};

}  // namespace

COLORREF textColor(int tag) { return tag >= 0 && tag < kTextColorCount ? kTextColors[tag].color : 0; }

std::vector<MenuItem> colorMenuItems() {
  std::vector<MenuItem> items;
  for (int tag = 0; tag < kTextColorCount; ++tag)
    items.push_back({mnuColor0 + tag, base::fromUtf8(kTextColors[tag].caption)});
  items.push_back({mnuColorOther, "その他(&E)"_sj});
  return items;
}

}  // namespace memo
