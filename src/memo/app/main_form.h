// The memo program's one window: a rebar with the menu bar and two tool bars, the tab strip with
// the one editor that shows the selected tab, the status bar, the actions and their shortcuts,
// the timers and the file-drop target. Its tab session owns the document manager and the loading
// of tabs into the editor.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "base/handles.h"
#include "memo/chrome/actions.h"
#include "ui/command_table.h"
#include "memo/chrome/menu_bar.h"
#include "memo/dialogs/memo_config.h"
#include "memo/editor/rich_edit.h"
#include "memo/settings/memo_settings.h"
#include "shared/file_drop.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/graphics.h"
#include "ui/image_list.h"
#include "ui/tab_control.h"
#include "ui/timer.h"
#include "ui/up_down.h"

namespace memo {

class TabSession;
class FormatState;
class StatusLine;
class TabLinks;
class TabFind;
class ClockLink;
class SearchTarget;
class InsertCommands;
class DocumentWatch;

inline constexpr char kMainTitle[] = "Tavelo 3 powered by Tockle 3 for Windows 9x/NT";
inline constexpr char kAppTitle[] = "Tavelo for Windows 9x/NT";

// Ids of the window's controls, all below the command ids: tool buttons reach the window as
// WM_COMMAND from their tool bar with the command's id, which must name no control.
enum MainControlId : int {
  kTabControlId = 50,
  kEditorId,
  kStatusBarId,
  kRebarId,
  kToolBar1Id,
  kToolBar2Id,
  kFontNameId,
  kFontSizeId,
  kFontSizeSpinId,
  kMenuBarBandId,  // the menu bar's band in the rebar (the tool bars' bands have their ids)
};

class TfrmMain : public ui::Form {
 public:
  TfrmMain();
  ~TfrmMain() override;

  // The settings while the window runs (read at start, written at exit).
  TMemoSettings Settings;

  // Creates the window (FormCreate), shows it (FormShow); false when the window could not be made.
  bool Create();

  // State of this window.
  bool BackupOnExit = true;
  bool PlainMode = false;

  // Where the settings are kept, and the previous version's key they are taken over from once.
  std::string SettingsKey = kSettingsKey;
  std::string PreviousSettingsKey = kPreviousSettingsKey;

  // The address space the editor may still take (tests make it small).
  std::function<unsigned long long()> EditorRoom = RichEdit::freeAddressSpace;

  // The help file's commands (WinHelp command and data): WinHelp on the program's help file;
  // tests replace it.
  std::function<void(UINT command, ULONG_PTR data)> ShowHelp;

  // The document, its tabs in the strip and the shown one in the editor.
  TabSession& session() { return *session_; }

  // Commands by id, as the menus, tool buttons and shortcuts run them; false when the command has
  // nothing to do yet.
  bool ExecuteCommand(int id);
  // A key pressed in the window: the main menu first, then the actions, then Alt + a menu's
  // mnemonic; true when it was used.
  bool HandleShortCut(ShortCut s);

  // The status line's (memo/status): a timed text, what it shows.
  void ShowStatusMessage(const std::string& text);
  std::string StatusText() const;

  // Parts of the window, for the program's own commands and for tests.
  RichEdit rceMemo;
  TMenuBar MenuBar1;
  ui::TabControl tbcMemo{this, kTabControlId};
  ui::Control stbMemo{this, kStatusBarId};
  ui::Control clbToolBar{this, kRebarId};
  ui::Control ToolBar1{this, kToolBar1Id};
  ui::Control ToolBar2{this, kToolBar2Id};
  ui::ComboBox cmbFontName{this, kFontNameId};
  ui::Edit speFontSize{this, kFontSizeId};
  ui::UpDown spnFontSize{this, kFontSizeSpinId};
  HMENU mainMenu() const { return MainMenu1.get(); }
  ActionList& actions() { return ActionList1; }
  std::unique_ptr<shared::TFileDrop> fldDrop;

  void mnuRichTextClick();
  void TabPositionClick(int tag);

  // The links of plain tabs (memo/link).
  TabLinks& links() { return *links_; }

  // Find and replace through every tab (memo/find); the tabs a request walks through
  // (app/main_form_find.cpp; dialog: the owner of the questions it brings).
  TabFind& find() { return *find_; }
  std::unique_ptr<SearchTarget> searchTabs(HWND dialog);
  // The save timer over the document's watch and the clock's, the program becoming active
  // (app/main_form_watch.cpp); the status line's timed text ending and its caret line.
  void tmrSaveTimer();
  void ApplicationActivate();
  void tmrMessageTimer();
  void ShowCaretPosition();
  // The link to the clock (memo/clock_link): whether it is there, the alarm request and the
  // history insert.
  ClockLink& clockLink() { return *clockLink_; }

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void FormCreate();
  void FormShow();
  void FormDestroy();
  // What closing leaves on disk: the modified shown tab, the backup, the settings; no box. The end
  // of the session does the same, as the program may be ended at any moment after it.
  void WriteOnExit();
  void buildMenus();
  // The areas bind their own commands; the window's own are bound by the file that holds them.
  void bindCommands();
  void bindFileCommands();
  void bindFormatCommands();
  void bindEditingCommands();
  void bindSettingsCommands();
  void bindHelpCommands();
  void bindConfigCommands();
  // For the window's own files: a command's handler in the table (an action's too: the action
  // only says whether it may run), a range of menu commands with their offset, and a hook for
  // every menu as it opens.
  void onCommand(int id, std::function<void()> run);
  void onCommandRange(int first, int last, std::function<void(int offset)> run);
  void onMenuPopup(std::function<void(HMENU)> hook);
  void createToolBars();
  // The two tool-bar bands shown or hidden; a band's current index by its id (-1 when none).
  void showToolBars(bool on);
  int bandIndex(int bandId) const;
  void createFontBoxes();
  void createStatusAndTabs();
  void layout();
  void updateAction(int id);
  void setActionEnabled(int id, bool on);
  // Wires the controls' callbacks, and makes the areas (the window's constructor).
  void bindControls();
  void makeAreas();
  void popupMenu(HMENU menu, POINT screen, HWND source);
  LRESULT toolBarNotify(NMHDR& hdr);
  void initMenuPopup(HMENU popup);
  bool onAppMessage(MSG& msg);

  // Settings kept in the registry.
  void LoadSettings();
  void SaveSettings();
  // The window's state into the settings fields, and the fields onto the window.
  void captureSettings();
  void applySettings();
  void applyTabPosition();
  void applyBands();
  void keepOnScreen();
  // Check marks of the Format menu and of the tab-position submenu as it opens.
  void S2Click(HMENU format);
  void mnuShowDefaultClick(HMENU positions);
  void enableFormatActions(bool on);

  // Commands of this window.
  void mnuCloseClick();
  void mnuExitWithoutSaveClick();
  void mnuFileParentClick();
  void rceMemoChange();
  void mnuAboutClick();
  void fldDropFileDrop(int num, const std::vector<std::string>& files, int x, int y);
  // The document file type with the shell, at the first start and from the Tools menu.
  void registerFileType();
  // The tab session and the areas on it (the insert commands, the document's watch), given what
  // they need of this window.
  void connectDocument();
  // The save timer's tick: the document's watch and the clock's.
  void bindSaveTimer();
  // An input-method composition is pending in the editor.
  bool compositionPending() const;
  // A tab's content into the editor: plain tabs through the link converter while HotLink is on.
  void loadTabContent(const std::string& content);
  void rceMemoTextChanged();
  // Editing (app/main_form_editing.cpp); the format commands are the format state's.
  void rceMemoSelectionChange();
  void mnuShowToolClick();
  void mnuShowStatusClick();
  void ConverterClick(int tag);

 public:
  // The settings dialog (app/main_form_config.cpp): the settings and the tab names into
  // it and back; the way back applies the tab list first and is refused (false) when that fails.
  void mnuConfigClick();
  // What the dialog is given, its hooks into this window, and what the window takes back (dialog:
  // the owner of the notice).
  MemoConfig configValue() const;
  void setUpConfig(TfrmConfig& dialog);
  bool applyConfig(const MemoConfig& value, HWND dialog);

 private:
  base::Menu MainMenu1;
  base::Menu ppmTab;
  base::Menu ppmMemo;
  base::Menu ppmDate;
  base::Menu ppmTime;
  std::vector<MenuItem> mainMenuItems_;
  ActionList ActionList1;
  ui::CommandTable commands_;
  // The areas of the window.
  std::unique_ptr<FormatState> format_;
  std::unique_ptr<StatusLine> status_;
  std::unique_ptr<TabLinks> links_;
  std::unique_ptr<TabFind> find_;
  std::unique_ptr<ClockLink> clockLink_;
  // The editor's notifications by its id (the editor is the program's own wrapper).
  ui::Control rceMemoEvents{this, kEditorId};
  ui::Timer tmrSave{2000, true};
  base::GdiFont uiFont_;
  base::GdiFont editorFont_;
  ui::ImageList images_;  // the tool bars' (they do not own it)
  bool closing_ = false;
  std::unique_ptr<TabSession> session_;
  std::unique_ptr<InsertCommands> insert_;
  std::unique_ptr<DocumentWatch> watch_;
};

}  // namespace memo
