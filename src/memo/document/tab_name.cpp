#include "memo/document/tab_name.h"

#include <windows.h>

#include "base/text.h"

namespace memo {

bool sameTabName(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return a.empty() && b.empty();
  std::wstring wa = base::wide(a), wb = base::wide(b);
  // String sort: a hyphen or an apostrophe counts as a character like any other.
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, wa.data(), static_cast<int>(wa.size()),
                        wb.data(), static_cast<int>(wb.size())) == CSTR_EQUAL;
}

bool makeTabNamesDistinct(std::vector<std::string>& names) {
  auto taken = [&](std::string_view name, size_t except) {
    for (size_t i = 0; i < names.size(); ++i)
      if (i != except && sameTabName(names[i], name)) return true;
    return false;
  };
  bool changed = false;
  for (size_t i = 1; i < names.size(); ++i) {
    if (names[i].empty()) continue;
    bool repeated = false;
    for (size_t j = 0; j < i && !repeated; ++j) repeated = sameTabName(names[j], names[i]);
    if (!repeated) continue;
    std::string candidate;
    for (int n = 2; candidate.empty() || taken(candidate, i); ++n) candidate = names[i] + std::to_string(n);
    names[i] = candidate;
    changed = true;
  }
  return changed;
}

}  // namespace memo
