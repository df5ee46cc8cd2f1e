#include "shared/file_drop.h"

#include <shellapi.h>

#include <exception>
#include <stdexcept>

#include "base/text.h"
#include "ui/app.h"
#include "ui/msgbox.h"

namespace shared {

namespace {
const wchar_t kSelfProp[] = L"TFileDrop.self";
}

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

TFileDrop::TFileDrop(HWND owner) : owner_(owner) {
  // As the application shows any error: a box under the application's title.
  ShowError = [](std::string_view message) {
    ui::messageBox(nullptr, message, ui::Application::instance().title(), MB_OK | MB_ICONERROR);
  };
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

void TFileDrop::Hook() {
  HWND hwnd = target();
  if (!hwnd || !IsWindow(hwnd)) throw std::runtime_error("Invalidate Window Handle in FileDrop");
  hooked_ = hwnd;
  SetPropW(hwnd, kSelfProp, this);
  previous_ =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TFileDrop::thunk)));
  DragAcceptFiles(hwnd, accept_);
}

void TFileDrop::Unhook() {
  if (!hooked_) return;
  // Only our own procedure is taken out again; a window that was re-created meanwhile (or
  // subclassed after us) runs what it runs now.
  if (hooked_ == target() && IsWindow(hooked_) &&
      GetWindowLongPtrW(hooked_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TFileDrop::thunk)) {
    SetWindowLongPtrW(hooked_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropW(hooked_, kSelfProp);
  }
  hooked_ = nullptr;
}

void TFileDrop::Notification() {
  if (hooked_ && IsWindow(hooked_)) {
    SetWindowLongPtrW(hooked_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropW(hooked_, kSelfProp);
  }
  if (hooked_ == control_) {
    control_ = nullptr;
    accept_ = false;
  }
  hooked_ = nullptr;
}

LRESULT CALLBACK TFileDrop::thunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<TFileDrop*>(GetPropW(hwnd, kSelfProp));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  return self->windowProc(hwnd, msg, wp, lp);
}

LRESULT TFileDrop::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DROPFILES) {
    auto drop = reinterpret_cast<HDROP>(wp);
    try {
      DoDropFiles(drop);
    } catch (const std::exception& e) {
      ui::guarded([&] {
        if (ShowError) ShowError(e.what());
      });
    } catch (...) {
      ui::guarded([&] {
        if (ShowError) ShowError("Error in file drop");
      });
    }
    DragFinish(drop);
    return 0;
  }
  WNDPROC previous = previous_;
  if (msg == WM_NCDESTROY) Notification();
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

void TFileDrop::DoDropFiles(HDROP drop) {
  if (!OnFileDrop) return;
  POINT pt{};
  DragQueryPoint(drop, &pt);
  std::vector<std::string> files = dropFileNames(drop);
  OnFileDrop(*this, static_cast<int>(files.size()), files, pt.x, pt.y);
}

}  // namespace shared
