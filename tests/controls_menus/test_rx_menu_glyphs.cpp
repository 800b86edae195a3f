// The glyph column of the default painter: image-list images, bitmap strips with a glyph per
// state, monochrome and transparent bitmaps, disabled silhouettes and the pushed column.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/RxMenuPainter.h"
#include "menu_pixels.h"

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 20;
const TRect kItem = Rect(31, 0, kWidth, kHeight);

// A bitmap of cells side by side, each cell one colour with a white bottom row (the
// transparent colour of the bitmap is its bottom-left pixel).
TBitmap Strip(const std::vector<TColor>& cells, int cellWidth, int height) {
  TBitmap strip(cellWidth * static_cast<int>(cells.size()), height);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    strip.Canvas().Brush().SetColor(cells[i]);
    strip.Canvas().FillRect(Bounds(static_cast<int>(i) * cellWidth, 0, cellWidth, height - 1));
  }
  strip.SetTransparent(true);
  return strip;
}

class GlyphTest : public ::testing::Test {
 protected:
  void SetUp() override {
    item_ = new TMenuItem(&menu_);
    item_->SetCaption("Item");
    menu_.Items()->Add(item_);
    images_.SetWidth(16);
    images_.SetHeight(16);
    TBitmap red(16, 16);
    red.Canvas().Brush().SetColor(clRed);
    red.Canvas().FillRect(Rect(0, 0, 16, 16));
    images_.Add(red);
  }

  TBitmap Paint(TMenuOwnerDrawState state, const TRxItemLook& look, TColor paper = clMenu) {
    TBitmap face = MenuBitmap(kWidth, kHeight);
    face.Canvas().Brush().SetColor(paper);
    PaintRxMenuItem(face.Canvas(), *item_, kItem, state, look);
    return face;
  }

  TPopupMenu menu_{nullptr};
  TMenuItem* item_ = nullptr;
  TImageList images_;
};

TEST_F(GlyphTest, ImageIsCentredInItsColumnAndMovesTheText) {
  TRxItemLook look;
  look.images = &images_;
  look.imageIndex = 0;
  TBitmap face = Paint(0, look);
  // Offset 21; column max(16 + 2, 0) = 18: x = 31 + 21 + 1, y = (20 - 16) div 2.
  EXPECT_EQ(BoundsOf(PixelsOf(face, clRed)), Bounds(53, 2, 16, 16));
  // The text after another gap: 31 + 21 + 4 + 18.
  TBitmap expected = MenuBitmap(kWidth, kHeight);
  TCanvas measure;
  measure.SetFont(MenuFont());
  ReferenceText(expected.Canvas(), 74, (20 - measure.TextHeight("Ay")) / 2, "Item", clMenuText);
  EXPECT_EQ(DifferingPixels(face, expected, Rect(70, 0, kWidth, kHeight)), 0);
}

TEST_F(GlyphTest, DisabledImageIsAnEmbossedSilhouette) {
  TRxItemLook look;
  look.images = &images_;
  look.imageIndex = 0;
  TBitmap face = Paint(mdDisabled, look);
  EXPECT_TRUE(PixelsOf(face, clRed).empty());
  EXPECT_TRUE(AllOf(face, Bounds(53, 2, 16, 16), clBtnShadow));
  EXPECT_TRUE(AllOf(face, Bounds(69, 3, 1, 16), clBtnHighlight));
  EXPECT_TRUE(AllOf(face, Bounds(54, 18, 16, 1), clBtnHighlight));
  // Selected on the highlight bar: gray text colour, no emboss.
  TBitmap selected = Paint(mdDisabled | mdSelected, look);
  EXPECT_TRUE(AllOf(selected, Bounds(53, 2, 16, 16), clGrayText));
  EXPECT_EQ(CountOf(selected, Rect(31, 0, 72, kHeight), clBtnHighlight), 0);
}

TEST_F(GlyphTest, ImageIndexOutsideTheListLeavesAnEmptyColumn) {
  TRxItemLook look;
  look.images = &images_;
  look.imageIndex = 5;
  TBitmap face = Paint(0, look);
  EXPECT_TRUE(PixelsOf(face, clRed).empty());
  // The column is still there (MinOffset from the image width): text at 31 + 21 + 4 + 18.
  TBitmap expected = MenuBitmap(kWidth, kHeight);
  TCanvas measure;
  measure.SetFont(MenuFont());
  ReferenceText(expected.Canvas(), 74, (20 - measure.TextHeight("Ay")) / 2, "Item", clMenuText);
  EXPECT_EQ(DifferingPixels(face, expected, Rect(0, 0, kWidth, kHeight)), 0);
}

TEST_F(GlyphTest, StripCellFollowsTheState) {
  TBitmap strip = Strip({clRed, clLime, clBlue}, 10, 11);
  struct Case {
    const char* name;
    TMenuOwnerDrawState state;
    bool checked;
    TColor cell;
    int x;  // a selected item of a button style moves inside its frame
  };
  const std::vector<Case> cases = {
      {"plain", 0, false, clRed, 36},
      {"disabled, drawn as it is", mdDisabled, false, clLime, 36},
      {"selected", mdSelected, false, clBlue, 37},
      {"checked: no fourth cell", mdChecked, true, clRed, 36},
  };
  for (const Case& c : cases) {
    item_->SetChecked(c.checked);
    TRxItemLook look;
    look.graphic = &strip;
    look.numGlyphs = 3;
    look.showCheckMarks = false;
    look.buttonStyle = 1;  // no pushed column for checked items
    TBitmap face = Paint(c.state, look);
    // Offset G = 4 (a graphic without check marks); column 12: x = 31 + 4 + 1, y = 4.
    EXPECT_EQ(BoundsOf(PixelsOf(face, c.cell)), Bounds(c.x, 4, 10, 10)) << c.name;
    EXPECT_TRUE(AllOf(face, Bounds(c.x, 14, 10, 1), clMenu)) << c.name << ": transparent row";
  }
}

TEST_F(GlyphTest, DisabledSingleBitmapIsTheSilhouetteOfItsShownPixels) {
  TBitmap glyph = Strip({clRed}, 10, 11);
  TRxItemLook look;
  look.graphic = &glyph;
  TBitmap face = Paint(mdDisabled, look);
  // Offset 21, column 12: x = 31 + 21 + 1, y = (20 - 11) div 2.
  EXPECT_TRUE(PixelsOf(face, clRed).empty());
  EXPECT_TRUE(AllOf(face, Bounds(53, 4, 10, 10), clBtnShadow));
  EXPECT_TRUE(AllOf(face, Bounds(54, 14, 10, 1), clBtnHighlight));
  EXPECT_TRUE(AllOf(face, Bounds(53, 15, 11, 1), clMenu)) << "the transparent row has no shape";
}

TEST_F(GlyphTest, MonochromeBitmapTakesTextAndBackgroundColours) {
  TBitmap mono(8, 8);
  mono.Canvas().Brush().SetColor(clBlack);
  mono.Canvas().FillRect(Rect(2, 2, 6, 6));
  mono.SetMonochrome(true);
  TRxItemLook look;
  look.graphic = &mono;
  TBitmap face = Paint(0, look, clYellow);
  // Column 10: x = 31 + 21 + 1, y = (20 - 8) div 2 = 6; white became the brush colour.
  EXPECT_EQ(BoundsOf(PixelsOf(face, clYellow)), Bounds(53, 6, 8, 8));
  EXPECT_TRUE(AllOf(face, Bounds(55, 8, 4, 4), clMenuText));
  EXPECT_EQ(CountOf(face, Bounds(53, 6, 8, 8), clYellow), 64 - 16);
}

TEST_F(GlyphTest, CheckedImageWithoutCheckMarksSitsInAPushedColumn) {
  item_->SetChecked(true);
  TRxItemLook look;
  look.images = &images_;
  look.imageIndex = 0;
  look.showCheckMarks = false;
  TBitmap face = Paint(mdChecked, look);
  // Without check marks but with a glyph column the offset is G = 4: the column (18 wide)
  // is pushed from x = 31 + 4 - 1 = 34, 20 wide, rows 1 to 18.
  EXPECT_TRUE(AllOf(face, Rect(34, 1, 53, 2), clBtnShadow));
  EXPECT_TRUE(AllOf(face, Rect(34, 1, 35, 18), clBtnShadow));
  EXPECT_TRUE(AllOf(face, Rect(34, 18, 54, 19), clBtnHighlight));
  EXPECT_TRUE(AllOf(face, Rect(53, 1, 54, 19), clBtnHighlight));
  EXPECT_EQ(BoundsOf(PixelsOf(face, clRed)), Bounds(36, 2, 16, 16));
  // Selected: the inside is plain menu colour instead of the checkerboard.
  TBitmap selected = Paint(mdChecked | mdSelected, look);
  EXPECT_TRUE(AllOf(selected, Rect(52, 2, 53, 18), clMenu));
  EXPECT_EQ(CountOf(face, Rect(52, 2, 53, 18), clBtnHighlight), 8);
}

}  // namespace
