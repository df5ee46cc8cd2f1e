// The main of every test program: no error boxes from the system, COM for shell objects.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/com.h"

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  base::ensureCom();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
