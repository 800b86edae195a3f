#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

PixelSet Line(TPoint from, TPoint to, int penWidth = 1) {
  TBitmap bitmap(12, 12);
  bitmap.Canvas().Pen().SetWidth(penWidth);
  bitmap.Canvas().MoveTo(from.X, from.Y);
  bitmap.Canvas().LineTo(to.X, to.Y);
  return PixelsOf(bitmap, clBlack);
}

}  // namespace

TEST(CanvasLines, EndPixelIsLeftOut) {
  EXPECT_EQ(Line({0, 0}, {5, 0}), (PixelSet{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
  EXPECT_EQ(Line({5, 0}, {0, 0}), (PixelSet{{5, 0}, {4, 0}, {3, 0}, {2, 0}, {1, 0}}));
  EXPECT_EQ(Line({2, 1}, {2, 4}), (PixelSet{{2, 1}, {2, 2}, {2, 3}}));
  EXPECT_EQ(Line({3, 3}, {3, 3}), PixelSet{});
  EXPECT_EQ(Line({0, 0}, {3, 3}), (PixelSet{{0, 0}, {1, 1}, {2, 2}}));
}

TEST(CanvasLines, PenWidthZeroAndOneDrawOnePixel) {
  EXPECT_EQ(Line({1, 5}, {9, 5}, 0), Line({1, 5}, {9, 5}, 1));
  EXPECT_EQ(Line({1, 5}, {9, 5}, 0).size(), 8u);
  EXPECT_EQ(Line({1, 1}, {4, 9}, 0), Line({1, 1}, {4, 9}, 1));
  // A wider pen covers more than the line's own pixels.
  EXPECT_GT(Line({1, 5}, {9, 5}, 3).size(), 8u);
}

TEST(CanvasLines, PenPositionFollowsLineTo) {
  TBitmap bitmap(4, 4);
  TCanvas& canvas = bitmap.Canvas();
  canvas.MoveTo(0, 0);
  canvas.LineTo(3, 0);
  EXPECT_EQ(canvas.PenPos(), Point(3, 0));
  canvas.LineTo(3, 3);
  // The corner is drawn by the second line; its end (3, 3) is not.
  EXPECT_EQ(PixelsOf(bitmap, clBlack), (PixelSet{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}}));
}

TEST(CanvasLines, CheckMarkSegmentsSetExactlyTheCheckBoxPixels) {
  // The flat check box's six segments, each without its end point.
  TBitmap bitmap(11, 11);
  TCanvas& canvas = bitmap.Canvas();
  const TPoint segments[][2] = {{{2, 4}, {6, 8}}, {{2, 5}, {5, 8}}, {{2, 6}, {5, 9}},
                                {{8, 2}, {4, 6}}, {{8, 3}, {4, 7}}, {{8, 4}, {5, 7}}};
  for (const auto& s : segments) {
    canvas.MoveTo(s[0].X, s[0].Y);
    canvas.LineTo(s[1].X, s[1].Y);
  }
  const PixelSet expected = {{2, 4}, {3, 5}, {4, 6}, {5, 7}, {2, 5}, {3, 6}, {4, 7},
                             {2, 6}, {3, 7}, {4, 8}, {8, 2}, {7, 3}, {6, 4}, {5, 5},
                             {8, 3}, {7, 4}, {6, 5}, {5, 6}, {8, 4}, {7, 5}, {6, 6}};
  EXPECT_EQ(PixelsOf(bitmap, clBlack), expected);
}

TEST(CanvasLines, PolylineLeavesOutOnlyTheLastPoint) {
  // The smooth panel's outer light line: (0, H) -> (0, 0) -> (W, 0) on a W x H bitmap covers
  // the whole left column and top row.
  TBitmap bitmap(6, 4);
  bitmap.Canvas().Polyline({Point(0, 4), Point(0, 0), Point(6, 0)});
  PixelSet expected;
  for (int y = 0; y < 4; ++y) expected.insert({0, y});
  for (int x = 0; x < 6; ++x) expected.insert({x, 0});
  EXPECT_EQ(PixelsOf(bitmap, clBlack), expected);

  TBitmap second(6, 4);
  second.Canvas().Polyline({Point(1, 3), Point(4, 3), Point(4, 0)});
  EXPECT_EQ(PixelsOf(second, clBlack), (PixelSet{{1, 3}, {2, 3}, {3, 3}, {4, 3}, {4, 2}, {4, 1}}));
}

TEST(CanvasLines, ClearPenDrawsNothingAndDotsRepeat) {
  TBitmap bitmap(12, 2);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen().SetStyle(psClear);
  canvas.MoveTo(0, 0);
  canvas.LineTo(12, 0);
  EXPECT_TRUE(PixelsOf(bitmap, clBlack).empty());
  canvas.Pen().SetStyle(psDot);
  canvas.MoveTo(0, 1);
  canvas.LineTo(12, 1);
  EXPECT_EQ(PixelsOf(bitmap, clBlack), (PixelSet{{0, 1}, {1, 1}, {2, 1}, {6, 1}, {7, 1}, {8, 1}}));
}

TEST(CanvasLines, XorPenInvertsTwiceBackToTheOriginal) {
  TBitmap bitmap(5, 1);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen().SetMode(pmXor);
  canvas.Pen().SetColor(clWhite);
  canvas.MoveTo(0, 0);
  canvas.LineTo(5, 0);
  EXPECT_EQ(PixelsOf(bitmap, clBlack).size(), 5u);
  canvas.MoveTo(0, 0);
  canvas.LineTo(5, 0);
  EXPECT_EQ(PixelsOf(bitmap, clWhite).size(), 5u);
}

TEST(CanvasLines, LinesRespectTheClipRectangle) {
  TBitmap bitmap(10, 3);
  bitmap.Canvas().SetClipRect(Rect(2, 0, 5, 3));
  bitmap.Canvas().MoveTo(0, 1);
  bitmap.Canvas().LineTo(10, 1);
  EXPECT_EQ(PixelsOf(bitmap, clBlack), (PixelSet{{2, 1}, {3, 1}, {4, 1}}));
  EXPECT_EQ(bitmap.Canvas().ClipRect(), Rect(2, 0, 5, 3));
  bitmap.Canvas().ResetClip();
  EXPECT_EQ(bitmap.Canvas().ClipRect(), Rect(0, 0, 10, 3));
}

TEST(CanvasEdges, Frame3DGivesTheFarCornersToTheBottomColour) {
  // The flat button's frame: top colour on row 0 (columns 0..W-2) and column 0 (rows
  // 1..H-2), bottom colour on column W-1 and row H-1.
  const int w = 6;
  const int h = 5;
  TBitmap bitmap(w, h);
  TRect r = Rect(0, 0, w, h);
  bitmap.Canvas().Frame3D(r, clRed, clBlue, 1);
  PixelSet top;
  PixelSet bottom;
  for (int x = 0; x <= w - 2; ++x) top.insert({x, 0});
  for (int y = 1; y <= h - 2; ++y) top.insert({0, y});
  for (int y = 0; y < h; ++y) bottom.insert({w - 1, y});
  for (int x = 0; x < w; ++x) bottom.insert({x, h - 1});
  EXPECT_EQ(PixelsOf(bitmap, clRed), top);
  EXPECT_EQ(PixelsOf(bitmap, clBlue), bottom);
  EXPECT_EQ(r, Rect(1, 1, w - 1, h - 1));
  EXPECT_EQ(bitmap.Canvas().Pen().Color(), clBlue);

  TBitmap wide(6, 6);
  TRect r2 = Rect(0, 0, 6, 6);
  wide.Canvas().Frame3D(r2, clRed, clBlue, 2);
  EXPECT_EQ(r2, Rect(2, 2, 4, 4));
  EXPECT_EQ(wide.Canvas().Pixels(1, 1), clRed);
  EXPECT_EQ(wide.Canvas().Pixels(4, 4), clBlue);
  EXPECT_EQ(wide.Canvas().Pixels(2, 2), clWhite);
}

TEST(CanvasEdges, SunkenEdgeUsesTheClassicColours) {
  TBitmap bitmap(8, 8);
  TRect r = Rect(1, 1, 7, 7);
  bitmap.Canvas().DrawEdge(r, BDR_SUNKENOUTER | BDR_SUNKENINNER, BF_RECT | BF_ADJUST);
  TCanvas& c = bitmap.Canvas();
  EXPECT_EQ(c.Pixels(1, 1), ColorToRGB(clBtnShadow));     // outer top-left
  EXPECT_EQ(c.Pixels(6, 6), ColorToRGB(clBtnHighlight));  // outer bottom-right
  EXPECT_EQ(c.Pixels(6, 1), ColorToRGB(clBtnHighlight));  // far corner: bottom-right colour
  EXPECT_EQ(c.Pixels(2, 2), ColorToRGB(cl3DDkShadow));    // inner top-left
  EXPECT_EQ(c.Pixels(5, 5), ColorToRGB(cl3DLight));       // inner bottom-right
  EXPECT_EQ(c.Pixels(3, 3), clWhite);
  EXPECT_EQ(c.Pixels(0, 0), clWhite);
  EXPECT_EQ(r, Rect(3, 3, 5, 5));

  TBitmap raised(4, 4);
  TRect all = Rect(0, 0, 4, 4);
  raised.Canvas().DrawEdge(all, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  EXPECT_EQ(raised.Canvas().Pixels(0, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(raised.Canvas().Pixels(3, 3), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(raised.Canvas().Pixels(1, 1), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(all, Rect(0, 0, 4, 4));  // not adjusted without BF_ADJUST
}
