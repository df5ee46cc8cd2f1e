// An editable drop-down that remembers the texts entered: SaveHistory puts the current text on
// top and stores the first entries under RegKey as <Prefix>0, <Prefix>1, ... (most recent first);
// LoadHistory adds the stored entries after those the form put in. Entries are compared the way
// the combo box's exact search does, ignoring letter case.
#pragma once

#include <string>

#include "ui/controls.h"

namespace shared {

class TKzHistoryCombo : public ui::ComboBox {
 public:
  using ui::ComboBox::ComboBox;

  std::string RegKey;  // under HKEY_CURRENT_USER
  std::string Prefix;
  int SaveCount = 15;

  // Limits the edit to this many bytes of code page 932, as the files and the registry count
  // them: typing or pasting past it keeps only what fits of the new text. Stored entries longer
  // than that are cut on a character boundary when loaded. 0: no limit of our own.
  void SetLimit(int bytes);

  void command(WORD code) override;

  // Adds the stored entries (up to SaveCount, stopping at the first missing one, skipping empty
  // ones and those the list holds already). A missing key is left missing.
  void LoadHistory();
  // Puts the current text on top of the list, keeps the first SaveCount entries and stores them.
  // An empty text changes nothing. False when the key could not be opened or written.
  bool SaveHistory();

 private:
  // Cuts what was just typed or pasted to what fits the byte limit.
  void keepWithinLimit();

  int limit_ = 0;
  // The text as it stood after the last edit (what an edit inserted is what differs from it).
  std::wstring accepted_;
};

}  // namespace shared
