#include "shared/about.h"

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "base/files.h"
#include "base/system_libraries.h"
#include "base/text.h"
#include "shared/about_ids.h"
#include "shared/shell_open.h"
#include "ui/app.h"
#include "shared/prompts.h"

namespace shared {

namespace {

const char kWebSite[] = "https://www.quorvane.example/";
const char kUsersSite[] = "https://www.quorvane.example/users/";
const char kSupportMail[] = "mailto:support@quorvane.example";

std::optional<std::string> queryString(const std::vector<BYTE>& info, const wchar_t* key) {
  std::wstring path = std::wstring(L"\\StringFileInfo\\041103A4\\") + key;
  void* value = nullptr;
  UINT chars = 0;
  if (!LAZY(base::version(), VerQueryValueW)(info.data(), path.c_str(), &value, &chars) || !value) return std::nullopt;
  std::wstring_view text(static_cast<const wchar_t*>(value), chars);
  if (size_t nul = text.find(L'\0'); nul != std::wstring_view::npos) text = text.substr(0, nul);
  return base::cp932(text);
}

std::vector<std::string> splitDots(std::string_view s) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    size_t dot = s.find('.', start);
    parts.emplace_back(s.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  while (parts.size() < 4) parts.emplace_back();
  return parts;
}

}  // namespace

VersionStrings readVersionStrings(std::string_view path) {
  VersionStrings v;
  std::wstring file = base::wide(path);
  DWORD ignored = 0;
  DWORD size = LAZY(base::version(), GetFileVersionInfoSizeW)(file.c_str(), &ignored);
  if (size == 0) return v;
  std::vector<BYTE> info(size);
  if (!LAZY(base::version(), GetFileVersionInfoW)(file.c_str(), 0, size, info.data())) return v;
  v.productName = queryString(info, L"ProductName").value_or("");
  v.fileVersion = queryString(info, L"FileVersion").value_or("");
  v.fileDescription = queryString(info, L"FileDescription");
  v.legalCopyright = queryString(info, L"LegalCopyright").value_or("");
  v.specialBuild = queryString(info, L"SpecialBuild").value_or("");
  return v;
}

std::string aboutVersionText(std::string_view fileVersion, const std::optional<std::string>& description) {
  std::vector<std::string> n = splitDots(fileVersion);
  std::string text = base::trim("Version " + n[0] + "." + n[1] + n[2]);
  if (description) text += " " + *description;
  return text + " (Build " + n[3] + ")";
}

bool aboutShowsNotice(std::string_view specialBuild) {
  return specialBuild.find("non-support") != std::string_view::npos;
}

void TfrmAbout::LinkLabel::command(WORD code) {
  if (code == STN_CLICKED && onClick) onClick();
}

TfrmAbout::TfrmAbout(HWND owner) : ui::Dialog(owner, IDD_ABOUT) {
  OpenInShell = [](const std::string& address) { shared::openInShell(address); };
  onCreate = [this] { addHints(); };
  onShow = [this] { FormShow(); };
  cmdOK.onClick = [this] { close(IDOK); };
  lblUrl.onClick = [this] { Label1Click(); };
  lblPublisherUrl.onClick = [this] { Label1Click(); };
  lblUsersSite.onClick = [this] { Label2Click(); };
  lblMail.onClick = [this] { Label4Click(); };
}

void TfrmAbout::addHints() {
  const std::pair<int, std::string> hints[] = {
      {IDC_ABOUT_PRODUCT, "ソフトウエアの名称"_sj},
      {IDC_ABOUT_VERSION, "バージョン情報"_sj},
      {IDC_ABOUT_COPYRIGHT, "著作権情報"_sj},
      {IDC_ABOUT_CONTACT_PICTURE, "Contact me!"},
      {IDC_ABOUT_NOTICE_PICTURE, "Contact me!"},
      {IDC_ABOUT_MAIL, "作者にサポート依頼メールを送信"_sj},
      {IDC_ABOUT_URL, "作者の Web サイトへジャンプ"_sj},
      {IDC_ABOUT_PUBLISHER_URL, "作者の Web サイトへジャンプ"_sj},
      {IDC_ABOUT_USERS_SITE, "USERS' SITE (サポート専用のサイト)へジャンプ"_sj},
      {IDOK, "閉じる"_sj},
  };
  for (const auto& [id, text] : hints) hints_.add(GetDlgItem(handle(), id), text);
}

void TfrmAbout::FormShow() {
  VersionStrings v = readVersionStrings(base::programPath());
  lblProduct.setText(v.productName);
  lblVersion.setText(aboutVersionText(v.fileVersion, v.fileDescription));
  lblCopyright.setText(v.legalCopyright);
  bool notice = aboutShowsNotice(v.specialBuild);
  for (int id = IDC_ABOUT_CONTACT; id <= IDC_ABOUT_CONTACT + 9; ++id) ShowWindow(GetDlgItem(handle(), id), !notice);
  for (int id = IDC_ABOUT_NOTICE; id <= IDC_ABOUT_NOTICE + 9; ++id) ShowWindow(GetDlgItem(handle(), id), notice);

  ui::Font bold("ＭＳ Ｐゴシック"_sj, 9);
  bold.setStyle(ui::kBold);
  bold.setCharset(SHIFTJIS_CHARSET);
  LOGFONTW lf{};
  GetObjectW(bold.handle(), sizeof lf, &lf);
  productFont_.reset(CreateFontIndirectW(&lf));
  lblProduct.send(WM_SETFONT, reinterpret_cast<WPARAM>(productFont_.get()), TRUE);

  HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(handle(), WM_GETFONT, 0, 0));
  GetObjectW(dialogFont, sizeof lf, &lf);
  lf.lfUnderline = TRUE;
  linkFont_.reset(CreateFontIndirectW(&lf));
  for (auto* link : {&lblMail, &lblUrl, &lblUsersSite, &lblPublisherUrl})
    link->send(WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), TRUE);
}

void TfrmAbout::FormPaint(HDC dc) {
  if (HICON icon = LoadIconW(ui::Application::instance().hinstance(), MAKEINTRESOURCEW(1))) DrawIcon(dc, 24, 24, icon);
}

bool TfrmAbout::isLink(HWND control) const {
  for (const LinkLabel* link : {&lblMail, &lblUrl, &lblUsersSite, &lblPublisherUrl})
    if (link->handle() == control) return true;
  return false;
}

bool TfrmAbout::handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(handle(), &ps);
      ui::guarded([&] { FormPaint(dc); });  // a failed icon draw leaves the dialog as it is
      EndPaint(handle(), &ps);
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
      if (!isLink(reinterpret_cast<HWND>(lp))) return false;
      SetTextColor(reinterpret_cast<HDC>(wp), RGB(0, 0, 255));
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    case WM_SETCURSOR:
      if (!isLink(reinterpret_cast<HWND>(wp))) return false;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      SetWindowLongPtrW(handle(), DWLP_MSGRESULT, TRUE);
      result = TRUE;
      return true;
  }
  return false;
}

bool TfrmAbout::ContactShown() const { return IsWindowVisible(GetDlgItem(handle(), IDC_ABOUT_CONTACT)) != 0; }
bool TfrmAbout::NoticeShown() const { return IsWindowVisible(GetDlgItem(handle(), IDC_ABOUT_NOTICE)) != 0; }

void TfrmAbout::Label1Click() { OpenInShell(kWebSite); }

void TfrmAbout::Label2Click() { OpenInShell(kUsersSite); }

void TfrmAbout::Label4Click() {
  prompts().ask(handle(),
                "お問い合わせになる前に，必ずサポートについてのヘルプをご覧下さい\r\n"
                "ヘルプを無視したサポートにはお答えできません"_sj,
                "ヘルプ参照のお願い"_sj, MB_OK | MB_ICONWARNING);
  OpenInShell(kSupportMail);
}

void showAbout(HWND owner) {
  TfrmAbout about(owner);
  about.showModal();
}

}  // namespace shared
