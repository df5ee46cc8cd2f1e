// Date-time values as the programs store them: days since 1899-12-30 as a double, the fraction
// being the time of day, local time; the display-format language of date-time format strings;
// and the texts the programs store dates and times as, with the parse that reads them back.
//
// The format language (letters in either case; CP932 in and out, a double-byte character is
// copied whole and never read as a letter):
//   y yy: year in two digits; yyy and longer: four digits
//   m mm: month, without and with a leading zero; mmm: short month name; mmmm: long name.
//         An "m" that follows an "h" (as the last letter before it) is the minute instead.
//   d dd: day; ddd dddd: short and long weekday name; ddddd: the short date; dddddd: the long
//   e ee: year of the era; g: the era name's first character; gg: the era name
//   c: the short date, a blank and the long time
//   h hh: hour (12-hour when an am/pm form follows before the next h); n nn: minute;
//   s ss: second; z zz: millisecond; zzz: millisecond in three digits
//   t: the short time; tt: the long time
//   am/pm, a/p: the letters as written for before and after noon; ampm: the locale's texts
//   /: the date separator; :: the time separator
//   "text" or 'text': copied without the quotes; any other character: copied.
// Names, eras, separators and the short and long forms come from a FormatSettings: the system
// locale's unless a caller passes its own.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace base {

using DateTime = double;

DateTime now();
DateTime fromSystemTime(const SYSTEMTIME& st);
SYSTEMTIME toSystemTime(DateTime t);
// The date-time of a civil date and time of day (no range check).
DateTime encodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0);

// One era of a calendar: its name and its first day; the era's first year is year 1.
struct Era {
  std::string name;
  int startYear = 0, startMonth = 1, startDay = 1;
};

struct FormatSettings {
  std::string shortMonthNames[12], longMonthNames[12];
  std::string shortDayNames[7], longDayNames[7];  // Sunday first
  // Short and long forms, written in the format language.
  std::string shortDateFormat, longDateFormat, shortTimeFormat, longTimeFormat;
  std::string timeAmString, timePmString;
  std::string dateSeparator, timeSeparator;
  std::vector<Era> eras;  // newest first; empty when the locale has no era calendar
};

// The system locale's settings as they are now (a change of the user's regional settings shows
// at the next formatting): names, short and long date and time forms, the before/after-noon
// texts, separators, and the eras of the Japanese calendar the system knows when the locale
// offers that calendar (read once).
FormatSettings localeFormatSettings();
// The eras stored under a registry key in the system's form for the Japanese calendar: values
// named by the first day ("1989 01 08") holding the name, "_" and further forms ("平成_平_...");
// newest first, empty when the key is missing.
std::vector<Era> erasFromRegistry(HKEY root, std::string_view keyPath);
// A Windows locale date or time pattern ("yyyy/M/d", "H:mm:ss tt") in the format language.
std::string fromLocalePattern(std::wstring_view pattern);

// Formats t with the format language.
std::string formatDateTime(std::string_view format, DateTime t);
std::string formatDateTime(std::string_view format, DateTime t, const FormatSettings& fs);

// Texts as the programs store dates and times: the locale's short date, long time, and short
// date + blank + long time. The parses read those back, and also the plain "yyyy/M/d" and
// "H:mm:ss" (or "H:mm") forms; they answer false for a text they cannot read, leaving out alone.
std::string dateToStr(DateTime t);
std::string timeToStr(DateTime t);
std::string dateTimeToStr(DateTime t);
bool tryStrToDate(std::string_view text, DateTime& out);
bool tryStrToTime(std::string_view text, DateTime& out);
bool tryStrToDateTime(std::string_view text, DateTime& out);
bool tryStrToDate(std::string_view text, DateTime& out, const FormatSettings& fs);
bool tryStrToTime(std::string_view text, DateTime& out, const FormatSettings& fs);
bool tryStrToDateTime(std::string_view text, DateTime& out, const FormatSettings& fs);

}  // namespace base
