#include "memo/find/find_dialog.h"

#include "base/text.h"
#include "ui/app.h"

namespace memo {

FindDialog::~FindDialog() { close(); }

void FindDialog::close() {
  if (!window_) return;
  ui::Application::instance().removeDialog(window_);
  if (IsWindow(window_)) DestroyWindow(window_);
  window_ = nullptr;
}

void FindDialog::attach(HWND owner) {
  owner_ = owner;
  message_ = RegisterWindowMessageW(FINDMSGSTRINGW);
}

void FindDialog::show(POINT topLeft) {
  if (!owner_) return;
  if (!window_) {
    // Opened again, the dialog keeps the options it had.
    const DWORD options = data_.lStructSize ? data_.Flags & (FR_DOWN | FR_WHOLEWORD | FR_MATCHCASE) : FR_DOWN;
    data_ = {};
    data_.lStructSize = sizeof data_;
    data_.hwndOwner = owner_;
    data_.Flags = options;
    data_.lpstrFindWhat = findText_.data();
    data_.wFindWhatLen = static_cast<WORD>(findText_.size());
    if (replace_) {
      data_.lpstrReplaceWith = replaceText_.data();
      data_.wReplaceWithLen = static_cast<WORD>(replaceText_.size());
    }
    window_ = replace_ ? ReplaceTextW(&data_) : FindTextW(&data_);
    if (!window_) return;
    ui::Application::instance().addDialog(window_);
  }
  SetWindowPos(window_, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(window_, SW_SHOW);
  SetActiveWindow(window_);
}

bool FindDialog::ownerMessage(UINT msg, LPARAM lp) {
  if (!message_ || msg != message_ || reinterpret_cast<FINDREPLACEW*>(lp) != &data_) return false;
  const DWORD flags = data_.Flags;
  if (flags & FR_DIALOGTERM) {
    // The dialog destroys itself.
    ui::Application::instance().removeDialog(window_);
    window_ = nullptr;
    return true;
  }
  SearchRequest request;
  request.findText = base::cp932(data_.lpstrFindWhat);
  if (replace_) request.replaceText = base::cp932(data_.lpstrReplaceWith);
  request.options.wholeWord = (flags & FR_WHOLEWORD) != 0;
  request.options.matchCase = (flags & FR_MATCHCASE) != 0;
  request.down = (flags & FR_DOWN) != 0;
  request.mode = (flags & FR_REPLACEALL) ? SearchMode::ReplaceAll
                 : (flags & FR_REPLACE)  ? SearchMode::Replace
                                         : SearchMode::Find;
  const auto& handler = request.mode == SearchMode::Find ? onFind : onReplace;
  if (handler) handler(request, window_);
  return true;
}

}  // namespace memo
