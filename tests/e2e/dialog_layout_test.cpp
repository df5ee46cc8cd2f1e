// Every dialog template of both programs, laid out by Windows from the shipped exe's own
// resources in the dialog's own font: each caption shows whole. One picture of each goes to
// test-results\dialogs, so that a reader sees every window in one folder.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "support/caption_fit.h"
#include "support/e2e.h"
#include "ui/common_controls.h"

namespace {

BOOL CALLBACK collectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) {
  // Only numbered templates: a named one would need its name kept past this call.
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<WORD>*>(list)->push_back(LOWORD(name));
  return TRUE;
}

INT_PTR CALLBACK plainDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The template's style: a page (a child) is shown inside a window of its own.
DWORD templateStyle(HMODULE exe, WORD id) {
  HRSRC found = FindResourceW(exe, MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(RT_DIALOG));
  const auto* words = static_cast<const WORD*>(LockResource(LoadResource(exe, found)));
  if (!words) return 0;
  const bool extended = words[1] == 0xFFFF;  // DLGTEMPLATEEX: version, signature, help id, ex-style, style
  return extended ? *reinterpret_cast<const DWORD*>(words + 6) : *reinterpret_cast<const DWORD*>(words);
}

class DialogLayout : public testing::TestWithParam<const char*> {};

TEST_P(DialogLayout, EveryCaptionOfEveryTemplateShowsWhole) {
  ui::initCommonControls();
  const std::string exeName = GetParam();
  base::Library exe(
      LoadLibraryExW(base::wide(base::programFolder() + exeName).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(exe.get()) << exeName;
  std::vector<WORD> ids;
  EnumResourceNamesW(exe.get(), reinterpret_cast<LPCWSTR>(RT_DIALOG), collectName, reinterpret_cast<LONG_PTR>(&ids));
  ASSERT_GT(ids.size(), 3u);
  for (WORD id : ids) {
    const std::string name = exeName.substr(0, exeName.find('.')) + "-" + std::to_string(id);
    HWND host = nullptr;
    if (templateStyle(exe.get(), id) & WS_CHILD) {
      host =
          CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_BORDER, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    }
    HWND dialog = CreateDialogParamW(exe.get(), MAKEINTRESOURCEW(id), host, plainDialog, 0);
    ASSERT_TRUE(dialog) << name << " error " << GetLastError();
    for (const auto& cut : test::cutCaptions(dialog)) ADD_FAILURE() << name << ": " << cut;
    RECT r{};
    GetWindowRect(dialog, &r);
    HWND shown = host ? host : dialog;
    if (host) {
      SetWindowPos(host, HWND_TOP, 0, 0, r.right - r.left + 2, r.bottom - r.top + 2, SWP_SHOWWINDOW | SWP_NOACTIVATE);
      ShowWindow(dialog, SW_SHOWNA);
    } else {
      SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    EXPECT_NE(test::captureDialog(shown, name), "") << name;
    DestroyWindow(dialog);
    if (host) DestroyWindow(host);
  }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, DialogLayout, testing::Values("Tockle.exe", "Memo.exe"));

}  // namespace
