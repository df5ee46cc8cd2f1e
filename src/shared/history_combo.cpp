#include "shared/history_combo.h"

#include <algorithm>

#include "base/text.h"
#include "shared/reg_ex.h"

namespace shared {

namespace {

int findExact(const ui::ComboBox& combo, const std::string& text) {
  std::wstring w = base::wide(text);
  auto i = combo.send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(w.c_str()));
  return i == CB_ERR ? -1 : static_cast<int>(i);
}

}  // namespace

void TKzHistoryCombo::SetLimit(int bytes) {
  limit_ = bytes > 0 ? bytes : 0;
  // A character is at least one byte: the control's own limit (in characters) is an upper bound.
  setMaxLength(limit_);
  accepted_ = base::wide(text());
}

void TKzHistoryCombo::command(WORD code) {
  if (code == CBN_EDITCHANGE && limit_ > 0) keepWithinLimit();
  if (code == CBN_SELCHANGE) {
    int i = itemIndex();
    accepted_ = base::wide(i >= 0 ? item(i) : text());
  }
  ui::ComboBox::command(code);
}

void TKzHistoryCombo::keepWithinLimit() {
  std::wstring now = base::wide(text());
  auto bytes = [](std::wstring_view w) { return base::cp932(w).size(); };
  const size_t limit = static_cast<size_t>(limit_);
  if (bytes(now) <= limit) {
    accepted_ = std::move(now);
    return;
  }
  // The new part lies between what the text before and after the edit share at either end.
  size_t head = 0;
  while (head < now.size() && head < accepted_.size() && now[head] == accepted_[head]) ++head;
  size_t tail = 0;
  while (tail < now.size() - head && tail < accepted_.size() - head &&
         now[now.size() - 1 - tail] == accepted_[accepted_.size() - 1 - tail])
    ++tail;
  std::wstring before = now.substr(0, head), after = now.substr(now.size() - tail);
  std::wstring inserted = now.substr(head, now.size() - head - tail);
  size_t kept = bytes(before) + bytes(after);
  if (kept > limit) {
    // Even without the new part the text is too long (it was set from outside): cut its end.
    inserted.clear();
    before = base::wide(base::cut(base::cp932(before + after), limit));
    after.clear();
  }
  size_t fit = 0;
  for (size_t used = kept; fit < inserted.size(); ++fit) {
    size_t one = bytes(std::wstring_view(inserted).substr(fit, 1));
    if (used + one > limit) break;
    used += one;
  }
  accepted_ = before + inserted.substr(0, fit) + after;
  setText(base::cp932(accepted_));
  const auto caret = static_cast<WORD>(before.size() + fit);
  send(CB_SETEDITSEL, 0, MAKELPARAM(caret, caret));
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

}  // namespace shared
