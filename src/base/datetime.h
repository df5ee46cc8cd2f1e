// Date-time values as the programs store them: days since 1899-12-30 as a double, the fraction
// being the time of day, local time. And the display-format language of date-time format strings
// ("yyyy/mm/dd hh:nn", "c", "#r" passes through), with the system locale's names and formats.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace base {

using DateTime = double;

DateTime now();
DateTime fromSystemTime(const SYSTEMTIME& st);
SYSTEMTIME toSystemTime(DateTime t);

// Formats t with the date-time format language (CP932 in and out).
std::string formatDateTime(std::string_view format, DateTime t);

// Texts as the programs store dates and times: the system locale's short date, long time, and
// short date + blank + long time. The parses read them back (also the plain "yyyy/M/d" and
// "H:mm:ss" forms); they answer false for a text they cannot read.
std::string dateToStr(DateTime t);
std::string timeToStr(DateTime t);
std::string dateTimeToStr(DateTime t);
bool tryStrToDate(std::string_view text, DateTime& out);
bool tryStrToTime(std::string_view text, DateTime& out);
bool tryStrToDateTime(std::string_view text, DateTime& out);

}  // namespace base
