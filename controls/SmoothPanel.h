// TSmoothPanel: a container strip with a flat body and a soft double bevel whose lines are the
// body colour lightened or darkened by fixed amounts, and an optional one-line caption at the
// left, centre or right with a drop shadow and smoothed glyphs. The body colour is a free
// colour or one of the palette colours of SmoothGraphics.
//
// The panel keeps its own Color and Caption: they hide the control's colour and text (which
// stay at their defaults), so children that follow their parent's colour do not take the
// strip's body colour.
#pragma once

#include <functional>
#include <string>

#include "controls/SmoothGraphics.h"
#include "platform/framework/Control.h"
#include "platform/graphics/Canvas.h"

class TBitmap;

enum class TBevelStyle { bsRaised, bsLowered, bsNone };
// Horizontal position of the caption.
enum class TLayout { plLeft, plCenter, plRight };

// Wheel events as the classic controls fire them: a handler sets handled to stop the rest.
using TMouseWheelEvent = std::function<void(TComponent* sender, TShiftState shift, int wheelDelta,
                                            TPoint mousePos, bool& handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TComponent* sender, TShiftState shift, TPoint mousePos, bool& handled)>;

class TSmoothPanel : public TCustomControl {
 public:
  // With a windowed owner the panel is placed in it at once.
  explicit TSmoothPanel(TComponent* owner = nullptr);
  std::string ClassName() const override { return "TSmoothPanel"; }

  // Setters store and repaint; the bevel and border setters also lay out the children again.
  // None of them skips an equal value.
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TCustomColor CustomColor() const { return customColor_; }
  void SetCustomColor(TCustomColor value);
  TBevelStyle BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelStyle value);
  TBevelStyle BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelStyle value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);  // negative values become 0
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  TLayout Layout() const { return layout_; }
  void SetLayout(TLayout value);
  bool ShadowText() const { return shadowText_; }
  void SetShadowText(bool value);
  int ShadowDepth() const { return shadowDepth_; }
  void SetShadowDepth(int value);

  // The body colour painted: the palette colour, or Color with system colours resolved.
  TColor BodyColor() const;
  // The area inside border and bevels: children are aligned in it.
  TRect ClientRect() const override;

  // Where the shadow and the caption of a text of this size are drawn (top-left corners).
  struct TCaptionPlaces {
    TPoint shadow;
    TPoint text;
  };
  TCaptionPlaces PlaceCaption(TSize text) const;

  // Fires OnMouseWheel, then (unless handled) OnMouseWheelDown for a negative delta or
  // OnMouseWheelUp otherwise. Returns whether a handler took the wheel.
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TMouseWheelUpDownEvent OnMouseWheelDown;

  void Paint() override;

 private:
  // The bevels, border and children's area changed.
  void Rebuild();
  void ComposeFace(TBitmap& face) const;
  void DrawCaption(TCanvas& canvas, TColor body) const;

  TColor color_ = clBtnFace;
  TCustomColor customColor_ = TCustomColor::ccNone;
  TBevelStyle bevelInner_ = TBevelStyle::bsNone;
  TBevelStyle bevelOuter_ = TBevelStyle::bsRaised;
  int borderWidth_ = 0;
  std::string caption_;
  TLayout layout_ = TLayout::plCenter;
  bool shadowText_ = true;
  int shadowDepth_ = 2;
};
