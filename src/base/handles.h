// Owning wrappers for Win32 handles: each closes its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace base {

template <typename H, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Traits::invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, Traits::invalid()));
    return *this;
  }
  ~UniqueHandle() { reset(); }

  H get() const { return h_; }
  explicit operator bool() const { return h_ != Traits::invalid(); }
  H release() { return std::exchange(h_, Traits::invalid()); }
  void reset(H h = Traits::invalid()) {
    if (h_ != Traits::invalid()) Traits::close(h_);
    h_ = h;
  }

 private:
  H h_ = Traits::invalid();
};

struct FileHandleTraits {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { CloseHandle(h); }
};
// A handle that is nullptr when there is none, closed by Close.
template <typename H, auto Close>
struct NullHandleTraits {
  static H invalid() { return nullptr; }
  static void close(H h) { Close(h); }
};
template <typename H, auto Close>
using NullHandle = UniqueHandle<H, NullHandleTraits<H, Close>>;

using FileHandle = UniqueHandle<HANDLE, FileHandleTraits>;  // CreateFile
using KernelHandle = NullHandle<HANDLE, &CloseHandle>;      // threads, events, processes
using GdiBitmap = NullHandle<HBITMAP, &DeleteObject>;
using GdiFont = NullHandle<HFONT, &DeleteObject>;
using GdiPen = NullHandle<HPEN, &DeleteObject>;
using GdiBrush = NullHandle<HBRUSH, &DeleteObject>;
using MemDc = NullHandle<HDC, &DeleteDC>;
using Icon = NullHandle<HICON, &DestroyIcon>;
using Library = NullHandle<HMODULE, &FreeLibrary>;
using RegKey = NullHandle<HKEY, &RegCloseKey>;
using Menu = NullHandle<HMENU, &DestroyMenu>;

// Selects a GDI object into a DC for the lifetime of the guard.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~SelectGuard() { SelectObject(dc_, old_); }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace base
