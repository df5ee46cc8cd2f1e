#include "clock/config/pages/hot_key_page.h"

#include <map>

#include "base/files.h"
#include "base/text.h"
#include "clock/commands/hot_keys_file.h"
#include "ui/shortcut.h"
#include "clock/config/config_dialog.h"
#include "shared/prompts.h"

namespace tockle {

namespace {
constexpr int kCommandColumnWidth = 160, kKeyColumnWidth = 130;
}

THotKeyPage::THotKeyPage(TfrmConfig& config) : TConfigPage(config, tabHotKey, IDD_PAGE_HOTKEY) {
  onCreate = [this] { FormCreate(); };
  btnAssignHotKey.onClick = [this] { btnAssignHotKeyClick(); };
  lsvHotKey.onSelect = [this](int row, bool selected) { lsvHotKeySelectItem(row, selected); };
  lsvHotKey.onDoubleClick = [this] { lsvHotKeyDblClick(); };
  lsvHotKey.onKeyDown = [this](WORD key) { lsvHotKeyKeyDown(key); };
  chkUseHotKey.onClick = [this] { SetChanged(cpGeneral); };
}

void THotKeyPage::FormCreate() {
  lsvHotKey.setExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  lsvHotKey.addColumn("コマンド名"_sj, kCommandColumnWidth);
  lsvHotKey.addColumn("ホットキー"_sj, kKeyColumnWidth);
  SetWindowContextHelpId(lsvHotKey.handle(), 132);
  SetWindowContextHelpId(htkHotKey.handle(), 134);
  SetWindowContextHelpId(btnAssignHotKey.handle(), 132);
  SetWindowContextHelpId(chkUseHotKey.handle(), 133);
}

void THotKeyPage::Load(ConfigStep step) {
  if (step == ConfigStep::CommandList) LoadCommandList();
  if (step == ConfigStep::General) chkUseHotKey.setChecked(Settings().HotKey);
  if (step == ConfigStep::HotKeyFile) LoadHotKeyFile();
}

bool THotKeyPage::Save(ConfigStep step) {
  if (step == ConfigStep::General) Settings().HotKey = chkUseHotKey.checked();
  return step != ConfigStep::HotKeyFile || SaveHotKeyFile();
}

void THotKeyPage::LoadCommandList() {
  lsvHotKey.clear();
  for (const CommandEntry& e : Config.Commands.HotKey) {
    int row = lsvHotKey.addItem(e.Name, std::make_shared<Row>(Row{e.Command, 0}));
    lsvHotKey.setChecked(row, false);
    if (e.Command == 0) lsvHotKey.setItemText(row, 1, "[割り当て不可]"_sj);
  }
  loaded_ = Config.Commands.HasHotKeySection;
}

void THotKeyPage::LoadHotKeyFile() {
  auto text = base::readFile(Config.ProgramFolder + "_hot3");
  if (!text) return;
  // The first line of a command number holds its key.
  std::map<int, int> codes;
  for (const HotKeyEntry& e : parseHotKeys(*text)) codes.try_emplace(e.id, e.shortcut);
  for (int row = 0; row < lsvHotKey.count(); ++row) {
    const Row* r = RowAt(row);
    if (!r || r->Command == 0) continue;
    auto found = codes.find(r->Command);
    if (found != codes.end()) setShortcut(row, found->second, found->second != 0);
  }
}

bool THotKeyPage::SaveHotKeyFile() {
  if (!loaded_) return true;
  std::string text;
  for (int row = 0; row < lsvHotKey.count(); ++row) {
    const Row* r = RowAt(row);
    if (!r) continue;
    text += r->Command == 0 ? std::string("-1=0") : std::to_string(r->Command) + "=" + std::to_string(r->Shortcut);
    text += "\r\n";
  }
  if (base::writeFileAtomic(Config.ProgramFolder + "_hot3", text)) return true;
  shared::prompts().ask(Config.handle(), "ホットキーファイル _hot3 に書き込めませんでした"_sj, "保存エラー"_sj,
                        MB_OK | MB_ICONERROR);
  return false;
}

void THotKeyPage::setShortcut(int row, int shortcut, bool ticked) {
  lsvHotKey.value<Row>(row)->Shortcut = shortcut;
  lsvHotKey.setChecked(row, ticked);
  lsvHotKey.setItemText(row, 1, ui::shortCutText(shortcut, ui::KeyNames::Keyboard));
}

void THotKeyPage::btnAssignHotKeyClick() {
  int row = lsvHotKey.selectedIndex();
  if (row < 0) {
    shared::prompts().ask(Config.handle(), "ホットキーを指定したいアイテムを選択して下さい"_sj, "アイテム未選択"_sj,
                          MB_OK | MB_ICONERROR);
    return;
  }
  const Row* r = RowAt(row);
  if (!r || r->Command <= 0) return;
  int code = ui::shortCutOf(htkHotKey.hotKey());
  if (!ui::shortCutAllowed(code)) {
    shared::prompts().ask(
        Config.handle(), "Shift，Ctrl，Alt のいずれかと組み合わせて下さい\r\n(ファンクションキーは単独でも使えます)"_sj,
        "ホットキー指定エラー"_sj, MB_OK | MB_ICONERROR);
    return;
  }
  // One key runs one command: another row holding it gives it up only when the user agrees.
  for (int other = 0; code != 0 && other < lsvHotKey.count(); ++other) {
    const Row* o = RowAt(other);
    if (other == row || !o || o->Shortcut != code) continue;
    if (shared::prompts().ask(Config.handle(),
                              "そのホットキーは ["_sj + lsvHotKey.itemText(other) +
                                  "] に割り当てられています\r\n"
                                  "こちらに移しますか？"_sj,
                              "ホットキーの重複"_sj, MB_YESNO | MB_ICONQUESTION) != IDYES)
      return;
    setShortcut(other, 0, false);
  }
  setShortcut(row, code, true);
  SetChanged(cpGeneral);
}

void THotKeyPage::lsvHotKeySelectItem(int row, bool selected) {
  if (!selected || row < 0 || !RowAt(row)) return;
  const Row* r = RowAt(row);
  htkHotKey.setHotKey(r->Command != 0 ? ui::hotKeyOf(r->Shortcut) : ui::HotKey{});
}

void THotKeyPage::lsvHotKeyDblClick() { htkHotKey.setFocus(); }

void THotKeyPage::lsvHotKeyKeyDown(WORD) {
  if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) htkHotKey.setFocus();
}

}  // namespace tockle
