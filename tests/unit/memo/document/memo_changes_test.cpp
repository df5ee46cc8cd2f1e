// Outside changes: reported once, never for the manager's own writes.
#include "unit/memo/document/memo_fixture.h"

#include "base/handles.h"
#include "memo/document/file_age.h"

namespace {

using namespace memotest;

const std::string kChanged = "メモファイルが外部で更新されています -> 再読み込み推奨"_sj;

// Another program writes the file; its time moves on by a day, as the two-second steps of file
// ages would hide a write within the same two seconds.
void writeOutside(const std::string& path, const std::string& bytes, int days = 1) {
  ASSERT_TRUE(base::writeFileAtomic(path, bytes));
  base::FileHandle f(CreateFileW(base::wide(path).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(f);
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
  t.QuadPart += static_cast<unsigned long long>(days) * 24 * 3600 * 10000000ULL;
  ft = FILETIME{t.LowPart, t.HighPart};
  ASSERT_TRUE(SetFileTime(f.get(), nullptr, nullptr, &ft));
}

TEST(FileAge, IsADosDateTimeOrMinusOne) {
  test::TempFolder dir;
  EXPECT_EQ(memo::fileAge(dir.file("none")), -1);
  EXPECT_EQ(memo::fileAge(dir.path()), -1);
  ASSERT_TRUE(base::writeFileAtomic(dir.file("f"), "x"));
  int32_t age = memo::fileAge(dir.file("f"));
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_EQ((static_cast<uint32_t>(age) >> 25) + 1980, now.wYear);
  EXPECT_EQ((static_cast<uint32_t>(age) >> 21) & 15, now.wMonth);
}

TEST_F(MemoFixture, OwnWritesAreNeverOutsideChanges) {
  for (unsigned char type : {kTypeII, kTypeIII}) {
    makeDocument(type, {{"A", "a"}});
    std::string s;
    ASSERT_TRUE(m.LoadTab("A", s));
    EXPECT_FALSE(m.IsChangedOutside());
    // Each of these rewrites a file; none of them may look like someone else's change.
    ASSERT_TRUE(m.SaveTab("A", "b"));
    EXPECT_FALSE(m.IsChangedOutside());
    ASSERT_TRUE(m.SaveTab("B", "b"));
    ASSERT_TRUE(m.RenameTab("B", "C"));
    ASSERT_TRUE(m.ApplyTabList({"C", "A", "D"}));
    ASSERT_TRUE(m.DeleteTab("D"));
    ASSERT_TRUE(m.SaveTab("A", "{\\rtf1 r}"));
    ASSERT_TRUE(m.UpdateBackup());
    ASSERT_TRUE(m.RestoreBackup());
    EXPECT_FALSE(m.IsChangedOutside());
  }
  EXPECT_TRUE(statuses.end() == std::find(statuses.begin(), statuses.end(), kChanged));
}

TEST_F(MemoFixture, AnOutsideChangeToTheDocumentIsReportedOnce) {
  for (unsigned char type : {kTypeII, kTypeIII}) {
    makeDocument(type, {{"A", "a"}});
    EXPECT_FALSE(m.IsChangedOutside());
    statuses.clear();
    writeOutside(m.FileName, read(m.FileName) + "\r\n");
    EXPECT_TRUE(m.IsChangedOutside()) << int(type);
    EXPECT_FALSE(m.IsChangedOutside());
    EXPECT_EQ(statuses, std::vector<std::string>{kChanged});
  }
}

TEST_F(MemoFixture, AnOutsideChangeToTheShownTabFileIsReportedOnce) {
  makeDocument(kTypeIII, {{"A", "a"}, {"B", "b"}});
  std::string s;
  ASSERT_TRUE(m.LoadTab("A", s));
  EXPECT_FALSE(m.IsChangedOutside());
  // Another tab's file is not watched; the shown one is.
  writeOutside(file("B.txt"), "bb");
  EXPECT_FALSE(m.IsChangedOutside());
  writeOutside(file("A.txt"), "aa", 2);
  EXPECT_TRUE(m.IsChangedOutside());
  EXPECT_FALSE(m.IsChangedOutside());
  // A tab file that vanished is no change.
  base::deleteFile(file("A.txt"));
  EXPECT_FALSE(m.IsChangedOutside());
}

TEST_F(MemoFixture, EveryOperationSeesWhatIsOnDiskNow) {
  makeDocument(kTypeII, {{"A", "one"}, {"B", "two"}});
  EXPECT_EQ(loadTab("A"), "one\r\n");
  // Another program replaces the file with one of the same size, and another writes into it
  // where it stands: both are read afresh.
  std::string doc = read(m.FileName);
  write(m.FileName, base::replaceAll(doc, "A/*!/one", "A/*!/uno"));
  EXPECT_EQ(loadTab("A"), "uno\r\n");
  {
    base::FileHandle f(
        CreateFileW(base::wide(m.FileName).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(f);
    std::string more = "C/*!/three\\CrLf%\r\n<!--End Document-->\r\n";
    LARGE_INTEGER back{};
    back.QuadPart = -static_cast<LONGLONG>(strlen("<!--End Document-->\r\n"));
    ASSERT_TRUE(SetFilePointerEx(f.get(), back, nullptr, FILE_END));
    DWORD put = 0;
    ASSERT_TRUE(WriteFile(f.get(), more.data(), static_cast<DWORD>(more.size()), &put, nullptr));
  }
  EXPECT_EQ(loadTab("C"), "three\r\n");
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(MemoFixture, TheFirstCheckOnlyRemembers) {
  write(m.FileName, "<!--Tavelo Document Type II-->\r\n<!--Begin Document-->\r\n<!--End Document-->\r\n");
  EXPECT_EQ(m.DocAge, 0);
  EXPECT_FALSE(m.IsChangedOutside());
  EXPECT_NE(m.DocAge, 0);
  writeOutside(m.FileName, "<!--Tavelo Document Type II-->\r\n");
  EXPECT_TRUE(m.IsChangedOutside());
  // A document deleted by someone else is a change too.
  base::deleteFile(m.FileName);
  EXPECT_TRUE(m.IsChangedOutside());
  EXPECT_EQ(m.DocAge, -1);
}

// A look into another tab leaves what the manager remembers of the shown one, so that the next
// check for outside changes still watches the shown tab's file.
TEST_F(MemoFixture, ReadingATabChangesNothingTheManagerRemembers) {
  makeDocument(kTypeIII, {{"A", "alpha"}, {"B", "{\\rtf1 beta}"}});
  EXPECT_EQ(loadTab("A"), "alpha");
  const std::string shown = m.CurrentTabFile;
  const int32_t docAge = m.DocAge, tabAge = m.TabAge;
  const size_t events = changes.size();
  std::string content = "old";
  bool plain = true;
  EXPECT_TRUE(m.ReadTab("B", content, &plain));
  EXPECT_EQ(content, "{\\rtf1 beta}");
  EXPECT_FALSE(plain);
  EXPECT_FALSE(m.ReadTab("none", content));
  EXPECT_EQ(content, "");
  base::deleteFile(m.FileName);
  EXPECT_FALSE(m.ReadTab("A", content));
  EXPECT_EQ(m.CurrentTabFile, shown);
  EXPECT_EQ(m.DocAge, docAge);
  EXPECT_EQ(m.TabAge, tabAge);
  EXPECT_EQ(m.LastError.kind, memo::DocFailure::None);
  EXPECT_EQ(changes.size(), events);
  EXPECT_EQ(notFound, 0);
  EXPECT_TRUE(errors.empty());
}

}  // namespace
