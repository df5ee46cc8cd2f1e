// The rules of the insert commands and drops that need no window.
#include "memo/insert/insert_rules.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "support/temp_folder.h"

namespace {

using memo::DropKind;
using memo::TextFileState;

TEST(InsertRules, OffsetsAreWholeNumbersAndKeepTheDateInsideTheShownYears) {
  long long n = 0;
  EXPECT_TRUE(memo::parseOffset(" -3 ", n));
  EXPECT_EQ(-3, n);
  for (const char* bad : {"", "1.5", "x", "3日", "99999999999999999999"})
    EXPECT_FALSE(memo::parseOffset(bad, n)) << bad;
  const base::DateTime t = base::encodeDateTime(2026, 12, 31, 23, 30);
  EXPECT_NEAR(base::encodeDateTime(2027, 1, 1, 0, 30), memo::offsetTime(t, 1, true), 1e-9);
  EXPECT_NEAR(base::encodeDateTime(2026, 12, 29, 23, 30), memo::offsetTime(t, -2, false), 1e-9);
  EXPECT_EQ(base::encodeDateTime(9999, 12, 31, 23, 59, 59), memo::offsetTime(t, 1LL << 62, false));
  EXPECT_EQ(base::encodeDateTime(1, 1, 1), memo::offsetTime(t, -(1LL << 62), true));
}

TEST(InsertRules, AFileIsTakenAsTextUnlessMissingTooLargeOrHoldingANul) {
  test::TempFolder temp;
  ASSERT_TRUE(base::writeFileAtomic(temp.file("ok.txt"), "表\r\n"_sj));
  ASSERT_TRUE(base::writeFileAtomic(temp.file("zero.txt"), std::string("a\0b", 3)));
  ASSERT_TRUE(base::writeFileAtomic(temp.file("big.txt"), std::string(memo::kMaxTextFile + 1, 'a')));
  std::string bytes;
  EXPECT_EQ(TextFileState::Read, memo::readTextFile(temp.file("ok.txt"), bytes));
  EXPECT_EQ("表\r\n"_sj, bytes);
  EXPECT_EQ(TextFileState::NotText, memo::readTextFile(temp.file("zero.txt"), bytes));
  EXPECT_EQ(TextFileState::TooLarge, memo::readTextFile(temp.file("big.txt"), bytes));
  EXPECT_EQ(TextFileState::Missing, memo::readTextFile(temp.file("none.txt"), bytes));
  EXPECT_EQ(TextFileState::Missing, memo::readTextFile(temp.path(), bytes));
}

TEST(InsertRules, TheUrlLineIsFoundInAnySectionAndAnyCase) {
  EXPECT_EQ("http://a/", memo::urlOfInternetShortcut("[DEFAULT]\r\nBASEURL=x\r\n[InternetShortcut]\r\nurl=http://a/\r\n"
                                                     "URL=http://b/\r\n"));
  EXPECT_EQ("", memo::urlOfInternetShortcut("[InternetShortcut]\r\nIconIndex=0\r\n"));
}

TEST(InsertRules, TheExtensionInAnyCaseDecidesWhatADroppedPathBecomes) {
  const std::pair<const char*, DropKind> cases[] = {
      {"C:\\a.txt", DropKind::Tab},      {"C:\\b.RTF", DropKind::Tab},
      {"C:\\c.LNK", DropKind::Shortcut}, {"C:\\d.Url", DropKind::InternetShortcut},
      {"C:\\e.txt.bak", DropKind::Line}, {"C:\\f.g\\txt", DropKind::Line}};
  for (auto [path, kind] : cases) EXPECT_EQ(kind, memo::dropKindOf(path, true)) << path;
  EXPECT_EQ(DropKind::Line, memo::dropKindOf("C:\\a.txt", false));
}

TEST(InsertRules, AnInsertedFileComesAfterAnEmptyLineItsNameAndAnotherEmptyLine) {
  EXPECT_EQ("\r\n===> Inserted from file://C:\\表.txt\r\n\r\nl1\r\nl2"_sj,
            memo::insertedFileText("C:\\表.txt"_sj, "l1\nl2\r\n"));
}

}  // namespace
