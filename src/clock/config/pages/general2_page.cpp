#include "clock/config/pages/general2_page.h"

#include "base/text.h"
#include "clock/config/config_dialog.h"
#include "shared/prompts.h"

namespace tockle {

namespace {

constexpr int kDefaultTimeOut = 750, kDefaultIgnoreErrorRange = 200;

// Public time servers offered in the server list before those the user entered.
constexpr const char* kNtpServers[] = {"ntp.nict.jp",          "ntp.jst.mfeed.ad.jp",  "ntp1.jst.mfeed.ad.jp",
                                       "ntp2.jst.mfeed.ad.jp", "ntp3.jst.mfeed.ad.jp", "ntp.ring.gr.jp",
                                       "jp.pool.ntp.org",      "asia.pool.ntp.org",    "pool.ntp.org",
                                       "time.google.com",      "time.cloudflare.com",  "time.windows.com",
                                       "time.apple.com",       "time.nist.gov",        "time.aws.com"};

}  // namespace

TGeneral2Page::TGeneral2Page(TfrmConfig& config) : TConfigPage(config, tabSpecial, IDD_PAGE_GENERAL2) {
  onCreate = [this] { FormCreate(); };
  cmbNTPServer.RegKey = config.RegistryKey;
  cmbNTPServer.Prefix = "_ntp";
  cmbNTPServer.SaveCount = 15;
  auto general = [this] { SetChanged(cpGeneral); };
  cmbNTPServer.onChange = general;
  chkConsiderDialUp.onClick = general;
  for (ui::NumberField* f : {&NTPTimeout, &NTPIgnoreErrorRange, &MouseHoldInvisible, &MouseHoldInvisibleRestore})
    f->OnChange = [this](int) { SetChanged(cpGeneral); };
  btnNTPDefault.onClick = [this] { btnNTPDefaultClick(); };
  chkUseForceExitOption.onClick = [this] { chkUseForceExitOptionClick(); };
}

void TGeneral2Page::FormCreate() {
  for (const char* server : kNtpServers) cmbNTPServer.add(server);
  cmbNTPServer.setText(kNtpServers[0]);
  NTPTimeout.Setup(0, 32767, 5);
  NTPIgnoreErrorRange.Setup(0, 32767, 5);
  MouseHoldInvisible.Setup(0, 10000, 5);
  MouseHoldInvisibleRestore.Setup(100, 10000, 5);
  const std::pair<const ui::Control*, DWORD> help[] = {{&cmbNTPServer, 23},
                                                       {&edtNTPTimeout, 149},
                                                       {&updNTPTimeout, 149},
                                                       {&edtNTPIgnoreErrorRange, 149},
                                                       {&updNTPIgnoreErrorRange, 149},
                                                       {&btnNTPDefault, 45},
                                                       {&chkConsiderDialUp, 24},
                                                       {&edtMouseHoldInvisible, 149},
                                                       {&updMouseHoldInvisible, 149},
                                                       {&edtMouseHoldInvisibleRestore, 149},
                                                       {&updMouseHoldInvisibleRestore, 149}};
  for (auto [control, topic] : help) SetWindowContextHelpId(control->handle(), topic);
}

void TGeneral2Page::Load(ConfigStep step) {
  if (step != ConfigStep::General) return;
  const TClockSettings& s = Settings();
  MouseHoldInvisible.Load(s.MouseHoldInvisible);
  MouseHoldInvisibleRestore.Load(s.MouseHoldInvisibleRestore);
  // Set while the dialog is hidden: no warning.
  chkUseForceExitOption.setChecked(s.ForceIfHung);
  chkConsiderDialUp.setChecked(s.DialUp);
  NTPTimeout.Load(s.TimeOut);
  NTPIgnoreErrorRange.Load(s.IgnoreErrorRange);
  cmbNTPServer.LoadHistory();
  cmbNTPServer.setText(s.NTPServer);
}

bool TGeneral2Page::Save(ConfigStep step) {
  if (step != ConfigStep::General) return true;
  TClockSettings& s = Settings();
  s.TimeOut = NTPTimeout.Value();
  s.IgnoreErrorRange = NTPIgnoreErrorRange.Value();
  s.MouseHoldInvisible = MouseHoldInvisible.Value();
  s.MouseHoldInvisibleRestore = MouseHoldInvisibleRestore.Value();
  s.ForceIfHung = chkUseForceExitOption.checked();
  s.DialUp = chkConsiderDialUp.checked();
  // The history keeps what the key accepts; the server itself is stored with the settings.
  cmbNTPServer.SaveHistory();
  s.NTPServer = cmbNTPServer.text();
  return true;
}

void TGeneral2Page::btnNTPDefaultClick() {
  // A value that is already the default is no change.
  NTPTimeout.SetValue(kDefaultTimeOut);
  NTPIgnoreErrorRange.SetValue(kDefaultIgnoreErrorRange);
}

void TGeneral2Page::chkUseForceExitOptionClick() {
  if (!IsWindowVisible(Config.handle())) return;
  if (chkUseForceExitOption.checked()) {
    int answer = shared::prompts().ask(
        handle(),
        "この機能をオンにすると，Windows 終了時等の確認画面において，応答しないプロセスがあっても無視するオプションが"
        "利用できるようになります。しかし，データの保存されていない正常なアプリケーションも強制的に終了させてしまう"
        "ことがあるため，貴重なデータを損失につながる恐れもあります。\r\n\r\nそれでもこのオプションを利用しますか？"_sj,
        "無視オプション利用の警告と確認"_sj, MB_YESNO | MB_ICONWARNING);
    if (answer != IDYES) {
      chkUseForceExitOption.setChecked(false);
      return;
    }
  }
  SetChanged(cpGeneral);
}

}  // namespace tockle
