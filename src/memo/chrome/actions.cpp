#include "memo/chrome/actions.h"

#include "base/text.h"
#include "memo/chrome/commands.h"

namespace memo {

Action* ActionList::find(int id) {
  for (Action& a : actions_)
    if (a.id == id) return &a;
  return nullptr;
}

std::string captionHint(const std::string& caption) {
  // '&', '(' and ')' lie below every trail byte of code page 932: a byte found is the character.
  std::string hint;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption.compare(i, 2, "(&") == 0 && i + 3 < caption.size() && caption[i + 3] == ')') {
      i += 3;
    } else if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') hint += caption[++i];
    } else {
      hint += caption[i];
    }
  }
  return hint;
}

const Action* ActionList::find(int id) const { return const_cast<ActionList*>(this)->find(id); }

const Action* ActionList::findShortCut(ShortCut s) const {
  if (s == 0) return nullptr;
  for (const Action& a : actions_)
    if (a.shortcut == s) return &a;
  return nullptr;
}

MenuItem ActionList::item(int id) const {
  const Action* a = find(id);
  return a ? MenuItem{a->id, a->caption, a->shortcut} : MenuItem{id, "?"};
}

ActionList memoActions() {
  const ShortCut ctrl = kCtrl;
  ActionList list;
  auto add = [&](int id, const char* caption, ShortCut s = 0, bool enabled = true) {
    list.add({id, base::fromUtf8(caption), s, enabled});
  };
  add(actUndo, "元に戻す(&U)", shortCut('Z', ctrl));
  add(actCut, "切り取り(&T)", shortCut('X', ctrl));
  add(actCopy, "コピー(&C)", shortCut('C', ctrl));
  add(actDelete, "削除(&D)");
  add(actPaste, "貼り付け(&P)", shortCut('V', ctrl));
  add(actBold, "ボールド(&B)", shortCut('B', ctrl));
  add(actItalic, "イタリック(&I)", shortCut('I', ctrl));
  add(actUnderline, "アンダーライン(&U)", shortCut('U', ctrl));
  add(actLeftAlign, "左寄せ(&L)");
  add(actCenterAlign, "中央揃え(&C)");
  add(actRightAlign, "右寄せ(&R)");
  add(actBullets, "箇条書き(&K)");
  add(actHyperlink, "ハイパーリンク(&H)", shortCut('H', ctrl));
  add(actSetAlarm, "アラームに設定(&A)", shortCut('L', ctrl), false);
  add(actNewTab, "新規タブ作成(&T)", shortCut('N', ctrl));
  add(actHelp, "ヘルプ(&H)", shortCut(VK_F1));
  add(actPrevious, "前のタブへ(&P)", shortCut(VK_TAB, ctrl | kShift));
  add(actNext, "次のタブへ(&N)", shortCut(VK_TAB, ctrl));
  add(actColor, "文字色変更(&C)");
  add(actTabNameChange, "タブ名の変更(&N)");
  add(actSaveTab, "表示中のタブを保存(&S)...");
  add(actDeleteTab, "表示中のタブを削除(&D)");
  add(actInsertDate, "日付挿入(&D)");
  add(actInsertTime, "時刻挿入(&T)");
  return list;
}

namespace {
MenuItem sub(const char* caption, std::vector<MenuItem> items) {
  MenuItem m{0, base::fromUtf8(caption)};
  m.items = std::move(items);
  return m;
}
MenuItem cmd(int id, const char* caption, ShortCut s = 0) { return {id, base::fromUtf8(caption), s}; }
MenuItem radio(int id, const char* caption) {
  MenuItem m = cmd(id, caption);
  m.radio = true;
  return m;
}
const MenuItem sep = MenuItem::separator();

MenuItem tabMoveMenu() {
  return sub("タブ配置の移動(&M)",
             {cmd(mnuTabMoveTop, "トップへ移動(&T)"), cmd(mnuTabMovePrevious, "一つ前へ移動(&P)"),
              cmd(mnuTabMoveNext, "一つ後ろへ移動(&N)"), cmd(mnuTabMoveLast, "ラストへ移動(&L)")});
}
}  // namespace

std::vector<MenuItem> insertDateItems() {
  return {cmd(mnuInsertDate0, "現在(&C)", shortCut(VK_F6)),
          cmd(mnuInsertDate0 + 1, "明日(&1)"),
          cmd(mnuInsertDate0 + 2, "明後日(&2)"),
          cmd(mnuInsertDate0 + 3, "3日後(&3)"),
          cmd(mnuInsertDate0 + 4, "4日後(&4)"),
          cmd(mnuInsertDate0 + 5, "5日後(&5)"),
          cmd(mnuInsertDateAsk, "指定日後(&I)...")};
}

std::vector<MenuItem> insertTimeItems() {
  return {cmd(mnuInsertTime0, "現在(&C)", shortCut(VK_F7)), cmd(mnuInsertTime0 + 1, "1時間後(&1)"),
          cmd(mnuInsertTime0 + 2, "2時間後(&2)"),           cmd(mnuInsertTime0 + 3, "3時間後(&3)"),
          cmd(mnuInsertTime0 + 4, "4時間後(&4)"),           cmd(mnuInsertTime0 + 5, "5時間後(&5)"),
          cmd(mnuInsertTimeAsk, "指定時間後(&I)...")};
}

std::vector<MenuItem> mainMenuItems(const ActionList& a) {
  const ShortCut ctrl = kCtrl;
  return {
      sub("ファイル(&F)",
          {cmd(mnuNewFile, "新規作成ウィザード(&L)..."), cmd(mnuSetMemoFile, "メモファイルの指定(&I)..."), sep,
           cmd(mnuReload, "再読み込み(&R)", shortCut(VK_F5)), sep,
           cmd(mnuUpdateBackup, "バックアップを更新(&U)", shortCut('U', ctrl)),
           cmd(mnuRestore, "バックアップを復元(&B)..."), sep,
           sub("フォーマット(&F)",
               {radio(mnuType2, "統合形式(TYPE II) (&I)"), radio(mnuType3, "分割形式(TYPE III) (&S)")}),
           sep, cmd(mnuExitWithoutSave, "バックアップせず閉じる(&Q)"),
           cmd(mnuClose, "閉じる(&X)...", shortCut('Q', ctrl))}),
      sub("編集(&E)",
          {a.item(actUndo), sep, a.item(actCut), a.item(actCopy), a.item(actPaste), a.item(actDelete), sep,
           cmd(mnuSelectAll, "全て選択(&A)", shortCut('A', ctrl)), sep,
           cmd(mnuFind, "検索(&S)...", shortCut('F', ctrl)), cmd(mnuReplace, "置換(&R)...", shortCut('R', ctrl))}),
      sub("表示(&D)", {cmd(mnuShowToolBar, "ツールバーの表示(&T)"), cmd(mnuShowStatusBar, "ステータスバーの表示(&S)"),
                       sep, cmd(mnuDefaultFont, "デフォルトフォント(&F)..."), cmd(mnuBackColor, "背景色(&C)..."), sep,
                       sub("タブ位置(&B)", {radio(mnuTabTop, "上(&T)"), radio(mnuTabBottom, "下(&B)"),
                                            radio(mnuTabLeft, "左(&L)"), radio(mnuTabRight, "右(&R)")})}),
      sub("挿入(&I)", {cmd(mnuClipHistory, "クリップボード履歴(&C)..."), sep, sub("日付を挿入(&D)", insertDateItems()),
                       sub("時刻を挿入(&T)", insertTimeItems()), sep, cmd(mnuInsertText, "ファイルの挿入(&I)..."),
                       cmd(mnuInsertNewTab, "ファイルをタブに追加(&A)...")}),
      sub("書式(&O)",
          {cmd(mnuFont, "フォントの指定(&F)..."), sep, a.item(actBold), a.item(actItalic), a.item(actUnderline), sep,
           a.item(actLeftAlign), a.item(actCenterAlign), a.item(actRightAlign), sep, a.item(actBullets), sep,
           cmd(mnuRichText, "書式付き(&S)"), cmd(mnuHotLink, "ホットリンク機能(&H)")}),
      sub("ツール(&T)",
          {a.item(actHyperlink), a.item(actSetAlarm), sep, cmd(actTabNameChange, "タブ名の変更(&N)..."), tabMoveMenu(),
           sep, a.item(actNewTab), sep, a.item(actSaveTab), a.item(actDeleteTab), sep,
           cmd(mnuRelatedLink, "関連づけの再登録(&R)"), cmd(mnuConfig, "環境設定(&C)...", shortCut(VK_F10))}),
      sub("ヘルプ(&H)",
          {a.item(actHelp), cmd(mnuHelpSearch, "トピックの検索(&S)..."), cmd(mnuHelpOnHelp, "ヘルプの使い方(&H)"), sep,
           cmd(mnuMenuHelp, "メニューのヘルプ(&M)"), sep, cmd(mnuAbout, "バージョン情報(&A)...")}),
  };
}

std::vector<MenuItem> tabPopupItems(const ActionList& a) {
  return {a.item(actTabNameChange), tabMoveMenu(),       sep, a.item(actNewTab), sep,
          a.item(actSaveTab),       a.item(actDeleteTab)};
}

std::vector<MenuItem> memoPopupItems(const ActionList& a) {
  return {a.item(actHyperlink),
          a.item(actSetAlarm),
          sep,
          a.item(actCut),
          a.item(actCopy),
          a.item(actPaste),
          sep,
          cmd(mnuSelectAll, "全て選択(&A)", shortCut('A', kCtrl)),
          sep,
          cmd(mnuRichText, "書式付き(&S)"),
          sep,
          a.item(actTabNameChange),
          tabMoveMenu()};
}

}  // namespace memo
