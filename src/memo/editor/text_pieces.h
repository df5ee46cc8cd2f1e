// A plain text cut into pieces for a load that shows the first piece at once: cuts fall on whole
// characters, never between CR and LF, and only after a line break or a blank, where no link can
// be open.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace memo {

// Where a piece that starts at from and holds at least minChars characters (a double-byte one
// counts one) ends: after the first line break or blank that follows; the text's end when none
// does.
size_t PieceEnd(std::string_view text, size_t from, size_t minChars);

// The pieces of one text in order: a first piece of a screen and more, then slices small enough
// to append while the program is idle.
class TextPieces {
 public:
  static constexpr size_t kFirstPieceChars = 32 * 1024;
  static constexpr size_t kSliceChars = 16 * 1024;
  explicit TextPieces(std::string text) : text_(std::move(text)) {}
  // The next piece; last is set with the final one (an empty text is one empty piece).
  std::string_view next(bool& last);
  // The text not yet given out.
  std::string_view rest() const { return std::string_view(text_).substr(at_); }

 private:
  std::string text_;
  size_t at_ = 0;
};

}  // namespace memo
