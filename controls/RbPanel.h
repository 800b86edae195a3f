// TRbPanel: a rounded container with a border of settable width and colour, an outer colour
// in the corners, a flat or gradient body, optionally smoothed edges, and a caption at one of
// ten positions with a one-pixel text shadow. Every window uses one as its background.
//
// The outer fill, body and border live in a cached bitmap of the panel's size (FBuffer),
// rebuilt when the size or a property of the face changes; painting copies it and draws the
// caption. Children sit inside the border: the client area is inset by BorderWidth + 1.
#pragma once

#include <memory>
#include <string>

#include "controls/RbDrawCore.h"
#include "controls/RbPanelBuffer.h"
#include "controls/RbPanelCaption.h"
#include "platform/graphics/Bitmap.h"

class TRbPanel : public TRbCustomControl {
 public:
  explicit TRbPanel(TComponent* owner = nullptr);
  ~TRbPanel() override;
  std::string ClassName() const override { return "TRbPanel"; }

  TRbCaptionPos CaptionPosition() const { return FCaptionPosition; }
  void SetCaptionPosition(TRbCaptionPos value);
  int CornerWidth() const { return FCornerWidth; }
  void SetCornerWidth(int value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value);
  TColor OuterColor() const { return FOuterColor; }
  void SetOuterColor(TColor value);
  TColor TextShadowColor() const { return FTextShadowColor; }
  void SetTextShadowColor(TColor value);
  bool Antialiased() const { return FAntialiased; }
  void SetAntialiased(bool value);
  bool Gradient() const { return FGradient; }
  void SetGradient(bool value);
  TColor DefaultFrom() const { return FDefaultFrom; }
  void SetDefaultFrom(TColor value);
  TColor DefaultTo() const { return FDefaultTo; }
  void SetDefaultTo(TColor value);
  TGradientType GradientType() const { return FGradientType; }
  void SetGradientType(TGradientType value);

  // Redraws FBuffer and repaints; nothing while the panel is being read from a layout.
  void UpdateBuffer();
  void UpdateGraphics() override;
  // The cached face (outer fill, body and border).
  const TBitmap& Buffer() const { return *FBuffer; }
  // How often the face has been drawn (it is costly: resizes should draw it once).
  int BufferRedraws() const { return FBufferRedraws; }
  // Where the caption goes for the current position and size.
  TRbCaptionPlacement CaptionPlacement() const;
  // Height of the caption text in the panel's font.
  int CaptionTextHeight() const;

  void ColorChanged() override;
  void ParentColorChanged() override;

 protected:
  void Loaded() override;
  void AdjustClientRect(TRect& rect) const override;
  void Paint() override;
  void DoResize() override;

 private:
  TRbPanelLook Look() const;
  // Stores value into field when it differs, then redraws the buffer.
  template <class T>
  void StoreAndUpdate(T& field, T value);
  void PaintCaption(TCanvas& canvas);

  std::unique_ptr<TBitmap> FBuffer;
  TRbPanelScratch FScratch;
  int FBufferRedraws = 0;
  TRbCaptionPos FCaptionPosition = TRbCaptionPos::cpTopLeft;
  int FCornerWidth = 10;
  int FBorderWidth = 2;
  TColor FBorderColor = clGray;
  TColor FOuterColor = clBtnFace;
  TColor FTextShadowColor = clWhite;
  bool FAntialiased = true;
  bool FGradient = false;
  TColor FDefaultFrom = clWhite;
  TColor FDefaultTo = 14933983;
  TGradientType FGradientType = TGradientType::gtVertical;
};
