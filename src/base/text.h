// Text inside both programs is code-page-932 bytes (std::string), as in their files, registry
// values and messages. These helpers convert at the OS boundary and are the only code that walks
// CP932 bytes by hand.
#pragma once

#include <string>
#include <string_view>

namespace base {

// CP932 bytes -> UTF-16 for the W functions, and back.
std::wstring wide(std::string_view cp932);
std::string cp932(std::wstring_view utf16);

// True when b opens a double-byte character in CP932 (0x81-0x9F, 0xE0-0xFC).
constexpr bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// UTF-8 -> CP932. Sources are UTF-8: Japanese literals are written "..."_sj and become the
// programs' own CP932 bytes.
std::string fromUtf8(std::string_view utf8);
std::string toUtf8(std::string_view cp932);

// Length of the longest prefix of s that is at most maxBytes long and does not split a
// double-byte character.
size_t cutPoint(std::string_view s, size_t maxBytes);
// s cut to at most maxBytes on a character boundary.
std::string cut(std::string_view s, size_t maxBytes);

// Blanks and control characters (bytes <= 0x20) removed at both ends. A trail byte is never
// mistaken for one, as trail bytes are >= 0x40.
std::string trim(std::string_view s);

// Case-insensitive comparison of ASCII letters; double-byte characters compare exactly.
bool equalsNoCase(std::string_view a, std::string_view b);
// Position of the first occurrence of needle in s that starts on a character boundary, or npos.
size_t find(std::string_view s, std::string_view needle, size_t from = 0);
// Replaces every occurrence (found on character boundaries) of from by to.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);

// Decimal text of an integer, and the strict parse of one (optional sign, digits, nothing else).
bool parseInt(std::string_view s, long long& out);

}  // namespace base

inline std::string operator""_sj(const char* utf8, size_t n) { return base::fromUtf8(std::string_view(utf8, n)); }
