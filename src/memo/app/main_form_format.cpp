// The format commands of the memo window: plain or rich form, and the actions that only rich
// form offers.
#include <windows.h>

#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"

namespace memo {

namespace {

constexpr int kFormatActions[] = {actBold,        actItalic,     actUnderline, actLeftAlign,
                                  actCenterAlign, actRightAlign, actColor};

}  // namespace

void TfrmMain::bindFormatCommands() {
  onCommand(mnuRichText, [this] { mnuRichTextClick(); });
  onMenuPopup([this](HMENU popup) {
    if (popup == GetSubMenu(MainMenu1.get(), 4)) S2Click(popup);
  });
}

void TfrmMain::enableFormatActions(bool on) {
  for (int id : kFormatActions) setActionEnabled(id, on);
}

void TfrmMain::mnuRichTextClick() {
  PlainMode = !PlainMode;
  CheckMenuItem(MainMenu1.get(), mnuRichText, MF_BYCOMMAND | (PlainMode ? MF_UNCHECKED : MF_CHECKED));
  rceMemo.setModified(true);
  enableFormatActions(!PlainMode);
}

void TfrmMain::S2Click(HMENU format) {
  CheckMenuItem(format, mnuRichText, MF_BYCOMMAND | (PlainMode ? MF_UNCHECKED : MF_CHECKED));
  EnableMenuItem(format, mnuHotLink, MF_BYCOMMAND | (PlainMode ? MF_ENABLED : MF_GRAYED));
  CheckMenuItem(format, mnuHotLink, MF_BYCOMMAND | (Settings.HotLink ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace memo
