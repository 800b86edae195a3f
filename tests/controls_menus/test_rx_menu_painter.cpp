// The default item painter, pixel by pixel: columns and offsets, check marks, the glyph
// column, separators, texts, the disabled looks and the frames of the button styles.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/RxMenuPainter.h"
#include "menu_pixels.h"
#include "platform/graphics/FrameControl.h"

namespace {

constexpr int kWidth = 220;
constexpr int kHeight = 17;
const TRect kItem = Rect(31, 0, kWidth, kHeight);

class PainterTest : public ::testing::Test {
 protected:
  TMenuItem* Add(const std::string& caption, TShortCut shortCut = scNone) {
    auto* item = new TMenuItem(&menu_);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    menu_.Items()->Add(item);
    return item;
  }

  // Paints item the way the menu hands it over: background filled, font colour and brush
  // as the state wants.
  TBitmap Paint(const TMenuItem& item, TMenuOwnerDrawState state, const TRxItemLook& look,
                TRect rect = kItem) {
    const bool bar = (state & mdSelected) && look.buttonStyle == 0;
    TBitmap face = MenuBitmap(kWidth, kHeight);
    TCanvas& canvas = face.Canvas();
    canvas.Brush().SetColor(bar ? clHighlight : clMenu);
    canvas.Font().SetColor(bar ? clHighlightText : clMenuText);
    canvas.FillRect(rect);
    PaintRxMenuItem(canvas, item, rect, state, look);
    return face;
  }

  int TextTop() const {
    TCanvas measure;
    measure.SetFont(MenuFont());
    return (kItem.Top + kItem.Bottom - measure.TextHeight("Ay")) / 2;
  }

  TPopupMenu menu_{nullptr};
};

TEST_F(PainterTest, CaptionStartsAfterTheCheckColumnAndItsGaps) {
  TMenuItem* item = Add("Open");
  TBitmap face = Paint(*item, 0, TRxItemLook{});
  TBitmap expected = MenuBitmap(kWidth, kHeight);
  ReferenceText(expected.Canvas(), 31 + 21, TextTop(), "Open", clMenuText);
  EXPECT_EQ(DifferingPixels(face, expected, Rect(0, 0, kWidth, kHeight)), 0);
}

TEST_F(PainterTest, OffsetWithoutCheckMarks) {
  TMenuItem* item = Add("Open");
  struct Case {
    const char* name;
    int minTextOffset;
    bool emptyGraphic;
    int x;
  };
  const std::vector<Case> cases = {
      {"no glyph column: two gaps and 2", 0, false, 31 + 10},
      {"MinTextOffset: a gap, then a gap and the column", 16, false, 31 + 4 + 4 + 16},
      {"an empty graphic: a gap only", 0, true, 31 + 4},
  };
  TBitmap empty;
  for (const Case& c : cases) {
    TRxItemLook look;
    look.showCheckMarks = false;
    look.minTextOffset = c.minTextOffset;
    look.graphic = c.emptyGraphic ? &empty : nullptr;
    TBitmap face = Paint(*item, 0, look);
    TBitmap expected = MenuBitmap(kWidth, kHeight);
    ReferenceText(expected.Canvas(), c.x, TextTop(), "Open", clMenuText);
    EXPECT_EQ(DifferingPixels(face, expected, Rect(0, 0, kWidth, kHeight)), 0) << c.name;
  }
}

TEST_F(PainterTest, ShortcutStandsInItsColumnAfterTheWidestCaption) {
  Add("A much wider caption");
  TMenuItem* save = Add("Save", ShortCut('S', ssCtrl));
  TBitmap face = Paint(*save, 0, TRxItemLook{});
  TCanvas measure;
  measure.SetFont(MenuFont());
  const int column = measure.TextWidth("A much wider caption\t\t");
  TBitmap expected = MenuBitmap(kWidth, kHeight);
  ReferenceText(expected.Canvas(), 52, TextTop(), "Save", clMenuText);
  ReferenceText(expected.Canvas(), 52 + column, TextTop(), "Ctrl+S", clMenuText);
  EXPECT_EQ(DifferingPixels(face, expected, Rect(0, 0, kWidth, kHeight)), 0);
}

TEST_F(PainterTest, SelectedItemOnTheBarUsesHighlightText) {
  TMenuItem* item = Add("Open");
  TBitmap face = Paint(*item, mdSelected, TRxItemLook{});
  TBitmap expected = MenuBitmap(kWidth, kHeight);
  expected.Canvas().Brush().SetColor(clHighlight);
  expected.Canvas().FillRect(kItem);
  ReferenceText(expected.Canvas(), 52, TextTop(), "Open", clHighlightText);
  EXPECT_EQ(DifferingPixels(face, expected, Rect(0, 0, kWidth, kHeight)), 0);
}

TEST_F(PainterTest, CheckMarkAndBulletSitCentredInTheCheckColumn) {
  struct Case {
    bool radio;
    TMenuGlyph glyph;
    TMenuOwnerDrawState state;
    TColor ink;
    TColor paper;
  };
  const std::vector<Case> cases = {
      {false, mgCheck, mdChecked, clMenuText, clMenu},
      {true, mgBullet, mdChecked, clMenuText, clMenu},
      {false, mgCheck, mdChecked | mdSelected, clHighlightText, clHighlight},
  };
  for (const Case& c : cases) {
    TMenuItem* item = Add("Checked");
    item->SetRadioItem(c.radio);
    item->SetChecked(true);
    TBitmap face = Paint(*item, c.state, TRxItemLook{});
    TBitmap glyph = MenuGlyphBitmap(c.glyph);
    const int x0 = 31 + (21 - 13) / 2;
    const int y0 = (0 + 17 - 13) / 2;
    int mismatches = 0;
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 13; ++x) {
        const bool black = glyph.Canvas().Pixels(x, y) == clBlack;
        if (face.Canvas().Pixels(x0 + x, y0 + y) != ColorToRGB(black ? c.ink : c.paper))
          ++mismatches;
      }
    EXPECT_EQ(mismatches, 0) << "radio " << c.radio << " state " << c.state;
    EXPECT_GT(CountOf(face, Bounds(x0, y0, 13, 13), c.ink), 5);
  }
}

TEST_F(PainterTest, DisabledTextIsEmbossedUnlessOnTheHighlightBar) {
  struct Case {
    const char* name;
    TMenuOwnerDrawState state;
    int buttonStyle;
    bool emboss;
    TColor gray;
    TColor background;
    int x;  // a selected button-style item shrinks inside its frame
  };
  const std::vector<Case> cases = {
      {"plain", mdDisabled | mdGrayed, 0, true, clBtnShadow, clMenu, 52},
      {"selected on the bar", mdDisabled | mdSelected, 0, false, clGrayText, clHighlight, 52},
      {"selected raised button", mdDisabled | mdSelected, 2, true, clBtnShadow, clMenu, 53},
  };
  for (const Case& c : cases) {
    TMenuItem* item = Add("Off");
    TRxItemLook look;
    look.buttonStyle = c.buttonStyle;
    TBitmap face = Paint(*item, c.state, look);
    TBitmap expected = MenuBitmap(kWidth, kHeight);
    expected.Canvas().Brush().SetColor(c.background);
    expected.Canvas().FillRect(kItem);
    if (c.emboss) ReferenceText(expected.Canvas(), c.x + 1, TextTop() + 1, "Off", clBtnHighlight);
    ReferenceText(expected.Canvas(), c.x, TextTop(), "Off", c.gray);
    // The text area only: a selected button-style item also has its frame.
    const TRect text = Rect(40, 1, kWidth - 1, kHeight - 1);
    EXPECT_EQ(DifferingPixels(face, expected, text), 0) << c.name;
    EXPECT_EQ(CountOf(face, text, clBtnHighlight) > 0, c.emboss) << c.name;
  }
}

TEST_F(PainterTest, DisabledCheckMarkIsAnEmbossedSilhouette) {
  TMenuItem* item = Add("Off");
  item->SetChecked(true);
  TBitmap face = Paint(*item, mdDisabled | mdChecked, TRxItemLook{});
  TBitmap expected = MenuBitmap(kWidth, kHeight);
  DrawMenuGlyph(expected.Canvas(), 36, 3, mgCheck, clBtnHighlight);
  DrawMenuGlyph(expected.Canvas(), 35, 2, mgCheck, clBtnShadow);
  EXPECT_EQ(DifferingPixels(face, expected, Rect(31, 0, 52, kHeight)), 0);
  EXPECT_GT(CountOf(face, Rect(31, 0, 52, kHeight), clBtnShadow), 5);
}

TEST_F(PainterTest, SeparatorIsAShadowLineOverAHighlightLine) {
  TMenuItem* line = Add("-");
  const TRect rect = Rect(31, 0, kWidth, 9);
  TBitmap face = Paint(*line, 0, TRxItemLook{}, rect);
  EXPECT_TRUE(AllOf(face, Rect(31, 3, kWidth, 4), clBtnShadow));
  EXPECT_TRUE(AllOf(face, Rect(31, 4, kWidth, 5), clBtnHighlight));
  EXPECT_TRUE(AllOf(face, Rect(31, 0, kWidth, 3), clMenu));
  EXPECT_TRUE(AllOf(face, Rect(31, 5, kWidth, 9), clMenu));
  EXPECT_TRUE(AllOf(face, Rect(0, 0, 31, 9), clMenu));
}

TEST_F(PainterTest, ButtonStylesFrameASelectedItemOnTheMenuBackground) {
  struct Case {
    int buttonStyle;
    TColor topLeft;
    TColor bottomRight;
  };
  for (const Case& c :
       std::vector<Case>{{1, clBtnShadow, clBtnHighlight}, {2, clBtnHighlight, clBtnShadow}}) {
    TMenuItem* item = Add("Open");
    TRxItemLook look;
    look.buttonStyle = c.buttonStyle;
    TBitmap face = Paint(*item, mdSelected, look);
    EXPECT_TRUE(AllOf(face, Rect(31, 0, kWidth - 1, 1), c.topLeft)) << c.buttonStyle;
    EXPECT_TRUE(AllOf(face, Rect(31, 0, 32, kHeight - 1), c.topLeft)) << c.buttonStyle;
    EXPECT_TRUE(AllOf(face, Rect(31, kHeight - 1, kWidth, kHeight), c.bottomRight));
    EXPECT_TRUE(AllOf(face, Rect(kWidth - 1, 0, kWidth, kHeight), c.bottomRight));
    EXPECT_EQ(CountOf(face, Rect(32, 1, kWidth - 1, kHeight - 1), clHighlight), 0);
    // Inside the frame the text moves one pixel right, in the menu-text colour.
    TBitmap expected = MenuBitmap(kWidth, kHeight);
    ReferenceText(expected.Canvas(), 53, (1 + 16 - expected.Canvas().TextHeight("Ay")) / 2, "Open",
                  clMenuText);
    EXPECT_EQ(DifferingPixels(face, expected, Rect(32, 1, kWidth - 1, kHeight - 1)), 0);
    // Not selected: no frame at all.
    TBitmap plain = Paint(*item, 0, look);
    EXPECT_TRUE(AllOf(plain, Rect(31, 0, kWidth, 1), clMenu)) << c.buttonStyle;
  }
}

TEST_F(PainterTest, PushedGlyphColumnOfACheckedItemWithoutCheckMarks) {
  TMenuItem* item = Add("Pushed");
  item->SetChecked(true);
  TRxItemLook look;
  look.showCheckMarks = false;
  look.minTextOffset = 16;
  TBitmap face = Paint(*item, mdChecked, look);
  // Offset G = 4: the rectangle (31 + 4 - 1, 1) .. (31 + 4 + 16 + 1, 16).
  const TRect pushed = Rect(34, 1, 52, 16);
  EXPECT_TRUE(AllOf(face, Rect(34, 1, 51, 2), clBtnShadow));
  EXPECT_TRUE(AllOf(face, Rect(34, 1, 35, 15), clBtnShadow));
  EXPECT_TRUE(AllOf(face, Rect(34, 15, 52, 16), clBtnHighlight));
  EXPECT_TRUE(AllOf(face, Rect(51, 1, 52, 16), clBtnHighlight));
  EXPECT_TRUE(AllOf(face, Rect(31, 0, kWidth, 1), clMenu));
  // The checkerboard inside, where the check mark leaves it.
  const TColor a = face.Canvas().Pixels(35, 2);
  const TColor b = face.Canvas().Pixels(36, 2);
  EXPECT_NE(a, b);
  EXPECT_TRUE((a == ColorToRGB(clMenu) && b == ColorToRGB(clBtnHighlight)) ||
              (b == ColorToRGB(clMenu) && a == ColorToRGB(clBtnHighlight)));
  EXPECT_EQ(face.Canvas().Pixels(35, 3), b);
  // The check mark at (GR.Left + 2 + (16 - 13) div 2, (17 - 13) div 2 + 1) in the text colour.
  TBitmap mark = MenuBitmap(13, 13, clWhite);
  DrawMenuGlyph(mark.Canvas(), 0, 0, mgCheck, clBlack);
  int mismatches = 0;
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 13; ++x)
      if (mark.Canvas().Pixels(x, y) == clBlack &&
          face.Canvas().Pixels(37 + x, 3 + y) != ColorToRGB(clMenuText))
        ++mismatches;
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(pushed.Width(), 18);
}

}  // namespace
