#include "clock/commands/hot_keys_file.h"

#include <climits>

#include "base/text.h"
#include "base/text_lines.h"
#include "ui/shortcut.h"

namespace tockle {

namespace {
bool parseInteger(const std::string& text, long long& value) {
  return base::parseInt(text, value) && value >= INT_MIN && value <= INT_MAX;
}
}  // namespace

std::vector<HotKeyEntry> parseHotKeys(std::string_view text, std::vector<std::string>* badLines) {
  std::vector<HotKeyEntry> entries;
  auto lines = base::splitLines(text);
  for (const auto& line : lines) {
    std::string name = base::lineName(line);
    std::string value = base::valueOfName(lines, name);
    long long id = 0, code = 0;
    if (!parseInteger(name, id) || !parseInteger(value, code) || code < 0 || code > 0xFFFF) {
      if (badLines && !base::trim(line).empty()) badLines->push_back(line);
      continue;
    }
    entries.push_back({static_cast<int>(id), static_cast<int>(code)});
  }
  return entries;
}

std::string hotKeyProblemsText(const std::string& path, const std::vector<std::string>& badLines,
                               const std::vector<HotKeyEntry>& unregistered,
                               const std::vector<std::pair<std::string, int>>& commands) {
  std::string text;
  if (!badLines.empty()) {
    text = "ホットキーの設定ファイル "_sj + path + " に読めない行があります:"_sj;
    for (size_t i = 0; i < badLines.size() && i < 10; ++i) text += "\r\n  " + base::cut(badLines[i], 60);
    if (badLines.size() > 10) text += "\r\n  ...";
    text += "\r\nこれらの行は飛ばし，ほかの行のホットキーを登録しました"_sj;
  }
  if (!unregistered.empty()) {
    if (!text.empty()) text += "\r\n\r\n";
    text += "次のホットキーはほかのプログラムが使っているため登録できませんでした:"_sj;
    for (const HotKeyEntry& e : unregistered) {
      std::string name = "コマンド "_sj + std::to_string(e.id);
      for (const auto& [caption, command] : commands)
        if (command == e.id) name = caption;
      text += "\r\n  " + ui::shortCutText(e.shortcut, ui::KeyNames::Keyboard) + "  " + name;
    }
    text += "\r\n割り当ては残してあります。キーが空けば，次に設定を適用するか起動したときに使えます"_sj;
  }
  return text;
}

}  // namespace tockle
