#include "clock/config/pages/clock1_page.h"

#include "base/datetime.h"
#include "base/text.h"
#include "clock/face/internet_time.h"
#include "clock/config/config_dialog.h"
#include "clock/config/pages/clock_preview.h"
#include "shared/prompts.h"
#include "ui/common_dialogs.h"

namespace tockle {

namespace {

constexpr const char* kClockFormats[] = {
    "yy/mm/dd hh:nn #i",
    "yyyy/mm/dd hh:nn:ss",
    "yyyy\"年 \"mm\"月 \"dd\"日 \"hh\"時 \"nn\"分\"",
    "yy\"年 \"m\"月 \"d\"日 \"h\"時 \"n\"分\"",
    "m\"月 \"d\"日 \"h\"時 \"n\"分\"",
    "h\"時 \"n\"分\"s\"秒\"",
    "\"現在時刻は#r\"h\"時\"n\"分です\"",
    "tt",
    "t",
    "h:m",
    "AM/PM h:m",
    "yyyy\"年 \"m\"月 \"d\"日\"",
    "yy\"年 \"m\"月 \"d\"日\"",
    "m\"月 \"d\"日\"",
    "m/d",
};

// The dialog's own font: what the clock text returns to.
ui::Font dialogFont() {
  ui::Font f("MS UI Gothic", 9);
  f.setColor(ui::systemColor(COLOR_WINDOWTEXT));
  return f;
}

bool sameFont(const ui::Font& a, const ui::Font& b) {
  return a.name() == b.name() && a.size() == b.size() && a.style() == b.style() && a.color() == b.color() &&
         a.charset() == b.charset();
}

}  // namespace

TClock1Page::TClock1Page(TfrmConfig& config) : TConfigPage(config, tabClock1, IDD_PAGE_CLOCK1) {
  onCreate = [this] { FormCreate(); };
  cmbClockType.RegKey = config.RegistryKey;
  cmbClockType.Prefix = "_ctp";
  cmbClockType.SaveCount = 20;
  auto general = [this] { SetChanged(cpGeneral); };
  for (ui::CheckBox* c : {&chkDigital, &chkAnalog, &chkFrame, &chkAutooffTransparent}) c->onClick = general;
  FrameWidth.OnChange = [this](int) { SetChanged(cpGeneral); };
  ProgressTransparent.OnChange = [this](int value) {
    chkAutooffTransparent.setEnabled(value != 0);
    SetChanged(cpGeneral);
  };
  // The edit part does not hold a chosen entry's text yet when the selection changes.
  cmbClockType.onCommand = [this](WORD code) {
    if (code == CBN_SELCHANGE && cmbClockType.itemIndex() >= 0)
      cmbClockTypeChange(cmbClockType.item(cmbClockType.itemIndex()));
    else if (code == CBN_EDITCHANGE)
      cmbClockTypeChange(cmbClockType.text());
    else if (code == CBN_KILLFOCUS)
      cmbClockTypeExit();
  };
  pnlClockPreview.onCommand = [this](WORD code) {
    if (code == STN_CLICKED) PreviewClicked();
  };
  btnFontChange.onClick = [this] { btnFontChangeClick(); };
  btnChangeBkColor.onClick = [this] { btnChangeBkColorClick(); };
}

void TClock1Page::FormCreate() {
  for (const char* format : kClockFormats) cmbClockType.add(base::fromUtf8(format));
  FrameWidth.Setup(0, 100, 3);
  ProgressTransparent.Setup(0, kMaxClockTransparent, 3);
  const std::pair<const ui::Control*, DWORD> help[] = {{&chkDigital, 111},
                                                       {&chkAnalog, 120},
                                                       {&chkFrame, 46},
                                                       {&edtFrameWidth, 45},
                                                       {&updFrameWidth, 45},
                                                       {&edtProgressTransparent, 149},
                                                       {&updProgressTransparent, 149},
                                                       {&cmbClockType, 56},
                                                       {&btnFontChange, 58},
                                                       {&btnChangeBkColor, 59},
                                                       {&pnlClockPreview, 57}};
  for (auto [control, topic] : help) SetWindowContextHelpId(control->handle(), topic);
}

void TClock1Page::Load(ConfigStep step) {
  if (step != ConfigStep::General) return;
  const TClockSettings& s = Settings();
  chkDigital.setChecked(s.ClockType & 1);
  chkAnalog.setChecked(s.ClockType & 2);
  ProgressTransparent.Load(s.ClockTransparent);
  chkAutooffTransparent.setEnabled(ProgressTransparent.Value() != 0);
  chkAutooffTransparent.setChecked(s.AutooffTransparent);
  chkFrame.setChecked(s.ShowLikeFrame);
  FrameWidth.Load(s.FrameWidth);
  PreviewFont = clockFont(s);
  PreviewBackColor = s.BackColor;
  cmbClockType.LoadHistory();
  cmbClockType.setText(s.DisplayType);
  ShowPreview(s.DisplayType);
}

bool TClock1Page::Save(ConfigStep step) {
  if (step != ConfigStep::General) return true;
  TClockSettings& s = Settings();
  s.ClockType = static_cast<uint8_t>((chkDigital.checked() ? 1 : 0) | (chkAnalog.checked() ? 2 : 0));
  s.ClockTransparent = ProgressTransparent.Value();
  s.AutooffTransparent = chkAutooffTransparent.checked();
  s.ShowLikeFrame = chkFrame.checked();
  s.FrameWidth = FrameWidth.Value();
  setClockFont(s, PreviewFont);
  s.BackColor = PreviewBackColor;
  cmbClockType.SaveHistory();
  s.DisplayType = cmbClockType.text();
  return true;
}

void TClock1Page::cmbClockTypeChange(const std::string& format) {
  SetChanged(cpGeneral);
  ShowPreview(format);
}

void TClock1Page::ShowPreview(const std::string& format) {
  const base::DateTime now = base::now();
  PreviewFormatText = PreviewFormat(format, TKzInternetTime().FormatBeats(now));
  PreviewText = base::formatDateTime(PreviewFormatText, now);
  LayOutPreview();
}

void TClock1Page::cmbClockTypeExit() {
  if (base::find(cmbClockType.text(), "#b") == std::string::npos) return;
  shared::prompts().ask(
      handle(), "バッテリ情報を表示すると，時計の色は自動的に変更されます\r\n詳細は，オンラインヘルプをご覧下さい"_sj,
      "設定の確認"_sj, MB_OK | MB_ICONINFORMATION);
}

void TClock1Page::btnFontChangeClick() {
  ui::Font font = PreviewFont;
  if (!ui::commonDialogs().chooseFont(handle(), font)) return;
  PreviewFont = font;
  LayOutPreview();
  SetChanged(cpGeneral);
}

void TClock1Page::btnChangeBkColorClick() {
  ui::Color color = PreviewBackColor;
  if (!ui::commonDialogs().chooseColor(handle(), color)) return;
  PreviewBackColor = color;
  InvalidateRect(pnlClockPreview.handle(), nullptr, TRUE);
  SetChanged(cpGeneral);
}

void TClock1Page::lblClockPreviewClick() {
  if (shared::prompts().ask(handle(), "フォントをデフォルトにします\r\nよろしいですか？"_sj,
                            "フォントデフォルトの確認"_sj, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  const ui::Font font = dialogFont();
  if (sameFont(font, PreviewFont)) return;
  PreviewFont = font;
  LayOutPreview();
  SetChanged(cpGeneral);
}

void TClock1Page::pnlClockPreviewClick() {
  if (shared::prompts().ask(handle(), "背景色をデフォルトにします\r\nよろしいですか？"_sj, "背景色デフォルトの確認"_sj,
                            MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  const ui::Color color = ui::systemColor(COLOR_BTNFACE);
  if (color == PreviewBackColor) return;
  PreviewBackColor = color;
  InvalidateRect(pnlClockPreview.handle(), nullptr, TRUE);
  SetChanged(cpGeneral);
}

void TClock1Page::PreviewClicked() {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(pnlClockPreview.handle(), &p);
  if (PtInRect(&PreviewTextRect, p))
    lblClockPreviewClick();
  else
    pnlClockPreviewClick();
}

void TClock1Page::LayOutPreview() {
  HWND panel = pnlClockPreview.handle();
  if (!panel) return;
  RECT client{};
  GetClientRect(panel, &client);
  RECT text{0, 0, 0, 0};
  const std::wstring w = base::wide(PreviewText);
  HDC dc = GetDC(panel);
  HGDIOBJ old = SelectObject(dc, PreviewFont.handle());
  DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &text, DT_CALCRECT | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(panel, dc);
  // Centred; a text larger than the panel is cut at its edges.
  const int width = text.right - text.left, height = text.bottom - text.top;
  const int left = (client.right - width) / 2, top = (client.bottom - height) / 2;
  PreviewTextRect = RECT{left, top, left + width, top + height};
  InvalidateRect(panel, nullptr, TRUE);
}

void TClock1Page::PaintPreview(const DRAWITEMSTRUCT& item) {
  HBRUSH back = CreateSolidBrush(ui::toRgb(PreviewBackColor));
  FillRect(item.hDC, &item.rcItem, back);
  DeleteObject(back);
  HGDIOBJ old = SelectObject(item.hDC, PreviewFont.handle());
  SetTextColor(item.hDC, ui::toRgb(PreviewFont.color()));
  SetBkMode(item.hDC, TRANSPARENT);
  const std::wstring w = base::wide(PreviewText);
  RECT r = PreviewTextRect;
  DrawTextW(item.hDC, w.c_str(), static_cast<int>(w.size()), &r, DT_NOPREFIX | DT_NOCLIP);
  SelectObject(item.hDC, old);
}

bool TClock1Page::handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
  if (msg == WM_DRAWITEM && wp == IDC_CLOCK_PREVIEW) {
    PaintPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
    result = TRUE;
    return true;
  }
  if (msg == WM_SETCURSOR && reinterpret_cast<HWND>(wp) == pnlClockPreview.handle()) {
    // A hand over the preview: a click there resets the font or the background.
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    SetWindowLongPtrW(handle(), DWLP_MSGRESULT, TRUE);
    result = TRUE;
    return true;
  }
  return TConfigPage::handleMessage(msg, wp, lp, result);
}

}  // namespace tockle
