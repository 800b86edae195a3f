// TRbButton: the push button of the rounded family. A rounded window whose face is a colour
// gradient that fades to a second gradient under the pointer and to a third while pressed,
// with a shadowed caption, an optional glyph, a rounded focus outline, an optional hot-track
// caption colour, the default and cancel roles, a modal result for dialogs, and latching
// groups (one button of a group stays down).
//
// The three gradients are cached in bitmaps of the button's size and rebuilt only when the
// size, the gradient type or a gradient colour changes; painting blends them by the fade
// levels.
#pragma once

#include <memory>
#include <string>

#include "controls/FlatUtilitys.h"
#include "controls/RbDrawCore.h"
#include "platform/graphics/Bitmap.h"

class TRbButton : public TRbCustomControl {
 public:
  // The tint of a disabled glyph: R, G and B 64 added to its grey levels.
  static constexpr TColor DisabledGlyphTint = 4210752;

  explicit TRbButton(TComponent* owner = nullptr);
  ~TRbButton() override;
  std::string ClassName() const override { return "TRbButton"; }

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  int CornerWidth() const { return FCornerWidth; }
  void SetCornerWidth(int value);
  TBitmap& Glyph() { return *FGlyph; }
  const TBitmap& Glyph() const { return *FGlyph; }
  void SetGlyph(TGraphic& value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout value);
  TRbControlColors& Colors() { return *FColors; }
  const TRbControlColors& Colors() const { return *FColors; }
  TFadeSpeed FadeSpeed() const { return FFadeSpeed; }
  void SetFadeSpeed(TFadeSpeed value) { FFadeSpeed = value; }
  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool value);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool value);
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  bool GradientBorder() const { return FGradientBorder; }
  void SetGradientBorder(bool value) { FGradientBorder = value; }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value) { FGroupIndex = value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value) { FAllowAllUp = value; }
  bool Down() const { return FDown; }
  void SetDown(bool value);
  TGradientType GradientType() const { return FGradientType; }
  void SetGradientType(TGradientType value);

  void UpdateGraphics() override;
  // The cached faces: normal, under the pointer, pressed.
  const TBitmap& DefaultBitmap() const { return *FDefaultBitmap; }
  const TBitmap& OverBitmap() const { return *FOverBitmap; }
  const TBitmap& ClickedBitmap() const { return *FClickedBitmap; }

  void Click() override;
  void KeyDown(TKey& key, TShiftState shift) override;
  bool DialogKey(TKey key, TShiftState shift) override;

 protected:
  void CreateWnd() override;
  void Paint() override;
  void DoFocusChanged() override;
  void DoLeftMouseDown() override;
  void DoLeftMouseUp() override;
  void DoMouseEnter() override;
  void DoMouseLeave() override;
  void DoResize() override;

 private:
  // Another button of the same group on the same parent that is down.
  bool CanReleaseDown() const;
  // Releases every other button of the group.
  void ReleaseGroup();
  template <class F>
  void ForEachGroupMate(F action) const;
  void ApplyRoundRegion();
  void ComposeFace(TBitmap& face) const;
  void PaintGlyph(TCanvas& canvas, const TRect& captionRect, bool captionShown);
  void PaintFocusOutline(TCanvas& canvas);

  std::unique_ptr<TBitmap> FDefaultBitmap;
  std::unique_ptr<TBitmap> FOverBitmap;
  std::unique_ptr<TBitmap> FClickedBitmap;
  std::unique_ptr<TBitmap> FGlyph;
  std::unique_ptr<TRbControlColors> FColors;
  TModalResult FModalResult = mrNone;
  int FCornerWidth = 10;
  int FSpacing = 2;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  bool FShowFocusRect = true;
  bool FHotTrack = false;
  bool FDefault = false;
  bool FCancel = false;
  bool FGradientBorder = true;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FDown = false;
  TGradientType FGradientType = TGradientType::gtVertical;
};
