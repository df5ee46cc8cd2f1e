// A tab control hosting pages: each page is a child dialog from its own template (style
// WS_CHILD | DS_CONTROL), created with the tab control and laid over its display area. Pages can
// be hidden: the strip then shows only the tabs of the visible pages. Pages are counted by their
// page index (the order they were declared in), whatever tabs are shown.
//
//   ui::PageHost pgcConfig{this, IDC_PAGES};                      // a tab control of the template
//   ui::Page tbsGeneral{pgcConfig, IDD_PAGE_GENERAL, "全般1"_sj};  // page 0
//   ui::CheckBox chkStayOnTop{&tbsGeneral, IDC_STAY_ON_TOP};       // a control on that page
#pragma once

#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/tab_control.h"

namespace ui {

class PageHost;

class Page : public Dialog {
 public:
  Page(PageHost& host, int templateId, std::string caption);
  const std::string& title() const { return title_; }
  int index() const { return index_; }

 protected:
  // OK and Cancel (Enter, Esc) belong to the dialog around the page. A page class that overrides
  // this passes on what it does not handle.
  bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  friend class PageHost;
  PageHost& pages_;
  std::string title_;
  int index_;
};

class PageHost : public TabControl {
 public:
  using TabControl::TabControl;

  int pageCount() const { return static_cast<int>(pages_.size()); }
  Page& page(int index) const { return *pages_[static_cast<size_t>(index)]; }

  // Shows or hides a page's tab (a hidden active page gives the activation to the first shown).
  void setPageVisible(int page, bool visible);
  bool pageVisible(int page) const;
  // Shows the tab of this page only and makes it active.
  void showOnly(int page);

  // The active page's index; -1 when no page is shown.
  int activePage() const;
  void setActivePage(int page);  // the page must be visible; raises onPageChange
  int tabOf(int page) const;     // the page's tab index, -1 when its tab is hidden

  // Raised after the user or setActivePage made another page active.
  std::function<void(int page)> onPageChange;

  void attached() override;
  LRESULT notify(NMHDR& hdr) override;

 private:
  friend class Page;
  int add(Page* page);
  void rebuildTabs();
  void showActive();
  std::vector<Page*> pages_;
  std::vector<bool> visible_;
  int active_ = -1;
};

}  // namespace ui
