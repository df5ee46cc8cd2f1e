#include "memo/dialogs/new_wizard.h"

#include "memo/dialogs/memo_file_dialog.h"
#include "ui/context_help.h"
#include "ui/help_file.h"
#include "shared/prompts.h"

namespace memo {

namespace {

constexpr int kPage1[] = {IDC_WIZ_HEADING,  IDC_WIZ_HEADING_LINE, IDC_WIZ_INTRO, IDC_WIZ_FILENAME_LABEL,
                          IDC_WIZ_FILENAME, IDC_WIZ_BROWSE,       IDC_WIZ_READY};
constexpr int kPage2[] = {IDC_WIZ_FORMAT_INTRO, IDC_WIZ_INTEGRATED, IDC_WIZ_INTEGRATED_TEXT, IDC_WIZ_SEPARATED,
                          IDC_WIZ_SEPARATED_TEXT};

}  // namespace

void DialogWizardHost::showError(std::string_view text, std::string_view caption) {
  shared::prompts().ask(dialog_.handle(), text, caption, MB_OK | MB_ICONERROR);
}

void DialogWizardHost::showInfo(std::string_view text, std::string_view caption) {
  shared::prompts().ask(dialog_.handle(), text, caption, MB_OK | MB_ICONINFORMATION);
}

bool DialogWizardHost::askYesNo(std::string_view text, std::string_view caption) {
  return shared::prompts().ask(dialog_.handle(), text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::optional<std::string> DialogWizardHost::chooseFile(std::string_view current) {
  return chooseMemoFile(dialog_.handle(), current);
}

void DialogWizardHost::showHelp(int context, bool popup) {
  ui::openHelp(dialog_.handle(), popup ? HELP_CONTEXTPOPUP : HELP_CONTEXT, static_cast<ULONG_PTR>(context));
}

TfrmNewWizard::TfrmNewWizard(HWND owner, WizardHost* host)
    : Dialog(owner, IDD_NEW_WIZARD),
      ownHost_(host ? nullptr : std::make_unique<DialogWizardHost>(*this)),
      host_(host ? *host : *ownHost_) {
  headingFont_.setStyle(ui::kBold);
  onCreate = [this] { FormCreate(); };
  btnNext.onClick = [this] { btnNextClick(); };
  btnPrevious.onClick = [this] { btnPreviousClick(); };
  Button1.onClick = [this] { Button1Click(); };
  btnHelp.onClick = [this] { btnHelpClick(); };
  btnCancel.onClick = [this] { close(IDCANCEL); };
}

std::optional<NewDocumentChoice> TfrmNewWizard::Execute() {
  if (showModal() != IDOK) return std::nullopt;
  return State.Result();
}

void TfrmNewWizard::FormCreate() {
  SendDlgItemMessageW(handle(), IDC_WIZ_HEADING, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.handle()), FALSE);
  // Short help of the controls that have one.
  ui::setHelpContexts({{edtFileName, 62}, {Button1, 63}, {rdbIntegrated, 64}, {rdbSeparated, 65}});
  edtFileName.setText(State.FileName);
  rdbIntegrated.setChecked(State.TypeII);
  rdbSeparated.setChecked(!State.TypeII);
  showPage(State.OnPage2());
}

bool TfrmNewWizard::OnPage2() const { return State.OnPage2(); }

void TfrmNewWizard::showPage(bool page2) {
  for (int id : kPage1) ShowWindow(GetDlgItem(handle(), id), page2 ? SW_HIDE : SW_SHOW);
  for (int id : kPage2) ShowWindow(GetDlgItem(handle(), id), page2 ? SW_SHOW : SW_HIDE);
  btnPrevious.setEnabled(State.PreviousEnabled());
}

void TfrmNewWizard::takeControls() {
  State.FileName = edtFileName.text();
  State.TypeII = rdbIntegrated.checked();
}

void TfrmNewWizard::btnNextClick() {
  takeControls();
  bool done = State.btnNextClick(host_);
  edtFileName.setText(State.FileName);
  if (done) {
    close(IDOK);
    return;
  }
  showPage(State.OnPage2());
  if (State.OnPage2()) (State.TypeII ? rdbIntegrated : rdbSeparated).setFocus();
}

void TfrmNewWizard::btnPreviousClick() {
  takeControls();
  State.btnPreviousClick();
  showPage(false);
  edtFileName.setFocus();
}

void TfrmNewWizard::Button1Click() {
  takeControls();
  State.Button1Click(host_);
  edtFileName.setText(State.FileName);
}

void TfrmNewWizard::btnHelpClick() { host_.showHelp(OnPage2() ? kHelpWizardPage2 : kHelpWizardPage1, false); }

bool TfrmNewWizard::handleMessage(UINT msg, WPARAM, LPARAM lp, INT_PTR& result) {
  return ui::answerHelp(msg, lp, result,
                        [this](UINT, ULONG_PTR context) { host_.showHelp(static_cast<int>(context), true); });
}

}  // namespace memo
