// When the menu draws itself: the owner-draw rule over Style and Images, applied after
// loading, on changes, when the image list changes and at every popup; the image list
// leaving; and the parameter hooks' small rules.
#include <gtest/gtest.h>

#include <memory>

#include "controls/RxMenus.h"
#include "platform/graphics/Bitmap.h"

namespace {

// Exposes the query hooks and the loading calls.
class ProbeMenu : public TRxPopupMenu {
 public:
  using TRxPopupMenu::QueryImageIndex;
  using TRxPopupMenu::QueryItemParams;
  using TRxPopupMenu::TRxPopupMenu;
};

TEST(RxMenuRule, StyleSwitchesOwnerDrawingOnAndOff) {
  ProbeMenu menu(nullptr);
  EXPECT_EQ(menu.Style(), TRxMenuStyle::msStandard);
  EXPECT_TRUE(menu.ShowCheckMarks());
  EXPECT_EQ(menu.LeftMargin(), 0);
  EXPECT_EQ(menu.Cursor(), crDefault);
  EXPECT_EQ(menu.PopupPoint(), Point(-1, -1));
  EXPECT_FALSE(menu.OwnerDraw());
  struct Case {
    TRxMenuStyle style;
    bool ownerDraw;
  };
  for (const Case& c :
       {Case{TRxMenuStyle::msOwnerDraw, true}, Case{TRxMenuStyle::msStandard, false},
        Case{TRxMenuStyle::msBtnLowered, true}, Case{TRxMenuStyle::msBtnRaised, true},
        Case{TRxMenuStyle::msStandard, false}}) {
    menu.SetStyle(c.style);
    EXPECT_EQ(menu.OwnerDraw(), c.ownerDraw) << static_cast<int>(c.style);
    EXPECT_EQ(menu.OwnerDrawRule(), c.ownerDraw);
  }
}

TEST(RxMenuRule, ImagesCountOnlyWhenTheListHoldsAnImage) {
  ProbeMenu menu(nullptr);
  TImageList images;
  menu.SetImages(&images);
  EXPECT_FALSE(menu.OwnerDraw()) << "an empty list";
  images.Add(TBitmap(16, 16));
  EXPECT_TRUE(menu.OwnerDraw()) << "the list reported its change";
  images.Clear();
  EXPECT_FALSE(menu.OwnerDraw());
  images.Add(TBitmap(16, 16));
  menu.SetImages(nullptr);
  EXPECT_FALSE(menu.OwnerDraw());
  menu.SetImages(&images);
  EXPECT_TRUE(menu.OwnerDraw());
  // A style keeps owner drawing on whatever the images do.
  menu.SetStyle(TRxMenuStyle::msOwnerDraw);
  images.Clear();
  EXPECT_TRUE(menu.OwnerDraw());
  menu.SetImages(nullptr);
}

TEST(RxMenuRule, LoadedAppliesTheRuleOnce) {
  ProbeMenu menu(nullptr);
  menu.BeginLoading();
  menu.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu.SetOwnerDraw(false);  // as a stored layout may leave it
  menu.EndLoading();
  EXPECT_TRUE(menu.OwnerDraw());
}

TEST(RxMenuRule, PopupSwitchesOwnerDrawingBackOn) {
  ProbeMenu menu(nullptr);
  menu.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu.SetOwnerDraw(false);
  bool ownerDrawInOnPopup = true;
  menu.OnPopup = [&](TComponent*) { ownerDrawInOnPopup = menu.OwnerDraw(); };
  menu.Popup(10, 20);  // no items: nothing opens, but the steps before the tracking run
  EXPECT_FALSE(ownerDrawInOnPopup) << "OnPopup runs first";
  EXPECT_TRUE(menu.OwnerDraw());
  EXPECT_EQ(menu.PopupPoint(), Point(10, 20));
}

TEST(RxMenuRule, ImageListFreedByTheSameOwnerIsForgotten) {
  TComponent owner;
  auto* menu = new ProbeMenu(&owner);
  auto* images = new TImageList(&owner);
  images->Add(TBitmap(16, 16));
  menu->SetImages(images);
  ASSERT_TRUE(menu->OwnerDraw());
  delete images;
  EXPECT_EQ(menu->Images(), nullptr);
}

TEST(RxMenuRule, MenuFreedFirstLeavesItsImageListQuiet) {
  TImageList images;
  {
    ProbeMenu menu(nullptr);
    menu.SetImages(&images);
  }
  images.Add(TBitmap(16, 16));  // no call into the freed menu
  EXPECT_EQ(images.Count(), 1);
}

TEST(RxMenuRule, SeparatorsGetNoGraphicAndNoImageQuery) {
  ProbeMenu menu(nullptr);
  auto* line = new TMenuItem(&menu);
  line->SetCaption("-");
  auto* item = new TMenuItem(&menu);
  item->SetCaption("Item");
  menu.Items()->Add(line);
  menu.Items()->Add(item);
  TBitmap glyph(16, 16);
  menu.OnGetItemParams = [&](TMenu*, TMenuItem*, TMenuOwnerDrawState, TFont&, TColor&,
                             TGraphic*& graphic, int& numGlyphs) {
    graphic = &glyph;
    numGlyphs = 2;
  };
  int queries = 0;
  menu.OnGetImageIndex = [&](TMenu*, TMenuItem*, TMenuOwnerDrawState, int& index) {
    ++queries;
    index = 7;
  };
  TFont font;
  TColor color = clMenu;
  TGraphic* graphic = nullptr;
  int numGlyphs = 1;
  menu.QueryItemParams(*line, 0, font, color, graphic, numGlyphs);
  EXPECT_EQ(graphic, nullptr);
  menu.QueryItemParams(*item, 0, font, color, graphic, numGlyphs);
  EXPECT_EQ(graphic, &glyph);
  EXPECT_EQ(numGlyphs, 2);

  int index = -1;
  menu.QueryImageIndex(*item, 0, index);
  EXPECT_EQ(queries, 0) << "no image list";
  TImageList images;
  menu.SetImages(&images);
  menu.QueryImageIndex(*line, 0, index);
  EXPECT_EQ(queries, 0) << "a separator";
  menu.QueryImageIndex(*item, 0, index);
  EXPECT_EQ(queries, 1);
  EXPECT_EQ(index, 7);
  menu.SetImages(nullptr);
}

TEST(RxMenuRule, NegativeSizesCountAsZero) {
  ProbeMenu menu(nullptr);
  menu.SetLeftMargin(-5);
  menu.SetMinTextOffset(-1);
  EXPECT_EQ(menu.LeftMargin(), 0);
  EXPECT_EQ(menu.MinTextOffset(), 0);
}

TEST(RxMenuRule, ImageListOfAnotherWindowIsForgottenWhenFreed) {
  TComponent menuWindow;
  TComponent listWindow;
  auto* menu = new ProbeMenu(&menuWindow);
  auto* images = new TImageList(&listWindow);
  images->Add(TBitmap(16, 16));
  menu->SetImages(images);
  ASSERT_TRUE(menu->OwnerDraw());
  delete images;
  EXPECT_EQ(menu->Images(), nullptr);
  EXPECT_FALSE(menu->OwnerDraw());
  // A list that was replaced no longer reaches the menu.
  auto* first = new TImageList(&listWindow);
  auto* second = new TImageList(&listWindow);
  menu->SetImages(first);
  menu->SetImages(second);
  delete second;
  EXPECT_EQ(menu->Images(), nullptr);
  first->Add(TBitmap(16, 16));
  EXPECT_FALSE(menu->OwnerDraw()) << "the old list's changes are not heard";
}

TEST(RxMenuRule, ImageListDestroyedInPlaceIsForgotten) {
  ProbeMenu menu(nullptr);
  {
    TImageList images;
    images.Add(TBitmap(16, 16));
    menu.SetImages(&images);
    EXPECT_TRUE(menu.OwnerDraw());
  }
  EXPECT_EQ(menu.Images(), nullptr);
  EXPECT_FALSE(menu.OwnerDraw());
}

}  // namespace
