// What the memo window's format commands keep: the check marks of the style, alignment and bullet
// actions, the current attributes (the selection's, or the editor's default when nothing is
// selected), the colour and font commands with what their dialogs last held, the font boxes, and
// the mirroring of the selection's format into actions and boxes.
#pragma once

#include <windows.h>

#include <richedit.h>

#include <functional>
#include <map>
#include <string>

#include "base/handles.h"
#include "ui/command_table.h"
#include "ui/graphics.h"

namespace ui {
class ComboBox;
class Edit;
}  // namespace ui

namespace memo {

class RichEdit;
struct TMemoSettings;

class FormatState {
 public:
  // What the format commands reach in the window.
  struct Host {
    // The owner of the font and colour dialogs.
    std::function<HWND()> window;
    // True while the shown tab is plain text: bullets become text there.
    std::function<bool()> plainMode;
    // An action's check mark in the menus and tool bars.
    std::function<void(int id, bool on)> showChecked;
  };

  // The default font and the background colour are settings: the commands change them in settings.
  FormatState(RichEdit& editor, ui::ComboBox& fontName, ui::Edit& fontSize, TMemoSettings& settings, Host host);

  void bindCommands(ui::CommandTable& commands);
  // The text colour menu (the colour tool button's drop-down).
  HMENU colorMenu() const { return ppmColor_.get(); }

  // The font boxes' changes, and the selection's format into the actions and boxes.
  void cmbFontNameChange();
  void speFontSizeChange();
  void rceMemoSelectionChange();
  // Shows a face in the font-name box, selected when listed, as its text otherwise.
  void showFontName(const std::wstring& face);
  bool actionChecked(int id) const;

 private:
  void setActionChecked(int id, bool on);
  // False while the selection's format is being mirrored (no edit of its own); else the text is
  // marked modified.
  bool beginFormat();
  void setCurrentAttributes(const CHARFORMAT2W& cf);
  void toggleStyle(int action, DWORD effect);
  void actLeftAlignExecute(int alignment);
  void actBulletsExecute();
  void actColorExecute();
  void ColorClick(int tag);
  void mnuFontChangeClick();
  void mnuFontSelectClick();
  void mnuColorSelectClick();
  COLORREF defaultTextColor() const;

  RichEdit& rceMemo;
  ui::ComboBox& cmbFontName;
  ui::Edit& speFontSize;
  TMemoSettings& settings_;
  Host host_;
  base::Menu ppmColor_;
  ui::Color clrColor_ = 0;  // what the colour dialog last held
  ui::Font fntFont_;        // what the font dialog last held
  bool mirroring_ = false;
  std::map<int, bool> checkedActions_;
};

}  // namespace memo
