// The frames of the clock's tray animation, loaded from the program's resources into an image
// list at the size of a small icon when first asked for.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace tockle {

// Resource numbers of the frames, in order.
inline constexpr int kFirstTrayFrame = 201;
inline constexpr int kTrayFrameCount = 8;

class TrayFrames {
 public:
  TrayFrames();
  ~TrayFrames();
  TrayFrames(const TrayFrames&) = delete;
  TrayFrames& operator=(const TrayFrames&) = delete;
  // Made at the first call, with the common controls it needs.
  HIMAGELIST handle();

 private:
  HIMAGELIST list_ = nullptr;
};

}  // namespace tockle
