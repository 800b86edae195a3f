#include "controls/VasPanel.h"

#include "platform/graphics/Canvas.h"

namespace {

struct TShadowOffsets {
  TPoint shadow;  // from the body's text rectangle to the shadow
  TPoint text;    // from the shadow to the caption
};

TShadowOffsets OffsetsFor(TShadowPosition pos, int s) {
  switch (pos) {
    case TShadowPosition::spLeftTop:
      return {{0, 0}, {s, s}};
    case TShadowPosition::spLeftBottom:
      return {{0, s}, {s, -s}};
    case TShadowPosition::spRightBottom:
      return {{s, s}, {-s, -s}};
    case TShadowPosition::spRightTop:
      return {{s, 0}, {-s, s}};
  }
  return {};
}

}  // namespace

TVasPanel::TVasPanel(TComponent* owner) : TPanel(owner) {}

void TVasPanel::BecomeCustom() {
  styleKind_ = TStyleKind::skCustom;
  Invalidate();
}

void TVasPanel::SetShadowColor(TColor value) {
  if (value == shadowColor_) return;
  shadowColor_ = value;
  BecomeCustom();
}

void TVasPanel::SetShadowPos(TShadowPosition value) {
  if (value == shadowPos_) return;
  shadowPos_ = value;
  BecomeCustom();
}

void TVasPanel::SetShadowSize(std::uint8_t value) {
  if (value == shadowSize_) return;
  shadowSize_ = value;
  BecomeCustom();
}

void TVasPanel::SetStyleKind(TStyleKind value) {
  styleKind_ = value;
  switch (value) {
    case TStyleKind::skRaised:
      shadowPos_ = TShadowPosition::spLeftTop;
      shadowColor_ = clBtnHighlight;
      shadowSize_ = 1;
      break;
    case TStyleKind::skLowered:
      shadowPos_ = TShadowPosition::spRightBottom;
      shadowColor_ = clBtnHighlight;
      shadowSize_ = 1;
      break;
    case TStyleKind::skShadow:
      shadowPos_ = TShadowPosition::spRightBottom;
      shadowColor_ = clBtnShadow;
      shadowSize_ = 2;
      break;
    case TStyleKind::skNone:
      shadowSize_ = 0;
      break;
    case TStyleKind::skCustom:
      break;
  }
  Invalidate();
}

void TVasPanel::PaintBevels(TCanvas& canvas, TRect& rect) const {
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    const bool lowered = cut == TBevelCut::bvLowered;
    canvas.Frame3D(rect, lowered ? clBtnShadow : clBtnHighlight,
                   lowered ? clBtnHighlight : clBtnShadow, BevelWidth());
  };
  // The single border is the window's own frame, outside everything the panel paints.
  if (BorderStyle() == TFormBorderStyle::bsSingle)
    canvas.DrawEdge(rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  bevel(BevelOuter());
  canvas.Frame3D(rect, Color(), Color(), BorderWidth());
  bevel(BevelInner());
}

void TVasPanel::Paint() {
  TCanvas& canvas = Canvas();
  TRect rect = ClientRect();
  PaintBevels(canvas, rect);
  canvas.Brush().SetColor(Color());
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.FillRect(rect);
  PaintCaption(canvas, rect);
}

void TVasPanel::PaintCaption(TCanvas& canvas, TRect body) const {
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.SetFont(Font());
  // One line of the font's height, centred in the body.
  const int h = canvas.TextHeight("W");
  TRect rect = body;
  rect.Top = (body.Top + body.Bottom - h) / 2;
  rect.Bottom = rect.Top + h;
  const unsigned flags = CaptionFlags();
  const TShadowOffsets offsets = OffsetsFor(shadowPos_, shadowSize_);
  rect = OffsetRect(rect, offsets.shadow.X, offsets.shadow.Y);
  canvas.Font().SetColor(shadowColor_);
  canvas.DrawText(Caption(), rect, flags);
  rect = OffsetRect(rect, offsets.text.X, offsets.text.Y);
  canvas.Font().SetColor(Font().Color());
  canvas.DrawText(Caption(), rect, flags);
}
