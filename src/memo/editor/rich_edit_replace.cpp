// The whole text's matches replaced as one edit, and that edit taken back. The control would take
// minutes to replace thousands of matches one by one (each selection walks the text from its
// start) and deletes a large text in place very slowly, while a fresh control takes a whole new
// text as fast as a load: a plain text goes into a fresh control, and the program keeps the text
// before it as the one step to undo.
#include <richedit.h>

#include <algorithm>

#include "memo/editor/rich_edit.h"
#include "memo/editor/rich_edit_stream.h"

namespace memo {

namespace {

// Where a byte position of the text before lies once the matches are replaced; a position inside
// a match goes to the start of its replacement.
int movedPosition(size_t pos, const std::vector<size_t>& at, size_t matchBytes, size_t replacementBytes) {
  const long long step = static_cast<long long>(replacementBytes) - static_cast<long long>(matchBytes);
  long long shift = 0;
  for (size_t match : at) {
    if (match >= pos) break;
    if (pos < match + matchBytes) return static_cast<int>(static_cast<long long>(match) + shift);
    shift += step;
  }
  return static_cast<int>(static_cast<long long>(pos) + shift);
}

// The first line the control shows, and the control scrolled back to it.
LONG firstShownLine(HWND edit) { return static_cast<LONG>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0)); }
void showFromLine(HWND edit, LONG line) { SendMessageW(edit, EM_LINESCROLL, 0, line - firstShownLine(edit)); }

}  // namespace

void RichEdit::announceChange() const {
  SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), EN_CHANGE),
               reinterpret_cast<LPARAM>(hwnd_));
}

bool RichEdit::replaceMatches(std::string_view before, const std::vector<size_t>& at, size_t matchBytes,
                              std::string_view replacement, std::string_view after, bool rich) {
  if (readOnly()) return false;
  if (at.empty()) return true;
  const int caret = selStart();
  WholeUndo undo{rich ? saveContent(true) : std::string(before), rich, caret};
  const int moved = movedPosition(static_cast<size_t>(caret), at, matchBytes, replacement.size());
  if (rich)
    replaceInPlace(at, matchBytes, replacement, moved);
  else
    putWhole(after, false, moved);
  wholeUndo_ = std::move(undo);
  setModified(true);
  announceChange();
  return true;
}

void RichEdit::putWhole(std::string_view content, bool rich, int caretBytes) {
  const LONG line = firstShownLine(hwnd_);
  cancelLoad();
  HWND old = freshControl(nullptr);
  // A plain text keeps the look its load gave it: its links stay links.
  std::optional<std::string> look = rich || !plainLook ? std::nullopt : plainLook(content);
  put(look ? *look : content, rich || look, false);
  // A plain text is counted as given; a rich one as the control now holds it.
  const LONG caret = rich ? loadedPositions().toControl(caretBytes)
                          : controlLength(content.substr(0, std::min(content.size(), static_cast<size_t>(caretBytes))));
  CHARRANGE r{caret, caret};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
  showFromLine(hwnd_, line);
  if (old) dropControl(old);
}

void RichEdit::replaceInPlace(const std::vector<size_t>& at, size_t matchBytes, std::string_view replacement,
                              int caretBytes) {
  const LONG line = firstShownLine(hwnd_);
  const PositionMap map = positions();
  const std::wstring w = toControlText(replacement);
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  {
    // From the last match back: the positions before a replacement stay as they were.
    QuietLoad quiet(hwnd_);
    for (auto it = at.rbegin(); it != at.rend(); ++it) {
      CHARRANGE r{map.toControl(static_cast<int>(*it)), map.toControl(static_cast<int>(*it + matchBytes))};
      SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
      SendMessageW(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(w.c_str()));
    }
  }
  // The control's own steps back would now land in the wrong places.
  clearUndo();
  const LONG caret = loadedPositions().toControl(caretBytes);
  CHARRANGE r{caret, caret};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
  showFromLine(hwnd_, line);
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void RichEdit::undoWhole() {
  WholeUndo undo = std::move(*wholeUndo_);
  wholeUndo_.reset();
  putWhole(undo.content, undo.rich, undo.caretBytes);
  setModified(true);
  announceChange();
}

}  // namespace memo
