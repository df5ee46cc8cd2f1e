#include "ui/tree_view.h"

#include "base/text.h"
#include "ui/image_list.h"
#include "ui/label_edit.h"

namespace ui {

TreeItem TreeView::insertItem(TreeItem parent, const ItemArgs& a, TreeItem after) {
  std::wstring w = base::wide(a.text);
  TVINSERTSTRUCTW ins{};
  ins.hParent = parent ? parent : TVI_ROOT;
  ins.hInsertAfter = after;
  ins.item.mask = TVIF_TEXT | TVIF_PARAM | (a.image >= 0 ? TVIF_IMAGE | TVIF_SELECTEDIMAGE : 0);
  ins.item.pszText = w.data();
  ins.item.lParam = a.data;
  ins.item.iImage = a.image;
  ins.item.iSelectedImage = a.selectedImage >= 0 ? a.selectedImage : a.image;
  return reinterpret_cast<TreeItem>(send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
}

void TreeView::deleteItem(TreeItem item) {
  if (item) send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}
void TreeView::clear() { send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }
int TreeView::count() const { return static_cast<int>(send(TVM_GETCOUNT)); }

std::string TreeView::text(TreeItem item) const {
  std::wstring buf(1024, L'\0');
  TVITEMW it{};
  it.mask = TVIF_TEXT;
  it.hItem = item;
  it.pszText = buf.data();
  it.cchTextMax = static_cast<int>(buf.size());
  if (!send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it))) return {};
  return base::cp932(it.pszText);
}

std::optional<TVITEMW> TreeView::getItem(TreeItem item, UINT mask) const {
  return queryItem(*this, TVM_GETITEMW, TVITEMW{.mask = mask, .hItem = item});
}

void TreeView::setItem(TreeItem item, UINT mask, TVITEMW fields) {
  fields.mask = mask;
  fields.hItem = item;
  send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&fields));
}

void TreeView::setText(TreeItem item, std::string_view text) {
  std::wstring w = base::wide(text);
  setItem(item, TVIF_TEXT, {.pszText = w.data()});
}

LPARAM TreeView::data(TreeItem item) const {
  auto it = getItem(item, TVIF_PARAM);
  return it ? it->lParam : 0;
}

void TreeView::setData(TreeItem item, LPARAM data) { setItem(item, TVIF_PARAM, {.lParam = data}); }

int TreeView::image(TreeItem item) const {
  auto it = getItem(item, TVIF_IMAGE);
  return it ? it->iImage : -1;
}

void TreeView::setImage(TreeItem item, int image, int selectedImage) {
  setItem(item, TVIF_IMAGE | TVIF_SELECTEDIMAGE,
          {.iImage = image, .iSelectedImage = selectedImage >= 0 ? selectedImage : image});
}

namespace {
TreeItem next(const Control& c, UINT how, TreeItem item) {
  return reinterpret_cast<TreeItem>(c.send(TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}
}  // namespace

TreeItem TreeView::root() const { return next(*this, TVGN_ROOT, nullptr); }
TreeItem TreeView::parent(TreeItem item) const { return next(*this, TVGN_PARENT, item); }
TreeItem TreeView::firstChild(TreeItem item) const { return item ? next(*this, TVGN_CHILD, item) : root(); }
TreeItem TreeView::nextSibling(TreeItem item) const { return next(*this, TVGN_NEXT, item); }
TreeItem TreeView::previousSibling(TreeItem item) const { return next(*this, TVGN_PREVIOUS, item); }
TreeItem TreeView::selected() const { return next(*this, TVGN_CARET, nullptr); }

std::vector<TreeItem> TreeView::children(TreeItem item) const {
  std::vector<TreeItem> all;
  for (TreeItem c = firstChild(item); c; c = nextSibling(c)) all.push_back(c);
  return all;
}

bool TreeView::isAncestor(TreeItem ancestor, TreeItem item) const {
  for (TreeItem i = item; i; i = parent(i))
    if (i == ancestor) return true;
  return false;
}

void TreeView::select(TreeItem item) { send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)); }
void TreeView::expand(TreeItem item, bool open) {
  send(TVM_EXPAND, open ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item));
}
bool TreeView::expanded(TreeItem item) const {
  return (send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}
void TreeView::ensureVisible(TreeItem item) { send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item)); }

TreeItem TreeView::itemAt(POINT client) const {
  TVHITTESTINFO hit{};
  hit.pt = client;
  return reinterpret_cast<TreeItem>(send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void TreeView::setDropTarget(TreeItem item) { send(TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(item)); }
void TreeView::setImageList(const ImageList& images) {
  send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images.handle()));
}
void TreeView::setIndent(int pixels) { send(TVM_SETINDENT, static_cast<WPARAM>(pixels)); }

TreeItem TreeView::copyItem(TreeItem item, TreeItem newParent, TreeItem after) {
  const TVITEMW it = getItem(item, TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM).value_or(TVITEMW{});
  TreeItem copy = insertItem(newParent, {text(item), it.iImage, it.iSelectedImage, it.lParam}, after);
  if (!copy) return nullptr;
  for (TreeItem child : children(item)) copyItem(child, copy, TVI_LAST);
  if (expanded(item)) expand(copy, true);
  return copy;
}

TreeItem TreeView::moveItem(TreeItem item, TreeItem newParent, TreeItem after) {
  if (!item || (newParent && isAncestor(item, newParent))) return nullptr;
  bool wasSelected = selected() == item;
  TreeItem moved = copyItem(item, newParent, after);
  if (!moved) return nullptr;
  deleteItem(item);
  if (wasSelected) select(moved);
  return moved;
}

void TreeView::editLabel(TreeItem item) { label_edit::start(*this, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(item)); }
void TreeView::endEdit(bool cancel) { send(TVM_ENDEDITLABELNOW, cancel ? TRUE : FALSE); }
HWND TreeView::editControl() const { return reinterpret_cast<HWND>(send(TVM_GETEDITCONTROL)); }

LRESULT TreeView::notify(NMHDR& hdr) {
  switch (hdr.code) {
    case TVN_SELCHANGEDW:
      if (onSelect) onSelect(reinterpret_cast<NMTREEVIEWW&>(hdr).itemNew.hItem);
      return 0;
    case TVN_BEGINDRAGW:
      if (onBeginDrag) onBeginDrag(reinterpret_cast<NMTREEVIEWW&>(hdr).itemNew.hItem);
      return 0;
    case TVN_KEYDOWN:
      if (onKeyDown) onKeyDown(reinterpret_cast<NMTVKEYDOWN&>(hdr).wVKey);
      return 0;
    case NM_DBLCLK:
      if (onDoubleClick) onDoubleClick();
      return 0;
    case TVN_BEGINLABELEDITW:
      return label_edit::begin(onBeginEdit, reinterpret_cast<NMTVDISPINFOW&>(hdr).item.hItem);
    case TVN_ENDLABELEDITW: {
      auto& item = reinterpret_cast<NMTVDISPINFOW&>(hdr).item;
      return label_edit::end(onEndEdit, item.hItem, item.pszText);
    }
  }
  return Control::notify(hdr);
}

}  // namespace ui
