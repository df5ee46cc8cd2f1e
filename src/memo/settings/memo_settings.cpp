#include "memo/settings/memo_settings.h"

#include <algorithm>

#include "base/text.h"
#include "shared/settings_read.h"

namespace memo {

namespace {

using shared::readSetting;

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

void ReadMemoSettings(shared::TKzRegEx& reg, TMemoSettings& s) {
  readSetting(reg, "MemoFile", s.MemoFile);  // of another type: no document, the wizard asks for one
  readSetting(reg, "FormTop", s.FormTop);
  readSetting(reg, "FromWidth", s.FormWidth);
  readSetting(reg, "FormHeight", s.FormHeight);
  readSetting(reg, "FormLeft", s.FormLeft);
  readSetting(reg, "ToolBar", s.ToolBar);
  readSetting(reg, "StatusBar", s.StatusBar);
  readSetting(reg, "TabPosition", s.TabPosition);
  readSetting(reg, "InsertDateType", s.InsertDateType);
  readSetting(reg, "InsertTimeType", s.InsertTimeType);
  readSetting(reg, "UseUrl", s.UseUrl);
  readSetting(reg, "UseEmail", s.UseEmail);
  readSetting(reg, "UseLocal", s.UseLocal);
  readSetting(reg, "DropAccept", s.DropAccept);
  readSetting(reg, "AutoOpenText", s.AutoOpenText);
  readSetting(reg, "FEPOnWhenStart", s.FEPOnWhenStart);
  readSetting(reg, "NeedBackup", s.NeedBackup);
  readSetting(reg, "HotLink", s.HotLink);
  readSetting(reg, "LastTab", s.LastTab);
  readSetting(reg, "MemoFontName", s.MemoFontName);
  readSetting(reg, "MemoFontSize", s.MemoFontSize);
  readSetting(reg, "MemoFontColor", s.MemoFontColor);
  readSetting(reg, "BackColor", s.BackColor);
  readSetting(reg, "ReloadOption", s.ReloadOption);
  readSetting(reg, "ForceFix", s.ForceFix);
  readSetting(reg, "SeparatedHeader", s.SeparatedHeader);
  for (int band = 0; band < 3; ++band) {
    const std::string text = bandText(band);
    readSetting(reg, ("BandOrder" + text).c_str(), s.Bands[band].Order);
    readSetting(reg, ("BandWidth" + text).c_str(), s.Bands[band].Width);
    readSetting(reg, ("BandBreak" + text).c_str(), s.Bands[band].Break);
  }
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
  reg.WriteString("MemoFile", s.MemoFile);
  reg.WriteInteger("FormTop", s.FormTop);
  reg.WriteInteger("FromWidth", s.FormWidth);
  reg.WriteInteger("FormHeight", s.FormHeight);
  reg.WriteInteger("FormLeft", s.FormLeft);
  reg.WriteBool("ToolBar", s.ToolBar);
  reg.WriteBool("StatusBar", s.StatusBar);
  reg.WriteInteger("TabPosition", s.TabPosition);
  reg.WriteString("MemoFontName", s.MemoFontName);
  reg.WriteInteger("MemoFontSize", s.MemoFontSize);
  reg.WriteInteger("MemoFontColor", s.MemoFontColor);
  reg.WriteInteger("BackColor", s.BackColor);
  reg.WriteString("InsertDateType", s.InsertDateType);
  reg.WriteString("InsertTimeType", s.InsertTimeType);
  reg.WriteBool("UseUrl", s.UseUrl);
  reg.WriteBool("UseEmail", s.UseEmail);
  reg.WriteBool("UseLocal", s.UseLocal);
  reg.WriteBool("DropAccept", s.DropAccept);
  reg.WriteBool("AutoOpenText", s.AutoOpenText);
  reg.WriteBool("FEPOnWhenStart", s.FEPOnWhenStart);
  reg.WriteBool("NeedBackup", s.NeedBackup);
  reg.WriteBool("HotLink", s.HotLink);
  reg.WriteString("LastTab", s.LastTab);
  reg.WriteBinaryData("ReloadOption", &s.ReloadOption, 1);
  reg.WriteBool("ForceFix", s.ForceFix);
  reg.WriteString("SeparatedHeader", s.SeparatedHeader);
  for (int band = 0; band < 3; ++band) {
    const std::string text = bandText(band);
    reg.WriteInteger("BandOrder" + text, s.Bands[band].Order);
    reg.WriteInteger("BandWidth" + text, s.Bands[band].Width);
    reg.WriteBool("BandBreak" + text, s.Bands[band].Break);
  }
}

COLORREF memoColor(int stored) {
  if (stored < 0) return GetSysColor(stored & 0xFF);
  return static_cast<COLORREF>(stored) & 0xFFFFFF;
}

}  // namespace memo
