#include "support/e2e.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "shared/stretchable_file.h"
#include "support/png.h"

namespace test {

std::string windowTitle(HWND hwnd) {
  wchar_t buf[512];
  int n = GetWindowTextW(hwnd, buf, 512);
  return base::cp932(std::wstring_view(buf, static_cast<size_t>(n > 0 ? n : 0)));
}

namespace {
BOOL CALLBACK collect(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}
DWORD processOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}
}  // namespace

std::vector<HWND> topLevelWindows() {
  std::vector<HWND> all;
  EnumWindows(collect, reinterpret_cast<LPARAM>(&all));
  return all;
}

std::vector<HWND> descendants(HWND parent) {
  std::vector<HWND> all;
  EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&all));
  return all;
}

HWND descendantById(HWND parent, int id) {
  for (HWND h : descendants(parent))
    if (GetDlgCtrlID(h) == id) return h;
  return nullptr;
}

std::string controlText(HWND control) {
  std::wstring text(static_cast<size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  LRESULT n = SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(n > 0 ? n : 0));
  return base::cp932(text);
}

std::vector<HWND> windowsTitled(const std::string& title) {
  std::vector<HWND> found;
  for (HWND h : topLevelWindows())
    if (windowTitle(h) == title) found.push_back(h);
  return found;
}

std::string dialogText(HWND dialog) {
  std::string all;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) all += windowTitle(c) + "|";
  return all;
}

std::string profileValue(const std::string& file, const std::string& section, const std::string& key) {
  wchar_t buf[2048];
  GetPrivateProfileStringW(base::wide(section).c_str(), base::wide(key).c_str(), L"<none>", buf, 2048,
                           base::wide(file).c_str());
  return base::cp932(buf);
}

bool dialogShows(HWND dialog, const std::string& text) {
  return waitUntil([&] { return dialogText(dialog).find(text) != std::string::npos; });
}

HWND findWindow(const std::string& title) { return FindWindowW(nullptr, base::wide(title).c_str()); }

void deleteUserKey(const std::string& path) {
  RegDeleteTreeW(HKEY_CURRENT_USER, base::wide(path).c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, base::wide(path).c_str());
}

void keepClockClearOfTray() {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Quorvane\\Tockle3", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  for (auto [name, value] : {std::pair<const wchar_t*, DWORD>{L"ClockLeft", 200}, {L"ClockTop", 200}, {L"InTray", 0}})
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

std::string inputState(HWND window) {
  auto name = [](HWND h) {
    char buf[32];
    snprintf(buf, sizeof buf, "%p", static_cast<void*>(h));
    std::string text = buf;
    if (h) text += " \"" + windowTitle(h) + "\"";
    return text;
  };
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT r{};
  GetWindowRect(window, &r);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  char head[160];
  snprintf(head, sizeof head, "cursor %ld,%ld; window %ld,%ld-%ld,%ld visible %d enabled %d; thread flags %#lx",
           cursor.x, cursor.y, r.left, r.top, r.right, r.bottom, IsWindowVisible(window), IsWindowEnabled(window),
           static_cast<unsigned long>(info.flags));
  return std::string(head) + "; under the cursor " + name(WindowFromPoint(cursor)) + "; foreground " +
         name(GetForegroundWindow()) + "; active " + name(info.hwndActive) + "; focus " + name(info.hwndFocus) +
         "; capture " + name(info.hwndCapture) + "; menu owner " + name(info.hwndMenuOwner) + "; moving " +
         name(info.hwndMoveSize);
}

std::string captureWindow(HWND hwnd, const std::string& pngName) {
  // The window paints itself now (the paint message is sent, and answered before this returns).
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT r{};
  if (!GetWindowRect(hwnd, &r)) return {};
  const std::vector<uint32_t> pixels = screenPixels(r);
  if (pixels.empty()) return {};
  std::string path = resultsFolder() + pngName;
  return writePng(path, pixels.data(), r.right - r.left, r.bottom - r.top) ? path : std::string();
}

std::vector<uint32_t> screenPixels(const RECT& r) {
  int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return {};
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  base::MemDc mem(CreateCompatibleDC(screen));
  base::GdiBitmap bmp(CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  bool ok = false;
  {
    base::SelectGuard sel(mem.get(), bmp.get());
    ok = BitBlt(mem.get(), 0, 0, w, h, screen, r.left, r.top, SRCCOPY) != 0;
  }
  ReleaseDC(nullptr, screen);
  if (!ok || !bits) return {};
  GdiFlush();
  const auto* first = static_cast<const uint32_t*>(bits);
  return std::vector<uint32_t>(first, first + static_cast<size_t>(w) * static_cast<size_t>(h));
}

std::string systemMenuFile(const std::vector<SystemMenuEntry>& entries) {
  using shared::TKzStretchableFileOperation;
  shared::TMemoryStream stream;
  for (const auto& e : entries) {
    int icon = e.command > 0 ? 1 : e.command == 0 ? 0 : 2;
    TKzStretchableFileOperation::WriteString(stream, e.parent);
    TKzStretchableFileOperation::WriteString(stream, e.caption);
    TKzStretchableFileOperation::WriteInteger(stream, icon);
    TKzStretchableFileOperation::WriteInteger(stream, icon);
    TKzStretchableFileOperation::WriteInteger(stream, e.command);
  }
  return stream.Bytes();
}

HWND visibleMenuOf(DWORD pid) {
  for (HWND h : topLevelWindows()) {
    wchar_t cls[32];
    if (processOf(h) == pid && IsWindowVisible(h) && GetClassNameW(h, cls, 32) && std::wstring(cls) == L"#32768")
      return h;
  }
  return nullptr;
}

ProgramRun::ProgramRun(const std::string& exeName) : exe_(exeName) {
  std::string from = base::programFolder() + exeName;
  CopyFileW(base::wide(from).c_str(), base::wide(folder_.file(exeName)).c_str(), FALSE);
  // The command list the build puts beside the programs goes along.
  CopyFileW(base::wide(base::programFolder() + "_command").c_str(), base::wide(folder_.file("_command")).c_str(),
            FALSE);
  // The clock stops its start-up at an error box without a system menu file.
  writeFile("_system3", systemMenuFile({{"nil", "環境設定(&O)"_sj, 8}, {"nil", "-", -1}, {"nil", "終了(&X)"_sj, 22}}));
}

ProgramRun::~ProgramRun() {
  if (running()) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

void ProgramRun::writeFile(const std::string& name, const std::string& bytes) const {
  base::writeFileAtomic(folder_.file(name), bytes);
}

bool ProgramRun::start(const std::string& arguments) {
  std::wstring cmd = L"\"" + base::wide(folder_.file(exe_)) + L"\"";
  if (!arguments.empty()) cmd += L" " + base::wide(arguments);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring dir = base::wide(folder_.path());
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi)) {
    startError_ = GetLastError();
    return false;
  }
  CloseHandle(pi.hThread);
  process_.reset(pi.hProcess);
  pid_ = pi.dwProcessId;
  return true;
}

HWND ProgramRun::waitForWindow(const std::string& title, DWORD timeoutMs) const {
  HWND found = nullptr;
  waitUntil(
      [&] {
        for (HWND h : windowsTitled(title)) {
          if (processOf(h) == pid_) {
            found = h;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return found;
}

HWND ProgramRun::waitForDialog(const std::string& title, DWORD timeoutMs) const {
  HWND dialog = waitForWindow(title, timeoutMs);
  return dialog && waitUntil([&] { return IsWindowVisible(dialog) != 0; }, timeoutMs) ? dialog : nullptr;
}

bool ProgramRun::running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

bool ProgramRun::waitExit(DWORD timeoutMs, DWORD* exitCode) const {
  if (!process_) return false;
  if (!waitUntil([&] { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }, timeoutMs)) return false;
  if (exitCode) GetExitCodeProcess(process_.get(), exitCode);
  return true;
}

int ProgramRun::visibleWindowsBesides(HWND except) const {
  int count = 0;
  for (HWND h : topLevelWindows())
    if (processOf(h) == pid_ && h != except && IsWindowVisible(h)) ++count;
  return count;
}

std::string ProgramRun::state(const std::string& mainTitle) const {
  DWORD code = 0;
  std::string text = running() ? "running"
                     : process_ && GetExitCodeProcess(process_.get(), &code)
                         ? "ended with code " + std::to_string(code)
                         : "not started (error " + std::to_string(startError_) + ")";
  // Its visible windows, and another program's window with its main title.
  for (HWND h : topLevelWindows()) {
    const DWORD pid = processOf(h);
    const std::string title = windowTitle(h);
    if (pid == pid_ && IsWindowVisible(h)) text += "; window \"" + title + "\"";
    if (pid != pid_ && !mainTitle.empty() && title == mainTitle)
      text += "; process " + std::to_string(pid) + " has a window \"" + title + "\"";
  }
  return text;
}

void ProgramRun::close(const std::string& mainTitle) {
  if (!running()) return;
  if (HWND w = waitForWindow(mainTitle, 0)) PostMessageW(w, WM_CLOSE, 0, 0);
  if (!waitExit(10000)) TerminateProcess(process_.get(), 1);
}

base::KernelHandle startProcess(const std::string& exePath, const std::string& arguments) {
  std::wstring cmd = L"\"" + base::wide(exePath) + L"\"";
  if (!arguments.empty()) cmd += L" " + base::wide(arguments);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring dir = base::wide(base::extractFolder(exePath));
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi)) return {};
  CloseHandle(pi.hThread);
  return base::KernelHandle(pi.hProcess);
}

bool runAndWait(const std::string& exePath, const std::string& arguments, DWORD timeoutMs, DWORD* exitCode) {
  base::KernelHandle process = startProcess(exePath, arguments);
  if (!process) return false;
  if (!waitUntil([&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; }, timeoutMs)) {
    TerminateProcess(process.get(), 1);
    return false;
  }
  if (exitCode) GetExitCodeProcess(process.get(), exitCode);
  return true;
}

bool secondQuickStart(const ProgramRun& run, const std::string& exeName, DWORD* exitCode, base::KernelHandle& second) {
  second = startProcess(run.path(exeName), "");
  if (!second) return false;
  auto ended = [&] { return WaitForSingleObject(second.get(), 0) == WAIT_OBJECT_0; };
  if (!waitUntil([&] { return ended() || !run.running(); }, 15000)) return false;
  if (ended()) return GetExitCodeProcess(second.get(), exitCode) != FALSE;
  return run.waitExit(0, exitCode);
}

}  // namespace test
