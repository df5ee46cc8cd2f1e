// The save-file dialogs of the memo: naming a memo document, and saving a tab to a file.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace memo {

// "メモファイルの指定", memo files (*.ntd) only, ".ntd" added when the name has no extension.
// The chosen full path, or nothing when the user cancelled.
std::optional<std::string> chooseMemoFile(HWND owner, std::string_view current);

// A save dialog with title, filter ("text|pattern|..." pairs), a proposed file name and a default
// extension (without the dot); it asks before an existing file is overwritten. The chosen full
// path, or nothing when the user cancelled.
std::optional<std::string> chooseSaveFile(HWND owner, const std::string& title, const std::string& filter,
                                          const std::string& fileName, const std::string& defExt);

}  // namespace memo
