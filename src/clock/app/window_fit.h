// How the clock window fits its size to the clock text the face measured.
#pragma once

namespace tockle {

struct FitInput {
  bool autoResize;
  bool analogShown;
  int autoWidth, autoHeight;  // margins
  int windowWidth, windowHeight;
  int textWidth, textHeight;  // what the face measured
};

struct FitResult {
  bool resized;  // the window must take width x height
  int width, height;
};

// Automatic size follows the text both ways; a manual size only grows, so a shorter text never
// narrows the window.
FitResult fitWindow(const FitInput& in);

}  // namespace tockle
