#include "clock/tray/tray_frames.h"

#include "base/handles.h"

namespace tockle {

TrayFrames::TrayFrames() {
  int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  list_ = ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, kTrayFrameCount, 0);
  if (!list_) return;
  HINSTANCE module = GetModuleHandleW(nullptr);
  for (int i = 0; i < kTrayFrameCount; ++i) {
    base::Icon frame(static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(kFirstTrayFrame + i), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR)));
    if (frame) ImageList_AddIcon(list_, frame.get());
  }
}

TrayFrames::~TrayFrames() {
  if (list_) ImageList_Destroy(list_);
}

}  // namespace tockle
