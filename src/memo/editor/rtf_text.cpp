#include "memo/editor/rtf_text.h"

#include <cstdio>

#include "base/text.h"

namespace memo {

namespace {

void appendHex(std::string& out, unsigned char c) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "\\'%02x", c);
  out += hex;
}

}  // namespace

std::string rtfText(std::string_view s) {
  std::string out;
  out.reserve(s.size() * 2);
  for (size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (base::isLeadByte(c) && i + 1 < s.size()) {
      appendHex(out, c);
      appendHex(out, static_cast<unsigned char>(s[++i]));
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
      out += "\\par\r\n";
    } else if (c == '\t') {
      out += "\\tab ";
    } else if (c == '\\') {
      // As \'5c, not "\\": a following "CrLf%" then never reads as the Type II line mark.
      appendHex(out, c);
    } else if (c == '{' || c == '}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x80) {
      appendHex(out, c);
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string rtfFontName(std::string_view face) {
  std::string out;
  for (char ch : face) {
    auto c = static_cast<unsigned char>(ch);
    if (c >= 0x80 || c == '\\' || c == '{' || c == '}' || c == ';')
      appendHex(out, c);
    else
      out += ch;
  }
  return out;
}

std::string literalRtf(std::string_view text) {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset128 " +
                    rtfText("ＭＳ ゴシック"_sj) + ";}}\r\n\\pard\\f0 ";
  rtf += rtfText(text);
  // The control takes a stream's last paragraph mark as the end of its text, not as a line break.
  if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) rtf += "\\par\r\n";
  return rtf + "}";
}

std::string rtfWithoutEscapedBackslash(std::string_view rtf) {
  std::string out;
  out.reserve(rtf.size());
  for (size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] != '\\' || i + 1 >= rtf.size()) {
      out += rtf[i];
      continue;
    }
    // A control symbol or word starts here: its next character is never a backslash of its own.
    if (rtf[i + 1] == '\\')
      out += "\\'5c";
    else
      out.append(rtf.substr(i, 2));
    ++i;
  }
  return out;
}

}  // namespace memo
