// The alarm file "_alarm3": INI text in code page 932, one section per alarm, read and written key
// by key through the system's profile functions on a full path. Section and key names match
// without regard to case; a missing file reads as empty and the first write creates it.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tockle {

// A write the system refused; the text names the file.
class EAlarmWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class AlarmFile {
 public:
  explicit AlarmFile(std::string path) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }

  using Pairs = std::vector<std::pair<std::string, std::string>>;

  bool exists() const;
  // The value of a key; found tells whether the key is there. At most 2,047 bytes come back.
  std::string read(const std::string& section, const std::string& key, bool* found = nullptr) const;
  // Writes one key; each CR, LF or CR LF of the value becomes a blank, so that a value can never
  // split its section or add keys. Throws EAlarmWriteError when the system refuses.
  void write(const std::string& section, const std::string& key, const std::string& value) const;
  // A section with no keys counts as missing.
  bool hasSection(const std::string& section) const;
  // Every key and value of a section, in file order, as stored (one call for a whole item).
  Pairs readSection(const std::string& section) const;
  // A key's value in a section read whole, as read() gives it: the first key of that name in
  // any letter case, a pair of quotes around it removed, at most 2,047 bytes.
  static std::string valueOf(const Pairs& section, const std::string& key, bool* found = nullptr);
  // Replaces a section with these keys and values, in their order.
  void writeSection(const std::string& section, const Pairs& pairs) const;
  void eraseSection(const std::string& section) const;

  // The longest value a read gives back, in bytes.
  static constexpr size_t kMaxValue = 2047;
  // value with every CR LF, lone CR and lone LF replaced by one blank.
  static std::string flattenLineBreaks(const std::string& value);

 private:
  std::string path_;
};

}  // namespace tockle
