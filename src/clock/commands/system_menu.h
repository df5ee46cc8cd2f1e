// The clock's pop-up system menu: a tree of items whose Tag is a command number (above 0), 0 for a
// submenu or -1 for a separator (caption "-"), read from the record file "_system3" and shown as
// a Win32 pop-up menu whose item ids are the commands.
#pragma once

#include <windows.h>

#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "base/handles.h"

namespace tockle {

// One record of "_system3": a node of the menu tree, in tree order.
struct SystemMenuRecord {
  std::string ParentText;  // "nil" for a top-level node
  std::string Text;
  int32_t ImageIndex = 0;
  int32_t SelectedIndex = 0;
  int32_t StateIndex = 0;  // command number, 0 submenu, -1 separator
};

// The records of a file's bytes: a record is read while at least 8 bytes remain, and reading
// goes on after a record only while more than 16 bytes remain.
std::vector<SystemMenuRecord> decodeSystemMenu(std::string_view bytes);
std::string encodeSystemMenu(const std::vector<SystemMenuRecord>& records);

// The default system menu from the lines of the command list (its section after the line
// containing "[Default]"): "name=begin" opens a submenu, "name=end" closes it, "-=..." is a
// separator, "name=number" a command; each line's value is that of the first line of the whole
// file with its name (letter case ignored). Lines without a name or with a value that is no
// number are passed over. The records come in tree order, ready for "_system3".
std::vector<SystemMenuRecord> defaultSystemMenu(const std::vector<std::string>& commandLines);

struct TMenuItem {
  std::string Caption;
  int Tag = 0;
  bool Checked = false;
  bool Visible = true;
  int ImageIndex = -1;
  // Set by BindMenuCommands: choosing the item runs the command of its Tag.
  bool Bound = false;
  std::list<TMenuItem> Items;  // a list: items keep their place while others are added
};

// Appends the records below root; a record whose parent caption is not found (depth first,
// exact comparison) goes to root. Root is not cleared first.
void LoadRecordsToMenu(const std::vector<SystemMenuRecord>& records, TMenuItem& root);
// Reads the file into root; false when it does not exist.
bool LoadToMenu(const std::string& fileName, TMenuItem& root);

// The first item below root with the tag, or with the caption, depth first; nullptr when none.
TMenuItem* FindItemByTag(int tag, TMenuItem& root);
TMenuItem* FindMenuItem(std::string_view caption, TMenuItem& root);

// Items with a Tag above 0 get the command; submenus are searched; separators and submenus stay
// unbound.
void BindMenuCommands(TMenuItem& item);

// The pop-up menu of root's items: bound items carry their Tag as id, "-" makes a separator,
// items with sub-items make submenus, invisible items are left out.
base::Menu BuildPopupMenu(const TMenuItem& root);

}  // namespace tockle
