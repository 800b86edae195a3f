#include "controls/SmoothPanel.h"

#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

using SmoothGraphics::CustomColorToRGB;
using SmoothGraphics::ShiftColor;
using SmoothGraphics::SysColorToRGB;

namespace {

// The outer bevel starts at the edge, the inner one two pixels in, whether or not there is an
// outer bevel.
constexpr int kOuterBevelInset = 0;
constexpr int kInnerBevelInset = 2;
// Room that the bevels take from the children's area.
constexpr int kOuterBevelRoom = 2;
constexpr int kBothBevelsRoom = 4;
// How far the shadow of the caption is darker than the body.
constexpr int kCaptionShadowShift = 50;

// Two lines along the top and left (20 and 10 lighter on a raised bevel), then two along the
// bottom and right (20 and 10 darker); a lowered bevel swaps lighter and darker.
void DrawBevel(TCanvas& canvas, TSize size, int inset, TBevelStyle style, TColor body) {
  const bool raised = style == TBevelStyle::bsRaised;
  const int w = size.cx;
  const int h = size.cy;
  const int i = inset;
  canvas.Pen().SetColor(ShiftColor(body, 20, raised));
  canvas.Polyline({{i, h - i}, {i, i}, {w - i, i}});
  canvas.Pen().SetColor(ShiftColor(body, 10, raised));
  canvas.Polyline({{i + 1, h - i - 1}, {i + 1, i + 1}, {w - i - 1, i + 1}});
  canvas.Pen().SetColor(ShiftColor(body, 20, !raised));
  canvas.Polyline({{i + 1, h - i - 1}, {w - i - 1, h - i - 1}, {w - i - 1, i + 1}});
  canvas.Pen().SetColor(ShiftColor(body, 10, !raised));
  canvas.Polyline({{i + 2, h - i - 2}, {w - i - 2, h - i - 2}, {w - i - 2, i + 2}});
}

// Smoothed glyphs for every output, whatever font the caller set.
void SmoothTextOut(TCanvas& canvas, TPoint at, TColor color, const std::string& text) {
  canvas.Font().SetQuality(TFontQuality::fqAntialiased);
  canvas.Font().SetColor(color);
  canvas.TextOut(at.X, at.Y, text);
}

}  // namespace

TSmoothPanel::TSmoothPanel(TComponent* owner) : TCustomControl(owner) {
  if (auto* parent = dynamic_cast<TWinControl*>(owner)) SetParent(parent);
  SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
  SetBounds(Left(), Top(), 200, 40);
  SetCaption(Name());
  SetColor(clBtnFace);
  SetCustomColor(TCustomColor::ccNone);
  SetBevelInner(TBevelStyle::bsNone);
  SetBevelOuter(TBevelStyle::bsRaised);
  SetBorderWidth(0);
  SetLayout(TLayout::plCenter);
  SetShadowText(true);
  SetShadowDepth(2);
}

void TSmoothPanel::Rebuild() {
  // Changing the frame recreates the window, which lays out the children and repaints.
  if (!Loading() && HandleAllocated()) RecreateWnd();
  Realign();
  Invalidate();
}

void TSmoothPanel::SetColor(TColor value) {
  color_ = value;
  Invalidate();
}

void TSmoothPanel::SetCustomColor(TCustomColor value) {
  customColor_ = value;
  Invalidate();
}

void TSmoothPanel::SetBevelInner(TBevelStyle value) {
  bevelInner_ = value;
  Rebuild();
}

void TSmoothPanel::SetBevelOuter(TBevelStyle value) {
  bevelOuter_ = value;
  Rebuild();
}

void TSmoothPanel::SetBorderWidth(int value) {
  borderWidth_ = std::max(0, value);
  Rebuild();
}

void TSmoothPanel::SetCaption(const std::string& value) {
  caption_ = value;
  Invalidate();
}

void TSmoothPanel::SetLayout(TLayout value) {
  layout_ = value;
  Invalidate();
}

void TSmoothPanel::SetShadowText(bool value) {
  shadowText_ = value;
  Invalidate();
}

void TSmoothPanel::SetShadowDepth(int value) {
  shadowDepth_ = value;
  Invalidate();
}

TColor TSmoothPanel::BodyColor() const {
  if (customColor_ == TCustomColor::ccNone) return SysColorToRGB(color_);
  return CustomColorToRGB(customColor_);
}

TRect TSmoothPanel::ClientRect() const {
  int inset = borderWidth_;
  if (bevelInner_ != TBevelStyle::bsNone)
    inset += kBothBevelsRoom;
  else if (bevelOuter_ != TBevelStyle::bsNone)
    inset += kOuterBevelRoom;
  return Rect(inset, inset, Width() - inset, Height() - inset);
}

bool TSmoothPanel::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
  if (handled) return true;
  const TMouseWheelUpDownEvent& upDown = wheelDelta < 0 ? OnMouseWheelDown : OnMouseWheelUp;
  if (upDown) upDown(this, shift, mousePos, handled);
  return handled;
}

void TSmoothPanel::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  // The whole face is composed first and copied in one go, so the clock strip does not
  // flicker when its caption changes every second.
  TBitmap face(Width(), Height());
  ComposeFace(face);
  Canvas().Draw(0, 0, face);
}

void TSmoothPanel::ComposeFace(TBitmap& face) const {
  TCanvas& canvas = face.Canvas();
  const TColor body = BodyColor();
  const TSize size{Width(), Height()};
  canvas.Brush().SetColor(body);
  canvas.FillRect(Rect(0, 0, size.cx, size.cy));
  if (bevelOuter_ != TBevelStyle::bsNone)
    DrawBevel(canvas, size, kOuterBevelInset, bevelOuter_, body);
  if (bevelInner_ != TBevelStyle::bsNone)
    DrawBevel(canvas, size, kInnerBevelInset, bevelInner_, body);
  if (!caption_.empty()) DrawCaption(canvas, body);
}

TSmoothPanel::TCaptionPlaces TSmoothPanel::PlaceCaption(TSize text) const {
  const int y = (Height() - text.cy) / 2;
  const int d = shadowDepth_;
  const TRect client = ClientRect();
  switch (layout_) {
    case TLayout::plLeft:
      return {{client.Left + d, y + d}, {client.Left, y}};
    case TLayout::plCenter:
      return {{(Width() - text.cx) / 2 + d, y + d}, {(Width() - text.cx) / 2, y}};
    case TLayout::plRight:
      // The shadow keeps to the right edge; the caption steps left to leave it room.
      return {{client.Right - text.cx, y + d}, {client.Right - text.cx - (shadowText_ ? d : 0), y}};
  }
  return {};
}

void TSmoothPanel::DrawCaption(TCanvas& canvas, TColor body) const {
  canvas.SetFont(Font());
  canvas.Font().SetQuality(TFontQuality::fqAntialiased);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const TCaptionPlaces at = PlaceCaption({canvas.TextWidth(caption_), canvas.TextHeight(caption_)});
  if (shadowText_)
    SmoothTextOut(canvas, at.shadow, ShiftColor(body, kCaptionShadowShift, false), caption_);
  SmoothTextOut(canvas, at.text, SysColorToRGB(Font().Color()), caption_);
}
