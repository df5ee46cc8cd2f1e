#include "base/com.h"

#include <objbase.h>

#include "base/system_libraries.h"

namespace base {

namespace {
class Apartment {
 public:
  Apartment() : hr_(LAZY(ole32(), CoInitializeEx)(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~Apartment() {
    // Only a successful call (S_OK, or S_FALSE when already initialised) is balanced.
    if (SUCCEEDED(hr_)) LAZY(ole32(), CoUninitialize)();
  }
  bool ok() const { return SUCCEEDED(hr_); }

 private:
  HRESULT hr_;
};
}  // namespace

bool ensureCom() {
  static Apartment apartment;
  return apartment.ok();
}

}  // namespace base
