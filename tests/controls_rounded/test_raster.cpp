// Blending, the fade layer, supersampling reduction, disabled glyphs and text flags.
#include <gtest/gtest.h>

#include "controls/RbBlend.h"
#include "controls/RbDownsample.h"
#include "controls/RbGlyph.h"
#include "controls/RbText.h"
#include "platform/graphics/Canvas.h"
#include "rounded_helpers.h"

namespace {

// --- BlendBitmaps

struct BlendCase {
  int percent;
  Rgb dest;
  Rgb overlay;
  Rgb expected;
};

class BlendPixel : public ::testing::TestWithParam<BlendCase> {};

TEST_P(BlendPixel, MixesByPercent) {
  const BlendCase& c = GetParam();
  TBitmap dest(4, 4);
  TBitmap overlay(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      SetPixelAt(dest, x, y, c.dest);
      SetPixelAt(overlay, x, y, c.overlay);
    }
  BlendBitmaps(dest, overlay, Rect(0, 0, 4, 4), c.percent);
  EXPECT_EQ(PixelAt(dest, 2, 1), c.expected) << c.percent;
}

const BlendCase kBlendCases[] = {
    {0, {200, 100, 0}, {100, 200, 40}, {200, 100, 0}},
    {25, {200, 100, 0}, {100, 200, 40}, {175, 125, 10}},
    {50, {200, 100, 0}, {100, 200, 40}, {150, 150, 20}},
    {75, {200, 100, 0}, {100, 200, 40}, {125, 175, 30}},
    {100, {200, 100, 0}, {100, 200, 40}, {100, 200, 40}},
    // 50% of 1 and 2 is 1.5: ties go to the even neighbour.
    {50, {1, 3, 0}, {2, 4, 255}, {2, 4, 128}},
    // Beyond 100 blends as 100: no channel leaves the byte range.
    {150, {200, 100, 0}, {100, 200, 40}, {100, 200, 40}},
    {-20, {200, 100, 0}, {100, 200, 40}, {200, 100, 0}},
};

INSTANTIATE_TEST_SUITE_P(Percents, BlendPixel, ::testing::ValuesIn(kBlendCases));

TEST(Blend, ZeroPercentLeavesDestUnchanged) {
  TBitmap dest = Patterned(20, 15, 1);
  const TBitmap before = Patterned(20, 15, 1);
  BlendBitmaps(dest, Patterned(20, 15, 99), Rect(2, 3, 18, 12), 0);
  EXPECT_EQ(FirstDifference(dest, before), "");
}

TEST(Blend, HundredPercentIsTheOverlayShiftedByTheRectangleOrigin) {
  TBitmap dest = Patterned(20, 15, 1);
  const TBitmap before = Patterned(20, 15, 1);
  const TBitmap overlay = Patterned(20, 15, 99);
  const TRect r = Rect(2, 3, 18, 12);
  BlendBitmaps(dest, overlay, r, 100);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(PixelAt(dest, x, y),
                r.Contains(Point(x, y)) ? PixelAt(overlay, x - 2, y - 3) : PixelAt(before, x, y))
          << x << "," << y;
}

TEST(Blend, AnOverlaySmallerThanTheRectangleBlendsWhatItCovers) {
  TBitmap dest = Filled(10, 10, clBlack);
  const TBitmap overlay = Filled(3, 3, clWhite);
  BlendBitmaps(dest, overlay, Rect(4, 4, 10, 10), 100);
  EXPECT_EQ(PixelAt(dest, 6, 6), (Rgb{255, 255, 255}));
  EXPECT_EQ(PixelAt(dest, 7, 7), (Rgb{0, 0, 0}));
}

// --- DrawFadeLayer

TEST(FadeLayer, CopiesTheSourceToTheRectangleMovedByTheOffset) {
  TBitmap dest = Filled(16, 14, clBlack);
  const TBitmap source = Patterned(16, 14, 7);
  const TBitmap overlay = Filled(16, 14, clWhite);
  const TRect r = Rect(2, 3, 12, 10);
  DrawFadeLayer(dest, source, overlay, 1, r, 0);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 16; ++x) {
      // Copied: (rect width - 1) x (rect height - 1) pixels starting at (3, 4).
      const bool copied = x >= 3 && x < 3 + 9 && y >= 4 && y < 4 + 6;
      ASSERT_EQ(PixelAt(dest, x, y), (copied ? PixelAt(source, x - 3, y - 4) : Rgb{0, 0, 0}))
          << x << "," << y;
    }
}

TEST(FadeLayer, BlendsTheOverlayOverTheRectangleByAtMost100Percent) {
  for (int percent : {100, 101, 250}) {
    TBitmap dest = Filled(8, 8, clBlack);
    const TBitmap source = Filled(8, 8, RGB(40, 40, 40));
    const TBitmap overlay = Patterned(8, 8, 3);
    DrawFadeLayer(dest, source, overlay, 1, Rect(0, 0, 8, 8), percent);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) ASSERT_EQ(PixelAt(dest, x, y), PixelAt(overlay, x, y)) << percent;
  }
  TBitmap dest = Filled(8, 8, clBlack);
  DrawFadeLayer(dest, Filled(8, 8, RGB(40, 40, 40)), Filled(8, 8, RGB(200, 0, 100)), 1,
                Rect(0, 0, 8, 8), 50);
  EXPECT_EQ(PixelAt(dest, 0, 0), (Rgb{100, 0, 50}));  // not copied: black and the overlay
  EXPECT_EQ(PixelAt(dest, 5, 5), (Rgb{120, 20, 70}));
}

TEST(FadeLayer, CopyingABitmapOntoItselfReadsBeforeWriting) {
  TBitmap face = Patterned(12, 10, 2);
  const TBitmap before = Patterned(12, 10, 2);
  DrawFadeLayer(face, face, face, 1, Rect(3, 3, 9, 7), 0);
  // (4, 4) .. (8, 6) hold the original (0, 0) .. (4, 2).
  for (int y = 4; y < 7; ++y)
    for (int x = 4; x < 9; ++x)
      ASSERT_EQ(PixelAt(face, x, y), PixelAt(before, x - 4, y - 4)) << x << "," << y;
  EXPECT_EQ(PixelAt(face, 3, 3), PixelAt(before, 3, 3));
}

// --- AntialiasDownsample

Rgb BlockMean(const TBitmap& big, int i, int j, int f) {
  int sum[3] = {0, 0, 0};
  for (int y = i * f; y < i * f + f; ++y)
    for (int x = j * f; x < j * f + f; ++x) {
      const Rgb p = PixelAt(big, x, y);
      sum[0] += p.r;
      sum[1] += p.g;
      sum[2] += p.b;
    }
  return {sum[0] / (f * f), sum[1] / (f * f), sum[2] / (f * f)};
}

TEST(Downsample, AveragesTheBandAndFillsTheInside) {
  const TBitmap big = Patterned(60, 45, 4);
  TBitmap target(20, 15);
  AntialiasDownsample(big, target, 3, clBtnFace, 10);  // band 10: b = 5
  for (int i = 0; i < 15; ++i)
    for (int j = 0; j < 20; ++j) {
      const bool inside = j >= 5 && j < 15 && i >= 5 && i < 10;
      ASSERT_EQ(PixelAt(target, j, i), inside ? ToRgb(clBtnFace) : BlockMean(big, i, j, 3))
          << j << "," << i;
    }
}

TEST(Downsample, TheMeanIsTruncated) {
  TBitmap big = Filled(6, 6, RGB(10, 20, 30));
  SetPixelAt(big, 0, 0, {0, 0, 0});
  TBitmap target(2, 2);
  AntialiasDownsample(big, target, 3, clWhite, 2);     // b = 1: all band, the inside is empty
  EXPECT_EQ(PixelAt(target, 0, 0), (Rgb{8, 17, 26}));  // 80 / 9, 160 / 9, 240 / 9
  EXPECT_EQ(PixelAt(target, 1, 1), (Rgb{10, 20, 30}));
}

TEST(Downsample, BandZeroMeansTheFactor) {
  const TBitmap big = Patterned(30, 30, 9);
  TBitmap zero(10, 10);
  TBitmap factor(10, 10);
  AntialiasDownsample(big, zero, 3, clRed, 0);
  AntialiasDownsample(big, factor, 3, clRed, 3);
  EXPECT_EQ(FirstDifference(zero, factor), "");
  // b = 1: only the outermost ring keeps averaged pixels.
  EXPECT_EQ(PixelAt(zero, 0, 4), BlockMean(big, 4, 0, 3));
  EXPECT_EQ(PixelAt(zero, 1, 4), ToRgb(clRed));
  EXPECT_EQ(PixelAt(zero, 9, 4), BlockMean(big, 4, 9, 3));
}

TEST(Downsample, AShortBigPictureStopsTheAveragingButStillFills) {
  const TBitmap big = Filled(30, 12, clBlack);     // rows for target rows 0..3 only
  TBitmap target(10, 10);                          // white
  AntialiasDownsample(big, target, 3, clBlue, 4);  // b = 2
  EXPECT_EQ(PixelAt(target, 0, 3), (Rgb{0, 0, 0}));
  EXPECT_EQ(PixelAt(target, 0, 4), (Rgb{255, 255, 255}));
  EXPECT_EQ(PixelAt(target, 5, 5), (Rgb{0, 0, 255}));
}

// --- MakeDisabledGlyph

struct TintCase {
  Rgb pixel;
  TColor tint;
  Rgb expected;
};

class DisabledGlyph : public ::testing::TestWithParam<TintCase> {};

TEST_P(DisabledGlyph, AddsTheGreyLevelToTheTint) {
  const TintCase& c = GetParam();
  TBitmap glyph(2, 2);
  SetPixelAt(glyph, 1, 0, c.pixel);
  MakeDisabledGlyph(glyph, c.tint);
  EXPECT_EQ(PixelAt(glyph, 1, 0), c.expected);
  // White has grey level 255: it stays white whatever the tint.
  EXPECT_EQ(PixelAt(glyph, 0, 1), (Rgb{255, 255, 255}));
}

const TintCase kTintCases[] = {
    {{30, 60, 90}, 4210752, {124, 124, 124}},  // grey 60 + 64
    {{250, 250, 250}, 4210752, {255, 255, 255}},
    {{100, 0, 0}, RGB(10, 20, 30), {43, 53, 63}},  // grey 33
    {{0, 0, 0}, RGB(10, 20, 30), {10, 20, 30}},
    {{1, 1, 0}, clBtnShadow, {128, 128, 128}},  // grey 0 + (128, 128, 128)
};

INSTANTIATE_TEST_SUITE_P(Tints, DisabledGlyph, ::testing::ValuesIn(kTintCases));

// --- MakeTextFormat

struct FormatCase {
  TAlignment alignment;
  bool wordWrap;
  unsigned expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << "alignment " << int(c.alignment) << (c.wordWrap ? " word wrap" : " single line");
}

class TextFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(TextFormat, HasTheClassicFlagValues) {
  EXPECT_EQ(MakeTextFormat(GetParam().alignment, GetParam().wordWrap), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Alignments, TextFormat,
                         ::testing::Values(FormatCase{taLeftJustify, false, 0x8824},
                                           FormatCase{taRightJustify, false, 0x8826},
                                           FormatCase{taCenter, false, 0x8825},
                                           FormatCase{taLeftJustify, true, 0x8814},
                                           FormatCase{taCenter, true, 0x8815}));

}  // namespace
