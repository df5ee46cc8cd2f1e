// A scripted stand-in for the common dialogs: installed for its lifetime, it answers from queues
// (an empty queue answers "cancelled") and records every call.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/common_dialogs.h"

namespace test {

class FakeCommonDialogs : public ui::CommonDialogs {
 public:
  FakeCommonDialogs() { ui::setCommonDialogs(this); }
  ~FakeCommonDialogs() override { ui::setCommonDialogs(nullptr); }

  std::deque<std::string> files;    // open / save: the chosen full name
  std::deque<std::string> folders;  // browse for folder
  std::deque<ui::Font> fonts;
  std::deque<ui::Color> colors;
  std::vector<std::string>
      calls;  // "openFile:<title>", "saveFile:...", "browseFolder:...", "chooseFont", "chooseColor"
  ui::FileDialogArgs lastFile;

  bool openFile(HWND, ui::FileDialogArgs& args) override { return file("openFile", args); }
  bool saveFile(HWND, ui::FileDialogArgs& args) override { return file("saveFile", args); }
  bool browseFolder(HWND, const std::string& title, std::string& folder) override {
    calls.push_back("browseFolder:" + title);
    return take(folders, folder);
  }
  bool chooseFont(HWND, ui::Font& font, DWORD) override {
    calls.push_back("chooseFont");
    if (fonts.empty()) return false;
    // A font holds its handle: its values are copied, not the object.
    const ui::Font& f = fonts.front();
    font.setName(f.name());
    font.setSize(f.size());
    font.setStyle(f.style());
    font.setCharset(f.charset());
    font.setColor(f.color());
    fonts.pop_front();
    return true;
  }
  bool chooseColor(HWND, ui::Color& color) override {
    calls.push_back("chooseColor");
    return take(colors, color);
  }

 private:
  bool file(const char* kind, ui::FileDialogArgs& args) {
    calls.push_back(std::string(kind) + ":" + args.title);
    lastFile = args;
    if (!take(files, args.fileName)) return false;
    args.fileNames = {args.fileName};
    return true;
  }
  template <typename T>
  static bool take(std::deque<T>& queue, T& out) {
    if (queue.empty()) return false;
    out = std::move(queue.front());
    queue.pop_front();
    return true;
  }
};

}  // namespace test
