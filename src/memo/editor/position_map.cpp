#include "memo/editor/position_map.h"

#include <algorithm>

#include "base/text.h"

namespace memo {

namespace {
// CP932 bytes of one UTF-16 unit outside a line break (an unmappable one becomes one '?').
int bytesOf(wchar_t c) {
  if (c < 0x80) return 1;
  return static_cast<int>(base::cp932(std::wstring_view(&c, 1)).size());
}
}  // namespace

PositionMap::PositionMap(std::wstring_view text) {
  bytesBefore_.reserve(text.size() + 1);
  int bytes = 0;
  bytesBefore_.push_back(0);
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (c == L'\n' && i > 0 && text[i - 1] == L'\r')
      ;  // the LF of a CR LF pair: the CR counted the break
    else if (c == L'\r' || c == L'\n')
      bytes += 2;
    else
      bytes += bytesOf(c);
    bytesBefore_.push_back(bytes);
  }
}

int PositionMap::toBytes(int controlPos) const {
  controlPos = std::clamp(controlPos, 0, controlLength());
  return bytesBefore_[static_cast<size_t>(controlPos)];
}

int PositionMap::toControl(int bytes) const {
  if (bytes <= 0) return 0;
  auto it = std::upper_bound(bytesBefore_.begin(), bytesBefore_.end(), bytes);
  return static_cast<int>(it - bytesBefore_.begin()) - 1;
}

std::string toProgramText(std::wstring_view text) {
  std::wstring crlf;
  crlf.reserve(text.size() + text.size() / 8);
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (c == L'\r') {
      crlf += L"\r\n";
      if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    } else if (c == L'\n') {
      crlf += L"\r\n";
    } else {
      crlf += c;
    }
  }
  return base::cp932(crlf);
}

std::wstring toControlText(std::string_view programText) { return base::wide(programText); }

int controlLength(std::string_view text) {
  int n = 0;
  for (size_t i = 0; i < text.size(); ++n) {
    const auto c = static_cast<unsigned char>(text[i]);
    i += (base::isLeadByte(c) && i + 1 < text.size()) || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2
                                                                                                                   : 1;
  }
  return n;
}

}  // namespace memo
