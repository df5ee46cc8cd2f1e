// The editor's load in pieces: the first piece shown at once, the rest appended while the
// program is idle (the control's timer comes only when no input or painting waits).
#include <richedit.h>

#include "base/text.h"
#include "memo/editor/rich_edit.h"
#include "memo/editor/rich_edit_stream.h"

namespace memo {

namespace {
// How long one idle turn appends pieces while no input waits.
constexpr DWORD kIdleTurnMs = 50;
}  // namespace

unsigned long long RichEdit::freeAddressSpace() {
  MEMORYSTATUSEX m{};
  m.dwLength = sizeof m;
  return GlobalMemoryStatusEx(&m) ? m.ullAvailVirtual : ~0ULL;
}

unsigned long long RichEdit::roomTaken() const { return static_cast<unsigned long long>(length()) * kRoomPerTextByte; }

void RichEdit::put(std::string_view piece, bool rich, bool append) const {
  QuietLoad quiet(hwnd_);
  if (append) {
    // To the end: (-1, -1) gets there without walking the text; a control that reads it
    // otherwise is given the end's position.
    const LONG end = length();
    CHARRANGE at{-1, -1};
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&at));
    SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&at));
    if (at.cpMin != end || at.cpMax != end) {
      at = {end, end};
      SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&at));
    }
  }
  std::string closed;
  if (rich && append && piece.size() >= 5 && piece.substr(piece.size() - 5) == "\\par}") {
    // A whole text's last paragraph mark becomes the control's own end of text; after the end
    // it would be one more paragraph.
    closed = std::string(piece.substr(0, piece.size() - 5)) + "}";
    piece = closed;
  }
  if (rich) {
    StreamBuffer buffer{piece};
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&buffer), 0, streamIn};
    SendMessageW(hwnd_, EM_STREAMIN, SF_RTF | (append ? SFF_SELECTION : 0), reinterpret_cast<LPARAM>(&es));
  } else {
    // After the end, the user's own steps back stay (the control would empty them).
    SETTEXTEX set{static_cast<DWORD>(append ? ST_SELECTION | ST_KEEPUNDO : ST_DEFAULT), 1200};
    std::wstring w = toControlText(piece);
    SendMessageW(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set), reinterpret_cast<LPARAM>(w.c_str()));
  }
}

void RichEdit::beginLoad(NextPiece next, bool rich, const CHARFORMAT2W& defaultFormat, RestOfText rest) {
  cancelLoad();
  wholeUndo_.reset();
  bool last = false;
  std::string first = next(last);
  // Several pieces go into a fresh control; one piece, or when no fresh control can be made, into
  // this one emptied (by a fresh one only when emptying it would be slow).
  HWND old = last ? nullptr : freshControl(&defaultFormat);
  if (!old) {
    clear();
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaultFormat));
  }
  // A piece that replaces the whole text gives its last paragraph mark to the control's end of
  // text; one that more pieces follow is put after the (empty) text like them.
  put(first, rich, !last);
  // A loaded text is unchanged, with the caret at its start.
  CHARRANGE start{0, 0};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
  SendMessageW(hwnd_, EM_SETMODIFY, FALSE, 0);
  if (!last) {
    next_ = std::move(next);
    rest_ = std::move(rest);
    rich_ = rich;
    SetTimer(hwnd_, kLoadTimer, 1, nullptr);
  } else {
    rememberText();
  }
  if (old) dropControl(old, true);
}

bool RichEdit::appendPiece() const {
  if (!next_) return false;
  bool last = false;
  std::string piece = next_(last);
  CHARRANGE keep{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&keep));
  POINT scroll{};
  SendMessageW(hwnd_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
  const bool wasModified = modified();
  // Drawing suspended: a visible control moved to its end and back would otherwise scroll and
  // lay out its screen twice for every piece.
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  put(piece, rich_, true);
  {
    // Back where the user was, without telling anyone: nothing moved for them.
    const LRESULT mask = SendMessageW(hwnd_, EM_SETEVENTMASK, 0, 0);
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&keep));
    SendMessageW(hwnd_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    SendMessageW(hwnd_, EM_SETEVENTMASK, 0, mask);
  }
  SendMessageW(hwnd_, EM_SETMODIFY, wasModified, 0);
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  if (!last) return true;
  cancelLoad();
  rememberText();
  if (onLoaded) onLoaded();
  return false;
}

void RichEdit::takeInTo(LONG controlEnd) const {
  if (!next_) return;
  destroyRetired();
  while (length() < controlEnd && appendPiece()) {
  }
  redrawAfterPieces();
}

void RichEdit::completeLoad() const {
  if (!next_) return;
  destroyRetired();  // its room is for the rest
  while (appendPiece()) {
  }
  redrawAfterPieces();
}

void RichEdit::loadWhileIdle() {
  if (retired_) {
    // The first idle turn after the first screen frees the old control, the next ones go on.
    destroyRetired();
    return;
  }
  const DWORD start = GetTickCount();
  while (appendPiece())
    if (GetTickCount() - start >= kIdleTurnMs || HIWORD(GetQueueStatus(QS_INPUT)) != 0) break;
  redrawAfterPieces();
}

void RichEdit::redrawAfterPieces() const {
  // The scroll bar's range grew, and the screen may show the end the pieces went after.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void RichEdit::rememberText() const { known_ = controlText(); }

std::wstring_view RichEdit::knownText() const {
  if (known_.empty() || next_ || canUndo() || SendMessageW(hwnd_, EM_CANREDO, 0, 0)) return {};
  if (static_cast<size_t>(length()) != known_.size()) return {};
  return known_;
}

void RichEdit::cancelLoad() const {
  known_.clear();
  destroyRetired();
  if (!next_) return;
  next_ = nullptr;
  rest_ = nullptr;
  KillTimer(hwnd_, kLoadTimer);
}

}  // namespace memo
