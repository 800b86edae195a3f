// The owner-drawn menu while it is open: the margin and the item rectangles, the text column,
// separators, selection looks, the margin handler of the main window, the hooks, the cursor
// and the hint, and the mouse and the keyboard.
#include <gtest/gtest.h>

#include <algorithm>

#include <map>

#include "controls/RxMenuMargin.h"
#include "controls/RxMenuMeasure.h"
#include "platform/framework/Application.h"
#include "rx_menu_fixture.h"

namespace {

constexpr TColor kStart = 5943291;
constexpr TColor kEnd = 2971517;

int MeasuredWidth(const TMenuItem& item) {
  TCanvas canvas;
  canvas.SetFont(MenuFont());
  return MeasureRxMenuItem(canvas, item, TRxItemLook{}).cx;
}

int TextTop(const TRect& rect) {
  TCanvas canvas;
  canvas.SetFont(MenuFont());
  return (rect.Top + rect.Bottom - canvas.TextHeight("Ay")) / 2;
}

TEST_F(RxMenuTest, FirstLevelItemsStartAfterTheMarginAndMeasureItWider) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu_.SetLeftMargin(30);
  TMenuItem* open = Add("Open");
  TMenuItem* longer = Add("A longer caption");
  TMenuItem* more = Add("More");
  TMenuItem* inner = Add(more, "Inner");
  std::map<std::string, TRect> drawn;
  menu_.OnDrawItem = [&](TMenu* sender, TMenuItem* item, const TRect& rect, TMenuOwnerDrawState) {
    EXPECT_EQ(sender, &menu_);
    drawn[item->Caption()] = rect;
  };
  TRect openRect;
  TRect innerRect;
  RunMenu(menu_, kX, kY, [&] {
    openRect = menu_.GetMenuItemRect(open);
    Key(VK_UP);  // More
    Key(VK_RIGHT);
    innerRect = menu_.GetMenuItemRect(inner);
    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
  });
  const int widest = std::max({MeasuredWidth(*open), MeasuredWidth(*longer), MeasuredWidth(*more)});
  EXPECT_EQ(openRect.Width(), widest + 31);
  EXPECT_EQ(innerRect.Width(), MeasuredWidth(*inner));
  ASSERT_EQ(drawn.count("Open"), 1u);
  EXPECT_EQ(drawn["Open"], Rect(31, 0, widest + 31, 17));
  EXPECT_EQ(drawn["More"].Left, 31);
  EXPECT_EQ(drawn["Inner"], Rect(0, 0, MeasuredWidth(*inner), 17));
  EXPECT_TRUE(clicks_.empty());
}

TEST_F(RxMenuTest, TextOfAFirstLevelItemStartsAt52) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu_.SetLeftMargin(30);
  TMenuItem* open = Add("Open");
  Add("Save");
  TRect rect;
  TBitmap face;
  RunMenu(menu_, kX, kY, [&] {
    rect = ClientRect(open);
    CaptureClient(face);
    Key(VK_ESCAPE);
  });
  ASSERT_EQ(rect.Left, 0);
  TBitmap expected = MenuBitmap(face.Width(), face.Height());
  ReferenceText(expected.Canvas(), 52, TextTop(rect), "Open", clMenuText);
  EXPECT_EQ(DifferingPixels(face, expected, Rect(31, rect.Top, rect.Right, rect.Bottom)), 0);
  // The default margin: blue at the top, two edge lines, the column after it in menu colour.
  EXPECT_EQ(face.Canvas().Pixels(0, 0), ColorToRGB(clBlue));
  EXPECT_EQ(face.Canvas().Pixels(28, 5), ColorToRGB(clBtnShadow));
  EXPECT_EQ(face.Canvas().Pixels(29, 5), ColorToRGB(clBtnHighlight));
  EXPECT_TRUE(AllOf(face, Rect(30, 0, 31, face.Height()), clMenu));
}

TEST_F(RxMenuTest, SeparatorIsNinePixelsWithItsTwoLines) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu_.SetLeftMargin(30);
  Add("One");
  TMenuItem* line = Add("-");
  Add("Two");
  TRect rect;
  TBitmap face;
  RunMenu(menu_, kX, kY, [&] {
    rect = ClientRect(line);
    CaptureClient(face);
    Key(VK_ESCAPE);
  });
  EXPECT_EQ(rect, Rect(0, 17, face.Width(), 26));
  EXPECT_TRUE(AllOf(face, Rect(31, 20, face.Width(), 21), clBtnShadow));
  EXPECT_TRUE(AllOf(face, Rect(31, 21, face.Width(), 22), clBtnHighlight));
  EXPECT_TRUE(AllOf(face, Rect(31, 17, face.Width(), 20), clMenu));
  EXPECT_TRUE(AllOf(face, Rect(31, 22, face.Width(), 26), clMenu));
}

TEST_F(RxMenuTest, MainWindowMarginHandlerWidensTheMarginOnItsFirstPaint) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu_.SetLeftMargin(20);
  std::vector<TRect> margins;
  menu_.OnDrawMargin = [&](TMenu* sender, const TRect& rect) {
    margins.push_back(rect);
    auto& rx = dynamic_cast<TRxPopupMenu&>(*sender);
    rx.PaintMarginGradient(rect, kStart, kEnd);
    rx.SetLeftMargin(30);
  };
  TMenuItem* one = Add("One");
  Add("Two");
  TRect first;
  TBitmap face;
  RunMenu(menu_, kX, kY, [&] {
    // Two faces asked for at once, so the test does not depend on when the window system
    // gets round to painting the menu on a busy machine.
    TBitmap painted;
    CaptureClient(painted);
    CaptureClient(painted);
    first = ClientRect(one);
    Key(VK_ESCAPE);
  });
  EXPECT_EQ(menu_.LeftMargin(), 30);
  ASSERT_GE(margins.size(), 2u);
  EXPECT_EQ(margins.front(), Rect(0, 0, 20, 34));
  EXPECT_NE(std::find(margins.begin() + 1, margins.end(), Rect(0, 0, 30, 34)), margins.end());
  // Measured with 30 from the second time on.
  TRect second;
  RunMenu(menu_, kX, kY, [&] {
    second = ClientRect(one);
    CaptureClient(face);
    Key(VK_ESCAPE);
  });
  EXPECT_EQ(second.Width(), first.Width() + 10);
  // 34 rows: 32 bands of one row, the last two rows in the end colour.
  for (int y = 0; y < 32; ++y)
    EXPECT_EQ(face.Canvas().Pixels(10, y), MarginBandColor(kStart, kEnd, y, 32)) << y;
  EXPECT_EQ(face.Canvas().Pixels(10, 32), kEnd);
  EXPECT_EQ(face.Canvas().Pixels(10, 33), kEnd);
  EXPECT_TRUE(AllOf(face, Rect(27, 0, 28, 34), clMenu));
  EXPECT_TRUE(AllOf(face, Rect(28, 0, 29, 34), clBtnShadow));
  EXPECT_TRUE(AllOf(face, Rect(29, 0, 30, 34), clBtnHighlight));
}

TEST_F(RxMenuTest, ItemParamsChangeTheFontColourAndBackground) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu_.SetLeftMargin(30);
  TMenuItem* one = Add("One");
  TMenuItem* two = Add("Two");
  std::vector<TMenuOwnerDrawState> states;
  menu_.OnGetItemParams = [&](TMenu*, TMenuItem* item, TMenuOwnerDrawState state, TFont& font,
                              TColor& color, TGraphic*&, int&) {
    EXPECT_EQ(&font, &menu_.Canvas()->Font());
    states.push_back(state);
    font.SetColor(124);
    font.SetSize(10);
    if (item == two) color = clYellow;
  };
  TRect oneRect;
  TRect twoRect;
  TBitmap face;
  RunMenu(menu_, kX, kY, [&] {
    oneRect = ClientRect(one);
    twoRect = ClientRect(two);
    CaptureClient(face);
    Key(VK_ESCAPE);
  });
  TFont big = MenuFont();
  big.SetSize(10);
  TCanvas measure;
  measure.SetFont(big);
  TBitmap expected = MenuBitmap(face.Width(), face.Height());
  expected.Canvas().Brush().SetColor(clYellow);
  expected.Canvas().FillRect(Rect(31, twoRect.Top, twoRect.Right, twoRect.Bottom));
  const int h = measure.TextHeight("Ay");
  ReferenceText(expected.Canvas(), 52, (oneRect.Top + oneRect.Bottom - h) / 2, "One", 124, big);
  ReferenceText(expected.Canvas(), 52, (twoRect.Top + twoRect.Bottom - h) / 2, "Two", 124, big);
  EXPECT_EQ(DifferingPixels(face, expected, Rect(31, 0, face.Width(), face.Height())), 0);
  // Measured with the 10-point font: wider than with the menu font.
  EXPECT_GT(oneRect.Width(), MeasuredWidth(*one) + 31);
  ASSERT_FALSE(states.empty());
  EXPECT_EQ(states.front(), 0u);
}

TEST_F(RxMenuTest, KeyboardSelectsWithTheHighlightBarAndEscapeRunsNothing) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu_.SetLeftMargin(30);
  TMenuItem* one = Add("One");
  Add("-");
  TMenuItem* off = Add("Off");
  off->SetEnabled(false);
  TMenuItem* three = Add("Three");
  TBitmap first;
  TBitmap last;
  TRect oneRect;
  TRect threeRect;
  RunMenu(menu_, kX, kY, [&] {
    oneRect = ClientRect(one);
    threeRect = ClientRect(three);
    Key(VK_DOWN);
    CaptureClient(first);
    Key(VK_DOWN);  // over the separator and the disabled item
    CaptureClient(last);
    Key(VK_ESCAPE);
  });
  EXPECT_TRUE(clicks_.empty());
  EXPECT_FALSE(menu_.IsOpen());
  EXPECT_TRUE(AllOf(first, Rect(31, oneRect.Top, oneRect.Right, oneRect.Top + 2), clHighlight));
  EXPECT_GT(CountOf(first, Rect(31, oneRect.Top, oneRect.Right, oneRect.Bottom), clHighlightText),
            5);
  EXPECT_EQ(CountOf(first, Rect(31, threeRect.Top, threeRect.Right, threeRect.Bottom), clHighlight),
            0);
  EXPECT_EQ(CountOf(last, Rect(31, oneRect.Top, oneRect.Right, oneRect.Bottom), clHighlight), 0);
  EXPECT_TRUE(
      AllOf(last, Rect(31, threeRect.Top, threeRect.Right, threeRect.Top + 2), clHighlight));
  // The margin stays as it is.
  EXPECT_EQ(first.Canvas().Pixels(0, oneRect.Top), ColorToRGB(clBlue));

  RunMenu(menu_, kX, kY, [&] {
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);
  });
  EXPECT_EQ(clicks_, (std::vector<std::string>{"Three"}));
}

TEST_F(RxMenuTest, MouseClickChoosesTheItem) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu_.SetLeftMargin(30);
  Add("One");
  TMenuItem* two = Add("Two");
  RunMenu(menu_, kX, kY, [&] { ClickOn(two); });
  EXPECT_EQ(clicks_, (std::vector<std::string>{"Two"}));
}

TEST_F(RxMenuTest, ButtonStylesKeepTheMenuBackgroundAndFrameTheSelection) {
  struct Case {
    TRxMenuStyle style;
    TColor topLeft;
    TColor bottomRight;
  };
  TMenuItem* one = Add("One");
  Add("Two");
  for (const Case& c :
       std::vector<Case>{{TRxMenuStyle::msBtnRaised, clBtnHighlight, clBtnShadow},
                         {TRxMenuStyle::msBtnLowered, clBtnShadow, clBtnHighlight}}) {
    menu_.SetStyle(c.style);
    menu_.SetLeftMargin(30);
    TRect rect;
    TBitmap face;
    RunMenu(menu_, kX, kY, [&] {
      rect = ClientRect(one);
      Key(VK_DOWN);
      CaptureClient(face);
      Key(VK_ESCAPE);
    });
    EXPECT_EQ(CountOf(face, Rect(31, 0, face.Width(), face.Height()), clHighlight), 0);
    EXPECT_TRUE(AllOf(face, Rect(31, rect.Top, rect.Right - 1, rect.Top + 1), c.topLeft));
    EXPECT_TRUE(AllOf(face, Rect(31, rect.Top, 32, rect.Bottom - 1), c.topLeft));
    EXPECT_TRUE(AllOf(face, Rect(31, rect.Bottom - 1, rect.Right, rect.Bottom), c.bottomRight));
    EXPECT_TRUE(
        AllOf(face, Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom), c.bottomRight));
    EXPECT_GT(CountOf(face, Rect(32, rect.Top + 1, rect.Right - 1, rect.Bottom - 1), clMenuText),
              5);
  }
}

TEST_F(RxMenuTest, HandCursorWhileAnItemIsHighlighted) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu_.SetCursor(crHandPoint);
  TMenuItem* one = Add("One");
  TCursor highlighted = crDefault;
  TCursor off = crHandPoint;
  RunMenu(menu_, kX, kY, [&] {
    MoveTo(one);
    highlighted = menu_.MenuCursor();
    TestInput::MouseMove(form_.get(), form_->ScreenToClient(Point(10, 500)));
    off = menu_.MenuCursor();
    Key(VK_ESCAPE);
  });
  EXPECT_EQ(highlighted, crHandPoint);
  EXPECT_EQ(off, crDefault);
  EXPECT_EQ(menu_.MenuCursor(), crDefault);
}

TEST_F(RxMenuTest, CursorZeroLeavesTheCursorAlone) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  Add("One");
  TCursor highlighted = crHandPoint;
  RunMenu(menu_, kX, kY, [&] {
    Key(VK_DOWN);
    highlighted = menu_.MenuCursor();
    Key(VK_ESCAPE);
  });
  EXPECT_EQ(highlighted, crDefault);
}

TEST_F(RxMenuTest, HighlightedItemsHintBecomesTheApplicationHint) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  TMenuItem* one = Add("One");
  one->SetHint("Open|Opens a document");
  TMenuItem* two = Add("Two");
  std::string onOne;
  std::string onTwo = "unchanged";
  RunMenu(menu_, kX, kY, [&] {
    Key(VK_DOWN);
    onOne = Application->Hint();
    Key(VK_DOWN);
    onTwo = Application->Hint();
    Key(VK_ESCAPE);
  });
  EXPECT_EQ(onOne, "Opens a document");
  EXPECT_EQ(onTwo, "");
  EXPECT_EQ(Application->Hint(), "");
  EXPECT_EQ(two->Hint(), "");
}

TEST_F(RxMenuTest, AlignmentPlacesThePopupPointOnTheMenu) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  TMenuItem* one = Add("One");
  struct Case {
    TPopupAlignment alignment;
    const char* name;
  };
  for (const Case& c :
       std::vector<Case>{{paLeft, "left"}, {paRight, "right"}, {paCenter, "centre"}}) {
    menu_.SetAlignment(c.alignment);
    TRect r;
    RunMenu(menu_, 400, kY, [&] {
      r = menu_.GetMenuItemRect(one);
      Key(VK_ESCAPE);
    });
    const int left = r.Left - kFrame;
    const int width = r.Width() + 2 * kFrame;
    const int expected = c.alignment == paLeft    ? 400
                         : c.alignment == paRight ? 400 - width
                                                  : 400 - width / 2;
    EXPECT_EQ(left, expected) << c.name;
    EXPECT_EQ(r.Top, kY + kFrame) << c.name;
  }
}

TEST_F(RxMenuTest, MeasureAndDrawHooksReplaceTheDefaults) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  TMenuItem* one = Add("One");
  menu_.OnMeasureItem = [&](TMenu*, TMenuItem* item, int& width, int& height) {
    EXPECT_EQ(item, one);
    EXPECT_EQ(width, MeasuredWidth(*one));
    EXPECT_EQ(height, 17);
    width += 50;
    height = 30;
  };
  menu_.OnDrawItem = [&](TMenu*, TMenuItem*, const TRect& rect, TMenuOwnerDrawState) {
    menu_.Canvas()->Brush().SetColor(clLime);
    menu_.Canvas()->FillRect(Rect(rect.Left, rect.Top, rect.Left + 5, rect.Bottom));
  };
  TRect rect;
  TBitmap face;
  RunMenu(menu_, kX, kY, [&] {
    rect = ClientRect(one);
    CaptureClient(face);
    Key(VK_ESCAPE);
  });
  EXPECT_EQ(rect, Rect(0, 0, MeasuredWidth(*one) + 50 + 1, 30));
  EXPECT_TRUE(AllOf(face, Rect(1, 0, 6, 30), clLime));
  EXPECT_EQ(CountOf(face, Rect(6, 0, face.Width(), 30), clMenuText), 0);
  EXPECT_EQ(menu_.Canvas(), nullptr);
}

TEST_F(RxMenuTest, StandardStyleWithoutImagesIsDrawnByThePlatform) {
  menu_.SetLeftMargin(30);
  Add("One");
  EXPECT_FALSE(menu_.OwnerDraw());
  TBitmap face = OpenAndCapture();
  EXPECT_EQ(CountOf(face, Rect(0, 0, 30, face.Height()), clBlue), 0);
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  EXPECT_TRUE(menu_.OwnerDraw());
  face = OpenAndCapture();
  EXPECT_EQ(face.Canvas().Pixels(0, 0), ColorToRGB(clBlue));
}

TEST_F(RxMenuTest, SubmenuArrowTakesTheTextColourOfTheItem) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu_.SetLeftMargin(30);
  TMenuItem* more = Add("More");
  Add(more, "Inner");
  TRect rect;
  TBitmap plain;
  TBitmap selected;
  RunMenu(menu_, kX, kY, [&] {
    rect = ClientRect(more);
    CaptureClient(plain);
    Key(VK_DOWN);
    CaptureClient(selected);
    Key(VK_ESCAPE);
  });
  // The arrow sits in the last 15 columns; the caption is far to its left.
  const TRect arrow = Rect(rect.Right - 15, rect.Top, rect.Right, rect.Bottom);
  EXPECT_GT(CountOf(plain, arrow, clMenuText), 3);
  EXPECT_EQ(CountOf(selected, arrow, clMenuText), 0);
  EXPECT_EQ(CountOf(selected, arrow, clHighlightText), CountOf(plain, arrow, clMenuText));
}

TEST_F(RxMenuTest, FailingHandlerGoesToTheApplicationAndTheMenuGoesOn) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  menu_.SetLeftMargin(30);
  TMenuItem* one = Add("One");
  TMenuItem* two = Add("Two");
  std::vector<std::string> errors;
  Application->OnException = [&](TComponent*, const std::exception& error) {
    errors.push_back(error.what());
  };
  menu_.OnGetItemParams = [&](TMenu*, TMenuItem* item, TMenuOwnerDrawState, TFont& font, TColor&,
                              TGraphic*&, int&) {
    font.SetColor(clRed);
    font.SetStyle(fsItalic);
    if (item == one) throw Exception("no parameters for One");
  };
  TRect twoRect;
  TBitmap face;
  RunMenu(menu_, kX, kY, [&] {
    twoRect = ClientRect(two);
    CaptureClient(face);
    ClickOn(two);
  });
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(errors.front(), "no parameters for One");
  EXPECT_EQ(clicks_, (std::vector<std::string>{"Two"}));
  EXPECT_EQ(menu_.Canvas(), nullptr);
  // Two is painted in full although One failed before it.
  TFont italic = MenuFont();
  italic.SetStyle(fsItalic);
  TBitmap expected = MenuBitmap(face.Width(), face.Height());
  ReferenceText(expected.Canvas(), 52, TextTop(twoRect), "Two", clRed, italic);
  EXPECT_EQ(DifferingPixels(face, expected, Rect(31, twoRect.Top, twoRect.Right, twoRect.Bottom)),
            0);
}

TEST_F(RxMenuTest, TrackButtonDecidesWhetherTheRightButtonChooses) {
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  TMenuItem* one = Add("One");
  struct Case {
    TTrackButton button;
    bool chosen;
  };
  for (const Case& c : {Case{tbLeftButton, false}, Case{tbRightButton, true}}) {
    clicks_.clear();
    menu_.SetTrackButton(c.button);
    RunMenu(menu_, kX, kY, [&] {
      MoveTo(one);
      TestInput::Click(form_.get(), CentreOf(one), mbRight);
      if (menu_.IsOpen()) Key(VK_ESCAPE);
    });
    EXPECT_EQ(clicks_.size(), c.chosen ? 1u : 0u) << c.button;
  }
}

}  // namespace
