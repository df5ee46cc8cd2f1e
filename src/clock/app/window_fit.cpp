#include "clock/app/window_fit.h"

namespace tockle {

FitResult fitWindow(const FitInput& in) {
  int w = in.windowWidth, h = in.windowHeight;
  if (in.autoResize) {
    w = in.textWidth + in.autoWidth + 4;
    h = (in.analogShown ? in.textWidth : in.textHeight) + in.autoHeight + 4;
  } else if (in.analogShown) {
    if (in.windowWidth < in.textWidth || in.windowHeight < in.textHeight) {
      w = in.textWidth + in.autoWidth + 4;
      h = in.textWidth + in.autoHeight + 4;
    }
  } else {
    if (in.windowWidth < in.textWidth) w = in.textWidth + in.autoWidth + 4;
    if (in.windowHeight < in.textHeight) h = in.textHeight + in.autoHeight + 4;
  }
  return FitResult{w != in.windowWidth || h != in.windowHeight, w, h};
}

}  // namespace tockle
