// The colour and font commands of the memo window: the text colour menu, the font dialog for the
// current attributes, the default font and the background colour. The dialogs keep what they
// last held between uses.
#include <windows.h>

#include <richedit.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/editor/text_colors.h"
#include "ui/common_dialogs.h"

namespace memo {

namespace {

CHARFORMAT2W colorFormat(COLORREF color) {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_COLOR;
  cf.crTextColor = color;
  return cf;
}

}  // namespace

void TfrmMain::bindColorsCommands() {
  ppmColor = buildMenu(colorMenuItems(), false);
  onCommandRange(mnuColor0, mnuColor0 + kTextColorCount - 1, [this](int tag) { ColorClick(tag); });
  onCommand(mnuColorOther, [this] { ColorClick(-1); });
  onCommand(mnuFont, [this] { mnuFontChangeClick(); });
  onCommand(mnuDefaultFont, [this] { mnuFontSelectClick(); });
  onCommand(mnuBackColor, [this] { mnuColorSelectClick(); });
}

COLORREF TfrmMain::defaultTextColor() const {
  CHARFORMAT2W def = colorFormat(0);
  SendMessageW(rceMemo.handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&def));
  return def.crTextColor;
}

void TfrmMain::ColorClick(int tag) {
  if (mirroring_) return;
  COLORREF color = textColor(tag);
  if (tag < 0) {
    // Cancelling the dialog still gives the selection a colour: the default text colour.
    ui::Color chosen = clrColor_;
    if (ui::commonDialogs().chooseColor(handle(), chosen)) {
      clrColor_ = chosen;
      color = ui::toRgb(chosen);
    } else {
      color = defaultTextColor();
    }
  }
  if (!beginFormat()) return;
  setCurrentAttributes(colorFormat(color));
}

void TfrmMain::mnuFontChangeClick() {
  if (mirroring_) return;
  if (!ui::commonDialogs().chooseFont(handle(), fntFont_)) return;
  const ui::Font& font = fntFont_;
  if (!beginFormat()) return;
  // Name, colour and size, in that order; the dialog's style is not applied.
  CHARFORMAT2W cf = colorFormat(0);
  cf.dwMask = CFM_FACE;
  lstrcpynW(cf.szFaceName, base::wide(font.name()).c_str(), LF_FACESIZE);
  setCurrentAttributes(cf);
  setCurrentAttributes(colorFormat(ui::toRgb(font.color())));
  cf.dwMask = CFM_SIZE;
  cf.yHeight = font.size() * 20;
  setCurrentAttributes(cf);
}

void TfrmMain::mnuFontSelectClick() {
  fntFont_.setName(Settings.MemoFontName);
  fntFont_.setSize(Settings.MemoFontSize);
  fntFont_.setColor(memoColor(Settings.MemoFontColor));
  if (!ui::commonDialogs().chooseFont(handle(), fntFont_)) return;
  const ui::Font& font = fntFont_;
  // A setting, not an edit: the text stays unmodified.
  Settings.MemoFontName = font.name();
  Settings.MemoFontColor = static_cast<int>(ui::toRgb(font.color()));
  Settings.MemoFontSize = font.size();
  rceMemo.setDefaultFont(Settings.MemoFontName, Settings.MemoFontSize, memoColor(Settings.MemoFontColor));
}

void TfrmMain::mnuColorSelectClick() {
  ui::Color color = memoColor(Settings.BackColor);
  if (!ui::commonDialogs().chooseColor(handle(), color)) return;
  clrColor_ = color;
  Settings.BackColor = static_cast<int>(ui::toRgb(color));
  rceMemo.setBackColor(memoColor(Settings.BackColor));
}

}  // namespace memo
