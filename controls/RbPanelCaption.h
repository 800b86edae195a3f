// Where the rounded panel draws its caption: a rectangle inside the border and DrawText
// flags for each of the ten caption positions.
#pragma once

#include "controls/RbTypes.h"
#include "platform/core/Types.h"

struct TRbCaptionPlacement {
  TRect Rect;
  unsigned Flags = 0;
  bool operator==(const TRbCaptionPlacement&) const = default;
};

TRbCaptionPlacement PlaceCaption(TRbCaptionPos position, int cornerWidth, int borderWidth,
                                 int width, int height);

// The group-box look cuts the top border behind the caption: the strip above the border's
// middle up to the caption's right edge, and the caption's width of the border line itself.
struct TRbGroupBoxCut {
  TRect Above;
  TRect Line;
};
TRbGroupBoxCut GroupBoxCut(const TRect& captionRect, int textWidth, int textHeight,
                           int borderWidth);
