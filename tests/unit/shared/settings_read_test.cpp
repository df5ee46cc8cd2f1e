// Reading one setting: a value stored with another type than its field's keeps the field's
// default, and the reads after it go on. Both programs' settings stores read through these.
#include "shared/settings_read.h"

#include <gtest/gtest.h>

#include "support/test_key.h"

namespace {

using shared::readBinarySetting;
using shared::readSetting;

class SettingsRead : public testing::Test {
 protected:
  test::TestKey key{"SettingsRead"};
  shared::TKzRegEx reg;
  void SetUp() override {
    ASSERT_TRUE(reg.OpenKey(key.path(), true));
    reg.WriteInteger("Number", 7);
    reg.WriteString("Text", "7");
    const uint8_t bytes[2] = {7, 7};
    reg.WriteBinaryData("TwoBytes", bytes, 2);
  }
};

TEST_F(SettingsRead, AValueOfAnotherTypeKeepsTheDefaultAndTheNextValuesStillRead) {
  for (const char* name : {"Text", "TwoBytes"}) {
    int number = 30;
    readSetting(reg, name, number);
    EXPECT_EQ(number, 30) << name;
    bool flag = true;
    readSetting(reg, name, flag);
    EXPECT_TRUE(flag) << name;
  }
  for (const char* name : {"Number", "TwoBytes"}) {
    std::string text = "def";
    readSetting(reg, name, text);
    EXPECT_EQ(text, "def") << name;
  }
  // A one-byte value also keeps its default when more bytes are stored.
  for (const char* name : {"Number", "Text", "TwoBytes"}) {
    uint8_t byte = 1;
    readSetting(reg, name, byte);
    EXPECT_EQ(byte, 1) << name;
  }
  uint8_t block[4] = {1, 1, 1, 1};
  EXPECT_EQ(readBinarySetting(reg, "Text", block, 4), 0);
  EXPECT_EQ(block[0], 1);

  int number = 0;
  readSetting(reg, "Number", number);
  EXPECT_EQ(number, 7);
  std::string text;
  readSetting(reg, "Text", text);
  EXPECT_EQ(text, "7");
  EXPECT_EQ(readBinarySetting(reg, "TwoBytes", block, 4), 2);
  EXPECT_EQ(block[1], 7);
}

}  // namespace
