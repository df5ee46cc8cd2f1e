#include "clock/commands/command_list.h"

#include <climits>

#include "base/files.h"
#include "base/text.h"
#include "base/text_lines.h"
#include "clock/commands/file_problem_text.h"

namespace tockle {

namespace {

bool hasMarker(const std::string& line, std::string_view marker) {
  return base::find(line, marker) != std::string::npos;
}

// The command number of a line's value; a heading's 0 only where headings are allowed.
bool commandOf(const std::string& value, bool headingAllowed, int& command) {
  long long n = 0;
  if (!base::parseInt(base::trim(value), n) || n > INT_MAX) return false;
  command = static_cast<int>(n);
  return n > 0 || (headingAllowed && n == 0);
}

}  // namespace

std::vector<std::pair<std::string, int>> CommandList::MouseCommands() const {
  std::vector<std::pair<std::string, int>> entries;
  for (const auto& e : HotKey) entries.emplace_back(e.Command == 0 ? "--------------" : e.Name, e.Command);
  return entries;
}

CommandList parseCommandList(std::vector<std::string> lines) {
  CommandList list;
  enum { Before, System, HotKey, After } section = Before;
  for (const auto& line : lines) {
    if (section == Before && hasMarker(line, "[System]")) section = System;
    if ((section == Before || section == System) && hasMarker(line, "[HotKey]")) section = HotKey;
    if (section != After && hasMarker(line, "[Default]")) section = After;
    if (section == HotKey && hasMarker(line, "[HotKey]")) list.HasHotKeySection = true;
    if (section != System && section != HotKey) continue;
    std::string name = base::lineName(line);
    std::string value = base::valueOfName(lines, name);
    int command = 0;
    if (value.empty() || !commandOf(value, section == HotKey, command)) continue;
    (section == System ? list.System : list.HotKey).push_back({name, command});
  }
  list.Lines = std::move(lines);
  return list;
}

std::optional<CommandList> readCommandList(const std::string& programFolder) {
  auto lines = base::readLines(programFolder + "_command");
  if (!lines) return std::nullopt;
  return parseCommandList(std::move(*lines));
}

std::string commandListErrorText(base::FileProblem problem) {
  if (problem == base::FileProblem::None) problem = base::FileProblem::Unreadable;  // vanished meanwhile
  std::string text = "重要なコマンドファイル _command"_sj + fileProblemText(problem) +
                     "\r\n\r\nこのファイルがないと，Tockleは動作できません\r\n"_sj;
  if (problem == base::FileProblem::Missing)
    return text + "もし，間違って消してしまった場合は，再度Tockleを入手して下さい"_sj;
  return text + "このファイルを読み込めるようにしてから，Tockleを起動し直して下さい"_sj;
}

}  // namespace tockle
