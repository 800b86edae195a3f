// Small helpers of the rounded-control tests: reading and writing pixels as (R, G, B) and
// filling bitmaps with known contents.
#pragma once

#include <cstdint>
#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
  bool operator==(const Rgb&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

inline Rgb PixelAt(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + x * TBitmap::PixelStep;
  return {p[TBitmap::RedOffset], p[TBitmap::GreenOffset], p[TBitmap::BlueOffset]};
}

inline void SetPixelAt(TBitmap& bitmap, int x, int y, Rgb c) {
  std::uint8_t* p = bitmap.ScanLine(y) + x * TBitmap::PixelStep;
  p[TBitmap::RedOffset] = std::uint8_t(c.r);
  p[TBitmap::GreenOffset] = std::uint8_t(c.g);
  p[TBitmap::BlueOffset] = std::uint8_t(c.b);
}

inline Rgb ToRgb(TColor color) {
  const TColor c = ColorToRGB(color);
  return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

inline TBitmap Filled(int width, int height, TColor color) {
  TBitmap bitmap(width, height);
  bitmap.Canvas().Brush().SetColor(color);
  bitmap.Canvas().FillRect(Rect(0, 0, width, height));
  return bitmap;
}

// Every pixel a different colour, so that shifted copies are told apart.
inline TBitmap Patterned(int width, int height, int seed = 0) {
  TBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      SetPixelAt(bitmap, x, y, {(x * 7 + seed) & 255, (y * 11 + seed) & 255, (x * y + seed) & 255});
  return bitmap;
}

// The first pixel where two bitmaps differ, as text; empty when they are equal.
inline std::string FirstDifference(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return "sizes differ";
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (!(PixelAt(a, x, y) == PixelAt(b, x, y))) {
        const Rgb p = PixelAt(a, x, y);
        const Rgb q = PixelAt(b, x, y);
        return "at " + std::to_string(x) + "," + std::to_string(y) + ": (" + std::to_string(p.r) +
               "," + std::to_string(p.g) + "," + std::to_string(p.b) + ") vs (" +
               std::to_string(q.r) + "," + std::to_string(q.g) + "," + std::to_string(q.b) + ")";
      }
  return "";
}
