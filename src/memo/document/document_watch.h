// The shown document watched while the window runs: the autosave of the shown tab, the check for
// changes other programs made to the document (asked about or reloaded as the reload option says),
// and the restore of the backup.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {
class CommandTable;
}

namespace memo {

class RichEdit;
class TabSession;
struct TMemoSettings;

class DocumentWatch {
 public:
  // What it needs of the window.
  struct Host {
    // The owner of the boxes: while it is disabled (a box or dialog of it is open) nothing is saved.
    std::function<HWND()> window;
    // An input-method composition is pending in the editor.
    std::function<bool()> compositionPending;
    std::function<void(const std::string& text)> showStatus;
  };

  DocumentWatch(TabSession& session, RichEdit& editor, const TMemoSettings& settings, Host host);
  DocumentWatch(const DocumentWatch&) = delete;
  DocumentWatch& operator=(const DocumentWatch&) = delete;

  // The restore command.
  void bindCommands(ui::CommandTable& commands);

  // A change by another program is looked for (onlyWhileActive: only while this program is the
  // active one) and handled as the reload option says.
  void checkOutsideChange(bool onlyWhileActive);
  // The shown tab saved when it was edited, unless a step of the program's own is under way.
  void autoSave();

 private:
  // A box or dialog of the program is open, or a document is being opened: the check and the
  // autosave wait (the next tick after it runs them against the document as it is then).
  bool ownStepUnderWay() const;
  void restoreBackup();

  TabSession& session_;
  RichEdit& editor_;
  const TMemoSettings& settings_;
  Host host_;
  bool reloadAsking_ = false;  // the outside-change question is open
};

}  // namespace memo
