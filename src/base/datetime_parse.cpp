// Reading dates and times back from text written in a form of the format language (the
// locale's short date and long time, or the plain forms).
#include "base/datetime.h"
#include "base/datetime_lexer.h"
#include "base/text.h"

namespace base {

namespace {

struct Fields {
  int year = -1, month = -1, day = -1;
  int hour = -1, minute = -1, second = -1, msec = 0;
  int pm = -1;  // -1: no am/pm text, 0: before noon, 1: after noon
};

using detail::FormatToken;

class Matcher {
 public:
  Matcher(std::string_view text, const FormatSettings& fs) : text_(text), fs_(fs) {}

  // Reads text_ from pos_ along the pattern; false at the first mismatch.
  bool match(std::string_view f, int depth) {
    return detail::lexFormat(f, [&](const FormatToken& t) {
      switch (t.kind) {
        case FormatToken::Literal:
          return literal(t.text);
        case FormatToken::DateSeparator:
          return literal(fs_.dateSeparator);
        case FormatToken::TimeSeparator:
          return literal(fs_.timeSeparator);
        case FormatToken::Field:
          return field(t, depth);
      }
      return false;
    });
  }

  bool atEnd() const { return pos_ == text_.size(); }
  Fields fields;

 private:
  bool field(const FormatToken& t, int depth) {
    const size_t n = t.count;
    switch (t.letter) {
      case 'Y': {
        size_t start = pos_;
        if (!number(4, fields.year)) return false;
        if (n <= 2 && pos_ - start <= 2) fields.year += 2000;
        return true;
      }
      case 'M':
        if (n <= 2) return number(2, fields.month);
        return name(fs_.longMonthNames, fs_.shortMonthNames, 12, fields.month);
      case 'D': {
        if (n <= 2) return number(2, fields.day);
        int weekday = 0;  // read, not checked against the date
        if (n <= 4) return name(fs_.longDayNames, fs_.shortDayNames, 7, weekday);
        return depth < 1 && match(n == 5 ? fs_.shortDateFormat : fs_.longDateFormat, depth + 1);
      }
      case 'H':
        return number(2, fields.hour);
      case 'N':
        return number(2, fields.minute);
      case 'S':
        return number(2, fields.second);
      case 'Z':
        return number(3, fields.msec);
      case 'T':
        return depth < 1 && match(n == 1 ? fs_.shortTimeFormat : fs_.longTimeFormat, depth + 1);
      case 'C':
        return depth < 1 && match(fs_.shortDateFormat, depth + 1) && literal(" ") &&
               match(fs_.longTimeFormat, depth + 1);
      case 'A':
        return amPm(t.text);
      default:
        return false;  // era dates are not read back
    }
  }

  bool literal(std::string_view s) {
    if (text_.size() - pos_ < s.size() || !equalsNoCase(text_.substr(pos_, s.size()), s)) return false;
    pos_ += s.size();
    return true;
  }

  bool number(size_t maxDigits, int& out) {
    size_t start = pos_;
    int v = 0;
    while (pos_ < text_.size() && pos_ - start < maxDigits && text_[pos_] >= '0' && text_[pos_] <= '9')
      v = v * 10 + (text_[pos_++] - '0');
    if (pos_ == start) return false;
    out = v;
    return true;
  }

  // The longest of the names that the text continues with; out := its number from 1.
  bool name(const std::string* longNames, const std::string* shortNames, int count, int& out) {
    size_t best = 0;
    for (int k = 0; k < count; ++k) {
      for (const std::string* names : {longNames, shortNames}) {
        const std::string& s = names[k];
        if (s.size() > best && text_.size() - pos_ >= s.size() && equalsNoCase(text_.substr(pos_, s.size()), s)) {
          best = s.size();
          out = k + 1;
        }
      }
    }
    pos_ += best;
    return best > 0;
  }

  bool amPm(std::string_view form) {
    std::string am = "am", pm = "pm";
    if (form.size() == 3) {
      am = "a", pm = "p";
    } else if (form.size() == 4) {
      am = fs_.timeAmString, pm = fs_.timePmString;
    }
    if (literal(pm)) {
      fields.pm = 1;
      return true;
    }
    if (literal(am)) {
      fields.pm = 0;
      return true;
    }
    return false;
  }

  std::string_view text_;
  size_t pos_ = 0;
  const FormatSettings& fs_;
};

bool readWith(std::string_view text, std::string_view pattern, const FormatSettings& fs, Fields& out) {
  Matcher m(text, fs);
  if (!m.match(pattern, 0) || !m.atEnd()) return false;
  out = m.fields;
  return true;
}

bool dateOf(const Fields& f, DateTime& out) {
  if (f.year < 1 || f.year > 9999 || f.month < 1 || f.month > 12 || f.day < 1 || f.day > 31) return false;
  DateTime d = encodeDateTime(f.year, f.month, f.day);
  if (toSystemTime(d).wDay != f.day) return false;  // 2月30日 and the like
  out = d;
  return true;
}

bool timeOf(const Fields& f, DateTime& out) {
  int hour = f.hour;
  if (f.pm >= 0) {
    if (hour < 1 || hour > 12) return false;
    hour = hour % 12 + (f.pm ? 12 : 0);
  }
  int second = f.second < 0 ? 0 : f.second;
  if (hour < 0 || hour > 23 || f.minute < 0 || f.minute > 59 || second > 59 || f.msec > 999) return false;
  out = (hour * 3600000.0 + f.minute * 60000.0 + second * 1000.0 + f.msec) / 86400000.0;
  return true;
}

// The plain forms, with their separators written literally.
constexpr std::string_view kPlainDate = "yyyy\"/\"m\"/\"d";
constexpr std::string_view kPlainTimes[] = {"h\":\"n\":\"s", "h\":\"n"};

}  // namespace

bool tryStrToDate(std::string_view text, DateTime& out, const FormatSettings& fs) {
  std::string s = trim(text);
  for (std::string_view pattern : {std::string_view(fs.shortDateFormat), kPlainDate}) {
    Fields f;
    if (readWith(s, pattern, fs, f) && dateOf(f, out)) return true;
  }
  return false;
}

bool tryStrToTime(std::string_view text, DateTime& out, const FormatSettings& fs) {
  std::string s = trim(text);
  Fields f;
  if (readWith(s, fs.longTimeFormat, fs, f) && timeOf(f, out)) return true;
  for (std::string_view pattern : kPlainTimes) {
    if (readWith(s, pattern, fs, f) && timeOf(f, out)) return true;
  }
  return false;
}

bool tryStrToDateTime(std::string_view text, DateTime& out, const FormatSettings& fs) {
  std::string s = trim(text);
  DateTime d = 0, t = 0;
  // A date may itself hold blanks: try every blank as the one before the time.
  for (size_t blank = s.find(' '); blank != std::string::npos; blank = s.find(' ', blank + 1)) {
    if (tryStrToDate(s.substr(0, blank), d, fs) && tryStrToTime(s.substr(blank + 1), t, fs)) {
      out = d + t;
      return true;
    }
  }
  if (tryStrToDate(s, d, fs)) {
    out = d;
    return true;
  }
  return false;
}

bool tryStrToDate(std::string_view text, DateTime& out) { return tryStrToDate(text, out, localeFormatSettings()); }
bool tryStrToTime(std::string_view text, DateTime& out) { return tryStrToTime(text, out, localeFormatSettings()); }
bool tryStrToDateTime(std::string_view text, DateTime& out) {
  return tryStrToDateTime(text, out, localeFormatSettings());
}

}  // namespace base
