#include "platform/controls/Panel.h"
#include "platform/controls/Image.h"
#include "platform/graphics/Canvas.h"

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
  SetBounds(0, 0, 185, 41);
}

void TPanel::Rebuild() {
  Realign();
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value) {
  if (value == bevelInner_) return;
  bevelInner_ = value;
  Rebuild();
}

void TPanel::SetBevelOuter(TBevelCut value) {
  if (value == bevelOuter_) return;
  bevelOuter_ = value;
  Rebuild();
}

void TPanel::SetBevelWidth(int value) {
  value = std::max(1, value);
  if (value == bevelWidth_) return;
  bevelWidth_ = value;
  Rebuild();
}

void TPanel::SetBorderWidth(int value) {
  value = std::max(0, value);
  if (value == borderWidth_) return;
  borderWidth_ = value;
  Rebuild();
}

void TPanel::SetBorderStyle(TFormBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  Rebuild();
}

void TPanel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TPanel::AdjustClientRect(TRect& rect) const {
  TCustomControl::AdjustClientRect(rect);
  int inset = borderWidth_;
  if (borderStyle_ == TFormBorderStyle::bsSingle) inset += 2;
  if (bevelOuter_ != bvNone) inset += bevelWidth_;
  if (bevelInner_ != bvNone) inset += bevelWidth_;
  rect = InflateRect(rect, -inset, -inset);
}

void TPanel::PaintFrame(TCanvas& canvas, TRect& rect) const {
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    // A "space" bevel takes its room without showing lines.
    const TColor light = cut == bvLowered ? clBtnShadow : cut == bvSpace ? Color() : clBtnHighlight;
    const TColor dark = cut == bvLowered ? clBtnHighlight : cut == bvSpace ? Color() : clBtnShadow;
    canvas.Frame3D(rect, light, dark, bevelWidth_);
  };
  if (borderStyle_ == TFormBorderStyle::bsSingle)
    canvas.DrawEdge(rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  bevel(bevelOuter_);
  canvas.Frame3D(rect, Color(), Color(), borderWidth_);
  bevel(bevelInner_);
}

unsigned TPanel::CaptionFlags() const {
  unsigned flags = DT_EXPANDTABS | DT_VCENTER;
  if (alignment_ == taCenter) flags |= DT_CENTER;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  return flags;
}

void TPanel::Paint() {
  TCanvas& canvas = Canvas();
  TRect rect = ClientRect();
  PaintFrame(canvas, rect);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(rect);
  canvas.Brush().SetStyle(bsClear);
  canvas.SetFont(Font());
  // One line of the font's height, centred in the body.
  const int h = canvas.TextHeight("W");
  rect.Top = (rect.Top + rect.Bottom - h) / 2;
  rect.Bottom = rect.Top + h;
  canvas.DrawText(Caption(), rect, CaptionFlags());
}
