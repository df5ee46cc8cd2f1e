// The images of the memo window's tool buttons, drawn at start-up into one image list.
#pragma once

#include <windows.h>

#include "ui/image_list.h"

namespace memo {

enum ToolImage : int {
  imgUndo,
  imgCut,
  imgCopy,
  imgDelete,
  imgPaste,
  imgDate,
  imgTime,
  imgHyperlink,
  imgAlarm,
  imgNewTab,
  imgPrevious,
  imgNext,
  imgHelp,
  imgBold,
  imgItalic,
  imgUnderline,
  imgColor,
  imgLeft,
  imgCenter,
  imgRight,
  imgBullets,
  imgCount
};

// A 16 x 16 image list with every ToolImage in order.
ui::ImageList makeToolImages();

}  // namespace memo
