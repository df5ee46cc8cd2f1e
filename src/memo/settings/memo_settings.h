// The memo program's settings: every value kept in its registry key, with its default, read and
// written all at once. Values read back are kept in range, so a damaged key cannot hide the
// window or the tabs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "shared/reg_ex.h"
#include "shared/setting_table.h"

namespace memo {

inline constexpr char kSettingsKey[] = "Software\\Quorvane\\Tavelo3";
inline constexpr char kPreviousSettingsKey[] = "Software\\Quorvane\\Tavelo2";

// A band of the rebar: its position among the bands, its width and whether it starts a row.
struct TBandSettings {
  int Order = 0;
  int Width = 0;
  bool Break = false;
};

// 0xFF000000 + index: a system colour.
inline constexpr int kSystemColor = static_cast<int>(0xFF000000u);

struct TMemoSettings {
  std::string MemoFile;
  int FormTop = 182, FormWidth = 574, FormHeight = 479, FormLeft = 309;
  bool ToolBar = true;
  bool StatusBar = true;
  int TabPosition = 1;       // 0 top, 1 bottom, 2 left, 3 right
  std::string MemoFontName;  // "ＭＳ ゴシック"
  int MemoFontSize = 9;
  int MemoFontColor = kSystemColor + COLOR_WINDOWTEXT;
  int BackColor = kSystemColor + COLOR_WINDOW;
  std::string InsertDateType;  // "yyyy年mm月dd日"
  std::string InsertTimeType;  // "hh時nn分"
  bool UseUrl = true;
  bool UseEmail = true;
  bool UseLocal = true;
  bool DropAccept = true;
  bool AutoOpenText = true;
  bool FEPOnWhenStart = true;
  bool NeedBackup = true;
  bool HotLink = true;
  std::string LastTab;
  uint8_t ReloadOption = 1;  // 0 nothing, 1 ask, 2 reload
  bool ForceFix = true;
  std::string SeparatedHeader;
  // The menu-bar band, the standard tool bar's band, the format tool bar's band.
  TBandSettings Bands[3] = {{0, 0, false}, {1, 0, true}, {2, 0, true}};

  TMemoSettings();
};

// The texts of the three bands, as their value names end: "", "標準", "書式".
const char* bandText(int band);

// Every value the memo writes, bound to the fields of s, in the order they are written.
shared::SettingTable<> memoSettingFields(TMemoSettings& s);

// Reads every value of the open key into s; what s holds are the defaults. Out-of-range values
// are brought into range; the window's position is checked against the screen by the window.
void ReadMemoSettings(shared::TKzRegEx& reg, TMemoSettings& s);
// Writes every value to the open key in the program's order; a failing write raises
// shared::ERegistryException (what was written before it stays).
void WriteMemoSettings(shared::TRegistry& reg, const TMemoSettings& s);

// Keeps values in range: the tab side, the reload option, the font size, a window size the user
// can grab.
void ClampMemoSettings(TMemoSettings& s);

// The RGB of a stored colour (negative: the system colour of its low byte).
COLORREF memoColor(int stored);

}  // namespace memo
