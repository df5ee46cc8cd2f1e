// The clock face: paints one frame (background, digital text lines, analog hands and circle,
// raised 3D border) onto a canvas it is handed. The owner grants the text box through
// onClockResize and places the analog face with setClockArea.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "ui/graphics.h"

namespace tockle {

// The time of day with smooth fractional seconds: re-based on the system tick count during the
// first wall-clock second and then once a minute, so the second hand moves evenly between whole
// seconds.
class TTimeCount {
 public:
  // Sources of the tick count and the time of day; tests inject their own.
  std::function<DWORD()> tickSource = [] { return GetTickCount(); };
  std::function<SYSTEMTIME()> timeSource = [] {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return st;
  };

  void Update();

  DWORD Tick = 0;
  DWORD TickBase = 0;
  uint16_t Hour = 0, Minute = 0, Second = 0, MSec = 0;
  int16_t LastMinute = -1;
  float FracHours = 0, FracMinutes = 0, FracSeconds = 0;
  bool Synced = false;
  int16_t FirstSecond = -1;
};

// Rotation and scaling of hand shapes about a centre; positive angles turn clockwise on screen.
class TCoord {
 public:
  void Setup(float angleDeg, float scale, float centreX, float centreY);
  POINT Transform(POINT p) const;

 private:
  float angle_ = 0, c_ = 0, s_ = 0, cx_ = 0, cy_ = 0;
};

float DegToRad(float degrees);

class TTimeClock {
 public:
  using TClockResize = std::function<void(TTimeClock& sender, int& width, int& height)>;

  TTimeClock() = default;
  virtual ~TTimeClock() = default;

  void SetHourHandColor(ui::Color c) { HourColor = c; }
  void SetMinuteHandColor(ui::Color c) { MinuteColor = c; }
  void SetSecondHandColor(ui::Color c) { SecondColor = c; }
  void SetCircleColor(ui::Color c) { CircleColor = c; }
  void SetCircleWidth(int w) { CircleWidth = w; }
  void SetText(std::string t) { Text = std::move(t); }
  void SetFont(const ui::Font* f) { Font = f; }
  void SetClockKind(uint8_t k) { ClockKind = k; }
  void SetBorderWidth(int w) { BorderWidth = w; }
  void SetDoubleBorder(bool d) { DoubleBorder = d; }
  void SetBackColor(ui::Color c) { BackColor = c; }
  void SetClockArea(POINT centre, float radius);

  void Paint(ui::Canvas& canvas);

  // Everything a digital-only frame depends on besides the canvas: two equal keys paint the same
  // pixels on canvases of the same size, so an owner may keep the last frame instead.
  struct FrameKey {
    std::string text, fontName;
    int fontSize = 0, borderWidth = 0, width = 0, height = 0;
    uint8_t fontStyle = 0, kind = 0;
    ui::Color fontColor = 0, back = 0;
    COLORREF highlight = 0, shadow = 0;
    bool doubleBorder = false;
    bool operator==(const FrameKey&) const = default;
  };
  // The key of the frame Paint would draw now on a canvas of this size; empty (never equal to a
  // painted one) while the analog face is shown, as its hands move on every paint.
  std::optional<FrameKey> DigitalFrameKey(int width, int height) const;

  TTimeCount TimeCount;
  ui::Color HourColor = 0x0000FF;
  ui::Color CircleColor = 0xFF0000;
  ui::Color MinuteColor = 0xFFFF00;
  ui::Color SecondColor = 0xFFFFFF;
  int CircleWidth = 1;
  std::string Text;
  TClockResize OnClockResize;
  const ui::Font* Font = nullptr;
  uint8_t ClockKind = 0;  // bit value 1 digital text, 2 analog face
  int BorderWidth = 1;
  bool DoubleBorder = false;
  ui::Color BackColor = 0;
  int TextWidth = 0, TextHeight = 0;
  TCoord Coord;
  int CentreX = 0, CentreY = 0;
  float Radius = 0;
  RECT CircleRect{};

 protected:
  virtual void DrawHourHand(float angle);
  virtual void DrawMinuteHand(float angle);
  virtual void DrawSecondHand(float angle);
  virtual void DrawCircle();

 private:
  void FillBackground();
  void MeasureAndResize();
  void MeasureText(int& width, int& height);
  void DrawText(int boxWidth, int boxHeight);
  void DrawBorder();
  void DrawHandShape(const POINT (&shape)[4], float angle);

  ui::Canvas* Canvas = nullptr;
};

}  // namespace tockle
