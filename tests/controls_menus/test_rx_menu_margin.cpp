// The margin gradient: at most 32 bands with MulDiv rounding, the rows left over in the end
// colour, the untouched column and the two edge lines.
#include <gtest/gtest.h>

#include <vector>

#include "controls/RxMenuMargin.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr TColor kStart = 5943291;  // (251, 175, 90)
constexpr TColor kEnd = 2971517;    // (125, 87, 45): each component halved
constexpr TColor kUnder = RGB(1, 2, 3);

TBitmap MarginFace(int width, int height, const TRect& margin) {
  TBitmap face(width, height);
  face.Canvas().Brush().SetColor(kUnder);
  face.Canvas().FillRect(Rect(0, 0, width, height));
  PaintMenuMarginGradient(face.Canvas(), margin, kStart, kEnd);
  return face;
}

TEST(MarginBands, ComponentsMoveByRoundedMulDiv) {
  EXPECT_EQ(kEnd, RGB(251 / 2, 175 / 2, 90 / 2));
  struct Case {
    int index;
    int count;
    TColor expected;
  };
  const std::vector<Case> cases = {
      {0, 32, RGB(251, 175, 90)},
      // -126/31 = -4.06, -88/31 = -2.84, -45/31 = -1.45
      {1, 32, RGB(247, 172, 89)},
      // 16 * -126 / 31 = -65.03, 16 * -88 / 31 = -45.42, 16 * -45 / 31 = -23.2
      {16, 32, RGB(186, 130, 67)},
      {31, 32, RGB(125, 87, 45)},
      // A half rounds away from zero: -45 / 2 = -22.5 -> -23; -126 / 2 = -63; -88 / 2 = -44.
      {1, 3, RGB(188, 131, 67)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MarginBandColor(kStart, kEnd, c.index, c.count), c.expected)
        << c.index << "/" << c.count;
}

TEST(MarginBands, SystemColoursAreResolvedFirst) {
  EXPECT_EQ(MarginBandColor(clBtnShadow, clBtnShadow, 5, 32), ColorToRGB(clBtnShadow));
}

TEST(MarginGradient, HundredRowsMakeBandsOfThreeAndALastStripOfFour) {
  TBitmap face = MarginFace(40, 110, Rect(0, 5, 30, 105));
  for (int band = 0; band < 32; ++band)
    for (int row = 0; row < 3; ++row) {
      const int y = 5 + band * 3 + row;
      EXPECT_EQ(face.Canvas().Pixels(0, y), MarginBandColor(kStart, kEnd, band, 32)) << y;
      EXPECT_EQ(face.Canvas().Pixels(26, y), MarginBandColor(kStart, kEnd, band, 32)) << y;
    }
  for (int y = 101; y < 105; ++y) EXPECT_EQ(face.Canvas().Pixels(13, y), kEnd) << y;
  // The band colour at row 98 is band 31's, which is the end colour too; band 30 is not.
  EXPECT_NE(face.Canvas().Pixels(0, 5 + 30 * 3), kEnd);
  // Outside the rectangle nothing changes.
  EXPECT_EQ(face.Canvas().Pixels(0, 4), kUnder);
  EXPECT_EQ(face.Canvas().Pixels(0, 105), kUnder);
  EXPECT_EQ(face.Canvas().Pixels(30, 50), kUnder);
}

TEST(MarginGradient, RightEdgeHasAnUntouchedColumnThenShadowAndHighlight) {
  TBitmap face = MarginFace(40, 60, Rect(0, 0, 30, 50));
  for (int y = 0; y < 50; ++y) {
    EXPECT_EQ(face.Canvas().Pixels(27, y), kUnder) << y;
    EXPECT_EQ(face.Canvas().Pixels(28, y), ColorToRGB(clBtnShadow)) << y;
    EXPECT_EQ(face.Canvas().Pixels(29, y), ColorToRGB(clBtnHighlight)) << y;
  }
  EXPECT_EQ(face.Canvas().Pixels(28, 50), kUnder);
}

TEST(MarginGradient, ShortStripsGetOneBandPerRow) {
  struct Case {
    int height;
    std::vector<TColor> rows;
  };
  const std::vector<Case> cases = {
      {3, {kStart, RGB(188, 131, 67), kEnd}},
      {2, {kStart, kEnd}},
      // Two bands of no rows; the one row left over is the end colour.
      {1, {kEnd}},
  };
  for (const Case& c : cases) {
    TBitmap face = MarginFace(20, 10, Rect(0, 0, 10, c.height));
    for (int y = 0; y < c.height; ++y)
      EXPECT_EQ(face.Canvas().Pixels(3, y), c.rows[static_cast<std::size_t>(y)])
          << c.height << " rows, row " << y;
    EXPECT_EQ(face.Canvas().Pixels(3, c.height), kUnder);
  }
}

TEST(MarginGradient, TallStripKeepsThirtyTwoBands) {
  TBitmap face = MarginFace(10, 400, Rect(0, 0, 10, 330));
  // 330 / 32 = 10 rows a band, 10 rows left over.
  EXPECT_EQ(face.Canvas().Pixels(0, 9), kStart);
  EXPECT_EQ(face.Canvas().Pixels(0, 10), MarginBandColor(kStart, kEnd, 1, 32));
  EXPECT_EQ(face.Canvas().Pixels(0, 319), MarginBandColor(kStart, kEnd, 31, 32));
  EXPECT_EQ(face.Canvas().Pixels(0, 320), kEnd);
}

TEST(MarginGradient, NarrowStripDrawsOnlyTheLines) {
  TBitmap face = MarginFace(10, 10, Rect(0, 0, 3, 8));
  EXPECT_EQ(face.Canvas().Pixels(0, 4), kUnder);
  EXPECT_EQ(face.Canvas().Pixels(1, 4), ColorToRGB(clBtnShadow));
  EXPECT_EQ(face.Canvas().Pixels(2, 4), ColorToRGB(clBtnHighlight));
}

}  // namespace
