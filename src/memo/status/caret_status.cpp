#include "memo/status/caret_status.h"

#include <richedit.h>

#include <cstdio>

#include "base/text.h"

namespace memo {

CaretPlace caretPlace(HWND richEdit, std::wstring_view knownText) {
  CHARRANGE sel{};
  SendMessageW(richEdit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
  CaretPlace place;
  place.line = static_cast<int>(SendMessageW(richEdit, EM_EXLINEFROMCHAR, 0, sel.cpMin));
  // The caret line's start from the caret itself, which the control finds without walking the
  // text; a selection's caret may be its other end.
  LONG lineStart = -1;
  if (sel.cpMin == sel.cpMax)
    lineStart = static_cast<LONG>(SendMessageW(richEdit, EM_LINEINDEX, static_cast<WPARAM>(-1), 0));
  if (lineStart < 0 || lineStart > sel.cpMin)
    lineStart = static_cast<LONG>(SendMessageW(richEdit, EM_LINEINDEX, static_cast<WPARAM>(place.line), 0));
  if (lineStart < 0 || sel.cpMin <= lineStart) return place;
  if (static_cast<size_t>(sel.cpMin) <= knownText.size()) {
    place.column = static_cast<int>(
        base::cp932(knownText.substr(static_cast<size_t>(lineStart), static_cast<size_t>(sel.cpMin - lineStart)))
            .size());
    return place;
  }
  // Only the caret line's text before the caret is read; its bytes are the column.
  std::wstring before(static_cast<size_t>(sel.cpMin - lineStart) + 1, L'\0');
  TEXTRANGEW range{{lineStart, sel.cpMin}, before.data()};
  LRESULT got = SendMessageW(richEdit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  before.resize(static_cast<size_t>(got > 0 ? got : 0));
  place.column = static_cast<int>(base::cp932(before).size());
  return place;
}

std::string caretStatusText(CaretPlace place, bool clockConnected) {
  char numbers[32];
  std::snprintf(numbers, sizeof numbers, "[%3d: %3d] ", place.line + 1, place.column + 1);
  return numbers + (clockConnected ? "Tockleと連携可能です"_sj : "Tockleは起動していません"_sj);
}

std::string clockFoundText(HWND clock) {
  char handle[16];
  std::snprintf(handle, sizeof handle, "%08X", static_cast<unsigned>(reinterpret_cast<UINT_PTR>(clock)));
  return "Tockle 3 の起動を検知しました -> Connection Established w/ "_sj + handle;
}

std::string clockLostText() { return "Tockle 3 の終了を検知しました -> Connection Lost"_sj; }

}  // namespace memo
