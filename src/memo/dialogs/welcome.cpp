#include "memo/dialogs/welcome.h"

#include <cstdio>

#include "base/text.h"

namespace memo {

namespace {

// RTF text of CP932 bytes: control characters of RTF escaped, every byte of a double-byte
// character written as \'hh so that a trail byte 0x5C or 0x7B is never read as RTF syntax.
std::string rtfText(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t width = (base::isLeadByte(c) && i + 1 < s.size()) ? 2 : 1;
    if (width == 1 && c < 0x80) {
      if (c == '\\' || c == '{' || c == '}') out += '\\';
      out += static_cast<char>(c);
      continue;
    }
    for (size_t k = 0; k < width; ++k) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>(s[i + k]));
      out += hex;
    }
    i += width - 1;
  }
  return out;
}

}  // namespace

std::string welcomeRtf() {
  // Japanese line-breaking rules: characters that may not begin a line, and that may not end one.
  const std::string noBegin = "!%),.:;?]}" + "、。，．・：；？！゛゜ヽヾゝゞ々ー’”）〕］｝〉》」』】°′″℃％‰"_sj;
  const std::string noEnd = "$([\\{" + "‘“（〔［｛〈《「『【￥＄"_sj;
  std::string rtf;
  rtf += "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041";
  rtf += "{\\fonttbl{\\f0\\fswiss\\fcharset0 MS Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}";
  rtf += "{\\f2\\fswiss\\fprq2\\fcharset128 " + rtfText("ＭＳ Ｐゴシック"_sj) + ";}}\r\n";
  rtf += "{\\colortbl ;\\red0\\green0\\blue0;}\r\n";
  rtf += "{\\*\\fchars " + rtfText(noBegin) + "}\r\n";
  rtf += "{\\*\\lchars " + rtfText(noEnd) + "}\r\n";
  rtf += "\\viewkind4\\uc1\\pard\\cf1\\lang1041\\ul\\b\\f2\\fs24 Welcome to Tavelo 3 !\\ulnone\\b0\\par\r\n";
  rtf += "\\par\r\n";
  rtf += "\\fs18 Tavelo 3 powered by Tockle 3 for Windows 9x/NT\\par\r\n";
  rtf += "Written by Ruxel with the Tockle 3 clock as its companion.\\par\r\n";
  rtf += "Thanks to everyone who tried the earlier versions.\\par\r\n";
  rtf += "\\par\r\n";
  rtf += "Select all of this text and delete it to start your own memo.\\par\r\n";
  rtf += "\\fs18\\par\r\n}\r\n";
  return rtf;
}

}  // namespace memo
