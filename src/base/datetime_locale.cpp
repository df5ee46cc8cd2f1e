// The system locale's names, forms and eras for the date-time format language.
#include <algorithm>
#include <cwchar>
#include <tuple>

#include "base/datetime.h"
#include "base/text.h"

namespace base {

namespace {
std::wstring localeInfo(LCTYPE type) {
  wchar_t buf[256];
  int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buf, 256);
  return n > 0 ? std::wstring(buf, static_cast<size_t>(n - 1)) : std::wstring();
}

std::string localeText(LCTYPE type, std::string_view fallback) {
  std::wstring w = localeInfo(type);
  return w.empty() ? std::string(fallback) : cp932(w);
}

// EnumCalendarInfoW hands its texts to a plain callback; the one reading in progress collects
// them here (the eras are read once, under the static initialisation's lock).
std::vector<std::wstring>* collected = nullptr;
BOOL CALLBACK collect(LPWSTR text) {
  collected->emplace_back(text);
  return TRUE;
}

std::vector<std::wstring> calendarInfo(CALID calendar, CALTYPE type) {
  std::vector<std::wstring> texts;
  collected = &texts;
  EnumCalendarInfoW(collect, LOCALE_USER_DEFAULT, calendar, type);
  collected = nullptr;
  return texts;
}

void newestFirst(std::vector<Era>& eras) {
  std::sort(eras.begin(), eras.end(), [](const Era& a, const Era& b) {
    return std::tie(a.startYear, a.startMonth, a.startDay) > std::tie(b.startYear, b.startMonth, b.startDay);
  });
}

// The eras of the Japanese calendar as the system gives them, newest first: from the system's
// era table with each era's first day where it has one, otherwise from the calendar information,
// which tells the first year only (an era then counts from its January).
std::vector<Era> japaneseEras() {
  if (_wtoi(localeInfo(LOCALE_IOPTIONALCALENDAR).c_str()) != CAL_JAPAN) return {};
  std::vector<Era> eras =
      erasFromRegistry(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Nls\\Calendars\\Japanese\\Eras");
  if (!eras.empty()) return eras;
  std::vector<std::wstring> names = calendarInfo(CAL_JAPAN, CAL_SERASTRING);
  std::vector<std::wstring> years = calendarInfo(CAL_JAPAN, CAL_IYEAROFFSETRANGE);
  for (size_t i = 0; i < names.size() && i < years.size(); ++i) {
    int year = _wtoi(years[i].c_str());
    if (year > 0 && !names[i].empty()) eras.push_back(Era{cp932(names[i]), year, 1, 1});
  }
  newestFirst(eras);
  return eras;
}

FormatSettings readLocale() {
  FormatSettings fs;
  for (int i = 0; i < 12; ++i) {
    fs.longMonthNames[i] = localeText(LOCALE_SMONTHNAME1 + i, std::to_string(i + 1));
    fs.shortMonthNames[i] = localeText(LOCALE_SABBREVMONTHNAME1 + i, fs.longMonthNames[i]);
  }
  // The locale counts weekdays from Monday; the language from Sunday.
  for (int i = 0; i < 7; ++i) {
    int fromMonday = (i + 6) % 7;
    fs.longDayNames[i] = localeText(LOCALE_SDAYNAME1 + fromMonday, "");
    fs.shortDayNames[i] = localeText(LOCALE_SABBREVDAYNAME1 + fromMonday, fs.longDayNames[i]);
  }
  fs.dateSeparator = localeText(LOCALE_SDATE, "/");
  fs.timeSeparator = localeText(LOCALE_STIME, ":");
  fs.timeAmString = localeText(LOCALE_S1159, "AM");
  fs.timePmString = localeText(LOCALE_S2359, "PM");
  std::wstring shortDate = localeInfo(LOCALE_SSHORTDATE);
  std::wstring longDate = localeInfo(LOCALE_SLONGDATE);
  std::wstring longTime = localeInfo(LOCALE_STIMEFORMAT);
  std::wstring shortTime = localeInfo(LOCALE_SSHORTTIME);
  if (shortTime.empty()) {
    // Older systems have no short time form: the long one without its seconds.
    shortTime = longTime;
    size_t s = shortTime.find(L's');
    if (s != std::wstring::npos) {
      size_t from = s;
      while (from > 0 && shortTime[from - 1] != L'm') --from;
      size_t to = shortTime.find_first_not_of(L's', s);
      shortTime.erase(from, (to == std::wstring::npos ? shortTime.size() : to) - from);
    }
  }
  fs.shortDateFormat = shortDate.empty() ? "yyyy/m/d" : fromLocalePattern(shortDate);
  fs.longDateFormat = longDate.empty() ? fs.shortDateFormat : fromLocalePattern(longDate);
  fs.longTimeFormat = longTime.empty() ? "h:nn:ss" : fromLocalePattern(longTime);
  fs.shortTimeFormat = shortTime.empty() ? "h:nn" : fromLocalePattern(shortTime);
  // The era table changes with a new era only: read once.
  static const std::vector<Era> eras = japaneseEras();
  fs.eras = eras;
  return fs;
}
}  // namespace

std::vector<Era> erasFromRegistry(HKEY root, std::string_view keyPath) {
  std::vector<Era> eras;
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, wide(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return eras;
  for (DWORD i = 0;; ++i) {
    wchar_t name[64];
    wchar_t data[256] = {};
    DWORD nameLen = 64, type = 0, size = sizeof data - sizeof(wchar_t);
    LONG rc = RegEnumValueW(key, i, name, &nameLen, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    if (rc == ERROR_NO_MORE_ITEMS) break;
    if (rc != ERROR_SUCCESS || type != REG_SZ) continue;
    // "1989 01 08" = "平成_平_Heisei_H": the first day, then the name before the first "_".
    int y = 0, m = 0, d = 0;
    if (swscanf(name, L"%d %d %d", &y, &m, &d) != 3 || y < 1 || m < 1 || m > 12 || d < 1 || d > 31) continue;
    std::wstring_view text(data);
    text = text.substr(0, text.find(L'_'));
    if (!text.empty()) eras.push_back(Era{cp932(text), y, m, d});
  }
  RegCloseKey(key);
  newestFirst(eras);
  return eras;
}

std::string fromLocalePattern(std::wstring_view p) {
  std::wstring out;
  for (size_t i = 0; i < p.size();) {
    wchar_t c = p[i];
    size_t n = 1;
    while (i + n < p.size() && p[i + n] == c) ++n;
    switch (c) {
      case L'\'': {
        // A quoted literal, '' standing for one quote.
        size_t end = p.find(L'\'', i + 1);
        if (end == std::wstring_view::npos) end = p.size();
        std::wstring_view lit = p.substr(i + 1, end - i - 1);
        if (lit.empty() && end < p.size()) {
          out += L"\"'\"";
        } else if (!lit.empty()) {
          out += L'"';
          out += lit;
          out += L'"';
        }
        i = end + 1;
        continue;
      }
      case L'M':
        out.append(n, L'm');
        break;  // month
      case L'm':
        out.append(n, L'n');
        break;  // minute
      case L'H':
        out.append(n, L'h');
        break;  // 24-hour: no am/pm form follows
      case L't':
        out += L"ampm";
        break;  // the locale's before/after-noon text
      case L'g':
        out += L"gg";
        break;  // the era's name
      case L'y':
        out.append(n == 1 ? 2 : n, L'y');
        break;
      case L'd':
      case L'h':
      case L's':
        out.append(n, c);
        break;
      default:
        if ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'"') {
          // Letters the locale's pattern leaves unquoted mean nothing there: keep them literal.
          for (size_t k = 0; k < n; ++k) out += c == L'"' ? std::wstring(L"'\"'") : std::wstring{L'"', c, L'"'};
        } else {
          out.append(n, c);
        }
    }
    i += n;
  }
  return cp932(out);
}

FormatSettings localeFormatSettings() { return readLocale(); }

}  // namespace base
