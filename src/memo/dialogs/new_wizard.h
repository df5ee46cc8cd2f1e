// The new-document wizard's window: two pages in one modal dialog, Next and Previous between
// them. Its rules live in NewWizardState; this class binds them to the controls.
#pragma once

#include <memory>
#include <optional>

#include "memo/dialogs/new_wizard_ids.h"
#include "memo/dialogs/new_wizard_rules.h"
#include "ui/dialog.h"
#include "ui/graphics.h"

namespace memo {

// Help contexts of the wizard's pages and controls.
inline constexpr int kHelpWizardPage1 = 85;
inline constexpr int kHelpWizardPage2 = 86;

// The real boxes, save-file dialog and help file, owned by the given dialog.
class DialogWizardHost : public WizardHost {
 public:
  explicit DialogWizardHost(const ui::Dialog& dialog) : dialog_(dialog) {}
  void showError(std::string_view text, std::string_view caption) override;
  void showInfo(std::string_view text, std::string_view caption) override;
  bool askYesNo(std::string_view text, std::string_view caption) override;
  std::optional<std::string> chooseFile(std::string_view current) override;
  void showHelp(int context, bool popup) override;

 private:
  const ui::Dialog& dialog_;
};

class TfrmNewWizard : public ui::Dialog {
 public:
  // host: the boxes and dialogs the wizard shows; nothing for the real ones.
  explicit TfrmNewWizard(HWND owner, WizardHost* host = nullptr);

  // Shows the wizard modally with State.FileName in the path box: the chosen document on OK.
  std::optional<NewDocumentChoice> Execute();

  NewWizardState State;

  ui::Edit edtFileName{this, IDC_WIZ_FILENAME};
  ui::Button Button1{this, IDC_WIZ_BROWSE};
  ui::CheckBox rdbIntegrated{this, IDC_WIZ_INTEGRATED};
  ui::CheckBox rdbSeparated{this, IDC_WIZ_SEPARATED};
  ui::Button btnHelp{this, IDC_WIZ_HELP};
  ui::Button btnPrevious{this, IDC_WIZ_PREVIOUS};
  ui::Button btnNext{this, IDC_WIZ_NEXT};
  ui::Button btnCancel{this, IDCANCEL};

  // Whether the format page is the one shown.
  bool OnPage2() const;

  void btnNextClick();
  void btnPreviousClick();
  void Button1Click();
  void btnHelpClick();

 protected:
  bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  void FormCreate();
  void showPage(bool page2);
  void takeControls();

  std::unique_ptr<WizardHost> ownHost_;
  WizardHost& host_;
  ui::Font headingFont_;
};

}  // namespace memo
