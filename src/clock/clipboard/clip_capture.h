// The clipboard capture: which clipboard texts go into the history file, and how the file is
// trimmed after each one.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "base/datetime.h"
#include "clock/settings/clock_settings.h"

namespace tockle {

// The title by which the history window is found.
std::string clipWindowTitle();

// What the capture needs of an open history window.
class IClipHistoryWindow {
 public:
  virtual ~IClipHistoryWindow() = default;
  virtual HWND WindowHandle() const = 0;
  // True while the list has edits not yet written to the file.
  virtual bool ApplyEnabled() const = 0;
  // While busy the window refuses to close.
  virtual void SetBusy(bool busy) = 0;
  // Writes the edits to the file (the window stays open), or drops them.
  virtual void ApplyEdits() = 0;
  virtual void DropEdits() = 0;
  // Refills the list from the file.
  virtual void LoadHistory() = 0;
};

// The history window the clock made last, when it is open (found by its title); else null.
IClipHistoryWindow* openHistoryWindow(IClipHistoryWindow* last);
// When the window has edits not yet written, asks (owned by owner) whether to write them before
// the capture changes the file, and writes or drops them; the window stays busy meanwhile.
void settlePendingEdits(HWND owner, IClipHistoryWindow& window);

// Line breaks as CR LF: a lone CR, a lone LF and an LF CR pair each become one CR LF.
std::string adjustLineBreaks(std::string_view s);
// A clipboard text as the history keeps it: blanks and control characters gone at both ends,
// CR LF line breaks.
std::string clipTextForHistory(std::string_view raw);
// Lines of a text with CR LF breaks: the breaks + 1.
int lineCount(std::string_view text);
// The letter (bytes) and line filters of the history settings.
bool passesClipFilters(const TClipHistory& limits, std::string_view text);

// Whether the clipboard offers text.
bool clipboardHasText();
// The clipboard's text, taken as Unicode and converted to CP932 (so Japanese text is kept on any
// system code page); no text when there is none. Busy, at once, when another program holds the
// clipboard open: the caller tries again later.
struct ClipboardText {
  bool busy = false;
  std::optional<std::string> text;
};
ClipboardText readClipboardText(HWND owner);

// Appends text to the history file at path as its newest record (an equal older one goes), then
// drops the oldest records beyond MaxCount and those older than DayLimit days. While another
// program holds the file it tries a few times within a fraction of a second and then answers
// false, the file as it was; other file errors are raised. keptDamaged: the path of the copy kept
// of a damaged history file before it was rewritten, when one was kept.
bool recordClipText(const std::string& path, const std::string& text, const TClipHistory& limits,
                    std::string* keptDamaged = nullptr);
// A copied text and when it was copied.
struct ClipRecord {
  base::DateTime time = 0;
  std::string text;
};
// One try at what recordClipText does, the record kept with its own time: raises
// shared::EStreamError (the file as it was) when the file cannot be opened or written.
void appendClipRecord(const std::string& path, const ClipRecord& record, const TClipHistory& limits,
                      std::string& keptDamaged);
// The status text that says a damaged history file was kept as copy.
std::string damagedHistoryText(const std::string& copy);

}  // namespace tockle
