#include "clock/alarm/alarm_file.h"

#include <windows.h>

#include "base/files.h"
#include "base/text.h"

namespace tockle {

namespace {
// Room for any value the profile functions keep; the byte limit is applied after conversion.
constexpr DWORD kBufferChars = 32768;
}  // namespace

bool AlarmFile::exists() const { return base::fileExists(path_); }

std::string AlarmFile::flattenLineBreaks(const std::string& value) {
  return base::replaceAll(base::replaceAll(base::replaceAll(value, "\r\n", " "), "\r", " "), "\n", " ");
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

void AlarmFile::write(const std::string& section, const std::string& key, const std::string& value) const {
  if (!WritePrivateProfileStringW(base::wide(section).c_str(), base::wide(key).c_str(),
                                  base::wide(flattenLineBreaks(value)).c_str(), base::wide(path_).c_str()))
    throw EAlarmWriteError("Cannot write to " + path_);
}

AlarmFile::Pairs AlarmFile::readSection(const std::string& section) const {
  Pairs pairs;
  if (!exists()) return pairs;
  std::wstring buf(kBufferChars, L'\0');
  DWORD n = GetPrivateProfileSectionW(base::wide(section).c_str(), buf.data(), kBufferChars, base::wide(path_).c_str());
  size_t pos = 0;
  while (pos < n && buf[pos] != L'\0') {
    size_t end = buf.find(L'\0', pos);
    if (end == std::wstring::npos || end > n) end = n;
    std::wstring line = buf.substr(pos, end - pos);
    size_t eq = line.find(L'=');
    if (eq != std::wstring::npos) {
      pairs.emplace_back(base::trim(base::cp932(line.substr(0, eq))), base::cp932(line.substr(eq + 1)));
    }
    pos = end + 1;
  }
  return pairs;
}

std::string AlarmFile::valueOf(const Pairs& section, const std::string& key, bool* found) {
  for (const auto& [k, v] : section) {
    if (!base::equalsNoCase(k, key)) continue;
    if (found) *found = true;
    std::string value = base::trim(v);
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
      value = value.substr(1, value.size() - 2);
    return base::cut(value, kMaxValue);
  }
  if (found) *found = false;
  return {};
}

void AlarmFile::writeSection(const std::string& section, const Pairs& pairs) const {
  std::wstring block;
  for (const auto& [k, v] : pairs) {
    block += base::wide(k + "=" + flattenLineBreaks(v));
    block += L'\0';
  }
  block += L'\0';
  if (!WritePrivateProfileSectionW(base::wide(section).c_str(), block.c_str(), base::wide(path_).c_str()))
    throw EAlarmWriteError("Cannot write to " + path_);
}

bool AlarmFile::hasSection(const std::string& section) const { return !readSection(section).empty(); }

void AlarmFile::eraseSection(const std::string& section) const {
  if (!WritePrivateProfileStringW(base::wide(section).c_str(), nullptr, nullptr, base::wide(path_).c_str()))
    throw EAlarmWriteError("Cannot write to " + path_);
}

}  // namespace tockle
