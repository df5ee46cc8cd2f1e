// The application's help file: the one the program set, else the program's own path with ".hlp";
// a missing file opens nothing when asked so.
#include "ui/help_file.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "ui/app.h"

namespace {

TEST(HelpFile, IsTheOneSetElseBesideTheProgram) {
  std::string& set = ui::Application::instance().helpFile;
  std::string saved = set;
  set.clear();
  EXPECT_EQ(ui::helpFilePath(), base::changeExtension(base::programPath(), ".hlp"));
  set = "C:\\nowhere\\Tockle.hlp";
  EXPECT_EQ(ui::helpFilePath(), "C:\\nowhere\\Tockle.hlp");
  EXPECT_FALSE(ui::openHelp(nullptr, HELP_FINDER, 0, ui::MissingHelp::OpenNothing));
  set = saved;
}

}  // namespace
