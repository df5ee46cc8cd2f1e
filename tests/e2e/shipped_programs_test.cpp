// The shipped programs as files: both may use the address space above 2 GB (the memo's editor
// needs it for a large tab; the clock costs nothing by it).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "base/files.h"

namespace {

class ShippedProgram : public testing::TestWithParam<const char*> {};

TEST_P(ShippedProgram, IsLinkedLargeAddressAware) {
  std::optional<std::string> image = base::readFile(base::programFolder() + GetParam());
  ASSERT_TRUE(image && image->size() > sizeof(IMAGE_DOS_HEADER));
  IMAGE_DOS_HEADER dos;
  std::memcpy(&dos, image->data(), sizeof dos);
  ASSERT_EQ(dos.e_magic, IMAGE_DOS_SIGNATURE);
  const size_t at = static_cast<size_t>(dos.e_lfanew);
  ASSERT_LE(at + sizeof(DWORD) + sizeof(IMAGE_FILE_HEADER), image->size());
  ASSERT_EQ(std::memcmp(image->data() + at, "PE\0\0", 4), 0);
  IMAGE_FILE_HEADER file;
  std::memcpy(&file, image->data() + at + sizeof(DWORD), sizeof file);
  EXPECT_NE(file.Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE, 0);
}

INSTANTIATE_TEST_SUITE_P(Both, ShippedProgram, testing::Values("Memo.exe", "Tockle.exe"));

}  // namespace
