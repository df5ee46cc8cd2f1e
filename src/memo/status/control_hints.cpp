#include "memo/status/control_hints.h"

namespace memo {

void ControlHints::add(HWND window, std::string hint) {
  if (!window || hint.empty()) return;
  auto watch = std::make_unique<Watch>();
  Watch* w = watch.get();
  w->hint = std::move(hint);
  w->mouse.attach(window, [this, w, window](UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_MOUSEMOVE && !w->inside) {
      w->inside = true;
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
      TrackMouseEvent(&track);
      if (onHint) onHint(w->hint);
    } else if (msg == WM_MOUSELEAVE && w->inside) {
      w->inside = false;
      if (onHint) onHint({});
    }
    return false;
  });
  watches_.push_back(std::move(watch));
}

}  // namespace memo
