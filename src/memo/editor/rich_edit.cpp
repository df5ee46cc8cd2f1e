#include "memo/editor/rich_edit.h"

#include <richedit.h>

#include <algorithm>

#include "base/system_libraries.h"
#include "base/text.h"
#include "memo/editor/rich_edit_stream.h"
#include "ui/app.h"

namespace memo {

DWORD CALLBACK streamIn(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* s = reinterpret_cast<StreamBuffer*>(cookie);
  size_t n = std::min(static_cast<size_t>(size), s->in.size() - s->pos);
  std::copy_n(s->in.data() + s->pos, n, buffer);
  s->pos += n;
  *done = static_cast<LONG>(n);
  return 0;
}

namespace {

DWORD CALLBACK streamOut(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* s = reinterpret_cast<StreamBuffer*>(cookie);
  s->out.append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(size));
  *done = size;
  return 0;
}

// The control writes the code page it was asked for; an RTF header without one still gets it, so
// that Japanese survives whatever the system's code page is.
std::string withCodePage932(std::string rtf) {
  if (rtf.compare(0, 6, "{\\rtf1") != 0 || rtf.find("\\ansicpg") != std::string::npos) return rtf;
  size_t at = rtf.find("\\ansi", 6);
  if (at != std::string::npos)
    rtf.insert(at + 5, "\\ansicpg932");
  else
    rtf.insert(6, "\\ansi\\ansicpg932");
  return rtf;
}

bool selectsToEnd(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == EM_SETSEL) return static_cast<int>(lp) == -1 && static_cast<int>(wp) != -1;
  const auto* r = reinterpret_cast<const CHARRANGE*>(lp);
  return r && r->cpMax == -1 && r->cpMin != -1;
}

}  // namespace

bool isRichContent(std::string_view content) { return content.substr(0, 6) == "{\\rtf1"; }

bool RichEdit::create(HWND parent, int id, DWORD extraStyle) {
  if (!base::riched20().module()) return false;
  // The scroll bar is always there: one appearing part-way through a load makes the control lay
  // the whole text out again.
  hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, RICHEDIT_CLASSW, L"",
                          WS_CHILD | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL |
                              ES_WANTRETURN | ES_DISABLENOSCROLL | extraStyle,
                          0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  visible_ = (extraStyle & WS_VISIBLE) != 0;
  attach();
  return true;
}

void RichEdit::attach() {
  SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageW(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE | ENM_LINK);
  // The window procedure replaced directly: the common controls' subclassing costs the control
  // two server round trips on every message under Wine.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  controlProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RichEdit::windowProc)));
  if (back_) setBackColor(*back_);
}

void RichEdit::detach(HWND hwnd) {
  if (!controlProc_ || GetWindowLongPtrW(hwnd, GWLP_USERDATA) != reinterpret_cast<LONG_PTR>(this)) return;
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc_));
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
}

RichEdit::~RichEdit() {
  if (hwnd_ && IsWindow(hwnd_)) detach(hwnd_);
  if (retired_ && IsWindow(retired_)) DestroyWindow(retired_);
}

HWND RichEdit::freshControl(const CHARFORMAT2W* defaultFormat) {
  HWND old = hwnd_;
  RECT r{};
  GetWindowRect(old, &r);
  HWND parent = GetParent(old);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(old, GWL_STYLE));
  HWND fresh =
      CreateWindowExW(static_cast<DWORD>(GetWindowLongPtrW(old, GWL_EXSTYLE)), RICHEDIT_CLASSW, L"",
                      style & ~WS_VISIBLE, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                      reinterpret_cast<HMENU>(GetWindowLongPtrW(old, GWLP_ID)), GetModuleHandleW(nullptr), nullptr);
  if (!fresh) return nullptr;
  // Above the old control, which goes once the fresh one shows.
  SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(old, fresh, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // What typing into the fresh control starts with: the given default character format, else
  // the old control's.
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  if (defaultFormat)
    cf = *defaultFormat;
  else
    SendMessageW(old, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  SendMessageW(fresh, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  detach(old);
  hwnd_ = fresh;
  attach();
  return old;
}

void RichEdit::dropControl(HWND old, bool later) {
  // (The old control may be hidden only while its drawing is suspended.)
  if (visible_ || (GetWindowLongPtrW(old, GWL_STYLE) & WS_VISIBLE)) ShowWindow(hwnd_, SW_SHOWNA);
  if (GetFocus() == old) SetFocus(hwnd_);
  if (later) {
    // Freeing a large content takes a while: after the fresh control has painted.
    ShowWindow(old, SW_HIDE);
    retired_ = old;
    return;
  }
  // The old control's content is freed with it, without the control's slow emptying.
  DestroyWindow(old);
}

void RichEdit::destroyRetired() const {
  if (!retired_) return;
  DestroyWindow(retired_);
  retired_ = nullptr;
}

bool RichEdit::replaceControl() {
  HWND old = freshControl(nullptr);
  if (old) dropControl(old);
  return old != nullptr;
}

LRESULT CALLBACK RichEdit::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<RichEdit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  WNDPROC next = self->controlProc_;
  try {
    switch (msg) {
      case WM_SETCURSOR:
        if (self->hand_ && LOWORD(lp) == HTCLIENT) {
          SetCursor(LoadCursorW(nullptr, IDC_HAND));
          return TRUE;
        }
        break;
      case WM_MOUSEMOVE:
        if (self->onMouseMove) self->onMouseMove(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        break;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
        if (self->onMouseDown) self->onMouseDown(msg, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        break;
      case WM_TIMER:
        if (wp == kLoadTimer) {
          self->loadWhileIdle();
          return 0;
        }
        break;
      case EM_SETSEL:
      case EM_EXSETSEL:
        // A selection to the end (select all) takes in the whole text; (-1, -1) is only the caret.
        if (selectsToEnd(msg, wp, lp)) self->completeLoad();
        break;
      case WM_KEYDOWN:
        if (wp == 'Z' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) >= 0 && self->wholeUndo_ &&
            !SendMessageW(hwnd, EM_CANUNDO, 0, 0)) {
          self->undoWhole();
          return 0;
        }
        // Typing and moving about the part loaded need no more of the text (the rest goes on
        // after the end); the way to the end (End, Page Down, a move with Ctrl) goes to the whole
        // text's end.
        if (wp == VK_END || wp == VK_NEXT || (wp >= VK_PRIOR && wp <= VK_DOWN && GetKeyState(VK_CONTROL) < 0))
          self->completeLoad();
        break;
      case WM_UNDO:
      case EM_UNDO:
        if (self->wholeUndo_ && !SendMessageW(hwnd, EM_CANUNDO, 0, 0)) {
          self->undoWhole();
          return TRUE;
        }
        break;
      case WM_NCDESTROY:
        self->detach(hwnd);
        break;
    }
  } catch (...) {
    // Nothing may leave a window procedure: the error box tells, the control still handles the
    // message.
    ui::reportException("rich edit procedure");
  }
  return CallWindowProcW(next, hwnd, msg, wp, lp);
}

void RichEdit::setHandCursor(bool on) {
  if (hand_ == on) return;
  hand_ = on;
  POINT p{};
  GetCursorPos(&p);
  if (WindowFromPoint(p) == hwnd_) SetCursor(LoadCursorW(nullptr, on ? IDC_HAND : IDC_IBEAM));
}

int RichEdit::charFromPos(POINT p) const {
  POINTL pl{p.x, p.y};
  return static_cast<int>(SendMessageW(hwnd_, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&pl)));
}

POINT RichEdit::posFromChar(int controlPos) const {
  POINTL pl{};
  SendMessageW(hwnd_, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pl), controlPos);
  return {pl.x, pl.y};
}

LONG RichEdit::length() const {
  GETTEXTLENGTHEX len{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<LONG>(SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0));
}

std::wstring RichEdit::controlText() const {
  const LONG n = length();
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  GETTEXTEX get{static_cast<DWORD>((n + 1) * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
  LRESULT got =
      SendMessageW(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got));
  return text;
}

std::string RichEdit::text() const {
  if (next_ && rest_) {
    // The rest is cut after a line break or a blank: it converts on its own. A NUL ends the
    // control's text, so such a rest is read from the control.
    const std::string_view rest = rest_();
    if (rest.find('\0') == std::string_view::npos)
      return toProgramText(controlText()) + toProgramText(toControlText(rest));
  }
  completeLoad();
  return toProgramText(controlText());
}

void RichEdit::setText(std::string_view programText) {
  cancelLoad();
  wholeUndo_.reset();
  QuietLoad quiet(hwnd_);
  SETTEXTEX set{ST_DEFAULT, 1200};
  std::wstring w = toControlText(programText);
  SendMessageW(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set), reinterpret_cast<LPARAM>(w.c_str()));
}

void RichEdit::clear() {
  cancelLoad();
  wholeUndo_.reset();
  // Without a fresh control the old one is emptied, slowly: its text must not stay for the next.
  if (GetWindowTextLengthW(hwnd_) <= kSlowEmptying || !replaceControl()) SetWindowTextW(hwnd_, L"");
}

PositionMap RichEdit::positions() const {
  completeLoad();
  return PositionMap(controlText());
}

int RichEdit::selStart() const {
  CHARRANGE r{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
  return loadedPositions().toBytes(r.cpMin);
}

int RichEdit::selLength() const {
  CHARRANGE r{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
  PositionMap map = loadedPositions();
  return map.toBytes(r.cpMax) - map.toBytes(r.cpMin);
}

void RichEdit::setSelection(int startBytes, int lengthBytes) {
  CHARRANGE r{0, 0};
  // The caret to the start needs no map of the text; a place in the part loaded needs no more.
  if (startBytes > 0 || lengthBytes > 0) {
    PositionMap map = loadedPositions();
    if (map.byteLength() < startBytes + lengthBytes) map = positions();
    r = {map.toControl(startBytes), map.toControl(startBytes + lengthBytes)};
  }
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

void RichEdit::selectIn(std::string_view programText, size_t startBytes, size_t lengthBytes) {
  startBytes = std::min(startBytes, programText.size());
  lengthBytes = std::min(lengthBytes, programText.size() - startBytes);
  const LONG from = controlLength(programText.substr(0, startBytes));
  CHARRANGE r{from, from + controlLength(programText.substr(startBytes, lengthBytes))};
  takeInTo(r.cpMax);
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

std::string RichEdit::selectedText() const {
  completeLoad();
  CHARRANGE r{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
  std::wstring all = controlText();
  LONG from = std::clamp<LONG>(r.cpMin, 0, static_cast<LONG>(all.size()));
  LONG to = std::clamp<LONG>(r.cpMax, from, static_cast<LONG>(all.size()));
  return toProgramText(std::wstring_view(all).substr(static_cast<size_t>(from), static_cast<size_t>(to - from)));
}

bool RichEdit::edit(UINT message, WPARAM wp, LPARAM lp) {
  if (readOnly()) return false;
  SendMessageW(hwnd_, message, wp, lp);
  return true;
}

bool RichEdit::replaceSelection(std::string_view programText) {
  std::wstring w = toControlText(programText);
  return edit(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(w.c_str()));
}

bool RichEdit::cut() { return edit(WM_CUT, 0, 0); }
bool RichEdit::paste() { return edit(WM_PASTE, 0, 0); }
bool RichEdit::deleteSelection() { return edit(WM_CLEAR, 0, 0); }
bool RichEdit::undo() {
  if (readOnly()) return false;
  if (wholeUndo_ && !SendMessageW(hwnd_, EM_CANUNDO, 0, 0))
    undoWhole();
  else
    SendMessageW(hwnd_, EM_UNDO, 0, 0);
  return true;
}

bool RichEdit::setCharFormat(DWORD scope, const CHARFORMAT2W& cf) {
  return edit(EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&cf));
}

bool RichEdit::setParaFormat(const PARAFORMAT2& pf) { return edit(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf)); }

void RichEdit::selectCaretLine() {
  CHARRANGE r{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
  LRESULT line = SendMessageW(hwnd_, EM_EXLINEFROMCHAR, 0, r.cpMin);
  LONG start = static_cast<LONG>(SendMessageW(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
  LONG length = static_cast<LONG>(SendMessageW(hwnd_, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
  CHARRANGE sel{start, start + length};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&sel));
}

bool RichEdit::modified() const { return SendMessageW(hwnd_, EM_GETMODIFY, 0, 0) != 0; }
void RichEdit::setModified(bool on) { SendMessageW(hwnd_, EM_SETMODIFY, on, 0); }
bool RichEdit::canUndo() const { return wholeUndo_ || SendMessageW(hwnd_, EM_CANUNDO, 0, 0) != 0; }
void RichEdit::clearUndo() { SendMessageW(hwnd_, EM_EMPTYUNDOBUFFER, 0, 0); }
void RichEdit::setReadOnly(bool on) { SendMessageW(hwnd_, EM_SETREADONLY, on, 0); }
bool RichEdit::readOnly() const { return (GetWindowLongW(hwnd_, GWL_STYLE) & ES_READONLY) != 0; }

CHARFORMAT2W RichEdit::fontFormat(std::string_view face, int sizePt, std::optional<COLORREF> color) {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | (color ? CFM_COLOR : 0);
  if (color) cf.crTextColor = *color;
  cf.yHeight = sizePt * 20;
  cf.bCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(cf.szFaceName, base::wide(face).c_str(), LF_FACESIZE);
  return cf;
}

void RichEdit::setDefaultFont(std::string_view face, int sizePt, std::optional<COLORREF> color) {
  CHARFORMAT2W cf = fontFormat(face, sizePt, color);
  SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
}

void RichEdit::setBackColor(COLORREF color) {
  back_ = color;
  SendMessageW(hwnd_, EM_SETBKGNDCOLOR, 0, color);
}

std::string RichEdit::saveContent(bool rich) const {
  if (!rich) return text();
  completeLoad();
  StreamBuffer buffer;
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&buffer), 0, streamOut};
  SendMessageW(hwnd_, EM_STREAMOUT, SF_RTF | SF_USECODEPAGE | (932 << 16), reinterpret_cast<LPARAM>(&es));
  // The control ends its stream with a NUL byte, which is no part of the RTF text: a tab file
  // holds the text alone and ends with its closing brace.
  while (!buffer.out.empty() && buffer.out.back() == '\0') buffer.out.pop_back();
  return withCodePage932(std::move(buffer.out));
}

void RichEdit::loadContent(std::string_view content) {
  cancelLoad();
  wholeUndo_.reset();
  if (!isRichContent(content)) {
    setText(content);
    return;
  }
  QuietLoad quiet(hwnd_);
  StreamBuffer buffer{content};
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&buffer), 0, streamIn};
  SendMessageW(hwnd_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
}

}  // namespace memo
