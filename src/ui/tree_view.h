// A tree view: items with children, each with a caption, images and one integer of data; moving
// an item takes its children along; captions can be edited in place (TVS_EDITLABELS).
#pragma once

#include <optional>

#include "ui/controls.h"

namespace ui {

class ImageList;

using TreeItem = HTREEITEM;  // nullptr: none; as a parent, the root level

class TreeView : public Control {
 public:
  using Control::Control;

  struct ItemArgs {
    std::string text;  // CP932
    int image = -1;
    int selectedImage = -1;  // -1: as image
    LPARAM data = 0;
  };
  // Inserts under parent (nullptr: at the top level) after `after` (TVI_FIRST, TVI_LAST or a sibling).
  TreeItem insertItem(TreeItem parent, const ItemArgs& args, TreeItem after = TVI_LAST);
  void deleteItem(TreeItem item);  // with everything below it
  void clear();
  int count() const;

  std::string text(TreeItem item) const;
  void setText(TreeItem item, std::string_view text);
  LPARAM data(TreeItem item) const;
  void setData(TreeItem item, LPARAM data);
  int image(TreeItem item) const;
  void setImage(TreeItem item, int image, int selectedImage = -1);

  TreeItem root() const;  // the first item of the top level
  TreeItem parent(TreeItem item) const;
  TreeItem firstChild(TreeItem item) const;
  TreeItem nextSibling(TreeItem item) const;
  TreeItem previousSibling(TreeItem item) const;
  std::vector<TreeItem> children(TreeItem item) const;      // nullptr: the top level
  bool isAncestor(TreeItem ancestor, TreeItem item) const;  // also true when both are the same

  TreeItem selected() const;
  void select(TreeItem item);
  void expand(TreeItem item, bool open = true);
  bool expanded(TreeItem item) const;
  void ensureVisible(TreeItem item);
  TreeItem itemAt(POINT client) const;
  void setDropTarget(TreeItem item);  // nullptr: none
  void setImageList(const ImageList& images);
  void setIndent(int pixels);

  // Moves item with everything below it under newParent after `after`; the moved items are new
  // items (new handles) with the same captions, images, data and open state. Answers the moved
  // item, or nullptr when newParent is the item itself or lies below it.
  TreeItem moveItem(TreeItem item, TreeItem newParent, TreeItem after = TVI_LAST);

  void editLabel(TreeItem item);
  void endEdit(bool cancel);
  HWND editControl() const;

  std::function<void(TreeItem item)> onSelect;
  std::function<void(TreeItem item)> onBeginDrag;
  std::function<void(WORD key)> onKeyDown;
  std::function<void()> onDoubleClick;
  std::function<bool(TreeItem item)> onBeginEdit;  // false refuses
  // text is empty when cancelled; answer false to refuse the new text.
  std::function<bool(TreeItem item, const std::optional<std::string>& text)> onEndEdit;

  LRESULT notify(NMHDR& hdr) override;

 protected:
  const wchar_t* className() const override { return WC_TREEVIEWW; }

 private:
  // An item's fields named by mask; nullopt when there is no such item.
  std::optional<TVITEMW> getItem(TreeItem item, UINT mask) const;
  void setItem(TreeItem item, UINT mask, TVITEMW fields);
  TreeItem copyItem(TreeItem item, TreeItem newParent, TreeItem after);
};

}  // namespace ui
