#include <gtest/gtest.h>

#include "platform/graphics/Region.h"

TEST(Region, RectangleRegionsExcludeRightAndBottom) {
  const TRegion r = CreateRectRgn(1, 2, 4, 5);
  EXPECT_EQ(r.BoundsRect(), Rect(1, 2, 4, 5));
  EXPECT_TRUE(PtInRegion(r, 1, 2));
  EXPECT_TRUE(PtInRegion(r, 3, 4));
  EXPECT_FALSE(PtInRegion(r, 4, 4));
  EXPECT_FALSE(PtInRegion(r, 3, 5));
  EXPECT_TRUE(CreateRectRgn(3, 3, 3, 9).IsEmpty());
  EXPECT_EQ(CreateRectRgn(4, 5, 1, 2), r);  // reversed corners give the same region
}

TEST(Region, RoundRectRegionCoversTheWindowGivenPlusOne) {
  // A window W x H uses (0, 0, W + 1, H + 1): the region ends at the window's last pixel.
  const TRegion window = CreateRoundRectRgn(0, 0, 101, 51, 10, 10);
  EXPECT_EQ(window.BoundsRect(), Rect(0, 0, 100, 50));
  EXPECT_FALSE(window.Contains(0, 0));
  EXPECT_FALSE(window.Contains(99, 49));
  EXPECT_FALSE(window.Contains(99, 0));
  EXPECT_TRUE(window.Contains(50, 0));
  EXPECT_TRUE(window.Contains(0, 25));
  EXPECT_TRUE(window.Contains(99, 25));
  EXPECT_TRUE(window.Contains(50, 49));
  // Small corner ellipses give a plain rectangle.
  EXPECT_EQ(CreateRoundRectRgn(0, 0, 11, 11, 1, 1), CreateRectRgn(0, 0, 10, 10));
  EXPECT_TRUE(CreateRoundRectRgn(0, 0, 1, 1, 4, 4).IsEmpty());
}

TEST(Region, ShapeRowsAreSymmetricAndShrinkTowardsTheCorners) {
  const std::vector<int> insets = RoundRectInsets(20, 10, 10, 10);
  ASSERT_EQ(insets.size(), 10u);
  for (std::size_t i = 0; i < insets.size(); ++i) EXPECT_EQ(insets[i], insets[9 - i]);
  EXPECT_GT(insets[0], insets[1]);
  EXPECT_GE(insets[1], insets[2]);
  EXPECT_EQ(insets[5], 0);
  EXPECT_EQ(RoundRectInsets(20, 10, 0, 0), std::vector<int>(10, 0));
  // A circle's top row is narrower than its middle and never empty.
  const std::vector<int> circle = RoundRectInsets(9, 9, 9, 9);
  EXPECT_GT(circle[0], 0);
  EXPECT_LT(2 * circle[0], 9);
  EXPECT_EQ(circle[4], 0);
}

TEST(Region, CombiningAndMoving) {
  const TRegion a = CreateRectRgn(0, 0, 4, 4);
  const TRegion b = CreateRectRgn(2, 2, 6, 6);
  TRegion dest;
  EXPECT_EQ(CombineRgn(dest, a, b, RGN_AND), SIMPLEREGION);
  EXPECT_EQ(dest.BoundsRect(), Rect(2, 2, 4, 4));
  EXPECT_EQ(CombineRgn(dest, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_TRUE(dest.Contains(5, 5));
  EXPECT_TRUE(dest.Contains(0, 0));
  EXPECT_FALSE(dest.Contains(5, 0));
  EXPECT_EQ(CombineRgn(dest, a, b, RGN_DIFF), COMPLEXREGION);
  EXPECT_FALSE(dest.Contains(3, 3));
  EXPECT_TRUE(dest.Contains(1, 3));
  EXPECT_EQ(CombineRgn(dest, a, b, RGN_XOR), COMPLEXREGION);
  EXPECT_FALSE(dest.Contains(3, 3));
  EXPECT_TRUE(dest.Contains(5, 5));
  EXPECT_EQ(CombineRgn(dest, a, a, RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(dest, b, a, RGN_COPY), SIMPLEREGION);
  EXPECT_EQ(dest, b);
  dest.Offset(-2, -2);
  EXPECT_EQ(dest.BoundsRect(), Rect(0, 0, 4, 4));
  EXPECT_EQ(b.BoundsRect(), Rect(2, 2, 6, 6));  // copies do not share their shape

  std::vector<TRect> rects = CreateEllipticRgn(0, 0, 11, 11).Rects();
  ASSERT_FALSE(rects.empty());
  int area = 0;
  for (const TRect& r : rects) area += r.Width() * r.Height();
  EXPECT_GT(area, 60);  // about pi * 25 = 78 pixels
  EXPECT_LT(area, 100);
}
