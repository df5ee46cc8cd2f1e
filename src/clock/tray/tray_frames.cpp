#include "clock/tray/tray_frames.h"

#include "base/handles.h"
#include "base/system_libraries.h"
#include "ui/common_controls.h"

namespace tockle {

TrayFrames::TrayFrames() = default;

HIMAGELIST TrayFrames::handle() {
  if (list_) return list_;
  ui::initCommonControls();
  int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  list_ = LAZY(base::comctl32(), ImageList_Create)(cx, cy, ILC_COLOR32 | ILC_MASK, kTrayFrameCount, 0);
  if (!list_) return nullptr;
  HINSTANCE module = GetModuleHandleW(nullptr);
  for (int i = 0; i < kTrayFrameCount; ++i) {
    base::Icon frame(static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(kFirstTrayFrame + i), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR)));
    if (frame) LAZY(base::comctl32(), ImageList_ReplaceIcon)(list_, -1, frame.get());
  }
  return list_;
}

TrayFrames::~TrayFrames() {
  if (list_) LAZY(base::comctl32(), ImageList_Destroy)(list_);
}

}  // namespace tockle
