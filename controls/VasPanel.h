// TVasPanel: the standard panel whose caption is drawn twice, first as a shadow in ShadowColor
// moved by ShadowSize pixels, then in the font colour, so that it looks raised, engraved or
// shadowed. StyleKind picks one of the presets; changing a shadow property by hand makes the
// style skCustom.
#pragma once

#include <cstdint>
#include <string>

#include "platform/controls/Panel.h"

// The side of the caption on which the shadow shows.
enum class TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };
enum class TStyleKind { skRaised, skLowered, skShadow, skNone, skCustom };

class TVasPanel : public TPanel {
 public:
  explicit TVasPanel(TComponent* owner = nullptr);
  std::string ClassName() const override { return "TVasPanel"; }

  // A different value is stored, StyleKind becomes skCustom and the panel repaints.
  TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor value);
  TShadowPosition ShadowPos() const { return shadowPos_; }
  void SetShadowPos(TShadowPosition value);
  std::uint8_t ShadowSize() const { return shadowSize_; }
  void SetShadowSize(std::uint8_t value);
  // Applies the preset (skNone keeps colour and side and sets the size 0; skCustom keeps all).
  TStyleKind StyleKind() const { return styleKind_; }
  void SetStyleKind(TStyleKind value);

 protected:
  void Paint() override;

 private:
  // Bevels and border as the classic panel draws them; rect shrinks to the body.
  void PaintBevels(TCanvas& canvas, TRect& rect) const;
  // The caption twice: in ShadowColor at the shadow's place, then in the font colour.
  void PaintCaption(TCanvas& canvas, TRect body) const;
  void BecomeCustom();

  TColor shadowColor_ = clBtnHighlight;
  TShadowPosition shadowPos_ = TShadowPosition::spRightBottom;
  std::uint8_t shadowSize_ = 1;
  TStyleKind styleKind_ = TStyleKind::skLowered;
};
