// The alarm file "_alarm3": INI text in code page 932, one section per alarm. It is read through
// the system's profile functions on a full path; section and key names match without regard to
// case and a missing file reads as empty. Every change is made to the whole file's text in memory
// and the file is replaced in one step by a temporary file beside it, so a program ended in the
// middle of a save leaves the old list or the new one, never a part of either.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tockle {

// A write the system refused; the text names the file.
class EAlarmWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What is wrong with an alarm file's text: text that is no part of a file of alarms (random bytes,
// a line cut in two, a section or key the clock never writes), and the alarms below the count
// whose section is missing or cut short (0-based).
struct AlarmFileDamage {
  bool strayText = false;
  std::vector<int> brokenAlarms;
  bool any() const { return strayText || !brokenAlarms.empty(); }
};
AlarmFileDamage checkAlarmText(std::string_view text);

class AlarmFile {
 public:
  explicit AlarmFile(std::string path) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }

  using Pairs = std::vector<std::pair<std::string, std::string>>;
  struct Section {
    std::string name;
    Pairs pairs;
  };

  bool exists() const;
  // The value of a key; found tells whether the key is there. At most 2,047 bytes come back.
  std::string read(const std::string& section, const std::string& key, bool* found = nullptr) const;
  // A section with no keys counts as missing.
  bool hasSection(const std::string& section) const;
  // The highest n below count whose section "n" is there; -1 when none is.
  int lastNumberedSection(int count) const;
  // Every key and value of a section, in file order, as stored (one call for a whole item).
  Pairs readSection(const std::string& section) const;
  // Every section of the file in file order, keys and values as stored.
  std::vector<Section> readAll() const;
  // A key's value in a section read whole, as read() gives it: the first key of that name in
  // any letter case, a pair of quotes around it removed, at most 2,047 bytes.
  static std::string valueOf(const Pairs& section, const std::string& key, bool* found = nullptr);

  // One change each, the file replaced in one step (see AlarmFileEdit).
  void write(const std::string& section, const std::string& key, const std::string& value) const;
  void eraseSection(const std::string& section) const;

  // The longest value a read gives back, in bytes.
  static constexpr size_t kMaxValue = 2047;
  // value with every CR LF, lone CR and lone LF replaced by one blank.
  static std::string flattenLineBreaks(const std::string& value);
  // The text a value is written as (line breaks flattened), so that a read gives it back exactly:
  // a value with blanks at either end or a pair of quotes around it, which a read takes off, is
  // wrapped in one more pair of double quotes.
  static std::string storedForm(const std::string& value);
  // The file's text for these sections: "[name]" lines and "key=value" lines, each ending in CR
  // LF; line breaks inside a value become blanks, so no value can split its section or add keys.
  static std::string textOf(const std::vector<Section>& sections);

 private:
  std::string path_;
};

// Changes to the alarm file gathered in memory, starting from what the file holds, and written
// by commit() in one step. The rules are the profile functions': an existing key (any letter
// case) is replaced in place, a new key goes to the end of its section, a new section to the end
// of the file.
// A damaged file is edited as the alarms it holds: its first rewrite keeps the file as it was
// beside it ("_alarm3.damaged", numbered when such a copy is there already) and holds only the
// sections and keys of the alarms, so that junk is neither kept nor written again at every save.
class AlarmFileEdit {
 public:
  // Throws EAlarmWriteError when the file is there but cannot be read.
  explicit AlarmFileEdit(const AlarmFile& file);

  void write(const std::string& section, const std::string& key, const std::string& value);
  // The section's keys replaced by these, in their order.
  void writeSection(const std::string& section, const AlarmFile::Pairs& pairs);
  void eraseSection(const std::string& section);
  // The keys of section from become those of section to, at from's place; from is gone.
  void moveSection(const std::string& from, const std::string& to);
  // The section's keys as they stand in this edit (empty when missing).
  AlarmFile::Pairs section(const std::string& section) const;
  // Writes the whole text to a temporary file beside the file and moves it over the file; while
  // another program holds the file open for a moment, it waits for it (half a second at most).
  // Throws EAlarmWriteError (the old file untouched) when the system refuses.
  void commit() const;
  // The file was damaged when the edit began: commit() keeps it beside it first.
  bool damaged() const { return damaged_.has_value(); }

 private:
  AlarmFile::Section* find(const std::string& section);
  const AlarmFile::Section* find(const std::string& section) const;
  AlarmFile::Section& sectionFor(const std::string& section);

  std::string path_;
  std::vector<AlarmFile::Section> sections_;
  // The file's bytes when it is damaged: what commit() keeps beside it first.
  std::optional<std::string> damaged_;
};

}  // namespace tockle
