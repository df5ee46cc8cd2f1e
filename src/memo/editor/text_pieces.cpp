#include "memo/editor/text_pieces.h"

#include "base/text.h"

namespace memo {

size_t PieceEnd(std::string_view text, size_t from, size_t minChars) {
  size_t i = from;
  for (size_t chars = 0; i < text.size() && chars < minChars; ++chars)
    i += base::isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
  // Blanks, CRs and LFs are never the second byte of a character.
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c == ' ' || c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) return i + 1;
  }
  return text.size();
}

std::string_view TextPieces::next(bool& last) {
  size_t end = PieceEnd(text_, at_, at_ == 0 ? kFirstPieceChars : kSliceChars);
  std::string_view piece = std::string_view(text_).substr(at_, end - at_);
  at_ = end;
  last = at_ >= text_.size();
  return piece;
}

}  // namespace memo
