#include "shared/reg_ex.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "support/test_key.h"

namespace {

using shared::ERegistryException;
using shared::TKzRegEx;

class KzRegExTest : public testing::Test {
 protected:
  test::TestKey key{"RegEx"};
  TKzRegEx reg;
  void SetUp() override { ASSERT_TRUE(reg.OpenKey(key.path(), true)); }
  void storeRaw(const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExW(reg.CurrentKey(), base::wide(name).c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
  }
};

TEST_F(KzRegExTest, TellsAStoredZeroFromAMissingValue) {
  reg.WriteInteger("Zero", 0);
  int v = -1;
  EXPECT_TRUE(reg.TryReadInteger("Zero", v, 30));
  EXPECT_EQ(v, 0);
  EXPECT_FALSE(reg.TryReadInteger("Missing", v, 30));
  EXPECT_EQ(v, 30);
  EXPECT_EQ(reg.SafeReadInteger("Missing"), 0);

  bool b = true;
  reg.WriteBool("Off", false);
  EXPECT_TRUE(reg.TryReadBool("Off", b, true));
  EXPECT_FALSE(b);
  EXPECT_FALSE(reg.TryReadBool("Missing", b, true));
  EXPECT_TRUE(b);
  // Any non-zero integer is true.
  reg.WriteInteger("Seven", 7);
  EXPECT_TRUE(reg.TryReadBool("Seven", b, false));
  EXPECT_TRUE(b);
}

TEST_F(KzRegExTest, MissingStringsGiveTheDefaultOrEmpty) {
  std::string s = "previous";
  EXPECT_FALSE(reg.TryReadString("Missing", s, "def"));
  EXPECT_EQ(s, "def");
  EXPECT_EQ(reg.SafeReadString("Missing"), "");
  reg.WriteString("Empty", "");
  EXPECT_TRUE(reg.TryReadString("Empty", s, "def"));
  EXPECT_EQ(s, "");
}

TEST_F(KzRegExTest, JapaneseStringsRoundTrip) {
  // 表 and ソ carry a backslash as their second byte.
  std::string text = "表示ソフト 設定\\パス"_sj;
  reg.WriteString("Text", text);
  EXPECT_EQ(reg.SafeReadString("Text"), text);
  // Stored as UTF-16 for every other reader of the registry.
  wchar_t buf[64] = {};
  DWORD size = sizeof buf;
  ASSERT_EQ(RegQueryValueExW(reg.CurrentKey(), L"Text", nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(buf), L"\u8868\u793A\u30BD\u30D5\u30C8 \u8A2D\u5B9A\\\u30D1\u30B9");
}

TEST_F(KzRegExTest, AValueOfAnotherTypeRaises) {
  reg.WriteString("Text", "12");
  reg.WriteInteger("Number", 12);
  int v = 5;
  EXPECT_THROW(reg.TryReadInteger("Text", v, 1), ERegistryException);
  EXPECT_EQ(v, 5);
  bool b = false;
  EXPECT_THROW(reg.TryReadBool("Text", b, true), ERegistryException);
  std::string s = "kept";
  EXPECT_THROW(reg.TryReadString("Number", s, "x"), ERegistryException);
  EXPECT_EQ(s, "kept");
  char buf[4];
  EXPECT_THROW(reg.SafeReadBinaryData("Number", buf, 4), ERegistryException);
  EXPECT_THROW(reg.SafeReadInteger("Text"), ERegistryException);
}

TEST_F(KzRegExTest, ExpandableStringsReadAsStrings) {
  const wchar_t text[] = L"%TEMP%\\x";
  storeRaw("Expand", REG_EXPAND_SZ, text, sizeof text);
  EXPECT_EQ(reg.SafeReadString("Expand"), "%TEMP%\\x");
}

TEST_F(KzRegExTest, StringsWithoutTerminatorReadWhole) {
  const wchar_t text[] = {L'a', L'b', L'c'};
  storeRaw("Bare", REG_SZ, text, sizeof text);
  EXPECT_EQ(reg.SafeReadString("Bare"), "abc");
}

TEST_F(KzRegExTest, BinaryReadsFillTheBufferOrLeaveIt) {
  const unsigned char data[3] = {1, 2, 3};
  reg.WriteBinaryData("Bin", data, 3);
  unsigned char buf[4] = {9, 9, 9, 9};
  EXPECT_EQ(reg.SafeReadBinaryData("Bin", buf, 4), 3);
  EXPECT_EQ(buf[0], 1);
  EXPECT_EQ(buf[2], 3);
  EXPECT_EQ(buf[3], 9);

  unsigned char defaults[4] = {7, 7, 7, 7};
  EXPECT_EQ(reg.SafeReadBinaryData("Missing", defaults, 4), 0);
  EXPECT_FALSE(reg.TryReadBinaryData("Missing", defaults, 4));
  EXPECT_EQ(defaults[0], 7);
  EXPECT_TRUE(reg.TryReadBinaryData("Bin", defaults, 4));
  EXPECT_EQ(defaults[1], 2);
}

TEST_F(KzRegExTest, BinaryLargerThanTheBufferRaisesAndLeavesIt) {
  const unsigned char data[5] = {1, 2, 3, 4, 5};
  reg.WriteBinaryData("Bin", data, 5);
  unsigned char buf[4] = {9, 9, 9, 9};
  EXPECT_THROW(reg.SafeReadBinaryData("Bin", buf, 4), ERegistryException);
  EXPECT_THROW(reg.TryReadBinaryData("Bin", buf, 4), ERegistryException);
  EXPECT_EQ(buf[0], 9);
}

TEST_F(KzRegExTest, ReadsNeitherOpenNorCreateKeys) {
  reg.CloseKey();
  int v = 0;
  EXPECT_FALSE(reg.TryReadInteger("Any", v, 4));
  EXPECT_EQ(v, 4);
  EXPECT_EQ(reg.SafeReadString("Any"), "");
  EXPECT_FALSE(reg.KeyExists(key.path() + "\\Sub"));
  EXPECT_FALSE(reg.OpenKey(key.path() + "\\Sub", false));
  EXPECT_FALSE(reg.KeyExists(key.path() + "\\Sub"));
  EXPECT_THROW(reg.WriteInteger("Any", 1), ERegistryException);
}

TEST_F(KzRegExTest, DeletesAKeyWithItsValuesAndSubKeys) {
  reg.WriteInteger("A", 1);
  ASSERT_TRUE(reg.OpenKey(key.path() + "\\Sub", true));
  reg.WriteString("B", "b");
  reg.CloseKey();
  EXPECT_TRUE(reg.DeleteKey(key.path()));
  EXPECT_FALSE(reg.KeyExists(key.path()));
}

TEST_F(KzRegExTest, ReadOnlyKeysRefuseWrites) {
  reg.WriteInteger("A", 3);
  ASSERT_TRUE(reg.OpenKeyReadOnly(key.path()));
  EXPECT_EQ(reg.SafeReadInteger("A"), 3);
  EXPECT_THROW(reg.WriteInteger("A", 4), ERegistryException);
  EXPECT_FALSE(reg.OpenKeyReadOnly(key.path() + "\\Missing"));
}

}  // namespace
