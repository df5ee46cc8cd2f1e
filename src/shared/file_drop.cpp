#include "shared/file_drop.h"

#include <shellapi.h>

#include <exception>
#include <stdexcept>

#include "base/text.h"
#include "shared/prompts.h"
#include "ui/app.h"

namespace shared {

std::vector<std::string> dropFileNames(HDROP drop) {
  std::vector<std::string> names;
  UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // Asking for the length first: a long path is never cut at a fixed buffer size.
    UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    UINT got = DragQueryFileW(drop, i, name.data(), length + 1);
    name.resize(got);
    names.push_back(base::cp932(name));
  }
  return names;
}

TFileDrop::TFileDrop(HWND owner) : owner_(owner) {}

void TFileDrop::ShowError(std::string_view message) {
  // As the application shows any error: a box under the application's title.
  shared::prompts().ask(nullptr, message, ui::Application::instance().title(), MB_OK | MB_ICONERROR);
}

TFileDrop::~TFileDrop() {
  try {
    Unhook();
  } catch (...) {
  }
}

void TFileDrop::SetAccept(bool on) {
  if (on == accept_) return;
  accept_ = on;
  if (hooked_) DragAcceptFiles(hooked_, on);
}

void TFileDrop::SetControl(HWND control) {
  Unhook();
  control_ = control;
  Hook();
}

void TFileDrop::Loaded() {
  if (!control_) SetControl(nullptr);
}

void TFileDrop::loadedInForm() {
  if (!owner_ || !IsWindow(owner_)) throw std::runtime_error("Invalidate Window Handle in FileDrop");
  hooked_ = owner_;
  DragAcceptFiles(owner_, accept_);
}

bool TFileDrop::formMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  return hooked_ == owner_ && hooked_ && windowProc(msg, wp, lp, result);
}

void TFileDrop::Hook() {
  HWND hwnd = target();
  if (!hwnd || !IsWindow(hwnd)) throw std::runtime_error("Invalidate Window Handle in FileDrop");
  hooked_ = hwnd;
  subclass_.attach(hwnd,
                   [this](UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return windowProc(msg, wp, lp, result); });
  DragAcceptFiles(hwnd, accept_);
}

void TFileDrop::Unhook() {
  if (!hooked_) return;
  subclass_.detach();
  hooked_ = nullptr;
}

void TFileDrop::Notification() {
  if (hooked_ == control_) {
    control_ = nullptr;
    accept_ = false;
  }
  hooked_ = nullptr;
}

bool TFileDrop::windowProc(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_NCDESTROY) {
    Notification();
    return false;
  }
  if (msg != WM_DROPFILES) return false;
  auto drop = reinterpret_cast<HDROP>(wp);
  try {
    DoDropFiles(drop);
  } catch (const std::exception& e) {
    ui::guarded([&] { ShowError(e.what()); });
  } catch (...) {
    ui::guarded([&] { ShowError("Error in file drop"); });
  }
  DragFinish(drop);
  result = 0;
  return true;
}

void TFileDrop::DoDropFiles(HDROP drop) {
  if (!OnFileDrop) return;
  POINT pt{};
  DragQueryPoint(drop, &pt);
  std::vector<std::string> files = dropFileNames(drop);
  OnFileDrop(*this, static_cast<int>(files.size()), files, pt.x, pt.y);
}

}  // namespace shared
