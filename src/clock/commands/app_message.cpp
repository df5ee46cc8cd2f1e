#include "clock/commands/app_message.h"

namespace tockle {

MouseAction clockMouseAction(UINT message, WPARAM wParam, bool fixClock, const MouseOperations& ops) {
  switch (message) {
    case WM_LBUTTONDOWN:
      if (wParam == (MK_LBUTTON | MK_SHIFT)) return {MouseActionKind::Command, ops.middle, true};
      if (fixClock && wParam == (MK_LBUTTON | MK_CONTROL)) return {MouseActionKind::Drag, 0, true};
      if (fixClock) return {MouseActionKind::Command, ops.left, true};
      return {MouseActionKind::DragOrCommand, ops.left, true};
    case WM_MBUTTONDOWN:
      return {MouseActionKind::Command, ops.middle, false};
    case WM_RBUTTONDOWN:
      if (wParam == MK_RBUTTON) return {MouseActionKind::Command, ops.right, false};
      return {MouseActionKind::Command, kSettingsCommand, false};
  }
  return {};
}

int trayCommand(TrayButton button, const MouseOperations& ops) {
  switch (button) {
    case TrayButton::Left:
      return ops.left;
    case TrayButton::Middle:
      return ops.middle;
    case TrayButton::Right:
      break;
  }
  return kSystemMenuCommand;
}

}  // namespace tockle
