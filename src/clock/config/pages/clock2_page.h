// The settings dialog's page "時計2": the analog face's colours with a live preview, its circle
// width, and how the window's size follows the clock.
#pragma once

#include "clock/face/clock_face.h"
#include "clock/config/config_page.h"
#include "clock/config/pages/clock2_page_ids.h"
#include "ui/number_field.h"
#include "ui/controls.h"
#include "ui/graphics.h"
#include "ui/timer.h"
#include "ui/track_bar.h"
#include "ui/up_down.h"

namespace tockle {

class TClock2Page : public TConfigPage {
 public:
  explicit TClock2Page(TfrmConfig& config);

  ui::ComboBox cmbAnalogColor{this, IDC_ANALOG_COLOR};
  ui::Button Button3{this, IDC_ANALOG_COLOR_CHANGE};
  ui::Label ptbAnalog{this, IDC_ANALOG_PREVIEW};
  ui::Edit edtCircleFrame{this, IDC_CIRCLE_FRAME};
  ui::UpDown updCircleFrame{this, IDC_CIRCLE_FRAME_UPD};
  ui::NumberField CircleFrame{edtCircleFrame, updCircleFrame};
  ui::RadioButton rdbAutoResize{this, IDC_AUTO_RESIZE};
  ui::RadioButton rdbManual{this, IDC_MANUAL};
  ui::Label lblAutoHeight{this, IDC_AUTO_HEIGHT_LABEL};
  ui::TrackBar trbAutoHeight{this, IDC_AUTO_HEIGHT};
  ui::Label lblAutoWidth{this, IDC_AUTO_WIDTH_LABEL};
  ui::TrackBar trbAutoWidth{this, IDC_AUTO_WIDTH};

  // Holds the four colours being edited (hour, minute, second hand, face circle) and draws them.
  TTimeClock tmePreview;
  ui::Timer tmrPreviewClock{1000, true};

  void Load(ConfigStep step) override;
  bool Save(ConfigStep step) override;

  void Button3Click();
  // The preview as the page shows it, drawn on a canvas of the paint box's size.
  void FormPaint(ui::Canvas& canvas);

 protected:
  bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  void FormCreate();
  void tmrPreviewClockTimer();
  void trbAutoSizeChange(ui::Label& label, int position);
};

}  // namespace tockle
