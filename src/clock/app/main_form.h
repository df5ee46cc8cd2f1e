// The clock's main window: one borderless, always-on-top window that shows the clock face.
// Start-up and tick live in main_form.cpp, the commands and the ways in in main_form_commands.cpp,
// the settings' application in main_form_settings.cpp, the cursor-driven transparency and hiding in
// main_form_hover.cpp. The clipboard capture, the alarms, the launcher and the power operations are
// areas of their own: each owns its state and timers and binds its own commands.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/datetime.h"
#include "clock/app/vendrel.h"
#include "clock/commands/commands.h"
#include "clock/commands/execute_apps.h"
#include "clock/commands/hot_key.h"
#include "clock/commands/system_menu.h"
#include "clock/face/clock_face.h"
#include "clock/power/battery.h"
#include "clock/settings/clock_settings.h"
#include "clock/settings/settings_store.h"
#include "clock/timesync/net_time.h"
#include "clock/tray/tray_frames.h"
#include "clock/tray/tray_icon.h"
#include "ui/command_table.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace tockle {

class TfrmConfig;
class AlarmArea;
class ClipboardArea;
class LauncherArea;
class PowerArea;

// Titles other instances and the memo program search for.
inline constexpr char kMainTitle[] = "Tockle 3 for Windows 9x/NT by Ruxel";
inline constexpr char kAppTitle[] = "Tockle 3 for Windows 9x/NT";
inline constexpr char kPreviousVersionTitle[] = "Tockle2MainWindow";

class TfrmMain : public ui::Form {
 public:
  TfrmMain();
  ~TfrmMain() override;

  // The areas the window delegates to.
  ClipboardArea& clipboard() { return *clipboard_; }
  AlarmArea& alarms() { return *alarms_; }
  LauncherArea& launcher() { return *launcher_; }
  PowerArea& power() { return *power_; }

  // Where the program keeps its data files (its own folder, with a trailing backslash).
  std::string ProgramFolder;
  // The first command-line argument ("/delayed-icon:N").
  std::string FirstArgument;

  // Creates the window; FormCreate runs the whole start-up.
  bool Create();

  // Components.
  ui::Timer tmrClock{500, true};
  ui::Timer tmrMessage{2000, false};
  ui::Timer tmrDelayedTrayIcon{0, false};
  ui::Timer tmrControlTransparent{3000, false};
  ui::Timer tmrCheckCursorPos{100, false};
  ui::Timer tmrShowAgain{5000, false};
  // Never shown: carries the clock's font and background colour, given them from Settings.
  struct {
    ui::Font Font{"MS UI Gothic", 9};
    ui::Color Color = ui::systemColor(COLOR_BTNFACE);
  } lblClock;
  TTimeClock tmeMain;
  THookHotKey hkHotKey{this};
  // The pop-up system menu, built from "_system3", and its pictures (shown while SystemIcon).
  TMenuItem ppmSystem;
  TMenuImages iglSystem{TMenuImages::SystemMenu};
  // The seam before the shell starts: 0 when it started, else the shell's error number.
  std::function<int(HWND owner, const std::string& file, const std::string& params, const std::string& folder)>
      ShellOpen = shellOpen;
  // The animation frames outlive the tray icon that shows them.
  TrayFrames iglAnimate;
  TTrayIcon triIcon{this};
  TKzNetTime2 ntNetTime;

  // The registration with an external update checker, written as the window is created.
  TKzVendrel KzVendrel1;

  TClockSettings Settings;
  // Where the settings are stored, and the previous version's key they can be taken over from
  // (tests point both at keys of their own).
  std::string RegistryKey = "Software\\Quorvane\\Tockle3";
  std::string PreviousRegistryKey = "Software\\Quorvane\\Tockle2";
  // The battery state shown by "#b" (tests choose it).
  PowerStatusSource ReadPowerStatus = SystemPowerStatus;
  // The clock text's font while "#b" colours it: the label's font in the battery's colour, so the
  // user's own font colour is never replaced.
  ui::Font BatteryFont;

  // Run-time state.
  std::string StatusText;
  std::string BatteryText;
  ui::Bitmap OffscreenBitmap;
  int HoldX = 0, HoldY = 0;
  int HoldCount = 0;
  // The text of the last alarm request, for the new alarm's message box of the settings dialog.
  std::string AlarmRequestText;
  // An alarm request that came while another modal window was open: the settings dialog opens on
  // it as soon as that window has closed.
  std::optional<std::string> PendingAlarmRequest;
  // Set when start-up found another running clock: nothing further starts, nothing is saved.
  bool SecondInstance = false;

  void ShowClockMessage(bool show, bool persistent, const std::string& text);
  void UpdateClock();
  void ApplySettings(bool launcherChanged);
  void LoadSettings();
  // False when a value could not be written (what was written before it stays).
  bool SaveSettings();
  // Writes a settings value, with the window's place and size put into it; the window's own
  // Settings stay as they are.
  bool StoreSettings(TClockSettings& value);
  void MigrateLauncherSettings(const shared::TKzRegEx& previous);
  // Gives the clock face and the hidden label their kind, circle width, font and colour from
  // Settings (LoadSettings and ApplySettings do).
  void GiveClockFace();
  std::string FormatClockText(const std::string& format, base::DateTime time) const;
  // Alpha value for a transparency in percent (0 = opaque).
  static BYTE AlphaFor(int transparentPercent);
  // One time synchronisation with the given server, time-out and ignore range (ms); its progress
  // and outcome show in place of the clock.
  void SynchronizeTime(const std::string& server, int timeOut, int range);

  // Commands and input: a command runs its handler in the command table, unless a modal window
  // holds it back.
  void ExecuteCommand(int command);
  // Opens the settings dialog in a mode unless it is open already; the memo's alarm request gives
  // its new alarm alarmMessage, any other opening keeps the page's own default message.
  void OpenConfig(uint8_t mode, const std::optional<std::string>& alarmMessage = std::nullopt);
  void ExecuteApps(const std::string& list, const std::string& params, const std::string& folder);
  void LoadSystemMenu();
  void LoadHotKeys();
  void ppmSystemPopup();
  // The Win32 pop-up menu of ppmSystem as it shows now (marks and pictures included).
  base::Menu BuildSystemPopup();
  bool AppMessage(MSG& msg);
  void triIconMouseDown(TTrayIcon& sender, TrayButton button);
  void hkHotKeyHotKey(THookHotKey& sender, int index);
  LRESULT WMCopyData(const COPYDATASTRUCT* data);

  // Handlers.
  void FormCreate();
  void FormShow();
  void FormPaint();
  void FormResize();
  void FormMouseMove(ui::ShiftState shift, int x, int y);
  void FormDestroy();
  // What closing the clock leaves on disk: the history file deleted when the user asked for it,
  // the re-notification clean-up of the alarms, the general settings. The end of the session does
  // the same, as the program may be ended at any moment after it.
  void WriteOnExit();
  void tmrClockTimer();
  void tmrMessageTimer();
  void tmeMainClockResize(TTimeClock& sender, int& width, int& height);
  void tmrDelayedTrayIconTimer();
  void tmrControlTransparentTimer();
  void tmrCheckCursorPosTimer();
  void tmrShowAgainTimer();
  void triIconMouseMove(TTrayIcon& sender, ui::ShiftState shift, int x, int y);
  void WMPowerBroadcast();

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void PaintTo(HDC target, bool postAlarmCheck);
  void AskToClosePreviousVersion();
  // Shows or removes the tray icon; a failure is reported in a message box.
  void SetTrayIconVisible(bool visible);
  std::unique_ptr<ClipboardArea> clipboard_;
  std::unique_ptr<AlarmArea> alarms_;
  std::unique_ptr<LauncherArea> launcher_;
  std::unique_ptr<PowerArea> power_;
  // Commands and input.
  ui::CommandTable commands_;
  // The window's own commands; each area binds its own.
  void BindCommands();
  void PopupSystemMenu();
  void DragWindow();
  void FitWindowAgain();
  void RunTimeSync();
  // Opens the settings dialog on the alarm request kept while a modal window was open.
  void OpenPendingAlarmRequest();
  bool configOpen_ = false;
  // The settings dialog is open to make a missing "_system3".
  bool makingSystemMenu_ = false;
  // What is wrong with "_hot3" itself has been said (once per start).
  bool hotKeyFileReported_ = false;
  std::optional<TTimeClock::FrameKey> lastFrame_;
};

}  // namespace tockle
