#include "controls/HSLUtils.h"

#include <algorithm>
#include <cmath>

namespace {

// Round to nearest, halves to the even neighbour (the default floating-point rounding mode).
int RoundEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

double HueOf(double r, double g, double b, double max, double d) {
  double h;
  if (max == r)
    h = (g - b) / d;
  else if (max != g)
    h = (r - g) / d + 4;
  else
    h = (b - r) / d + 2;
  h /= 6;
  return h < 0 ? h + 1 : h;
}

std::uint8_t ToByte(double unit) {
  return static_cast<std::uint8_t>(std::clamp(RoundEven(255 * unit), 0, 255));
}

// One channel of the hue ramp between m1 and m2.
double HueToChannel(double m1, double m2, double x) {
  if (x < 0) x += 1;
  if (x > 1) x -= 1;
  if (6 * x < 1) return m1 + (m2 - m1) * 6 * x;
  if (2 * x < 1) return m2;
  if (3 * x < 2) return m1 + (m2 - m1) * (2.0 / 3.0 - x) * 6;
  return m1;
}

}  // namespace

THLS RGBToHLS(TColor color) {
  const TColor rgb = ColorToRGB(color);
  const double r = GetRValue(rgb) / 255.0;
  const double g = GetGValue(rgb) / 255.0;
  const double b = GetBValue(rgb) / 255.0;
  const double max = std::max({r, g, b});
  const double min = std::min({r, g, b});
  const double l = (max + min) / 2;
  double h = 0;
  double s = 0;
  if (max != min) {
    const double d = max - min;
    s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
    h = HueOf(r, g, b, max, d);
  }
  return {RoundEven((HLSMAX - 1) * h), RoundEven(HLSMAX * l), RoundEven(HLSMAX * s)};
}

TColor HLSToRGB(const THLS& hls) {
  const double h = hls.H / double(HLSMAX - 1);
  const double s = hls.S / double(HLSMAX);
  const double l = hls.L / double(HLSMAX);
  if (s == 0) {
    const std::uint8_t grey = ToByte(l);
    return RGB(grey, grey, grey);
  }
  const double m2 = l > 0.5 ? l + s - l * s : l * (1 + s);
  const double m1 = 2 * l - m2;
  return RGB(ToByte(HueToChannel(m1, m2, h + 1.0 / 3.0)), ToByte(HueToChannel(m1, m2, h)),
             ToByte(HueToChannel(m1, m2, h - 1.0 / 3.0)));
}
