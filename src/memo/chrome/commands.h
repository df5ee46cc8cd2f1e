// Command ids of the memo window: actions (shared by menu items and tool buttons) and the menu
// items of their own.
#pragma once

namespace memo {

enum Command : int {
  actUndo = 100,
  actCut,
  actCopy,
  actDelete,
  actPaste,
  actBold,
  actItalic,
  actUnderline,
  actLeftAlign,
  actCenterAlign,
  actRightAlign,
  actBullets,
  actHyperlink,
  actSetAlarm,
  actNewTab,
  actHelp,
  actPrevious,
  actNext,
  actColor,
  actTabNameChange,
  actSaveTab,
  actDeleteTab,
  actInsertDate,  // the tool button "日付挿入(&D)"
  actInsertTime,  // the tool button "時刻挿入(&T)"

  mnuNewFile = 200,
  mnuSetMemoFile,
  mnuReload,
  mnuUpdateBackup,
  mnuRestore,
  mnuType2,
  mnuType3,
  mnuExitWithoutSave,
  mnuClose,
  mnuSelectAll,
  mnuFind,
  mnuReplace,
  mnuShowToolBar,
  mnuShowStatusBar,
  mnuDefaultFont,
  mnuBackColor,
  mnuTabTop,  // + TabPosition tag 0..3
  mnuTabBottom,
  mnuTabLeft,
  mnuTabRight,
  mnuClipHistory,
  mnuInsertText,
  mnuInsertNewTab,
  mnuFont,
  mnuRichText,
  mnuHotLink,
  mnuTabMoveTop,  // + move tag 0..3
  mnuTabMovePrevious,
  mnuTabMoveNext,
  mnuTabMoveLast,
  mnuRelatedLink,
  mnuConfig,
  mnuHelpSearch,
  mnuHelpOnHelp,
  mnuMenuHelp,
  mnuAbout,
  mnuInsertDate0 = 300,  // + offset tag 0..5, then the "asks" item
  mnuInsertDateAsk = 306,
  mnuInsertTime0 = 310,
  mnuInsertTimeAsk = 316,
  mnuColor0 = 320,  // + the text colour's tag 0..15
  mnuColorOther = 336,
};

}  // namespace memo
