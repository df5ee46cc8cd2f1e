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
#include "clock/commands/commands.h"
#include "clock/commands/menu_icons.h"

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
// A record is read only when all its fields fit in what is left; a string count outside
// 0..262,144 or past the end ends the reading.
std::vector<SystemMenuRecord> decodeSystemMenu(std::string_view bytes);

// The index of each record's parent record, -1 for the top level. A parent caption is looked for
// among the previous record's node and its ancestors first (records come in tree order), so
// that captions used twice keep the arrangement; then at the first earlier record of that
// caption; "nil" and a caption no earlier record has give the top level.
std::vector<int> systemMenuParents(const std::vector<SystemMenuRecord>& records);

// The settings and exit commands (cmdSettings, cmdExit): without them the clock could neither be
// set up nor ended. Appends either of them at the top level when no record carries it.
void addMissingSettingsAndExit(std::vector<SystemMenuRecord>& records);
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

// Appends the records below root, each under its parent record (systemMenuParents) or root.
// Root is not cleared first.
void LoadRecordsToMenu(const std::vector<SystemMenuRecord>& records, TMenuItem& root);
// Reads the file into root, the settings and exit commands always among the items (alone when
// the file cannot be read or a folder stands in its place); false when it does not exist.
bool LoadToMenu(const std::string& fileName, TMenuItem& root);

// The first item below root with the tag, depth first; nullptr when none.
TMenuItem* FindItemByTag(int tag, TMenuItem& root);

// Items with a Tag above 0 get the command; submenus are searched; separators and submenus stay
// unbound.
void BindMenuCommands(TMenuItem& item);

// The pop-up menu of root's items: bound items carry their Tag as id, "-" makes a separator,
// items with sub-items make submenus, invisible items are left out. With images, an item whose
// ImageIndex names one of them shows that picture.
base::Menu BuildPopupMenu(const TMenuItem& root, const TMenuImages* images = nullptr);

}  // namespace tockle
