// The memo's tab session: the document manager, the tab strip that lists the document's tabs and
// the editor that shows the selected one. It loads a tab into the editor when the strip's
// selection changes, saves the shown tab before anything else touches the document, and runs the
// tab and document commands. The only code that calls the document manager for the window.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memo/document/memo_manager.h"
#include "memo/document/new_document.h"

namespace ui {
class CommandTable;
class TabControl;
}  // namespace ui

namespace memo {

class RichEdit;
struct TMemoSettings;

class TabSession {
 public:
  // What stays the window's: the dialogs a file or a new document is chosen with, its status line,
  // its layout, and how a tab's content is shown (plain or rich, links marked). The boxes are the
  // program's prompts, owned by the window.
  struct Host {
    // The owner of the session's boxes and dialogs.
    std::function<HWND()> window;
    // The save dialog (title, filter with '|' separators, proposed name, default extension): the
    // chosen path.
    std::function<std::optional<std::string>(const std::string& title, const std::string& filter,
                                             const std::string& fileName, const std::string& defExt)>
        chooseSaveFile;
    // The memo file dialog, current its proposed path: the chosen one.
    std::function<std::optional<std::string>(const std::string& current)> chooseMemoFile;
    // The new-document wizard, its path box prefilled (may be empty): the chosen document.
    std::function<std::optional<NewDocumentChoice>(const std::string& prefill)> chooseNewDocument;
    // The address space the editor may still take.
    std::function<unsigned long long()> editorRoom;
    std::function<void(const std::string& text)> showStatus;
    // The strip's rows changed.
    std::function<void()> layout;
    // True while the window is being closed: nothing is loaded any more.
    std::function<bool()> closing;
    // The shown tab is plain text (not rich).
    std::function<bool()> plainMode;
    // A tab's content into the editor in its form (plain or rich), then the format commands that
    // form offers.
    std::function<void(const std::string& content, bool plain)> showContent;
    std::function<void(bool plain)> showFormat;
    // The editor was refilled (its undo is gone).
    std::function<void()> refilled;
  };

  // Takes the strip's selection changes.
  TabSession(RichEdit& editor, ui::TabControl& strip, TMemoSettings& settings, Host host);
  TabSession(const TabSession&) = delete;
  TabSession& operator=(const TabSession&) = delete;

  TKzMemoManager& manager() { return MemoMan; }
  const TKzMemoManager& manager() const { return MemoMan; }

  // The tab and document commands.
  void bindCommands(ui::CommandTable& commands);

  // Reads the settings' document anew and shows its tabs.
  void ReloadDocument();
  // Asks before a reload where it asks (see reloadQuestion); true when the reload may go ahead.
  bool confirmReload(bool changedOutside);
  // Saves the shown tab when it is modified; false when it could not be written (nothing shown).
  bool tbcMemoChanging();
  // The same for a step that needs the save: a failure is reported and a vanished document offered
  // to be written again; false when the edit stays unsaved (the text and the mark stay), and the
  // step must not go on.
  bool saveShownTab();
  // The selected tab into the editor.
  void tbcMemoChange();
  int selectedTab() const;
  std::string tabName(int index) const;
  // True when an earlier tab has the same name (ignoring case).
  bool repeatsEarlierTab(int index) const;
  int tabCount() const;
  std::vector<std::string> tabNames() const;
  // A tab's content as stored, without loading it: no box, and what the manager remembers of the
  // shown tab stays. False when the tab cannot be read (or is a repeated name's).
  bool storedTab(int index, std::string& content, bool* plain = nullptr) const;
  // Saves the shown tab, then selects the tab at index and shows it; false when the edit stays
  // unsaved (nothing changes).
  bool showTab(int index);
  // The same for the shown tab's neighbour, with wrap-around; true when it wrapped.
  bool MoveToAdjacentTab(bool forward);
  // Makes the document's tabs exactly names (the new-tab and move commands, and the settings
  // dialog's tab order); the shown tab is saved first, then the strip is refilled from the
  // document.
  bool ApplyTabList(const std::vector<std::string>& names);

  void actNewTabExecute();
  void actTabNameChangeExecute();
  void TabMoveClick(int tag);
  void actSaveTabExecute();
  void actDeleteTabExecute();
  void mnuNewFileClick();
  void mnuSetMemoFileClick();
  void updateBackup();

  // The window may close: the shown tab is saved, or the user chose to close without it.
  bool mayClose();
  // What closing leaves of the tab on disk: the modified shown tab, unless the user gave it up, in
  // the document or, when it does not take it, in a file of its own beside it; no box.
  void writeOnExit();
  // The manager's last failure in a box under the application's title (nothing when it has told
  // the user itself).
  void reportFailure(std::string_view lead = {});

  // The editor is being filled with a tab (its changes are not the user's).
  bool filling() const { return filling_; }
  // The shown tab failed to load: the editor is read-only (so no command changes it) and the tab
  // is never written from it, until the user chooses to write it anew.
  bool tabUnavailable() const { return tabUnavailable_; }
  // A document is being opened or replaced (its file, the wizard, a box about it).
  bool switching() const { return switching_ > 0; }

 private:
  // Marks a document switch; when the outermost one ends on another file, that file's ages are
  // taken as they are then, so that no write of the switch counts as a change from outside.
  class Switch {
   public:
    explicit Switch(TabSession& session);
    ~Switch();
    Switch(const Switch&) = delete;
    Switch& operator=(const Switch&) = delete;

   private:
    TabSession& session_;
    std::string from_;
  };
  // How loading a tab ended. ShownInside: the document was gone, and the new one chosen meanwhile
  // has been shown.
  enum class TabLoad { Loaded, TooLarge, Missing, Unreadable, Unavailable, ShownInside };
  // The tab's content from the document, if it may be shown.
  TabLoad loadTab(int index, std::string& content, bool& plain);
  void MemoManNotFound();
  // A one-file document that does not read whole is never opened itself: what can be read of it
  // goes into a new document beside it (the user is told where), which is opened in its place.
  void openSalvageIfDamaged();
  // The modified shown tab into a file of its own, named to the user, when the program ends with
  // no document for it; false when it could not be written (the text stays in the editor).
  bool rescueShownTab();
  // The shown tab's edit into a new file beside the document (or the backup's folder); its path.
  std::optional<std::string> writeRescueFile();
  void MemoManTabListChange(bool critical);
  // The wizard with the path box prefilled; then creates and shows the document. Cancel: false.
  bool runWizardForNewDocument(const std::string& prefill);
  // After a failed save: true when the save is worth another try (a vanished document was written
  // again, here or elsewhere).
  bool recoverFailedSave();
  // The shown tab could not be loaded: nothing of it stays in the editor and it is not saved.
  void showTabUnavailable();
  void showMissingTab();
  void showTabTooLarge(size_t bytes);
  void showUnreadableTab();
  // A box of the program's prompts, owned by the window.
  int ask(std::string_view text, std::string_view caption, UINT flags);
  // The one-line input box: false when cancelled.
  bool inputQuery(const std::string& caption, const std::string& prompt, std::string& value);

  RichEdit& rceMemo;
  ui::TabControl& tbcMemo;
  TMemoSettings& settings_;
  Host host_;
  TKzMemoManager MemoMan;
  bool filling_ = false;
  bool tabUnavailable_ = false;
  bool discardEdits_ = false;     // closing without the edit the user chose to give up
  bool reloadAfterSave_ = false;  // the edit was saved into another document, whose tabs to show
  int switching_ = 0;
};

}  // namespace memo
