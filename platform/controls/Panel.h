// TPanel: an outer bevel, a border of BorderWidth in the panel colour, an inner bevel, the body
// and its caption (centred vertically, aligned by Alignment). Each bevel is BevelWidth wide,
// light on the top-left and dark on the bottom-right (the other way round when lowered).
// Aligned children share the area inside border and bevels; bsSingle adds a 2-pixel sunken
// frame around everything.
#pragma once

#include <string>

#include "platform/framework/Control.h"
#include "platform/framework/Form.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* owner = nullptr);
  std::string ClassName() const override { return "TPanel"; }

  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

 protected:
  void AdjustClientRect(TRect& rect) const override;
  void Paint() override;
  // Draws the bevels and the border on rect and shrinks it to the body.
  void PaintFrame(TCanvas& canvas, TRect& rect) const;
  // The caption's DrawText flags: alignment, vertical centring, tab expansion.
  unsigned CaptionFlags() const;

 private:
  void Rebuild();

  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsNone;
  TAlignment alignment_ = taCenter;
};
