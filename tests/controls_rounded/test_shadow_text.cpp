// Captions with a shadow: the shadow one pixel right and down under the text, and the
// engraved look of a disabled caption.
#include <gtest/gtest.h>

#include "controls/RbText.h"
#include "platform/graphics/Font.h"
#include "platform/pixel_helpers.h"
#include "rounded_helpers.h"

namespace {

constexpr TColor kBackground = RGB(0, 96, 0);
const TRect kTextRect = Rect(4, 2, 76, 26);
const unsigned kFormat = MakeTextFormat(taCenter, false);

TFont CaptionFont(TColor color) {
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-13);
  font.SetStyle(fsBold);
  font.SetColor(color);
  return font;
}

TBitmap Background() {
  return Filled(80, 28, kBackground);
}

// The pixels the text covers when drawn plainly at the rectangle.
PixelSet TextPixels() {
  TBitmap bitmap = Background();
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetStyle(bsClear);
  canvas.SetFont(CaptionFont(clBlack));
  TRect r = kTextRect;
  canvas.DrawText("Выход", r, kFormat);
  return PixelsNot(bitmap, kBackground);
}

PixelSet Shifted(const PixelSet& pixels) {
  PixelSet out;
  for (const auto& [x, y] : pixels) out.insert({x + 1, y + 1});
  return out;
}

// Expected: text pixels in textColor, the shifted copy (where not covered) in echoColor.
void ExpectTextWithEcho(TBitmap& bitmap, TColor textColor, TColor echoColor, bool echo) {
  const PixelSet text = TextPixels();
  const PixelSet shifted = Shifted(text);
  ASSERT_GT(text.size(), 40u);
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      TColor expected = kBackground;
      if (text.count({x, y}))
        expected = textColor;
      else if (echo && shifted.count({x, y}))
        expected = echoColor;
      ASSERT_EQ(PixelAt(bitmap, x, y), ToRgb(expected)) << x << "," << y;
    }
}

TBitmap Drawn(TColor fontColor, bool shadow, bool enabled) {
  TBitmap bitmap = Background();
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetStyle(bsClear);
  DrawShadowText(canvas, "Выход", CaptionFont(fontColor), clRed, shadow, kFormat, kTextRect,
                 enabled);
  return bitmap;
}

TEST(ShadowText, AnEnabledCaptionHasItsShadowOnePixelDownAndRight) {
  TBitmap bitmap = Drawn(clBlue, true, true);
  ExpectTextWithEcho(bitmap, clBlue, clRed, true);
  EXPECT_EQ(bitmap.Canvas().Font().Color(), clBlue) << "the font colour is restored";
}

TEST(ShadowText, WithoutShadowOnlyTheTextIsDrawn) {
  TBitmap bitmap = Drawn(clBlue, false, true);
  ExpectTextWithEcho(bitmap, clBlue, clRed, false);
}

TEST(ShadowText, ADisabledCaptionIsDrawnTwiceEngraved) {
  // The font and shadow colours do not matter: highlight below right, button shadow on top.
  TBitmap bitmap = Drawn(clBlue, true, false);
  ExpectTextWithEcho(bitmap, clBtnShadow, clBtnHighlight, true);
  TBitmap noShadow = Drawn(clBlue, false, false);
  ExpectTextWithEcho(noShadow, clBtnShadow, clBtnHighlight, true);
}

}  // namespace
