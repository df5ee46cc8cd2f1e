// Editor positions as the memo program counts them (code-page-932 bytes, a line break two) and
// as the rich-edit control counts them (UTF-16 units, its line break one CR). The map is built
// from the control's text and converts both ways; text crosses the control's boundary only
// through toControlText / toProgramText.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace memo {

class PositionMap {
 public:
  PositionMap() : bytesBefore_{0} {}
  // The control's text exactly as it counts it (line breaks as the control stores them: a lone
  // CR, a lone LF or a CR LF pair all count as one break of two bytes).
  explicit PositionMap(std::wstring_view controlText);

  int controlLength() const { return static_cast<int>(bytesBefore_.size()) - 1; }
  int byteLength() const { return bytesBefore_.back(); }
  // Bytes before a control position (clamped to the text).
  int toBytes(int controlPos) const;
  // The control position of a byte offset: inside a double-byte character or a line break it
  // falls back to the start of that character; after a CR LF pair it is after the LF.
  int toControl(int bytes) const;

 private:
  std::vector<int> bytesBefore_;  // [i]: bytes before control position i
};

// The program's text (CP932, lines ending CR LF) of the control's text: every line break,
// whichever form, becomes CR LF.
std::string toProgramText(std::wstring_view controlText);
// The control's text of the program's text (UTF-16; the control makes its own line breaks).
std::wstring toControlText(std::string_view programText);
// How many characters the control counts in a program text (a double-byte character one, a line
// break of any form one).
int controlLength(std::string_view programText);

}  // namespace memo
