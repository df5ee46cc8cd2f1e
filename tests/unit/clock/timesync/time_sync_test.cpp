// One synchronisation attempt as the clock runs it: the texts shown in place of the clock and the
// connection check before the query.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "base/handles.h"
#include "base/text.h"
#include "clock/timesync/net_time.h"
#include "clock/timesync/time_sync.h"
#include "unit/clock/timesync/sntp_responder.h"

namespace {

using test::Datagram;
using test::SntpResponder;
using tockle::SyncRequest;
using tockle::TKzNetTime2;

struct Shown {
  bool persistent;
  std::string text;
  bool operator==(const Shown&) const = default;
  friend void PrintTo(const Shown& s, std::ostream* os) { *os << (s.persistent ? "persistent " : "timed ") << s.text; }
};

struct Attempt {
  std::vector<Shown> shown;
  int requests = 0;
  bool set = false;
};

// The libraries a test run took away (WINEDLLOVERRIDES), as the ctest entry announces them.
bool librariesRemoved() {
  const char* v = std::getenv("TOCKLE_TEST_NO_NET_LIBRARIES");
  return v && std::string(v) == "1";
}

Attempt attempt(bool dialUp, int offsetMs = 5000, bool withServer = true) {
  Attempt a;
  SntpResponder server(
      [offsetMs](const Datagram& r) { return std::vector<Datagram>{test::serverReply(r, {.offsetMs = offsetMs})}; });
  TKzNetTime2 client;
  client.Port = server.port();
  client.SetLocalTime = [&a](const SYSTEMTIME&) { return a.set = true; };
  SyncRequest request{withServer ? "127.0.0.1" : "", 300, 200, dialUp};
  tockle::synchronizeTime(client, request, [&a](bool p, const std::string& t) { a.shown.push_back({p, t}); });
  a.requests = server.requests();
  return a;
}

TEST(TimeSync, EmptyServerShowsAndSendsNothing) {
  Attempt a = attempt(false, 5000, false);
  EXPECT_TRUE(a.shown.empty());
  EXPECT_EQ(a.requests, 0);
  EXPECT_FALSE(a.set);
}

TEST(TimeSync, ConnectingStaysUntilTheTimedOutcome) {
  if (librariesRemoved()) GTEST_SKIP();
  // The online check passes (the offline flag is clear), so the server is asked.
  Attempt a = attempt(false);
  std::vector<Shown> expected{{true, "Connect..."}, {false, "Clock Synchronized"}};
  EXPECT_EQ(a.shown, expected);
  EXPECT_TRUE(a.set);
}

TEST(TimeSync, DialUpCheckFailsWithoutAConnectedEntry) {
  if (librariesRemoved()) GTEST_SKIP();
  // The dial-up library is there and has no connection.
  Attempt a = attempt(true);
  std::vector<Shown> expected{{true, "Connect..."}, {false, "Failed: No Connection"}};
  EXPECT_EQ(a.shown, expected);
  EXPECT_EQ(a.requests, 0);
  EXPECT_FALSE(a.set);
}

TEST(TimeSyncWithoutLibraries, DialUpCheckPassesWithoutTheRasLibrary) {
  if (!librariesRemoved()) GTEST_SKIP() << "runs with RASAPI32.DLL and URL.DLL taken away";
  TKzNetTime2 client;
  EXPECT_TRUE(client.IsDialUpConnected());
  Attempt a = attempt(true);
  std::vector<Shown> expected{{true, "Connect..."}, {false, "Clock Synchronized"}};
  EXPECT_EQ(a.shown, expected);
  EXPECT_EQ(a.requests, 1);
}

TEST(TimeSyncWithoutLibraries, OnlineCheckFailsWithoutUrlDll) {
  if (!librariesRemoved()) GTEST_SKIP() << "runs with RASAPI32.DLL and URL.DLL taken away";
  TKzNetTime2 client;
  EXPECT_FALSE(client.IsOnline());
  Attempt a = attempt(false);
  std::vector<Shown> expected{{true, "Connect..."}, {false, "Failed: No Connection"}};
  EXPECT_EQ(a.shown, expected);
  EXPECT_EQ(a.requests, 0);
  EXPECT_FALSE(a.set);
}

TEST(TimeSync, FailureTextTakesTheSecondLineOfATwoLineError) {
  EXPECT_EQ(tockle::failureText("Socket Error # 11001\r\nHost not found."), "Failed: Host not found.");
  EXPECT_EQ(tockle::failureText("  Only one line  "), "Failed: Only one line");
  EXPECT_EQ(tockle::failureText("first\nsecond\nthird"), "Failed: second");
  EXPECT_EQ(tockle::failureText("first\r\n"), "Failed: first");
}

TEST(Privilege, UnknownPrivilegeNameFails) {
  EXPECT_FALSE(tockle::TKzNetTimeSync::EnablePrivilege("SeNoSuchPrivilege"));
}

TEST(Privilege, PrivilegeTheTokenLacksIsNotReportedAsEnabled) {
  // AdjustTokenPrivileges succeeds for a privilege the token does not hold; only its last error
  // says that nothing was granted.
  HANDLE raw = nullptr;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw));
  base::KernelHandle token(raw);
  DWORD size = 0;
  GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  ASSERT_TRUE(GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), size, &size));
  const auto* held = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
  for (const wchar_t* name : {L"SeCreateTokenPrivilege", L"SeTcbPrivilege", L"SeTrustedCredManAccessPrivilege",
                              L"SeRelabelPrivilege", L"SeAssignPrimaryTokenPrivilege", L"SeLockMemoryPrivilege"}) {
    LUID luid;
    if (!LookupPrivilegeValueW(nullptr, name, &luid)) continue;
    bool inToken = false;
    for (DWORD i = 0; i < held->PrivilegeCount; ++i) {
      const LUID& l = held->Privileges[i].Luid;
      if (l.LowPart == luid.LowPart && l.HighPart == luid.HighPart) inToken = true;
    }
    if (inToken) continue;
    EXPECT_FALSE(tockle::TKzNetTimeSync::EnablePrivilege(base::cp932(name))) << base::cp932(name);
    return;
  }
  GTEST_SKIP() << "the token holds every privilege tried";
}

TEST(Privilege, HeldPrivilegeIsEnabled) { EXPECT_TRUE(tockle::TKzNetTimeSync::EnablePrivilege("SeShutdownPrivilege")); }

}  // namespace
