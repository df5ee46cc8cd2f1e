// The tokens of the date-time format language, shared by the formatter and the parse, so that
// both read a format string the same way. Internal to the date-time module.
#pragma once

#include <string_view>

#include "base/text.h"

namespace base::detail {

struct FormatToken {
  enum Kind { Literal, DateSeparator, TimeSeparator, Field } kind = Literal;
  std::string_view text;  // Literal: the text to copy; Field: the letters as written
  char letter = 0;        // Field: Y M D E G C H N S Z T, or A for an am/pm form
  size_t count = 0;       // Field: how many letters
  size_t end = 0;         // position in the format just after the token
};

inline char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
inline bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The am/pm form at f[i] ("am/pm", "a/p", "ampm" in any case), or empty.
inline std::string_view amPmForm(std::string_view f, size_t i) {
  for (std::string_view form : {"am/pm", "a/p", "ampm"}) {
    if (f.size() - i >= form.size() && equalsNoCase(f.substr(i, form.size()), form)) return f.substr(i, form.size());
  }
  return {};
}

// Calls visit(token) for each token of f in order; stops early when visit answers false and then
// answers false itself.
template <typename Visit>
bool lexFormat(std::string_view f, Visit&& visit) {
  char lastLetter = ' ';
  for (size_t i = 0; i < f.size();) {
    FormatToken t;
    const char ch = f[i];
    if (isLeadByte(static_cast<unsigned char>(ch))) {
      // A double-byte character is copied whole: its second byte is never a letter of the language.
      size_t n = cutPoint(f.substr(i), 2);
      t.text = f.substr(i, n == 0 ? 1 : n);
      t.end = i + t.text.size();
    } else if (ch == '"' || ch == '\'') {
      size_t close = find(f, f.substr(i, 1), i + 1);
      if (close == std::string_view::npos) close = f.size();
      t.text = f.substr(i + 1, close - i - 1);
      t.end = close + 1 < f.size() ? close + 1 : f.size();
    } else if (ch == '/' || ch == ':') {
      t.kind = ch == '/' ? FormatToken::DateSeparator : FormatToken::TimeSeparator;
      t.end = i + 1;
    } else if (isAsciiLetter(ch)) {
      char letter = upperAscii(ch);
      // An "m" right after an hour (as the last letter) is the minute.
      if (letter == 'M' && lastLetter == 'H') letter = 'N';
      lastLetter = letter;
      size_t n = 1;
      while (i + n < f.size() && upperAscii(f[i + n]) == upperAscii(ch)) ++n;
      std::string_view form = letter == 'A' ? amPmForm(f, i) : std::string_view();
      if (!form.empty()) {
        t = {FormatToken::Field, form, 'A', form.size(), i + form.size()};
      } else if (std::string_view("YMDEGCHNSZT").find(letter) != std::string_view::npos) {
        t = {FormatToken::Field, f.substr(i, n), letter, n, i + n};
      } else {
        t.text = f.substr(i, 1);
        t.end = i + 1;
      }
    } else {
      t.text = f.substr(i, 1);
      t.end = i + 1;
    }
    if (!visit(t)) return false;
    i = t.end;
  }
  return true;
}

// Whether an hour whose letters end at from is on the 12-hour clock: an am/pm form comes before
// the next hour.
inline bool twelveHourAfter(std::string_view f, size_t from) {
  bool twelve = false;
  lexFormat(f.substr(from), [&](const FormatToken& t) {
    if (t.kind != FormatToken::Field) return true;
    if (t.letter == 'A') twelve = true;
    return t.letter != 'A' && t.letter != 'H';
  });
  return twelve;
}

}  // namespace base::detail
