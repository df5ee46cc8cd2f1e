#include "ui/common_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include "base/com.h"
#include "base/system_libraries.h"
#include "base/text.h"
#include "ui/modal_scope.h"

namespace ui {

namespace {

// "a|b|c|d" as the dialogs want it: "a\0b\0c\0d\0\0".
std::wstring filterText(const std::string& filter) {
  std::wstring w = base::wide(filter);
  for (wchar_t& c : w)
    if (c == L'|') c = L'\0';
  w.push_back(L'\0');
  w.push_back(L'\0');
  return w;
}

class SystemDialogs : public CommonDialogs {
 public:
  bool openFile(HWND owner, FileDialogArgs& args) override { return file(owner, args, false); }
  bool saveFile(HWND owner, FileDialogArgs& args) override { return file(owner, args, true); }

  bool browseFolder(HWND owner, const std::string& title, std::string& folder) override {
    std::wstring wtitle = base::wide(title);
    std::wstring start = base::wide(folder);
    BROWSEINFOW bi{};
    bi.hwndOwner = owner;
    bi.lpszTitle = wtitle.c_str();
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    bi.lpfn = preselect;
    bi.lParam = reinterpret_cast<LPARAM>(start.empty() ? nullptr : start.c_str());
    auto scope = ModalScope::aroundSystemBox(owner);
    base::ensureCom();
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&bi);
    if (!chosen) return false;
    wchar_t path[MAX_PATH] = {};
    bool ok = SHGetPathFromIDListW(chosen, path) != FALSE;
    LAZY(base::ole32(), CoTaskMemFree)(chosen);
    if (ok) folder = base::cp932(path);
    return ok;
  }

  bool chooseFont(HWND owner, Font& font, DWORD flags) override {
    LOGFONTW lf{};
    HDC screen = GetDC(nullptr);
    lf.lfHeight = -MulDiv(font.size(), GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    lf.lfWeight = (font.style() & kBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.style() & kItalic) ? 1 : 0;
    lf.lfUnderline = (font.style() & kUnderline) ? 1 : 0;
    lf.lfStrikeOut = (font.style() & kStrikeOut) ? 1 : 0;
    lf.lfCharSet = font.charset();
    std::wstring face = base::wide(font.name());
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.Flags = flags | CF_INITTOLOGFONTSTRUCT;
    cf.rgbColors = toRgb(font.color());
    auto scope = ModalScope::aroundSystemBox(owner);
    if (!LAZY(base::comdlg32(), ChooseFontW)(&cf)) return false;
    font.setName(base::cp932(lf.lfFaceName));
    font.setSize(cf.iPointSize / 10);
    font.setStyle(static_cast<uint8_t>((lf.lfWeight >= FW_BOLD ? kBold : 0) | (lf.lfItalic ? kItalic : 0) |
                                       (lf.lfUnderline ? kUnderline : 0) | (lf.lfStrikeOut ? kStrikeOut : 0)));
    font.setCharset(lf.lfCharSet);
    if (flags & CF_EFFECTS) font.setColor(cf.rgbColors);
    return true;
  }

  bool chooseColor(HWND owner, Color& color) override {
    // The custom colours the user mixed stay for the program's run.
    static COLORREF custom[16] = {};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = toRgb(color);
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT;
    auto scope = ModalScope::aroundSystemBox(owner);
    if (!LAZY(base::comdlg32(), ChooseColorW)(&cc)) return false;
    color = cc.rgbResult;
    return true;
  }

 private:
  static int CALLBACK preselect(HWND hwnd, UINT msg, LPARAM, LPARAM data) {
    if (msg == BFFM_INITIALIZED && data) SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
  }

  static bool file(HWND owner, FileDialogArgs& args, bool save) {
    std::wstring filter = filterText(args.filter);
    std::wstring title = base::wide(args.title);
    std::wstring dir = base::wide(args.initialDir);
    std::wstring ext = base::wide(args.defaultExt);
    std::wstring name = base::wide(args.fileName);
    std::vector<wchar_t> buf(32768, L'\0');
    if (name.size() < buf.size()) std::copy(name.begin(), name.end(), buf.begin());
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = args.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(args.filterIndex);
    ofn.lpstrFile = buf.data();
    ofn.nMaxFile = static_cast<DWORD>(buf.size());
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | args.flags;
    auto scope = ModalScope::aroundSystemBox(owner);
    if (!(save ? LAZY(base::comdlg32(), GetSaveFileNameW)(&ofn) : LAZY(base::comdlg32(), GetOpenFileNameW)(&ofn)))
      return false;
    args.filterIndex = static_cast<int>(ofn.nFilterIndex);
    args.fileNames.clear();
    // With several files the buffer holds the folder, then each name, each ended by a zero.
    std::wstring first(buf.data());
    const wchar_t* p = buf.data() + first.size() + 1;
    if ((args.flags & OFN_ALLOWMULTISELECT) && *p) {
      std::wstring folder = first;
      if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
      for (; *p; p += wcslen(p) + 1) args.fileNames.push_back(base::cp932(folder + p));
    } else {
      args.fileNames.push_back(base::cp932(first));
    }
    args.fileName = args.fileNames.front();
    return true;
  }
};

CommonDialogs* replacement = nullptr;

}  // namespace

CommonDialogs& commonDialogs() {
  static SystemDialogs system;
  return replacement ? *replacement : system;
}

void setCommonDialogs(CommonDialogs* r) { replacement = r; }

}  // namespace ui
