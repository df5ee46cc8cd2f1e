// The save-file dialog in which the user names a memo document.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace memo {

// "メモファイルの指定", memo files (*.ntd) only, ".ntd" added when the name has no extension.
// The chosen full path, or nothing when the user cancelled.
std::optional<std::string> chooseMemoFile(HWND owner, std::string_view current);

}  // namespace memo
