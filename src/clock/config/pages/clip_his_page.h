// The settings dialog's page "クリップ履歴": which clipboard texts the history records (by their
// length in letters and lines), how many and how long it keeps them, and whether it is used.
#pragma once

#include "clock/config/config_page.h"
#include "clock/config/pages/clip_his_page_ids.h"
#include "ui/number_field.h"
#include "ui/controls.h"
#include "ui/up_down.h"

namespace tockle {

class TClipHisPage : public TConfigPage {
 public:
  explicit TClipHisPage(TfrmConfig& config);

  ui::CheckBox chkLetterCount{this, IDC_LETTER_COUNT};
  ui::Label lblLetter1{this, IDC_LETTER_LABEL1}, lblLetter2{this, IDC_LETTER_LABEL2},
      lblLetter3{this, IDC_LETTER_LABEL3};
  ui::Edit speLetterFrom{this, IDC_LETTER_FROM};
  ui::UpDown updLetterFrom{this, IDC_LETTER_FROM_UPD};
  ui::NumberField LetterFrom{speLetterFrom, updLetterFrom};
  ui::Edit speLetterTo{this, IDC_LETTER_TO};
  ui::UpDown updLetterTo{this, IDC_LETTER_TO_UPD};
  ui::NumberField LetterTo{speLetterTo, updLetterTo};
  ui::CheckBox chkLineCount{this, IDC_LINE_COUNT};
  ui::Label lblLine1{this, IDC_LINE_LABEL1}, lblLine2{this, IDC_LINE_LABEL2}, lblLine3{this, IDC_LINE_LABEL3};
  ui::Edit speLineFrom{this, IDC_LINE_FROM};
  ui::UpDown updLineFrom{this, IDC_LINE_FROM_UPD};
  ui::NumberField LineFrom{speLineFrom, updLineFrom};
  ui::Edit speLineTo{this, IDC_LINE_TO};
  ui::UpDown updLineTo{this, IDC_LINE_TO_UPD};
  ui::NumberField LineTo{speLineTo, updLineTo};
  ui::Edit speLimitAmout{this, IDC_LIMIT_AMOUNT};
  ui::UpDown updLimitAmout{this, IDC_LIMIT_AMOUNT_UPD};
  ui::NumberField LimitAmout{speLimitAmout, updLimitAmout};
  ui::Edit speDayLimit{this, IDC_DAY_LIMIT};
  ui::UpDown updDayLimit{this, IDC_DAY_LIMIT_UPD};
  ui::NumberField DayLimit{speDayLimit, updDayLimit};
  ui::CheckBox chkUnuseHis{this, IDC_UNUSE_HIS};
  ui::CheckBox chkClearWhenExit{this, IDC_CLEAR_WHEN_EXIT};

  void Load(ConfigStep step) override;
  bool Save(ConfigStep step) override;

  void chkLetterCountClick();
  void chkLineCountClick();

 private:
  // One limit row: its box, its two numbers and its three labels.
  struct Row {
    ui::CheckBox& box;
    ui::NumberField& from;
    ui::NumberField& to;
    ui::Label* labels[3];
    int defaultTo;  // the upper bound a newly ticked row starts with
  };
  Row letterRow_{chkLetterCount, LetterFrom, LetterTo, {&lblLetter1, &lblLetter2, &lblLetter3}, 30};
  Row lineRow_{chkLineCount, LineFrom, LineTo, {&lblLine1, &lblLine2, &lblLine3}, 5};

  void FormCreate();
  static void EnableRow(Row& row, bool on);
  void RowClick(Row& row);
  static void LoadRow(Row& row, int from, int to);
};

}  // namespace tockle
