#include "clock/clipboard/clip_capture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <thread>

#include "base/datetime.h"
#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "shared/history_file.h"
#include "support/fake_prompts.h"
#include "support/clipboard.h"
#include "support/temp_folder.h"

namespace {

using tockle::TClipHistory;
using Ops = shared::TKzStretchableFileOperation;

TEST(ClipText, LineBreaksBecomeCrLf) {
  EXPECT_EQ(tockle::adjustLineBreaks("a\rb\nc\r\nd\n\re"), "a\r\nb\r\nc\r\nd\r\ne");
  // CR LF is one break, the CR after it another.
  EXPECT_EQ(tockle::adjustLineBreaks("a\r\n\rb"), "a\r\n\r\nb");
  EXPECT_EQ(tockle::adjustLineBreaks("\n\n"), "\r\n\r\n");
  EXPECT_EQ(tockle::adjustLineBreaks("表\n"_sj), "表\r\n"_sj);
}

TEST(ClipText, TrimmedBeforeCounting) {
  std::string text = tockle::clipTextForHistory(" \t one\ntwo\nthree\n\n ");
  EXPECT_EQ(text, "one\r\ntwo\r\nthree");
  EXPECT_EQ(tockle::lineCount(text), 3);
  EXPECT_EQ(tockle::clipTextForHistory(" \r\n\t\x01 "), "");
  EXPECT_EQ(tockle::lineCount("single"), 1);
}

TClipHistory limits(int letterFrom, int letterTo, int lineFrom, int lineTo) {
  TClipHistory h;
  h.LetterFrom = letterFrom;
  h.LetterTo = letterTo;
  h.LineFrom = lineFrom;
  h.LineTo = lineTo;
  return h;
}

TEST(ClipFilters, LetterBounds) {
  EXPECT_TRUE(tockle::passesClipFilters(limits(0, 0, 0, 0), "x"));
  // An upper bound below the lower one means no upper bound.
  EXPECT_FALSE(tockle::passesClipFilters(limits(10, 0, 0, 0), "12345"));
  EXPECT_TRUE(tockle::passesClipFilters(limits(10, 0, 0, 0), std::string(500, 'x')));
  // Double-byte characters count two bytes.
  EXPECT_TRUE(tockle::passesClipFilters(limits(1, 4, 0, 0), "あい"_sj));
  EXPECT_FALSE(tockle::passesClipFilters(limits(1, 4, 0, 0), "あいう"_sj));
  // A line break counts two.
  EXPECT_FALSE(tockle::passesClipFilters(limits(1, 4, 0, 0), "ab\r\nc"));
  EXPECT_TRUE(tockle::passesClipFilters(limits(0, 5, 0, 0), "ab\r\nc"));
}

TEST(ClipFilters, LineBoundsAndBothTogether) {
  const std::string three = "a\r\nb\r\nc";
  EXPECT_TRUE(tockle::passesClipFilters(limits(0, 0, 2, 3), three));
  EXPECT_FALSE(tockle::passesClipFilters(limits(0, 0, 2, 3), "a"));
  EXPECT_FALSE(tockle::passesClipFilters(limits(0, 0, 0, 2), three));
  EXPECT_TRUE(tockle::passesClipFilters(limits(0, 0, 3, 1), three));
  EXPECT_FALSE(tockle::passesClipFilters(limits(0, 0, 4, 1), three));
  // Both filters must pass.
  EXPECT_FALSE(tockle::passesClipFilters(limits(1, 3, 2, 3), three));
  EXPECT_TRUE(tockle::passesClipFilters(limits(1, 7, 2, 3), three));
}

class Capture : public ::testing::Test {
 protected:
  test::TempFolder dir;
  std::string path = dir.file("_history3");
  std::vector<std::string> texts() const {
    shared::TKzHistoryFile h(path);
    h.Load();
    std::vector<std::string> out;  // oldest first
    for (size_t i = h.Items.size(); i >= 2; i -= 2) out.push_back(h.Items[i - 1]);
    return out;
  }
  void putOld(const std::vector<std::pair<double, std::string>>& recs, const std::string& tail = "") const {
    shared::TMemoryStream m;
    for (auto& [t, s] : recs) {
      Ops::WriteDouble(m, t);
      Ops::WriteString(m, s);
    }
    ASSERT_TRUE(base::writeFileAtomic(path, m.Bytes() + tail));
  }
};

TEST_F(Capture, TheThirtyFirstTextDropsTheOldest) {
  TClipHistory defaults;
  for (int i = 1; i <= 31; ++i) tockle::recordClipText(path, "text " + std::to_string(i), defaults);
  std::vector<std::string> t = texts();
  ASSERT_EQ(t.size(), 30u);
  EXPECT_EQ(t.front(), "text 2");
  EXPECT_EQ(t.back(), "text 31");
  // A text already there moves to the end and nothing else goes.
  tockle::recordClipText(path, "text 2", defaults);
  t = texts();
  ASSERT_EQ(t.size(), 30u);
  EXPECT_EQ(t.front(), "text 3");
  EXPECT_EQ(t.back(), "text 2");
}

TEST_F(Capture, ADamagedFileIsKeptBesideAndItsCopyNamed) {
  putOld({{45001, "a"}}, std::string("\x01\x02\x03", 3));
  std::string kept = "-";
  ASSERT_TRUE(tockle::recordClipText(path, "b", TClipHistory{}, &kept));
  EXPECT_EQ(kept, path + ".damaged");
}

TEST_F(Capture, RecordsOlderThanTheDayLimitGo) {
  double now = base::now();
  putOld({{now - 20, "twenty days"}, {now - 16, "sixteen days"}, {now - 14, "fourteen days"}, {now - 1, "yesterday"}});
  tockle::recordClipText(path, "new", TClipHistory{});
  EXPECT_EQ(texts(), (std::vector<std::string>{"fourteen days", "yesterday", "new"}));
}

TEST_F(Capture, ZeroLimitsLeaveTheHistoryEmpty) {
  TClipHistory noCount;
  noCount.MaxCount = 0;
  tockle::recordClipText(path, "a", noCount);
  EXPECT_EQ(base::readFile(path), "");
  // A day limit of 0 keeps nothing older than now; the new text itself may share now's millisecond.
  TClipHistory noDays;
  noDays.DayLimit = 0;
  putOld({{base::now() - 0.001, "old"}});
  tockle::recordClipText(path, "b", noDays);
  auto left = texts();
  EXPECT_LE(left.size(), 1u);
  if (!left.empty()) EXPECT_EQ(left.front(), "b");
}

TEST_F(Capture, AgeTrimEndsWhateverTheLimitsAndTimes) {
  // A negative day limit puts the bound in the future: every record goes, and the loop ends.
  TClipHistory future;
  future.DayLimit = -5;
  putOld({{base::now() + 3, "three days ahead"}});
  tockle::recordClipText(path, "x", future);
  EXPECT_EQ(base::readFile(path), "");
  // A damaged file: the loop ends, the intact records are kept.
  putOld({{base::now() - 1, "kept"}}, std::string("\x00\x00\x00\x00\x00\x00\xF8\x7F\x02", 9));
  tockle::recordClipText(path, "y", TClipHistory{});
  EXPECT_EQ(texts(), (std::vector<std::string>{"kept", "y"}));
}

TEST_F(Capture, FileHeldByAnotherProgramIsLeftAsItWas) {
  tockle::recordClipText(path, "a", TClipHistory{});
  std::string before = base::readFile(path).value();
  base::FileHandle other(CreateFileW(base::wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(other);
  EXPECT_FALSE(tockle::recordClipText(path, "b", TClipHistory{}));
  other.reset();
  EXPECT_EQ(base::readFile(path), before);
}

TEST_F(Capture, FileHeldOnlyForAMomentStillGetsTheText) {
  tockle::recordClipText(path, "a", TClipHistory{});
  base::FileHandle other(CreateFileW(base::wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(other);
  HANDLE h = other.get();
  std::thread reader([h] {
    Sleep(50);
    CloseHandle(h);
  });
  other.release();
  EXPECT_TRUE(tockle::recordClipText(path, "b", TClipHistory{}));
  reader.join();
  EXPECT_EQ(texts(), (std::vector<std::string>{"a", "b"}));
}

TEST(ClipboardText, ReadAsUnicodeAndKeptAsCp932) {
  ASSERT_TRUE(test::setClipboardUnicode(L"\u3042\u3044 abc\u8868"));
  EXPECT_TRUE(tockle::clipboardHasText());
  EXPECT_EQ(tockle::readClipboardText(nullptr).text, "あい abc表"_sj);
  ASSERT_TRUE(test::setClipboardCp932("表示\r\nx"_sj));
  EXPECT_EQ(tockle::readClipboardText(nullptr).text, "表示\r\nx"_sj);
}

TEST(ClipboardText, NothingWithoutText) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_FALSE(tockle::clipboardHasText());
  EXPECT_EQ(tockle::readClipboardText(nullptr).text, std::nullopt);
}

}  // namespace

namespace {

// A history window stand-in with a real top-level window of the given title.
class FakeHistoryWindow : public tockle::IClipHistoryWindow {
 public:
  explicit FakeHistoryWindow(const std::string& title) {
    hwnd_ = CreateWindowExW(0, L"STATIC", base::wide(title).c_str(), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  }
  ~FakeHistoryWindow() override { DestroyWindow(hwnd_); }
  HWND WindowHandle() const override { return hwnd_; }
  bool ApplyEnabled() const override { return applyEnabled; }
  void SetBusy(bool b) override { busy = b; }
  void ApplyEdits() override {
    applied = true;
    busyWhileApplying = busy;
    if (failApply) throw std::runtime_error("write failed");
  }
  void DropEdits() override {
    dropped = true;
    applyEnabled = false;
  }
  void LoadHistory() override {}

  bool applyEnabled = true, busy = false, applied = false, dropped = false, busyWhileApplying = false;
  bool failApply = false;

 private:
  HWND hwnd_;
};

int reply = IDYES;
int asked = 0;
bool busyWhileAsking = false;
FakeHistoryWindow* current = nullptr;
// Answers the question as reply says, checking it and the window's state meanwhile.
struct QuestionPrompts : test::FakePrompts {
  QuestionPrompts() {
    answer = [](const Box& box) {
      ++asked;
      busyWhileAsking = current && current->busy;
      EXPECT_EQ(box.caption, "履歴更新の確認"_sj);
      EXPECT_EQ(box.text, "履歴が更新されました\r\n反映する前に変更内容を保存しますか？"_sj);
      EXPECT_EQ(box.flags & MB_YESNO, static_cast<UINT>(MB_YESNO));
      return reply;
    };
  }
};

TEST(HistoryWindowEdits, FoundOnlyByItsTitle) {
  FakeHistoryWindow open(tockle::clipWindowTitle());
  EXPECT_EQ(tockle::openHistoryWindow(&open), &open);
  EXPECT_EQ(tockle::openHistoryWindow(nullptr), nullptr);
  FakeHistoryWindow other("another window");
  EXPECT_EQ(tockle::openHistoryWindow(&other), nullptr);
}

TEST(HistoryWindowEdits, YesWritesNoDropsAndTheWindowIsBusyMeanwhile) {
  QuestionPrompts prompts;
  FakeHistoryWindow w(tockle::clipWindowTitle());
  current = &w;
  asked = 0;
  reply = IDYES;
  tockle::settlePendingEdits(nullptr, w);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(busyWhileAsking);
  EXPECT_TRUE(w.applied);
  EXPECT_TRUE(w.busyWhileApplying);
  EXPECT_FALSE(w.busy);
  reply = IDNO;
  tockle::settlePendingEdits(nullptr, w);
  EXPECT_TRUE(w.dropped);
  // Nothing pending: no question.
  tockle::settlePendingEdits(nullptr, w);
  EXPECT_EQ(asked, 2);
  current = nullptr;
}

TEST(HistoryWindowEdits, BusyEndsEvenWhenWritingFails) {
  QuestionPrompts prompts;
  FakeHistoryWindow w(tockle::clipWindowTitle());
  w.failApply = true;
  reply = IDYES;
  EXPECT_THROW(tockle::settlePendingEdits(nullptr, w), std::runtime_error);
  EXPECT_FALSE(w.busy);
}

}  // namespace
