#include "ui/page_host.h"

namespace ui {

Page::Page(PageHost& host, int templateId, std::string caption)
    : Dialog(nullptr, templateId), pages_(host), title_(std::move(caption)), index_(host.add(this)) {}

bool Page::handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
  if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) && !control(LOWORD(wp))) {
    result = SendMessageW(GetParent(handle()), msg, wp, lp);
    return true;
  }
  return false;
}

int PageHost::add(Page* page) {
  pages_.push_back(page);
  visible_.push_back(true);
  return static_cast<int>(pages_.size()) - 1;
}

void PageHost::attached() {
  HWND tab = handle();
  HWND parent = GetParent(tab);
  for (Page* p : pages_) {
    if (!p->createChild(parent)) continue;
    // Above the tab control, so that the strip never paints over a page.
    SetWindowPos(p->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (active_ < 0 || !visible_[static_cast<size_t>(active_)]) active_ = -1;
  rebuildTabs();
}

void PageHost::rebuildTabs() {
  if (!handle()) return;
  clear();
  for (size_t i = 0; i < pages_.size(); ++i)
    if (visible_[i]) addTab(pages_[i]->title(), static_cast<LPARAM>(i));
  if (active_ < 0 || !visible_[static_cast<size_t>(active_)]) {
    active_ = -1;
    for (size_t i = 0; i < pages_.size() && active_ < 0; ++i)
      if (visible_[i]) active_ = static_cast<int>(i);
  }
  showActive();
}

void PageHost::showActive() {
  if (!handle()) return;
  setSelectedIndex(tabOf(active_));
  RECT r = displayRect();
  for (Page* p : pages_) {
    HWND h = p->handle();
    if (!h) continue;
    if (p->index() == active_) {
      SetWindowPos(h, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
      ShowWindow(h, SW_HIDE);
    }
  }
}

void PageHost::setPageVisible(int page, bool visible) {
  if (page < 0 || page >= pageCount() || visible_[static_cast<size_t>(page)] == visible) return;
  visible_[static_cast<size_t>(page)] = visible;
  rebuildTabs();
}

bool PageHost::pageVisible(int page) const {
  return page >= 0 && page < pageCount() && visible_[static_cast<size_t>(page)];
}

void PageHost::showOnly(int page) {
  for (size_t i = 0; i < visible_.size(); ++i) visible_[i] = static_cast<int>(i) == page;
  active_ = page;
  rebuildTabs();
  if (onPageChange && active_ >= 0) onPageChange(active_);
}

int PageHost::activePage() const { return active_; }

void PageHost::setActivePage(int page) {
  if (!pageVisible(page) || page == active_) return;
  active_ = page;
  showActive();
  if (onPageChange) onPageChange(active_);
}

int PageHost::tabOf(int page) const {
  if (!pageVisible(page)) return -1;
  int tab = 0;
  for (int i = 0; i < page; ++i)
    if (visible_[static_cast<size_t>(i)]) ++tab;
  return tab;
}

LRESULT PageHost::notify(NMHDR& hdr) {
  if (hdr.code == TCN_SELCHANGE) {
    int tab = selectedIndex();
    active_ = tab >= 0 ? static_cast<int>(tabData(tab)) : -1;
    showActive();
    if (onPageChange && active_ >= 0) onPageChange(active_);
  }
  return TabControl::notify(hdr);
}

}  // namespace ui
