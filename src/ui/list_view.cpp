#include "ui/list_view.h"

#include <algorithm>

#include "base/text.h"
#include "ui/image_list.h"
#include "ui/label_edit.h"

namespace ui {

namespace {
constexpr UINT kCheckMask = LVIS_STATEIMAGEMASK;
constexpr UINT kChecked = INDEXTOSTATEIMAGEMASK(2);
}  // namespace

ListView::~ListView() {
  // The values go with this object; rows the control still holds no longer refer to any.
  if (handle())
    for (int row = 0, n = count(); row < n; ++row) setKey(row, 0);
}

void ListView::setExtendedStyle(DWORD mask, DWORD style) { send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style); }

int ListView::addColumn(std::string_view caption, int width, int format) {
  std::wstring w = base::wide(caption);
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  col.fmt = format;
  col.cx = width;
  col.pszText = w.data();
  int index = columnCount();
  return static_cast<int>(send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col)));
}

int ListView::columnCount() const {
  auto header = reinterpret_cast<HWND>(send(LVM_GETHEADER));
  return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}
int ListView::columnWidth(int column) const { return static_cast<int>(send(LVM_GETCOLUMNWIDTH, column)); }
void ListView::setColumnWidth(int column, int width) { send(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)); }

int ListView::insertItem(int index, std::string_view text, RowValue value, int image) {
  LPARAM key = 0;
  if (value) {
    key = nextKey_++;
    values_[key] = std::move(value);
  }
  int row = insertRow(index < 0 ? count() : index, text, key, image >= 0 ? std::optional(image) : std::nullopt);
  if (row < 0) values_.erase(key);
  return row;
}

int ListView::insertRow(int index, std::string_view text, LPARAM key, std::optional<int> image) {
  std::wstring w = base::wide(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM | (image ? LVIF_IMAGE : 0);
  item.iItem = index;
  item.pszText = w.data();
  item.iImage = image.value_or(0);
  item.lParam = key;
  return static_cast<int>(send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

int ListView::count() const { return static_cast<int>(send(LVM_GETITEMCOUNT)); }

std::string ListView::itemText(int row, int column) const {
  std::wstring buf(1024, L'\0');
  for (;;) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buf.data();
    item.cchTextMax = static_cast<int>(buf.size());
    auto n = static_cast<size_t>(send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    if (n + 1 < buf.size()) return base::cp932(std::wstring_view(buf.data(), n));
    buf.resize(buf.size() * 4);
  }
}

void ListView::setItemText(int row, int column, std::string_view text) {
  std::wstring w = base::wide(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = w.data();
  send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::optional<LVITEMW> ListView::getItem(int row, UINT mask, UINT stateMask) const {
  return queryItem(*this, LVM_GETITEMW, LVITEMW{.mask = mask, .iItem = row, .stateMask = stateMask});
}

void ListView::setItem(int row, UINT mask, LVITEMW item) {
  item.mask = mask;
  item.iItem = row;
  send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ListView::setState(int row, UINT mask, UINT state) {
  LVITEMW item{};
  item.stateMask = mask;
  item.state = state;
  send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void ListView::setItemImage(int row, int image) { setItem(row, LVIF_IMAGE, {.iImage = image}); }

int ListView::itemImage(int row) const {
  auto item = getItem(row, LVIF_IMAGE);
  return item ? item->iImage : -1;
}

LPARAM ListView::keyOf(int row) const {
  auto item = getItem(row, LVIF_PARAM);
  return item ? item->lParam : 0;
}

void ListView::setKey(int row, LPARAM key) { setItem(row, LVIF_PARAM, {.lParam = key}); }

void* ListView::rawValue(int row) const {
  auto it = values_.find(keyOf(row));
  return it == values_.end() ? nullptr : it->second.get();
}

void ListView::setValue(int row, RowValue value) {
  if (row < 0 || row >= count()) return;
  LPARAM key = keyOf(row);
  if (key) values_.erase(key);
  key = 0;
  if (value) {
    key = nextKey_++;
    values_[key] = std::move(value);
  }
  setKey(row, key);
}

void ListView::deleteItem(int row) {
  LPARAM key = keyOf(row);
  if (send(LVM_DELETEITEM, static_cast<WPARAM>(row))) values_.erase(key);
}

void ListView::clear() {
  send(LVM_DELETEALLITEMS);
  values_.clear();
}

int ListView::moveItem(int from, int to) {
  int n = count();
  if (from < 0 || from >= n || to < 0 || to >= n || from == to) return from;
  int columns = std::max(1, columnCount());
  std::vector<std::string> texts;
  for (int c = 0; c < columns; ++c) texts.push_back(itemText(from, c));
  constexpr UINT kMovedStates = kCheckMask | LVIS_SELECTED | LVIS_FOCUSED;
  const LVITEMW old = getItem(from, LVIF_PARAM | LVIF_IMAGE | LVIF_STATE, kMovedStates).value_or(LVITEMW{});
  // The old row gives its value up before it goes, so that deleting it frees nothing.
  setKey(from, 0);
  send(LVM_DELETEITEM, static_cast<WPARAM>(from));

  int row = insertRow(to, texts[0], old.lParam, old.iImage);
  if (row < 0) {
    values_.erase(old.lParam);
    return -1;
  }
  for (int c = 1; c < columns; ++c) setItemText(row, c, texts[static_cast<size_t>(c)]);
  setState(row, kMovedStates, old.state);
  return row;
}

bool ListView::checked(int row) const {
  return (send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), kCheckMask) & kCheckMask) == kChecked;
}

void ListView::setChecked(int row, bool on) { setState(row, kCheckMask, INDEXTOSTATEIMAGEMASK(on ? 2 : 1)); }

int ListView::selectedIndex() const {
  return static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::vector<int> ListView::selectedIndices() const {
  std::vector<int> rows;
  for (int row = -1; (row = static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0;)
    rows.push_back(row);
  return rows;
}

void ListView::setSelectedIndex(int row) {
  constexpr UINT kChosen = LVIS_SELECTED | LVIS_FOCUSED;
  setState(-1, kChosen, 0);
  if (row < 0) return;
  setState(row, kChosen, kChosen);
  ensureVisible(row);
}

int ListView::focusedIndex() const {
  return static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}
void ListView::ensureVisible(int row) { send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE); }
int ListView::topIndex() const { return static_cast<int>(send(LVM_GETTOPINDEX)); }
int ListView::visibleRowCount() const { return static_cast<int>(send(LVM_GETCOUNTPERPAGE)); }

int ListView::itemAt(POINT client, UINT* flags) const {
  // The sub-item hit test finds the row from any column; Wine's plain hit test sees only the first
  // column even with full-row selection.
  LVHITTESTINFO hit{};
  hit.pt = client;
  int row = static_cast<int>(send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (flags) *flags = hit.flags;
  return row;
}

RECT ListView::itemRect(int row) const {
  RECT r{};
  r.left = LVIR_BOUNDS;
  send(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  return r;
}

void ListView::setDropHighlight(int row, bool on) { setState(row, LVIS_DROPHILITED, on ? LVIS_DROPHILITED : 0); }

void ListView::setImageList(const ImageList& images, int which) {
  send(LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(images.handle()));
}

void ListView::editLabel(int row) { label_edit::start(*this, LVM_EDITLABELW, static_cast<WPARAM>(row), 0); }
void ListView::cancelEdit() { send(LVM_CANCELEDITLABEL); }
HWND ListView::editControl() const { return reinterpret_cast<HWND>(send(LVM_GETEDITCONTROL)); }

LRESULT ListView::notify(NMHDR& hdr) {
  switch (hdr.code) {
    case LVN_DELETEITEM: {
      // The control deletes a row (also when it is destroyed): its value goes with it.
      auto& nm = reinterpret_cast<NMLISTVIEW&>(hdr);
      if (nm.lParam) values_.erase(nm.lParam);
      return 0;
    }
    case LVN_ITEMCHANGED: {
      auto& nm = reinterpret_cast<NMLISTVIEW&>(hdr);
      if (!(nm.uChanged & LVIF_STATE) || nm.iItem < 0) return 0;
      UINT changed = nm.uOldState ^ nm.uNewState;
      if ((changed & LVIS_SELECTED) && onSelect) onSelect(nm.iItem, (nm.uNewState & LVIS_SELECTED) != 0);
      // A row inserted gets its first check image (old state 0): that is no change of its mark.
      if ((changed & kCheckMask) && (nm.uOldState & kCheckMask) && onCheck)
        onCheck(nm.iItem, (nm.uNewState & kCheckMask) == kChecked);
      return 0;
    }
    case NM_CLICK:
      if (onClick) onClick();
      return 0;
    case NM_DBLCLK:
      if (onDoubleClick) onDoubleClick();
      return 0;
    case NM_KILLFOCUS:
      if (onExit && !editControl()) onExit();
      return 0;
    case LVN_KEYDOWN:
      if (onKeyDown) onKeyDown(reinterpret_cast<NMLVKEYDOWN&>(hdr).wVKey);
      return 0;
    case LVN_COLUMNCLICK:
      if (onColumnClick) onColumnClick(reinterpret_cast<NMLISTVIEW&>(hdr).iSubItem);
      return 0;
    case LVN_BEGINDRAG:
      if (onBeginDrag) onBeginDrag(reinterpret_cast<NMLISTVIEW&>(hdr).iItem);
      return 0;
    case LVN_BEGINLABELEDITW:
      return label_edit::begin(onBeginEdit, reinterpret_cast<NMLVDISPINFOW&>(hdr).item.iItem);
    case LVN_ENDLABELEDITW: {
      auto& item = reinterpret_cast<NMLVDISPINFOW&>(hdr).item;
      return label_edit::end(onEndEdit, item.iItem, item.pszText);
    }
  }
  return Control::notify(hdr);
}

}  // namespace ui
