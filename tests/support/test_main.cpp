// The main of every test program: no error boxes from the system, COM for shell objects.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string_view>

#include "base/com.h"
#include "ui/msgbox.h"

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  base::ensureCom();
  // An error a test provokes on purpose is written out instead of waiting for a click.
  ui::errorBox = [](std::string_view text, std::string_view) {
    std::fprintf(stderr, "error box: %.*s\n", static_cast<int>(text.size()), text.data());
  };
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
