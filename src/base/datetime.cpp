#include "base/datetime.h"

#include <cmath>
#include <cstdio>

#include "base/text.h"

namespace base {

namespace {
// Days from 1899-12-30 to the given civil date (proleptic Gregorian).
long long daysFromCivil(int y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468 + 25569;  // 1970-01-01 is day 25569
}
}  // namespace

DateTime fromSystemTime(const SYSTEMTIME& st) {
  double days = static_cast<double>(daysFromCivil(st.wYear, st.wMonth, st.wDay));
  double frac = (st.wHour * 3600000.0 + st.wMinute * 60000.0 + st.wSecond * 1000.0 + st.wMilliseconds) / 86400000.0;
  return days + frac;
}

SYSTEMTIME toSystemTime(DateTime t) {
  long long ms = std::llround(t * 86400000.0);
  long long days = ms / 86400000;
  long long rest = ms % 86400000;
  if (rest < 0) {
    rest += 86400000;
    --days;
  }
  long long z = days - 25569 + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  long long y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(y);
  st.wMonth = static_cast<WORD>(m);
  st.wDay = static_cast<WORD>(d);
  st.wDayOfWeek = static_cast<WORD>(((days % 7) + 7 + 6) % 7);  // 1899-12-30 was a Saturday
  st.wHour = static_cast<WORD>(rest / 3600000);
  st.wMinute = static_cast<WORD>(rest / 60000 % 60);
  st.wSecond = static_cast<WORD>(rest / 1000 % 60);
  st.wMilliseconds = static_cast<WORD>(rest % 1000);
  return st;
}

DateTime now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return fromSystemTime(st);
}

// A first, partial form of the language (year, month, day, hour, minute, second, quoted text);
// the whole language with the locale's names and eras replaces it.
std::string formatDateTime(std::string_view f, DateTime t) {
  SYSTEMTIME st = toSystemTime(t);
  std::string out;
  char buf[16];
  auto count = [&](size_t i, char c) {
    size_t n = 0;
    while (i + n < f.size() && (f[i + n] | 0x20) == c) ++n;
    return n;
  };
  bool afterHour = false;
  for (size_t i = 0; i < f.size();) {
    unsigned char ch = static_cast<unsigned char>(f[i]);
    if ((ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC)) {
      out.append(f.substr(i, 2));
      i += 2;
      continue;
    }
    char c = static_cast<char>(ch | 0x20);
    if (ch == '"' || ch == '\'') {
      size_t end = f.find(static_cast<char>(ch), i + 1);
      if (end == std::string_view::npos) end = f.size();
      out.append(f.substr(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    size_t n = (c >= 'a' && c <= 'z') ? count(i, c) : 1;
    int v = -1;
    switch (c) {
      case 'y':
        v = n > 2 ? st.wYear : st.wYear % 100;
        n = n > 2 ? 4 : 2;
        break;
      case 'm':
        v = afterHour ? st.wMinute : st.wMonth;
        break;
      case 'd':
        v = st.wDay;
        break;
      case 'h':
        v = st.wHour;
        afterHour = true;
        break;
      case 'n':
        v = st.wMinute;
        break;
      case 's':
        v = st.wSecond;
        break;
      default:
        break;
    }
    if (c != 'h' && v >= 0) afterHour = false;
    if (v >= 0) {
      std::snprintf(buf, sizeof buf, n >= 2 ? (c == 'y' && n == 4 ? "%04d" : "%02d") : "%d", v);
      out += buf;
      i += c == 'y' ? count(i, 'y') : n;
    } else {
      out.append(f.substr(i, n));
      i += n;
    }
  }
  return out;
}

std::string dateToStr(DateTime t) {
  SYSTEMTIME st = toSystemTime(t);
  wchar_t buf[128];
  int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buf, 128);
  return n > 0 ? cp932(std::wstring_view(buf, static_cast<size_t>(n - 1))) : std::string();
}

std::string timeToStr(DateTime t) {
  SYSTEMTIME st = toSystemTime(t);
  wchar_t buf[128];
  int n = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buf, 128);
  return n > 0 ? cp932(std::wstring_view(buf, static_cast<size_t>(n - 1))) : std::string();
}

std::string dateTimeToStr(DateTime t) { return dateToStr(t) + " " + timeToStr(t); }

namespace {
// Reads up to three numbers separated by one separator character each.
int readNumbers(std::string_view s, char sep, int (&out)[3]) {
  int count = 0;
  size_t i = 0;
  while (count < 3) {
    size_t start = i;
    long v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - start < 6) v = v * 10 + (s[i++] - '0');
    if (i == start) return -1;
    out[count++] = static_cast<int>(v);
    if (i == s.size()) break;
    if (s[i] != sep) return -1;
    ++i;
  }
  return i == s.size() ? count : -1;
}
}  // namespace

bool tryStrToDate(std::string_view text, DateTime& out) {
  std::string s = trim(text);
  int n[3];
  if (readNumbers(s, '/', n) != 3) return false;
  if (n[1] < 1 || n[1] > 12 || n[2] < 1 || n[2] > 31 || n[0] < 1 || n[0] > 9999) return false;
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(n[0]);
  st.wMonth = static_cast<WORD>(n[1]);
  st.wDay = static_cast<WORD>(n[2]);
  DateTime d = fromSystemTime(st);
  if (toSystemTime(d).wDay != st.wDay) return false;  // 2月30日 and the like
  out = d;
  return true;
}

bool tryStrToTime(std::string_view text, DateTime& out) {
  std::string s = trim(text);
  int n[3] = {0, 0, 0};
  int c = readNumbers(s, ':', n);
  if (c < 2) return false;
  if (n[0] > 23 || n[1] > 59 || n[2] > 59) return false;
  out = (n[0] * 3600 + n[1] * 60 + n[2]) / 86400.0;
  return true;
}

bool tryStrToDateTime(std::string_view text, DateTime& out) {
  std::string s = trim(text);
  size_t blank = s.find(' ');
  DateTime d = 0, t = 0;
  if (blank == std::string::npos) {
    if (tryStrToDate(s, d)) {
      out = d;
      return true;
    }
    return false;
  }
  if (!tryStrToDate(s.substr(0, blank), d) || !tryStrToTime(s.substr(blank + 1), t)) return false;
  out = d + t;
  return true;
}

}  // namespace base
