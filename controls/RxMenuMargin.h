// The margin strip of owner-drawn popup menus: a top-to-bottom gradient of at most 32 bands
// followed by a shadow and a highlight line on its right edge.
#pragma once

#include "platform/graphics/Canvas.h"

// Band index of count bands (count >= 2): each RGB component moves from start to end by
// MulDiv(index, end - start, count - 1).
TColor MarginBandColor(TColor startColor, TColor endColor, int index, int count);

// Fills rect's rows with the bands; rows left over below the last band get endColor.
void PaintVerticalBands(TCanvas& canvas, const TRect& rect, TColor startColor, TColor endColor);

// The whole strip: bands over rect less its 3 right columns, the column Right - 3 untouched,
// a button-shadow line at Right - 2 and a button-highlight line at Right - 1.
void PaintMenuMarginGradient(TCanvas& canvas, const TRect& rect, TColor startColor,
                             TColor endColor);
