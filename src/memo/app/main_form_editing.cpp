// The editing and formatting commands of the memo window: clipboard, undo, select all, the
// character and paragraph formats of the current attributes (the selection's, or the editor's
// default when nothing is selected), bullets, the font boxes, the mirroring of the selection's
// format into actions and boxes, the View toggles, HotLink and the document format conversion.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/editor/plain_bullets.h"

namespace memo {

namespace {

constexpr int kAlignActions[] = {actLeftAlign, actRightAlign, actCenterAlign};  // by alignment 0, 1, 2
constexpr WORD kAlignments[] = {PFA_LEFT, PFA_RIGHT, PFA_CENTER};
// The largest size the control takes (its heights are 16-bit twips).
constexpr int kMaxFontSize = 1638;

CHARFORMAT2W charFormat(DWORD mask) {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = mask;
  return cf;
}

}  // namespace

void TfrmMain::bindEditingCommands() {
  onCommand(actUndo, [this] {
    if (rceMemo.canUndo()) rceMemo.undo();
  });
  onCommand(actCut, [this] { rceMemo.cut(); });
  onCommand(actCopy, [this] { SendMessageW(rceMemo.handle(), WM_COPY, 0, 0); });
  onCommand(actPaste, [this] { rceMemo.paste(); });
  onCommand(actDelete, [this] { rceMemo.deleteSelection(); });
  onCommand(mnuSelectAll, [this] { SendMessageW(rceMemo.handle(), EM_SETSEL, 0, -1); });
  onCommand(actBold, [this] { toggleStyle(actBold, CFM_BOLD); });
  onCommand(actItalic, [this] { toggleStyle(actItalic, CFM_ITALIC); });
  onCommand(actUnderline, [this] { toggleStyle(actUnderline, CFM_UNDERLINE); });
  for (int i = 0; i < 3; ++i) onCommand(kAlignActions[i], [this, i] { actLeftAlignExecute(i); });
  onCommand(actBullets, [this] { actBulletsExecute(); });
  onCommand(actColor, [this] { actColorExecute(); });
  onCommand(mnuShowToolBar, [this] { mnuShowToolClick(); });
  onCommand(mnuShowStatusBar, [this] { mnuShowStatusClick(); });
  onCommand(mnuHotLink, [this] { Settings.HotLink = !Settings.HotLink; });
  onCommand(mnuType2, [this] { ConverterClick(0); });
  onCommand(mnuType3, [this] { ConverterClick(1); });
  onMenuPopup([this](HMENU popup) {
    if (popup == GetSubMenu(MainMenu1.get(), 2)) {  // View
      CheckMenuItem(popup, mnuShowToolBar, MF_BYCOMMAND | (Settings.ToolBar ? MF_CHECKED : MF_UNCHECKED));
      CheckMenuItem(popup, mnuShowStatusBar, MF_BYCOMMAND | (Settings.StatusBar ? MF_CHECKED : MF_UNCHECKED));
    } else if (popup == ppmMemo.get()) {
      CheckMenuItem(popup, mnuRichText, MF_BYCOMMAND | (PlainMode ? MF_UNCHECKED : MF_CHECKED));
    } else if (GetMenuState(popup, mnuType2, MF_BYCOMMAND) != static_cast<UINT>(-1)) {  // File, Format
      int checked = MemoMan.DocumentType == kTypeII ? mnuType2 : mnuType3;
      CheckMenuRadioItem(popup, mnuType2, mnuType3, static_cast<UINT>(checked), MF_BYCOMMAND);
    }
  });
}

void TfrmMain::setActionChecked(int id, bool on) {
  checkedActions_[id] = on;
  for (HMENU m : {MainMenu1.get(), ppmMemo.get()})
    CheckMenuItem(m, static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
  for (const ui::Control* bar : {&ToolBar1, &ToolBar2})
    if (bar->handle()) bar->send(TB_CHECKBUTTON, static_cast<WPARAM>(id), MAKELPARAM(on, 0));
}

bool TfrmMain::actionChecked(int id) const {
  auto it = checkedActions_.find(id);
  return it != checkedActions_.end() && it->second;
}

bool TfrmMain::beginFormat() {
  if (mirroring_) return false;
  rceMemo.setModified(true);
  return true;
}

void TfrmMain::setCurrentAttributes(const CHARFORMAT2W& cf) {
  CHARRANGE r{};
  SendMessageW(rceMemo.handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
  rceMemo.setCharFormat(r.cpMin != r.cpMax ? SCF_SELECTION : SCF_DEFAULT, cf);
}

void TfrmMain::toggleStyle(int action, DWORD effect) {
  if (!beginFormat()) return;
  // The check mark decides, not the text: a mixed selection gets the style the mark now shows.
  bool on = !actionChecked(action);
  setActionChecked(action, on);
  CHARFORMAT2W cf = charFormat(effect);
  cf.dwEffects = on ? effect : 0;
  setCurrentAttributes(cf);
}

void TfrmMain::actLeftAlignExecute(int alignment) {
  if (!beginFormat()) return;
  for (int i = 0; i < 3; ++i) setActionChecked(kAlignActions[i], i == alignment);
  PARAFORMAT2 pf{};
  pf.cbSize = sizeof pf;
  pf.dwMask = PFM_ALIGNMENT;
  pf.wAlignment = kAlignments[alignment];
  rceMemo.setParaFormat(pf);
}

void TfrmMain::actBulletsExecute() {
  if (!beginFormat()) return;
  if (PlainMode) {
    rceMemo.replaceSelection(PlainBullets(rceMemo.selectedText()));
    return;
  }
  bool on = !actionChecked(actBullets);
  setActionChecked(actBullets, on);
  PARAFORMAT2 pf{};
  pf.cbSize = sizeof pf;
  pf.dwMask = PFM_NUMBERING;
  pf.wNumbering = on ? PFN_BULLET : 0;
  rceMemo.setParaFormat(pf);
}

void TfrmMain::actColorExecute() {
  if (!beginFormat()) return;
  CHARFORMAT2W def = charFormat(CFM_COLOR);
  SendMessageW(rceMemo.handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&def));
  CHARFORMAT2W cf = charFormat(CFM_COLOR);
  cf.crTextColor = def.crTextColor;
  setCurrentAttributes(cf);
}

void TfrmMain::showFontName(const std::wstring& face) {
  if (!cmbFontName.handle()) return;
  LRESULT i = cmbFontName.send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face.c_str()));
  cmbFontName.setItemIndex(static_cast<int>(i));
  // A face known only by its substitute is not listed: the box shows its name all the same.
  if (i == CB_ERR) SetWindowTextW(cmbFontName.handle(), face.c_str());
}

void TfrmMain::cmbFontNameChange() {
  LRESULT i = cmbFontName.send(CB_GETCURSEL);
  if (i == CB_ERR || !beginFormat()) return;
  wchar_t name[LF_FACESIZE + 64] = {};
  if (cmbFontName.send(CB_GETLBTEXTLEN, static_cast<WPARAM>(i)) >= LF_FACESIZE) return;
  cmbFontName.send(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
  CHARFORMAT2W cf = charFormat(CFM_FACE);
  lstrcpynW(cf.szFaceName, name, LF_FACESIZE);
  setCurrentAttributes(cf);
}

void TfrmMain::speFontSizeChange() {
  if (!beginFormat()) return;
  wchar_t text[32] = {};
  GetWindowTextW(speFontSize.handle(), text, 32);
  long long size = 9;
  if (!base::parseInt(base::cp932(text), size)) size = 9;
  // A size the control cannot take would be refused or wrap: the box stays within range.
  size = std::clamp<long long>(size, 1, kMaxFontSize);
  CHARFORMAT2W cf = charFormat(CFM_SIZE);
  cf.yHeight = static_cast<LONG>(size * 20);
  setCurrentAttributes(cf);
}

void TfrmMain::rceMemoSelectionChange() {
  mirroring_ = true;
  struct EndMirroring {
    bool& flag;
    ~EndMirroring() { flag = false; }
  } end{mirroring_};
  setActionEnabled(actUndo, rceMemo.canUndo());
  CHARFORMAT2W cf = charFormat(CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_SIZE | CFM_FACE);
  SendMessageW(rceMemo.handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  setActionChecked(actBold, (cf.dwEffects & CFE_BOLD) != 0);
  setActionChecked(actItalic, (cf.dwEffects & CFE_ITALIC) != 0);
  setActionChecked(actUnderline, (cf.dwEffects & CFE_UNDERLINE) != 0);
  PARAFORMAT2 pf{};
  pf.cbSize = sizeof pf;
  SendMessageW(rceMemo.handle(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
  setActionChecked(actBullets, pf.wNumbering == PFN_BULLET);
  if (speFontSize.handle()) speFontSize.setNumber(cf.yHeight / 20);
  showFontName(cf.szFaceName);
  int alignment = pf.wAlignment == PFA_RIGHT ? 1 : pf.wAlignment == PFA_CENTER ? 2 : 0;
  for (int i = 0; i < 3; ++i) setActionChecked(kAlignActions[i], i == alignment);
  ShowCaretPosition();
}

void TfrmMain::mnuShowToolClick() {
  Settings.ToolBar = !Settings.ToolBar;
  showToolBars(Settings.ToolBar);
  layout();
}

void TfrmMain::mnuShowStatusClick() {
  Settings.StatusBar = !Settings.StatusBar;
  stbMemo.setVisible(Settings.StatusBar);
  layout();
}

void TfrmMain::ConverterClick(int tag) {
  bool toTypeII = tag == 0;
  if ((MemoMan.DocumentType == kTypeII) == toTypeII) return;
  if (ask("Taveloフォーマットを変換(コンバート)します。よろしいですか？"_sj, "フォーマット変換"_sj,
          MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
    return;
  // The shown tab's edits go into the document before it changes form.
  saveShownTab();
  MemoMan.ConvertFormat(Settings.MemoFile, toTypeII, true);
  ReloadDocument();
}

}  // namespace memo
