// A time server on the loopback interface for the SNTP tests: a UDP socket on a free port and a
// thread that answers each request with the datagrams the test asks for.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

namespace test {

using Datagram = std::vector<uint8_t>;

// How the server answers: its clock's distance from the true time and the header fields.
struct ServerReply {
  int offsetMs = 0;
  int leap = 0;
  int version = 3;
  int mode = 4;
  int stratum = 2;
  bool echoOriginate = true;  // false: the originate time stamp does not match the request
  bool zeroTransmit = false;
  bool zeroReceive = false;
  size_t size = 48;
};

// The reply a server with the given properties sends to `request`.
Datagram serverReply(const Datagram& request, const ServerReply& how);

class SntpResponder {
 public:
  // Called on the server's thread with each request; returns the datagrams to send back in order.
  using Answer = std::function<std::vector<Datagram>(const Datagram& request)>;
  explicit SntpResponder(Answer answer);
  ~SntpResponder();
  SntpResponder(const SntpResponder&) = delete;
  SntpResponder& operator=(const SntpResponder&) = delete;

  unsigned short port() const { return port_; }
  int requests() const { return requests_.load(); }

 private:
  void run();
  Answer answer_;
  uintptr_t socket_ = 0;  // a SOCKET
  unsigned short port_ = 0;
  std::atomic<int> requests_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace test
