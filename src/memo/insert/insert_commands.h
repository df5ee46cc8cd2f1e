// The memo's insert commands: the date or time (now or some days or hours ahead) in place of the
// selection, a text file at the end of the shown tab, a file as a tab of its own; the files
// dropped on the window; and the document file type with the shell.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/datetime.h"

namespace ui {
class CommandTable;
}

namespace memo {

class RichEdit;
class TabSession;
struct TMemoSettings;

class InsertCommands {
 public:
  // What it needs of the window.
  struct Host {
    // The owner of the boxes and file dialogs.
    std::function<HWND()> window;
    // The moment the date and time commands start from.
    std::function<base::DateTime()> now = base::now;
    std::function<void(const std::string& text)> showStatus;
  };

  InsertCommands(RichEdit& editor, TabSession& session, const TMemoSettings& settings, Host host);
  InsertCommands(const InsertCommands&) = delete;
  InsertCommands& operator=(const InsertCommands&) = delete;

  void bindCommands(ui::CommandTable& commands);

  // Files dropped on the window: each added as a line, or as a tab of its own, and the count of
  // what was really added told in the status line.
  void filesDropped(const std::vector<std::string>& files);
  // The document file type with the shell (the first start and the Tools menu); a refusal is told
  // once a run, and the program goes on either way.
  void registerFileType();

 private:
  // The date or time moved by tag (-1: a count asked for) in place of the selection.
  void insertMoment(int tag, bool hours);
  void insertTextFile();
  void insertFileAsTab();
  // Each true when something was added (a read-only tab takes no line).
  bool appendLine(const std::string& text);
  bool openFileAsTab(const std::string& path);
  // What a dropped shortcut or Internet shortcut points to.
  std::string resolveDroppedFile(const std::string& path, bool isShortcut);
  // A file to be taken in as text; a refused one (too large, no text) is reported.
  bool takeTextFile(const std::string& path, std::string& bytes);
  int ask(std::string_view text, std::string_view caption, UINT flags);

  RichEdit& editor_;
  TabSession& session_;
  const TMemoSettings& settings_;
  Host host_;
  bool fileTypeRefused_ = false;  // the refused registration was reported in this run
};

}  // namespace memo
