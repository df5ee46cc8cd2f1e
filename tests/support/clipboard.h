// Putting text on the system clipboard from tests, the way other programs do.
#pragma once

#include <string>
#include <string_view>

namespace test {

// Replaces the clipboard's content with the text as CF_UNICODETEXT, or as CF_TEXT bytes.
bool setClipboardUnicode(std::wstring_view text);
bool setClipboardCp932(std::string_view text);

}  // namespace test
