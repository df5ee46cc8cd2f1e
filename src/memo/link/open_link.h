// What opening a link text means: which target goes to the shell, with which working folder, and
// what the status line says, decided from the text and the link settings alone.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace memo {

struct LinkSettings {
  bool UseUrl = true;
  bool UseEmail = true;
  bool UseLocal = true;
  std::function<bool(const std::string&)> folderExists;
  std::function<bool(const std::string&)> fileExists;
};

struct LinkOpening {
  std::string shown;     // the text as opening starts ("アクセス中 -> " + shown)
  std::string target;    // what the shell opens ("アクセス完了 -> " + target)
  std::string folder;    // working folder, empty for none
  bool program = false;  // the target would start a program: asked first
};

// The opening of link text s, or nothing when the settings refuse it or it names nothing.
std::optional<LinkOpening> PlanOpenLink(std::string s, const LinkSettings& settings);

}  // namespace memo
