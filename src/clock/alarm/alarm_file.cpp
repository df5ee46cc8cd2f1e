#include "clock/alarm/alarm_file.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>

#include "base/files.h"
#include "base/text.h"
#include "base/text_lines.h"
#include "clock/commands/file_problem_text.h"

namespace tockle {

namespace {
// Room for any value the profile functions keep; the byte limit is applied after conversion.
constexpr DWORD kBufferChars = 32768;

// A list of NUL-ended strings from a profile function that fills buf and returns the length used;
// the buffer grows until the list fits (a function short of room returns its size - 2).
template <typename Fill>
std::vector<std::wstring> readList(Fill fill) {
  for (DWORD size = kBufferChars;; size *= 2) {
    std::wstring buf(size, L'\0');
    DWORD n = fill(buf.data(), size);
    if (n + 2 >= size && size < (1u << 26)) continue;
    std::vector<std::wstring> out;
    for (size_t pos = 0; pos < n && buf[pos] != L'\0';) {
      size_t end = buf.find(L'\0', pos);
      if (end == std::wstring::npos || end > n) end = n;
      out.push_back(buf.substr(pos, end - pos));
      pos = end + 1;
    }
    return out;
  }
}

// A pair of quotes around a value, which a read takes off.
bool inQuotes(const std::string& v) { return v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]; }

constexpr const char* kAlarmKeys[] = {"RingSound",   "ShowMessage",   "LoopSound", "MessageString", "SoundPath",
                                      "ExecuteApps", "RingEveryHour", "ReCall",    "Enabled",       "StartTime",
                                      "EndTime",     "Previous",      "WeekDay1",  "WeekDay2",      "WeekDay3",
                                      "WeekDay4",    "WeekDay5",      "WeekDay6",  "WeekDay7"};
constexpr size_t kAlarmKeyCount = std::size(kAlarmKeys);

// The place of key among an alarm's keys; -1 for another key.
int alarmKey(std::string_view key) {
  for (size_t i = 0; i < kAlarmKeyCount; ++i)
    if (base::equalsNoCase(key, kAlarmKeys[i])) return static_cast<int>(i);
  return -1;
}

bool isInitial(std::string_view name) { return base::equalsNoCase(name, "Initial"); }

// The alarm number a section name gives (plain decimal), or -1.
long long alarmNumber(std::string_view name) {
  long long n = 0;
  return base::parseInt(name, n) && n >= 0 && std::to_string(n) == name ? n : -1;
}

// Whether key belongs in a section of this name: Count in Initial, an alarm's keys in an alarm's.
bool knownKey(std::string_view section, std::string_view key) {
  if (isInitial(section)) return base::equalsNoCase(key, "Count");
  return alarmNumber(section) >= 0 && alarmKey(key) >= 0;
}

[[noreturn]] void refused(const std::string& path) {
  throw EAlarmWriteError("アラームの設定ファイル "_sj + path + fileWriteProblemText(path));
}
}  // namespace

AlarmFileDamage checkAlarmText(std::string_view text) {
  AlarmFileDamage damage;
  damage.strayText = text.find('\0') != std::string_view::npos;
  std::string section;
  long long count = -1;
  std::map<long long, std::set<int>> keysOf;  // the alarm sections and the alarm keys each holds
  for (const std::string& raw : base::splitLines(text)) {
    std::string line = base::trim(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = base::trim(line.substr(1, line.size() - 2));
      if (alarmNumber(section) >= 0)
        keysOf[alarmNumber(section)];
      else if (!isInitial(section))
        damage.strayText = true;
      continue;
    }
    size_t eq = line.find('=');
    std::string key = base::trim(line.substr(0, eq));
    if (eq == std::string::npos || !knownKey(section, key)) {
      damage.strayText = true;
      continue;
    }
    if (isInitial(section)) {
      long long n = 0;
      if (count < 0) count = base::parseInt(base::trim(line.substr(eq + 1)), n) && n >= 0 ? n : 0;
    } else {
      keysOf[alarmNumber(section)].insert(alarmKey(key));
    }
  }
  // A count far past the sections there (a cut file) is listed up to a bound.
  for (long long i = 0; i < count && damage.brokenAlarms.size() < 1000; ++i) {
    auto found = keysOf.find(i);
    if (found == keysOf.end() || found->second.size() != kAlarmKeyCount)
      damage.brokenAlarms.push_back(static_cast<int>(i));
  }
  return damage;
}

bool AlarmFile::exists() const { return base::fileExists(path_); }

std::string AlarmFile::flattenLineBreaks(const std::string& value) {
  return base::replaceAll(base::replaceAll(base::replaceAll(value, "\r\n", " "), "\r", " "), "\n", " ");
}

std::string AlarmFile::storedForm(const std::string& value) {
  std::string v = flattenLineBreaks(value);
  return inQuotes(v) || base::trim(v) != v ? "\"" + v + "\"" : v;
}

std::string AlarmFile::read(const std::string& section, const std::string& key, bool* found) const {
  // A default no value can hold tells a missing key from an empty one.
  static const wchar_t kMissing[] = L"\x01\x02missing\x02\x01";
  std::wstring buf(kBufferChars, L'\0');
  DWORD n = GetPrivateProfileStringW(base::wide(section).c_str(), base::wide(key).c_str(), kMissing, buf.data(),
                                     kBufferChars, base::wide(path_).c_str());
  buf.resize(n);
  bool there = buf != kMissing;
  if (found) *found = there;
  if (!there) return {};
  return base::cut(base::cp932(buf), kMaxValue);
}

AlarmFile::Pairs AlarmFile::readSection(const std::string& section) const {
  Pairs pairs;
  if (!exists()) return pairs;
  std::wstring name = base::wide(section), file = base::wide(path_);
  auto lines = readList(
      [&](wchar_t* buf, DWORD size) { return GetPrivateProfileSectionW(name.c_str(), buf, size, file.c_str()); });
  for (const std::wstring& line : lines) {
    size_t eq = line.find(L'=');
    if (eq != std::wstring::npos)
      pairs.emplace_back(base::trim(base::cp932(line.substr(0, eq))), base::cp932(line.substr(eq + 1)));
  }
  return pairs;
}

std::vector<AlarmFile::Section> AlarmFile::readAll() const {
  std::vector<Section> out;
  if (!exists()) return out;
  std::wstring file = base::wide(path_);
  auto names =
      readList([&](wchar_t* buf, DWORD size) { return GetPrivateProfileSectionNamesW(buf, size, file.c_str()); });
  for (const std::wstring& w : names) {
    std::string name = base::cp932(w);
    // Sections of one name in other letter cases read as one.
    if (std::any_of(out.begin(), out.end(), [&](const Section& s) { return base::equalsNoCase(s.name, name); }))
      continue;
    out.push_back({name, readSection(name)});
  }
  return out;
}

std::string AlarmFile::valueOf(const Pairs& section, const std::string& key, bool* found) {
  for (const auto& [k, v] : section) {
    if (!base::equalsNoCase(k, key)) continue;
    if (found) *found = true;
    std::string value = base::trim(v);
    if (inQuotes(value)) value = value.substr(1, value.size() - 2);
    return base::cut(value, kMaxValue);
  }
  if (found) *found = false;
  return {};
}

bool AlarmFile::hasSection(const std::string& section) const { return !readSection(section).empty(); }

int AlarmFile::lastNumberedSection(int count) const {
  if (!exists()) return -1;
  std::wstring file = base::wide(path_);
  auto names =
      readList([&](wchar_t* buf, DWORD size) { return GetPrivateProfileSectionNamesW(buf, size, file.c_str()); });
  int last = -1;
  for (const std::wstring& w : names) {
    std::string name = base::cp932(w);
    // Only the names the items are written under: plain decimal numbers.
    long long i = 0;
    if (!base::parseInt(name, i) || i <= last || i >= count || std::to_string(i) != name) continue;
    if (hasSection(name)) last = static_cast<int>(i);
  }
  return last;
}

std::string AlarmFile::textOf(const std::vector<Section>& sections) {
  std::string text;
  for (const Section& s : sections) {
    text += "[" + flattenLineBreaks(s.name) + "]\r\n";
    for (const auto& [k, v] : s.pairs) text += flattenLineBreaks(k) + "=" + flattenLineBreaks(v) + "\r\n";
  }
  return text;
}

void AlarmFile::write(const std::string& section, const std::string& key, const std::string& value) const {
  AlarmFileEdit edit(*this);
  edit.write(section, key, value);
  edit.commit();
}

void AlarmFile::eraseSection(const std::string& section) const {
  AlarmFileEdit edit(*this);
  edit.eraseSection(section);
  edit.commit();
}

AlarmFileEdit::AlarmFileEdit(const AlarmFile& file) : path_(file.path()), sections_(file.readAll()) {
  // A file that is there but cannot be read reads as empty; the edit would then replace every
  // other alarm with nothing.
  if (!file.exists()) return;
  auto bytes = base::readFile(path_);
  if (!bytes) refused(path_);
  if (!checkAlarmText(*bytes).any()) return;
  damaged_ = std::move(*bytes);
  std::erase_if(sections_, [](const AlarmFile::Section& s) { return !isInitial(s.name) && alarmNumber(s.name) < 0; });
  for (AlarmFile::Section& s : sections_) {
    // The first of each key is the one a read gives.
    AlarmFile::Pairs kept;
    for (auto& pair : s.pairs) {
      bool again =
          std::any_of(kept.begin(), kept.end(), [&](const auto& k) { return base::equalsNoCase(k.first, pair.first); });
      if (!again && knownKey(s.name, pair.first)) kept.push_back(std::move(pair));
    }
    s.pairs = std::move(kept);
  }
}

AlarmFile::Section* AlarmFileEdit::find(const std::string& section) {
  for (auto& s : sections_)
    if (base::equalsNoCase(s.name, section)) return &s;
  return nullptr;
}

const AlarmFile::Section* AlarmFileEdit::find(const std::string& section) const {
  return const_cast<AlarmFileEdit*>(this)->find(section);
}

AlarmFile::Section& AlarmFileEdit::sectionFor(const std::string& section) {
  if (AlarmFile::Section* s = find(section)) return *s;
  sections_.push_back({section, {}});
  return sections_.back();
}

void AlarmFileEdit::write(const std::string& section, const std::string& key, const std::string& value) {
  AlarmFile::Pairs& pairs = sectionFor(section).pairs;
  for (auto& [k, v] : pairs) {
    if (base::equalsNoCase(k, key)) {
      v = AlarmFile::storedForm(value);
      return;
    }
  }
  pairs.emplace_back(key, AlarmFile::storedForm(value));
}

void AlarmFileEdit::writeSection(const std::string& section, const AlarmFile::Pairs& pairs) {
  sectionFor(section).pairs = pairs;
}

void AlarmFileEdit::eraseSection(const std::string& section) {
  std::erase_if(sections_, [&](const AlarmFile::Section& s) { return base::equalsNoCase(s.name, section); });
}

void AlarmFileEdit::moveSection(const std::string& from, const std::string& to) {
  if (base::equalsNoCase(from, to) || !find(from)) return;
  eraseSection(to);
  find(from)->name = to;
}

AlarmFile::Pairs AlarmFileEdit::section(const std::string& section) const {
  const AlarmFile::Section* s = find(section);
  return s ? s->pairs : AlarmFile::Pairs{};
}

void AlarmFileEdit::commit() const {
  // Another program reading the file through the profile functions holds it open for a moment,
  // and a file held open cannot be replaced: the move waits for it a little.
  const std::string text = AlarmFile::textOf(sections_);
  if (damaged_ && base::keepCopyBeside(path_, ".damaged", *damaged_).empty()) refused(path_);
  constexpr int kTries = 25;
  for (int attempt = 1;; ++attempt) {
    if (base::writeFileAtomic(path_, text)) return;
    DWORD code = GetLastError();
    if (attempt == kTries || (code != ERROR_SHARING_VIOLATION && code != ERROR_ACCESS_DENIED)) refused(path_);
    Sleep(20);
  }
}

}  // namespace tockle
