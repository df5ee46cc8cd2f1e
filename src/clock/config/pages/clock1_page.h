// The settings dialog's page "時計1": digital or analog clock, frame, transparency, and the
// display format with a preview of the clock text in its font and background colour.
#pragma once

#include <string>

#include "clock/config/config_page.h"
#include "shared/history_combo.h"
#include "clock/config/pages/clock1_page_ids.h"
#include "ui/number_field.h"
#include "ui/controls.h"
#include "ui/graphics.h"
#include "ui/up_down.h"

namespace tockle {

// The most transparency the page offers: the clock always stays visible and clickable.
inline constexpr int kMaxClockTransparent = 90;

class TClock1Page : public TConfigPage {
 public:
  explicit TClock1Page(TfrmConfig& config);

  ui::CheckBox chkDigital{this, IDC_DIGITAL};
  ui::CheckBox chkAnalog{this, IDC_ANALOG};
  ui::CheckBox chkFrame{this, IDC_FRAME};
  ui::Edit edtFrameWidth{this, IDC_FRAME_WIDTH};
  ui::UpDown updFrameWidth{this, IDC_FRAME_WIDTH_UPD};
  ui::NumberField FrameWidth{edtFrameWidth, updFrameWidth};
  ui::Edit edtProgressTransparent{this, IDC_TRANSPARENT};
  ui::UpDown updProgressTransparent{this, IDC_TRANSPARENT_UPD};
  ui::NumberField ProgressTransparent{edtProgressTransparent, updProgressTransparent};
  ui::CheckBox chkAutooffTransparent{this, IDC_AUTOOFF_TRANSPARENT};
  shared::TKzHistoryCombo cmbClockType{this, IDC_CLOCK_TYPE};
  // The background of the preview; the clock text is drawn centred in it.
  ui::Label pnlClockPreview{this, IDC_CLOCK_PREVIEW};
  ui::Button btnFontChange{this, IDC_FONT_CHANGE};
  ui::Button btnChangeBkColor{this, IDC_BACK_COLOR};

  // What the preview shows: the clock's font and background colour being edited, the format
  // handed to the formatter, the formatted text and where it lies in the panel.
  ui::Font PreviewFont;
  ui::Color PreviewBackColor = ui::systemColor(COLOR_BTNFACE);
  std::string PreviewFormatText;
  std::string PreviewText;
  RECT PreviewTextRect{};

  void Load(ConfigStep step) override;
  bool Save(ConfigStep step) override;

  void cmbClockTypeChange(const std::string& format);
  void cmbClockTypeExit();
  void btnFontChangeClick();
  void btnChangeBkColorClick();
  void lblClockPreviewClick();
  void pnlClockPreviewClick();

 protected:
  bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  void FormCreate();
  void ShowPreview(const std::string& format);
  void LayOutPreview();
  void PaintPreview(const DRAWITEMSTRUCT& item);
  void PreviewClicked();
};

}  // namespace tockle
