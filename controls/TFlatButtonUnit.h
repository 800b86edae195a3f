// TFlatButton: the editor's push button. A one-pixel frame, a face that lights up under the
// mouse and darkens while pressed, an optional glyph strip of up to four images (up, disabled,
// pressed, latched), an optional one-line caption with an accelerator, radio-style groups with
// a latched "down" state, and a modal result for dialog buttons.
//
// The hover look is kept by one 100 ms timer shared by all flat buttons instead of relying on
// enter/leave notices: at most one button (the tracked one) carries it, and the timer takes it
// away once the cursor is over something else.
#pragma once

#include <string>

#include "controls/FlatUtilitys.h"
#include "platform/framework/Control.h"
#include "platform/graphics/Bitmap.h"

class TTimer;

class TFlatButton : public TCustomControl {
 public:
  enum class TButtonState { bsUp, bsDisabled, bsPressed, bsExclusive };

  explicit TFlatButton(TComponent* owner = nullptr);
  ~TFlatButton() override;
  std::string ClassName() const override { return "TFlatButton"; }

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  TColor ColorFocused() const { return colorFocused_; }
  void SetColorFocused(TColor value);
  TColor ColorDown() const { return colorDown_; }
  void SetColorDown(TColor value);
  TColor ColorBorder() const { return colorBorder_; }
  void SetColorBorder(TColor value);
  TColor ColorHighLight() const { return colorHighLight_; }
  void SetColorHighLight(TColor value);
  TColor ColorShadow() const { return colorShadow_; }
  void SetColorShadow(TColor value);
  // Percentages 0..100; other values raise an error.
  int AdvColorFocused() const { return advColorFocused_; }
  void SetAdvColorFocused(int value);
  int AdvColorDown() const { return advColorDown_; }
  void SetAdvColorDown(int value);
  int AdvColorBorder() const { return advColorBorder_; }
  void SetAdvColorBorder(int value);
  bool UseAdvColors() const { return useAdvColors_; }
  void SetUseAdvColors(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool Down() const { return down_; }
  void SetDown(bool value);
  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return margin_; }
  void SetMargin(int value);
  // 1..4; other values raise an error.
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }

  // --- Looks, for tests and for code that wants to know what the button shows.
  TButtonState State() const { return state_; }
  bool MouseInControl() const { return mouseIn_; }
  bool Dragging() const { return dragging_; }

  // --- The class-wide hover machinery.
  static int InstanceCount();
  static TTimer* SharedTimer();
  static TFlatButton* TrackedButton();

  void Click() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void EnabledChanged() override;
  void ParentColorChanged() override;
  bool DialogChar(char32_t key, TShiftState shift) override;
  void Paint() override;

 protected:
  void Loaded() override;

 private:
  void DeriveAdvancedColors();
  void SendGroupNotification();
  void ReceiveGroupNotification(const TFlatButton& sender);
  bool Inside(int x, int y) const;
  // Hover tracking.
  void TrackMouseAt(TPoint screenPos);
  void MouseEnterLook();
  void MouseLeaveLook();
  void UpdateTracking(TPoint screenPos);
  void TimerTick();
  // Painting.
  void NormaliseState();
  void DrawFrame(TCanvas& canvas, int w, int h) const;
  TColor FaceColor() const;
  void DrawGlyph(TCanvas& canvas, TPoint at);
  void DrawCaption(TCanvas& canvas, const TRect& textBounds) const;
  TRect GlyphCellSource() const;

  bool allowAllUp_ = false;
  TColor colorFocused_ = 14805739;
  TColor colorDown_ = 12965593;
  TColor colorBorder_ = 8623776;
  TColor colorHighLight_ = 16777215;
  TColor colorShadow_ = 0;
  int advColorFocused_ = 10;
  int advColorDown_ = 10;
  int advColorBorder_ = 50;
  bool useAdvColors_ = false;
  int groupIndex_ = 0;
  bool down_ = false;
  TBitmap glyph_;
  TButtonLayout layout_ = TButtonLayout::blGlyphTop;
  int margin_ = -1;
  int numGlyphs_ = 1;
  int spacing_ = 4;
  TModalResult modalResult_ = mrNone;

  TButtonState state_ = TButtonState::bsUp;
  bool mouseIn_ = false;
  bool dragging_ = false;
  TPoint glyphPos_;
  TRect textBounds_;
};
