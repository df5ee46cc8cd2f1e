#include "support/memo_e2e.h"

#include <commctrl.h>

#include "base/handles.h"
#include "base/text.h"
#include "memo/dialogs/new_wizard_ids.h"
#include "memo/document/welcome.h"
#include "shared/registry.h"

namespace memoe2e {

std::string statusText(HWND main) {
  HWND bar = FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
  DWORD pid = 0;
  GetWindowThreadProcessId(bar, &pid);
  base::KernelHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!bar || !process) return {};
  void* remote = VirtualAllocEx(process.get(), nullptr, 2048 * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE);
  if (!remote) return {};
  wchar_t text[2048] = {};
  DWORD_PTR ignored = 0;
  if (SendMessageTimeoutW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, 5000, &ignored))
    ReadProcessMemory(process.get(), remote, text, sizeof text - sizeof(wchar_t), nullptr);
  VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
  return base::cp932(text);
}

void setMemoFile(const std::string& path) { setSetting("MemoFile", path); }

std::string typeIIDocument(const std::string& tabs) {
  return "<!--Tavelo Document Type II-->\r\n<!--test-->\r\n<!--Begin Document-->\r\n" + tabs +
         "<!--End Document-->\r\n";
}

HWND editorOf(HWND main) { return FindWindowExW(main, nullptr, L"RichEdit20W", nullptr); }

void typeAtStart(HWND editor, const std::wstring& text) {
  SendMessageW(editor, EM_SETSEL, 0, 0);
  // Sent, not posted: each character is in the editor when its call returns.
  for (wchar_t c : text) SendMessageW(editor, WM_CHAR, c, 1);
}

void click(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool answerWizard(const test::ProgramRun& memo, const std::string& path) {
  HWND wizard = memo.waitForWindow("新規作成ウィザード"_sj);
  // The wizard fills its path box while it is created: type the path once it is shown.
  if (!wizard || !test::waitUntil([&] { return IsWindowVisible(wizard) != 0; })) return false;
  SetDlgItemTextW(wizard, IDC_WIZ_FILENAME, base::wide(path).c_str());
  click(wizard, IDC_WIZ_NEXT);  // to the format page
  if (!test::waitUntil([&] { return IsWindowEnabled(GetDlgItem(wizard, IDC_WIZ_PREVIOUS)) != 0; })) return false;
  click(wizard, IDC_WIZ_NEXT);  // Type II, done
  // The program makes and loads the new document after the wizard has gone, and answers sent
  // messages meanwhile: text typed before its welcome tab is shown would be replaced.
  return test::waitUntil([&] {
    HWND main = memo.waitForWindow(kTitle, 0);
    if (!main || IsWindow(wizard)) return false;
    wchar_t text[64] = {};
    SendMessageW(editorOf(main), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return base::cp932(text).find(memo::kWelcomeText) != std::string::npos;
  });
}

HWND startOn(test::ProgramRun& memo, const std::string& docName, const std::string& bytes) {
  memo.writeFile(docName, bytes);
  setMemoFile(memo.path(docName));
  if (!memo.start()) return nullptr;
  HWND main = memo.waitForWindow(kTitle);
  if (!main || !test::waitUntil([&] { return IsWindowVisible(main) != 0; })) return nullptr;
  return main;
}

void setSetting(const std::string& name, const std::string& value) {
  shared::TRegistry r;
  if (r.OpenKey(kKey, true)) r.WriteString(name, value);
}

HWND tabsOf(HWND main) { return FindWindowExW(main, nullptr, WC_TABCONTROLW, nullptr); }

std::vector<std::string> tabNames(HWND main) {
  // The strip lives in another process: each item is asked for into a buffer made there.
  std::vector<std::string> names;
  HWND tabs = tabsOf(main);
  DWORD pid = 0;
  GetWindowThreadProcessId(tabs, &pid);
  base::KernelHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process) return names;
  const SIZE_T size = sizeof(TCITEMW) + 512 * sizeof(wchar_t);
  void* remote = VirtualAllocEx(process.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  if (!remote) return names;
  int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote) + sizeof(TCITEMW));
    item.cchTextMax = 512;
    WriteProcessMemory(process.get(), remote, &item, sizeof item, nullptr);
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote));
    wchar_t text[512] = {};
    ReadProcessMemory(process.get(), item.pszText, text, sizeof text - sizeof(wchar_t), nullptr);
    names.push_back(base::cp932(text));
  }
  VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
  return names;
}

int selectedTab(HWND main) { return static_cast<int>(SendMessageW(tabsOf(main), TCM_GETCURSEL, 0, 0)); }

void pressKeys(HWND window, const std::vector<WORD>& keys) {
  SetForegroundWindow(window);
  // Keys reach the focus of the foreground thread: wait until the window is in front and its
  // thread has put the focus inside it (slow under load).
  test::waitUntil([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetForegroundWindow() == window && GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
           info.hwndFocus && GetAncestor(info.hwndFocus, GA_ROOT) == window;
  });
  std::vector<INPUT> inputs;
  for (WORD k : keys) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = k;
    inputs.push_back(in);
  }
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = *it;
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(in);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace memoe2e
