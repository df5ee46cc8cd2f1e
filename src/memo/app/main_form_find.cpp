// The memo window's tabs as find and replace walk them: a tab other than the shown one is searched
// in the document as stored and shown only where the text is.
#include <windows.h>

#include <memory>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/find/tab_search.h"

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

  int tabCount() override { return form_.tabCount(); }
  int shownTab() override { return form_.selectedTab(); }
  std::string shownText() override { return form_.rceMemo.text(); }
  void selection(size_t& start, size_t& length) override {
    start = static_cast<size_t>(form_.rceMemo.selStart());
    length = static_cast<size_t>(form_.rceMemo.selLength());
  }
  void select(size_t start, size_t length) override {
    form_.rceMemo.setSelection(static_cast<int>(start), static_cast<int>(length));
  }
  bool replaceSelection(std::string_view text) override { return form_.rceMemo.replaceSelection(text); }
  std::optional<std::string> storedText(int tab) override {
    if (form_.repeatsEarlierTab(tab)) return std::nullopt;  // unavailable, like a tab that cannot be read
    TKzMemoManager& man = form_.MemoMan;
    // A look into the document is no load of a tab: what the manager remembers of the shown tab
    // stays, and a tab it cannot read is left for the walk to show (and report as a load does).
    const std::string tabFile = man.CurrentTabFile;
    const int32_t docAge = man.DocAge, tabAge = man.TabAge;
    std::string content;
    bool loaded = false;
    {
      QuietManager quiet(man);
      loaded = man.LoadTab(form_.tabName(tab), content);
    }
    man.CurrentTabFile = tabFile;
    man.DocAge = docAge;
    man.TabAge = tabAge;
    if (!loaded) return std::nullopt;
    if (isRichContent(content)) return richText(content);
    return content;
  }
  bool showTab(int tab) override {
    if (!form_.saveShownTab()) return false;
    form_.tbcMemo.setSelectedIndex(tab);
    form_.tbcMemoChange();
    return true;
  }
  bool askContinue(bool down, bool replacing) override {
    std::string text = down ? "最後のタブです\r\n最初のタブから"_sj : "最初のタブです\r\n最後のタブから"_sj;
    text += replacing ? "置換を続けますか？"_sj : "検索を続けますか？"_sj;
    const std::string caption = replacing ? "置換継続の確認"_sj : "検索継続の確認"_sj;
    return form_.AskUser && form_.AskUser(dialog_, text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
  }

 private:
  TfrmMain& form_;
  HWND dialog_;
};

}  // namespace

std::unique_ptr<SearchTarget> TfrmMain::searchTabs(HWND dialog) { return std::make_unique<WindowTabs>(*this, dialog); }

}  // namespace memo
