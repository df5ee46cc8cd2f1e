#include "clock/config/pages/system_page.h"

#include <windowsx.h>

#include "base/files.h"
#include "base/text.h"
#include "clock/config/config_dialog.h"
#include "shared/prompts.h"
#include "ui/popup_menu.h"

namespace tockle {

namespace {

constexpr int kTreeIndent = 19;
// The drop menu's item ids: the place's tag + 1.
constexpr UINT kDropMenuBase = 1;

// The rename's input box and the box refusing its name share their caption.
std::string renameCaption() { return "メニュー名の変更"_sj; }

}  // namespace

TSystemPage::TSystemPage(TfrmConfig& config) : TConfigPage(config, tabSystem, IDD_PAGE_SYSTEM) {
  onCreate = [this] { FormCreate(); };
  ChooseDropPlace = [this](POINT screen, bool children) { return showDropMenu(screen, children); };
  chkSystemIcon.onClick = [this] { SetChanged(cpGeneral); };
  btnAllocSys.onClick = [this] { btnAllocSysClick(); };
  btnDeleteSys.onClick = [this] { btnDeleteSysClick(); };
  btnEditSys.onClick = [this] { btnEditSysClick(); };
  btnSubSys.onClick = [this] { btnSubSysClick(); };
  btnSepSys.onClick = [this] { btnSepSysClick(); };
  btnDefaultSys.onClick = [this] { btnDefaultSysClick(); };
  trvSystem.onKeyDown = [this](WORD key) { trvSystemKeyDown(key); };
  trvSystem.onBeginEdit = [this](ui::TreeItem node) { return trvSystemEditing(node); };
  trvSystem.onEndEdit = [this](ui::TreeItem node, const std::optional<std::string>& text) {
    return trvSystemEdited(node, text);
  };
  trvSystem.onBeginDrag = [this](ui::TreeItem node) { BeginDragFromTree(node); };
  lsvCommands.onBeginDrag = [this](int row) { BeginDragFromList(row); };
}

void TSystemPage::FormCreate() {
  trvSystem.setImageList(images_.List());
  trvSystem.setIndent(kTreeIndent);
  lsvCommands.setExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  RECT r{};
  GetClientRect(lsvCommands.handle(), &r);
  lsvCommands.addColumn("機能"_sj, r.right - GetSystemMetrics(SM_CXVSCROLL));
  struct {
    ui::Control& control;
    const char* hint;
    int help;
  } helps[] = {{btnAllocSys, "選択したコマンドを追加する", 136},
               {btnDeleteSys, "選択したメニューを削除する (Del)", 137},
               {btnEditSys, "メニュー名を変更する", 138},
               {btnSubSys, "サブメニューを作成する (Ins)", 139},
               {btnSepSys, "区切り線を入れる", 140},
               {btnDefaultSys, "デフォルトに戻す", 141},
               // A tool tip takes "&" as an access-key mark: doubled, it shows as "D&D".
               {trvSystem, "現在のメニュー構成(移動はD&&D)", 142},
               {lsvCommands, nullptr, 143},
               {chkSystemIcon, nullptr, 135}};
  for (auto& h : helps) {
    if (h.hint) hints_.add(h.control.handle(), base::fromUtf8(h.hint));
    SetWindowContextHelpId(h.control.handle(), static_cast<DWORD>(h.help));
  }
  // Icon buttons: each shows its picture (the template's caption stays its name).
  int picture = 0;
  for (ui::Button* b : {&btnAllocSys, &btnDeleteSys, &btnEditSys, &btnSubSys, &btnSepSys, &btnDefaultSys}) {
    base::Icon icon = buttonImages_.MakeIcon(picture++);
    if (!icon) continue;
    SetWindowLongW(b->handle(), GWL_STYLE, GetWindowLongW(b->handle(), GWL_STYLE) | BS_ICON);
    b->send(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
    buttonIcons_.push_back(std::move(icon));
  }
}

void TSystemPage::Load(ConfigStep step) {
  if (step == ConfigStep::CommandList) {
    lsvCommands.clear();
    for (const CommandEntry& e : Config.Commands.System) lsvCommands.addItem(e.Name, std::make_shared<int>(e.Command));
  }
  if (step == ConfigStep::General) chkSystemIcon.setChecked(Settings().SystemIcon);
  if (step != ConfigStep::SystemMenu) return;
  auto bytes = base::readFile(Config.ProgramFolder + "_system3");
  if (bytes) {
    auto records = decodeSystemMenu(*bytes);
    addMissingSettingsAndExit(records);
    Menu.SetRecords(records);
  } else if (BuildDefaultSystemMenu()) {
    // From the first opening on the file exists.
    saveFile();
  }
}

bool TSystemPage::Save(ConfigStep step) {
  if (step == ConfigStep::General) Settings().SystemIcon = chkSystemIcon.checked();
  return step != ConfigStep::SystemMenu || saveFile();
}

bool TSystemPage::saveFile() {
  if (base::writeFileAtomic(Config.ProgramFolder + "_system3", encodeSystemMenu(Menu.Records()))) return true;
  shared::prompts().ask(Config.handle(), "システムメニューファイル _system3 に書き込めませんでした"_sj, "保存エラー"_sj,
                        MB_OK | MB_ICONERROR);
  return false;
}

bool TSystemPage::BuildDefaultSystemMenu() {
  auto list = readCommandList(Config.ProgramFolder);
  if (!list) {
    Config.CommandFileLost();
    return false;
  }
  auto records = defaultSystemMenu(list->Lines);
  addMissingSettingsAndExit(records);
  trvSystem.send(WM_SETREDRAW, FALSE);
  Menu.SetRecords(records);
  trvSystem.send(WM_SETREDRAW, TRUE);
  InvalidateRect(trvSystem.handle(), nullptr, TRUE);
  return true;
}

void TSystemPage::changed() { SetChanged(cpSystemMenu); }

void TSystemPage::refuseCaption(const std::string& boxCaption) {
  shared::prompts().ask(Config.handle(), "\"-\"，\"nil\"，空のメニュー名と，既にあるメニュー名は使えません"_sj,
                        boxCaption, MB_OK | MB_ICONERROR);
}

void TSystemPage::btnAllocSysClick() {
  int row = lsvCommands.selectedIndex();
  if (row < 0) return;
  int command = *lsvCommands.value<int>(row);
  if (Menu.HasCommand(command)) {
    shared::prompts().ask(Config.handle(), "その項目は既に割り当てられています"_sj, "割り当て済み"_sj,
                          MB_OK | MB_ICONWARNING);
    return;
  }
  trvSystem.select(Menu.Insert(trvSystem.selected(), lsvCommands.itemText(row), command));
  changed();
}

void TSystemPage::btnDeleteSysClick() {
  ui::TreeItem node = trvSystem.selected();
  if (!node) return;
  if (!Menu.CanDelete(node)) {
    shared::prompts().ask(Config.handle(),
                          "[環境設定] と [終了]，及びそれらを含むサブメニューを一度には削除できません"_sj,
                          "削除禁止"_sj, MB_OK | MB_ICONERROR);
    return;
  }
  trvSystem.deleteItem(node);
  changed();
}

void TSystemPage::btnEditSysClick() {
  ui::TreeItem node = trvSystem.selected();
  if (!node || Menu.Number(node) < 0) return;
  std::string caption = trvSystem.text(node);
  if (!shared::prompts().inputQuery(Config.handle(), renameCaption(), "変更するメニュー名を入れて下さい"_sj, caption))
    return;
  if (!Menu.CaptionAllowed(caption, node)) return refuseCaption(renameCaption());
  trvSystem.setText(node, caption);
  changed();
}

void TSystemPage::btnSubSysClick() {
  std::string caption = "メニュー(&A)"_sj;
  if (!shared::prompts().inputQuery(Config.handle(), "メニュー名の指定"_sj, "サブメニュー名を入れて下さい"_sj, caption))
    return;
  if (!Menu.CaptionAllowed(caption)) return refuseCaption("メニュー名の指定"_sj);
  trvSystem.select(Menu.Insert(trvSystem.selected(), caption, 0));
  changed();
}

void TSystemPage::btnSepSysClick() {
  trvSystem.select(Menu.Insert(trvSystem.selected(), "-", -1));
  changed();
}

void TSystemPage::btnDefaultSysClick() {
  if (shared::prompts().ask(Config.handle(), "デフォルトに戻します\r\nよろしいですか？"_sj,
                            "システムメニューのデフォルト"_sj, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
    return;
  if (!BuildDefaultSystemMenu()) {
    Config.close(IDCANCEL);
    return;
  }
  changed();
}

void TSystemPage::trvSystemKeyDown(WORD key) {
  if (editing_) return;
  if (key == VK_DELETE) btnDeleteSysClick();
  if (key == VK_INSERT) btnSubSysClick();
  if (key == VK_F2 && trvSystem.selected()) trvSystem.editLabel(trvSystem.selected());
}

bool TSystemPage::trvSystemEditing(ui::TreeItem node) {
  // A separator has no name of its own.
  if (Menu.Number(node) < 0) return false;
  editing_ = true;
  Config.SetInPlaceEdit(true);
  return true;
}

bool TSystemPage::trvSystemEdited(ui::TreeItem node, const std::optional<std::string>& text) {
  editing_ = false;
  Config.SetInPlaceEdit(false);
  if (!text) return false;
  if (!Menu.CaptionAllowed(*text, node)) {
    refuseCaption(renameCaption());
    return false;
  }
  changed();
  return true;
}

void TSystemPage::BeginDragFromTree(ui::TreeItem node) {
  if (!node) return;
  trvSystem.select(node);
  dragging_ = true;
  fromList_ = false;
  dragged_ = node;
  SetCapture(handle());
}

void TSystemPage::BeginDragFromList(int row) {
  if (row < 0) return;
  lsvCommands.setSelectedIndex(row);
  dragging_ = true;
  fromList_ = true;
  draggedRow_ = row;
  SetCapture(handle());
}

void TSystemPage::endDrag() {
  dragging_ = false;
  trvSystem.setDropTarget(nullptr);
  if (GetCapture() == handle()) ReleaseCapture();
  InvalidateRect(Config.handle(), nullptr, TRUE);
}

bool TSystemPage::handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
  if (dragging_ && (msg == WM_MOUSEMOVE || msg == WM_LBUTTONUP)) {
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    MapWindowPoints(handle(), trvSystem.handle(), &at, 1);
    if (msg == WM_MOUSEMOVE) {
      trvSystem.setDropTarget(trvSystem.itemAt(at));
    } else {
      endDrag();
      DropOn(at);
    }
    result = 0;
    return true;
  }
  if (msg == WM_CAPTURECHANGED && dragging_) endDrag();
  return TConfigPage::handleMessage(msg, wp, lp, result);
}

void TSystemPage::DropOn(POINT treeClient) {
  dragging_ = false;
  ui::TreeItem target = trvSystem.itemAt(treeClient);
  if (!target) return;
  if (fromList_) {
    int row = draggedRow_ >= 0 && draggedRow_ < lsvCommands.count() ? draggedRow_ : -1;
    if (row < 0) return;
    if (Menu.HasCommand(*lsvCommands.value<int>(row))) {
      shared::prompts().ask(Config.handle(), "その項目は既に割り当てられています"_sj, "割り当て済み"_sj,
                            MB_OK | MB_ICONWARNING);
      return;
    }
  }
  bool submenu = Menu.Number(target) == 0;
  if (!submenu && !Menu.IsLastNode(target)) return dropAt(target, DropPlace::Before);
  POINT screen = treeClient;
  ClientToScreen(trvSystem.handle(), &screen);
  int place = ChooseDropPlace ? ChooseDropPlace(screen, submenu) : -1;
  if (place < 0 || place > 3) return;
  // The menu may have changed the tree's layout: the target is looked up again.
  target = trvSystem.itemAt(treeClient);
  if (target) dropAt(target, static_cast<DropPlace>(place));
}

void TSystemPage::dropAt(ui::TreeItem target, DropPlace place) {
  ui::TreeItem node = nullptr;
  if (fromList_) {
    int command = *lsvCommands.value<int>(draggedRow_);
    node = Menu.Add(target, place, lsvCommands.itemText(draggedRow_), command);
  } else {
    node = Menu.Move(dragged_, target, place);
  }
  if (!node) return;
  trvSystem.select(node);
  changed();
}

int TSystemPage::showDropMenu(POINT screen, bool children) {
  base::Menu menu = ui::popupMenu({{kDropMenuBase + 0, "このアイテムの前(&B)"_sj},
                                   {kDropMenuBase + 1, "このアイテムの後(&L)"_sj},
                                   {0, ""},
                                   {kDropMenuBase + 2, "最初の子(&C)"_sj},
                                   {kDropMenuBase + 3, "最後の子(&S)"_sj}});
  if (!children) {
    EnableMenuItem(menu.get(), kDropMenuBase + 2, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu.get(), kDropMenuBase + 3, MF_BYCOMMAND | MF_GRAYED);
  }
  UINT chosen = ui::trackPopupMenu(handle(), menu.get(), screen);
  return chosen > 0 ? static_cast<int>(chosen - kDropMenuBase) : -1;
}

}  // namespace tockle
