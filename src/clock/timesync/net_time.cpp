// Winsock must come before <windows.h>, which the header brings.
#include <winsock2.h>
#include <ws2tcpip.h>

#include "clock/timesync/net_time.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/handles.h"
#include "base/lazy_library.h"
#include "base/system_libraries.h"
#include "base/text.h"
#include "base/time_zone.h"
#include "clock/timesync/ras_api.h"
#include "clock/timesync/sntp_packet.h"
#include "shared/prompts.h"

// Winsock is loaded with the first time synchronisation, not at start.
#define WINSOCK(fn) LAZY(base::ws2_32(), fn)

namespace tockle {

namespace {

bool isWindows9x() {
  OSVERSIONINFOA vi{};
  vi.dwOSVersionInfoSize = sizeof vi;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  return GetVersionExA(&vi) && vi.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
#pragma GCC diagnostic pop
}

const char* socketErrorText(int code) {
  switch (code) {
    case WSAHOST_NOT_FOUND:
      return "Host not found.";
    case WSATRY_AGAIN:
      return "Non-authoritative host not found.";
    case WSANO_RECOVERY:
      return "This is a non-recoverable error.";
    case WSANO_DATA:
      return "Valid name, no data record of requested type.";
    case WSAENETDOWN:
      return "Network is down.";
    case WSAENETUNREACH:
      return "Network is unreachable.";
    case WSAEHOSTUNREACH:
      return "No route to host.";
    case WSAECONNREFUSED:
      return "Connection refused.";
    case WSAECONNRESET:
      return "Connection reset by peer.";
    case WSAEADDRNOTAVAIL:
      return "Cannot assign requested address.";
    case WSAEACCES:
      return "Permission denied.";
    case WSAENOBUFS:
      return "No buffer space available.";
    case WSAEMFILE:
      return "Too many open files.";
    default:
      return "Unexpected network error.";
  }
}

[[noreturn]] void throwSocketError(int code) {
  throw NetTimeError("Socket Error # " + std::to_string(code) + "\r\n" + socketErrorText(code));
}

// Winsock stays started from the first query to the end of the program.
void startWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WINSOCK(WSAStartup)(MAKEWORD(2, 2), &data) == 0;
  }();
  if (!started) throwSocketError(WSASYSNOTREADY);
}

class UdpSocket {
 public:
  UdpSocket() : s_(WINSOCK(socket)(AF_INET, SOCK_DGRAM, IPPROTO_UDP)) {
    if (s_ == INVALID_SOCKET) throwSocketError(WINSOCK(WSAGetLastError)());
  }
  ~UdpSocket() { WINSOCK(closesocket)(s_); }
  UdpSocket(const UdpSocket&) = delete;
  UdpSocket& operator=(const UdpSocket&) = delete;
  SOCKET get() const { return s_; }

 private:
  SOCKET s_;
};

// The first IPv4 address of host (a name or a dotted address).
sockaddr_in resolve(const std::string& host, unsigned short port) {
  addrinfoW hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  hints.ai_protocol = IPPROTO_UDP;
  addrinfoW* found = nullptr;
  int rc = WINSOCK(GetAddrInfoW)(base::wide(host).c_str(), nullptr, &hints, &found);
  if (rc != 0 || !found) throwSocketError(rc != 0 ? rc : WSAHOST_NOT_FOUND);
  sockaddr_in addr = *reinterpret_cast<const sockaddr_in*>(found->ai_addr);
  WINSOCK(FreeAddrInfoW)(found);
  addr.sin_port = WINSOCK(htons)(port);
  return addr;
}

base::KernelHandle processToken() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) return {};
  return base::KernelHandle(raw);
}

// Enables the privilege `name` in token; previous, when given, receives the state to restore.
bool enablePrivilege(HANDLE token, const wchar_t* name, TOKEN_PRIVILEGES* previous) {
  TOKEN_PRIVILEGES tp{};
  if (!LookupPrivilegeValueW(nullptr, name, &tp.Privileges[0].Luid)) return false;
  tp.PrivilegeCount = 1;
  tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  DWORD previousSize = sizeof(TOKEN_PRIVILEGES);
  if (!AdjustTokenPrivileges(token, FALSE, &tp, previous ? previousSize : 0, previous,
                             previous ? &previousSize : nullptr))
    return false;
  // The call succeeds also when the token does not hold the privilege; only the last error says so.
  return GetLastError() != ERROR_NOT_ALL_ASSIGNED;
}

}  // namespace

bool TKzNetTimeSync::EnablePrivilege(const std::string& name) {
  if (isWindows9x()) return true;
  base::KernelHandle token = processToken();
  return token && enablePrivilege(token.get(), base::wide(name).c_str(), nullptr);
}

bool TKzNetTimeSync::SetLocalClock(base::DateTime target, const LocalTimeSetter& setter) {
  SYSTEMTIME st = base::toSystemTime(target);
  if (isWindows9x()) return setter(st);
  base::KernelHandle token = processToken();
  TOKEN_PRIVILEGES previous{};
  if (!token || !enablePrivilege(token.get(), SE_SYSTEMTIME_NAME, &previous)) return false;
  bool ok = setter(st);
  AdjustTokenPrivileges(token.get(), FALSE, &previous, 0, nullptr, nullptr);
  return ok;
}

TKzNetTime2::TKzNetTime2() {
  RasApi32::instance();
  SetLocalTime = [](const SYSTEMTIME& st) { return ::SetLocalTime(&st) != FALSE; };
}

void TKzNetTime2::Report(const std::string& msg) {
  if (OnSNTPReceived) OnSNTPReceived(*this, msg);
}

bool TKzNetTime2::IsDialUpConnected() {
  RasApi32& ras = RasApi32::instance();
  if (ras.RasLoadError != 0) return true;
  bool connected = false;
  try {
    std::vector<RasConnA> entries(32);
    entries[0].dwSize = sizeof(RasConnA);
    DWORD bytes = static_cast<DWORD>(entries.size() * sizeof(RasConnA));
    DWORD count = 0;
    ras.RasEnumConnectionsA(entries.data(), &bytes, &count);
    if (count > entries.size()) count = static_cast<DWORD>(entries.size());
    for (DWORD i = 0; i < count; ++i) {
      RasConnStatusA status{};
      status.dwSize = sizeof status;
      ras.RasGetConnectStatusA(entries[i].hrasconn, &status);
      if (status.rasconnstate == kRasConnected) connected = true;
    }
  } catch (...) {
    shared::prompts().ask(nullptr,
                          "インターネットへ接続しているかどうかを判定するルーチンで予測されないエラーが発生しました\r\n"
                          "何度も再発するような場合は作者までご連絡下さい"_sj,
                          "RAS API エラー"_sj, MB_OK | MB_ICONERROR);
  }
  return connected;
}

bool TKzNetTime2::IsOnline() {
  using InetIsOfflineFn = BOOL(WINAPI*)(DWORD);
  // Once loaded the library stays for the rest of the program.
  static HMODULE library = nullptr;
  if (!library) library = base::loadSystemLibrary(L"URL.DLL");
  if (!library) return false;
  auto isOffline = reinterpret_cast<InetIsOfflineFn>(reinterpret_cast<void*>(GetProcAddress(library, "InetIsOffline")));
  return isOffline && isOffline(0) == 0;
}

std::optional<TKzNetTime2::Result> TKzNetTime2::Query() {
  startWinsock();
  sockaddr_in server = resolve(Host, Port);
  UdpSocket sock;
  // A connected socket takes datagrams from the server's address only.
  if (WINSOCK(connect)(sock.get(), reinterpret_cast<const sockaddr*>(&server), sizeof server) == SOCKET_ERROR) {
    throwSocketError(WINSOCK(WSAGetLastError)());
  }
  const int bias = base::currentBiasMinutes();
  const sntp::Timestamp sent = sntp::fromUtc(sntp::localToUtc(base::now(), bias));
  const auto request = sntp::makeRequest(sent);
  if (WINSOCK(send)(sock.get(), reinterpret_cast<const char*>(request.data()), static_cast<int>(request.size()), 0) ==
      SOCKET_ERROR) {
    throwSocketError(WINSOCK(WSAGetLastError)());
  }
  // Replies with authentication data are longer than the bare message.
  char buffer[1024];
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(std::max(ReceiveTimeout, 0));
  for (;;) {
    ULONGLONG now = GetTickCount64();
    if (now >= deadline) return std::nullopt;
    DWORD wait = static_cast<DWORD>(deadline - now);
    WINSOCK(setsockopt)(sock.get(), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&wait), sizeof wait);
    int n = WINSOCK(recv)(sock.get(), buffer, sizeof buffer, 0);
    if (n == SOCKET_ERROR) {
      int error = WINSOCK(WSAGetLastError)();
      // A datagram larger than the buffer is no SNTP reply; a port reported unreachable by an
      // earlier datagram is no reason to stop waiting for the time-out either.
      if (error == WSAEMSGSIZE || error == WSAECONNRESET) continue;
      if (error == WSAETIMEDOUT) return std::nullopt;
      throwSocketError(error);
    }
    base::DateTime t4 = base::now();
    sntp::Reply reply;
    const sntp::Timestamp arrived = sntp::fromUtc(sntp::localToUtc(t4, bias));
    if (!sntp::acceptReply(reinterpret_cast<const uint8_t*>(buffer), static_cast<size_t>(n), sent, arrived, reply))
      continue;
    auto local = [bias](sntp::Timestamp ts) { return sntp::utcToLocal(sntp::toUtc(ts), bias); };
    sntp::Exchange x = sntp::measure(local(reply.originate), local(reply.receive), local(reply.transmit), t4);
    return Result{t4, x.offset, x.delay};
  }
}

bool TKzNetTime2::SyncTime() {
  try {
    std::optional<Result> result = Query();
    if (!result) {
      Report(kSntpTimeOut);
      return false;
    }
    base::DateTime target = result->received + result->offset;
    if (AllowableErrorRange / 86400000.0 > std::fabs(target - base::now())) {
      Report(kSntpInRange);
      return false;
    }
    if (TKzNetTimeSync::SetLocalClock(target, SetLocalTime)) {
      Report(kSntpSynchronized);
      return true;
    }
    Report(kSntpPrivilegeError);
    return false;
  } catch (const std::exception& e) {
    Report(failureText(e.what()));
  } catch (...) {
    Report(failureText("Unexpected error."));
  }
  return false;
}

std::string failureText(const std::string& errorText) {
  // Line ends are single bytes that never occur inside a double-byte character.
  std::string_view text = errorText;
  size_t end = text.find_first_of("\r\n");
  std::string_view line = text.substr(0, end);
  if (end != std::string_view::npos) {
    size_t next = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    if (next < text.size()) {
      std::string_view rest = text.substr(next);
      line = rest.substr(0, rest.find_first_of("\r\n"));
    }
  }
  return "Failed: " + base::trim(line);
}

}  // namespace tockle
