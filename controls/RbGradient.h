// Gradient fills of the rounded controls, in seven geometries, on a bitmap's scan lines.
#pragma once

#include "controls/RbTypes.h"
#include "platform/core/Types.h"
#include "platform/graphics/Color.h"

class TBitmap;
class TRegion;

// Fills rect of bitmap from fromColor to toColor. With a region only the pixels inside it are
// written. Equal colours (as passed) are a plain fill. The double and radial geometries start
// from fromColor on their centre line or centre point and reach toColor at the edges.
void DrawGradient(TBitmap& bitmap, const TRect& rect, TColor fromColor, TColor toColor,
                  TGradientType gradientType, const TRegion* region = nullptr);
