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

}  // namespace memo
