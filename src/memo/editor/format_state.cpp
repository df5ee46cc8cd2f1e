// The format commands of the memo window: styles, alignment and bullets of the current
// attributes, the font boxes, the text colour menu, the font dialog for the current attributes,
// the default font and the background colour. The dialogs keep what they last held between uses.
#include "memo/editor/format_state.h"

#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <utility>

#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/editor/plain_bullets.h"
#include "memo/editor/rich_edit.h"
#include "memo/editor/text_colors.h"
#include "memo/settings/memo_settings.h"
#include "ui/common_dialogs.h"
#include "ui/controls.h"

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

CHARFORMAT2W colorFormat(COLORREF color) {
  CHARFORMAT2W cf = charFormat(CFM_COLOR);
  cf.crTextColor = color;
  return cf;
}

}  // namespace

FormatState::FormatState(RichEdit& editor, ui::ComboBox& fontName, ui::Edit& fontSize, TMemoSettings& settings,
                         Host host)
    : rceMemo(editor), cmbFontName(fontName), speFontSize(fontSize), settings_(settings), host_(std::move(host)) {}

void FormatState::bindCommands(ui::CommandTable& commands) {
  commands.on(actBold, [this] { toggleStyle(actBold, CFM_BOLD); });
  commands.on(actItalic, [this] { toggleStyle(actItalic, CFM_ITALIC); });
  commands.on(actUnderline, [this] { toggleStyle(actUnderline, CFM_UNDERLINE); });
  for (int i = 0; i < 3; ++i) commands.on(kAlignActions[i], [this, i] { actLeftAlignExecute(i); });
  commands.on(actBullets, [this] { actBulletsExecute(); });
  commands.on(actColor, [this] { actColorExecute(); });
  ppmColor_ = buildMenu(colorMenuItems(), false);
  commands.onRange(mnuColor0, mnuColor0 + kTextColorCount - 1, [this](int tag) { ColorClick(tag); });
  commands.on(mnuColorOther, [this] { ColorClick(-1); });
  commands.on(mnuFont, [this] { mnuFontChangeClick(); });
  commands.on(mnuDefaultFont, [this] { mnuFontSelectClick(); });
  commands.on(mnuBackColor, [this] { mnuColorSelectClick(); });
}

void FormatState::setActionChecked(int id, bool on) {
  checkedActions_[id] = on;
  if (host_.showChecked) host_.showChecked(id, on);
}

bool FormatState::actionChecked(int id) const {
  auto it = checkedActions_.find(id);
  return it != checkedActions_.end() && it->second;
}

bool FormatState::beginFormat() {
  if (mirroring_) return false;
  rceMemo.setModified(true);
  return true;
}

void FormatState::setCurrentAttributes(const CHARFORMAT2W& cf) {
  CHARRANGE r{};
  SendMessageW(rceMemo.handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
  rceMemo.setCharFormat(r.cpMin != r.cpMax ? SCF_SELECTION : SCF_DEFAULT, cf);
}

void FormatState::toggleStyle(int action, DWORD effect) {
  if (!beginFormat()) return;
  // The check mark decides, not the text: a mixed selection gets the style the mark now shows.
  bool on = !actionChecked(action);
  setActionChecked(action, on);
  CHARFORMAT2W cf = charFormat(effect);
  cf.dwEffects = on ? effect : 0;
  setCurrentAttributes(cf);
}

void FormatState::actLeftAlignExecute(int alignment) {
  if (!beginFormat()) return;
  for (int i = 0; i < 3; ++i) setActionChecked(kAlignActions[i], i == alignment);
  PARAFORMAT2 pf{};
  pf.cbSize = sizeof pf;
  pf.dwMask = PFM_ALIGNMENT;
  pf.wAlignment = kAlignments[alignment];
  rceMemo.setParaFormat(pf);
}

void FormatState::actBulletsExecute() {
  if (!beginFormat()) return;
  if (host_.plainMode && host_.plainMode()) {
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

void FormatState::actColorExecute() {
  if (!beginFormat()) return;
  setCurrentAttributes(colorFormat(defaultTextColor()));
}

void FormatState::showFontName(const std::wstring& face) {
  if (!cmbFontName.handle()) return;
  LRESULT i = cmbFontName.send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face.c_str()));
  cmbFontName.setItemIndex(static_cast<int>(i));
  // A face known only by its substitute is not listed: the box shows its name all the same.
  if (i == CB_ERR) SetWindowTextW(cmbFontName.handle(), face.c_str());
}

void FormatState::cmbFontNameChange() {
  LRESULT i = cmbFontName.send(CB_GETCURSEL);
  if (i == CB_ERR || !beginFormat()) return;
  wchar_t name[LF_FACESIZE + 64] = {};
  if (cmbFontName.send(CB_GETLBTEXTLEN, static_cast<WPARAM>(i)) >= LF_FACESIZE) return;
  cmbFontName.send(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
  CHARFORMAT2W cf = charFormat(CFM_FACE);
  lstrcpynW(cf.szFaceName, name, LF_FACESIZE);
  setCurrentAttributes(cf);
}

void FormatState::speFontSizeChange() {
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

void FormatState::rceMemoSelectionChange() {
  mirroring_ = true;
  struct EndMirroring {
    bool& flag;
    ~EndMirroring() { flag = false; }
  } end{mirroring_};
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
}

COLORREF FormatState::defaultTextColor() const {
  CHARFORMAT2W def = colorFormat(0);
  SendMessageW(rceMemo.handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&def));
  return def.crTextColor;
}

void FormatState::ColorClick(int tag) {
  if (mirroring_) return;
  COLORREF color = textColor(tag);
  if (tag < 0) {
    // Cancelling the dialog still gives the selection a colour: the default text colour.
    ui::Color chosen = clrColor_;
    if (ui::commonDialogs().chooseColor(host_.window(), chosen)) {
      clrColor_ = chosen;
      color = ui::toRgb(chosen);
    } else {
      color = defaultTextColor();
    }
  }
  if (!beginFormat()) return;
  setCurrentAttributes(colorFormat(color));
}

void FormatState::mnuFontChangeClick() {
  if (mirroring_) return;
  if (!ui::commonDialogs().chooseFont(host_.window(), fntFont_)) return;
  const ui::Font& font = fntFont_;
  if (!beginFormat()) return;
  // Name, colour and size, in that order; the dialog's style is not applied.
  CHARFORMAT2W cf = charFormat(CFM_FACE);
  lstrcpynW(cf.szFaceName, base::wide(font.name()).c_str(), LF_FACESIZE);
  setCurrentAttributes(cf);
  setCurrentAttributes(colorFormat(ui::toRgb(font.color())));
  cf.dwMask = CFM_SIZE;
  cf.yHeight = font.size() * 20;
  setCurrentAttributes(cf);
}

void FormatState::mnuFontSelectClick() {
  fntFont_.setName(settings_.MemoFontName);
  fntFont_.setSize(settings_.MemoFontSize);
  fntFont_.setColor(memoColor(settings_.MemoFontColor));
  if (!ui::commonDialogs().chooseFont(host_.window(), fntFont_)) return;
  const ui::Font& font = fntFont_;
  // A setting, not an edit: the text stays unmodified.
  settings_.MemoFontName = font.name();
  settings_.MemoFontColor = static_cast<int>(ui::toRgb(font.color()));
  settings_.MemoFontSize = font.size();
  rceMemo.setDefaultFont(settings_.MemoFontName, settings_.MemoFontSize, memoColor(settings_.MemoFontColor));
}

void FormatState::mnuColorSelectClick() {
  ui::Color color = memoColor(settings_.BackColor);
  if (!ui::commonDialogs().chooseColor(host_.window(), color)) return;
  clrColor_ = color;
  settings_.BackColor = static_cast<int>(ui::toRgb(color));
  rceMemo.setBackColor(memoColor(settings_.BackColor));
}

}  // namespace memo
