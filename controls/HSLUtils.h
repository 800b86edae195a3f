// Colours as hue, lightness and saturation on the scale 0..240 (hue 0..239), the scale the
// classic colour dialog shows. The flat controls derive their hover, pressed and border
// colours through it.
#pragma once

#include "platform/graphics/Color.h"

inline constexpr int HLSMAX = 240;

struct THLS {
  int H = 0;
  int L = 0;
  int S = 0;
  bool operator==(const THLS&) const = default;
};

// System colours are resolved first.
THLS RGBToHLS(TColor color);
// Lightness above HLSMAX gives components above 255; they are clamped to 255 (and below 0 to 0).
TColor HLSToRGB(const THLS& hls);
