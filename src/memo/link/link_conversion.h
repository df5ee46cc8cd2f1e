// Plain memo text (code-page-932 bytes) into rich text whose registered links are coloured runs,
// with a mark for every link found. The conversion is a pure function of the text and the
// registry; the editor reads its result as one RTF stream.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace memo {

// One registered link prefix and the look of its runs.
struct TKzLinkItem {
  std::string Prefix;    // compared byte by byte, case-sensitive
  uint32_t Color = 0;    // 0x00BBGGRR
  uint8_t Style = 0;     // bit 0 underline, bit 1 bold, bit 2 italic
  uint8_t Kind = 0;      // 1: the link is the prefix alone; else it runs to the next delimiter
  std::string RtfCode;   // control words that open the run (made by AddItem)
  std::string LinkText;  // the prefix as found, while a link is collected
};

// One link found: its trimmed text and its first and last byte (inclusive) in the program's
// positions (code-page-932 bytes, a line break two).
struct TKzLinkMark {
  std::string Text;
  int32_t StartPos = 0;
  int32_t EndPos = 0;
  uint8_t Style = 0;
};

// The registered prefixes, their colour table and the marks of the last conversion.
class TLinkString {
 public:
  void Clear();
  void AddItem(TKzLinkItem item);
  void ClearMarks();
  std::string ColorTable() const;
  // The prefix matcher, fed one byte at a time: -2 no prefix starts here, -1 the held-back
  // match broke, 0 a prefix may be starting, n > 0 item n - 1 is complete.
  int Feed(char ch);
  // Copies the item whose prefix equals the held-back bytes (ignoring case) into work, with the
  // held-back bytes as its LinkText; always empties them.
  void TakeItem(TKzLinkItem& work);
  std::string TakePending();
  void AddMark(TKzLinkMark mark) { Marks.push_back(std::move(mark)); }
  // Index of the first mark holding the byte position, or -1.
  int MarkAt(int32_t bytePos) const;
  // Copies mark i into dest; out of range dest stays as it was.
  void GetMark(int i, TKzLinkMark& dest) const;

  std::vector<TKzLinkItem> Items;
  std::vector<TKzLinkMark> Marks;
  std::vector<std::string> Colors;
  std::string Pending;

 private:
  bool starts_[256] = {};  // bytes that begin some prefix
};

// How the editor is to show the text around the links, declared in the rich text itself so that
// nothing needs formatting after the load: a font table with the face (Shift-JIS), its size, and
// the text colour as one more colour-table entry. An empty face declares nothing.
struct TextLook {
  std::string face;  // code page 932
  int sizePt = 0;
  uint32_t color = 0;          // 0x00BBGGRR
  bool sizeAfterLinks = true;  // face and size given again after each link (else the size falls back)
};

// The rich text of a plain text: a header declaring code page 932 and the colour table, the text
// with "\", "{", "}" escaped and every line break (CR LF, LF or a lone CR) a paragraph, the
// links as runs opened by their item's RtfCode and closed by "\plain\cf0 " (with a look: by
// "\plain" and the look's controls). Fills the registry's marks. A NUL byte ends the text.
std::string ConvertLinks(std::string_view text, TLinkString& registry, const TextLook& look = {});

// The same conversion in pieces, each a rich text of its own, for a load that shows the first
// piece before the rest is read: positions and marks go on from piece to piece. A piece ends
// where no link is open (after a line break or a blank, TextPieces); the last one is marked.
class LinkConverter {
 public:
  LinkConverter(TLinkString& registry, TextLook look);  // clears the registry's marks
  ~LinkConverter();
  LinkConverter(const LinkConverter&) = delete;
  LinkConverter& operator=(const LinkConverter&) = delete;
  std::string Convert(std::string_view piece, bool last);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The registry as the memo's plain tabs use it: "http:", "https:", "ftp:" in blue, underlined.
void RegisterWebLinks(TLinkString& registry);

}  // namespace memo
