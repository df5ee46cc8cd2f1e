#include "clock/face/clock_face.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "base/text.h"

namespace tockle {

namespace {
// Hand shapes in hundredths of the radius, pointing to 12 o'clock at angle 0.
constexpr POINT kHourHand[4] = {{0, -80}, {10, 0}, {0, 30}, {-10, 0}};
constexpr POINT kMinuteHand[4] = {{0, -90}, {7, 0}, {0, 30}, {-7, 0}};
constexpr POINT kSecondHand[4] = {{0, -95}, {2, 0}, {0, 30}, {-2, 0}};

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  for (;;) {
    size_t hit = base::find(text, "#r", pos);
    if (hit == std::string::npos) break;
    lines.push_back(text.substr(pos, hit - pos));
    pos = hit + 2;
  }
  lines.push_back(text.substr(pos));
  return lines;
}
}  // namespace

float DegToRad(float degrees) { return degrees * std::numbers::pi_v<float> / 180.0f; }

void TCoord::Setup(float angleDeg, float scale, float centreX, float centreY) {
  angle_ = DegToRad(angleDeg);
  c_ = std::cos(angle_) * scale;
  s_ = std::sin(angle_) * scale;
  cx_ = centreX;
  cy_ = centreY;
}

POINT TCoord::Transform(POINT p) const {
  float x = static_cast<float>(p.x), y = static_cast<float>(p.y);
  return POINT{static_cast<LONG>(std::trunc(x * c_ - y * s_ + cx_)),
               static_cast<LONG>(std::trunc(x * s_ + y * c_ + cy_))};
}

void TTimeCount::Update() {
  Tick = tickSource();
  SYSTEMTIME st = timeSource();
  Hour = st.wHour;
  Minute = st.wMinute;
  Second = st.wSecond;
  MSec = st.wMilliseconds;
  if (static_cast<int16_t>(Minute) != LastMinute) {
    TickBase = Tick - (static_cast<DWORD>(Second) * 1000 + MSec);
    LastMinute = static_cast<int16_t>(Minute);
  }
  // The difference as a signed 32-bit value, so a wrap of the tick counter does no harm.
  FracSeconds = static_cast<float>(static_cast<int32_t>(Tick - TickBase)) / 1000.0f;
  FracMinutes = static_cast<float>(Minute) + FracSeconds / 60.0f;
  FracHours = static_cast<float>(Hour) + FracMinutes / 60.0f;
  if (!Synced) {
    if (FirstSecond == -1) FirstSecond = static_cast<int16_t>(Second);
    if (static_cast<int16_t>(Second) == FirstSecond)
      LastMinute = -1;
    else
      Synced = true;
  }
}

void TTimeClock::SetClockArea(POINT centre, float radius) {
  CentreX = centre.x;
  CentreY = centre.y;
  Radius = radius;
  int r = static_cast<int>(std::trunc(radius));
  CircleRect = RECT{CentreX - r, CentreY - r, CentreX + r, CentreY + r};
}

void TTimeClock::Paint(ui::Canvas& canvas) {
  Canvas = &canvas;
  FillBackground();
  if (ClockKind & 1) MeasureAndResize();
  if (ClockKind & 2) {
    TimeCount.Update();
    DrawHourHand(TimeCount.FracHours * 30.0f);
    DrawMinuteHand(TimeCount.FracMinutes * 6.0f);
    DrawSecondHand(TimeCount.FracSeconds * 6.0f);
    DrawCircle();
  }
  if (ClockKind & 1) {
    DrawText(TextWidth, TextHeight);
  } else if (!Text.empty()) {
    // An analog-only face gets no text box of its own: a text handed to it is centred in the face.
    RECT r = Canvas->clipRect();
    DrawText(r.right - r.left, r.bottom - r.top);
  }
  DrawBorder();
  Canvas = nullptr;
}

std::optional<TTimeClock::FrameKey> TTimeClock::DigitalFrameKey(int width, int height) const {
  if (ClockKind & 2) return std::nullopt;
  FrameKey k;
  k.text = Text;
  if (Font) {
    k.fontName = Font->name();
    k.fontSize = Font->size();
    k.fontStyle = Font->style();
    k.fontColor = Font->color();
  }
  k.borderWidth = BorderWidth;
  k.width = width;
  k.height = height;
  k.kind = ClockKind;
  k.back = BackColor;
  k.highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  k.shadow = GetSysColor(COLOR_BTNSHADOW);
  k.doubleBorder = DoubleBorder;
  return k;
}

void TTimeClock::FillBackground() {
  Canvas->brush.style = ui::BrushStyle::Solid;
  Canvas->brush.color = BackColor;
  Canvas->fillRect(Canvas->clipRect());
}

void TTimeClock::MeasureAndResize() {
  Canvas->font = Font;
  Canvas->brush.style = ui::BrushStyle::Clear;
  int w = 0, h = 0;
  MeasureText(w, h);
  w += BorderWidth;
  h += BorderWidth;
  if (DoubleBorder) {
    w += BorderWidth;
    h += BorderWidth;
  }
  if (OnClockResize) OnClockResize(*this, w, h);
  TextWidth = w;
  TextHeight = h;
}

void TTimeClock::MeasureText(int& width, int& height) {
  std::vector<std::string> lines = splitLines(Text);
  // The widest line as drawn in the font: with a proportional font a line of fewer bytes can be
  // the wider one.
  int widest = 0;
  for (const auto& line : lines) widest = std::max(widest, Canvas->textWidth(line));
  width = widest;
  height = Canvas->textHeight(Text) * static_cast<int>(lines.size());
}

void TTimeClock::DrawText(int boxWidth, int boxHeight) {
  Canvas->font = Font;
  Canvas->brush.style = ui::BrushStyle::Clear;
  std::vector<std::string> lines = splitLines(Text);
  int y0 = (boxHeight - static_cast<int>(lines.size()) * Canvas->textHeight(Text)) / 2;
  int y = y0;
  for (const auto& line : lines) {
    SIZE sz = Canvas->textExtent(line);
    Canvas->textOut((boxWidth - sz.cx) / 2, y, line);
    y += sz.cy;
  }
}

void TTimeClock::DrawHandShape(const POINT (&shape)[4], float angle) {
  Coord.Setup(angle, Radius / 100.0f, static_cast<float>(CentreX), static_cast<float>(CentreY));
  POINT pts[4];
  for (int i = 0; i < 4; ++i) pts[i] = Coord.Transform(shape[i]);
  Canvas->polygon(pts, 4);
}

void TTimeClock::DrawHourHand(float angle) {
  Canvas->pen = {HourColor, 1};
  Canvas->brush = {HourColor, ui::BrushStyle::Solid};
  DrawHandShape(kHourHand, angle);
}

void TTimeClock::DrawMinuteHand(float angle) {
  Canvas->pen = {MinuteColor, 1};
  Canvas->brush = {MinuteColor, ui::BrushStyle::Solid};
  DrawHandShape(kMinuteHand, angle);
}

void TTimeClock::DrawSecondHand(float angle) {
  Canvas->pen = {SecondColor, 1};
  Canvas->brush.style = ui::BrushStyle::Clear;
  DrawHandShape(kSecondHand, angle);
}

void TTimeClock::DrawCircle() {
  if (CircleWidth == 0) return;
  Canvas->pen = {CircleColor, CircleWidth};
  Canvas->brush.style = ui::BrushStyle::Clear;
  Canvas->ellipse(CircleRect);
}

void TTimeClock::DrawBorder() {
  if (BorderWidth == 0) return;
  RECT r = Canvas->clipRect();
  auto frame = [&](ui::Color topLeft, ui::Color bottomRight) {
    for (int i = 0; i < BorderWidth; ++i) {
      Canvas->pen = {topLeft, 1};
      Canvas->line(r.left, r.bottom - 1, r.left, r.top);
      Canvas->line(r.left, r.top, r.right, r.top);
      Canvas->pen = {bottomRight, 1};
      Canvas->line(r.right - 1, r.top, r.right - 1, r.bottom);
      Canvas->line(r.left, r.bottom - 1, r.right, r.bottom - 1);
      InflateRect(&r, -1, -1);
    }
  };
  const ui::Color highlight = ui::systemColor(COLOR_BTNHIGHLIGHT), shadow = ui::systemColor(COLOR_BTNSHADOW);
  frame(highlight, shadow);
  if (DoubleBorder) {
    InflateRect(&r, -1, -1);
    frame(shadow, highlight);
  }
}

}  // namespace tockle
