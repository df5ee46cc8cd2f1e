#include "shared/history_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <limits>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "support/temp_folder.h"

namespace {

using shared::TKzHistoryFile;
using shared::TMemoryStream;
using Ops = shared::TKzStretchableFileOperation;

struct Rec {
  double time;
  std::string text;
};

std::string encode(const std::vector<Rec>& recs) {
  TMemoryStream m;
  for (const Rec& r : recs) {
    Ops::WriteDouble(m, r.time);
    Ops::WriteString(m, r.text);
  }
  return m.Bytes();
}

// Every record of a well-formed file.
std::vector<Rec> decode(const std::string& bytes) {
  std::vector<Rec> out;
  TMemoryStream m(bytes);
  while (m.Remaining() >= 8) {
    Rec r{Ops::ReadDouble(m), {}};
    if (!Ops::ReadString(m, r.text)) ADD_FAILURE() << "damaged record";
    out.push_back(r);
  }
  return out;
}

std::vector<std::string> textsOf(const std::vector<Rec>& recs) {
  std::vector<std::string> out;
  for (const Rec& r : recs) out.push_back(r.text);
  return out;
}

class HistoryFile : public ::testing::Test {
 protected:
  test::TempFolder dir;
  std::string path = dir.file("_history3");
  std::string bytes() const { return base::readFile(path).value_or("<missing>"); }
  void put(const std::vector<Rec>& recs, const std::string& tail = "") const {
    ASSERT_TRUE(base::writeFileAtomic(path, encode(recs) + tail));
  }
  // Returns the copy the append kept of a damaged file, "" for none.
  std::string append(const std::string& text) const {
    TKzHistoryFile h(path);
    h.SetAppendMode(true);
    h.SetAddText(text);
    EXPECT_TRUE(h.Save());
    return h.KeptDamagedCopy;
  }
};

TEST_F(HistoryFile, LoadOfAMissingFileCreatesItEmpty) {
  TKzHistoryFile h(path);
  EXPECT_FALSE(base::fileExists(path));  // creation does not touch the file
  h.Items = {"stale"};
  EXPECT_TRUE(h.Load());
  EXPECT_TRUE(h.Items.empty());
  EXPECT_EQ(bytes(), "");
  EXPECT_EQ(h.GetCount(), 0);
}

TEST_F(HistoryFile, DuplicateAppendMovesTheTextToTheEnd) {
  append("one");
  append("あい"_sj);
  append("three");
  base::DateTime before = base::now();
  append("one");
  std::vector<Rec> recs = decode(bytes());
  EXPECT_EQ(textsOf(recs), (std::vector<std::string>{"あい"_sj, "three", "one"}));
  EXPECT_GE(recs.back().time, before - 1e-6);
  EXPECT_LE(recs.back().time, base::now() + 1e-6);
  TKzHistoryFile h(path);
  EXPECT_EQ(h.GetCount(), 3);
  EXPECT_EQ(h.GetFirstDate(), recs.front().time);
  // Case matters in the duplicate test.
  append("ONE");
  EXPECT_EQ(h.GetCount(), 4);
}

TEST_F(HistoryFile, LoadGivesNewestFirstPairs) {
  put({{45000.5, "old"}, {45001.75, "new"}});
  TKzHistoryFile h(path);
  h.Load();
  ASSERT_EQ(h.Items.size(), 4u);
  EXPECT_EQ(h.Items[0], TKzHistoryFile::DateText(45001.75));
  EXPECT_EQ(h.Items[1], "new");
  EXPECT_EQ(h.Items[2], TKzHistoryFile::DateText(45000.5));
  EXPECT_EQ(h.Items[3], "old");
}

TEST_F(HistoryFile, DeleteOldestBounds) {
  put({{45000, "a"}, {45001, "b"}, {45002, "c"}});
  std::string original = bytes();
  TKzHistoryFile h(path);
  EXPECT_FALSE(h.DeleteOldest(0));
  EXPECT_FALSE(h.DeleteOldest(-5));
  EXPECT_EQ(bytes(), original);
  EXPECT_TRUE(h.DeleteOldest(1));
  EXPECT_EQ(textsOf(decode(bytes())), (std::vector<std::string>{"b", "c"}));
  EXPECT_TRUE(h.DeleteOldest(2));
  EXPECT_EQ(bytes(), "");
  EXPECT_TRUE(h.DeleteOldest(1));
  EXPECT_EQ(bytes(), "");
  put({{45000, "a"}});
  EXPECT_TRUE(h.DeleteOldest(INT_MAX));
  EXPECT_EQ(bytes(), "");
  EXPECT_EQ(h.GetCount(), 0);
}

TEST_F(HistoryFile, DeleteOldestOnAMissingFileLeavesItMissingForNoRounds) {
  TKzHistoryFile h(path);
  EXPECT_FALSE(h.DeleteOldest(0));
  EXPECT_FALSE(base::fileExists(path));
}

TEST_F(HistoryFile, FirstDateOfAnEmptyFileIsNow) {
  TKzHistoryFile h(path);
  base::DateTime before = base::now();
  base::DateTime first = h.GetFirstDate();
  EXPECT_GE(first, before - 1e-6);
  EXPECT_LE(first, base::now() + 1e-6);
}

TEST_F(HistoryFile, RemoveTextRemovesEveryEqualRecordOnly) {
  put({{45000, "x"}, {45001, "y"}, {45002, "x"}, {45003, "X"}});
  TKzHistoryFile h(path);
  h.RemoveText("x");
  std::vector<Rec> recs = decode(bytes());
  ASSERT_EQ(recs.size(), 2u);
  EXPECT_EQ(recs[0].text, "y");
  EXPECT_EQ(recs[0].time, 45001);
  EXPECT_EQ(recs[1].text, "X");
}

// The locale's short date format for the length of a test.
class ShortDateFormat {
 public:
  explicit ShortDateFormat(const wchar_t* format) {
    wchar_t buf[80];
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buf, 80);
    old_ = buf;
    ok_ = SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format) != 0;
  }
  ~ShortDateFormat() { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, old_.c_str()); }
  bool ok() const { return ok_; }

 private:
  std::wstring old_;
  bool ok_;
};

TEST_F(HistoryFile, LoadThenRewriteKeepsOrderWithTimesCutToSeconds) {
  // 2023-03-04 05:06:07.890, 2024-12-31 23:59:59.5 and a midnight.
  const double t1 = 44989 + (5 * 3600 + 6 * 60 + 7.89) / 86400.0;
  const double t2 = 45657 + (23 * 3600 + 59 * 60 + 59.5) / 86400.0;
  const double t3 = 45700;
  for (const wchar_t* format : {L"yyyy/M/d", L"yyyy/MM/dd"}) {
    ShortDateFormat locale(format);
    ASSERT_TRUE(locale.ok());
    put({{t1, "first"}, {t2, "second\r\nline"}, {t3, "third"}});
    TKzHistoryFile h(path);
    h.Load();
    EXPECT_EQ(h.Items[4].substr(0, 10), format == std::wstring(L"yyyy/MM/dd") ? "2023/03/04" : "2023/3/4 5");
    EXPECT_EQ(h.Items[0], base::dateToStr(t3));  // midnight: the date alone
    TKzHistoryFile w(path);
    w.SetItems(h.Items);
    EXPECT_TRUE(w.Save());
    // Items stay oldest first afterwards.
    EXPECT_EQ(w.Items[1], "first");
    std::vector<Rec> recs = decode(bytes());
    ASSERT_EQ(recs.size(), 3u);
    EXPECT_EQ(textsOf(recs), (std::vector<std::string>{"first", "second\r\nline", "third"}));
    EXPECT_NEAR(recs[0].time, 44989 + (5 * 3600 + 6 * 60 + 7) / 86400.0, 1e-9) << base::toUtf8(h.Items[4]);
    EXPECT_NEAR(recs[1].time, 45657 + (23 * 3600 + 59 * 60 + 59) / 86400.0, 1e-9);
    EXPECT_EQ(recs[2].time, t3);
  }
}

TEST_F(HistoryFile, RewriteIgnoresAnUnpairedLastEntry) {
  TKzHistoryFile h(path);
  h.SetItems({base::dateTimeToStr(45001.5), "b", base::dateTimeToStr(45000.5), "a", "stray"});
  h.Save();
  EXPECT_EQ(textsOf(decode(bytes())), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(TKzHistoryFile::ReversePairs({"1", "a", "2", "b", "x"}), (std::vector<std::string>{"2", "b", "1", "a"}));
}

TEST_F(HistoryFile, BadDateTextFailsBeforeTheFileChanges) {
  put({{45000, "keep"}});
  std::string original = bytes();
  TKzHistoryFile h(path);
  h.SetItems({"not a date", "x", base::dateTimeToStr(45000.5), "y"});
  EXPECT_THROW(h.Save(), shared::EConvertError);
  EXPECT_EQ(bytes(), original);
}

TEST_F(HistoryFile, OverlongTextIsStoredCutAndStillFoundAsDuplicate) {
  std::string text(shared::kMaxRecordString - 1, 'a');
  text += "あ"_sj;
  append(text);
  append(text);
  std::vector<Rec> recs = decode(bytes());
  ASSERT_EQ(recs.size(), 1u);
  EXPECT_EQ(recs[0].text.size(), static_cast<size_t>(shared::kMaxRecordString - 1));
}

TEST_F(HistoryFile, RewritesLeaveNoTemporaryFile) {
  append("a");
  append("b");
  TKzHistoryFile(path).DeleteOldest(1);
  WIN32_FIND_DATAW fd;
  HANDLE f = FindFirstFileW(base::wide(dir.path() + "*").c_str(), &fd);
  int files = 0;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
  } while (FindNextFileW(f, &fd));
  FindClose(f);
  EXPECT_EQ(files, 1);
}

// Each damaged tail behind two intact records: every operation ends and the intact records stay.
struct Damage {
  const char* name;
  std::string tail;
};

std::vector<Damage> damages() {
  auto field = [](auto write) {
    TMemoryStream m;
    write(m);
    return m.Bytes();
  };
  return {
      {"negative length", field([](TMemoryStream& m) {
         Ops::WriteDouble(m, 45003);
         Ops::WriteInteger(m, -8);
         m.Write("abcdefghijklmnop", 16);
       })},
      {"huge length", field([](TMemoryStream& m) {
         Ops::WriteDouble(m, 45003);
         Ops::WriteInteger(m, INT32_MAX);
         m.Write("abc", 3);
       })},
      {"cut-off text", field([](TMemoryStream& m) {
         Ops::WriteDouble(m, 45003);
         Ops::WriteInteger(m, 10);
         m.Write("abc", 3);
       })},
      {"cut-off count", field([](TMemoryStream& m) {
         Ops::WriteDouble(m, 45003);
         m.Write("\x01\x00", 2);
       })},
      {"stray bytes", std::string("\x01\x02\x03\x04\x05\x06\x07", 7)},
      {"NaN time", field([](TMemoryStream& m) {
         Ops::WriteDouble(m, std::numeric_limits<double>::quiet_NaN());
         Ops::WriteString(m, "c");
       })},
      {"infinite time", field([](TMemoryStream& m) {
         Ops::WriteDouble(m, -std::numeric_limits<double>::infinity());
         Ops::WriteString(m, "c");
       })},
      {"time beyond any date", field([](TMemoryStream& m) {
         Ops::WriteDouble(m, 1e300);
         Ops::WriteString(m, "c");
       })},
  };
}

TEST_F(HistoryFile, DamagedFilesKeepEverythingBeforeTheDamage) {
  const std::vector<Rec> intact = {{45001.25, "a"}, {45002.5, "b"}};
  for (const Damage& d : damages()) {
    SCOPED_TRACE(d.name);
    put(intact, d.tail);
    TKzHistoryFile h(path);
    EXPECT_EQ(h.GetCount(), 2);
    EXPECT_EQ(h.GetFirstDate(), 45001.25);
    h.Load();
    EXPECT_EQ(h.Items, (std::vector<std::string>{TKzHistoryFile::DateText(45002.5), "b",
                                                 TKzHistoryFile::DateText(45001.25), "a"}));
    // A rewrite keeps the intact records, and a new text lands where readers find it.
    h.RemoveText("nothing");
    EXPECT_EQ(textsOf(decode(bytes())), (std::vector<std::string>{"a", "b"}));
    put(intact, d.tail);
    append("c");
    EXPECT_EQ(textsOf(decode(bytes())), (std::vector<std::string>{"a", "b", "c"}));
    put(intact, d.tail);
    EXPECT_TRUE(h.DeleteOldest(1));
    EXPECT_EQ(textsOf(decode(bytes())), (std::vector<std::string>{"b"}));
    put(intact, d.tail);
    EXPECT_TRUE(h.DeleteOldest(1000));
    EXPECT_EQ(bytes(), "");
  }
}

// Every rewrite over a damaged file keeps that file beside it first (every operation rewrites
// through the same step, an append stands for them), under the first copy name not taken: a copy
// kept earlier, in this run or another, is never replaced. An intact file gets none, and a copy
// already holding the same bytes serves again.
TEST_F(HistoryFile, EveryRewriteOverADamagedFileKeepsItUnderANewNumberedName) {
  const std::vector<Rec> intact = {{45001.25, "a"}, {45002.5, "b"}};
  put(intact);
  EXPECT_EQ(append("c"), "");
  EXPECT_FALSE(base::fileExists(path + ".damaged"));
  ASSERT_TRUE(base::writeFileAtomic(path + ".damaged", "an earlier run's copy"));
  for (int d = 0; d < 3; ++d) {
    const std::string tail = damages()[d].tail + encode({{45003, "behind " + std::to_string(d)}});
    put(intact, tail);
    std::string copy = path + ".damaged" + std::to_string(d + 2);
    EXPECT_EQ(append("c"), copy) << d;
    EXPECT_EQ(base::readFile(copy).value_or(""), encode(intact) + tail);
  }
  EXPECT_EQ(base::readFile(path + ".damaged").value_or(""), "an earlier run's copy");
  put(intact, damages()[0].tail + encode({{45003, "behind 0"}}));
  EXPECT_EQ(append("c"), "");
  EXPECT_FALSE(base::fileExists(path + ".damaged5"));
}

// A damaged file whose copy cannot be kept is not rewritten.
TEST_F(HistoryFile, NoRewriteOverADamagedFileWhoseCopyCannotBeKept) {
  put({{45001.25, "a"}}, damages()[0].tail);
  const std::string before = bytes();
  ASSERT_TRUE(CreateDirectoryW(base::wide(path + ".damaged.~tmp").c_str(), nullptr));
  TKzHistoryFile h(path);
  EXPECT_THROW(h.Append("c", 45005), shared::EWriteError);
  EXPECT_EQ(bytes(), before);
}

// A temporary file a killed rewrite left goes at the next start only beside a file that reads whole.
TEST_F(HistoryFile, AStrayTemporaryFileGoesOnlyBesideAnIntactFile) {
  for (const std::string& tail : std::vector<std::string>{"", "missing", damages()[0].tail}) {
    base::deleteFile(path);
    if (tail != "missing") put({{45001, "a"}}, tail);
    ASSERT_TRUE(base::writeFileAtomic(base::tempBeside(path), "half"));
    TKzHistoryFile::RemoveStrayTemp(path);
    EXPECT_EQ(base::fileExists(base::tempBeside(path)), !tail.empty()) << tail;
  }
}

TEST_F(HistoryFile, DamageAtTheStartLeavesNoRecord) {
  put({}, damages()[1].tail);
  TKzHistoryFile h(path);
  EXPECT_EQ(h.GetCount(), 0);
  h.Load();
  EXPECT_TRUE(h.Items.empty());
  append("fresh");
  EXPECT_EQ(textsOf(decode(bytes())), (std::vector<std::string>{"fresh"}));
}

TEST_F(HistoryFile, EveryOperationFailsCleanlyWhileAnotherHandleHoldsTheFile) {
  put({{45000, "a"}, {45001, "b"}});
  std::string original = bytes();
  base::FileHandle other(CreateFileW(base::wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(other);
  TKzHistoryFile h(path);
  EXPECT_THROW(h.Load(), shared::EFOpenError);
  EXPECT_THROW(h.GetCount(), shared::EFOpenError);
  EXPECT_THROW(h.GetFirstDate(), shared::EFOpenError);
  EXPECT_THROW(h.DeleteOldest(1), shared::EFOpenError);
  EXPECT_THROW(h.RemoveText("a"), shared::EFOpenError);
  h.SetAppendMode(true);
  h.SetAddText("c");
  EXPECT_THROW(h.Save(), shared::EFOpenError);
  h.SetAppendMode(false);
  h.SetItems({base::dateTimeToStr(45005.5), "z"});
  EXPECT_THROW(h.Save(), shared::EFOpenError);
  EXPECT_FALSE(h.DeleteHistoryFile());
  other.reset();
  EXPECT_EQ(bytes(), original);
}

TEST_F(HistoryFile, DeleteHistoryFile) {
  append("a");
  TKzHistoryFile h(path);
  EXPECT_TRUE(h.DeleteHistoryFile());
  EXPECT_FALSE(base::fileExists(path));
  EXPECT_FALSE(h.DeleteHistoryFile());
}

}  // namespace
