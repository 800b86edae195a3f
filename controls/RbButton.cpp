#include "controls/RbButton.h"

#include <algorithm>

#include "controls/RbButtonLayout.h"
#include "platform/framework/Form.h"
#include "platform/graphics/Canvas.h"

namespace {

// The pressed face keeps this much of the unpressed face around it (GradientBorder).
constexpr int kPressedRim = 3;
// The focus outline runs this far inside the edge.
constexpr int kFocusInset = 3;

bool NoModifier(TShiftState shift) {
  return (shift & (ssShift | ssAlt | ssCtrl)) == 0;
}

}  // namespace

TRbButton::TRbButton(TComponent* owner)
    : TRbCustomControl(owner),
      FDefaultBitmap(std::make_unique<TBitmap>()),
      FOverBitmap(std::make_unique<TBitmap>()),
      FClickedBitmap(std::make_unique<TBitmap>()),
      FGlyph(std::make_unique<TBitmap>()),
      FColors(std::make_unique<TRbControlColors>(this)) {
  FGlyph->SetTransparent(true);
  SetBounds(0, 0, 75, 25);
}

TRbButton::~TRbButton() = default;

// --- Properties

void TRbButton::SetCornerWidth(int value) {
  if (value < 0 || value == FCornerWidth) return;
  FCornerWidth = value;
  ApplyRoundRegion();
  UpdateGraphics();
}

void TRbButton::SetGlyph(TGraphic& value) {
  FGlyph->Assign(value);
  FGlyph->SetTransparent(true);
  Invalidate();
}

void TRbButton::SetSpacing(int value) {
  FSpacing = std::max(0, value);
}

void TRbButton::SetLayout(TButtonLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TRbButton::SetShowFocusRect(bool value) {
  if (value == FShowFocusRect) return;
  FShowFocusRect = value;
  Invalidate();
}

void TRbButton::SetHotTrack(bool value) {
  if (value == FHotTrack) return;
  FHotTrack = value;
  Invalidate();
}

void TRbButton::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  // The form works out again which button Enter belongs to.
  if (TCustomForm* form = GetParentForm(this)) form->FocusChanged(form->ActiveControl());
}

void TRbButton::SetGradientType(TGradientType value) {
  if (value == FGradientType) return;
  FGradientType = value;
  UpdateGraphics();
}

// --- Latching groups

void TRbButton::SetDown(bool value) {
  if (FGroupIndex <= 0) return;
  if (!value && !CanReleaseDown()) return;
  FDown = value;
  if (value) {
    ReleaseGroup();
    FMouseInside = true;
    FMousePressed = true;
    FFadeHandler = &TRbButton::FadeInStep;
  } else {
    FMousePressed = false;
    FFadeHandler = &TRbButton::FadeOutStep;
  }
  StartFadeTimer();
}

template <class F>
void TRbButton::ForEachGroupMate(F action) const {
  if (FGroupIndex <= 0 || !Parent()) return;
  TWinControl* parent = Parent();
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* mate = dynamic_cast<TRbButton*>(parent->Controls(i));
    if (mate && mate != this && mate->FGroupIndex == FGroupIndex) action(*mate);
  }
}

bool TRbButton::CanReleaseDown() const {
  if (FAllowAllUp) return true;
  bool otherDown = false;
  ForEachGroupMate([&](TRbButton& mate) { otherDown = otherDown || mate.FDown; });
  return otherDown;
}

void TRbButton::ReleaseGroup() {
  ForEachGroupMate([](TRbButton& mate) { mate.SetDown(false); });
}

// --- Actions

void TRbButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  SetDown(FGroupIndex > 0 && !FDown);
  TRbCustomControl::Click();
}

void TRbButton::KeyDown(TKey& key, TShiftState shift) {
  if (key == VK_SPACE && NoModifier(shift)) Click();
  TRbCustomControl::KeyDown(key, shift);
}

bool TRbButton::DialogKey(TKey key, TShiftState shift) {
  const bool enter = key == VK_RETURN && (Focused() || FDefault);
  const bool escape = key == VK_ESCAPE && FCancel;
  if ((enter || escape) && NoModifier(shift) && CanFocus()) {
    Click();
    return true;
  }
  return TRbCustomControl::DialogKey(key, shift);
}

// --- Hooks

void TRbButton::CreateWnd() {
  TRbCustomControl::CreateWnd();
  ApplyRoundRegion();
}

void TRbButton::DoResize() {
  ApplyRoundRegion();
  UpdateGraphics();
}

void TRbButton::DoFocusChanged() {
  Invalidate();
}

void TRbButton::DoMouseEnter() {
  TRbCustomControl::DoMouseEnter();
  FMouseInside = true;
  FFadeHandler = &TRbButton::FadeInStep;
  StartFadeTimer();
}

void TRbButton::DoMouseLeave() {
  TRbCustomControl::DoMouseLeave();
  // A latched button keeps its pressed look.
  if (FDown) return;
  FMouseInside = false;
  FFadeHandler = &TRbButton::FadeOutStep;
  StartFadeTimer();
}

void TRbButton::DoLeftMouseDown() {
  TRbCustomControl::DoLeftMouseDown();
  FMousePressed = true;
  FMouseInside = true;
  FFadeHandler = &TRbButton::FadeInStep;
  StartFadeTimer();
}

void TRbButton::DoLeftMouseUp() {
  if (FMousePressed && !FDown) FMousePressed = false;
  if (FMouseInside) FFadeHandler = &TRbButton::FadeInStep;
  StartFadeTimer();
}

void TRbButton::ApplyRoundRegion() {
  SetRoundRegion(Rect(0, 0, Width(), Height()), FCornerWidth, FCornerWidth);
}

// --- Looks

void TRbButton::UpdateGraphics() {
  const TRect whole = Rect(0, 0, Width(), Height());
  const struct {
    TBitmap& bitmap;
    TColor from;
    TColor to;
  } looks[] = {{*FDefaultBitmap, FColors->DefaultFrom(), FColors->DefaultTo()},
               {*FOverBitmap, FColors->OverFrom(), FColors->OverTo()},
               {*FClickedBitmap, FColors->ClickedFrom(), FColors->ClickedTo()}};
  for (const auto& look : looks) {
    look.bitmap.SetSize(whole.Width(), whole.Height());
    DrawGradient(look.bitmap, whole, look.from, look.to, FGradientType);
  }
  Invalidate();
}

void TRbButton::ComposeFace(TBitmap& face) const {
  TRect r = Rect(0, 0, face.Width(), face.Height());
  DrawFadeLayer(face, *FDefaultBitmap, *FOverBitmap, 1, r, FOverLevel);
  if (FClickLevel > 0) {
    const TRect pressed = FGradientBorder ? InflateRect(r, -kPressedRim, -kPressedRim) : r;
    DrawFadeLayer(face, face, *FClickedBitmap, 1, pressed, FClickLevel);
  }
  TCanvas& canvas = face.Canvas();
  canvas.Brush().SetStyle(bsClear);
  canvas.Pen().SetColor(FColors->BorderColor());
  canvas.Pen().SetWidth(1);
  const int corner = RbExtent(FCornerWidth) + 1;
  canvas.RoundRect(0, 0, r.Right, r.Bottom, corner, corner);
}

void TRbButton::Paint() {
  TCanvas& canvas = Canvas();
  TBitmap face(Width(), Height());
  ComposeFace(face);
  canvas.Draw(0, 0, face);

  TRbGlyphInput in;
  in.Layout = FLayout;
  in.Width = Width();
  in.Height = Height();
  if (!FGlyph->Empty()) in.Glyph = {FGlyph->Width(), FGlyph->Height()};
  in.Spacing = RbExtent(FSpacing);
  const TRect captionRect = RbCaptionRect(in);

  canvas.Brush().SetStyle(bsClear);
  canvas.SetFont(Font());
  if (FHotTrack && FMouseInside) canvas.Font().SetColor(FColors->HotTrack());
  if (ShowCaption())
    DrawShadowText(canvas, Caption(), canvas.Font(), FColors->TextShadow(), TextShadow(),
                   MakeTextFormat(taCenter, false), captionRect, Enabled());
  if (!FGlyph->Empty()) PaintGlyph(canvas, captionRect, ShowCaption() && !Caption().empty());
  if (Focused() && FShowFocusRect) PaintFocusOutline(canvas);
}

void TRbButton::PaintGlyph(TCanvas& canvas, const TRect& captionRect, bool captionShown) {
  TBitmap glyph;
  glyph.Assign(*FGlyph);
  glyph.SetPixelFormat(pf24bit);
  glyph.SetTransparentMode(tmAuto);
  glyph.SetTransparent(true);
  if (!Enabled()) MakeDisabledGlyph(glyph, DisabledGlyphTint);
  TRbGlyphInput in;
  in.Layout = FLayout;
  in.Width = Width();
  in.Height = Height();
  in.Glyph = {glyph.Width(), glyph.Height()};
  in.Spacing = RbExtent(FSpacing);
  in.Text = {canvas.TextWidth(Caption()), canvas.TextHeight(Caption())};
  in.CaptionShown = captionShown;
  const TPoint at = RbGlyphPosition(in, captionRect);
  canvas.Draw(at.X, at.Y, glyph);
}

void TRbButton::PaintFocusOutline(TCanvas& canvas) {
  const TRect r = InflateRect(Rect(0, 0, Width(), Height()), -kFocusInset, -kFocusInset);
  canvas.Brush().SetStyle(bsClear);
  canvas.Pen().SetColor(Color());
  canvas.Pen().SetWidth(2);
  canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, FCornerWidth, FCornerWidth);
}
