#include "shared/shortcut_file.h"

#include <objidl.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <vector>

#include "base/com.h"
#include "base/files.h"
#include "base/system_libraries.h"
#include "base/text.h"
#include "shared/registry.h"
#include "ui/app.h"
#include "shared/prompts.h"

namespace shared {

namespace {

using Microsoft::WRL::ComPtr;

// Room for the longest path the system accepts: a shortcut may store more than MAX_PATH.
constexpr int kTextChars = 32768;
// Resolving never shows the shell's search window and gives up on a missing target quickly.
constexpr DWORD kResolveTimeoutMs = 1000;

struct ShellLink {
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
};

ShellLink createShellLink() {
  ShellLink s;
  base::ensureCom();
  if (FAILED(
          LAZY(base::ole32(), CoCreateInstance)(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&s.link))))
    throw EOleError("The shell link object cannot be created");
  if (FAILED(s.link.As(&s.file))) throw EOleError("The shell link object has no IPersistFile");
  return s;
}

// One text of the link, read through a getter that fills buf; false (out untouched) on failure.
template <typename Getter>
bool readText(std::vector<wchar_t>& buf, std::string& out, Getter get) {
  buf[0] = L'\0';
  if (FAILED(get(buf.data(), static_cast<int>(buf.size())))) return false;
  buf.back() = L'\0';
  out = base::cp932(buf.data());
  return true;
}

}  // namespace

std::string TKzShortCutOperation::SpecialFolderPath(int csidl) {
  PIDLIST_ABSOLUTE pidl = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(ui::Application::instance().handle(), csidl, &pidl)) || !pidl) return {};
  std::vector<wchar_t> buf(kTextChars);
  BOOL ok = SHGetPathFromIDListEx(pidl, buf.data(), static_cast<DWORD>(buf.size()), GPFIDL_DEFAULT);
  LAZY(base::ole32(), CoTaskMemFree)(pidl);
  return ok ? base::cp932(buf.data()) : std::string();
}

bool TKzShortCutOperation::CreateShortCut() {
  std::string folder = SpecialFolderPath(SpecialFolder);
  if (folder.empty()) return false;
  ShellLink s = createShellLink();
  if (FAILED(s.link->SetDescription(base::wide(Description).c_str())) ||
      FAILED(s.link->SetPath(base::wide(Target).c_str())) ||
      FAILED(s.link->SetWorkingDirectory(base::wide(WorkingDirectory).c_str())))
    return false;
  return SUCCEEDED(s.file->Save(base::wide(folder + LinkFile).c_str(), TRUE));
}

bool TKzShortCutOperation::DeleteShortCut() {
  std::string folder = SpecialFolderPath(SpecialFolder);
  if (folder.empty()) return false;
  std::string path = folder + LinkFile;
  return base::fileExists(path) && base::deleteFile(path);
}

bool TKzShortCutOperation::ReadShortCut() {
  ShellLink s = createShellLink();
  if (FAILED(s.file->Load(base::wide(LinkFile).c_str(), STGM_READ))) return false;
  // Resolving only refreshes a moved target; a target that is gone still leaves the stored fields
  // worth reading, so its answer does not decide the read.
  s.link->Resolve(ui::Application::instance().handle(), SLR_ANY_MATCH | SLR_NO_UI | (kResolveTimeoutMs << 16));

  std::vector<wchar_t> buf(kTextChars);
  std::string target, folder, arguments, icon;
  int iconIndex = 0;
  WIN32_FIND_DATAW found{};
  readText(buf, target, [&](wchar_t* p, int n) { return s.link->GetPath(p, n, &found, SLGP_UNCPRIORITY); });
  bool any = readText(buf, folder, [&](wchar_t* p, int n) { return s.link->GetWorkingDirectory(p, n); });
  any |= readText(buf, arguments, [&](wchar_t* p, int n) { return s.link->GetArguments(p, n); });
  any |= readText(buf, icon, [&](wchar_t* p, int n) { return s.link->GetIconLocation(p, n, &iconIndex); });
  if (!any) return false;

  Target = std::move(target);
  WorkingDirectory = std::move(folder);
  Description = base::changeExtension(base::extractFileName(LinkFile), "");
  Arguments = std::move(arguments);
  IconLocation = std::move(icon);
  IconIndex = iconIndex;
  return true;
}

void TKzShortCutOperation::RegisterFileType(std::string_view Ext, std::string_view TypeName,
                                            std::string_view Description, std::string_view ExePath, int IconIndex,
                                            bool RegisterOpenCommand) {
  auto open = [](TRegistry& r, std::string_view key, std::string_view sub = {}) {
    std::string path(key);
    path.append(sub);
    if (!r.OpenKey(path, true)) throw ERegistryException("Cannot open " + path);
  };
  try {
    TRegistry r;
    r.RootKey = HKEY_CLASSES_ROOT;
    open(r, Ext);
    r.WriteString("", TypeName);
    open(r, TypeName);
    r.WriteString("", Description);
    open(r, TypeName, "\\DefaultIcon");
    std::string icon(ExePath);
    r.WriteString("", icon.append(",").append(std::to_string(IconIndex)));
    if (RegisterOpenCommand) {
      r.CloseKey();
      open(r, TypeName, "\\shell\\open\\command");
      std::string command = "\"";
      r.WriteString("", command.append(ExePath).append("\" \"%1\""));
    }
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
  } catch (const ERegistryException&) {
    if (ShowError)
      ShowError("レジストリへのアクセスは制限されているため，関連づけは行われません"_sj, "関連づけの失敗"_sj);
  }
}

void TKzShortCutOperation::ShowErrorBox(std::string_view text, std::string_view caption) {
  prompts().ask(nullptr, text, caption, MB_OK | MB_ICONERROR);
}

}  // namespace shared
