#include "clock/clipboard/clip_capture.h"

#include <chrono>
#include <thread>

#include "base/datetime.h"
#include "base/text.h"
#include "shared/history_file.h"
#include "shared/prompts.h"

namespace tockle {

std::string clipWindowTitle() { return "クリップボード履歴 - Tockle 3"_sj; }

IClipHistoryWindow* openHistoryWindow(IClipHistoryWindow* last) {
  if (!last) return nullptr;
  HWND found = FindWindowW(nullptr, base::wide(clipWindowTitle()).c_str());
  return found && found == last->WindowHandle() ? last : nullptr;
}

void settlePendingEdits(HWND owner, IClipHistoryWindow& window) {
  if (!window.ApplyEnabled()) return;
  window.SetBusy(true);
  struct ClearBusy {
    IClipHistoryWindow& window;
    ~ClearBusy() { window.SetBusy(false); }
  } clearBusy{window};
  int answer = shared::prompts().ask(owner, "履歴が更新されました\r\n反映する前に変更内容を保存しますか？"_sj,
                                     "履歴更新の確認"_sj, MB_YESNO | MB_ICONQUESTION);
  if (answer == IDYES)
    window.ApplyEdits();
  else
    window.DropEdits();
}

std::string adjustLineBreaks(std::string_view s) {
  // CR and LF never occur inside a double-byte character (trail bytes are 0x40 and above).
  std::string out;
  out.reserve(s.size() + s.size() / 8);
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c != '\r' && c != '\n') {
      out += c;
      continue;
    }
    char pair = c == '\r' ? '\n' : '\r';
    if (i + 1 < s.size() && s[i + 1] == pair) ++i;
    out += "\r\n";
  }
  return out;
}

std::string clipTextForHistory(std::string_view raw) { return adjustLineBreaks(base::trim(raw)); }

int lineCount(std::string_view text) {
  int lines = 1;
  for (size_t p = base::find(text, "\r\n"); p != std::string_view::npos; p = base::find(text, "\r\n", p + 2)) ++lines;
  return lines;
}

namespace {
// A value within from..to; to below from means no upper bound.
bool withinBounds(long long value, int32_t from, int32_t to) {
  if (to < from) return value >= from;
  return value >= from && value <= to;
}
}  // namespace

bool passesClipFilters(const TClipHistory& limits, std::string_view text) {
  if ((limits.LetterFrom != 0 || limits.LetterTo != 0) &&
      !withinBounds(static_cast<long long>(text.size()), limits.LetterFrom, limits.LetterTo))
    return false;
  if ((limits.LineFrom != 0 || limits.LineTo != 0) && !withinBounds(lineCount(text), limits.LineFrom, limits.LineTo))
    return false;
  return true;
}

bool clipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_UNICODETEXT); }

ClipboardText readClipboardText(HWND owner) {
  ClipboardText out;
  if (!OpenClipboard(owner)) {
    out.busy = true;
    return out;
  }
  std::optional<std::string>& text = out.text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      size_t max = GlobalSize(data) / sizeof(wchar_t);
      size_t n = 0;
      while (n < max && chars[n] != L'\0') ++n;
      text = base::cp932(std::wstring_view(chars, n));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return out;
}

void appendClipRecord(const std::string& path, const ClipRecord& record, const TClipHistory& limits,
                      std::string& keptDamaged) {
  shared::TKzHistoryFile history(path);
  history.Append(record.text, record.time);
  // Said even when the trimming below fails: the copy is kept either way.
  keptDamaged = history.KeptDamagedCopy;
  history.DeleteOldest(history.GetCount() - limits.MaxCount);
  // At most one round per record, whatever the times and the limit.
  for (int rounds = history.GetCount(); rounds > 0; --rounds) {
    if (!(history.GetFirstDate() < base::now() - limits.DayLimit)) break;
    history.DeleteOldest(1);
  }
  keptDamaged = history.KeptDamagedCopy;
}

std::string damagedHistoryText(const std::string& copy) {
  return "履歴ファイルが壊れていたので残しました -> "_sj + copy;
}

bool recordClipText(const std::string& path, const std::string& text, const TClipHistory& limits,
                    std::string* keptDamaged) {
  // The memo program opens the file only for a moment when it reads it.
  constexpr int kTries = 5;
  for (int attempt = 1;; ++attempt) {
    try {
      std::string kept;
      appendClipRecord(path, {base::now(), text}, limits, kept);
      if (keptDamaged) *keptDamaged = kept;
      return true;
    } catch (const shared::EFOpenError&) {
      if (attempt == kTries) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
  }
}

}  // namespace tockle
