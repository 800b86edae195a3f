// Helpers for the pixel tests of the drawing layer: count and list pixels of a colour, and
// print a small bitmap as text when an expectation fails.
#pragma once

#include <set>
#include <string>
#include <utility>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

using PixelSet = std::set<std::pair<int, int>>;  // (x, y)

inline PixelSet PixelsOf(TBitmap& bitmap, TColor color) {
  PixelSet found;
  const TColor rgb = ColorToRGB(color);
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Canvas().Pixels(x, y) == rgb) found.insert({x, y});
  return found;
}

inline PixelSet PixelsNot(TBitmap& bitmap, TColor color) {
  PixelSet found;
  const TColor rgb = ColorToRGB(color);
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Canvas().Pixels(x, y) != rgb) found.insert({x, y});
  return found;
}

// The bounding box of a pixel set (right and bottom excluded); empty for an empty set.
inline TRect BoundsOf(const PixelSet& pixels) {
  if (pixels.empty()) return {};
  TRect r{pixels.begin()->first, pixels.begin()->second, pixels.begin()->first + 1,
          pixels.begin()->second + 1};
  for (const auto& [x, y] : pixels) {
    r.Left = std::min(r.Left, x);
    r.Top = std::min(r.Top, y);
    r.Right = std::max(r.Right, x + 1);
    r.Bottom = std::max(r.Bottom, y + 1);
  }
  return r;
}

// '#' where the pixel is not the background colour, '.' elsewhere; one line per row.
inline std::string Picture(TBitmap& bitmap, TColor background) {
  std::string text;
  const TColor rgb = ColorToRGB(background);
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x)
      text += bitmap.Canvas().Pixels(x, y) == rgb ? '.' : '#';
    text += '\n';
  }
  return text;
}

inline TBitmap WhiteBitmap(int width, int height) {
  return TBitmap(width, height);
}
