#include "ui/hot_key_edit.h"

namespace ui {

HotKey HotKeyEdit::hotKey() const {
  auto v = static_cast<WORD>(send(HKM_GETHOTKEY));
  return {LOBYTE(v), HIBYTE(v)};
}
void HotKeyEdit::setHotKey(HotKey value) { send(HKM_SETHOTKEY, MAKEWORD(value.key, value.modifiers)); }
void HotKeyEdit::setRules(WORD invalid, WORD replacement) { send(HKM_SETRULES, invalid, MAKELPARAM(replacement, 0)); }

void HotKeyEdit::command(WORD code) {
  if (code == EN_CHANGE && onChange)
    onChange();
  else
    Control::command(code);
}

}  // namespace ui
