// The memo editor: a Unicode rich-edit control (RichEdit 2.0 or later). Text and positions cross
// its boundary converted: the program sees code-page-932 text with CR LF line ends and byte
// positions (a line break two); rich text goes in and out as RTF declaring code page 932.
#pragma once

#include <windows.h>

#include <richedit.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memo/editor/position_map.h"

namespace memo {

class RichEdit {
 public:
  RichEdit() = default;
  ~RichEdit();
  RichEdit(const RichEdit&) = delete;
  RichEdit& operator=(const RichEdit&) = delete;

  // Creates the control as a child of parent (hidden until shown).
  bool create(HWND parent, int id, DWORD extraStyle = 0);
  HWND handle() const { return hwnd_; }

  // The mouse over the control (client points), before the control handles it.
  std::function<void(int x, int y)> onMouseMove;
  std::function<void(UINT message, int x, int y)> onMouseDown;
  // While on, the pointer over the control is the hand.
  void setHandCursor(bool on);
  bool handCursor() const { return hand_; }
  // The control position nearest a client point, and the client point of a control position.
  int charFromPos(POINT p) const;
  POINT posFromChar(int controlPos) const;
  // The control's own text (UTF-16, its line breaks a bare CR) and its length.
  std::wstring controlText() const;
  // The control's text as the last load left it, while nothing changed it since (nothing to undo
  // or redo, the same length); else empty. Costs the control no walk through its text.
  std::wstring_view knownText() const;

  // The whole text as the program counts it; while a plain text loads in pieces, the part loaded
  // and the rest from the program's copy, the load left to go on.
  std::string text() const;
  void setText(std::string_view programText);
  // Empties the control; a content above kSlowEmptying characters by a fresh control (the
  // handle changes), which is the fast way to drop it.
  void clear();
  static constexpr int kSlowEmptying = 1000;
  // The map of the control's current text (rebuilt on every call).
  PositionMap positions() const;

  // Selection in the program's byte positions.
  int selStart() const;
  int selLength() const;
  void setSelection(int startBytes, int lengthBytes);
  // Selects bytes of programText, the whole text as text() gave it: a text still loading takes in
  // only as much as the selection reaches.
  void selectIn(std::string_view programText, size_t startBytes, size_t lengthBytes);
  std::string selectedText() const;

  // Edits the program makes, as the keys would: none is taken while the editor is read-only
  // (false then), so that no command changes a tab the editor was not let to change. A whole new
  // content (setText, loadContent, clear) and the default attributes are no edit.
  // Replaces the selection with program text (undoable).
  bool replaceSelection(std::string_view programText);
  bool cut();
  bool paste();
  bool deleteSelection();
  bool undo();
  // Replaces the matches at the byte positions at (ascending, each matchBytes long, in before, the
  // whole text as text() gave it) by replacement, as one edit that one undo takes back: a plain
  // text becomes after (before with the replacements) in a fresh control, a rich text is
  // replaced in place, keeping its formatting. The caret keeps its place in the text (a caret
  // inside a match goes to its start), the first line shown stays. False while read-only.
  bool replaceMatches(std::string_view before, const std::vector<size_t>& at, size_t matchBytes,
                      std::string_view replacement, std::string_view after, bool rich);
  // Character attributes of the selection (SCF_SELECTION) or of what is typed next (SCF_DEFAULT).
  bool setCharFormat(DWORD scope, const CHARFORMAT2W& cf);
  // Paragraph attributes of the selected paragraphs.
  bool setParaFormat(const PARAFORMAT2& pf);
  // Selects the text of the caret's line (its line break not included).
  void selectCaretLine();

  bool modified() const;
  void setModified(bool on);
  // The control's own undo, or a whole-text replacement's.
  bool canUndo() const;
  // The control's undo depth, which every load sets again (a load records no undo).
  static constexpr int kUndoLimit = 100;
  void clearUndo();
  // The default character attributes: face name (CP932), size in points and, when given, colour.
  void setDefaultFont(std::string_view face, int sizePt, std::optional<COLORREF> color = std::nullopt);
  void setBackColor(COLORREF color);
  void setReadOnly(bool on);
  bool readOnly() const;

  // A content loaded in pieces, for a large tab to show at once: next gives the pieces in order
  // (rich: each a rich text of its own; else program text) and says which is the last. The first
  // goes into a fresh control, which then shows (the old one goes after it); the rest follow
  // while the program is idle. Until the last is in, what reads or changes the whole text (text,
  // positions, a selection to the end, rich saves, the way to the end) first takes the rest at
  // once. Typing and pasting go into the part loaded, the rest still coming after the end. rest,
  // for a plain text, gives the program text not yet handed out, so that the whole text can be
  // read without taking it all in.
  using NextPiece = std::function<std::string(bool& last)>;
  using RestOfText = std::function<std::string_view()>;
  void beginLoad(NextPiece next, bool rich, const CHARFORMAT2W& defaultFormat, RestOfText rest = nullptr);
  bool loading() const { return static_cast<bool>(next_); }
  // The rest of the content at once.
  void completeLoad() const;
  // Called when the last piece of a load in pieces is in.
  std::function<void()> onLoaded;
  // The look a load gives a whole plain text (its links marked, as rich text), for the plain
  // texts the editor puts back whole itself (a replace-all and its undo); nothing to show the
  // text as it is.
  std::function<std::optional<std::string>(std::string_view plain)> plainLook;
  // The control's character format of a face (CP932), size in points and, when given, colour.
  static CHARFORMAT2W fontFormat(std::string_view face, int sizePt, std::optional<COLORREF> color = std::nullopt);

  // The control needs about this many bytes of address space for each byte of text it holds;
  // a text that would not fit is not given to it (the control does not survive running out).
  static constexpr unsigned long long kRoomPerTextByte = 200;
  static bool canHold(size_t textBytes, unsigned long long freeAddressSpace) {
    return textBytes <= freeAddressSpace / kRoomPerTextByte;
  }
  // The process's address space not yet taken, and what this control's text takes of it (free
  // again for the next text once it goes).
  static unsigned long long freeAddressSpace();
  unsigned long long roomTaken() const;

  // The content as a tab stores it: RTF (declaring code page 932), or plain CP932 text.
  std::string saveContent(bool rich) const;
  // Replaces the content: RTF when it starts with "{\rtf1", else plain CP932 text.
  void loadContent(std::string_view content);

 private:
  void attach();
  // A fresh control in place of this one (parent, id, style, place, background, event mask and
  // focus kept): the control frees a large content very slowly, a destroyed one at once. False
  // when none could be made (this one stays).
  bool replaceControl();
  // The control's text length in characters, read without a walk through the text.
  LONG length() const;
  // The one way an edit reaches the control.
  bool edit(UINT message, WPARAM wp, LPARAM lp);
  // A fresh empty control in this one's place (just above it, not yet shown) that becomes this
  // one's; the old control is answered. dropControl shows the fresh one where the old one showed
  // and destroys the old one.
  HWND freshControl(const CHARFORMAT2W* defaultFormat);
  // later: the old one only hidden, destroyed at the next idle turn or load.
  void dropControl(HWND old, bool later = false);
  void destroyRetired() const;
  mutable HWND retired_ = nullptr;
  // One piece into the control, replacing its text or after its end, recording no undo and
  // sending no notifications.
  void put(std::string_view piece, bool rich, bool append) const;
  // The next piece of a load after the end, the user's selection and scroll place kept; false
  // when the load is complete.
  bool appendPiece() const;
  void loadWhileIdle();
  void redrawAfterPieces() const;
  void cancelLoad() const;
  static constexpr UINT_PTR kLoadTimer = 0x4C44;
  // The text a load left, taken when the load is whole; forgotten by the next load.
  void rememberText() const;
  mutable std::wstring known_;
  mutable NextPiece next_;
  mutable RestOfText rest_;
  // The map of the text in the control now, loaded or not (a selection lies in it).
  PositionMap loadedPositions() const { return PositionMap(controlText()); }
  // Takes in pieces of a load until the control holds controlEnd characters.
  void takeInTo(LONG controlEnd) const;
  // A whole-text replacement's step back: the content before it, plain or rich, and its caret.
  struct WholeUndo {
    std::string content;
    bool rich = false;
    int caretBytes = 0;
  };
  std::optional<WholeUndo> wholeUndo_;
  // A whole content into a fresh control (in place when none can be made), the caret at a byte
  // position and the first line shown kept; the control's parent hears of the change.
  void putWhole(std::string_view content, bool rich, int caretBytes);
  void replaceInPlace(const std::vector<size_t>& at, size_t matchBytes, std::string_view replacement, int caretBytes);
  void undoWhole();
  void announceChange() const;
  bool rich_ = false;
  // The control's own window procedure back on hwnd (a control of this object only).
  void detach(HWND hwnd);
  static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
  WNDPROC controlProc_ = nullptr;
  bool hand_ = false;
  // Created visible: a fresh control in its place shows, also when the old one's drawing is
  // suspended (which takes its visible style away).
  bool visible_ = false;
  std::optional<COLORREF> back_;
};

// True when a tab content is rich text (its first six bytes are "{\rtf1").
bool isRichContent(std::string_view content);

}  // namespace memo
