// Where the rounded button puts its caption and glyph: the caption rectangle moves aside by
// the glyph and the spacing, and the glyph stands Spacing pixels from the centred caption on
// the side that Layout names (centred on its own when no caption is shown).
#pragma once

#include "controls/FlatUtilitys.h"
#include "platform/core/Types.h"

struct TRbGlyphInput {
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  int Width = 0;  // the button's
  int Height = 0;
  TSize Glyph;  // (0, 0) for none
  int Spacing = 0;
  TSize Text;  // the caption's extent
  bool CaptionShown = false;
};

// The caption rectangle: the client rectangle with one side moved by glyph size + spacing.
TRect RbCaptionRect(const TRbGlyphInput& in);
// The glyph's top-left corner, given the caption rectangle.
TPoint RbGlyphPosition(const TRbGlyphInput& in, const TRect& captionRect);
