#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"

TEST(Color, SystemColoursResolveThroughTheClassicPalette) {
  const struct {
    TColor system;
    TColor rgb;
  } expected[] = {
      {clBtnFace, RGB(212, 208, 200)},      {clBtnShadow, RGB(128, 128, 128)},
      {clBtnHighlight, RGB(255, 255, 255)}, {clWindowText, RGB(0, 0, 0)},
      {clMenu, RGB(212, 208, 200)},         {clMenuText, RGB(0, 0, 0)},
      {clHighlight, RGB(10, 36, 106)},      {clHighlightText, RGB(255, 255, 255)},
      {clGrayText, RGB(128, 128, 128)},     {cl3DDkShadow, RGB(64, 64, 64)},
      {cl3DLight, RGB(212, 208, 200)},      {clInfoBk, RGB(255, 255, 225)},
      {clWindow, RGB(255, 255, 255)},       {clBtnText, RGB(0, 0, 0)},
  };
  for (const auto& e : expected) EXPECT_EQ(ColorToRGB(e.system), e.rgb) << ColorToIdent(e.system);
  EXPECT_EQ(clBtnFace, 0xFF00000Fu);
}

TEST(Color, RgbAndMarkerValuesPassThrough) {
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(clDefault), clDefault);
  EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
  EXPECT_EQ(clNone, 0x1FFFFFFFu);
  EXPECT_EQ(clDefault, 0x20000000u);
  // An index the palette does not know resolves to black instead of reading past the table.
  EXPECT_EQ(ColorToRGB(clSystemColor | 0xFE), clBlack);
}

TEST(Color, ChannelsAreTakenAfterResolving) {
  // The raw system constant carries the index in its low byte: reading channels from it
  // directly would give red 15. Resolving first gives the face colour's channels.
  EXPECT_EQ(GetRValue(clBtnFace), 15);
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(GetRValue(face), 212);
  EXPECT_EQ(GetGValue(face), 208);
  EXPECT_EQ(GetBValue(face), 200);
  EXPECT_EQ(RGB(1, 2, 3), 0x00030201u);
  // Painting with a system colour writes the resolved colour into the rows.
  TBitmap bitmap(2, 1);
  bitmap.Canvas().Brush().SetColor(clBtnFace);
  bitmap.Canvas().FillRect(Rect(0, 0, 2, 1));
  const std::uint8_t* row = bitmap.ScanLine(0);
  EXPECT_EQ(row[TBitmap::BlueOffset], 200);
  EXPECT_EQ(row[TBitmap::GreenOffset], 208);
  EXPECT_EQ(row[TBitmap::RedOffset], 212);
}

TEST(Color, IdentifiersRoundTrip) {
  EXPECT_EQ(ColorToIdent(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToIdent(8421504), "clGray");
  EXPECT_EQ(ColorToIdent(0x123456), "");
  TColor c = 0;
  ASSERT_TRUE(IdentToColor("CLRED", c));
  EXPECT_EQ(c, clRed);
  ASSERT_TRUE(IdentToColor("Navy", c));
  EXPECT_EQ(c, clNavy);
  EXPECT_FALSE(IdentToColor("clNoSuchColour", c));
  EXPECT_EQ(ColorToString(0x00C0FFEE), "$00C0FFEE");
  EXPECT_EQ(ColorToString(clNone), "clNone");
}

TEST(Font, SizeAndHeightFollowNinetySixDpi) {
  TFont font;
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -12);
  font.SetSize(10);
  EXPECT_EQ(font.Height(), -13);
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), 12);
  font.SetSize(7);
  EXPECT_EQ(font.Height(), -9);
  EXPECT_EQ(MulDiv(7, 96, 72), 9);
  EXPECT_EQ(MulDiv(-11, 72, 96), -8);
  EXPECT_EQ(MulDiv(1, 1, 2), 1);
  EXPECT_EQ(MulDiv(-1, 1, 2), -1);
  EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

TEST(Font, ChangesNotifyOnceAndAssignCopiesEverything) {
  TFont font;
  int changes = 0;
  const TChangeLink link = font.OnChange.Add([&](TFont&) { ++changes; });
  font.SetName("Arial");
  font.SetName("Arial");
  font.SetStyle(fsBold | fsItalic);
  font.SetColor(clRed);
  EXPECT_EQ(changes, 3);
  TFont other;
  other.SetName("MS Serif");
  other.SetHeight(-9);
  other.SetCharset(RUSSIAN_CHARSET);
  other.SetEscapement(900);
  font.Assign(other);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(font, other);
  EXPECT_EQ(font.OnChange.Count(), 1);  // assigning keeps the listener
  font.Assign(other);
  EXPECT_EQ(changes, 4);
}

TEST(Font, ClassicFacesMapToInstalledFonts) {
  EXPECT_EQ(MapFontFace("MS Sans Serif"), "Liberation Sans");
  EXPECT_EQ(MapFontFace("arial"), "Liberation Sans");
  EXPECT_EQ(MapFontFace("MS Serif"), "DejaVu Serif");
  EXPECT_EQ(MapFontFace("Arial Black"), "Liberation Sans");
  EXPECT_EQ(MapFontFace("DejaVu Sans Mono"), "DejaVu Sans Mono");
  const auto families = ScreenFontFamilies();
  ASSERT_FALSE(families.empty());
  EXPECT_TRUE(std::any_of(families.begin(), families.end(),
                          [](const TFontFamilyInfo& f) { return f.name == "Liberation Sans"; }));
  EXPECT_TRUE(std::is_sorted(families.begin(), families.end(),
                             [](const auto& a, const auto& b) { return a.name < b.name; }));
}
