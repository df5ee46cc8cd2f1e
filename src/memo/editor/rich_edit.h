// The memo editor: a Unicode rich-edit control (RichEdit 2.0 or later). Text and positions cross
// its boundary converted: the program sees code-page-932 text with CR LF line ends and byte
// positions (a line break two); rich text goes in and out as RTF declaring code page 932.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "memo/editor/position_map.h"

namespace memo {

class RichEdit {
 public:
  // Creates the control as a child of parent (hidden until shown).
  bool create(HWND parent, int id, DWORD extraStyle = 0);
  HWND handle() const { return hwnd_; }

  // The whole text as the program counts it.
  std::string text() const;
  void setText(std::string_view programText);
  void clear();
  // The map of the control's current text (rebuilt on every call).
  PositionMap positions() const;

  // Selection in the program's byte positions.
  int selStart() const;
  int selLength() const;
  void setSelection(int startBytes, int lengthBytes);
  std::string selectedText() const;

  bool modified() const;
  void setModified(bool on);
  bool canUndo() const;
  void clearUndo();
  // The default character attributes: face name (CP932), size in points and, when given, colour.
  void setDefaultFont(std::string_view face, int sizePt, std::optional<COLORREF> color = std::nullopt);
  void setBackColor(COLORREF color);
  void setReadOnly(bool on);
  bool readOnly() const;

  // The content as a tab stores it: RTF (declaring code page 932), or plain CP932 text.
  std::string saveContent(bool rich) const;
  // Replaces the content: RTF when it starts with "{\rtf1", else plain CP932 text.
  void loadContent(std::string_view content);

 private:
  std::wstring controlText() const;
  HWND hwnd_ = nullptr;
};

// True when a tab content is rich text (its first six bytes are "{\rtf1").
bool isRichContent(std::string_view content);

}  // namespace memo
