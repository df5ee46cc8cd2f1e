// Links of the plain tabs: the pointer turns into a hand over a link, a left click or Ctrl+H opens
// it in the shell.
#include "memo/link/tab_links.h"

#include <windows.h>

#include <richedit.h>

#include <memory>
#include <utility>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/editor/rich_edit.h"
#include "memo/editor/text_pieces.h"
#include "memo/link/open_link.h"
#include "memo/settings/memo_settings.h"
#include "shared/shell_open.h"
#include "shared/prompts.h"

namespace memo {

TabLinks::TabLinks(RichEdit& editor, const TMemoSettings& settings, Host host)
    : rceMemo(editor), settings_(settings), host_(std::move(host)) {
  rceMemo.onMouseMove = [this](int x, int y) { rceMemoMouseMove(x, y); };
  rceMemo.onMouseDown = [this](UINT message, int, int) { rceMemoMouseDown(message); };
  // The marks of a tab loaded in pieces are whole with its last piece.
  rceMemo.onLoaded = [this] {
    if (editedWhileLoading_)
      linkPointer_.textChanged();
    else
      linkPointer_.loaded();
  };
  // A whole text the editor puts back (a replace-all, its undo) is shown as a load shows it.
  rceMemo.plainLook = [this](std::string_view text) -> std::optional<std::string> {
    if (!linksLive()) return std::nullopt;
    return linkConverter()->Convert(text, true);
  };
}

std::shared_ptr<LinkConverter> TabLinks::linkConverter() {
  RegisterWebLinks(LinkRegistry);
  // Face, size and colour come with the text: formatting the whole text afterwards would cost
  // the control as much again as the load.
  return std::make_shared<LinkConverter>(
      LinkRegistry,
      TextLook{settings_.MemoFontName, settings_.MemoFontSize, memoColor(settings_.MemoFontColor), settings_.ForceFix});
}

void TabLinks::bindCommands(ui::CommandTable& commands) {
  commands.on(actHyperlink, [this] { actHyperlinkExecute(); });
}

bool TabLinks::linksLive() const { return linksShown_ && host_.plainMode() && settings_.HotLink; }

void TabLinks::loadTabContent(const std::string& content) {
  const bool plain = host_.plainMode();
  linksShown_ = plain && settings_.HotLink;
  hoverMark_ = -1;
  rceMemo.setHandCursor(false);
  const CHARFORMAT2W font =
      RichEdit::fontFormat(settings_.MemoFontName, settings_.MemoFontSize, memoColor(settings_.MemoFontColor));
  // A large tab shows its first screen at once and takes the rest in pieces while the program
  // is idle; the pieces hold the program's own copy of the text.
  if (!plain) {
    rceMemo.beginLoad(
        [rich = content](bool& last) mutable {
          last = true;
          return std::move(rich);
        },
        true, font);
    return;
  }
  auto pieces = std::make_shared<TextPieces>(content);
  auto rest = [pieces] { return pieces->rest(); };
  if (!linksShown_) {
    rceMemo.beginLoad([pieces](bool& last) { return std::string(pieces->next(last)); }, false, font, rest);
    return;
  }
  auto converter = linkConverter();
  rceMemo.beginLoad(
      [pieces, converter](bool& last) {
        std::string_view piece = pieces->next(last);
        return converter->Convert(piece, last);
      },
      true, font, rest);
  editedWhileLoading_ = false;
  linkPointer_.loaded();
}

void TabLinks::rceMemoTextChanged() {
  // The converter counts the rest from the text as stored: after an edit its marks are made
  // again from the text as it is.
  if (rceMemo.loading()) editedWhileLoading_ = true;
  linkPointer_.textChanged();
}

void TabLinks::rceMemoMouseMove(int x, int y) {
  // Only a plain tab loaded with links has marks of its own text.
  if (!linksLive()) {
    hoverMark_ = -1;
    rceMemo.setHandCursor(false);
    return;
  }
  hoverMark_ = linkPointer_.markAtPoint(rceMemo, LinkRegistry, POINT{x, y});
  TKzLinkMark mark;
  LinkRegistry.GetMark(hoverMark_, mark);
  if (hoverMark_ < 0)
    rceMemo.setHandCursor(false);
  else if (mark.Style & 1)
    rceMemo.setHandCursor(true);
}

void TabLinks::rceMemoMouseDown(UINT message) {
  if (message != WM_LBUTTONDOWN || !linksLive() || hoverMark_ < 0) return;
  TKzLinkMark mark;
  LinkRegistry.GetMark(hoverMark_, mark);
  if (mark.Style & 1) OpenLink(mark.Text);
}

void TabLinks::actHyperlinkExecute() {
  if (rceMemo.selLength() == 0) rceMemo.selectCaretLine();
  OpenLink(rceMemo.selectedText());
}

void TabLinks::OpenLink(const std::string& text) {
  LinkSettings settings{settings_.UseUrl, settings_.UseEmail, settings_.UseLocal,
                        [](const std::string& s) { return base::folderExists(s); },
                        [](const std::string& s) { return base::fileExists(s); }};
  std::optional<LinkOpening> o = PlanOpenLink(text, settings);
  if (!o) return;
  // A text never starts a program without the user saying so.
  if (o->program && shared::prompts().ask(GetAncestor(rceMemo.handle(), GA_ROOT),
                                          "プログラムを起動します。よろしいですか？\r\n"_sj + o->target,
                                          "リンクを開く"_sj, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
    return;
  host_.showStatus("アクセス中 -> "_sj + o->shown);
  shared::openInShell(o->target, o->folder);
  host_.showStatus("アクセス完了 -> "_sj + o->target);
}

}  // namespace memo
