// A tab strip: tabs with captions and one integer each; the area the tabs leave free.
#pragma once

#include "ui/controls.h"

namespace ui {

class TabControl : public Control {
 public:
  using Control::Control;

  int insertTab(int index, std::string_view caption, LPARAM data = 0);
  int addTab(std::string_view caption, LPARAM data = 0) { return insertTab(count(), caption, data); }
  void deleteTab(int index);
  void clear();
  int count() const;
  std::string tabText(int index) const;
  void setTabText(int index, std::string_view caption);
  LPARAM tabData(int index) const;
  int selectedIndex() const;
  void setSelectedIndex(int index);  // raises no callback, as the control does not
  int tabAt(POINT client) const;     // -1 when none
  // The display area (below / beside the tabs) in the parent's client pixels.
  RECT displayRect() const;

  // onChanging: the selection is about to change; answer false to keep it.
  std::function<bool()> onChanging;
  std::function<void()> onChange;

  LRESULT notify(NMHDR& hdr) override;

 protected:
  const wchar_t* className() const override { return WC_TABCONTROLW; }
  DWORD requiredStyle() const override { return WS_CLIPSIBLINGS; }
};

}  // namespace ui
