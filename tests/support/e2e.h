// End-to-end helpers: start a real program copied into a fresh folder, find its windows by their
// exact titles, capture windows to PNG, clean registry keys.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/handles.h"
#include "support/temp_folder.h"
#include "support/wait.h"

namespace test {

// Every top-level window, in Z order; every descendant of a window (the controls of a dialog's
// pages too). Lists, so that a test filters them with a plain loop instead of a callback.
std::vector<HWND> topLevelWindows();
std::vector<HWND> descendants(HWND parent);
// The first descendant with this control id (page control ids are unique in a dialog), or nullptr.
HWND descendantById(HWND parent, int id);
// A control's text through WM_GETTEXT, which reaches another program's control (GetWindowText
// gives nothing of another program's edit box).
std::string controlText(HWND control);

// Top-level windows with exactly this title (CP932).
std::vector<HWND> windowsTitled(const std::string& title);
HWND findWindow(const std::string& title);
std::string windowTitle(HWND hwnd);

// A visible pop-up menu window of the process, or nullptr (the menu's items cannot be read from
// another process under Wine, but its window can be found).
HWND visibleMenuOf(DWORD pid);

// The texts of a dialog's children (a message box's text and buttons), each followed by '|'.
std::string dialogText(HWND dialog);
// Waits until the dialog's texts hold `text`: a message box gets its title before its text and
// buttons, so a box found by its title may still be empty.
bool dialogShows(HWND dialog, const std::string& text);

// A value of an INI file (the clock's "_alarm3") as the program left it; "<none>" when missing.
std::string profileValue(const std::string& file, const std::string& section, const std::string& key);

// Deletes a registry key under HKEY_CURRENT_USER with everything below it.
void deleteUserKey(const std::string& path);

// Keeps the clock, from its next start, clear of Wine's stand-alone tray window (there is no
// window manager here): that window shows in the screen's top-left corner, the clock's default
// place, once a tray icon is added, and takes the foreground when a dialog of the clock closes; the
// focus then passing back to the clock on a click can cancel the menu the click opens. The clock
// is placed elsewhere and shows no tray icon.
void keepClockClearOfTray();
// What decides where input goes, for a failure message: the cursor and the window under it, the
// foreground, and the window's thread (active, focus, capture, menu and move modes).
std::string inputState(HWND window);

// The pixels of a part of the screen (0x00RRGGBB, top-down rows); empty when the copy failed.
std::vector<uint32_t> screenPixels(const RECT& screen);

// Has the window paint itself, then copies its pixels from the screen into a PNG in the
// test-results folder; returns the file's path, or "" when the capture failed.
std::string captureWindow(HWND hwnd, const std::string& pngName);

// A system menu file ("_system3") of top-level entries and submenus: command number above 0,
// 0 for a submenu, -1 for a separator (caption "-"); parent "nil" for the top level.
struct SystemMenuEntry {
  std::string parent;
  std::string caption;
  int command;
};
std::string systemMenuFile(const std::vector<SystemMenuEntry>& entries);

// A program under test, run from its own temporary folder. The folder starts with the shipped
// command list and a small system menu file, so that the clock starts without its error box.
class ProgramRun {
 public:
  // Copies exeName from the folder of the test programs into a fresh temporary folder.
  explicit ProgramRun(const std::string& exeName);
  ~ProgramRun();  // ends the program if it still runs

  const std::string& folder() const { return folder_.path(); }
  std::string path(const std::string& name) const { return folder_.file(name); }
  // Puts a file beside the program.
  void writeFile(const std::string& name, const std::string& bytes) const;

  bool start(const std::string& arguments = "");
  // Waits for a top-level window with this title that belongs to the program.
  HWND waitForWindow(const std::string& title, DWORD timeoutMs = 15000) const;
  // The same for a dialog, once it is shown: a dialog has its title before its controls and pages
  // are made, and shows only after that.
  HWND waitForDialog(const std::string& title, DWORD timeoutMs = 15000) const;
  bool running() const;
  // Waits for the program to end; its exit code when it did.
  bool waitExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
  DWORD processId() const { return pid_; }
  // Whether it runs or how it ended, its visible windows' titles and any other program's window
  // with its main title: for a failure message.
  std::string state(const std::string& mainTitle = {}) const;
  // Visible top-level windows of the program other than `except` (error boxes and the like).
  int visibleWindowsBesides(HWND except) const;
  // Closes the window with this title and waits for the program to end (ends it after 10 s).
  void close(const std::string& mainTitle);

 private:
  TempFolder folder_;
  std::string exe_;
  base::KernelHandle process_;
  DWORD pid_ = 0;
  DWORD startError_ = 0;  // why the last start failed
};

// Starts a process of a program already copied somewhere, in its folder; an empty handle if it could not.
base::KernelHandle startProcess(const std::string& exePath, const std::string& arguments);
// Starts a second process of a program already copied somewhere and waits for it to end.
bool runAndWait(const std::string& exePath, const std::string& arguments, DWORD timeoutMs, DWORD* exitCode);
// Starts a second copy of run's program from its folder at once and waits until one of the two has
// ended: whichever took the single instance first stays, the other hands over and ends. Gives the
// ended one's exit code; the second's process is left in `second` (false when neither ended).
bool secondQuickStart(const ProgramRun& run, const std::string& exeName, DWORD* exitCode, base::KernelHandle& second);

}  // namespace test
