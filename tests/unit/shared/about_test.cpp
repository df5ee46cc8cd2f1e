// The version dialog: its texts from a version resource (this test program carries one with a
// description and no special build) and the choice of group.
#include "shared/about.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "ui/app.h"

namespace {

TEST(AboutVersionText, MinorAndReleaseRunTogetherAndTheBuildComesLast) {
  EXPECT_EQ(shared::aboutVersionText("3.5.1.631", std::string()), "Version 3.51  (Build 631)");
  EXPECT_EQ(shared::aboutVersionText("3.5.1.330", std::string()), "Version 3.51  (Build 330)");
  EXPECT_EQ(shared::aboutVersionText("3.5.1.631", "試験版"_sj), "Version 3.51 試験版 (Build 631)"_sj);
  EXPECT_EQ(shared::aboutVersionText("3.5.1.631", std::nullopt), "Version 3.51 (Build 631)");
}

TEST(AboutVersionText, AShortOrEmptyVersionGivesEmptyParts) {
  EXPECT_EQ(shared::aboutVersionText("", std::nullopt), "Version . (Build )");
  EXPECT_EQ(shared::aboutVersionText("2.0", std::nullopt), "Version 2.0 (Build )");
}

TEST(AboutGroups, NonSupportAnywhereInTheSpecialBuildShowsTheNotice) {
  EXPECT_TRUE(shared::aboutShowsNotice("non-support"));
  EXPECT_TRUE(shared::aboutShowsNotice("beta non-support build"));
  EXPECT_FALSE(shared::aboutShowsNotice(""));
  EXPECT_FALSE(shared::aboutShowsNotice("Non-Support"));  // the mark is case-sensitive
}

TEST(AboutVersionResource, ReadsTheStringTableOfTheRunningProgram) {
  shared::VersionStrings v = shared::readVersionStrings(base::programPath());
  EXPECT_EQ(v.productName, "Tavelo for Windows 9x/NT");
  EXPECT_EQ(v.fileVersion, "3.5.1.631");
  ASSERT_TRUE(v.fileDescription.has_value());
  EXPECT_EQ(*v.fileDescription, "試験版"_sj);
  EXPECT_EQ(v.legalCopyright, "Copyright (C) テスト"_sj);
  EXPECT_EQ(v.specialBuild, "");
}

TEST(AboutVersionResource, AFileWithoutOneReadsEmpty) {
  shared::VersionStrings v = shared::readVersionStrings("C:\\no such folder\\x.exe");
  EXPECT_EQ(v.fileVersion, "");
  EXPECT_FALSE(v.fileDescription.has_value());
}

TEST(AboutDialog, ShowsTheResourceTextsAndTheContactGroupForASupportedBuild) {
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  shared::TfrmAbout about(nullptr);
  std::vector<std::string> opened;
  about.OpenInShell = [&](const std::string& a) { opened.push_back(a); };
  ASSERT_TRUE(about.create());
  ShowWindow(about.handle(), SW_SHOW);
  EXPECT_EQ(about.caption(), "バージョン情報"_sj);
  RECT client{};
  GetClientRect(about.handle(), &client);
  EXPECT_EQ(client.right, 329);
  EXPECT_EQ(client.bottom, 257);
  EXPECT_TRUE(GetWindowLongW(about.handle(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);  // the "?" button
  EXPECT_EQ(about.ProductText(), "Tavelo for Windows 9x/NT");
  EXPECT_EQ(about.VersionText(), "Version 3.51 試験版 (Build 631)"_sj);
  EXPECT_EQ(about.CopyrightText(), "Copyright (C) テスト"_sj);
  EXPECT_TRUE(about.ContactShown());
  EXPECT_FALSE(about.NoticeShown());
  // The web address label opens the maker's site.
  SendMessageW(about.handle(), WM_COMMAND, MAKEWPARAM(2115, STN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(about.handle(), 2115)));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].rfind("http", 0), 0u);
}

}  // namespace
