// In-place label edit, the same for list and tree views: starting it, and turning the control's
// begin / end notifications into the wrapper's callbacks.
#pragma once

#include <optional>
#include <string>

#include "base/text.h"
#include "ui/controls.h"

namespace ui::label_edit {

// The edit box opens only on a control that has the focus.
inline void start(Control& view, UINT message, WPARAM wp, LPARAM lp) {
  SetFocus(view.handle());
  view.send(message, wp, lp);
}

// The begin notification's answer: TRUE refuses the edit.
template <typename Callback, typename Item>
LRESULT begin(const Callback& onBeginEdit, Item item) {
  return onBeginEdit && !onBeginEdit(item) ? TRUE : FALSE;
}

// The end notification's answer for the typed text (null: cancelled): TRUE takes the text.
template <typename Callback, typename Item>
LRESULT end(const Callback& onEndEdit, Item item, const wchar_t* typed) {
  std::optional<std::string> text;
  if (typed) text = base::cp932(typed);
  if (onEndEdit) return onEndEdit(item, text) ? TRUE : FALSE;
  return text ? TRUE : FALSE;
}

}  // namespace ui::label_edit
