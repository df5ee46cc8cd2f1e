// The settings dialog's page "ホットキー": one row per command of the command list that may get
// a hot key (headings between them), each with at most one shortcut, stored in "_hot3".
#pragma once

#include "clock/config/config_page.h"
#include "clock/config/pages/hot_key_page_ids.h"
#include "ui/hot_key_edit.h"
#include "ui/list_view.h"

namespace tockle {

class THotKeyPage : public TConfigPage {
 public:
  explicit THotKeyPage(TfrmConfig& config);

  struct Row {
    int Command = 0;  // 0: a heading
    int Shortcut = 0;
  };

  ui::ListView lsvHotKey{this, IDC_HOTKEY_LIST};
  ui::HotKeyEdit htkHotKey{this, IDC_HOTKEY_EDIT};
  ui::Button btnAssignHotKey{this, IDC_HOTKEY_ASSIGN};
  // Loaded and saved with the general pages (the HotKey setting).
  ui::CheckBox chkUseHotKey{this, IDC_HOTKEY_USE};

  void Load(ConfigStep step) override;
  bool Save(ConfigStep step) override;

  // The rows from the dialog's command list, and their shortcuts from "_hot3".
  void LoadCommandList();
  void LoadHotKeyFile();
  // Writes "_hot3" (false after telling the user it could not); a list that never came from a
  // "[HotKey]" section writes nothing, so it cannot wipe the stored keys.
  bool SaveHotKeyFile();

  void btnAssignHotKeyClick();
  void lsvHotKeySelectItem(int row, bool selected);
  void lsvHotKeyDblClick();
  void lsvHotKeyKeyDown(WORD key);

  const Row* RowAt(int row) const { return lsvHotKey.value<Row>(row); }

 private:
  void FormCreate();
  void setShortcut(int row, int shortcut, bool ticked);
  bool loaded_ = false;
};

}  // namespace tockle
