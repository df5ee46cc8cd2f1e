#include "shared/stretchable_file.h"

#include <algorithm>
#include <cstring>

#include "base/text.h"

namespace shared {

size_t TMemoryStream::Read(void* buffer, size_t n) {
  size_t left = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
  if (n > left) n = left;
  std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  return n;
}

void TMemoryStream::Write(const void* buffer, size_t n) {
  if (position_ > bytes_.size()) bytes_.resize(position_, '\0');
  size_t overlap = std::min(n, bytes_.size() - position_);
  bytes_.replace(position_, overlap, static_cast<const char*>(buffer), n);
  position_ += n;
}

namespace {
// Field encodings are little-endian whatever the machine.
template <typename U>
U readLittle(const unsigned char* b) {
  U v = 0;
  for (size_t i = sizeof(U); i-- > 0;) v = static_cast<U>((v << 8) | b[i]);
  return v;
}
template <typename U>
void writeLittle(TStream& stream, U v) {
  unsigned char b[sizeof(U)];
  for (size_t i = 0; i < sizeof(U); ++i) b[i] = static_cast<unsigned char>(v >> (8 * i));
  stream.Write(b, sizeof b);
}
}  // namespace

double TKzStretchableFileOperation::ReadDouble(TStream& stream) {
  if (stream.Remaining() < 8) return 0.0;
  unsigned char b[8];
  stream.Read(b, 8);
  uint64_t bits = readLittle<uint64_t>(b);
  double v;
  std::memcpy(&v, &bits, 8);
  return v;
}

int32_t TKzStretchableFileOperation::ReadInteger(TStream& stream) {
  if (stream.Remaining() < 4) return 0;
  unsigned char b[4];
  stream.Read(b, 4);
  return static_cast<int32_t>(readLittle<uint32_t>(b));
}

bool TKzStretchableFileOperation::ReadString(TStream& stream, std::string& s) {
  if (stream.Remaining() < 4) return false;
  int32_t n = ReadInteger(stream);
  if (n < 0 || n > kMaxRecordString || stream.Remaining() < static_cast<uint64_t>(n)) return false;
  std::string bytes(static_cast<size_t>(n), '\0');
  stream.Read(bytes.data(), bytes.size());
  size_t nul = bytes.find('\0');
  if (nul != std::string::npos) bytes.resize(nul);
  s = std::move(bytes);
  return true;
}

void TKzStretchableFileOperation::WriteDouble(TStream& stream, double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, 8);
  writeLittle(stream, bits);
}

void TKzStretchableFileOperation::WriteInteger(TStream& stream, int32_t value) {
  writeLittle(stream, static_cast<uint32_t>(value));
}

void TKzStretchableFileOperation::WriteString(TStream& stream, std::string_view s) {
  if (s.size() > static_cast<size_t>(kMaxRecordString)) s = s.substr(0, base::cutPoint(s, kMaxRecordString));
  WriteInteger(stream, static_cast<int32_t>(s.size()));
  stream.Write(s.data(), s.size());
}

}  // namespace shared
