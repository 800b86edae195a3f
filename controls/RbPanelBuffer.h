// The rounded panel's cached face: outer colour in the corners, the body (flat or gradient)
// and the border, optionally smoothed by drawing at three times the size and averaging down.
#pragma once

#include "controls/RbTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"

struct TRbPanelLook {
  TColor Color = 14933983;
  TColor OuterColor = clBtnFace;
  TColor BorderColor = clGray;
  int CornerWidth = 10;
  int BorderWidth = 2;
  bool Antialiased = true;
  bool Gradient = false;
  TColor DefaultFrom = clWhite;
  TColor DefaultTo = 14933983;
  TGradientType GradientType = TGradientType::gtVertical;
  // The top border runs through the middle of the caption (group-box look).
  bool GroupBox = false;
  int CaptionHeight = 0;
};

// The smoothing factor and the width of the smoothed band (in buffer pixels, before halving).
inline constexpr int PanelSmoothFactor = 3;
constexpr int PanelSmoothBand(int cornerWidth) {
  return RbExtent(cornerWidth) + 20;
}

// Work pictures kept between redraws of one panel, so that a redraw at the same size
// allocates nothing: one for the top and bottom bands, one for the side bands.
struct TRbPanelScratch {
  TBitmap Across;
  TBitmap Down;
};

// Redraws buffer (keeping its size) with look. Smoothing draws the large picture only where
// the averaging reads it: the outer band; the inside of the band is flat body colour.
void DrawPanelBuffer(TBitmap& buffer, const TRbPanelLook& look, TRbPanelScratch* scratch = nullptr);
