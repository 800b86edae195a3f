// Pixel helpers of the owner-drawn menu tests: item faces painted on a menu-coloured bitmap,
// reference texts drawn the plain way, and comparisons of regions.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/framework/SystemMetrics.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/pixel_helpers.h"

// A bitmap filled with the menu colour, its canvas holding the menu font and a menu brush.
inline TBitmap MenuBitmap(int width, int height, TColor background = clMenu) {
  TBitmap bitmap(width, height);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(background);
  canvas.FillRect(Rect(0, 0, width, height));
  canvas.SetFont(MenuFont());
  return bitmap;
}

// Text drawn with its top-left corner at (x, y) in color, nothing else touched.
inline void ReferenceText(TCanvas& canvas, int x, int y, const std::string& text, TColor color,
                          const TFont& font = MenuFont()) {
  canvas.SetFont(font);
  canvas.Font().SetColor(color);
  canvas.Brush().SetStyle(bsClear);
  canvas.TextOut(x, y, text);
  canvas.Brush().SetStyle(bsSolid);
}

// Counts the pixels of rect where the two bitmaps differ.
inline int DifferingPixels(TBitmap& a, TBitmap& b, const TRect& rect) {
  int count = 0;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (a.Canvas().Pixels(x, y) != b.Canvas().Pixels(x, y)) ++count;
  return count;
}

// True when every pixel of rect has color.
inline bool AllOf(TBitmap& bitmap, const TRect& rect, TColor color) {
  const TColor rgb = ColorToRGB(color);
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (bitmap.Canvas().Pixels(x, y) != rgb) return false;
  return true;
}

// Number of pixels of rect in color.
inline int CountOf(TBitmap& bitmap, const TRect& rect, TColor color) {
  const TColor rgb = ColorToRGB(color);
  int count = 0;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (bitmap.Canvas().Pixels(x, y) == rgb) ++count;
  return count;
}
