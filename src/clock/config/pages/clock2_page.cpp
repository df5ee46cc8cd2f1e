#include "clock/config/pages/clock2_page.h"

#include "base/text.h"
#include "clock/config/config_dialog.h"
#include "ui/common_dialogs.h"

namespace tockle {

namespace {

// The analog preview: a face of radius 40 about (40, 40), without border.
constexpr int kPreviewCentre = 40;
constexpr float kPreviewRadius = 40.0f;

ui::Color& partColor(TTimeClock& clock, int part) {
  switch (part) {
    case 0:
      return clock.HourColor;
    case 1:
      return clock.MinuteColor;
    case 2:
      return clock.SecondColor;
    default:
      return clock.CircleColor;
  }
}

}  // namespace

TClock2Page::TClock2Page(TfrmConfig& config) : TConfigPage(config, tabClock2, IDD_PAGE_CLOCK2) {
  onCreate = [this] { FormCreate(); };
  Button3.onClick = [this] { Button3Click(); };
  CircleFrame.OnChange = [this](int) { SetChanged(cpGeneral); };
  // Only the arrows show the new width in the preview.
  CircleFrame.OnArrow = [this](int position) {
    tmePreview.SetCircleWidth(position);
    InvalidateRect(ptbAnalog.handle(), nullptr, FALSE);
  };
  rdbAutoResize.onClick = rdbManual.onClick = [this] { SetChanged(cpGeneral); };
  trbAutoHeight.onChange = [this](int position) { trbAutoSizeChange(lblAutoHeight, position); };
  trbAutoWidth.onChange = [this](int position) { trbAutoSizeChange(lblAutoWidth, position); };
  tmrPreviewClock.onTimer = [this] { tmrPreviewClockTimer(); };
}

void TClock2Page::FormCreate() {
  for (const char* part : {"時針の色", "分針の色", "秒針の色", "枠の色"}) cmbAnalogColor.add(base::fromUtf8(part));
  cmbAnalogColor.setItemIndex(0);
  CircleFrame.Setup(0, 100, 3);
  trbAutoHeight.setRange(-50, 150);
  trbAutoHeight.setPageSize(5);
  trbAutoHeight.setTickFrequency(10);
  trbAutoWidth.setRange(-50, 250);
  trbAutoWidth.setPageSize(10);
  trbAutoWidth.setTickFrequency(10);
  const std::pair<const ui::Control*, DWORD> help[] = {
      {&cmbAnalogColor, 88}, {&Button3, 88},   {&edtCircleFrame, 131}, {&updCircleFrame, 131},
      {&rdbAutoResize, 60},  {&rdbManual, 61}, {&trbAutoHeight, 62},   {&trbAutoWidth, 62}};
  for (auto [control, topic] : help) SetWindowContextHelpId(control->handle(), topic);
}

void TClock2Page::Load(ConfigStep step) {
  if (step != ConfigStep::General) return;
  const TClockSettings& s = Settings();
  CircleFrame.Load(s.HandWidth);
  tmePreview.SetCircleWidth(s.HandWidth);
  rdbAutoResize.setChecked(s.AutoResize);
  rdbManual.setChecked(!s.AutoResize);
  tmePreview.SetHourHandColor(s.AnalogColor[0]);
  tmePreview.SetMinuteHandColor(s.AnalogColor[1]);
  tmePreview.SetSecondHandColor(s.AnalogColor[2]);
  tmePreview.SetCircleColor(s.AnalogColor[3]);
  cmbAnalogColor.setItemIndex(0);
  trbAutoHeight.setPosition(s.AutoHeight);
  trbAutoWidth.setPosition(s.AutoWidth);
  InvalidateRect(lblAutoHeight.handle(), nullptr, TRUE);
  InvalidateRect(lblAutoWidth.handle(), nullptr, TRUE);
}

bool TClock2Page::Save(ConfigStep step) {
  if (step != ConfigStep::General) return true;
  TClockSettings& s = Settings();
  s.HandWidth = CircleFrame.Value();
  s.AutoResize = rdbAutoResize.checked();
  for (int part = 0; part < 4; ++part) s.AnalogColor[part] = partColor(tmePreview, part);
  s.AutoHeight = trbAutoHeight.position();
  s.AutoWidth = trbAutoWidth.position();
  return true;
}

void TClock2Page::Button3Click() {
  const int part = cmbAnalogColor.itemIndex();
  if (part < 0) return;
  ui::Color color = partColor(tmePreview, part);
  if (!ui::commonDialogs().chooseColor(handle(), color)) return;
  SetChanged(cpGeneral);
  partColor(tmePreview, part) = color;
  InvalidateRect(ptbAnalog.handle(), nullptr, FALSE);
}

void TClock2Page::trbAutoSizeChange(ui::Label& label, int position) {
  (void)position;
  InvalidateRect(label.handle(), nullptr, TRUE);
  SetChanged(cpGeneral);
}

void TClock2Page::tmrPreviewClockTimer() {
  if (Config.ActiveTab() == tabClock2 && IsWindowVisible(handle())) InvalidateRect(ptbAnalog.handle(), nullptr, FALSE);
}

void TClock2Page::FormPaint(ui::Canvas& canvas) {
  const ui::Color face = ui::systemColor(COLOR_BTNFACE);
  canvas.brush.color = face;
  canvas.brush.style = ui::BrushStyle::Solid;
  canvas.fillRect(canvas.clipRect());
  tmePreview.SetBackColor(face);
  tmePreview.SetDoubleBorder(false);
  tmePreview.SetClockKind(2);
  tmePreview.SetBorderWidth(0);
  tmePreview.SetClockArea(POINT{kPreviewCentre, kPreviewCentre}, kPreviewRadius);
  tmePreview.Paint(canvas);
}

bool TClock2Page::handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
  if (msg == WM_DRAWITEM && wp == IDC_ANALOG_PREVIEW) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    const int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
    // Drawn off screen first: the hands move every second without flicker.
    ui::Bitmap buffer(w, h);
    FormPaint(buffer.canvas());
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, w, h, buffer.dc(), 0, 0, SRCCOPY);
    result = TRUE;
    return true;
  }
  if (msg == WM_CTLCOLORSTATIC) {
    const auto label = reinterpret_cast<HWND>(lp);
    const ui::TrackBar* bar = label == lblAutoHeight.handle()  ? &trbAutoHeight
                              : label == lblAutoWidth.handle() ? &trbAutoWidth
                                                               : nullptr;
    if (bar) {
      // A margin below 0 makes the window smaller than the clock: the label turns red.
      const auto dc = reinterpret_cast<HDC>(wp);
      SetTextColor(dc, bar->position() < 0 ? RGB(255, 0, 0) : GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
  }
  return TConfigPage::handleMessage(msg, wp, lp, result);
}

}  // namespace tockle
