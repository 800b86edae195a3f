// Gradient fills: the seven geometries with their lengths and rounding, the plain fill of
// equal colours, clipping by a region and the cases without a length.
#include <gtest/gtest.h>

#include "controls/RbGradient.h"
#include "platform/graphics/Region.h"
#include "rounded_helpers.h"

namespace {

struct GradientCase {
  const char* name;
  TGradientType type;
  TRect rect;
  Rgb from;
  Rgb to;
  int x;
  int y;
  Rgb expected;
};

TColor ToColor(Rgb c) {
  return RGB(std::uint8_t(c.r), std::uint8_t(c.g), std::uint8_t(c.b));
}

void PrintTo(const GradientCase& c, std::ostream* os) {
  *os << c.name;
}

class GradientPixel : public ::testing::TestWithParam<GradientCase> {};

TEST_P(GradientPixel, HasTheColourOfItsDistance) {
  const GradientCase& c = GetParam();
  TBitmap bitmap(c.rect.Right, c.rect.Bottom);
  DrawGradient(bitmap, c.rect, ToColor(c.from), ToColor(c.to), c.type);
  EXPECT_EQ(PixelAt(bitmap, c.x, c.y), c.expected) << c.name;
}

using GT = TGradientType;
const GradientCase kGradientCases[] = {
    // Horizontal, 10 wide: steps (10, 20, 5) per column.
    {"horizontal x=3",
     GT::gtHorizontal,
     Rect(0, 0, 10, 4),
     {0, 0, 0},
     {100, 200, 50},
     3,
     2,
     {30, 60, 15}},
    {"horizontal x=9",
     GT::gtHorizontal,
     Rect(0, 0, 10, 4),
     {0, 0, 0},
     {100, 200, 50},
     9,
     0,
     {90, 180, 45}},
    // Half steps round to even: 0.5 -> 0, 1.5 -> 2.
    {"tie rounds down to even",
     GT::gtHorizontal,
     Rect(0, 0, 4, 1),
     {0, 0, 0},
     {2, 0, 0},
     1,
     0,
     {0, 0, 0}},
    {"tie rounds up to even",
     GT::gtHorizontal,
     Rect(0, 0, 4, 1),
     {0, 0, 0},
     {2, 0, 0},
     3,
     0,
     {2, 0, 0}},
    // Vertical, 8 high: steps (10, 5, 2) per row.
    {"vertical y=5", GT::gtVertical, Rect(0, 0, 4, 8), {0, 0, 0}, {80, 40, 16}, 1, 5, {50, 25, 10}},
    // Double horizontal, 100 wide: length 50, from the centre column out to both edges.
    {"double horz centre",
     GT::gtDoubleHorz,
     Rect(0, 0, 100, 2),
     {200, 100, 0},
     {0, 0, 100},
     50,
     1,
     {200, 100, 0}},
    {"double horz left edge",
     GT::gtDoubleHorz,
     Rect(0, 0, 100, 2),
     {200, 100, 0},
     {0, 0, 100},
     0,
     1,
     {0, 0, 100}},
    {"double horz x=75",
     GT::gtDoubleHorz,
     Rect(0, 0, 100, 2),
     {200, 100, 0},
     {0, 0, 100},
     75,
     0,
     {100, 50, 50}},
    // Double vertical, 20 high: length 10.
    {"double vert centre",
     GT::gtDoubleVert,
     Rect(0, 0, 3, 20),
     {0, 0, 0},
     {100, 100, 100},
     2,
     10,
     {0, 0, 0}},
    {"double vert y=15",
     GT::gtDoubleVert,
     Rect(0, 0, 3, 20),
     {0, 0, 0},
     {100, 100, 100},
     2,
     15,
     {50, 50, 50}},
    {"double vert top",
     GT::gtDoubleVert,
     Rect(0, 0, 3, 20),
     {0, 0, 0},
     {100, 100, 100},
     0,
     0,
     {100, 100, 100}},
    // From the top-left corner over a 30 x 40 rectangle: length 50, step 5 per pixel of distance.
    {"top-left (3,4)",
     GT::gtFromTopLeft,
     Rect(0, 0, 30, 40),
     {0, 0, 0},
     {250, 0, 0},
     3,
     4,
     {25, 0, 0}},
    {"top-left (18,24)",
     GT::gtFromTopLeft,
     Rect(0, 0, 30, 40),
     {0, 0, 0},
     {250, 0, 0},
     18,
     24,
     {150, 0, 0}},
    {"top-left far corner",
     GT::gtFromTopLeft,
     Rect(0, 0, 30, 40),
     {0, 0, 0},
     {250, 0, 0},
     29,
     39,
     {243, 0, 0}},
    // From the top-right: the distance is measured from the right edge (x = 30).
    {"top-right (27,4)",
     GT::gtFromTopRight,
     Rect(0, 0, 30, 40),
     {0, 0, 0},
     {250, 0, 0},
     27,
     4,
     {25, 0, 0}},
    {"top-right (0,0)",
     GT::gtFromTopRight,
     Rect(0, 0, 30, 40),
     {0, 0, 0},
     {250, 0, 0},
     0,
     0,
     {150, 0, 0}},
    // Radial over 60 x 80: centre (30, 40), length 50.
    {"radial centre", GT::gtRadial, Rect(0, 0, 60, 80), {0, 0, 0}, {0, 0, 250}, 30, 40, {0, 0, 0}},
    {"radial (33,44)",
     GT::gtRadial,
     Rect(0, 0, 60, 80),
     {0, 0, 0},
     {0, 0, 250},
     33,
     44,
     {0, 0, 25}},
    {"radial corner", GT::gtRadial, Rect(0, 0, 60, 80), {0, 0, 0}, {0, 0, 250}, 0, 0, {0, 0, 250}},
    {"radial far corner",
     GT::gtRadial,
     Rect(0, 0, 60, 80),
     {0, 0, 0},
     {0, 0, 250},
     59,
     79,
     {0, 0, 243}},
    // The corners of a square lie beyond the radial length (70.7 > 70): held at the end colour.
    {"radial overshoot held",
     GT::gtRadial,
     Rect(0, 0, 100, 100),
     {0, 0, 0},
     {255, 255, 255},
     0,
     0,
     {255, 255, 255}},
    // Lengths of 0 take the start colour everywhere.
    {"double horz one column",
     GT::gtDoubleHorz,
     Rect(0, 0, 1, 5),
     {10, 20, 30},
     {200, 200, 200},
     0,
     3,
     {10, 20, 30}},
    {"double vert one row",
     GT::gtDoubleVert,
     Rect(0, 0, 5, 1),
     {10, 20, 30},
     {200, 200, 200},
     4,
     0,
     {10, 20, 30}},
    {"radial one pixel",
     GT::gtRadial,
     Rect(0, 0, 1, 1),
     {10, 20, 30},
     {200, 200, 200},
     0,
     0,
     {10, 20, 30}},
};

INSTANTIATE_TEST_SUITE_P(Geometries, GradientPixel, ::testing::ValuesIn(kGradientCases));

TEST(Gradient, DoubleHorzIsSymmetricAroundColumn50) {
  TBitmap bitmap(100, 3);
  DrawGradient(bitmap, Rect(0, 0, 100, 3), RGB(250, 10, 40), RGB(0, 190, 90),
               TGradientType::gtDoubleHorz);
  EXPECT_EQ(PixelAt(bitmap, 50, 1), (Rgb{250, 10, 40}));
  EXPECT_EQ(PixelAt(bitmap, 0, 1), (Rgb{0, 190, 90}));
  for (int k = 1; k <= 49; ++k)
    EXPECT_EQ(PixelAt(bitmap, 50 - k, 2), PixelAt(bitmap, 50 + k, 2)) << k;
}

TEST(Gradient, RadialRunsFromTheCentreToTheCorners) {
  TBitmap bitmap(40, 40);
  DrawGradient(bitmap, Rect(0, 0, 40, 40), clBlack, RGB(0, 200, 0), TGradientType::gtRadial);
  EXPECT_EQ(PixelAt(bitmap, 20, 20), (Rgb{0, 0, 0}));
  // Farther from the centre is brighter, on every ray.
  for (int k = 1; k < 20; ++k) {
    EXPECT_GT(PixelAt(bitmap, 20 + k, 20 + k).g, PixelAt(bitmap, 20 + k - 1, 20 + k - 1).g) << k;
    EXPECT_GT(PixelAt(bitmap, 20 - k, 20).g, PixelAt(bitmap, 20 - k + 1, 20).g) << k;
  }
  // The corner lies at 28.28, a little beyond the length of 28: 200 / 28 * 28.28 = 202.
  EXPECT_EQ(PixelAt(bitmap, 0, 0), (Rgb{0, 202, 0}));
}

TEST(Gradient, SystemColoursAreResolvedBeforeTheArithmetic) {
  TBitmap bitmap(2, 1);
  // clBtnFace (212, 208, 200) to black over 2 columns: column 1 is half way.
  DrawGradient(bitmap, Rect(0, 0, 2, 1), clBtnFace, clBlack, TGradientType::gtHorizontal);
  EXPECT_EQ(PixelAt(bitmap, 0, 0), (Rgb{212, 208, 200}));
  EXPECT_EQ(PixelAt(bitmap, 1, 0), (Rgb{106, 104, 100}));
}

TEST(Gradient, EqualColoursFillTheRegionWithoutComputing) {
  TBitmap bitmap = Patterned(20, 20);
  const TRegion region = CreateRectRgn(0, 0, 20, 20);
  // The region reaches beyond the rectangle: a plain fill of the region covers all of it,
  // where a computed gradient would stay inside the rectangle.
  DrawGradient(bitmap, Rect(5, 5, 10, 10), clBtnFace, clBtnFace, TGradientType::gtRadial, &region);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(PixelAt(bitmap, x, y), ToRgb(clBtnFace)) << x << "," << y;
  EXPECT_EQ(bitmap.Canvas().Brush().Color(), clBtnFace);
}

TEST(Gradient, EqualColoursWithoutRegionFillTheRectangleOnly) {
  TBitmap bitmap = Patterned(12, 12);
  const TBitmap before = Patterned(12, 12);
  DrawGradient(bitmap, Rect(2, 3, 8, 9), RGB(1, 2, 3), RGB(1, 2, 3), TGradientType::gtVertical);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 2 && x < 8 && y >= 3 && y < 9;
      ASSERT_EQ(PixelAt(bitmap, x, y), (inside ? Rgb{1, 2, 3} : PixelAt(before, x, y)))
          << x << "," << y;
    }
}

TEST(Gradient, RegionClippingLeavesOutsidePixelsUntouched) {
  TBitmap clipped = Patterned(30, 30, 5);
  const TBitmap before = Patterned(30, 30, 5);
  TBitmap full(30, 30);
  const TRegion region = CreateEllipticRgn(3, 4, 27, 25);
  DrawGradient(clipped, Rect(0, 0, 30, 30), clWhite, clNavy, TGradientType::gtFromTopLeft, &region);
  DrawGradient(full, Rect(0, 0, 30, 30), clWhite, clNavy, TGradientType::gtFromTopLeft);
  int inside = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      const bool in = region.Contains(x, y);
      inside += in;
      ASSERT_EQ(PixelAt(clipped, x, y), in ? PixelAt(full, x, y) : PixelAt(before, x, y))
          << x << "," << y;
    }
  EXPECT_GT(inside, 300);
}

TEST(Gradient, AnEmptyBitmapOrRectangleIsLeftAlone) {
  TBitmap empty;
  DrawGradient(empty, Rect(0, 0, 10, 10), clWhite, clBlack, TGradientType::gtVertical);
  EXPECT_TRUE(empty.Empty());
  TBitmap bitmap = Patterned(6, 6);
  const TBitmap before = Patterned(6, 6);
  for (GT type : {GT::gtHorizontal, GT::gtVertical, GT::gtFromTopLeft, GT::gtFromTopRight,
                  GT::gtRadial, GT::gtDoubleHorz, GT::gtDoubleVert})
    DrawGradient(bitmap, Rect(3, 3, 3, 3), clWhite, clBlack, type);
  EXPECT_EQ(FirstDifference(bitmap, before), "");
}

TEST(Gradient, ARectangleBeyondTheBitmapPaintsOnlyTheBitmap) {
  TBitmap bitmap(10, 10);
  DrawGradient(bitmap, Rect(0, 0, 20, 20), clBlack, RGB(200, 0, 0), TGradientType::gtHorizontal);
  EXPECT_EQ(PixelAt(bitmap, 9, 9), (Rgb{90, 0, 0}));
}

}  // namespace
