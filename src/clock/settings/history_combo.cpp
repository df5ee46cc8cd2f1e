#include "clock/settings/history_combo.h"

#include <algorithm>

#include "base/text.h"
#include "shared/reg_ex.h"

namespace tockle {

namespace {

int findExact(const ui::ComboBox& combo, const std::string& text) {
  std::wstring w = base::wide(text);
  auto i = combo.send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(w.c_str()));
  return i == CB_ERR ? -1 : static_cast<int>(i);
}

}  // namespace

void TKzHistoryCombo::SetLimit(int bytes) {
  limit_ = bytes > 0 ? bytes : 0;
  setMaxLength(limit_);
}

void TKzHistoryCombo::LoadHistory() {
  shared::TKzRegEx reg;
  if (!reg.KeyExists(RegKey) || !reg.OpenKeyReadOnly(RegKey)) return;
  for (int i = 0; i < SaveCount; ++i) {
    std::string text;
    try {
      if (!reg.TryReadString(Prefix + std::to_string(i), text, "")) break;
    } catch (const shared::ERegistryException&) {
      continue;  // a value of another type is no entry
    }
    if (limit_ > 0) text = base::cut(text, static_cast<size_t>(limit_));
    if (text.empty() || findExact(*this, text) >= 0) continue;
    add(text);
  }
}

bool TKzHistoryCombo::SaveHistory() {
  const std::string t = text();
  if (t.empty()) return true;
  shared::TRegistry reg;
  if (!reg.OpenKey(RegKey, true)) return false;
  int old = findExact(*this, t);
  if (old >= 0) remove(old);
  insert(0, t);
  setText(t);
  int n = std::min(count(), SaveCount);
  bool written = true;
  try {
    for (int i = 0; i < n; ++i) reg.WriteString(Prefix + std::to_string(i), item(i));
  } catch (const shared::ERegistryException&) {
    written = false;
  }
  while (count() > std::max(SaveCount, 0)) remove(count() - 1);
  return written;
}

}  // namespace tockle
