// A document manager on a temp folder, with its error boxes and events recorded.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "memo/document/memo_manager.h"
#include "support/temp_folder.h"

namespace memotest {

using memo::kTypeII;
using memo::kTypeIII;
using Names = std::vector<std::string>;

// The header of the split documents the fixture makes.
inline const std::string kIndexHead = "[Tavelo Document Type III]\r\n;c\r\n";

class MemoFixture : public ::testing::Test {
 protected:
  MemoFixture() {
    m.FileName = dir.file("memo.ntd");
    m.BackupFolder = programDir.path();
    m.ShowError = [this](std::string_view text, std::string_view caption) {
      errors.push_back(std::string(caption) + "|" + std::string(text));
    };
    m.Confirm = [this](std::string_view text, std::string_view caption) {
      questions.push_back(std::string(caption) + "|" + std::string(text));
      return confirmAnswer;
    };
    m.OnNotFound = [this] { ++notFound; };
    m.OnTabListChange = [this](bool critical) { changes.push_back(critical); };
    m.OnStatusMessage = [this](const std::string& s) { statuses.push_back(s); };
  }

  std::string read(const std::string& path) { return base::readFile(path).value_or("<missing>"); }
  void write(const std::string& path, const std::string& bytes) { ASSERT_TRUE(base::writeFileAtomic(path, bytes)); }
  std::string file(const std::string& name) { return dir.file(name); }

  // Makes the next atomic write of path fail: its temporary file cannot be created where a
  // folder of that name stands.
  void blockWrite(const std::string& path) {
    ASSERT_TRUE(CreateDirectoryW(base::wide(path + ".~tmp").c_str(), nullptr));
  }
  void unblockWrite(const std::string& path) { RemoveDirectoryW(base::wide(path + ".~tmp").c_str()); }

  // A document made through the manager with the given tabs (name, content).
  void makeDocument(unsigned char type, const std::vector<std::pair<std::string, std::string>>& tabs) {
    const char* header =
        type == memo::kTypeII
            ? "<!--Tavelo Document Type II-->\r\n<!--c-->\r\n<!--Begin Document-->\r\n<!--End Document-->\r\n"
            : "[Tavelo Document Type III]\r\n;c\r\n";
    write(m.FileName, header);
    ASSERT_TRUE(m.LoadTabList());
    for (const auto& [name, content] : tabs) ASSERT_TRUE(m.SaveTab(name, content)) << name;
  }

  std::string loadTab(const std::string& name) {
    std::string s;
    EXPECT_TRUE(m.LoadTab(name, s)) << name;
    return s;
  }

  test::TempFolder dir;
  test::TempFolder programDir;
  memo::TKzMemoManager m;
  std::vector<std::string> errors;
  std::vector<std::string> questions;  // answered with confirmAnswer
  bool confirmAnswer = false;
  std::vector<std::string> statuses;
  std::vector<bool> changes;
  int notFound = 0;
};

}  // namespace memotest
