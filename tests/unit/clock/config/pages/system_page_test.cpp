// The system page: the menu tree from and to "_system3", the default menu, and the editor's
// rules for buttons, keys, renaming and drag and drop.
#include "clock/config/pages/system_page.h"

#include <gtest/gtest.h>

#include "base/text_lines.h"
#include "clock/config/config_dialog.h"
#include "unit/clock/config/config_fixture.h"

namespace {

using tockle::DropPlace;
using tockle::SystemMenuRecord;
using tockle::TSystemPage;
using ui::TreeItem;

// The boxes of the page; an input box answers from inputs and keeps the text it was opened with.
class NamePrompts : public test::FakePrompts {
 public:
  std::string preset;
  bool inputQuery(HWND owner, const std::string& caption, const std::string& prompt, std::string& value) override {
    preset = value;
    return FakePrompts::inputQuery(owner, caption, prompt, value);
  }
};

class SystemPage : public test::ConfigFixture {
 protected:
  void SetUp() override {
    test::ConfigFixture::SetUp();
    names.answer = [this](const test::FakePrompts::Box& box) {
      boxes.push_back(std::string(box.caption));
      return IDOK;
    };
  }
  TSystemPage& open() {
    ConfigFixture::open(0);
    dialog->pgcConfig.setActivePage(tockle::tabSystem);
    auto& page = static_cast<TSystemPage&>(*dialog->Pages[tockle::tabSystem]);
    page.ChooseDropPlace = [this](POINT, bool children) {
      menus.push_back(children);
      return place;
    };
    return page;
  }
  TSystemPage& openWith(const std::vector<SystemMenuRecord>& records) {
    writeFile("_system3", tockle::encodeSystemMenu(records));
    return open();
  }
  // The node of a caption, and a point on it in the tree's client area.
  TreeItem node(TSystemPage& page, const std::string& caption) {
    for (TreeItem n : page.Menu.Nodes())
      if (page.trvSystem.text(n) == caption) return n;
    return nullptr;
  }
  POINT pointOf(TSystemPage& page, TreeItem item) {
    RECT r{};
    *reinterpret_cast<HTREEITEM*>(&r) = item;
    page.trvSystem.send(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  int commandRow(TSystemPage& page, int command) {
    for (int row = 0; row < page.lsvCommands.count(); ++row)
      if (*page.lsvCommands.value<int>(row) == command) return row;
    return -1;
  }
  // "parent/caption=number" of every node in tree order.
  std::string shape(TSystemPage& page) {
    std::string s;
    for (const auto& r : page.Menu.Records())
      s += r.ParentText + "/" + r.Text + "=" + std::to_string(r.StateIndex) + " ";
    return s;
  }
  NamePrompts names;
  std::vector<std::string> boxes;
  std::vector<bool> menus;
  int place = -1;
};

const std::vector<SystemMenuRecord> kSmall = {
    {"nil", "A", 1, 1, 5}, {"nil", "Sub", 0, 0, 0},      {"Sub", "Inner", 0, 0, 0}, {"Inner", "Exit", 1, 1, 22},
    {"Sub", "B", 1, 1, 7}, {"nil", "Settings", 1, 1, 8}, {"nil", "Last", 0, 0, 0},  {"Last", "C", 1, 1, 6}};

TEST_F(SystemPage, TheFileLoadsIntoTheTreeAndTheTreeSavesToTheSameBytes) {
  auto& page = openWith(kSmall);
  EXPECT_EQ(page.lsvCommands.count(), 19);
  dialog->SetChanged(tockle::cpSystemMenu);
  base::deleteFile(folder.file("_system3"));
  ASSERT_TRUE(dialog->ApplySettings(false));
  EXPECT_EQ(base::readFile(folder.file("_system3")), tockle::encodeSystemMenu(kSmall));
}

TEST_F(SystemPage, AMissingFileGetsTheDefaultMenuAtOnceAndTheDefaultButtonBringsItBack) {
  base::deleteFile(folder.file("_system3"));
  auto& page = open();
  auto lines = base::readLines(base::programFolder() + "_command");
  const std::string defaults = tockle::encodeSystemMenu(tockle::defaultSystemMenu(*lines));
  EXPECT_EQ(base::readFile(folder.file("_system3")), defaults);
  page.trvSystem.select(page.trvSystem.root());
  page.btnSepSys.click();
  page.btnDefaultSys.click();
  EXPECT_EQ(boxes, std::vector<std::string>{"システムメニューのデフォルト"_sj});
  EXPECT_EQ(tockle::encodeSystemMenu(page.Menu.Records()), defaults);
}

TEST_F(SystemPage, TheButtonsArePictures) {
  auto& page = openWith(kSmall);
  for (ui::Button* b : {&page.btnAllocSys, &page.btnDeleteSys, &page.btnEditSys, &page.btnSubSys, &page.btnSepSys,
                        &page.btnDefaultSys}) {
    EXPECT_TRUE(GetWindowLongW(b->handle(), GWL_STYLE) & BS_ICON);
    EXPECT_NE(b->send(BM_GETIMAGE, IMAGE_ICON), 0);
  }
}

TEST_F(SystemPage, SettingsAndExitAreNeverDeleted) {
  auto& page = openWith(kSmall);
  for (const char* caption : {"Settings", "Exit", "Sub"}) {
    page.trvSystem.select(node(page, caption));
    page.btnDeleteSys.click();
  }
  EXPECT_EQ(boxes, std::vector<std::string>(3, "削除禁止"_sj));
  // A submenu without them goes with its entries; Del does the same.
  page.trvSystem.select(node(page, "Last"));
  page.trvSystemKeyDown(VK_DELETE);
  EXPECT_EQ(node(page, "C"), nullptr);
  EXPECT_EQ(page.Menu.Nodes().size(), 6u);
  EXPECT_TRUE(dialog->btnApply.enabled());
}

TEST_F(SystemPage, ACommandAlreadyInTheMenuIsNotAddedTwice) {
  auto& page = openWith(kSmall);
  page.lsvCommands.setSelectedIndex(commandRow(page, 5));
  page.btnAllocSys.click();
  page.BeginDragFromList(commandRow(page, 22));
  page.DropOn(pointOf(page, node(page, "A")));
  EXPECT_EQ(boxes, std::vector<std::string>(2, "割り当て済み"_sj));
  // A new one goes before the selected node.
  int memo = commandRow(page, 1);
  page.lsvCommands.setSelectedIndex(memo);
  page.trvSystem.select(node(page, "B"));
  page.btnAllocSys.click();
  EXPECT_EQ(page.trvSystem.previousSibling(node(page, "B")), node(page, page.lsvCommands.itemText(memo)));
}

TEST_F(SystemPage, MenuNamesMustBeUsableAndUnique) {
  auto& page = openWith(kSmall);
  names.inputs = {"-", "nil", "", "A", "New"};
  for (size_t i = 0; i < 5; ++i) page.btnSubSys.click();
  EXPECT_EQ(names.preset, "メニュー(&A)"_sj);
  EXPECT_EQ(boxes, std::vector<std::string>(4, "メニュー名の指定"_sj));
  ASSERT_NE(node(page, "New"), nullptr);
  EXPECT_EQ(page.Menu.Number(node(page, "New")), 0);
  // Renaming by button or in place follows the same rule.
  names.inputs = {"-", "Quit"};
  page.trvSystem.select(node(page, "Exit"));
  page.btnEditSys.click();
  EXPECT_EQ(names.preset, "Exit");
  page.btnEditSys.click();
  EXPECT_EQ(page.Menu.Number(node(page, "Quit")), 22);
  EXPECT_FALSE(page.trvSystemEdited(node(page, "Quit"), std::string("B")));
  EXPECT_TRUE(page.trvSystemEdited(node(page, "Quit"), std::string("Ende")));
  // A refused rename is captioned as the rename's own input box.
  EXPECT_EQ(std::vector<std::string>(boxes.begin() + 4, boxes.end()),
            std::vector<std::string>(2, "メニュー名の変更"_sj));
}

TEST_F(SystemPage, DropsFromTheCommandList) {
  auto& page = openWith(kSmall);
  int memo = commandRow(page, 1), alarms = commandRow(page, 3);
  std::string memoName = page.lsvCommands.itemText(memo), alarmName = page.lsvCommands.itemText(alarms);
  // Onto a command that is not the last node: before it, without a menu.
  page.BeginDragFromList(memo);
  page.DropOn(pointOf(page, node(page, "B")));
  EXPECT_TRUE(menus.empty());
  EXPECT_EQ(page.trvSystem.nextSibling(node(page, memoName)), node(page, "B"));
  // Onto the last node: a menu without the child places; "behind" the last entry of a submenu
  // makes the new node that submenu's last child.
  place = static_cast<int>(DropPlace::Behind);
  page.BeginDragFromList(alarms);
  page.DropOn(pointOf(page, node(page, "C")));
  EXPECT_EQ(menus, std::vector<bool>{false});
  EXPECT_EQ(page.trvSystem.parent(node(page, alarmName)), node(page, "Last"));
  EXPECT_EQ(page.trvSystem.selected(), node(page, alarmName));
}

TEST_F(SystemPage, DragsInsideTheTreeCarryChildrenAndNeverLandInsideThemselves) {
  auto& page = openWith(kSmall);
  const std::string before = shape(page);
  place = static_cast<int>(DropPlace::LastChild);
  page.BeginDragFromTree(node(page, "Sub"));
  page.DropOn(pointOf(page, node(page, "Inner")));
  page.BeginDragFromTree(node(page, "Sub"));
  page.DropOn(pointOf(page, node(page, "Exit")));
  EXPECT_EQ(shape(page), before);
  EXPECT_FALSE(dialog->btnApply.enabled());
  // A submenu dropped into another moves with everything below it; the button's release over the
  // tree drops it.
  page.BeginDragFromTree(node(page, "Sub"));
  POINT at = pointOf(page, node(page, "Last"));
  MapWindowPoints(page.trvSystem.handle(), page.handle(), &at, 1);
  SendMessageW(page.handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageW(page.handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  EXPECT_EQ(menus, (std::vector<bool>{true, true}));
  EXPECT_EQ(shape(page), "nil/A=5 nil/Settings=8 nil/Last=0 Last/C=6 Last/Sub=0 Sub/Inner=0 Inner/Exit=22 Sub/B=7 ");
}

}  // namespace
