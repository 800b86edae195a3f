// Percentage blending of two faces, the step behind the rounded button's fades.
#pragma once

#include "platform/core/Types.h"

class TBitmap;

// Mixes overlay into rect of dest: each channel becomes (100 - percent)% of dest plus percent%
// of overlay, rounded; overlay's (0, 0) lies at rect's top-left corner. Percent is held to
// 0..100. Pixels outside either bitmap are left alone.
void BlendBitmaps(TBitmap& dest, const TBitmap& overlay, const TRect& rect, int percent);

// Copies source's pixels from (0, 0) into dest at rect's top-left moved by offset in both
// directions, (rect width - offset) x (rect height - offset) of them; then, when percent > 0,
// blends overlay over rect by at most 100 percent. Source may be dest itself.
void DrawFadeLayer(TBitmap& dest, const TBitmap& source, const TBitmap& overlay, int offset,
                   const TRect& rect, int percent);
