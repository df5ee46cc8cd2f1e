#include "memo/find/text_search.h"

#include <windows.h>

#include <array>
#include <memory>

#include "base/text.h"

namespace memo {

namespace {

using CodeMap = std::array<uint16_t, 0x10000>;

const CodeMap& identityMap() {
  static const std::unique_ptr<CodeMap> map = [] {
    auto m = std::make_unique<CodeMap>();
    for (size_t c = 0; c < m->size(); ++c) (*m)[c] = static_cast<uint16_t>(c);
    return m;
  }();
  return *map;
}

// Lower case through Unicode, as the editor compares: every double-byte character is taken to
// UTF-16, lowered and brought back when its lower form is a double-byte character again.
const CodeMap& foldMap() {
  static const std::unique_ptr<CodeMap> map = [] {
    auto m = std::make_unique<CodeMap>(identityMap());
    for (unsigned c = 'A'; c <= 'Z'; ++c) (*m)[c] = static_cast<uint16_t>(c - 'A' + 'a');
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!base::isLeadByte(static_cast<unsigned char>(lead))) continue;
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F) continue;
        const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        wchar_t w = 0;
        if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, &w, 1) != 1) continue;
        wchar_t lower = w;
        CharLowerBuffW(&lower, 1);
        if (lower == w) continue;
        char back[4] = {};
        BOOL lossy = FALSE;
        if (WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &lower, 1, back, sizeof back, nullptr, &lossy) != 2 || lossy)
          continue;
        (*m)[lead << 8 | trail] =
            static_cast<uint16_t>(static_cast<unsigned char>(back[0]) << 8 | static_cast<unsigned char>(back[1]));
      }
    }
    return m;
  }();
  return *map;
}

// The character at i and its length in bytes; a lead byte at the very end stands alone.
inline uint16_t charAt(const unsigned char* p, size_t i, size_t n, size_t& length) {
  if (base::isLeadByte(p[i]) && i + 1 < n) {
    length = 2;
    return static_cast<uint16_t>(p[i] << 8 | p[i + 1]);
  }
  length = 1;
  return p[i];
}

// The character that ends just before pos (a boundary > 0). Every lead byte takes the next byte,
// so a byte outside the lead range always ends a character, and the run of lead-range bytes
// before the last byte tells by its parity whether that byte is a trail byte.
uint16_t charBefore(const unsigned char* p, size_t pos) {
  size_t last = pos - 1;
  size_t run = 0;
  while (run < last && base::isLeadByte(p[last - 1 - run])) ++run;
  if (run % 2 == 1) return static_cast<uint16_t>(p[last - 1] << 8 | p[last]);
  return p[last];
}

}  // namespace

uint16_t foldCase(uint16_t code) { return foldMap()[code]; }

bool isWordChar(uint16_t code) {
  if (code < 0x80)
    return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == '_';
  return (code >= 0x824F && code <= 0x8258) || (code >= 0x8260 && code <= 0x8279) ||
         (code >= 0x8281 && code <= 0x829A) || code == 0x8151;  // full-width digits, letters, low line
}

TextSearch::TextSearch(std::string_view findText, SearchOptions options)
    : map_((options.matchCase && !options.wholeWord) ? identityMap().data() : foldMap().data()),
      bytes_(findText.size()),
      wholeWord_(options.wholeWord) {
  auto p = reinterpret_cast<const unsigned char*>(findText.data());
  for (size_t i = 0, length = 0; i < findText.size(); i += length) chars_.push_back(map_[charAt(p, i, bytes_, length)]);
}

bool TextSearch::wordBoundaryAfter(std::string_view text, size_t end) const {
  if (end >= text.size() || !isWordChar(chars_.back())) return true;
  size_t length = 0;
  return !isWordChar(charAt(reinterpret_cast<const unsigned char*>(text.data()), end, text.size(), length));
}

bool TextSearch::matchesAt(std::string_view text, size_t pos) const {
  if (chars_.empty() || pos + bytes_ > text.size()) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  if (wholeWord_ && isWordChar(chars_[0]) && pos > 0 && isWordChar(charBefore(p, pos))) return false;
  size_t j = pos, k = 0, step = 0;
  while (k < chars_.size() && j < n && map_[charAt(p, j, n, step)] == chars_[k]) {
    j += step;
    ++k;
  }
  return k == chars_.size() && (!wholeWord_ || wordBoundaryAfter(text, j));
}

size_t TextSearch::find(std::string_view text, size_t from) const {
  if (chars_.empty() || from >= text.size()) return npos;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  const uint16_t* map = map_;
  const uint16_t first = chars_[0];
  const size_t count = chars_.size();
  const bool startsWord = wholeWord_ && isWordChar(first);
  uint16_t previous = from > 0 && startsWord ? charBefore(p, from) : 0;
  size_t length = 0;
  for (size_t i = from; i < n; i += length) {
    const uint16_t c = charAt(p, i, n, length);
    if (map[c] == first && !(startsWord && isWordChar(previous))) {
      size_t j = i + length, k = 1, step = 0;
      while (k < count && j < n && map[charAt(p, j, n, step)] == chars_[k]) {
        j += step;
        ++k;
      }
      if (k == count && (!wholeWord_ || wordBoundaryAfter(text, j))) return i;
    }
    previous = c;
  }
  return npos;
}

ReplacedText replaceEvery(const TextSearch& search, std::string_view text, std::string_view replacement) {
  ReplacedText r;
  size_t from = 0;
  for (size_t at; (at = search.find(text, from)) != TextSearch::npos; from = at + search.size()) {
    if (r.at.empty()) r.text.reserve(text.size());
    r.text.append(text.substr(from, at - from)).append(replacement);
    r.at.push_back(at);
  }
  if (r.at.empty()) return r;
  r.text.append(text.substr(from));
  return r;
}

}  // namespace memo
