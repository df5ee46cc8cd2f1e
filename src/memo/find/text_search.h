// Finding a text in a memo text (CP932) the way the editor compares characters: a match starts
// and ends on character boundaries, so a single byte never matches the second byte of a
// double-byte character; without match case, letters compare without regard to case, the
// full-width ones (and Greek and Cyrillic) too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace memo {

struct SearchOptions {
  // Only matches that neither start nor end inside a word; case is then always ignored.
  bool wholeWord = false;
  bool matchCase = false;
};

class TextSearch {
 public:
  TextSearch(std::string_view findText, SearchOptions options);

  // Byte position of the first match at or after from (a character boundary of text), or npos.
  // An empty find text matches nothing.
  size_t find(std::string_view text, size_t from = 0) const;
  // Whether a match starts at pos (a character boundary of text).
  bool matchesAt(std::string_view text, size_t pos) const;
  // Bytes of the find text, which is also the length of every match.
  size_t size() const { return bytes_; }

  static constexpr size_t npos = std::string_view::npos;

 private:
  bool wordBoundaryAfter(std::string_view text, size_t end) const;

  std::vector<uint16_t> chars_;  // the find text's characters, as compared
  const uint16_t* map_;          // a character code to the code it is compared by
  size_t bytes_ = 0;
  bool wholeWord_ = false;
};

// A text with every match replaced, found in one pass from the start: each search goes on after
// the match it replaces, so a replacement holding the find text is never found again. Without a
// match both are empty.
struct ReplacedText {
  std::string text;
  std::vector<size_t> at;  // where each replaced match started in the old text
};
ReplacedText replaceEvery(const TextSearch& search, std::string_view text, std::string_view replacement);

// The character a case-insensitive comparison sees for a CP932 code (a byte below 0x100, else lead
// byte * 256 + trail byte).
uint16_t foldCase(uint16_t code);
// Letters, digits and the underscore, half- or full-width.
bool isWordChar(uint16_t code);

}  // namespace memo
