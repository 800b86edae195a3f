// Placement of glyph and caption inside a button, and the embossed image of a disabled glyph.
#include <gtest/gtest.h>

#include "controls/FlatUtilitys.h"
#include "platform/graphics/Bitmap.h"
#include "platform/pixel_helpers.h"

namespace {

struct LayoutCase {
  const char* name;
  TButtonLayoutInput in;
  TPoint glyph;
  TRect text;
};

TButtonLayoutInput Input(TSize client, int shift, TSize text, TButtonLayout layout, int margin,
                         int spacing, TSize glyph) {
  TButtonLayoutInput in;
  in.Client = client;
  in.Shift = shift;
  in.TextRect = Rect(0, 0, text.cx, text.cy);
  in.Layout = layout;
  in.Margin = margin;
  in.Spacing = spacing;
  in.Glyph = glyph;
  return in;
}

using L = TButtonLayout;

// Each expectation worked from the placement rules by hand, for example the first: a 40 x 40
// glyph without caption in 46 x 46: spacing drops to 0, x = (46 - 40 + 1) div 2 = 3 and the
// margin (46 - 40 + 1) div 2 = 3; the empty caption rectangle stands at x = 47 div 2 = 23,
// y = 3 + 40 + 0 = 43.
const LayoutCase kLayouts[] = {
    {"toolbar button",
     Input({46, 46}, 0, {0, 0}, L::blGlyphTop, -1, 4, {40, 40}),
     {3, 3},
     {23, 43, 23, 43}},
    {"toolbar button pressed",
     Input({46, 46}, 1, {0, 0}, L::blGlyphTop, -1, 4, {40, 40}),
     {4, 4},
     {24, 44, 24, 44}},
    // y = (30 - 16 + 1) div 2 = 7, text y = (30 - 13 + 1) div 2 = 9,
    // margin = (100 - (16 + 4 + 40) + 1) div 2 = 20.
    {"glyph left",
     Input({100, 30}, 0, {40, 13}, L::blGlyphLeft, -1, 4, {16, 16}),
     {20, 7},
     {40, 9, 80, 22}},
    {"glyph right",
     Input({100, 30}, 0, {40, 13}, L::blGlyphRight, -1, 4, {16, 16}),
     {64, 7},
     {20, 9, 60, 22}},
    // x = (60 - 16 + 1) div 2 = 22, text x = 15, margin = (60 - 33 + 1) div 2 = 14.
    {"glyph bottom",
     Input({60, 60}, 0, {30, 13}, L::blGlyphBottom, -1, 4, {16, 16}),
     {22, 30},
     {15, 13, 45, 26}},
    {"glyph top",
     Input({60, 60}, 0, {30, 13}, L::blGlyphTop, -1, 4, {16, 16}),
     {22, 14},
     {15, 34, 45, 47}},
    // Spacing -1 with margin -1: (100 - 56) div 3 = 14 for both.
    {"spread evenly",
     Input({100, 30}, 0, {40, 13}, L::blGlyphLeft, -1, -1, {16, 16}),
     {14, 7},
     {44, 9, 84, 22}},
    // Margin 5, spacing -1: ((100 - 21) - 40) div 2 = 19.
    {"fixed margin, spread",
     Input({100, 30}, 0, {40, 13}, L::blGlyphLeft, 5, -1, {16, 16}),
     {5, 7},
     {40, 9, 80, 22}},
    {"fixed margin",
     Input({100, 30}, 1, {40, 13}, L::blGlyphLeft, 5, 4, {16, 16}),
     {6, 8},
     {26, 10, 66, 23}},
    // Caption only: the caption is centred, the empty glyph sits at the margin.
    {"caption only",
     Input({75, 25}, 0, {30, 13}, L::blGlyphTop, -1, 4, {0, 0}),
     {38, 6},
     {23, 6, 53, 19}},
    // Halving truncates toward zero: (10 - 16 + 1) div 2 = -2, not -3.
    {"glyph larger than button",
     Input({10, 10}, 0, {0, 0}, L::blGlyphTop, -1, 4, {16, 16}),
     {-2, -2},
     {5, 14, 5, 14}},
};

TEST(FlatUtilitys, PlacesGlyphAndCaption) {
  for (const LayoutCase& row : kLayouts) {
    SCOPED_TRACE(row.name);
    const TButtonPlacement placement = CalcButtonLayout(row.in);
    EXPECT_EQ(placement.GlyphPos, row.glyph);
    EXPECT_EQ(placement.TextBounds, row.text);
  }
}

TEST(FlatUtilitys, TheDisabledImageEmbossesOnlyBlackPixels) {
  TBitmap glyph(5, 4);
  TCanvas& c = glyph.Canvas();
  c.SetPixels(0, 0, clBlack);
  c.SetPixels(2, 1, clBlack);
  c.SetPixels(4, 3, clBlack);       // its echo falls outside and is dropped
  c.SetPixels(3, 1, RGB(1, 0, 0));  // nearly black does not count
  c.SetPixels(1, 2, clRed);
  TBitmap disabled;
  CreateDisabledBitmap(glyph, disabled);
  ASSERT_EQ(disabled.Width(), 5);
  ASSERT_EQ(disabled.Height(), 4);
  EXPECT_EQ(PixelsOf(disabled, clBtnShadow), (PixelSet{{0, 0}, {2, 1}, {4, 3}}));
  EXPECT_EQ(PixelsOf(disabled, clBtnHighlight), (PixelSet{{1, 1}, {3, 2}}));
  EXPECT_EQ(PixelsOf(disabled, clBtnFace).size(), 20u - 5u);
}

TEST(FlatUtilitys, TheShadowCoversTheEchoOfANeighbour) {
  TBitmap glyph(4, 4);
  glyph.Canvas().SetPixels(1, 1, clBlack);
  glyph.Canvas().SetPixels(2, 2, clBlack);
  TBitmap disabled;
  CreateDisabledBitmap(glyph, disabled);
  EXPECT_EQ(PixelsOf(disabled, clBtnShadow), (PixelSet{{1, 1}, {2, 2}}));
  EXPECT_EQ(PixelsOf(disabled, clBtnHighlight), (PixelSet{{3, 3}}));
}

TEST(FlatUtilitys, AMonochromeGlyphEmbossesItsBlackPixels) {
  TBitmap glyph(3, 3);
  glyph.Canvas().SetPixels(0, 1, clBlack);
  glyph.Canvas().SetPixels(2, 0, clGray);  // becomes black when the bitmap turns monochrome
  glyph.SetPixelFormat(pf1bit);
  ASSERT_TRUE(glyph.Monochrome());
  TBitmap disabled;
  CreateDisabledBitmap(glyph, disabled);
  EXPECT_EQ(PixelsOf(disabled, clBtnShadow), (PixelSet{{0, 1}, {2, 0}}));
  EXPECT_EQ(PixelsOf(disabled, clBtnHighlight), (PixelSet{{1, 2}}));
}

TEST(FlatUtilitys, MeasuresTheCaptionAsOneLine) {
  TCanvas canvas;
  EXPECT_EQ(MeasureButtonCaption(canvas, "", 50), Rect(0, 0, 0, 0));
  const TRect r = MeasureButtonCaption(canvas, "&Open file", 20);
  EXPECT_EQ(r.Left, 0);
  EXPECT_EQ(r.Top, 0);
  EXPECT_EQ(r.Width(), canvas.TextWidth("Open file"));  // the "&" takes no room
  EXPECT_EQ(r.Height(), canvas.TextHeight("Open file"));
}

}  // namespace
