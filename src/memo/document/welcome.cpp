#include "memo/document/welcome.h"

#include <cstdio>

#include "base/text.h"
#include "memo/editor/rtf_text.h"

namespace memo {

std::string welcomeRtf() {
  // Japanese line-breaking rules: characters that may not begin a line, and that may not end one.
  const std::string noBegin = "!%),.:;?]}" + "、。，．・：；？！゛゜ヽヾゝゞ々ー’”）〕］｝〉》」』】°′″℃％‰"_sj;
  const std::string noEnd = "$([\\{" + "‘“（〔［｛〈《「『【￥＄"_sj;
  std::string rtf;
  rtf += "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1041\\deflangfe1041";
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
