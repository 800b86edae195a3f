// One-pixel lines against an independent, step-by-step Bresenham for every pair of end points
// in a 9 x 9 box (all directions, all halfway cases), and the styled pens' dash patterns.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "pixel_helpers.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

// Octants counted clockwise from +x with y growing downwards, as the display drivers count them.
int OctantOf(int dx, int dy) {
  if (dy > 0) {
    if (dx > 0) return dx > dy ? 1 : 2;
    return -dx > dy ? 4 : 3;
  }
  if (dx < 0) return -dx > -dy ? 5 : 6;
  return dx > -dy ? 8 : 7;
}

// The drivers' Bresenham: the error starts at 2 * minor - major and the minor coordinate steps
// when error + bias > 0; octants 3, 5, 6 and 8 carry a bias of 1. The end pixel is left out.
PixelSet ReferenceLine(TPoint from, TPoint to) {
  const int dx = to.X - from.X;
  const int dy = to.Y - from.Y;
  const int octant = OctantOf(dx, dy);
  const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
  const int bias = octant == 3 || octant == 5 || octant == 6 || octant == 8 ? 1 : 0;
  const int major = xMajor ? std::abs(dx) : std::abs(dy);
  const int minor = xMajor ? std::abs(dy) : std::abs(dx);
  const int sx = dx < 0 ? -1 : 1;
  const int sy = dy < 0 ? -1 : 1;
  PixelSet pixels;
  int x = from.X;
  int y = from.Y;
  int error = 2 * minor - major;
  for (int i = 0; i < major; ++i) {
    pixels.insert({x, y});
    const bool stepMinor = error + bias > 0;
    error += stepMinor ? 2 * minor - 2 * major : 2 * minor;
    if (xMajor) {
      x += sx;
      if (stepMinor) y += sy;
    } else {
      y += sy;
      if (stepMinor) x += sx;
    }
  }
  return pixels;
}

PixelSet DrawnLine(TPoint from, TPoint to) {
  TBitmap bitmap(9, 9);
  bitmap.Canvas().MoveTo(from.X, from.Y);
  bitmap.Canvas().LineTo(to.X, to.Y);
  return PixelsOf(bitmap, clBlack);
}

// The pixels along a row of a 1-pixel-high bitmap as '#' (pen) and '.' (anything else).
std::string RowPattern(TBitmap& bitmap, int y, TColor pen) {
  std::string row;
  for (int x = 0; x < bitmap.Width(); ++x)
    row += bitmap.Canvas().Pixels(x, y) == ColorToRGB(pen) ? '#' : '.';
  return row;
}

// The on/off runs repeated over length pixels, starting with the first "on" run.
std::string Repeated(const std::vector<int>& runs, int length) {
  std::string text;
  for (std::size_t run = 0; static_cast<int>(text.size()) < length; run = (run + 1) % runs.size())
    text += std::string(static_cast<std::size_t>(runs[run]), run % 2 == 0 ? '#' : '.');
  return text.substr(0, static_cast<std::size_t>(length));
}

struct DashCase {
  TPenStyle style;
  std::vector<int> runs;
};

const DashCase kDashes[] = {
    {psSolid, {1, 0}},
    {psDash, {18, 6}},
    {psDot, {3, 3}},
    {psDashDot, {9, 6, 3, 6}},
    {psDashDotDot, {9, 3, 3, 3, 3, 3}},
};

}  // namespace

TEST(CanvasLineRule, EveryLineInANineByNineBoxMatchesTheReferenceBresenham) {
  std::ostringstream wrong;
  int mismatches = 0;
  for (int x0 = 0; x0 < 9; ++x0)
    for (int y0 = 0; y0 < 9; ++y0)
      for (int x1 = 0; x1 < 9; ++x1)
        for (int y1 = 0; y1 < 9; ++y1) {
          const TPoint from{x0, y0};
          const TPoint to{x1, y1};
          if (DrawnLine(from, to) == ReferenceLine(from, to)) continue;
          if (++mismatches <= 5)
            wrong << " (" << x0 << "," << y0 << ")->(" << x1 << "," << y1 << ")";
        }
  EXPECT_EQ(mismatches, 0) << "lines differing from the reference:" << wrong.str();
}

TEST(CanvasLineRule, HalfwayPixelsGoUpOrLeftWhicheverWayTheLineRuns) {
  struct Case {
    TPoint from, to;
    PixelSet pixels;
  };
  const Case cases[] = {
      {{0, 0}, {2, 1}, {{0, 0}, {1, 0}}}, {{2, 1}, {0, 0}, {{2, 1}, {1, 0}}},
      {{0, 1}, {2, 0}, {{0, 1}, {1, 0}}}, {{2, 0}, {0, 1}, {{2, 0}, {1, 0}}},
      {{0, 0}, {1, 2}, {{0, 0}, {0, 1}}}, {{1, 2}, {0, 0}, {{1, 2}, {0, 1}}},
      {{1, 0}, {0, 2}, {{1, 0}, {0, 1}}}, {{0, 2}, {1, 0}, {{0, 2}, {0, 1}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DrawnLine(c.from, c.to), c.pixels)
        << "(" << c.from.X << "," << c.from.Y << ")->(" << c.to.X << "," << c.to.Y << ")";
}

TEST(CanvasLineRule, StyledPensRepeatTheirDashPatternAlongALine) {
  for (const DashCase& dash : kDashes) {
    TBitmap bitmap(60, 1);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetStyle(dash.style);
    canvas.MoveTo(0, 0);
    canvas.LineTo(60, 0);
    EXPECT_EQ(RowPattern(bitmap, 0, clBlack), Repeated(dash.runs, 60)) << dash.style;
  }
}

TEST(CanvasLineRule, TheDashPatternRunsOnAcrossTheCornersOfAPolyline) {
  for (const DashCase& dash : kDashes) {
    // Right 20, down 20, left 20: the pattern counts the whole path, corner pixels once.
    TBitmap bitmap(21, 21);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetStyle(dash.style);
    canvas.Polyline({{0, 0}, {20, 0}, {20, 20}, {0, 20}});
    std::string path;
    for (int x = 0; x < 20; ++x) path += canvas.Pixels(x, 0) == clBlack ? '#' : '.';
    for (int y = 0; y < 20; ++y) path += canvas.Pixels(20, y) == clBlack ? '#' : '.';
    for (int x = 20; x > 0; --x) path += canvas.Pixels(x, 20) == clBlack ? '#' : '.';
    EXPECT_EQ(path, Repeated(dash.runs, 60)) << dash.style;
  }
}

TEST(CanvasLineRule, AnOpaqueBackgroundFillsTheGapsInTheBrushColour) {
  TBitmap bitmap(24, 1);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clRed);
  canvas.SetBkMode(OPAQUE);
  canvas.Pen().SetStyle(psDash);
  canvas.MoveTo(0, 0);
  canvas.LineTo(24, 0);
  EXPECT_EQ(RowPattern(bitmap, 0, clBlack), Repeated({18, 6}, 24));
  EXPECT_EQ(RowPattern(bitmap, 0, clRed), Repeated({0, 18, 6, 0}, 24));
}
