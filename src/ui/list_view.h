// A report-style list view: columns with widths, rows with sub-items, and one value per row that
// the list owns. A row's value is freed exactly once: when its row is deleted (by the wrapper or
// by the control), when the list is cleared, or when the wrapper goes; moving a row keeps it.
#pragma once

#include <memory>
#include <optional>
#include <unordered_map>

#include "ui/controls.h"

namespace ui {

class ImageList;

class ListView : public Control {
 public:
  using Control::Control;
  ~ListView() override;

  // The row's owned value: any type, e.g. std::make_shared<AlarmItem>(...).
  using RowValue = std::shared_ptr<void>;

  // Extended styles (LVS_EX_FULLROWSELECT, LVS_EX_CHECKBOXES, ...), set over the current ones.
  void setExtendedStyle(DWORD mask, DWORD style);

  int addColumn(std::string_view caption, int width, int format = LVCFMT_LEFT);
  int columnCount() const;
  int columnWidth(int column) const;
  void setColumnWidth(int column, int width);

  // Inserts a row before index (index >= count: at the end); answers its index.
  int insertItem(int index, std::string_view text, RowValue value = nullptr, int image = -1);
  int addItem(std::string_view text, RowValue value = nullptr, int image = -1) {
    return insertItem(count(), text, std::move(value), image);
  }
  int count() const;
  std::string itemText(int row, int column = 0) const;
  void setItemText(int row, int column, std::string_view text);
  void setItemImage(int row, int image);
  int itemImage(int row) const;
  void* rawValue(int row) const;
  template <typename T>
  T* value(int row) const {
    return static_cast<T*>(rawValue(row));
  }
  void setValue(int row, RowValue value);  // frees the value the row had
  void deleteItem(int row);
  void clear();
  // Moves a row with its texts, image, check mark, selection and value to index `to` (its index
  // after the move); answers that index.
  int moveItem(int from, int to);

  bool checked(int row) const;
  void setChecked(int row, bool on);
  int selectedIndex() const;  // the first selected row, -1 when none
  std::vector<int> selectedIndices() const;
  // Selects and focuses one row (the others lose the selection) and scrolls it into view; -1: none.
  void setSelectedIndex(int row);
  int focusedIndex() const;
  void ensureVisible(int row);
  int topIndex() const;
  int visibleRowCount() const;
  // The row at a point in any column, -1 when no row is there; flags: where on it (LVHT_*).
  int itemAt(POINT client, UINT* flags = nullptr) const;
  RECT itemRect(int row) const;
  void setDropHighlight(int row, bool on);
  void setImageList(const ImageList& images, int which = LVSIL_SMALL);

  // In-place label edit (the control needs LVS_EDITLABELS).
  void editLabel(int row);
  void cancelEdit();
  HWND editControl() const;

  // Callbacks. onSelect: a row became selected or lost the selection. onCheck: a row's check
  // mark changed. onBeginEdit: answer false to refuse the edit. onEndEdit: text is empty when
  // the edit was cancelled; answer false to refuse the new text.
  std::function<void(int row, bool selected)> onSelect;
  std::function<void(int row, bool checked)> onCheck;
  std::function<void()> onClick;
  std::function<void()> onDoubleClick;
  std::function<void(WORD key)> onKeyDown;
  std::function<void(int column)> onColumnClick;
  std::function<void(int row)> onBeginDrag;
  std::function<bool(int row)> onBeginEdit;
  std::function<bool(int row, const std::optional<std::string>& text)> onEndEdit;
  // The list lost the keyboard focus to another control (not to its own label editor).
  std::function<void()> onExit;

  LRESULT notify(NMHDR& hdr) override;

 protected:
  const wchar_t* className() const override { return WC_LISTVIEWW; }
  DWORD requiredStyle() const override { return LVS_REPORT; }

 private:
  // Inserts a row at index with the value key; image nullopt: the row's image is left unset.
  int insertRow(int index, std::string_view text, LPARAM key, std::optional<int> image);
  // A row's fields named by mask (with the states named by stateMask); nullopt when there is no such row.
  std::optional<LVITEMW> getItem(int row, UINT mask, UINT stateMask = 0) const;
  void setItem(int row, UINT mask, LVITEMW fields);
  void setState(int row, UINT mask, UINT state);  // row -1: every row
  LPARAM keyOf(int row) const;
  void setKey(int row, LPARAM key);
  std::unordered_map<LPARAM, RowValue> values_;
  LPARAM nextKey_ = 1;
};

}  // namespace ui
