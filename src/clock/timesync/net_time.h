// The SNTP client of the clock: checks that the PC is connected, asks a time server once and sets
// the PC's clock when it is off by more than the allowed range. Each attempt ends in one outcome
// text, reported through OnSNTPReceived.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "base/datetime.h"

namespace tockle {

// Outcome texts of an attempt.
inline constexpr char kSntpConnecting[] = "Connect...";
inline constexpr char kSntpNoConnection[] = "Failed: No Connection";
inline constexpr char kSntpTimeOut[] = "Failed: Time Out";
inline constexpr char kSntpInRange[] = "Allowable Error Range";
inline constexpr char kSntpSynchronized[] = "Clock Synchronized";
inline constexpr char kSntpPrivilegeError[] = "Failed: Privilege-related Error";

// A failure of the network calls; the text's first line names the error code, the second says
// what went wrong.
class NetTimeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Sets the local clock; returns whether it was set. The one call that changes the PC, replaced
// in tests.
using LocalTimeSetter = std::function<bool(const SYSTEMTIME& localTime)>;

class TKzNetTimeSync {
 public:
  // Enables a named privilege in the process token (it stays enabled). False when the token
  // cannot be opened, the name is unknown, or the privilege was not granted.
  static bool EnablePrivilege(const std::string& name);
  // Sets the local clock to `target` with the system-time privilege enabled for the call.
  static bool SetLocalClock(base::DateTime target, const LocalTimeSetter& setter);
};

class TKzNetTime2 {
 public:
  TKzNetTime2();

  std::string Host;
  unsigned short Port = 123;
  int ReceiveTimeout = 750;       // ms
  int AllowableErrorRange = 200;  // ms
  std::function<void(TKzNetTime2& sender, const std::string& msg)> OnSNTPReceived;
  LocalTimeSetter SetLocalTime;

  // True when the dial-up library reports a connected entry, or when the PC has no usable
  // dial-up library at all.
  bool IsDialUpConnected();
  // True when the system's offline flag says online; False without URL.DLL.
  bool IsOnline();
  // One query and, when needed, the clock set; True only when the clock was set.
  bool SyncTime();

  // What a trusted reply said, in local date-times.
  struct Result {
    base::DateTime received;  // T4
    double offset;            // days to add to the local clock
    double delay;             // round trip, days
  };
  // Sends one request and waits at most ReceiveTimeout ms for a reply that answers it; none when
  // nothing acceptable came. Throws NetTimeError when the host cannot be resolved or reached.
  std::optional<Result> Query();

 private:
  void Report(const std::string& msg);
};

// "Failed: " and the error's text: its second line when it has more than one, else its first.
std::string failureText(const std::string& errorText);

}  // namespace tockle
