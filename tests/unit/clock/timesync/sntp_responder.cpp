#include <winsock2.h>
#include <ws2tcpip.h>

#include "unit/clock/timesync/sntp_responder.h"

#include <algorithm>

namespace test {

namespace {
// Seconds from 1601-01-01 (FILETIME) to 1900-01-01 (NTP).
constexpr uint64_t kNtpFromFileTime = 9435484800ull;

uint64_t trueNtpNow(int offsetMs) {
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  uint64_t ticks = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  long long units = static_cast<long long>(ticks) + static_cast<long long>(offsetMs) * 10000;
  uint64_t seconds = static_cast<uint64_t>(units) / 10000000ull - kNtpFromFileTime;
  uint64_t rest = static_cast<uint64_t>(units) % 10000000ull;
  return ((seconds & 0xFFFFFFFFull) << 32) | ((rest << 32) / 10000000ull);
}

void put(Datagram& d, size_t at, uint64_t v) {
  for (int i = 7; i >= 0; --i, v >>= 8) d[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v & 0xFF);
}
}  // namespace

Datagram serverReply(const Datagram& request, const ServerReply& how) {
  Datagram d(std::max<size_t>(how.size, 48), 0);
  d[0] = static_cast<uint8_t>((how.leap << 6) | (how.version << 3) | how.mode);
  d[1] = static_cast<uint8_t>(how.stratum);
  d[2] = 6;
  d[3] = 0xEC;
  uint64_t now = trueNtpNow(how.offsetMs);
  put(d, 16, now - (60ull << 32));  // reference time
  if (request.size() >= 48) {
    for (size_t i = 0; i < 8; ++i) d[24 + i] = request[40 + i];
  }
  if (!how.echoOriginate) d[31] ^= 0x01;
  put(d, 32, how.zeroReceive ? 0 : now);
  put(d, 40, how.zeroTransmit ? 0 : now);
  d.resize(how.size);
  return d;
}

SntpResponder::SntpResponder(Answer answer) : answer_(std::move(answer)) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  socket_ = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  bind(socket_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  int len = sizeof addr;
  getsockname(socket_, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  DWORD wait = 50;
  setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&wait), sizeof wait);
  thread_ = std::thread([this] { run(); });
}

SntpResponder::~SntpResponder() {
  stop_ = true;
  thread_.join();
  closesocket(socket_);
  WSACleanup();
}

void SntpResponder::run() {
  while (!stop_) {
    char buf[512];
    sockaddr_in from{};
    int fromLen = sizeof from;
    int n = recvfrom(socket_, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
    if (n <= 0) continue;
    ++requests_;
    Datagram request(buf, buf + n);
    for (const Datagram& reply : answer_(request)) {
      sendto(socket_, reinterpret_cast<const char*>(reply.data()), static_cast<int>(reply.size()), 0,
             reinterpret_cast<sockaddr*>(&from), fromLen);
    }
  }
}

}  // namespace test
