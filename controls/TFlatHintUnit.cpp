#include "controls/TFlatHintUnit.h"

#include <algorithm>

#include "platform/core/Exception.h"
#include "platform/framework/Form.h"
#include "platform/graphics/Canvas.h"

namespace {

// Live flat hints, oldest first: the relay and the look lookup must never reach a freed one.
std::vector<TFlatHint*>& LiveHints() {
  static std::vector<TFlatHint*> live;
  return live;
}

bool IsLive(const TFlatHint* hint) {
  const auto& live = LiveHints();
  return std::find(live.begin(), live.end(), hint) != live.end();
}

constexpr unsigned kHintTextFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
constexpr int kStripWidth = 14;

bool StripOnTheLeft(THintPlacement placement) {
  return placement == THintPlacement::hpBelowRight || placement == THintPlacement::hpAboveRight;
}

bool Below(THintPlacement placement) {
  return placement == THintPlacement::hpBelowLeft || placement == THintPlacement::hpBelowRight;
}

}  // namespace

// --- TFlatHint

TFlatHint::TFlatHint(TComponent* owner) : TComponent(owner) {
  LiveHints().push_back(this);
  Application->SetHintWindowClass([] { return new TFlatHintWindow(nullptr); });
  // Off and on again: the application replaces its hint window by one of the new class.
  Application->SetShowHint(false);
  Application->SetShowHint(true);
  Application->OnShowHint = [this](std::string& hintStr, bool& canShow, THintInfo& info) {
    if (IsLive(this) && OnShowHint) OnShowHint(hintStr, canShow, info);
  };
  Application->SetHintPause(500);
  Application->SetHintShortPause(25);
  Application->SetHintHidePause(5000);
}

TFlatHint::~TFlatHint() {
  std::erase(LiveHints(), this);
}

void TFlatHint::SetMaxHintWidth(int value) {
  if (value <= TFlatHintWindow::ExtraWidth)
    throw Exception("MaxHintWidth must be more than " +
                    std::to_string(TFlatHintWindow::ExtraWidth) + ", not " + std::to_string(value));
  maxHintWidth_ = value;
}

TFlatHint* TFlatHint::Current() {
  if (TCustomForm* main = Application->MainForm())
    for (int i = 0; i < main->ComponentCount(); ++i)
      if (auto* hint = dynamic_cast<TFlatHint*>(main->Components(i))) return hint;
  return LiveHints().empty() ? nullptr : LiveHints().back();
}

// --- Geometry

THintPlacement HintPlacementAt(TPoint cursor, int screenWidth, int screenHeight) {
  const int halfW = screenWidth / 2;
  const int halfH = screenHeight / 2;
  if (Rect(0, 0, halfW, halfH).Contains(cursor)) return THintPlacement::hpBelowRight;
  if (Rect(halfW, 0, screenWidth, halfH).Contains(cursor)) return THintPlacement::hpBelowLeft;
  if (Rect(0, halfH, halfW, screenHeight).Contains(cursor)) return THintPlacement::hpAboveRight;
  return THintPlacement::hpAboveLeft;
}

TRect HintWindowRect(THintPlacement placement, TPoint cursor, int width, int height) {
  const int gap = placement == THintPlacement::hpBelowRight ? 12 : 5;
  const TPoint p = cursor;
  switch (placement) {
    case THintPlacement::hpBelowLeft:
      return Rect(p.X - width - gap, p.Y + gap, p.X - gap, p.Y + height + gap);
    case THintPlacement::hpBelowRight:
      return Rect(p.X + gap, p.Y + gap, p.X + width + gap, p.Y + height + gap);
    case THintPlacement::hpAboveLeft:
      return Rect(p.X - width - gap, p.Y - height - gap, p.X - gap, p.Y - gap);
    case THintPlacement::hpAboveRight:
      return Rect(p.X + gap, p.Y - height - gap, p.X + width + gap, p.Y - gap);
  }
  return {};
}

TRect HintArrowStrip(THintPlacement placement, int width, int height) {
  if (StripOnTheLeft(placement)) return Rect(1, 1, 1 + kStripWidth, height - 1);
  return Rect(width - 1 - kStripWidth, 1, width - 1, height - 1);
}

TRect HintTextArea(THintPlacement placement, int width, int height) {
  if (StripOnTheLeft(placement)) return Rect(1 + kStripWidth, 1, width - 1, height - 1);
  return Rect(1, 1, width - 1 - kStripWidth, height - 1);
}

std::vector<TPoint> HintArrowPoints(THintPlacement placement, int width, int height) {
  // The arrow drawn into the top-left corner; mirrored for the other corners.
  static constexpr TPoint kShape[] = {{0, 0}, {0, 6}, {1, 6}, {1, 0}, {6, 0}, {6, 1},
                                      {2, 1}, {2, 4}, {5, 7}, {6, 7}, {3, 4}, {3, 3},
                                      {6, 6}, {7, 6}, {3, 2}, {4, 2}, {7, 5}, {7, 6}};
  const TRect strip = HintArrowStrip(placement, width, height);
  const bool left = StripOnTheLeft(placement);
  const bool below = Below(placement);
  const TPoint anchor =
      Point(left ? strip.Left + 2 : strip.Right - 3, below ? strip.Top + 2 : strip.Bottom - 3);
  const int sx = left ? 1 : -1;
  const int sy = below ? 1 : -1;
  std::vector<TPoint> points;
  for (const TPoint& d : kShape) points.push_back(Point(anchor.X + sx * d.X, anchor.Y + sy * d.Y));
  return points;
}

// --- TFlatHintWindow

TFlatHintWindow::TFlatHintWindow(TComponent* owner) : THintWindow(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
}

void TFlatHintWindow::TakeLook() {
  const TFlatHint* hint = TFlatHint::Current();
  look_ = Look{};
  if (!hint) return;
  look_.background = hint->ColorBackground();
  look_.border = hint->ColorBorder();
  look_.arrowBackground = hint->ColorArrowBackground();
  look_.arrow = hint->ColorArrow();
  look_.maxHintWidth = hint->MaxHintWidth();
  look_.font.Assign(hint->Font());
}

// The text's bounding box when wrapped into rect's left and top and the look's width.
TRect TFlatHintWindow::MeasureText(const TRect& rect, const std::string& hint) const {
  TCanvas measure;
  measure.SetFont(look_.font);
  TRect r = rect;
  r.Right = r.Left + look_.maxHintWidth - ExtraWidth;
  measure.DrawText(hint, r, DT_CALCRECT | kHintTextFlags);
  return r;
}

TRect TFlatHintWindow::CalcHintRect(int, const std::string& hint) {
  TakeLook();
  const TRect text = MeasureText(Rect(0, 0, 0, 0), hint);
  return Rect(0, 0, text.Width() + ExtraWidth, text.Height() + ExtraHeight);
}

void TFlatHintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
  TakeLook();
  SetFont(look_.font);
  TRect r = MeasureText(rect, hint);
  r.Right += ExtraWidth;
  r.Bottom += ExtraHeight;
  const TPoint cursor = Screen->CursorPos();
  placement_ = HintPlacementAt(cursor, Screen->Width(), Screen->Height());
  THintWindow::ActivateHint(HintWindowRect(placement_, cursor, r.Width(), r.Height()), hint);
}

void TFlatHintWindow::Paint() {
  TCanvas& canvas = Canvas();
  const int w = ClientWidth();
  const int h = ClientHeight();
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(look_.arrowBackground);
  canvas.FillRect(HintArrowStrip(placement_, w, h));
  canvas.Brush().SetColor(look_.background);
  const TRect textArea = HintTextArea(placement_, w, h);
  canvas.FillRect(textArea);
  canvas.Brush().SetColor(look_.border);
  canvas.FrameRect(Rect(0, 0, w, h));
  canvas.Pen().SetStyle(psSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(look_.arrow);
  canvas.Polyline(HintArrowPoints(placement_, w, h));
  TRect text = Rect(textArea.Left + 3, textArea.Top + 1, textArea.Right - 3, textArea.Bottom - 1);
  canvas.Brush().SetStyle(bsClear);
  canvas.SetFont(look_.font);
  canvas.DrawText(Caption(), text, kHintTextFlags);
}
