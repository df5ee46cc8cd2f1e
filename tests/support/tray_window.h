// Wine's stand-alone notification area: a small window titled "Wine System Tray" that shows the
// tray icons when no desktop shell runs. Tests look at its pixels.
#pragma once

#include <cstdint>
#include <vector>

namespace test {

struct TrayShot {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top-down
  bool operator==(const TrayShot&) const = default;
};

// The tray window as it is on the screen now; empty when there is none.
TrayShot trayShot();

}  // namespace test
