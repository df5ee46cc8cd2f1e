#include "base/system_libraries.h"

namespace base {

#define SYSTEM_LIBRARY(fn, file)         \
  LazyLibrary& fn() {                    \
    static LazyLibrary library(L##file); \
    return library;                      \
  }
SYSTEM_LIBRARY(ole32, "ole32.dll")
SYSTEM_LIBRARY(comdlg32, "comdlg32.dll")
SYSTEM_LIBRARY(winmm, "winmm.dll")
SYSTEM_LIBRARY(ws2_32, "ws2_32.dll")
SYSTEM_LIBRARY(version, "version.dll")
SYSTEM_LIBRARY(msimg32, "msimg32.dll")
SYSTEM_LIBRARY(riched20, "riched20.dll")
SYSTEM_LIBRARY(comctl32, "comctl32.dll")
#undef SYSTEM_LIBRARY

}  // namespace base
