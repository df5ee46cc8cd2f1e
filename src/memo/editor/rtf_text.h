// CP932 text inside rich text: escaped so that RTF reads back exactly the characters given.
#pragma once

#include <string>
#include <string_view>

namespace memo {

// Text for the inside of an RTF stream: RTF's own characters escaped, every byte of a double-byte
// character written as \'hh (a trail byte 0x5C or 0x7B is never read as RTF syntax), line breaks
// as paragraphs and tabs as \tab.
std::string rtfText(std::string_view s);
// A font's name for an RTF font table: every byte from 0x80 up and RTF's own characters (the
// backslash, the braces and the semicolon that ends the entry) as \'hh, the rest as it is.
std::string rtfFontName(std::string_view face);
// A whole rich text whose text is exactly the plain text given.
std::string literalRtf(std::string_view text);
// The same RTF with every escaped backslash ("\\") written as \'5c: the text reads the same, and
// no backslash of the text can run into a following word.
std::string rtfWithoutEscapedBackslash(std::string_view rtf);

}  // namespace memo
