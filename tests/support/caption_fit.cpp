#include "support/caption_fit.h"

#include "base/handles.h"
#include "base/text.h"
#include "support/e2e.h"
#include "support/png.h"

namespace test {

namespace {

std::wstring className(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  return name;
}

std::wstring windowText(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

// How the control lays out its caption: the width its box and margins take, and the DrawText flags.
struct Label {
  bool measured = false;
  int margin = 0;
  UINT format = DT_EXPANDTABS;
  bool wraps = false;
};

Label labelOf(HWND control, HDC dc) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const std::wstring cls = className(control);
  Label label;
  if (_wcsicmp(cls.c_str(), L"Static") == 0) {
    const LONG type = style & SS_TYPEMASK;
    // Pictures, frames and captions meant to be shortened with "..." have nothing to measure.
    if ((type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) || (style & SS_ELLIPSISMASK)) return label;
    label.measured = true;
    label.wraps = type <= SS_RIGHT;
    if (style & SS_NOPREFIX) label.format |= DT_NOPREFIX;
  } else if (_wcsicmp(cls.c_str(), L"Button") == 0) {
    if (style & (BS_BITMAP | BS_ICON)) return label;
    switch (style & BS_TYPEMASK) {
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE:
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: {
        // The box, then a gap of about one digit before the text (Windows and Wine differ by a
        // pixel or two here; a digit covers both and the focus frame).
        INT digit = 0;
        GetCharWidth32W(dc, L'0', L'0', &digit);
        label.margin = (style & BS_PUSHLIKE) ? 6 : GetSystemMetrics(SM_CXMENUCHECK) + digit;
        break;
      }
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON:
        label.margin = 6;  // the raised frame and the focus frame on both sides
        break;
      default:
        return label;
    }
    label.measured = true;
    label.wraps = (style & BS_MULTILINE) != 0;
  }
  return label;
}

// Failure messages are read in logs on the host, in UTF-8.
std::string utf8(const std::wstring& text) {
  std::string out(text.size() * 3, '\0');
  out.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                                     static_cast<int>(out.size()), nullptr, nullptr)));
  return out;
}

}  // namespace

int textWidth(HWND control, const std::string& text) {
  HDC dc = GetDC(control);
  SIZE size{};
  {
    base::SelectGuard font(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const std::wstring w = base::wide(text);
    GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
  }
  ReleaseDC(control, dc);
  return size.cx;
}

std::string captionCut(HWND control) {
  const std::wstring text = windowText(control);
  if (text.empty()) return {};
  RECT client{};
  GetClientRect(control, &client);
  HDC dc = GetDC(control);
  std::string cut;
  {
    base::SelectGuard font(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const Label label = labelOf(control, dc);
    if (label.measured) {
      const int room = client.right - label.margin;
      RECT need{0, 0, label.wraps ? room : 0, 0};
      DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | label.format | (label.wraps ? DT_WORDBREAK : DT_SINGLELINE));
      const bool wide = need.right > room;
      const bool tall = label.wraps && need.bottom > client.bottom;
      if (wide || tall) {
        RECT line{};
        DrawTextW(dc, text.c_str(), -1, &line, DT_CALCRECT | DT_SINGLELINE | label.format);
        cut = "id " + std::to_string(GetDlgCtrlID(control)) + " \"" + utf8(text) + "\" needs " +
              std::to_string(need.right + label.margin) + "x" + std::to_string(need.bottom) + " px (one line " +
              std::to_string(line.right + label.margin) + "), has " + std::to_string(client.right) + "x" +
              std::to_string(client.bottom);
      }
    }
  }
  ReleaseDC(control, dc);
  return cut;
}

std::vector<std::string> cutCaptions(HWND window) {
  std::vector<std::string> cuts;
  for (HWND control : descendants(window)) {
    if (auto cut = captionCut(control); !cut.empty()) cuts.push_back(cut);
  }
  return cuts;
}

std::string captureDialog(HWND window, const std::string& name) {
  CreateDirectoryW(base::wide(resultsFolder() + "dialogs").c_str(), nullptr);
  return captureWindow(window, "dialogs\\" + name + ".png");
}

}  // namespace test
