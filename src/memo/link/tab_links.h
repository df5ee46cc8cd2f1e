// The links of the memo window's plain tabs: the registered prefixes and the marks of the tab
// shown, the loading of a tab through the link converter while HotLink is on, the hand over a
// link, and the opening of a link text (clicked, or the selection or caret line by Ctrl+H).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/command_table.h"
#include "memo/link/link_conversion.h"
#include "memo/link/link_pointer.h"

namespace memo {

class RichEdit;
struct TMemoSettings;

class TabLinks {
 public:
  // What the links reach in the window.
  struct Host {
    // True while the shown tab is plain text: only plain tabs have links.
    std::function<bool()> plainMode;
    // A timed text in the status line.
    std::function<void(const std::string& text)> showStatus;
  };

  // The editor's mouse is watched from here on.
  TabLinks(RichEdit& editor, const TMemoSettings& settings, Host host);

  void bindCommands(ui::CommandTable& commands);
  // A tab's content into the editor: plain tabs through the link converter while HotLink is on.
  void loadTabContent(const std::string& content);
  // The user changed the text: the marks follow.
  void rceMemoTextChanged();
  void OpenLink(const std::string& text);

  TLinkString LinkRegistry;

 private:
  void rceMemoMouseMove(int x, int y);
  void rceMemoMouseDown(UINT message);
  void actHyperlinkExecute();
  // The shown tab has live links: a plain tab loaded with its links marked, HotLink still on.
  bool linksLive() const;
  // A converter of plain text to the look of a tab with links, with the settings as they are.
  std::shared_ptr<LinkConverter> linkConverter();

  RichEdit& rceMemo;
  const TMemoSettings& settings_;
  Host host_;
  LinkPointer linkPointer_;
  int hoverMark_ = -1;
  bool linksShown_ = false;  // the shown tab was loaded with its links marked
  bool editedWhileLoading_ = false;
};

}  // namespace memo
