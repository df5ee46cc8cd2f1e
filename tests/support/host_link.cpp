#include "support/host_link.h"

#include <windows.h>

#include "base/text.h"
#include "support/wait.h"

namespace test {

namespace {

std::wstring fromUtf8(const std::string& s) {
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

// Wine's own export: the host's path of a Windows path (UTF-8, on the process heap).
std::string hostPath(const std::string& path) {
  using ToUnix = char*(CDECL*)(const wchar_t*);
  auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  char* unix = toUnix(base::wide(path).c_str());
  if (!unix) return {};
  std::string out = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return out;
}

}  // namespace

bool makeSymbolicLink(const std::string& link, const std::string& target) {
  std::string from = hostPath(target), to = hostPath(link);
  if (from.empty() || to.empty()) return false;
  std::wstring command = L"\"Z:\\bin\\ln\" -s \"" + fromUtf8(from) + L"\" \"" + fromUtf8(to) + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(L"Z:\\bin\\ln", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  // Wine hands back no handle to wait on for a host program: the link itself is waited for.
  if (pi.hThread) CloseHandle(pi.hThread);
  if (pi.hProcess) CloseHandle(pi.hProcess);
  std::wstring path = base::wide(link);
  return waitUntil([&] { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

}  // namespace test
