// A page host: pages from their own templates, all tabs or only the shown ones.
#include "ui/page_host.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/text.h"
#include "ui/app.h"

namespace {

class PagedDialog : public ui::Dialog {
 public:
  PagedDialog() : Dialog(nullptr, 200) {
    for (int i = 0; i < 9; ++i)
      pages.push_back(std::make_unique<ui::Page>(pgcPages, i % 2 ? 301 : 300, "ページ"_sj + std::to_string(i)));
  }
  ui::PageHost pgcPages{this, 201};
  std::vector<std::unique_ptr<ui::Page>> pages;
};

int shownPages(const PagedDialog& dlg) {
  int n = 0;
  for (const auto& p : dlg.pages) n += IsWindowVisible(p->handle()) ? 1 : 0;
  return n;
}

struct Case {
  int onlyPage;  // -1: all pages
  int tabs;
  int active;
};

class PageHostTabs : public testing::TestWithParam<Case> {};

TEST_P(PageHostTabs, ShowsTheTabsOfTheVisiblePagesOnly) {
  ui::Application::instance().initialize("UI tests", true);
  PagedDialog dlg;
  ASSERT_TRUE(dlg.create());
  ShowWindow(dlg.handle(), SW_SHOW);
  if (GetParam().onlyPage >= 0) dlg.pgcPages.showOnly(GetParam().onlyPage);
  EXPECT_EQ(dlg.pgcPages.count(), GetParam().tabs);
  EXPECT_EQ(dlg.pgcPages.activePage(), GetParam().active);
  EXPECT_EQ(dlg.pgcPages.tabText(0), "ページ"_sj + std::to_string(GetParam().active));
  EXPECT_EQ(shownPages(dlg), 1);
  EXPECT_TRUE(IsWindowVisible(dlg.pages[static_cast<size_t>(GetParam().active)]->handle()));
}

INSTANTIATE_TEST_SUITE_P(AllOrOne, PageHostTabs, testing::Values(Case{-1, 9, 0}, Case{8, 1, 8}, Case{7, 1, 7}));

TEST(PageHost, ChoosingATabShowsItsPageAndRaisesTheChange) {
  ui::Application::instance().initialize("UI tests", true);
  PagedDialog dlg;
  ASSERT_TRUE(dlg.create());
  ShowWindow(dlg.handle(), SW_SHOW);
  dlg.pgcPages.setPageVisible(1, false);
  int changedTo = -1;
  dlg.pgcPages.onPageChange = [&](int page) { changedTo = page; };
  // The user picks the third tab shown: page 3, since page 1 has no tab.
  dlg.pgcPages.setSelectedIndex(2);
  NMHDR hdr{dlg.pgcPages.handle(), 201, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(dlg.handle(), WM_NOTIFY, 201, reinterpret_cast<LPARAM>(&hdr));
  EXPECT_EQ(changedTo, 3);
  EXPECT_EQ(dlg.pgcPages.activePage(), 3);
  EXPECT_TRUE(IsWindowVisible(dlg.pages[3]->handle()));
  EXPECT_EQ(shownPages(dlg), 1);
}

}  // namespace
