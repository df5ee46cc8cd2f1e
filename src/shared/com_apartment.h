// COM for the lifetime of a scope on the calling thread: each program's GUI thread holds one
// from start to end, so shell objects (shortcut files) can be created anywhere on it.
#pragma once

#include <objbase.h>

namespace shared {

class ComApartment {
 public:
  ComApartment() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    // Only a successful call (S_OK, or S_FALSE when already initialised) is balanced.
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  bool ok() const { return SUCCEEDED(hr_); }

 private:
  HRESULT hr_;
};

}  // namespace shared
