// Supersampling reduction: a picture drawn at Factor times the size is averaged down, which
// smooths the rounded borders of the panel.
#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Color.h"

class TBitmap;

// Each pixel of area in target becomes the per-channel mean (truncated) of its factor x factor
// block of big. big's pixel (0, 0) belongs to the target pixel origin. Rows and columns whose
// blocks are not wholly inside big are not computed; averaging stops at the first such row.
void AverageBlocks(const TBitmap& big, TPoint origin, TBitmap& target, const TRect& area,
                   int factor);

// Reduces big (factor times target's size) into the border band of target, band pixels wide
// (factor when band < 1), and fills the inside of the band, from (band div 2, band div 2) to
// (width - band div 2, height - band div 2), with fillColor. Only the band is averaged.
void AntialiasDownsample(const TBitmap& big, TBitmap& target, int factor, TColor fillColor,
                         int band);
