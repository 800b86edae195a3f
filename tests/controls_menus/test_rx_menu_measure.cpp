// The measuring rule of owner-drawn items: check-mark column and gaps, the caption and
// shortcut columns shared with the siblings, the glyph column, and the heights.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/RxMenuMeasure.h"
#include "platform/framework/SystemMetrics.h"
#include "platform/graphics/Bitmap.h"

namespace {

class MeasureTest : public ::testing::Test {
 protected:
  void SetUp() override { canvas_.SetFont(MenuFont()); }

  TMenuItem* Add(TMenuItem* parent, const std::string& caption, TShortCut shortCut = scNone) {
    auto* item = new TMenuItem(&menu_);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    parent->Add(item);
    return item;
  }
  int Text(const std::string& text) const { return canvas_.TextWidth(text); }

  TPopupMenu menu_{nullptr};
  TCanvas canvas_;
};

TEST_F(MeasureTest, MenuMetricsAreTheFixedClassicOnes) {
  EXPECT_EQ(MenuCheckWidth(), 13);
  EXPECT_EQ(MenuCheckHeight(), 13);
  EXPECT_EQ(MenuCheckGap(), 4);
  EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 19);
  EXPECT_EQ(canvas_.Font().Size(), 8);
  EXPECT_EQ(CaptionTextPart("&Save && &Quit"), "Save  Quit");
}

TEST_F(MeasureTest, PlainItemHasGapsCaptionColumnSpaceAndCheckColumn) {
  TMenuItem* item = Add(menu_.Items(), "&Open");
  struct Case {
    bool checkMarks;
    int checkColumn;
  };
  for (const Case& c : std::vector<Case>{{true, 13}, {false, 0}}) {
    TRxItemLook look;
    look.showCheckMarks = c.checkMarks;
    const TSize size = MeasureRxMenuItem(canvas_, *item, look);
    EXPECT_EQ(size.cx, 8 + Text("Open\t\t") + Text(" ") + c.checkColumn) << c.checkMarks;
    EXPECT_EQ(size.cy, 17) << "the menu-bar height less 2";
  }
}

TEST_F(MeasureTest, ShortcutItemsShareTheColumnsOfTheirSiblings) {
  TMenuItem* wide = Add(menu_.Items(), "A much wider caption");
  TMenuItem* save = Add(menu_.Items(), "&Save", ShortCut('S', ssCtrl));
  Add(menu_.Items(), "Print", ShortCut('P', ssShift | ssCtrl));
  const TRxItemLook look;
  const int captions = Text("A much wider caption\t\t");
  const int shortcuts = Text("Shift+Ctrl+P ");
  EXPECT_EQ(MeasureRxMenuItem(canvas_, *save, look).cx, 8 + captions + shortcuts + 13);
  // Without a shortcut an item measures only itself.
  EXPECT_EQ(MeasureRxMenuItem(canvas_, *wide, look).cx, 8 + captions + Text(" ") + 13);
}

TEST_F(MeasureTest, ItemWithSubItemsGetsRoomForTheArrow) {
  TMenuItem* parent = Add(menu_.Items(), "More");
  Add(parent, "Inner");
  const TSize size = MeasureRxMenuItem(canvas_, *parent, TRxItemLook{});
  EXPECT_EQ(size.cx, 8 + Text("More\t\t") + Text(" ") + Text("\t\t") + 13);
}

TEST_F(MeasureTest, SeparatorIsNinePixelsUnlessTheFontIsVeryTall) {
  TMenuItem* line = Add(menu_.Items(), "-");
  struct Case {
    int fontHeight;
  };
  for (const Case& c : std::vector<Case>{{-11}, {-13}, {-40}}) {
    canvas_.Font().SetHeight(c.fontHeight);
    const int textHeight = canvas_.TextHeight("-");
    const TSize size = MeasureRxMenuItem(canvas_, *line, TRxItemLook{});
    EXPECT_EQ(size.cy, textHeight >= 20 ? textHeight / 2 : 9) << c.fontHeight;
    EXPECT_EQ(size.cx, 8 + Text("-\t\t") + Text(" ") + 13);
  }
  canvas_.Font().SetHeight(-11);
  EXPECT_EQ(MeasureRxMenuItem(canvas_, *line, TRxItemLook{}).cy, 9);
}

TEST_F(MeasureTest, TallFontRaisesTheItem) {
  TMenuItem* item = Add(menu_.Items(), "Big");
  canvas_.Font().SetHeight(-30);
  ASSERT_GT(canvas_.TextHeight("Big"), 17);
  EXPECT_EQ(MeasureRxMenuItem(canvas_, *item, TRxItemLook{}).cy, canvas_.TextHeight("Big"));
}

TEST_F(MeasureTest, GlyphColumnFromImagesGraphicOrMinOffset) {
  TMenuItem* item = Add(menu_.Items(), "Item");
  TImageList images;
  images.SetWidth(20);
  images.SetHeight(18);
  images.Add(TBitmap(20, 18));
  TBitmap strip(48, 30);  // three glyphs of 16 x 30
  const int base = 8 + Text("Item\t\t") + Text(" ") + 13;
  struct Case {
    const char* name;
    const TImageList* images;
    int imageIndex;
    TGraphic* graphic;
    int numGlyphs;
    int minTextOffset;
    int width;
    int height;
  };
  const std::vector<Case> cases = {
      {"valid image", &images, 0, nullptr, 1, 0, base + 22, 22},
      {"image index outside the list", &images, 3, nullptr, 1, 0, base + 22, 17},
      {"image column widened by MinTextOffset", &images, 0, nullptr, 1, 30, base + 30, 22},
      {"images win over a graphic", &images, -1, &strip, 3, 0, base + 22, 17},
      {"bitmap strip of three glyphs", nullptr, -1, &strip, 3, 0, base + 18, 34},
      {"bitmap strip taken whole for six glyphs", nullptr, -1, &strip, 6, 0, base + 50, 34},
      {"graphic column widened by MinTextOffset", nullptr, -1, &strip, 3, 25, base + 25, 34},
      {"MinTextOffset alone", nullptr, -1, nullptr, 1, 12, base + 12, 17},
      {"nothing", nullptr, -1, nullptr, 1, 0, base, 17},
  };
  for (const Case& c : cases) {
    TRxItemLook look;
    look.images = c.images;
    look.imageIndex = c.imageIndex;
    look.graphic = c.graphic;
    look.numGlyphs = c.numGlyphs;
    look.minTextOffset = c.minTextOffset;
    const TSize size = MeasureRxMenuItem(canvas_, *item, look);
    EXPECT_EQ(size.cx, c.width) << c.name;
    EXPECT_EQ(size.cy, c.height) << c.name;
  }
}

TEST_F(MeasureTest, EmptyGraphicAddsNoColumn) {
  TMenuItem* item = Add(menu_.Items(), "Item");
  TBitmap empty;
  TRxItemLook look;
  look.graphic = &empty;
  EXPECT_EQ(MeasureRxMenuItem(canvas_, *item, look).cx, 8 + Text("Item\t\t") + Text(" ") + 13);
}

}  // namespace
