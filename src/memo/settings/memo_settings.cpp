#include "memo/settings/memo_settings.h"

#include <algorithm>

#include "base/text.h"

namespace memo {

namespace {

constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 1638;  // the largest size a rich-edit control takes
constexpr int kMinWindowSide = 100;

}  // namespace

TMemoSettings::TMemoSettings()
    : MemoFontName("ＭＳ ゴシック"_sj), InsertDateType("yyyy年mm月dd日"_sj), InsertTimeType("hh時nn分"_sj) {}

const char* bandText(int band) {
  static const std::string texts[3] = {"", "標準"_sj, "書式"_sj};
  return texts[std::clamp(band, 0, 2)].c_str();
}

shared::SettingTable<> memoSettingFields(TMemoSettings& s) {
  shared::SettingTable<> table = {
      {"MemoFile", &s.MemoFile},  // of another type: no document, the wizard asks for one
      {"FormTop", &s.FormTop},
      {"FromWidth", &s.FormWidth},  // the width has always been stored under this spelling
      {"FormHeight", &s.FormHeight},
      {"FormLeft", &s.FormLeft},
      {"ToolBar", &s.ToolBar},
      {"StatusBar", &s.StatusBar},
      {"TabPosition", &s.TabPosition},
      {"MemoFontName", &s.MemoFontName},
      {"MemoFontSize", &s.MemoFontSize},
      {"MemoFontColor", &s.MemoFontColor},
      {"BackColor", &s.BackColor},
      {"InsertDateType", &s.InsertDateType},
      {"InsertTimeType", &s.InsertTimeType},
      {"UseUrl", &s.UseUrl},
      {"UseEmail", &s.UseEmail},
      {"UseLocal", &s.UseLocal},
      {"DropAccept", &s.DropAccept},
      {"AutoOpenText", &s.AutoOpenText},
      {"FEPOnWhenStart", &s.FEPOnWhenStart},
      {"NeedBackup", &s.NeedBackup},
      {"HotLink", &s.HotLink},
      {"LastTab", &s.LastTab},
      {"ReloadOption", &s.ReloadOption},
      {"ForceFix", &s.ForceFix},
      {"SeparatedHeader", &s.SeparatedHeader},
  };
  for (int band = 0; band < 3; ++band) {
    const std::string text = bandText(band);
    table.push_back({"BandOrder" + text, &s.Bands[band].Order});
    table.push_back({"BandWidth" + text, &s.Bands[band].Width});
    table.push_back({"BandBreak" + text, &s.Bands[band].Break});
  }
  return table;
}

void ReadMemoSettings(shared::TKzRegEx& reg, TMemoSettings& s) {
  shared::readSettings(reg, memoSettingFields(s));
  ClampMemoSettings(s);
}

void ClampMemoSettings(TMemoSettings& s) {
  const TMemoSettings defaults;
  if (s.TabPosition < 0 || s.TabPosition > 3) s.TabPosition = defaults.TabPosition;
  // Any value beyond "ask" has always meant reloading without asking.
  if (s.ReloadOption > 2) s.ReloadOption = 2;
  if (s.MemoFontSize < kMinFontSize || s.MemoFontSize > kMaxFontSize) s.MemoFontSize = defaults.MemoFontSize;
  if (s.FormWidth < kMinWindowSide) s.FormWidth = defaults.FormWidth;
  if (s.FormHeight < kMinWindowSide) s.FormHeight = defaults.FormHeight;
  for (TBandSettings& b : s.Bands) {
    b.Order = std::clamp(b.Order, 0, 2);
    b.Width = std::max(b.Width, 0);
  }
}

void WriteMemoSettings(shared::TRegistry& reg, const TMemoSettings& s) {
  TMemoSettings stored = s;  // the table binds fields it could change; writing only reads them
  shared::writeSettings(reg, memoSettingFields(stored));
}

COLORREF memoColor(int stored) {
  if (stored < 0) return GetSysColor(stored & 0xFF);
  return static_cast<COLORREF>(stored) & 0xFFFFFF;
}

}  // namespace memo
