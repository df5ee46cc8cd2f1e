#include "base/text.h"

#include <windows.h>

#include <charconv>

namespace base {

std::wstring wide(std::string_view s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(932, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

std::string cp932(std::wstring_view w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(932, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(932, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

std::string fromUtf8(std::string_view s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return cp932(w);
}

std::string toUtf8(std::string_view s) {
  std::wstring w = wide(s);
  if (w.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
  return out;
}

size_t cutPoint(std::string_view s, size_t maxBytes) {
  if (s.size() <= maxBytes) return s.size();
  size_t i = 0;
  while (i < maxBytes) {
    size_t step = (isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
    if (i + step > maxBytes) break;
    i += step;
  }
  return i;
}

std::string cut(std::string_view s, size_t maxBytes) { return std::string(s.substr(0, cutPoint(s, maxBytes))); }

std::string trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20) --e;
  return std::string(s.substr(b, e - b));
}

static char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (isLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (lowerAscii(a[i]) != lowerAscii(b[i])) {
      return false;
    }
  }
  return true;
}

size_t find(std::string_view s, std::string_view needle, size_t from) {
  size_t i = 0;
  while (i < from && i < s.size()) i += (isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
  if (needle.empty()) return i <= s.size() ? i : std::string_view::npos;
  while (i + needle.size() <= s.size()) {
    if (s.compare(i, needle.size(), needle) == 0) return i;
    i += (isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
  }
  return std::string_view::npos;
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(s);
  // One pass over the characters: long texts with many hits (a memo tab's line breaks) stay linear.
  std::string out;
  out.reserve(s.size());
  size_t copied = 0, i = 0;
  while (i + from.size() <= s.size()) {
    if (s[i] == from[0] && s.compare(i, from.size(), from) == 0) {
      out.append(s.substr(copied, i - copied));
      out.append(to);
      i += from.size();
      copied = i;
      continue;
    }
    i += (isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
  }
  out.append(s.substr(copied));
  return out;
}

bool parseInt(std::string_view s, long long& out) {
  if (s.empty()) return false;
  const char* b = s.data();
  const char* e = s.data() + s.size();
  if (*b == '+') ++b;
  auto r = std::from_chars(b, e, out);
  return r.ec == std::errc() && r.ptr == e;
}

}  // namespace base
