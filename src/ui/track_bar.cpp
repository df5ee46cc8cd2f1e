#include "ui/track_bar.h"

namespace ui {

void TrackBar::setRange(int minimum, int maximum) {
  send(TBM_SETRANGEMIN, FALSE, minimum);
  send(TBM_SETRANGEMAX, TRUE, maximum);
}
int TrackBar::position() const { return static_cast<int>(send(TBM_GETPOS)); }
void TrackBar::setPosition(int value) { send(TBM_SETPOS, TRUE, value); }
void TrackBar::setPageSize(int step) { send(TBM_SETPAGESIZE, 0, step); }
void TrackBar::setTickFrequency(int every) { send(TBM_SETTICFREQ, static_cast<WPARAM>(every)); }

void TrackBar::scroll(WORD code) {
  if (code != TB_ENDTRACK && onChange) onChange(position());
}

}  // namespace ui
