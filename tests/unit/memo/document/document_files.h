// Memo documents in a test's folder: written as bytes, read back as a fresh manager reads them.
#pragma once

#include <string>
#include <vector>

#include "base/files.h"
#include "memo/document/memo_manager.h"

namespace memotest {

// A Type II document holding tabLines (each "name/*!/content\r\n").
inline std::string typeIIDocument(const std::string& tabLines) {
  return "<!--Tavelo Document Type II-->\r\n<!--c-->\r\n<!--Begin Document-->\r\n" + tabLines +
         "<!--End Document-->\r\n";
}

// The tabs of the document at path, and one tab's content ("<missing>" when it is not there).
inline std::vector<std::string> storedTabs(const std::string& path) {
  memo::TKzMemoManager check;
  check.FileName = path;
  check.LoadTabList();
  return check.TabList;
}
inline std::string storedTab(const std::string& path, const std::string& tab) {
  memo::TKzMemoManager check;
  check.FileName = path;
  check.ShowError = [](std::string_view, std::string_view) {};
  std::string content;
  if (!check.LoadTab(tab, content)) return "<missing>";
  return content;
}

}  // namespace memotest
