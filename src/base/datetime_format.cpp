// The display-format language of date-time format strings.
#include <cstdio>

#include "base/datetime.h"
#include "base/datetime_lexer.h"
#include "base/text.h"

namespace base {

namespace {

using detail::FormatToken;

void appendNumber(std::string& out, int value, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", digits, value);
  out += buf;
}

// The era a date falls in (eras newest first), or nullptr before the first known one.
const Era* eraOf(const FormatSettings& fs, const SYSTEMTIME& st) {
  for (const Era& e : fs.eras) {
    if (st.wYear != e.startYear) {
      if (st.wYear > e.startYear) return &e;
    } else if (st.wMonth != e.startMonth ? st.wMonth > e.startMonth : st.wDay >= e.startDay) {
      return &e;
    }
  }
  return nullptr;
}

class Formatter {
 public:
  Formatter(const SYSTEMTIME& st, const FormatSettings& fs) : st_(st), fs_(fs) {}

  void run(std::string_view f, int depth) {
    detail::lexFormat(f, [&](const FormatToken& t) {
      switch (t.kind) {
        case FormatToken::Literal:
          out += t.text;
          break;
        case FormatToken::DateSeparator:
          out += fs_.dateSeparator;
          break;
        case FormatToken::TimeSeparator:
          out += fs_.timeSeparator;
          break;
        case FormatToken::Field:
          field(t, f, depth);
          break;
      }
      return true;
    });
  }

  std::string out;

 private:
  void field(const FormatToken& t, std::string_view f, int depth) {
    const size_t n = t.count;
    const int digits = n == 1 ? 1 : 2;
    switch (t.letter) {
      case 'Y':
        if (n <= 2)
          appendNumber(out, st_.wYear % 100, 2);
        else
          appendNumber(out, st_.wYear, 4);
        break;
      case 'M':
        if (n <= 2)
          appendNumber(out, st_.wMonth, digits);
        else
          out += n == 3 ? fs_.shortMonthNames[st_.wMonth - 1] : fs_.longMonthNames[st_.wMonth - 1];
        break;
      case 'D':
        if (n <= 2)
          appendNumber(out, st_.wDay, digits);
        else if (n == 3)
          out += fs_.shortDayNames[st_.wDayOfWeek];
        else if (n == 4)
          out += fs_.longDayNames[st_.wDayOfWeek];
        else
          nested(n == 5 ? fs_.shortDateFormat : fs_.longDateFormat, depth);
        break;
      case 'E': {
        const Era* e = eraOf(fs_, st_);
        appendNumber(out, e ? st_.wYear - e->startYear + 1 : st_.wYear, digits);
        break;
      }
      case 'G':
        if (const Era* e = eraOf(fs_, st_)) out += n == 1 ? firstCharacter(e->name) : e->name;
        break;
      case 'C':
        nested(fs_.shortDateFormat, depth);
        out += ' ';
        nested(fs_.longTimeFormat, depth);
        break;
      case 'H': {
        int h = st_.wHour;
        if (detail::twelveHourAfter(f, t.end)) {
          h %= 12;
          if (h == 0) h = 12;
        }
        appendNumber(out, h, digits);
        break;
      }
      case 'N':
        appendNumber(out, st_.wMinute, digits);
        break;
      case 'S':
        appendNumber(out, st_.wSecond, digits);
        break;
      case 'Z':
        appendNumber(out, st_.wMilliseconds, n <= 2 ? 1 : 3);
        break;
      case 'T':
        nested(n == 1 ? fs_.shortTimeFormat : fs_.longTimeFormat, depth);
        break;
      case 'A':
        amPm(t.text);
        break;
    }
  }

  static std::string firstCharacter(const std::string& s) { return cut(s, cutPoint(s, 1) == 1 ? 1 : 2); }

  // The short and long forms are themselves written in the language; they are read one level
  // deep only, so a form that names itself cannot recurse.
  void nested(std::string_view form, int depth) {
    if (depth < 1) run(form, depth + 1);
  }

  void amPm(std::string_view form) {
    const bool pm = st_.wHour >= 12;
    if (form.size() == 5)  // am/pm: the letters as written
      out += form.substr(pm ? 3 : 0, 2);
    else if (form.size() == 3)  // a/p
      out += form[pm ? 2 : 0];
    else  // ampm: the locale's texts
      out += pm ? fs_.timePmString : fs_.timeAmString;
  }

  const SYSTEMTIME& st_;
  const FormatSettings& fs_;
};

}  // namespace

std::string formatDateTime(std::string_view format, DateTime t, const FormatSettings& fs) {
  SYSTEMTIME st = toSystemTime(t);
  Formatter f(st, fs);
  f.run(format, 0);
  return std::move(f.out);
}

std::string formatDateTime(std::string_view format, DateTime t) {
  return formatDateTime(format, t, localeFormatSettings());
}

}  // namespace base
