// Files written field by field: doubles, 32-bit integers and length-prefixed CP932 strings, all
// little-endian and packed, with no header. The clipboard history and the customised system
// menu are stored this way; each file class decides its own sequence of fields.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace shared {

// Errors of a stream or of the file behind it.
class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// A file could not be opened (or created), for example because another program holds it.
class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
// A write could not be completed.
class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

// A sequence of bytes with a current position.
class TStream {
 public:
  virtual ~TStream() = default;
  // Reads up to n bytes at the position and advances it; returns how many were read.
  virtual size_t Read(void* buffer, size_t n) = 0;
  // Writes n bytes at the position (growing the stream) and advances it; raises EWriteError.
  virtual void Write(const void* buffer, size_t n) = 0;
  virtual uint64_t Position() const = 0;
  virtual void SetPosition(uint64_t position) = 0;
  virtual uint64_t Size() const = 0;
  uint64_t Remaining() const { return Size() > Position() ? Size() - Position() : 0; }
};

// A stream over bytes held in memory.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string bytes) : bytes_(std::move(bytes)) {}
  size_t Read(void* buffer, size_t n) override;
  void Write(const void* buffer, size_t n) override;
  uint64_t Position() const override { return position_; }
  void SetPosition(uint64_t position) override { position_ = static_cast<size_t>(position); }
  uint64_t Size() const override { return bytes_.size(); }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
  size_t position_ = 0;
};

// Longest string a record file holds, in bytes.
inline constexpr int32_t kMaxRecordString = 262144;

class TKzStretchableFileOperation {
 public:
  virtual ~TKzStretchableFileOperation() = default;
  // The whole file from the object's state, and back.
  virtual bool Save() = 0;
  virtual bool Load() = 0;

  // Readers never fail for lack of data: with too few bytes left they read nothing, leave the
  // position where it was and return 0.
  static double ReadDouble(TStream& stream);
  static int32_t ReadInteger(TStream& stream);
  // Reads a count and that many bytes into s (cut at a NUL byte). Returns false, leaving s as it
  // was, when no count fits, when the count lies outside 0..kMaxRecordString (the position then
  // stays just behind the count) or when fewer bytes than the count remain (likewise): a file is
  // damaged from such a count on.
  static bool ReadString(TStream& stream, std::string& s);

  static void WriteDouble(TStream& stream, double value);
  static void WriteInteger(TStream& stream, int32_t value);
  // A text longer than kMaxRecordString is cut on a character boundary first.
  static void WriteString(TStream& stream, std::string_view s);
};

}  // namespace shared
