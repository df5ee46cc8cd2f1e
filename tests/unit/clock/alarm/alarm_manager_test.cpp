// The alarm manager on a real alarm file: allocation, adding, deleting with shifted sections,
// the due check, pausing and the list-view transfer.
#include "clock/alarm/alarm_manager.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "base/handles.h"
#include "base/text.h"
#include "clock/alarm/alarm_file.h"
#include "clock/alarm/alarm_list.h"
#include "support/temp_folder.h"
#include "ui/app.h"
#include "unit/clock/alarm/alarm_test_util.h"

namespace {

using alarm_test::alarm;
using alarm_test::at;
using alarm_test::tod;
using tockle::AlarmFile;
using tockle::AlarmFileEdit;
using tockle::TKzAlarmTockle;
using tockle::TKzManagerTockle;

class AlarmManager : public testing::Test {
 protected:
  std::string path() const { return folder.file("_alarm3"); }
  std::unique_ptr<TKzManagerTockle> make() {
    auto m = std::make_unique<TKzManagerTockle>(path());
    m->Now = [this] { return now; };
    m->AllocItems(true);
    return m;
  }
  std::vector<std::string> messages(const TKzManagerTockle& m) {
    std::vector<std::string> out;
    for (const auto& i : m.Items) out.push_back(i->MessageString);
    return out;
  }
  test::TempFolder folder;
  alarm_test::ErrorBoxes boxes;
  base::DateTime now = at(2026, 12, 9, 9, 2);
};

TEST_F(AlarmManager, MissingFileMeansNoAlarmsAndAddCreatesIt) {
  auto m = make();
  EXPECT_EQ(m->Count, 0);
  EXPECT_TRUE(m->Items.empty());
  EXPECT_FALSE(base::fileExists(path()));
  m->AddItem(alarm("a", tod(9, 0), tod(9, 7)));
  m->AddItem(alarm("b", tod(10, 0), tod(10, 7)));
  EXPECT_EQ(m->Count, 2);
  EXPECT_EQ(m->ReadCount(), 2);
  EXPECT_EQ(m->Items[1]->Index, 1);
  EXPECT_EQ(m->Items[1]->FileName, path());
  EXPECT_NEAR(m->Items[1]->Previous, now - 0.5, 1e-9);
  auto again = make();
  EXPECT_EQ(messages(*again), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(boxes.captions.empty());
}

TEST_F(AlarmManager, CountIsClampedToTheSectionsTheFileHolds) {
  {
    auto m = make();
    m->AddItem(alarm("a", tod(9, 0), tod(9, 7)));
    m->AddItem(alarm("b", tod(9, 0), tod(9, 7)));
  }
  AlarmFile f(path());
  f.write("Initial", "Count", "2000000000");
  EXPECT_EQ(make()->Count, 2);
  f.write("Initial", "Count", "-5");
  EXPECT_EQ(make()->Count, 0);
  f.write("Initial", "Count", "many");
  EXPECT_EQ(make()->Count, 0);
  f.write("Initial", "Count", "1");
  EXPECT_EQ(messages(*make()), std::vector<std::string>{"a"});
  // A gap at [1] of 3: a disabled item with the defaults keeps its place, [2] loads, and adding
  // an alarm keeps the count.
  f.write("Initial", "Count", "3");
  f.write("2", "MessageString", "c");
  f.eraseSection("1");
  auto m = make();
  EXPECT_EQ(messages(*m), (std::vector<std::string>{"a", "", "c"}));
  EXPECT_FALSE(m->Items[1]->Enabled);
  m->AddItem(alarm("d", tod(9, 0), tod(9, 7)));
  EXPECT_EQ(m->ReadCount(), 4);
  EXPECT_EQ(messages(*make()), (std::vector<std::string>{"a", "", "c", "d"}));
  // The items end with the last section there (a stale one past the count does not count).
  f.write("Initial", "Count", "7");
  f.write("9", "MessageString", "stale");
  EXPECT_EQ(make()->Count, 4);
  EXPECT_TRUE(boxes.captions.empty());
}

TEST_F(AlarmManager, DeletingItemOneOfThreeShiftsTheSections) {
  auto m = make();
  m->AddItem(alarm("a", tod(9, 0), tod(9, 7)));
  m->AddItem(alarm("b", tod(10, 0), tod(10, 7)));
  m->AddItem(alarm("c", tod(11, 0), tod(11, 7)));
  ASSERT_TRUE(m->DeleteItem(1));
  EXPECT_EQ(m->Count, 2);
  EXPECT_EQ(m->ReadCount(), 2);
  EXPECT_EQ(messages(*m), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(m->Items[1]->Index, 1);
  EXPECT_NEAR(m->Items[1]->StartTime, tod(11, 0), 1e-9);
  AlarmFile f(path());
  EXPECT_FALSE(f.hasSection("2"));
  // Section 1 holds c's keys in their order.
  EXPECT_EQ(alarm_test::keysOf(path(), "1"), alarm_test::keysOf(path(), "0"));
  EXPECT_EQ(alarm_test::keysOf(path(), "1").size(), 19u);
  // Nothing there: false, nothing changes.
  EXPECT_FALSE(m->DeleteItem(2));
  EXPECT_FALSE(m->DeleteItem(-1));
  EXPECT_EQ(m->Count, 2);
}

TEST_F(AlarmManager, DeleteReCallItemsRemovesThemAllAndEndsWhenTheFileVanished) {
  auto m = make();
  m->AddItem(alarm("r1", tod(9, 0), tod(9, 7), true));
  m->AddItem(alarm("a", tod(10, 0), tod(10, 7)));
  m->AddItem(alarm("r2", tod(11, 0), tod(11, 7), true));
  m->AddItem(alarm("r3", tod(12, 0), tod(12, 7), true));
  m->AddItem(alarm("b", tod(13, 0), tod(13, 7)));
  m->DeleteReCallItems();
  EXPECT_EQ(messages(*m), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(m->ReadCount(), 2);

  m->AddItem(alarm("r4", tod(14, 0), tod(14, 7), true));
  base::deleteFile(path());
  m->DeleteReCallItems();  // must end
  EXPECT_FALSE(base::fileExists(path()));
}

TEST_F(AlarmManager, ClearReCallAtDestructionOnly) {
  {
    auto m = make();
    m->AddItem(alarm("r", tod(9, 0), tod(9, 7), true));
    m->AddItem(alarm("a", tod(10, 0), tod(10, 7)));
  }
  EXPECT_EQ(make()->Count, 2);
  {
    auto m = make();
    m->ClearReCall = true;
  }
  EXPECT_EQ(messages(*make()), std::vector<std::string>{"a"});
}

TEST_F(AlarmManager, CheckFindsTheFirstDueItemMarksItAndHonoursPauses) {
  auto m = make();
  m->AddItem(alarm("later", tod(10, 0), tod(10, 7)));
  m->AddItem(alarm("due1", tod(9, 0), tod(9, 7)));
  m->AddItem(alarm("due2", tod(9, 1), tod(9, 5)));
  int index = -1;
  EXPECT_FALSE(m->CheckAlarms(index));  // created paused
  m->Resume();
  m->Pause();
  m->Pause();
  m->Resume();
  EXPECT_FALSE(m->Active());  // one pause still held
  EXPECT_FALSE(m->CheckAlarms(index));
  m->Resume();
  m->Resume();  // one too many does no harm
  EXPECT_TRUE(m->Active());
  ASSERT_TRUE(m->CheckAlarms(index));
  EXPECT_EQ(index, 1);
  EXPECT_NEAR(m->Items[1]->Previous, now, 1e-9);
  ASSERT_TRUE(m->CheckAlarms(index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(m->CheckAlarms(index));
  // The new last-rung time is in the file.
  TKzAlarmTockle fromFile(path());
  fromFile.Index = 1;
  ASSERT_TRUE(fromFile.LoadData());
  EXPECT_NEAR(fromFile.Previous, now, 2e-5);
}

TEST_F(AlarmManager, StartResetRingsAnItemThatRangBeforeTheRestart) {
  {
    auto m = make();
    m->AddItem(alarm("a", tod(9, 0), tod(9, 7)));
    m->Resume();
    int i = 0;
    ASSERT_TRUE(m->CheckAlarms(i));
  }
  auto m = make();  // reset: last rung = now - half a day, in memory only
  m->Resume();
  int i = -1;
  EXPECT_TRUE(m->CheckAlarms(i));
  auto plain = std::make_unique<TKzManagerTockle>(path());
  plain->Now = [this] { return now + 1e-4; };
  plain->AllocItems(false);
  plain->Resume();
  EXPECT_FALSE(plain->CheckAlarms(i));
}

TEST_F(AlarmManager, SetItemSavesAndFindItemFollowsAMovedItem) {
  auto m = make();
  m->AddItem(alarm("a", tod(9, 0), tod(9, 7)));
  m->AddItem(alarm("b", tod(10, 0), tod(10, 7)));
  TKzAlarmTockle b = *m->Items[1];
  b.Enabled = false;
  m->SetItem(b);
  EXPECT_FALSE(make()->Items[1]->Enabled);
  TKzAlarmTockle bad = b;
  bad.Index = 9;
  m->SetItem(bad);  // ignored
  EXPECT_EQ(m->Count, 2);
  EXPECT_EQ(m->FindItem(b, 1), 1);
  ASSERT_TRUE(m->DeleteItem(0));
  EXPECT_EQ(m->FindItem(b, 1), 0);
  TKzAlarmTockle gone = alarm("x", tod(1, 0), tod(1, 1));
  EXPECT_EQ(m->FindItem(gone, 0), -1);
}

TEST_F(AlarmManager, MessageWithLineBreaksAddsNoKey) {
  auto m = make();
  m->AddItem(alarm("first\r\nEnabled=0\r\n[Initial]\r\nCount=99", tod(9, 0), tod(9, 7)));
  EXPECT_EQ(m->ReadCount(), 1);
  EXPECT_EQ(alarm_test::keysOf(path(), "0").size(), 19u);
  auto again = make();
  ASSERT_EQ(again->Count, 1);
  EXPECT_TRUE(again->Items[0]->Enabled);
  EXPECT_EQ(again->Items[0]->MessageString, "first Enabled=0 [Initial] Count=99");
}

HWND makeList() {
  ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT, 0, 0, 400, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
  for (int c = 0; c < 12; ++c) {
    LVCOLUMNW col{};
    col.mask = LVCF_WIDTH;
    col.cx = 50;
    SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
  }
  return list;
}

// A list of 150 with every other one a re-notification: the 75 others stay, in order.
TEST_F(AlarmManager, ClearingManyReCallItemsKeepsTheOthersInOrder) {
  {
    auto m = make();
    AlarmFileEdit edit{AlarmFile(path())};
    for (int i = 0; i < 150; ++i) {
      TKzAlarmTockle a = alarm(std::to_string(i), tod(9, 0), tod(9, 7), i % 2 == 1);
      a.FileName = path();
      a.Index = i;
      a.SaveInto(edit);
    }
    edit.write("Initial", "Count", "150");
    edit.commit();
  }
  auto m = make();
  ASSERT_EQ(m->Count, 150);
  m->DeleteReCallItems();
  std::vector<std::string> even;
  for (int i = 0; i < 150; i += 2) even.push_back(std::to_string(i));
  EXPECT_EQ(messages(*m), even);
  EXPECT_EQ(messages(*make()), even);
  EXPECT_FALSE(base::fileExists(path() + ".~tmp"));
}

// The list is written whole into a file beside and moved over the alarm file, never rewritten in
// place: a second name of the old file still gives the whole old list, the path the whole new one.
TEST_F(AlarmManager, SavingTheListReplacesTheFileInOneStep) {
  auto m = make();
  for (int i = 0; i < 15; ++i) m->AddItem(alarm("old" + std::to_string(i), tod(9, 0), tod(9, 7)));
  std::string before = base::readFile(path()).value();
  std::string oldName = folder.file("old_alarm3");
  ASSERT_TRUE(CreateHardLinkW(base::wide(oldName).c_str(), base::wide(path()).c_str(), nullptr));
  HWND list = makeList();
  m->ToListView(list);
  auto rows = tockle::readRows(list);
  for (auto& r : rows) r.columns[3] = "new" + r.columns[3].substr(3);
  std::reverse(rows.begin(), rows.end());
  tockle::writeRows(list, rows);
  m->FromListView(list);
  DestroyWindow(list);

  EXPECT_EQ(base::readFile(oldName).value(), before);
  auto again = make();
  ASSERT_EQ(again->Count, 15);
  EXPECT_EQ(again->Items[0]->MessageString, "new14");
  EXPECT_EQ(again->Items[14]->MessageString, "new0");
  EXPECT_FALSE(base::fileExists(path() + ".~tmp"));
}

TEST_F(AlarmManager, UnreadableTimesAreReportedOnceNamingEachAlarm) {
  {
    auto m = make();
    for (const char* name : {"ok", "bad start", "bad end", "bad both"}) m->AddItem(alarm(name, tod(9, 0), tod(9, 7)));
  }
  AlarmFileEdit edit{AlarmFile(path())};
  edit.write("1", "StartTime", "nine");
  edit.write("2", "EndTime", "later");
  edit.write("3", "StartTime", "x");
  edit.write("3", "EndTime", "y");
  edit.commit();
  auto m = make();
  EXPECT_TRUE(boxes.texts.empty());
  m->ReportUnreadableTimes();
  ASSERT_EQ(boxes.texts.size(), 1u);
  const std::string& text = boxes.texts[0];
  EXPECT_EQ(text.find("\"ok\""), std::string::npos);
  for (const char* shown : {"2: 開始 nine 終了 ", "\"bad start\"", "3: 開始 ", " 終了 later \"bad end\"",
                            "4: 開始 x 終了 y \"bad both\"", "アラームページ"})
    EXPECT_NE(text.find(base::fromUtf8(shown)), std::string::npos) << shown;
  // The texts stay in the file.
  EXPECT_EQ(AlarmFile(path()).read("1", "StartTime"), "nine");
  boxes.texts.clear();
  make()->AllocItems(false);
  EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(AlarmManager, ListViewTransferRoundTripsEveryField) {
  auto m = make();
  TKzAlarmTockle a = alarm("起床"_sj, tod(6, 30), tod(6, 37));
  a.WeekDay[0] = a.WeekDay[6] = false;
  a.RingSound = a.LoopSound = true;
  a.SoundPath = "C:\\bell.wav";
  a.ExecuteApps = "a.exe;#NTPSynchronize";
  a.Enabled = false;
  m->AddItem(a);
  TKzAlarmTockle b = alarm("b", tod(12, 15), tod(12, 15), true);
  b.RingEveryHour = true;
  m->AddItem(b);
  HWND list = makeList();
  m->ToListView(list);
  auto rows = tockle::readRows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_FALSE(rows[0].checked);
  EXPECT_TRUE(rows[1].checked);
  EXPECT_EQ(rows[0].columns[0], base::timeToStr(tod(6, 30)));
  EXPECT_EQ(rows[0].columns[4], "月火水木金"_sj);
  EXPECT_EQ(rows[0].columns[2] + rows[0].columns[5] + rows[0].columns[6] + rows[0].columns[9] + rows[0].columns[11],
            "YNYYN");
  EXPECT_EQ(rows[1].columns[4], "日月火水木金土"_sj);
  EXPECT_EQ(rows[1].columns[11], "Y");

  // A file that claims more alarms than are held is not read past the items.
  AlarmFile(path()).write("Initial", "Count", "7");
  m->ToListView(list);
  EXPECT_EQ(tockle::readRows(list).size(), 2u);

  // Back: rows in a new order, one unticked.
  std::vector<tockle::AlarmRow> swapped = {rows[1], rows[0]};
  swapped[0].checked = false;
  tockle::writeRows(list, swapped);
  m->FromListView(list);
  auto again = make();
  ASSERT_EQ(again->Count, 2);
  EXPECT_EQ(again->Items[0]->MessageString, "b");
  EXPECT_FALSE(again->Items[0]->Enabled);
  EXPECT_TRUE(again->Items[0]->RingEveryHour && again->Items[0]->ReCall);
  const TKzAlarmTockle& back = *again->Items[1];
  EXPECT_EQ(back.MessageString, "起床"_sj);
  EXPECT_EQ(back.SoundPath, "C:\\bell.wav");
  EXPECT_EQ(back.ExecuteApps, "a.exe;#NTPSynchronize");
  EXPECT_TRUE(back.RingSound && back.LoopSound && back.ShowMessage);
  EXPECT_FALSE(back.WeekDay[0] || back.WeekDay[6]);
  EXPECT_TRUE(back.WeekDay[1] && back.WeekDay[5]);
  EXPECT_NEAR(back.StartTime, tod(6, 30), 1e-9);
  EXPECT_NEAR(back.EndTime, tod(6, 37), 1e-9);
  DestroyWindow(list);
}

// The file held by another program without sharing while the clock starts: no alarm is read,
// the user is told once, and no change of the list writes over the file until it reads again.
TEST_F(AlarmManager, AFileHeldAtStartIsNeverWrittenOverAndIsReadAgainBeforeAnEdit) {
  {
    auto m = make();
    for (int i = 0; i < 3; ++i) m->AddItem(alarm("a" + std::to_string(i), tod(9, 0), tod(9, 7)));
  }
  const std::string before = base::readFile(path()).value();
  base::FileHandle held(CreateFileW(base::wide(path()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  auto m = make();
  EXPECT_EQ(m->Unread, base::FileProblem::Held);
  EXPECT_EQ(m->Count, 0);
  m->ReportFileProblems();
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_NE(boxes.texts[0].find(path() + " を読み込めません(ほかのプログラムが使用中です)"_sj), std::string::npos);
  // The settings dialog shows no alarm; the one the user adds goes after the file's alarms once
  // the file reads again, and nothing is written while it does not.
  HWND list = makeList();
  m->ToListView(list);
  EXPECT_TRUE(tockle::readRows(list).empty());
  tockle::writeRows(list, {tockle::toRow(alarm("new", tod(10, 0), tod(10, 7)))});
  EXPECT_THROW(m->FromListView(list), tockle::EAlarmWriteError);
  EXPECT_THROW(m->AddItem(alarm("again", tod(9, 0), tod(9, 7))), tockle::EAlarmWriteError);
  held.reset();
  EXPECT_EQ(base::readFile(path()).value(), before);
  m->FromListView(list);
  DestroyWindow(list);
  EXPECT_EQ(messages(*make()), (std::vector<std::string>{"a0", "a1", "a2", "new"}));
  // Read again, the list is the file's: a re-notification goes after it.
  m->AddItem(alarm("later", tod(9, 0), tod(9, 7)));
  EXPECT_EQ(messages(*make()), (std::vector<std::string>{"a0", "a1", "a2", "new", "later"}));
  EXPECT_EQ(boxes.texts.size(), 1u);
}

// At start: a damaged file is said once with the alarms that could not be read; one that reads
// whole loses the temporary file a save killed half-way left beside it.
TEST_F(AlarmManager, DamageIsSaidAtStartAndAStrayTemporaryFileGoesOnlyWhenTheFileIsWhole) {
  {
    auto m = make();
    for (int i = 0; i < 3; ++i) m->AddItem(alarm("a" + std::to_string(i), tod(9, 0), tod(9, 7)));
  }
  const std::string whole = base::readFile(path()).value();
  const std::string temp = path() + ".~tmp";
  // The temporary file is that of the file's own atomic write: made after it.
  ASSERT_TRUE(base::writeFileAtomic(path(), whole.substr(0, whole.find("[2]") + 20)));
  ASSERT_TRUE(base::writeFileAtomic(temp, whole.substr(0, 10)));
  auto m = make();
  EXPECT_EQ(messages(*m).size(), 3u);
  m->ReportFileProblems();
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_NE(boxes.texts[0].find("壊れています"_sj), std::string::npos);
  EXPECT_NE(boxes.texts[0].find(": 3\r\n"), std::string::npos);
  EXPECT_NE(boxes.texts[0].find(".damaged"), std::string::npos);
  EXPECT_TRUE(base::fileExists(temp));
  ASSERT_TRUE(base::writeFileAtomic(path(), whole));
  ASSERT_TRUE(base::writeFileAtomic(temp, whole.substr(0, 10)));
  boxes.texts.clear();
  make()->ReportFileProblems();
  EXPECT_TRUE(boxes.texts.empty());
  EXPECT_FALSE(base::fileExists(temp));
}

// A file cut inside an alarm: the box names the copy really made (an older copy keeps its name),
// and the first rewrite leaves a file that reads whole, so later starts and saves keep no copy.
TEST_F(AlarmManager, FirstRewriteOfACutFileReadsWholeAndTheBoxNamesTheCopyMade) {
  {
    auto m = make();
    for (int i = 0; i < 3; ++i) m->AddItem(alarm("a" + std::to_string(i), tod(9, 0), tod(9, 7)));
  }
  const std::string whole = base::readFile(path()).value();
  ASSERT_TRUE(base::writeFileAtomic(path(), whole.substr(0, whole.find("[1]") + 20)));
  ASSERT_TRUE(base::writeFileAtomic(path() + ".damaged", "older"));
  auto m = make();
  m->ReportFileProblems();
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_NE(boxes.texts[0].find(path() + ".damaged2 として残します"_sj), std::string::npos);
  m->SetItem(*m->Items[0]);
  EXPECT_FALSE(tockle::checkAlarmText(base::readFile(path()).value()).any());
  EXPECT_TRUE(base::fileExists(path() + ".damaged2"));
  m->SetItem(*m->Items[1]);
  EXPECT_FALSE(base::fileExists(path() + ".damaged3"));
  EXPECT_EQ(messages(*make()), (std::vector<std::string>{"a0", messages(*m)[1]}));
}

}  // namespace
