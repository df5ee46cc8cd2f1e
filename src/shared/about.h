// The version dialog of both programs: product name, version, copyright and either the contact
// group or the notice group, all read from the running program's own version resource.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/dialog.h"
#include "ui/graphics.h"
#include "ui/tooltip.h"

namespace shared {

// The texts of a version resource's string table "041103A4" (CP932); a key that is missing reads
// as empty, and fileDescription tells a missing key from an empty value.
struct VersionStrings {
  std::string productName;
  std::string fileVersion;
  std::optional<std::string> fileDescription;
  std::string legalCopyright;
  std::string specialBuild;
};
VersionStrings readVersionStrings(std::string_view path);

// "Version a.bc" trimmed, then " " + the description when there is one, then " (Build d)".
std::string aboutVersionText(std::string_view fileVersion, const std::optional<std::string>& description);
// A build marked "non-support" shows the notice group instead of the contact group.
bool aboutShowsNotice(std::string_view specialBuild);

class TfrmAbout : public ui::Dialog {
 public:
  explicit TfrmAbout(HWND owner);

  // Opens an address in the shell (ShellExecute with the default verb); replaced in tests.
  std::function<void(const std::string& address)> OpenInShell;

  bool ContactShown() const;
  bool NoticeShown() const;
  std::string ProductText() const { return lblProduct.text(); }
  std::string VersionText() const { return lblVersion.text(); }
  std::string CopyrightText() const { return lblCopyright.text(); }

 protected:
  bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  class LinkLabel : public ui::Control {
   public:
    using ui::Control::Control;
    std::function<void()> onClick;
    void command(WORD code) override;
  };

  void FormShow();
  void FormPaint(HDC dc);
  void Label1Click();
  void Label2Click();
  void Label4Click();
  void addHints();
  bool isLink(HWND control) const;

  ui::Label lblProduct{this, 2101};
  ui::Label lblVersion{this, 2102};
  ui::Label lblCopyright{this, 2103};
  LinkLabel lblMail{this, 2113};
  LinkLabel lblUrl{this, 2115};
  LinkLabel lblUsersSite{this, 2116};
  LinkLabel lblPublisherUrl{this, 2124};
  ui::Button cmdOK{this, IDOK};
  base::GdiFont productFont_;
  base::GdiFont linkFont_;
  ui::Tooltip hints_;
};

// Shows the version dialog modally over owner.
void showAbout(HWND owner);

}  // namespace shared
