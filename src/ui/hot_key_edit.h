// The hot-key control (msctls_hotkey32): a key with HOTKEYF_* modifiers.
#pragma once

#include "ui/controls.h"

namespace ui {

struct HotKey {
  BYTE key = 0;        // virtual-key code, 0 when none
  BYTE modifiers = 0;  // HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_EXT
  bool operator==(const HotKey&) const = default;
};

class HotKeyEdit : public Control {
 public:
  using Control::Control;

  HotKey hotKey() const;
  void setHotKey(HotKey value);
  // Combinations that are not allowed (HKCOMB_*) and the modifiers put in their place.
  void setRules(WORD invalidCombinations, WORD replacementModifiers);

  std::function<void()> onChange;
  void command(WORD code) override;

 protected:
  const wchar_t* className() const override { return HOTKEY_CLASSW; }
};

}  // namespace ui
