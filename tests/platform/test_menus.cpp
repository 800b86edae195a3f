// The menu item tree, shortcuts, accelerator routing and the standard look of items.
#include <gtest/gtest.h>

#include <memory>

#include "pixel_helpers.h"
#include "platform/graphics/Bitmap.h"
#include "platform/core/Exception.h"
#include "platform/graphics/FrameControl.h"
#include "platform/menus/Menus.h"
#include "platform/framework/SystemMetrics.h"

namespace {

TEST(ShortCutText, NamesKeysAndModifiersInTheClassicOrder) {
  EXPECT_EQ(ShortCutToText(ShortCut('S', ssCtrl)), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F1 + 3, ssShift | ssCtrl)), "Shift+Ctrl+F4");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_RETURN, ssAlt)), "Alt+Enter");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, 0)), "Del");
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(ShortCut('S', ssCtrl), 0x4000 | 'S');

  EXPECT_EQ(TextToShortCut("Ctrl+S"), ShortCut('S', ssCtrl));
  EXPECT_EQ(TextToShortCut("shift+ctrl+f4"), ShortCut(VK_F1 + 3, ssShift | ssCtrl));
  EXPECT_EQ(TextToShortCut("PgDn"), ShortCut(VK_NEXT, 0));
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Hyper+S"), scNone);
  EXPECT_EQ(TextToShortCut(""), scNone);

  TKey key = 0;
  TShiftState shift = 0;
  ShortCutToKey(ShortCut('Q', ssAlt | ssShift), key, shift);
  EXPECT_EQ(key, 'Q');
  EXPECT_EQ(shift, ssAlt | ssShift);
}

class MenuTree : public ::testing::Test {
 protected:
  TMenuItem* Make(const std::string& caption) {
    auto* item = new TMenuItem(&menu_);
    item->SetCaption(caption);
    return item;
  }
  TPopupMenu menu_{nullptr};
};

TEST_F(MenuTree, AddInsertRemoveAndFind) {
  TMenuItem* a = Make("&Открыть");
  TMenuItem* b = Make("Со&хранить");
  TMenuItem* c = Make("-");
  menu_.Items()->Add(a);
  menu_.Items()->Add(c);
  menu_.Items()->Insert(1, b);
  ASSERT_EQ(menu_.Items()->Count(), 3);
  EXPECT_EQ(menu_.Items()->Items(1), b);
  EXPECT_EQ(b->MenuIndex(), 1);
  EXPECT_EQ(b->Parent(), menu_.Items());
  EXPECT_EQ(b->GetParentMenu(), &menu_);
  EXPECT_TRUE(menu_.IsFirstLevel(b));
  EXPECT_TRUE(c->IsLine());
  // Find ignores accelerator marks and case.
  EXPECT_EQ(menu_.Items()->Find("сохранить"), b);
  EXPECT_EQ(menu_.Items()->Find("ОТКРЫТЬ"), a);
  EXPECT_EQ(menu_.Items()->Find("Печать"), nullptr);
  EXPECT_EQ(menu_.FindItem(b->Command()), b);

  menu_.Items()->Remove(b);
  EXPECT_EQ(b->Parent(), nullptr);
  EXPECT_EQ(b->GetParentMenu(), nullptr);
  EXPECT_EQ(menu_.Items()->Count(), 2);
  a->Add(b);  // moves into a sub-menu
  EXPECT_EQ(b->Parent(), a);
  EXPECT_FALSE(menu_.IsFirstLevel(b));
  EXPECT_TRUE(menu_.IsInMenu(b));
  menu_.Items()->Add(b);  // and out again
  EXPECT_EQ(a->Count(), 0);
  EXPECT_EQ(menu_.Items()->Items(2), b);

  EXPECT_THROW(menu_.Items()->Items(7), Exception);
  EXPECT_THROW(menu_.Items()->Insert(9, Make("x")), Exception);
  EXPECT_THROW(b->Add(menu_.Items()), Exception);  // an item cannot hold its own ancestor
  EXPECT_THROW(b->Add(b), Exception);
}

TEST_F(MenuTree, FreeingAnItemDetachesIt_FreeingAParentFreesItsItems) {
  TMenuItem* parent = Make("Parent");
  TMenuItem* child = Make("Child");
  TMenuItem* other = Make("Other");
  menu_.Items()->Add(parent);
  menu_.Items()->Add(other);
  parent->Add(child);
  const int owned = menu_.ComponentCount();
  delete other;
  EXPECT_EQ(menu_.Items()->Count(), 1);
  EXPECT_EQ(menu_.ComponentCount(), owned - 1);
  delete parent;  // takes child along, and both leave their owner
  EXPECT_EQ(menu_.Items()->Count(), 0);
  EXPECT_EQ(menu_.ComponentCount(), owned - 3);
}

TEST(MenuOwnership, ItemsOwnedByAFormOutliveOrNotTheirMenu) {
  // The owner frees the items first (newest first), then the menu: nothing is freed twice.
  auto owner = std::make_unique<TComponent>();
  auto* menu = new TPopupMenu(owner.get());
  auto* item = new TMenuItem(owner.get());
  auto* sub = new TMenuItem(owner.get());
  menu->Items()->Add(item);
  item->Add(sub);
  owner.reset();
  // The menu freed first takes its items along and they leave their owner.
  owner = std::make_unique<TComponent>();
  menu = new TPopupMenu(owner.get());
  item = new TMenuItem(owner.get());
  menu->Items()->Add(item);
  delete menu;
  EXPECT_EQ(owner->ComponentCount(), 0);
}

TEST_F(MenuTree, RadioItemsOfAGroupCheckEachOtherOff_DefaultIsUnique) {
  TMenuItem* a = Make("A");
  TMenuItem* b = Make("B");
  TMenuItem* c = Make("C");
  for (TMenuItem* item : {a, b, c}) {
    item->SetRadioItem(true);
    menu_.Items()->Add(item);
  }
  c->SetGroupIndex(1);
  a->SetChecked(true);
  c->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(c->Checked());  // another group

  a->SetDefault(true);
  b->SetDefault(true);
  EXPECT_FALSE(a->Default());
  EXPECT_TRUE(b->Default());
}

TEST_F(MenuTree, ClickTogglesAutoCheckThenFiresOnClick) {
  TMenuItem* a = Make("A");
  bool checkedInHandler = false;
  a->OnClick = [&](TComponent*) { checkedInHandler = a->Checked(); };
  a->SetAutoCheck(true);
  a->Click();
  EXPECT_TRUE(a->Checked());
  EXPECT_TRUE(checkedInHandler);
  a->Click();
  EXPECT_FALSE(a->Checked());
}

// The base menu-character rule, reached through a menu that exposes it.
class CharMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  int Char(char32_t key, int hot, bool& execute) { return MenuChar(*Items(), key, hot, execute); }
};

TEST(MenuChar, OneMatchChoosesSeveralStepDisabledOnlyHighlights) {
  CharMenu menu(nullptr);
  const char* captions[] = {"&Copy", "C&ut", "&Paste", "&Print", "-", "&Delete"};
  std::vector<TMenuItem*> items;
  for (const char* caption : captions) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    menu.Items()->Add(item);
    items.push_back(item);
  }
  items[5]->SetEnabled(false);
  bool execute = false;
  EXPECT_EQ(menu.Char(U'U', -1, execute), 1);
  EXPECT_TRUE(execute);
  EXPECT_EQ(menu.Char(U'p', -1, execute), 2);
  EXPECT_FALSE(execute);
  EXPECT_EQ(menu.Char(U'p', 2, execute), 3);
  EXPECT_EQ(menu.Char(U'p', 3, execute), 2);  // round again
  EXPECT_EQ(menu.Char(U'd', -1, execute), 5);
  EXPECT_FALSE(execute);  // disabled: highlighted, not chosen
  EXPECT_EQ(menu.Char(U'z', -1, execute), -1);
}

// --- The standard look

class StandardLook : public ::testing::Test {
 protected:
  StandardLook() : face_(200, 40) {
    face_.Canvas().Brush().SetColor(clMenu);
    face_.Canvas().FillRect(Rect(0, 0, 200, 40));
    face_.Canvas().SetFont(MenuFont());
    item_ = new TMenuItem(&menu_);
    menu_.Items()->Add(item_);
  }
  TPopupMenu menu_{nullptr};
  TMenuItem* item_;
  TBitmap face_;
};

TEST_F(StandardLook, MeasuresColumnsOfTheWholeLevel) {
  auto* longer = new TMenuItem(&menu_);
  longer->SetCaption("A much longer caption");
  longer->SetShortCut(ShortCut('S', ssCtrl));
  menu_.Items()->Add(longer);
  item_->SetCaption("&Open");
  TCanvas canvas;
  canvas.SetFont(MenuFont());
  int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
  TMenu::StandardMeasureItem(*item_, canvas, w1, h1);
  TMenu::StandardMeasureItem(*longer, canvas, w2, h2);
  EXPECT_EQ(w1, w2);  // one column width for the level
  const int check = GetSystemMetrics(SM_CXMENUCHECK);
  EXPECT_EQ(TMenu::StandardTextOffset(), 2 * 4 + check);
  EXPECT_EQ(w1, TMenu::StandardTextOffset() + canvas.TextWidth("A much longer caption") + 12 +
                    canvas.TextWidth("Ctrl+S") + check + 4);
  EXPECT_EQ(h1, std::max(GetSystemMetrics(SM_CYMENU) - 2, canvas.TextHeight("&Open") + 4));
  item_->SetCaption("-");
  TMenu::StandardMeasureItem(*item_, canvas, w1, h1);
  EXPECT_EQ(h1, 9);
}

TEST_F(StandardLook, SelectedItemIsAHighlightBarWithHighlightText) {
  item_->SetCaption("Open");
  const TRect rect = Rect(0, 10, 200, 27);
  TMenu::StandardDrawItem(*item_, face_.Canvas(), rect, mdSelected);
  const PixelSet text = PixelsOf(face_, clHighlightText);
  ASSERT_FALSE(text.empty());
  const TRect box = BoundsOf(text);
  EXPECT_GE(box.Left, TMenu::StandardTextOffset());
  EXPECT_GE(box.Top, rect.Top);
  EXPECT_LE(box.Bottom, rect.Bottom);
  // The bar covers the rectangle exactly: text or highlight inside, menu colour outside.
  EXPECT_EQ(BoundsOf(PixelsNot(face_, clMenu)), rect);
  EXPECT_EQ(face_.Canvas().Pixels(0, 10), ColorToRGB(clHighlight));
  EXPECT_EQ(face_.Canvas().Pixels(199, 26), ColorToRGB(clHighlight));
}

TEST_F(StandardLook, CheckMarkSitsCentredInTheCheckColumn) {
  item_->SetCaption("");
  item_->SetChecked(true);
  const TRect rect = Rect(0, 10, 200, 27);
  TMenu::StandardDrawItem(*item_, face_.Canvas(), rect, 0);
  const PixelSet mark = PixelsOf(face_, clMenuText);
  TBitmap glyph(13, 13);
  DrawMenuGlyph(glyph.Canvas(), 0, 0, mgCheck, clBlack);
  PixelSet expected;
  const int x0 = (TMenu::StandardTextOffset() - 13) / 2;
  const int y0 = (10 + 27 - 13) / 2;
  for (const auto& [x, y] : PixelsOf(glyph, clBlack)) expected.insert({x0 + x, y0 + y});
  EXPECT_EQ(mark, expected);
  EXPECT_EQ(expected.size(), 21u);  // the classic 7 x 7 tick
}

TEST_F(StandardLook, SeparatorIsAnEtchedLineThroughTheMiddle) {
  item_->SetCaption("-");
  TMenu::StandardDrawItem(*item_, face_.Canvas(), Rect(0, 10, 200, 19), 0);
  PixelSet shadow;
  PixelSet light;
  for (int x = 0; x < 200; ++x) {
    shadow.insert({x, 13});
    light.insert({x, 14});
  }
  EXPECT_EQ(PixelsOf(face_, clBtnShadow), shadow);
  EXPECT_EQ(PixelsOf(face_, clBtnHighlight), light);
}

TEST_F(StandardLook, DisabledTextIsEngravedUnlessHighlighted) {
  item_->SetCaption("Print");
  item_->SetEnabled(false);
  TMenu::StandardDrawItem(*item_, face_.Canvas(), Rect(0, 0, 200, 17), mdDisabled | mdGrayed);
  const PixelSet gray = PixelsOf(face_, clBtnShadow);
  const PixelSet white = PixelsOf(face_, clBtnHighlight);
  ASSERT_FALSE(gray.empty());
  ASSERT_FALSE(white.empty());
  EXPECT_EQ(BoundsOf(white).Left, BoundsOf(gray).Left + 1);
  EXPECT_TRUE(PixelsOf(face_, clMenuText).empty());

  TBitmap selected(200, 17);
  TMenu::StandardDrawItem(*item_, selected.Canvas(), Rect(0, 0, 200, 17),
                          mdSelected | mdDisabled | mdGrayed);
  EXPECT_FALSE(PixelsOf(selected, clGrayText).empty());
  EXPECT_TRUE(PixelsOf(selected, clBtnHighlight).empty());
}

TEST_F(StandardLook, ShortcutStandsInItsOwnColumn) {
  item_->SetCaption("O");
  item_->SetShortCut(ShortCut('O', ssCtrl));
  auto* wide = new TMenuItem(&menu_);
  wide->SetCaption("Wide wide caption");
  menu_.Items()->Add(wide);
  TMenu::StandardDrawItem(*item_, face_.Canvas(), Rect(0, 0, 200, 17), 0);
  TCanvas measure;
  measure.SetFont(MenuFont());
  const int column = TMenu::StandardTextOffset() + measure.TextWidth("Wide wide caption") + 12;
  // Text pixels left of the column belong to "O", those right of it to "Ctrl+O".
  const PixelSet text = PixelsOf(face_, clMenuText);
  int right = 0;
  for (const auto& [x, y] : text) right += x >= column;
  EXPECT_GT(right, 0);
  for (const auto& [x, y] : text)
    EXPECT_TRUE(x >= column || x < TMenu::StandardTextOffset() + measure.TextWidth("O"));
}

}  // namespace
