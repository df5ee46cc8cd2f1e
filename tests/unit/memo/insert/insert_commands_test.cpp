// The insert commands on a tab session, with a host of the test's own.
#include "memo/insert/insert_commands.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/chrome/commands.h"
#include "unit/memo/document/tab_session_fixture.h"

namespace {

class Insert : public memotest::TabSessionTest {
 protected:
  Insert() { insert.bindCommands(commands); }
  memo::InsertCommands insert{
      editor, *session, settings,
      memo::InsertCommands::Host{.window = [this] { return window.handle(); },
                                 .now = [] { return base::encodeDateTime(2026, 12, 31, 23, 30); },
                                 .showStatus = [this](const std::string& text) { status = text; }}};
};

TEST_F(Insert, DatesAndTimesMovedByTheCommandsOffsetOrTheCountAsked) {
  struct Row {
    int command;
    const char* input;  // nullptr: none asked
    const char* expected;
  };
  const Row rows[] = {
      {memo::actInsertDate, nullptr, "2026年12月31日"}, {memo::mnuInsertDate0 + 1, nullptr, "2027年01月01日"},
      {memo::mnuInsertTime0 + 2, nullptr, "01時30分"},  {memo::mnuInsertDateAsk, "-2", "2026年12月29日"},
      {memo::mnuInsertTimeAsk, "-24", "23時30分"},      {memo::mnuInsertDateAsk, "x", ""}};
  for (const Row& row : rows) {
    editor.setText("");
    if (row.input) inputs.push_back(base::fromUtf8(row.input));
    commands.run(row.command);
    EXPECT_EQ(base::fromUtf8(row.expected), editor.text()) << row.command;
  }
  EXPECT_EQ((std::vector<std::string>{"日数の指定|10"_sj, "時間数の指定|10"_sj, "日数の指定|10"_sj}), prompts);
}

}  // namespace
