#include "controls/RbPanel.h"

#include <algorithm>

#include "platform/graphics/Canvas.h"

namespace {

constexpr TColor kPanelColor = 14933983;
constexpr TColor kCaptionColor = 13500416;

}  // namespace

TRbPanel::TRbPanel(TComponent* owner)
    : TRbCustomControl(owner), FBuffer(std::make_unique<TBitmap>()) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks |
                  csReplicatable);
  SetColor(kPanelColor);
  Font().SetColor(kCaptionColor);
  SetBounds(0, 0, 185, 105);
}

TRbPanel::~TRbPanel() = default;

template <class T>
void TRbPanel::StoreAndUpdate(T& field, T value) {
  if (field == value) return;
  field = value;
  UpdateBuffer();
}

void TRbPanel::SetCaptionPosition(TRbCaptionPos value) {
  if (value == FCaptionPosition) return;
  const bool borderMoves =
      value == TRbCaptionPos::cpGroupBox || FCaptionPosition == TRbCaptionPos::cpGroupBox;
  FCaptionPosition = value;
  if (Loading()) return;
  Realign();
  if (borderMoves)
    UpdateBuffer();
  else
    Invalidate();
}

void TRbPanel::SetCornerWidth(int value) {
  if (value < 0) return;
  StoreAndUpdate(FCornerWidth, value);
}

void TRbPanel::SetBorderWidth(int value) {
  if (value < 1 || value == FBorderWidth) return;
  FBorderWidth = value;
  if (!Loading()) {
    RequestAlign();
    // The children's area follows the border at once, not only at the next resize.
    Realign();
  }
  UpdateBuffer();
}

void TRbPanel::SetBorderColor(TColor value) {
  StoreAndUpdate(FBorderColor, value);
}

void TRbPanel::SetOuterColor(TColor value) {
  StoreAndUpdate(FOuterColor, value);
}

void TRbPanel::SetTextShadowColor(TColor value) {
  if (value == FTextShadowColor) return;
  FTextShadowColor = value;
  Invalidate();
}

void TRbPanel::SetAntialiased(bool value) {
  if (value == FAntialiased) return;
  FAntialiased = value;
  // Smoothing and the gradient body exclude each other.
  if (value) FGradient = false;
  UpdateBuffer();
}

void TRbPanel::SetGradient(bool value) {
  if (value == FGradient) return;
  FGradient = value && !FAntialiased;
  UpdateBuffer();
}

void TRbPanel::SetDefaultFrom(TColor value) {
  StoreAndUpdate(FDefaultFrom, value);
}

void TRbPanel::SetDefaultTo(TColor value) {
  StoreAndUpdate(FDefaultTo, value);
}

void TRbPanel::SetGradientType(TGradientType value) {
  StoreAndUpdate(FGradientType, value);
}

int TRbPanel::CaptionTextHeight() const {
  TCanvas measure;
  measure.SetFont(Font());
  return measure.TextHeight(Caption());
}

TRbPanelLook TRbPanel::Look() const {
  TRbPanelLook look;
  look.Color = Color();
  look.OuterColor = FOuterColor;
  look.BorderColor = FBorderColor;
  look.CornerWidth = FCornerWidth;
  look.BorderWidth = FBorderWidth;
  look.Antialiased = FAntialiased;
  look.Gradient = FGradient;
  look.DefaultFrom = FDefaultFrom;
  look.DefaultTo = FDefaultTo;
  look.GradientType = FGradientType;
  look.GroupBox = FCaptionPosition == TRbCaptionPos::cpGroupBox;
  if (look.GroupBox) look.CaptionHeight = CaptionTextHeight();
  return look;
}

void TRbPanel::UpdateBuffer() {
  if (Loading() || !FBuffer) return;
  if (!FBuffer->Empty()) {
    DrawPanelBuffer(*FBuffer, Look(), &FScratch);
    ++FBufferRedraws;
  }
  Invalidate();
}

void TRbPanel::UpdateGraphics() {
  UpdateBuffer();
}

void TRbPanel::DoResize() {
  FBuffer->SetSize(Width(), Height());
  UpdateBuffer();
}

void TRbPanel::Loaded() {
  const int before = FBufferRedraws;
  TRbCustomControl::Loaded();
  // Preparing the window may already have drawn the face at its final size.
  if (FBufferRedraws == before) UpdateBuffer();
}

void TRbPanel::ColorChanged() {
  TRbCustomControl::ColorChanged();
  UpdateBuffer();
}

void TRbPanel::ParentColorChanged() {
  TRbCustomControl::ParentColorChanged();
  if (Parent() && ParentColor()) SetOuterColor(Parent()->Color());
}

void TRbPanel::AdjustClientRect(TRect& rect) const {
  TRbCustomControl::AdjustClientRect(rect);
  const int side = RbExtent(FBorderWidth) + 1;
  if (FCaptionPosition != TRbCaptionPos::cpGroupBox) {
    rect = InflateRect(rect, -side, -side);
    return;
  }
  const int halfText = CaptionTextHeight() / 2;
  rect = InflateRect(rect, -side, -(halfText + 2));
  rect = OffsetRect(rect, 0, halfText - 1);
}

TRbCaptionPlacement TRbPanel::CaptionPlacement() const {
  return PlaceCaption(FCaptionPosition, FCornerWidth, FBorderWidth, Width(), Height());
}

void TRbPanel::Paint() {
  TCanvas& canvas = Canvas();
  // The buffer has the panel's size after every resize; the outer colour shows only where it
  // does not reach (a fill it would cover entirely costs as much as the copy itself).
  if (FBuffer->Width() < Width() || FBuffer->Height() < Height()) {
    canvas.Brush().SetColor(FOuterColor);
    canvas.FillRect(canvas.ClipRect());
  }
  canvas.Draw(0, 0, *FBuffer);
  canvas.SetFont(Font());
  if (ShowCaption()) PaintCaption(canvas);
}

void TRbPanel::PaintCaption(TCanvas& canvas) {
  const TRbCaptionPlacement place = CaptionPlacement();
  if (FCaptionPosition == TRbCaptionPos::cpGroupBox) {
    const TSize text = canvas.TextExtent(Caption());
    const TRbGroupBoxCut cut = GroupBoxCut(place.Rect, text.cx, text.cy, FBorderWidth);
    canvas.Brush().SetColor(FOuterColor);
    canvas.FillRect(cut.Above);
    canvas.FillRect(cut.Line);
  }
  canvas.Brush().SetStyle(bsClear);
  DrawShadowText(canvas, Caption(), Font(), FTextShadowColor, TextShadow(), place.Flags, place.Rect,
                 Enabled());
}
