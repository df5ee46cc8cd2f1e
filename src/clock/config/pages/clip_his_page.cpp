#include "clock/config/pages/clip_his_page.h"

#include "clock/config/config_dialog.h"

namespace tockle {

TClipHisPage::TClipHisPage(TfrmConfig& config) : TConfigPage(config, tabClipHis, IDD_PAGE_CLIPHIS) {
  onCreate = [this] { FormCreate(); };
  chkLetterCount.onClick = [this] { chkLetterCountClick(); };
  chkLineCount.onClick = [this] { chkLineCountClick(); };
  for (ui::NumberField* f : {&LetterFrom, &LetterTo, &LineFrom, &LineTo, &LimitAmout, &DayLimit})
    f->OnChange = [this](int) { SetChanged(cpGeneral); };
  chkUnuseHis.onClick = chkClearWhenExit.onClick = [this] { SetChanged(cpGeneral); };
}

void TClipHisPage::FormCreate() {
  LetterFrom.Setup(0, 99, 2);
  LetterTo.Setup(0, 999, 3);
  LineFrom.Setup(0, 99, 2);
  LineTo.Setup(0, 999, 3);
  LimitAmout.Setup(0, 999, 3);
  DayLimit.Setup(0, 999, 3);
  const std::pair<const ui::Control*, DWORD> help[] = {
      {&chkLetterCount, 63}, {&speLetterFrom, 63}, {&updLetterFrom, 63}, {&speLetterTo, 63},
      {&updLetterTo, 63},    {&chkLineCount, 64},  {&speLineFrom, 64},   {&updLineFrom, 64},
      {&speLineTo, 64},      {&updLineTo, 64},     {&speLimitAmout, 65}, {&updLimitAmout, 65},
      {&speDayLimit, 66},    {&updDayLimit, 66},   {&chkUnuseHis, 128},  {&chkClearWhenExit, 67}};
  for (auto [control, topic] : help) SetWindowContextHelpId(control->handle(), topic);
}

void TClipHisPage::EnableRow(Row& row, bool on) {
  row.from.SetEnabled(on);
  row.to.SetEnabled(on);
  for (ui::Label* label : row.labels) label->setEnabled(on);
}

void TClipHisPage::LoadRow(Row& row, int from, int to) {
  row.from.Load(from);
  row.to.Load(to);
  const bool on = from != 0 || to != 0;
  row.box.setChecked(on);
  EnableRow(row, on);
}

void TClipHisPage::RowClick(Row& row) {
  const bool on = row.box.checked();
  if (!on) {
    row.from.SetValue(0);
    row.to.SetValue(0);
  } else if (row.from.Value() == 0 && row.to.Value() == 0) {
    row.to.SetValue(row.defaultTo);
  }
  EnableRow(row, on);
  SetChanged(cpGeneral);
}

void TClipHisPage::chkLetterCountClick() { RowClick(letterRow_); }
void TClipHisPage::chkLineCountClick() { RowClick(lineRow_); }

void TClipHisPage::Load(ConfigStep step) {
  if (step != ConfigStep::General) return;
  const TClipHistory& h = Settings().ClipHistory;
  LoadRow(lineRow_, h.LineFrom, h.LineTo);
  LoadRow(letterRow_, h.LetterFrom, h.LetterTo);
  LimitAmout.Load(h.MaxCount);
  DayLimit.Load(h.DayLimit);
  chkUnuseHis.setChecked(h.UnuseHis != 0);
  chkClearWhenExit.setChecked(h.ClearWhenExit != 0);
}

bool TClipHisPage::Save(ConfigStep step) {
  if (step != ConfigStep::General) return true;
  TClipHistory& h = Settings().ClipHistory;
  h.LineFrom = LineFrom.Value();
  h.LineTo = LineTo.Value();
  h.LetterFrom = LetterFrom.Value();
  h.LetterTo = LetterTo.Value();
  h.MaxCount = LimitAmout.Value();
  h.DayLimit = DayLimit.Value();
  h.UnuseHis = chkUnuseHis.checked() ? 1 : 0;
  h.ClearWhenExit = chkClearWhenExit.checked() ? 1 : 0;
  return true;
}

}  // namespace tockle
