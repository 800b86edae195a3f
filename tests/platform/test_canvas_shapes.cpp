#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"

namespace {

// A pixel set's mirror image across the vertical and horizontal centre of a w x h box.
PixelSet Mirrored(const PixelSet& pixels, int w, int h, bool horizontal) {
  PixelSet out;
  for (const auto& [x, y] : pixels)
    out.insert(horizontal ? std::pair{w - 1 - x, y} : std::pair{x, h - 1 - y});
  return out;
}

}  // namespace

TEST(CanvasShapes, FillRectExcludesRightAndBottom) {
  TBitmap bitmap(5, 5);
  bitmap.Canvas().Brush().SetColor(clRed);
  bitmap.Canvas().FillRect(Rect(1, 1, 3, 3));
  EXPECT_EQ(PixelsOf(bitmap, clRed), (PixelSet{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
  bitmap.Canvas().Brush().SetStyle(bsClear);
  bitmap.Canvas().FillRect(Rect(0, 0, 5, 5));
  EXPECT_EQ(PixelsOf(bitmap, clRed).size(), 4u);
  // Setting a colour makes a clear brush solid again, as the classic brush does.
  bitmap.Canvas().Brush().SetColor(clBlue);
  EXPECT_EQ(bitmap.Canvas().Brush().Style(), bsSolid);
  bitmap.Canvas().FillRect(Rect(-3, -3, 100, 1));  // outside parts are ignored
  EXPECT_EQ(PixelsOf(bitmap, clBlue).size(), 5u);
}

TEST(CanvasShapes, FrameRectDrawsOnlyTheOutermostPixels) {
  TBitmap bitmap(6, 6);
  bitmap.Canvas().Brush().SetColor(clRed);
  bitmap.Canvas().FrameRect(Rect(1, 1, 5, 4));
  EXPECT_EQ(Picture(bitmap, clWhite),
            "......\n"
            ".####.\n"
            ".#..#.\n"
            ".####.\n"
            "......\n"
            "......\n");
}

TEST(CanvasShapes, RectangleDrawsPenOutlineAndBrushInside) {
  TBitmap bitmap(6, 6);
  TCanvas& c = bitmap.Canvas();
  c.Pen().SetColor(clRed);
  c.Brush().SetColor(clBlue);
  c.Rectangle(1, 1, 5, 5);
  EXPECT_EQ(PixelsOf(bitmap, clRed).size(), 12u);
  EXPECT_EQ(PixelsOf(bitmap, clBlue), (PixelSet{{2, 2}, {3, 2}, {2, 3}, {3, 3}}));
  EXPECT_EQ(BoundsOf(PixelsOf(bitmap, clRed)), Rect(1, 1, 5, 5));

  // Without a pen the filled area is one pixel smaller on the right and bottom.
  TBitmap clear(6, 6);
  clear.Canvas().Pen().SetStyle(psClear);
  clear.Canvas().Brush().SetColor(clBlue);
  clear.Canvas().Rectangle(1, 1, 5, 5);
  EXPECT_EQ(BoundsOf(PixelsOf(clear, clBlue)), Rect(1, 1, 4, 4));

  // A clear brush leaves the inside alone.
  TBitmap hollow(6, 6);
  hollow.Canvas().Brush().SetStyle(bsClear);
  hollow.Canvas().Rectangle(0, 0, 6, 6);
  EXPECT_EQ(PixelsOf(hollow, clBlack).size(), 20u);
  EXPECT_EQ(hollow.Canvas().Pixels(3, 3), clWhite);

  // A two-pixel pen spreads one pixel outwards from the outline.
  TBitmap wide(8, 8);
  wide.Canvas().Pen().SetWidth(2);
  wide.Canvas().Rectangle(2, 2, 6, 6);
  EXPECT_EQ(BoundsOf(PixelsOf(wide, clBlack)), Rect(1, 1, 7, 7));
  EXPECT_EQ(PixelsOf(wide, clWhite).size(), 64u - 36u + 4u);
}

TEST(CanvasShapes, RoundRectStaysInsideItsRectangleAndIsSymmetric) {
  for (int ellipse : {0, 2, 5, 10, 20}) {
    TBitmap bitmap(24, 16);
    TCanvas& c = bitmap.Canvas();
    c.Pen().SetColor(clRed);
    c.Brush().SetColor(clBlue);
    c.RoundRect(2, 1, 22, 15, ellipse, ellipse);
    const PixelSet outline = PixelsOf(bitmap, clRed);
    const PixelSet inside = PixelsOf(bitmap, clBlue);
    EXPECT_EQ(BoundsOf(outline), Rect(2, 1, 22, 15)) << ellipse;
    PixelSet shape = outline;
    shape.insert(inside.begin(), inside.end());
    // Shift to the box's own coordinates to compare with the mirror images.
    PixelSet local;
    for (const auto& [x, y] : shape) local.insert({x - 2, y - 1});
    EXPECT_EQ(local, Mirrored(local, 20, 14, true)) << ellipse;
    EXPECT_EQ(local, Mirrored(local, 20, 14, false)) << ellipse;
    if (ellipse >= 5) {
      EXPECT_EQ(c.Pixels(2, 1), clWhite) << ellipse;  // corners are cut
      EXPECT_EQ(c.Pixels(21, 14), clWhite) << ellipse;
    }
    // Every outline pixel touches the outside; every inside pixel is surrounded by the shape.
    for (const auto& [x, y] : inside)
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        EXPECT_TRUE(shape.count({x + dx, y + dy})) << ellipse << " at " << x << "," << y;
  }
}

TEST(CanvasShapes, RoundRectCoversTheSamePixelsAsTheWindowRegion) {
  // A window W x H gets the region (0, 0, W + 1, H + 1); RoundRect on (0, 0, W, H) must paint
  // exactly that region, or the rounded border and the window's edge would not meet.
  const int w = 30;
  const int h = 20;
  TBitmap bitmap(w, h);
  bitmap.Canvas().Brush().SetColor(clBlack);
  bitmap.Canvas().RoundRect(0, 0, w, h, 10, 10);
  const TRegion region = CreateRoundRectRgn(0, 0, w + 1, h + 1, 10, 10);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      EXPECT_EQ(bitmap.Canvas().Pixels(x, y) == clBlack, region.Contains(x, y)) << x << "," << y;
}

TEST(CanvasShapes, WidePenRoundRectTouchesTheEdge) {
  // The rounded panel: pen p = 29 centred on the outline from (h, h) with h = p div 2, so
  // the border's outer edge touches the bitmap's edge and the inside gets the brush.
  const int w = 120;
  const int h = 90;
  TBitmap bitmap(w, h);
  TCanvas& c = bitmap.Canvas();
  c.Pen().SetWidth(29);
  c.Pen().SetColor(clRed);
  c.Brush().SetColor(clBlue);
  c.RoundRect(14, 14, w - 14, h - 14, 30, 30);
  EXPECT_EQ(BoundsOf(PixelsOf(bitmap, clRed)), Rect(0, 0, w, h));
  EXPECT_EQ(c.Pixels(w / 2, 0), clRed);
  EXPECT_EQ(c.Pixels(w / 2, 28), clRed);
  EXPECT_EQ(c.Pixels(w / 2, 29), clBlue);
  EXPECT_EQ(c.Pixels(0, 0), clWhite);
  EXPECT_EQ(c.Pixels(w / 2, h / 2), clBlue);
}

TEST(CanvasShapes, EllipseIsInsideAndSymmetric) {
  TBitmap bitmap(12, 9);
  bitmap.Canvas().Ellipse(0, 0, 12, 9);
  const PixelSet shape = PixelsNot(bitmap, clWhite);
  EXPECT_EQ(BoundsOf(shape), Rect(0, 0, 12, 9));
  EXPECT_EQ(shape, Mirrored(shape, 12, 9, true));
  EXPECT_EQ(shape, Mirrored(shape, 12, 9, false));
  EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clWhite);
  EXPECT_EQ(bitmap.Canvas().Pixels(0, 4), clBlack);
}

TEST(CanvasShapes, PolygonFillsTheRulerPentagon) {
  // The first-line marker: fill the pentagon (0,0), (0,5), (5,9), (9,5), (9,0) on a white
  // 9 x 9 bitmap. The fill is exactly the area the marker's outline lines enclose.
  TBitmap bitmap(9, 9);
  TCanvas& c = bitmap.Canvas();
  c.Brush().SetColor(clBtnFace);
  c.Pen().SetStyle(psClear);
  const std::vector<TPoint> pentagon = {Point(0, 0), Point(0, 5), Point(5, 9), Point(9, 5),
                                        Point(9, 0)};
  c.Polygon(pentagon);
  EXPECT_EQ(Picture(bitmap, clWhite),
            "#########\n"
            "#########\n"
            "#########\n"
            "#########\n"
            "#########\n"
            ".#######.\n"
            "..#####..\n"
            "...###...\n"
            "....#....\n");
  EXPECT_EQ(PixelsOf(bitmap, clBtnFace).size(), 61u);

  // With a pen, the closed outline runs through the vertices inside the bitmap.
  TBitmap outlined(10, 10);
  outlined.Canvas().Brush().SetStyle(bsClear);
  outlined.Canvas().Polygon(pentagon);
  for (const TPoint& p : pentagon) EXPECT_EQ(outlined.Canvas().Pixels(p.X, p.Y), clBlack);
  EXPECT_EQ(outlined.Canvas().Pixels(4, 4), clWhite);
}

TEST(CanvasShapes, RegionsFillFrameAndClip) {
  TBitmap bitmap(12, 12);
  TCanvas& c = bitmap.Canvas();
  const TRegion region = CreateRoundRectRgn(0, 0, 13, 13, 6, 6);
  c.Brush().SetColor(clRed);
  c.FillRgn(region);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x)
      EXPECT_EQ(c.Pixels(x, y) == clRed, region.Contains(x, y)) << x << "," << y;

  TBitmap framed(8, 8);
  framed.Canvas().Brush().SetColor(clBlue);
  framed.Canvas().FrameRgn(CreateRectRgn(1, 1, 7, 7), 1, 1);
  EXPECT_EQ(PixelsOf(framed, clBlue).size(), 20u);
  EXPECT_EQ(framed.Canvas().Pixels(3, 3), clWhite);

  // Drawing with a clip region touches only the region.
  TBitmap clipped(10, 10);
  clipped.Canvas().SetClipRegion(CreateRectRgn(0, 0, 3, 3).United(CreateRectRgn(7, 7, 10, 10)));
  clipped.Canvas().Brush().SetColor(clGreen);
  clipped.Canvas().FillRect(Rect(0, 0, 10, 10));
  EXPECT_EQ(PixelsOf(clipped, clGreen).size(), 18u);
  EXPECT_EQ(clipped.Canvas().ClipRect(), Rect(0, 0, 10, 10));
}

TEST(CanvasShapes, PixelsOutsideTheBitmapAreSafe) {
  TBitmap bitmap(3, 3);
  TCanvas& c = bitmap.Canvas();
  EXPECT_EQ(c.Pixels(-1, 0), CLR_INVALID);
  EXPECT_EQ(c.Pixels(3, 0), CLR_INVALID);
  EXPECT_EQ(c.Pixels(0, 3), CLR_INVALID);
  c.SetPixels(3, 3, clRed);
  c.SetPixels(-1, -1, clRed);
  c.SetPixels(1, 1, clNone);
  EXPECT_EQ(PixelsNot(bitmap, clWhite).size(), 0u);
  TCanvas measuring;
  EXPECT_EQ(measuring.Pixels(0, 0), CLR_INVALID);
  measuring.FillRect(Rect(0, 0, 5, 5));  // nothing to draw on, nothing happens
  measuring.Ellipse(0, 0, 5, 5);
}

TEST(CanvasShapes, PatternBrushTilesFromTheOrigin) {
  TBitmap pattern(2, 2);
  pattern.Canvas().SetPixels(0, 0, clBlack);
  pattern.Canvas().SetPixels(1, 1, clBlack);
  TBitmap bitmap(5, 3);
  bitmap.Canvas().Brush().SetBitmap(&pattern);
  bitmap.Canvas().FillRect(Rect(1, 0, 5, 3));
  EXPECT_EQ(PixelsOf(bitmap, clBlack), (PixelSet{{2, 0}, {4, 0}, {1, 1}, {3, 1}, {2, 2}, {4, 2}}));
}
