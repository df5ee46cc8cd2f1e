// The memo window's tabs as find and replace walk them: a tab other than the shown one is searched
// in the document as stored and shown only where the text is.
#include <windows.h>

#include <memory>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/find/tab_search.h"
#include "memo/document/tab_session.h"
#include "shared/prompts.h"

namespace memo {

namespace {

// A rich tab's text as the editor would show it, from a control of its own that is never shown.
std::string richText(const std::string& content) {
  RichEdit scratch;
  if (!scratch.create(HWND_MESSAGE, 0)) return {};
  SendMessageW(scratch.handle(), EM_SETEVENTMASK, 0, 0);
  scratch.loadContent(content);
  std::string text = scratch.text();
  DestroyWindow(scratch.handle());
  return text;
}

class WindowTabs : public SearchTarget {
 public:
  WindowTabs(TfrmMain& form, HWND dialog) : form_(form), dialog_(dialog) {}

  int tabCount() override { return form_.session().tabCount(); }
  int shownTab() override { return form_.session().selectedTab(); }
  void selection(size_t& start, size_t& length) override {
    start = static_cast<size_t>(form_.rceMemo.selStart());
    length = static_cast<size_t>(form_.rceMemo.selLength());
  }
  std::string shownText() override { return text_ = form_.rceMemo.text(); }
  void select(size_t start, size_t length) override { form_.rceMemo.selectIn(text_, start, length); }
  bool replaceSelection(std::string_view text) override {
    if (!form_.rceMemo.replaceSelection(text)) return false;
    text_ = form_.rceMemo.text();
    return true;
  }
  bool replaceAll(const ReplacedText& replaced, size_t matchBytes, std::string_view replacement) override {
    return form_.rceMemo.replaceMatches(text_, replaced.at, matchBytes, replacement, replaced.text, !form_.PlainMode);
  }
  void reportReplaced(size_t count) override {
    form_.ShowStatusMessage("置換しました -> "_sj + std::to_string(count) + " 個"_sj);
  }
  std::optional<std::string> storedText(int tab) override {
    // A tab that cannot be read is left for the walk to show (and report as a load does).
    std::string content;
    bool plain = true;
    if (!form_.session().storedTab(tab, content, &plain)) return std::nullopt;
    if (!plain) return richText(content);
    return content;
  }
  bool showTab(int tab) override { return form_.session().showTab(tab); }
  bool askContinue(bool down, bool replacing) override {
    std::string text = down ? "最後のタブです\r\n最初のタブから"_sj : "最初のタブです\r\n最後のタブから"_sj;
    text += replacing ? "置換を続けますか？"_sj : "検索を続けますか？"_sj;
    const std::string caption = replacing ? "置換継続の確認"_sj : "検索継続の確認"_sj;
    return shared::prompts().ask(dialog_, text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
  }

 private:
  TfrmMain& form_;
  HWND dialog_;
  std::string text_;  // the shown tab's text as the search last read it
};

}  // namespace

std::unique_ptr<SearchTarget> TfrmMain::searchTabs(HWND dialog) { return std::make_unique<WindowTabs>(*this, dialog); }

}  // namespace memo
