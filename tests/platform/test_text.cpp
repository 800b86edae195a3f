#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

// A canvas with a white, transparent-background, black 8-point "MS Sans Serif" setup.
struct TextBitmap {
  TBitmap bitmap;
  TCanvas& canvas;
  TextBitmap(int w, int h) : bitmap(w, h), canvas(bitmap.Canvas()) {
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetStyle(bsClear);
  }
  PixelSet Ink() { return PixelsOf(bitmap, clBlack); }
};

}  // namespace

TEST(Text, MeasuringWorksWithoutABitmap) {
  TCanvas screen;
  const int h = screen.TextHeight("Ay");
  EXPECT_GE(h, 12);  // an 8-point face is about 13 pixels from ascent to descent
  EXPECT_LE(h, 15);
  EXPECT_GT(screen.TextWidth("Привет"), 20);  // Cyrillic measures too
  EXPECT_EQ(screen.TextWidth(""), 0);
  EXPECT_EQ(screen.TextExtent("abc"), (TSize{screen.TextWidth("abc"), h}));
  TRect r = Rect(0, 0, 100, 100);
  EXPECT_EQ(screen.DrawText("abc", r, DT_SINGLELINE), h);  // nothing drawn, height reported
  const int regular = screen.TextWidth("Font width");
  screen.Font().SetStyle(fsBold);
  EXPECT_GT(screen.TextWidth("Font width"), regular);
  screen.Font().SetStyle(0);
  screen.Font().SetSize(16);
  EXPECT_GT(screen.TextHeight("A"), 2 * h - 4);
}

TEST(Text, TextOutDrawsInTheCellAndOpaqueFillsIt) {
  TextBitmap t(80, 30);
  t.canvas.TextOut(5, 4, "Tarvik");
  const TRect ink = BoundsOf(t.Ink());
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 5);
  EXPECT_GE(ink.Top, 4);
  EXPECT_LE(ink.Right, 5 + t.canvas.TextWidth("Tarvik") + 1);
  EXPECT_LE(ink.Bottom, 4 + t.canvas.TextHeight("Tarvik"));
  EXPECT_EQ(t.canvas.PenPos(), Point(5 + t.canvas.TextWidth("Tarvik"), 4));
  EXPECT_TRUE(PixelsNot(t.bitmap, clBlack).size() + t.Ink().size() == 80u * 30u);
  EXPECT_TRUE(PixelsOf(t.bitmap, clYellow).empty());

  TextBitmap opaque(80, 30);
  opaque.canvas.Brush().SetColor(clYellow);  // a solid brush makes the background opaque
  opaque.canvas.TextOut(5, 4, "Tarvik");
  PixelSet cell = PixelsOf(opaque.bitmap, clYellow);
  const PixelSet ink2 = opaque.Ink();
  cell.insert(ink2.begin(), ink2.end());
  EXPECT_EQ(BoundsOf(cell),
            Bounds(5, 4, opaque.canvas.TextWidth("Tarvik"), opaque.canvas.TextHeight("Tarvik")));
  opaque.canvas.SetBkMode(TRANSPARENT);
  EXPECT_EQ(opaque.canvas.BkMode(), TRANSPARENT);
  opaque.canvas.Brush().SetColor(clLime);  // a brush change brings its own mode back
  EXPECT_EQ(opaque.canvas.BkMode(), OPAQUE);
}

TEST(Text, CyrillicRenders) {
  TextBitmap t(120, 20);
  t.canvas.Font().SetCharset(RUSSIAN_CHARSET);
  t.canvas.TextOut(0, 0, "Строка № 1");
  EXPECT_GT(t.Ink().size(), 40u);
}

TEST(Text, DefaultQualityDrawsWithoutSmoothing) {
  TextBitmap t(80, 20);
  t.canvas.TextOut(0, 0, "Smooth?");
  EXPECT_EQ(t.Ink().size() + PixelsOf(t.bitmap, clWhite).size(), 80u * 20u);
  TextBitmap smooth(80, 20);
  smooth.canvas.Font().SetQuality(fqAntialiased);
  smooth.canvas.Font().SetSize(14);
  smooth.canvas.TextOut(0, 0, "Smooth?");
  EXPECT_LT(smooth.Ink().size() + PixelsOf(smooth.bitmap, clWhite).size(), 80u * 20u);
}

TEST(Text, DrawTextCentresBothWays) {
  TextBitmap t(200, 60);
  TRect r = Rect(10, 10, 190, 50);
  const int h = t.canvas.TextHeight("Centre");
  const int w = t.canvas.TextWidth("Centre");
  const int result = t.canvas.DrawText("Centre", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  const int top = 10 + (40 - h) / 2;
  EXPECT_EQ(result, top + h - 10);  // distance from the rectangle's top to the text's bottom
  const TRect ink = BoundsOf(t.Ink());
  const int left = 10 + (180 - w) / 2;
  EXPECT_GE(ink.Left, left);
  EXPECT_LE(ink.Right, left + w + 1);
  EXPECT_LE(std::abs((ink.Left - 10) - (190 - ink.Right)), 3);  // balanced left and right
  EXPECT_GE(ink.Top, top);
  EXPECT_LE(ink.Bottom, top + h);

  // Right and bottom alignment put the text against those edges.
  TextBitmap rb(200, 60);
  TRect r2 = Rect(10, 10, 190, 50);
  rb.canvas.DrawText("Edge", r2, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
  const TRect ink2 = BoundsOf(rb.Ink());
  EXPECT_LE(ink2.Right, 190);
  EXPECT_GE(ink2.Right, 190 - 3);
  EXPECT_LE(ink2.Bottom, 50);
  EXPECT_GE(ink2.Top, 50 - rb.canvas.TextHeight("Edge"));
}

TEST(Text, VerticalCentringNeedsSingleLine) {
  TextBitmap t(100, 60);
  TRect r = Rect(0, 0, 100, 60);
  EXPECT_EQ(t.canvas.DrawText("Top", r, DT_VCENTER), t.canvas.TextHeight("Top"));
  EXPECT_LT(BoundsOf(t.Ink()).Bottom, t.canvas.TextHeight("Top") + 1);
}

TEST(Text, SingleLineIgnoresLineBreaks) {
  TCanvas c;
  const int h = c.TextHeight("A");
  TRect r = Rect(0, 0, 300, 100);
  EXPECT_EQ(c.DrawText("first\r\nsecond", r, DT_CALCRECT), 2 * h);
  EXPECT_EQ(r.Width(), c.TextWidth("second"));
  r = Rect(0, 0, 300, 100);
  EXPECT_EQ(c.DrawText("first\r\nsecond", r, DT_CALCRECT | DT_SINGLELINE), h);
  EXPECT_EQ(r.Width(), c.TextWidth("firstsecond"));
  EXPECT_EQ(r.Height(), h);
}

TEST(Text, WordBreakWrapsAtSpacesAndKeepsLongWordsWhole) {
  TCanvas c;
  const int h = c.TextHeight("A");
  const int wordWidth = c.TextWidth("word");
  TRect r = Rect(0, 0, wordWidth * 2 + c.TextWidth(" ") - 1, 0);
  EXPECT_EQ(c.DrawText("word word word", r, DT_CALCRECT | DT_WORDBREAK), 3 * h);
  EXPECT_EQ(r.Width(), wordWidth);
  r = Rect(0, 0, wordWidth * 2 + c.TextWidth(" "), 0);
  EXPECT_EQ(c.DrawText("word word word", r, DT_CALCRECT | DT_WORDBREAK), 2 * h);
  // A word wider than the rectangle stays on one line and widens the measured rectangle
  // (the hint window relies on this).
  const std::string longWord = "Нераздельноеслово";
  r = Rect(5, 5, 25, 5);
  EXPECT_EQ(c.DrawText("a " + longWord + " b", r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX), 3 * h);
  EXPECT_EQ(r.Left, 5);
  EXPECT_EQ(r.Right, 5 + c.TextWidth(longWord));
  EXPECT_EQ(r.Bottom, 5 + 3 * h);
}

TEST(Text, EndEllipsisShortensTheLine) {
  const std::string text = "A caption that is far too long for its button";
  TextBitmap t(300, 20);
  TRect r = Rect(0, 0, 80, 20);
  t.canvas.DrawText(text, r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
  const TRect ink = BoundsOf(t.Ink());
  EXPECT_LE(ink.Right, 80);  // not clipped: shortened
  EXPECT_GT(ink.Right, 60);
  TRect calc = Rect(0, 0, 80, 20);
  t.canvas.DrawText(text, calc, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
  EXPECT_LE(calc.Width(), 80);
  // Without the ellipsis the text runs on past the rectangle when not clipped...
  TextBitmap plain(300, 20);
  TRect r2 = Rect(0, 0, 80, 20);
  plain.canvas.DrawText(text, r2, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(BoundsOf(plain.Ink()).Right, 150);
  // ...and is cut at the rectangle when clipped.
  TextBitmap clipped(300, 20);
  TRect r3 = Rect(0, 0, 80, 20);
  clipped.canvas.DrawText(text, r3, DT_SINGLELINE);
  EXPECT_LE(BoundsOf(clipped.Ink()).Right, 80);
  // A text that fits is left as it is.
  TCanvas m;
  TRect fits = Rect(0, 0, 500, 20);
  m.DrawText("Short", fits, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
  EXPECT_EQ(fits.Width(), m.TextWidth("Short"));
}

TEST(Text, PrefixUnderlinesTheNextCharacter) {
  TextBitmap marked(100, 20);
  TextBitmap plain(100, 20);
  TRect r = Rect(0, 0, 100, 20);
  marked.canvas.DrawText("&File", r, DT_SINGLELINE);
  plain.canvas.DrawText("File", r, DT_SINGLELINE | DT_NOPREFIX);
  PixelSet extra;
  for (const auto& p : marked.Ink())
    if (!plain.Ink().count(p)) extra.insert(p);
  ASSERT_FALSE(extra.empty());
  const TRect line = BoundsOf(extra);
  EXPECT_EQ(line.Left, 0);
  EXPECT_LE(line.Right, plain.canvas.TextWidth("F"));
  EXPECT_LE(line.Height(), 2);  // a thin line under the F
  for (const auto& p : plain.Ink()) EXPECT_TRUE(marked.Ink().count(p));

  TCanvas c;
  TRect calc = Rect(0, 0, 100, 20);
  c.DrawText("&&", calc, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(calc.Width(), c.TextWidth("&"));
  calc = Rect(0, 0, 100, 20);
  c.DrawText("&&", calc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(calc.Width(), c.TextWidth("&&"));
  calc = Rect(0, 0, 100, 20);
  c.DrawText("Сохр&анить", calc, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(calc.Width(), c.TextWidth("Сохранить"));
}

TEST(Text, TabsExpandToEightAverageCharacters) {
  TCanvas c;
  TRect r = Rect(0, 0, 500, 20);
  c.DrawText("a\tb", r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
  const int tabbed = r.Width();
  EXPECT_GT(tabbed, c.TextWidth("ab") + 3 * c.TextWidth("x"));
  r = Rect(0, 0, 500, 20);
  c.DrawText("a\tb", r, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_LT(r.Width(), tabbed);
}

TEST(Text, RotatedTextRunsBottomToTopFromTheReferencePoint) {
  // Escapement 900: the text's cell turns counter-clockwise about its top-left corner, so it
  // reaches upwards from the reference point and to its right by one text height.
  TextBitmap t(40, 120);
  t.canvas.Font().SetEscapement(900);
  const int w = t.canvas.TextWidth("Label 12");
  const int h = t.canvas.TextHeight("Label 12");
  t.canvas.TextOut(10, 100, "Label 12");
  const TRect ink = BoundsOf(t.Ink());
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Right, 10 + h + 1);
  EXPECT_LE(ink.Bottom, 101);
  EXPECT_GE(ink.Top, 100 - w - 1);
  EXPECT_GT(ink.Height(), ink.Width());
}

TEST(Text, TextRectClipsToItsRectangle) {
  TextBitmap t(100, 20);
  t.canvas.TextRect(Rect(0, 0, 20, 20), 0, 0, "Clipped text");
  EXPECT_LE(BoundsOf(t.Ink()).Right, 20);
  t.canvas.Brush().SetColor(clAqua);
  t.canvas.TextRect(Rect(40, 0, 60, 20), 40, 0, "x");
  EXPECT_EQ(t.canvas.Pixels(59, 19), clAqua);  // opaque mode fills the whole rectangle
}

// Every face the program names draws its bold and italic styles, at the small sizes of the
// buttons and labels too. (At 11 pixels the bold face's hinted stems stay one pixel wide, so
// bold shows as wider letters with a little more ink, not as double strokes.)
TEST(Text, BoldAndItalicStylesChangeTheInkAtEverySize) {
  struct Row {
    const char* face;
    int height;
  };
  const Row rows[] = {{"Arial", -11}, {"Arial", -12}, {"MS Sans Serif", -11}, {"Arial", -13}};
  for (const Row& r : rows) {
    auto ink = [&](TFontStyles style) {
      TextBitmap t(120, 24);
      t.canvas.Font().SetName(r.face);
      t.canvas.Font().SetHeight(r.height);
      t.canvas.Font().SetStyle(style);
      t.canvas.TextOut(0, 0, "Файл Правка");
      return t.Ink();
    };
    const PixelSet regular = ink(0);
    const PixelSet bold = ink(fsBold);
    const PixelSet italic = ink(fsItalic);
    EXPECT_GT(bold.size(), regular.size() + regular.size() / 10) << r.face << " " << r.height;
    EXPECT_NE(italic, regular) << r.face << " " << r.height;
  }
}
