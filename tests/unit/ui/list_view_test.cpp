// A list view's owned row values: each freed exactly once, however its row goes.
#include "ui/list_view.h"

#include <gtest/gtest.h>

#include <map>

#include "ui/app.h"
#include "ui/dialog.h"

namespace {

std::map<int, int> freed;  // value id -> times freed

struct Row {
  int id;
  ~Row() { ++freed[id]; }
};

class ListDialog : public ui::Dialog {
 public:
  ListDialog() : Dialog(nullptr, 200) {
    onCreate = [this] {
      lsvFiles.addColumn("名前", 80);
      lsvFiles.addColumn("値", 60);
    };
  }
  ui::ListView lsvFiles{this, 202};
};

TEST(ListView, RowValuesAreFreedOnceWhenRowsAreMovedAndDeleted) {
  ui::Application::instance().initialize("UI tests", true);
  freed.clear();
  {
    ListDialog dlg;
    ASSERT_TRUE(dlg.create());
    auto& list = dlg.lsvFiles;
    for (int i = 0; i < 6; ++i) {
      int row = list.addItem(std::string(1, static_cast<char>('a' + i)), std::make_shared<Row>(Row{i}));
      list.setItemText(row, 1, std::to_string(i));
    }
    freed.clear();  // the temporaries above
    list.setSelectedIndex(0);
    EXPECT_EQ(list.moveItem(0, 3), 3);  // b c d a e f
    EXPECT_EQ(list.itemText(3, 0), "a");
    EXPECT_EQ(list.itemText(3, 1), "0");
    EXPECT_EQ(list.value<Row>(3)->id, 0);
    EXPECT_EQ(list.selectedIndex(), 3);
    EXPECT_TRUE(freed.empty());

    list.deleteItem(3);                                                      // a, by the wrapper
    list.send(LVM_DELETEITEM, 0);                                            // b, by the control itself
    list.setValue(0, std::make_shared<Row>(Row{9}));                         // c's value replaced
    EXPECT_EQ((std::map<int, int>{{0, 1}, {1, 1}, {2, 1}, {9, 1}}), freed);  // 9: the temporary
    freed.erase(9);
    EXPECT_EQ(list.count(), 4);  // c(9) d e f; d, e, f and 9 go with the dialog
  }
  EXPECT_EQ((std::map<int, int>{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {9, 1}}), freed);
}

TEST(ListView, LabelEditAnswersTheNewTextOrNothingWhenCancelled) {
  ui::Application::instance().initialize("UI tests", true);
  ListDialog dlg;
  ASSERT_TRUE(dlg.create());
  dlg.lsvFiles.addItem("old");
  std::vector<std::optional<std::string>> ends;
  dlg.lsvFiles.onEndEdit = [&](int, const std::optional<std::string>& text) {
    ends.push_back(text);
    return text != "refused";
  };
  for (const char* typed : {"new", "refused"}) {
    dlg.lsvFiles.editLabel(0);
    ASSERT_TRUE(dlg.lsvFiles.editControl());
    SetWindowTextA(dlg.lsvFiles.editControl(), typed);
    SendMessageW(dlg.lsvFiles.editControl(), WM_KEYDOWN, VK_RETURN, 0);
  }
  dlg.lsvFiles.editLabel(0);
  dlg.lsvFiles.cancelEdit();
  ASSERT_EQ(ends.size(), 3u);
  EXPECT_EQ(ends[0], "new");
  EXPECT_EQ(ends[2], std::nullopt);
  EXPECT_EQ(dlg.lsvFiles.itemText(0), "new");
}

}  // namespace
