// TWordRuler: a self-painted ruler strip with three draggable paragraph-indent markers (the
// first-line marker at the top, the left-indent marker with its box and the right-indent
// marker at the bottom). It draws a scale in pixels, inches, centimetres or picas, snaps the
// dragged markers to the scale's grid and reports every drag step through OnChanged.
//
// The markers are image controls laid over the strip; they exist only while the ruler is
// horizontal, and every size change puts them back at their initial places (first-line and
// left-indent at 0, right-indent at the right end) without an event. Nothing outside moves
// them: the ruler is an input device, read through LeftIndentPos.
//
// Events, whose sender is always the ruler (also when the mouse is over a marker):
//   left press:   OnMouseDown, OnBeginChange (other buttons are ignored)
//   move with the left button held: OnChanged, OnMouseMove (whether or not a marker moved)
//   release:      OnStopChanged, OnMouseUp
// Over a marker the mouse coordinates are the marker's own.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "controls/WordRulerScale.h"
#include "platform/framework/Control.h"

class TImage;

class TWordRuler : public TCustomControl {
 public:
  // Marker tags.
  static constexpr int FirstLineTag = 1;
  static constexpr int LeftIndentTag = 2;
  static constexpr int RightIndentTag = 3;
  // Below this the strip is made larger across (height when horizontal, width when vertical).
  static constexpr int MinimumAcross = 25;

  explicit TWordRuler(TComponent* owner = nullptr);
  ~TWordRuler() override;
  std::string ClassName() const override { return "TWordRuler"; }

  TDivType Divisions() const { return divisions_; }
  void SetDivisions(TDivType value);
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor value);
  TColor RulerColor() const { return rulerColor_; }
  void SetRulerColor(TColor value);
  // The frame is painted either way; this is the control's framed style only.
  bool Framed() const { return framed_; }
  void SetFramed(bool value);
  bool MarkerOnTop() const { return markerOnTop_; }
  void SetMarkerOnTop(bool value);
  TRulerDir Direction() const { return direction_; }
  void SetDirection(TRulerDir value);
  // The label font is the control's Font (its colour is the labels' colour); SetFont repaints.

  // The left-indent marker's position in the unit of Divisions (0 without markers).
  double LeftIndentPos() const;

  // The marker with the tag (FirstLineTag .. RightIndentTag), or nullptr while there are none.
  TImage* Marker(int tag) const;
  bool Dragging(int tag) const;
  bool Carrying() const { return carry_; }

  TNotifyEvent OnBeginChange;
  TNotifyEvent OnChanged;
  TNotifyEvent OnStopChanged;

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Resize() override;

 protected:
  void Paint() override;
  void FontChanged() override;

 private:
  // --- Painting (WordRulerPaint.cpp).
  void PaintScale(TCanvas& canvas);
  void PaintHorizontalScale(TCanvas& canvas);
  void PaintVerticalScale(TCanvas& canvas);
  void PaintFrame(TCanvas& canvas);

  // --- Markers (WordRulerMarkers.cpp).
  void CreateMarkers();
  void FreeMarkers();
  TImage* MakeMarker(int tag, const TBitmap& picture, TRect bounds);
  void ShowMarkerState(TImage& marker);
  void ResetDrag();

  // --- Dragging (WordRuler.cpp).
  void MarkerMouseDown(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y);
  void MarkerMouseMove(TComponent* sender, TShiftState shift, int x, int y);
  void MarkerMouseUp(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y);
  void Grab(TImage& marker, int x, int y);
  void DragStep(int x);
  void Fire(const TNotifyEvent& event);
  void EnforceMinimumSize();
  void Changed();

  TDivType divisions_ = TDivType::dvPixels;
  TColor backColor_ = clWhite;
  TColor rulerColor_ = clBlack;
  bool framed_ = true;
  bool markerOnTop_ = true;
  TRulerDir direction_ = TRulerDir::rdHorizontal;

  std::array<std::unique_ptr<TImage>, 3> markers_;  // by tag - 1
  std::array<bool, 3> dragging_{};
  bool carry_ = false;
  int pressX_ = 0;
  int carryOffset_ = 0;
  // Size changes made while constructing are not the window's first size.
  bool constructed_ = false;
};
