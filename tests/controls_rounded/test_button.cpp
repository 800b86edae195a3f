// The rounded button: defaults and setters, cached gradients, latching groups, modal
// results, default and cancel keys, the pressed rim, disabled and hot-track captions, glyph
// placement, the focus outline and the rounded window region.
#include <gtest/gtest.h>

#include <limits>

#include "controls/RbButton.h"
#include "controls/RbButtonLayout.h"
#include "controls/RbPanel.h"
#include "platform/control_fixture.h"
#include "platform/framework/Timer.h"
#include "platform/pixel_helpers.h"
#include "platform/testing/TestInput.h"
#include "rounded_helpers.h"

namespace {

using namespace TestInput;
using RbButtonTest = ControlTest;

TRbButton* MakeButton(TComponent* owner, TWinControl* parent, TRect bounds) {
  auto* button = new TRbButton(owner);
  button->SetBoundsRect(bounds);
  button->SetParent(parent);
  return button;
}

// A focusable control that uses no dialog keys, so Enter and Escape go to the window.
class Focusable : public TCustomControl {
 public:
  Focusable(TWinControl* parent, TRect bounds) : TCustomControl(nullptr) {
    SetBoundsRect(bounds);
    SetTabStop(true);
    SetParent(parent);
  }
  int focusChanges = 0;
  void FocusChanged(TWinControl* focused) override {
    ++focusChanges;
    TCustomControl::FocusChanged(focused);
  }
};

TBitmap Gradient(int w, int h, TColor from, TColor to, TGradientType type) {
  TBitmap b(w, h);
  DrawGradient(b, Rect(0, 0, w, h), from, to, type);
  return b;
}

TEST(RbButton, Defaults) {
  TRbButton button(nullptr);
  EXPECT_EQ(button.Width(), 75);
  EXPECT_EQ(button.Height(), 25);
  EXPECT_EQ(button.Caption(), "");
  EXPECT_EQ(button.ModalResult(), mrNone);
  EXPECT_EQ(button.CornerWidth(), 10);
  EXPECT_EQ(button.Spacing(), 2);
  EXPECT_EQ(button.Layout(), TButtonLayout::blGlyphLeft);
  EXPECT_EQ(button.FadeSpeed(), TFadeSpeed::fsMedium);
  EXPECT_TRUE(button.ShowFocusRect());
  EXPECT_FALSE(button.HotTrack());
  EXPECT_FALSE(button.Default());
  EXPECT_FALSE(button.Cancel());
  EXPECT_TRUE(button.GradientBorder());
  EXPECT_EQ(button.GroupIndex(), 0);
  EXPECT_FALSE(button.AllowAllUp());
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(button.GradientType(), TGradientType::gtVertical);
  EXPECT_EQ(button.Colors().Owner(), &button);
  EXPECT_TRUE(button.Glyph().Empty());
  EXPECT_TRUE(button.Glyph().Transparent());
  EXPECT_TRUE(button.TabStop());
}

TEST(RbButton, SpacingIsNeverNegativeAndCornerWidthRefusesNegatives) {
  TRbButton button(nullptr);
  button.SetSpacing(-4);
  EXPECT_EQ(button.Spacing(), 0);
  button.SetSpacing(6);
  EXPECT_EQ(button.Spacing(), 6);
  button.SetCornerWidth(-1);
  EXPECT_EQ(button.CornerWidth(), 10);
  button.SetCornerWidth(4);
  EXPECT_EQ(button.CornerWidth(), 4);
}

TEST(RbButton, CachesItsThreeGradientsAtItsSize) {
  TRbButton button(nullptr);
  button.SetBounds(0, 0, 61, 17);
  button.Colors().SetDefaultFrom(9685503);
  button.Colors().SetDefaultTo(1149183);
  button.Colors().SetOverTo(16512);
  button.Colors().SetClickedFrom(RGB(1, 2, 3));
  const auto v = TGradientType::gtVertical;
  EXPECT_EQ(FirstDifference(button.DefaultBitmap(), Gradient(61, 17, 9685503, 1149183, v)), "");
  EXPECT_EQ(FirstDifference(button.OverBitmap(), Gradient(61, 17, clWhite, 16512, v)), "");
  EXPECT_EQ(FirstDifference(button.ClickedBitmap(), Gradient(61, 17, RGB(1, 2, 3), 15463415, v)),
            "");
  button.SetGradientType(TGradientType::gtDoubleHorz);
  EXPECT_EQ(FirstDifference(button.DefaultBitmap(),
                            Gradient(61, 17, 9685503, 1149183, TGradientType::gtDoubleHorz)),
            "");
  button.SetBounds(0, 0, 30, 12);
  EXPECT_EQ(button.OverBitmap().Width(), 30);
  EXPECT_EQ(button.ClickedBitmap().Height(), 12);
}

// --- Latching groups

TEST_F(RbButtonTest, AGroupKeepsOneButtonDown) {
  for (bool allowAllUp : {false, true}) {
    auto form = MakeForm(0, 0, 300, 100);
    auto* first = MakeButton(form.get(), form.get(), Bounds(10, 10, 75, 25));
    auto* second = MakeButton(form.get(), form.get(), Bounds(100, 10, 75, 25));
    for (TRbButton* b : {first, second}) {
      b->SetGroupIndex(1);
      b->SetAllowAllUp(allowAllUp);
    }
    first->Click();
    EXPECT_TRUE(first->Down());
    EXPECT_FALSE(second->Down());
    second->Click();
    EXPECT_FALSE(first->Down());
    EXPECT_TRUE(second->Down());
    second->Click();
    EXPECT_EQ(second->Down(), !allowAllUp) << allowAllUp;
    EXPECT_FALSE(first->Down());
  }
}

TEST_F(RbButtonTest, WithoutAGroupDownNeverChanges) {
  auto form = MakeForm(0, 0, 300, 100);
  auto* button = MakeButton(form.get(), form.get(), Bounds(10, 10, 75, 25));
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  button->Click();
  button->SetDown(true);
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(clicks, 1);
}

TEST_F(RbButtonTest, OtherGroupsAndOtherParentsAreNotReleased) {
  auto form = MakeForm(0, 0, 300, 100);
  auto* a = MakeButton(form.get(), form.get(), Bounds(10, 10, 75, 25));
  auto* b = MakeButton(form.get(), form.get(), Bounds(100, 10, 75, 25));
  auto* panel = new TRbPanel(form.get());
  panel->SetBounds(0, 50, 300, 50);
  panel->SetParent(form.get());
  auto* c = MakeButton(form.get(), panel, Bounds(10, 10, 75, 25));
  a->SetGroupIndex(1);
  b->SetGroupIndex(2);
  c->SetGroupIndex(1);
  a->SetDown(true);
  b->SetDown(true);
  c->SetDown(true);
  EXPECT_TRUE(a->Down());
  EXPECT_TRUE(b->Down());
  EXPECT_TRUE(c->Down());
  // The only down button of its group cannot be released without AllowAllUp.
  a->SetDown(false);
  EXPECT_TRUE(a->Down());
}

TEST_F(RbButtonTest, ALatchedButtonKeepsItsPressedLookWhenThePointerLeaves) {
  auto form = MakeForm(0, 0, 300, 100);
  auto* button = MakeButton(form.get(), form.get(), Bounds(10, 10, 75, 25));
  button->SetGroupIndex(3);
  button->SetDown(true);
  EXPECT_TRUE(button->MousePressed());
  EXPECT_TRUE(button->MouseInside());
  button->MouseLeave();
  EXPECT_TRUE(button->MouseInside());
  for (int i = 0; i < 5; ++i) button->WMTimer(TRbCustomControl::FadeTimerId);
  EXPECT_EQ(button->ClickLevel(), 100);
  button->MouseUp(mbLeft, 0, 5, 5);
  EXPECT_TRUE(button->MousePressed());
}

// --- Modal results and keys

TEST_F(RbButtonTest, AClickHandsTheModalResultToAModalForm) {
  auto form = MakeForm(100, 100, 200, 100);
  auto* ok = MakeButton(form.get(), form.get(), Bounds(10, 10, 75, 25));
  ok->SetModalResult(mrOk);
  TTimer timer(nullptr);
  timer.SetInterval(1);
  timer.SetOnTimer([&](TComponent*) {
    timer.SetEnabled(false);
    Click(ok, Point(30, 12));
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
}

TEST_F(RbButtonTest, AButtonWithoutModalResultResetsTheForms) {
  auto form = MakeForm(100, 100, 200, 100);
  auto* none = MakeButton(form.get(), form.get(), Bounds(10, 10, 75, 25));
  form->Show();
  form->SetModalResult(mrCancel);
  none->Click();
  EXPECT_EQ(form->ModalResult(), mrNone);
}

class KeyedForm : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form = MakeForm(0, 0, 300, 100);
    other = new Focusable(form.get(), Bounds(200, 10, 40, 40));
    button = MakeButton(form.get(), form.get(), Bounds(10, 10, 75, 25));
    button->OnClick = [this](TComponent*) { ++clicks; };
    form->Show();
    other->SetFocus();
    ProcessEvents();
  }
  void TearDown() override {
    form.reset();
    ControlTest::TearDown();
  }
  std::unique_ptr<TForm> form;
  Focusable* other = nullptr;
  TRbButton* button = nullptr;
  int clicks = 0;
};

TEST_F(KeyedForm, EnterClicksADefaultButtonWithoutFocus) {
  ASSERT_TRUE(other->Focused());
  Key(form.get(), VK_RETURN, "\r");
  EXPECT_EQ(clicks, 0) << "not the default button yet";
  button->SetDefault(true);
  Key(form.get(), VK_RETURN, "\r");
  EXPECT_EQ(clicks, 1);
  Key(form.get(), VK_RETURN, "\r", ssCtrl);
  EXPECT_EQ(clicks, 1) << "a modifier keeps the key from the button";
}

TEST_F(KeyedForm, EscapeClicksACancelButtonOnlyWithoutModifiers) {
  button->SetCancel(true);
  Key(form.get(), VK_ESCAPE, "\x1b", ssShift);
  EXPECT_EQ(clicks, 0);
  Key(form.get(), VK_ESCAPE, "\x1b");
  EXPECT_EQ(clicks, 1);
}

TEST_F(KeyedForm, EnterAndSpaceClickTheFocusedButton) {
  button->SetFocus();
  ProcessEvents();
  ASSERT_TRUE(button->Focused());
  Key(form.get(), VK_RETURN, "\r");
  EXPECT_EQ(clicks, 1);
  Key(form.get(), VK_SPACE, " ");
  EXPECT_EQ(clicks, 2);
  Key(form.get(), VK_SPACE, " ", ssShift);
  EXPECT_EQ(clicks, 2);
}

TEST_F(KeyedForm, ADisabledDefaultButtonIsNotClicked) {
  button->SetDefault(true);
  button->SetEnabled(false);
  Key(form.get(), VK_RETURN, "\r");
  EXPECT_EQ(clicks, 0);
}

TEST_F(KeyedForm, BecomingTheDefaultTellsTheForm) {
  const int before = other->focusChanges;
  button->SetDefault(true);
  EXPECT_EQ(other->focusChanges, before + 1);
  button->SetDefault(true);
  EXPECT_EQ(other->focusChanges, before + 1);
}

TEST_F(KeyedForm, ClickingTakesTheFocus) {
  Click(button, Point(30, 12));
  ProcessEvents();
  EXPECT_TRUE(button->Focused());
  EXPECT_EQ(clicks, 1);
}

// --- The face

// Distinct looks so that every pixel tells where it came from.
void Distinct(TRbButton& button) {
  button.Colors().SetDefaultFrom(RGB(200, 0, 0));
  button.Colors().SetDefaultTo(RGB(0, 0, 200));
  button.Colors().SetOverFrom(RGB(0, 100, 100));
  button.Colors().SetOverTo(RGB(100, 100, 0));
  button.Colors().SetClickedFrom(RGB(0, 240, 0));
  button.Colors().SetClickedTo(RGB(0, 0, 0));
}

void Press(TRbButton& button) {
  button.MouseDown(mbLeft, ssLeft, 5, 5);
  for (int i = 0; i < 4; ++i) button.WMTimer(TRbCustomControl::FadeTimerId);
  ASSERT_EQ(button.ClickLevel(), 100);
}

TEST(RbButtonFace, APressedButtonKeepsAThreePixelRimOfItsNormalFace) {
  TRbButton button(nullptr);
  button.SetBounds(0, 0, 80, 30);
  Distinct(button);
  Press(button);
  TBitmap face;
  button.PaintTo(face);
  const TBitmap& normal = button.DefaultBitmap();
  const TBitmap& pressed = button.ClickedBitmap();
  // Inside the rim: the pressed gradient, its origin at the rim's corner.
  for (int y = 3; y < 27; ++y)
    for (int x = 3; x < 77; ++x)
      ASSERT_EQ(PixelAt(face, x, y), PixelAt(pressed, x - 3, y - 3)) << x << "," << y;
  // The rim: the normal face, copied one pixel down and right.
  for (int x = 10; x < 70; ++x) {
    EXPECT_EQ(PixelAt(face, x, 1), PixelAt(normal, x - 1, 0)) << x;
    EXPECT_EQ(PixelAt(face, x, 2), PixelAt(normal, x - 1, 1)) << x;
    EXPECT_EQ(PixelAt(face, x, 28), PixelAt(normal, x - 1, 27)) << x;
    EXPECT_EQ(PixelAt(face, x, 0), ToRgb(clGray)) << "border " << x;
  }
  for (int y = 8; y < 22; ++y) EXPECT_EQ(PixelAt(face, 2, y), PixelAt(normal, 1, y - 1)) << y;
}

TEST(RbButtonFace, APressedHoveredButtonKeepsARimOfItsHoverFace) {
  TRbButton button(nullptr);
  button.SetBounds(0, 0, 80, 30);
  Distinct(button);
  button.MouseEnter();
  for (int i = 0; i < 10; ++i) button.WMTimer(TRbCustomControl::FadeTimerId);
  ASSERT_EQ(button.OverLevel(), 100);
  Press(button);
  TBitmap face;
  button.PaintTo(face);
  for (int x = 10; x < 70; ++x)
    EXPECT_EQ(PixelAt(face, x, 2), PixelAt(button.OverBitmap(), x, 2)) << x;
  EXPECT_EQ(PixelAt(face, 40, 15), PixelAt(button.ClickedBitmap(), 37, 12));
}

TEST(RbButtonFace, WithoutGradientBorderThePressedFaceCoversEverything) {
  TRbButton button(nullptr);
  button.SetBounds(0, 0, 80, 30);
  Distinct(button);
  button.SetGradientBorder(false);
  Press(button);
  TBitmap face;
  button.PaintTo(face);
  for (int y = 1; y < 29; ++y)
    for (int x = 6; x < 74; ++x)
      ASSERT_EQ(PixelAt(face, x, y), PixelAt(button.ClickedBitmap(), x, y)) << x << "," << y;
}

TEST(RbButtonFace, AtRestTheFaceIsTheNormalGradientInsideTheBorder) {
  TRbButton button(nullptr);
  button.SetBounds(0, 0, 80, 30);
  Distinct(button);
  TBitmap face;
  button.PaintTo(face);
  // The copy starts one pixel in: column 0 and row 0 were white before the border.
  EXPECT_EQ(PixelAt(face, 40, 15), PixelAt(button.DefaultBitmap(), 39, 14));
  EXPECT_EQ(PixelAt(face, 40, 29), ToRgb(clGray));
  EXPECT_EQ(PixelAt(face, 79, 15), ToRgb(clGray));
  EXPECT_EQ(PixelAt(face, 0, 15), ToRgb(clGray));
}

TEST(RbButtonFace, HotTrackColoursTheCaptionAsSoonAsThePointerIsOver) {
  for (bool hotTrack : {false, true}) {
    TRbButton button(nullptr);
    button.SetCaption("Выход");
    button.Font().SetColor(clBlack);
    button.Colors().SetHotTrack(RGB(255, 0, 0));
    button.Colors().SetDefaultFrom(clWhite);
    button.Colors().SetDefaultTo(clWhite);
    button.SetTextShadow(false);
    button.SetHotTrack(hotTrack);
    TBitmap before;
    button.PaintTo(before);
    button.MouseEnter();  // no fade tick yet
    TBitmap after;
    button.PaintTo(after);
    const size_t red = PixelsOf(after, RGB(255, 0, 0)).size();
    EXPECT_EQ(PixelsOf(before, RGB(255, 0, 0)).size(), 0u);
    if (hotTrack) {
      EXPECT_EQ(red, PixelsOf(before, clBlack).size());
      EXPECT_EQ(PixelsOf(after, clBlack).size(), 0u);
    } else {
      EXPECT_EQ(red, 0u);
    }
  }
}

TEST(RbButtonFace, ADisabledButtonEngravesItsCaption) {
  TRbButton button(nullptr);
  button.SetCaption("Выход");
  button.SetEnabled(false);
  TBitmap painted;
  button.PaintTo(painted);
  button.SetShowCaption(false);
  TBitmap expected;
  button.PaintTo(expected);
  expected.Canvas().Brush().SetStyle(bsClear);
  DrawShadowText(expected.Canvas(), "Выход", button.Font(), clWhite, true,
                 MakeTextFormat(taCenter, false), Rect(0, 0, 75, 25), false);
  EXPECT_EQ(FirstDifference(painted, expected), "");
  EXPECT_GT(PixelsOf(painted, clBtnShadow).size(), 20u);
}

// A 10 x 8 glyph: magenta background (its bottom-left pixel) and a 6 x 4 block of colour.
TBitmap TestGlyph(Rgb block) {
  TBitmap glyph = Filled(10, 8, RGB(255, 0, 255));
  for (int y = 2; y < 6; ++y)
    for (int x = 2; x < 8; ++x) SetPixelAt(glyph, x, y, block);
  return glyph;
}

TEST(RbButtonFace, AGlyphWithoutCaptionIsCentredAndTransparent) {
  TRbButton button(nullptr);
  TBitmap glyph = TestGlyph({30, 60, 90});
  button.SetGlyph(glyph);
  TBitmap painted;
  button.PaintTo(painted);
  const int gx = (75 - 10) / 2;
  const int gy = (25 - 8) / 2;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool block = x >= 2 && x < 8 && y >= 2 && y < 6;
      if (block)
        EXPECT_EQ(PixelAt(painted, gx + x, gy + y), (Rgb{30, 60, 90})) << x << "," << y;
      else
        EXPECT_NE(PixelAt(painted, gx + x, gy + y), (Rgb{255, 0, 255})) << x << "," << y;
    }
}

TEST(RbButtonFace, ADisabledGlyphIsGreyedAndLightened) {
  TRbButton button(nullptr);
  TBitmap glyph = TestGlyph({30, 60, 90});
  button.SetGlyph(glyph);
  button.SetEnabled(false);
  TBitmap painted;
  button.PaintTo(painted);
  const int gx = (75 - 10) / 2;
  const int gy = (25 - 8) / 2;
  // Grey 60 plus 64; the magenta background (grey 170 -> 234) stays transparent.
  EXPECT_EQ(PixelAt(painted, gx + 4, gy + 3), (Rgb{124, 124, 124}));
  EXPECT_NE(PixelAt(painted, gx, gy), (Rgb{234, 234, 234}));
  EXPECT_EQ(PixelAt(glyph, 4, 3), (Rgb{30, 60, 90})) << "the button's own glyph is kept";
  EXPECT_EQ(PixelAt(button.Glyph(), 4, 3), (Rgb{30, 60, 90}));
}

struct GlyphCase {
  TButtonLayout layout;
  bool captionShown;
  TRect captionRect;
  TPoint glyph;
};

void PrintTo(const GlyphCase& c, std::ostream* os) {
  *os << "layout " << int(c.layout) << (c.captionShown ? " with caption" : " without caption");
}

class GlyphPlacement : public ::testing::TestWithParam<GlyphCase> {};

// Button 75 x 25, glyph 16 x 12, spacing 2, caption 30 x 13.
TEST_P(GlyphPlacement, FollowsTheLayoutTable) {
  TRbGlyphInput in;
  in.Layout = GetParam().layout;
  in.Width = 75;
  in.Height = 25;
  in.Glyph = {16, 12};
  in.Spacing = 2;
  in.Text = {30, 13};
  in.CaptionShown = GetParam().captionShown;
  const TRect t = RbCaptionRect(in);
  EXPECT_EQ(t, GetParam().captionRect);
  EXPECT_EQ(RbGlyphPosition(in, t), GetParam().glyph);
}

using BL = TButtonLayout;
INSTANTIATE_TEST_SUITE_P(
    Layouts, GlyphPlacement,
    ::testing::Values(
        // Left: T = (18, 0, 75, 25); x = (93 - 30) div 2 - 2 - 16 = 13; y = (25 - 12) div 2 = 6.
        GlyphCase{BL::blGlyphLeft, true, Rect(18, 0, 75, 25), Point(13, 6)},
        // Without caption: x = (93 - 2) div 2 - 16 = 29 = (75 - 16) div 2.
        GlyphCase{BL::blGlyphLeft, false, Rect(18, 0, 75, 25), Point(29, 6)},
        // Right: T = (-18, 0, 75, 25); x = (57 + 30) div 2 + 2 = 45.
        GlyphCase{BL::blGlyphRight, true, Rect(-18, 0, 75, 25), Point(45, 6)},
        GlyphCase{BL::blGlyphRight, false, Rect(-18, 0, 75, 25), Point(30, 6)},
        // Top: T = (0, 14, 75, 25); y = (39 - 13) div 2 - 2 - 12 = -1; x = (75 - 16) div 2.
        GlyphCase{BL::blGlyphTop, true, Rect(0, 14, 75, 25), Point(29, -1)},
        GlyphCase{BL::blGlyphTop, false, Rect(0, 14, 75, 25), Point(29, 5)},
        // Bottom: T = (0, -14, 75, 25); y = (11 + 13) div 2 + 2 = 14.
        GlyphCase{BL::blGlyphBottom, true, Rect(0, -14, 75, 25), Point(29, 14)},
        GlyphCase{BL::blGlyphBottom, false, Rect(0, -14, 75, 25), Point(29, 7)}));

TEST(GlyphPlacement, WithoutGlyphTheCaptionHasTheWholeButton) {
  TRbGlyphInput in;
  in.Width = 75;
  in.Height = 25;
  EXPECT_EQ(RbCaptionRect(in), Rect(0, 0, 75, 25));
}

TEST_F(RbButtonTest, TheFocusOutlineIsDrawnInTheButtonColour) {
  auto form = MakeForm(0, 0, 200, 100);
  auto* button = MakeButton(form.get(), form.get(), Bounds(10, 10, 80, 30));
  button->SetColor(RGB(0, 0, 255));
  form->Show();
  TBitmap unfocused;
  button->PaintTo(unfocused);
  button->SetFocus();
  ProcessEvents();
  ASSERT_TRUE(button->Focused());
  TBitmap focused;
  button->PaintTo(focused);
  TCanvas& canvas = unfocused.Canvas();
  canvas.Brush().SetStyle(bsClear);
  canvas.Pen().SetColor(RGB(0, 0, 255));
  canvas.Pen().SetWidth(2);
  canvas.RoundRect(3, 3, 77, 27, 10, 10);
  EXPECT_EQ(FirstDifference(focused, unfocused), "");
  EXPECT_GT(PixelsOf(focused, RGB(0, 0, 255)).size(), 100u);
  button->SetShowFocusRect(false);
  TBitmap hidden;
  button->PaintTo(hidden);
  EXPECT_EQ(PixelsOf(hidden, RGB(0, 0, 255)).size(), 0u);
}

TEST_F(RbButtonTest, TheWindowRegionIsRoundedAndFollowsResizes) {
  auto form = MakeForm(0, 0, 200, 100);
  auto* button = MakeButton(form.get(), form.get(), Bounds(10, 10, 80, 30));
  form->Show();
  EXPECT_TRUE(button->HasWindowRgn());
  EXPECT_EQ(form->ControlAtPos(Point(10, 10), false, true), nullptr) << "corner";
  EXPECT_EQ(form->ControlAtPos(Point(50, 25), false, true), button);
  EXPECT_EQ(form->ControlAtPos(Point(89, 25), false, true), button) << "right edge";
  button->SetBounds(10, 10, 120, 60);
  EXPECT_EQ(form->ControlAtPos(Point(129, 69), false, true), nullptr) << "new corner";
  EXPECT_EQ(form->ControlAtPos(Point(129, 40), false, true), button);
  button->SetCornerWidth(0);
  EXPECT_EQ(form->ControlAtPos(Point(129, 69), false, true), button) << "square corners";
}

}  // namespace

namespace {

TEST(RbButtonFace, HugeCornerAndSpacingStillPaint) {
  TRbButton damaged(nullptr);
  TRbButton sensible(nullptr);
  for (TRbButton* b : {&damaged, &sensible}) {
    b->SetCaption("Ок");
    TBitmap glyph = Filled(8, 8, clRed);
    b->SetGlyph(glyph);
  }
  damaged.SetCornerWidth(std::numeric_limits<int>::max());
  damaged.SetSpacing(std::numeric_limits<int>::max());
  sensible.SetCornerWidth(RbMaxExtent);
  sensible.SetSpacing(RbMaxExtent);
  TBitmap a;
  TBitmap b;
  damaged.PaintTo(a);
  sensible.PaintTo(b);
  EXPECT_EQ(FirstDifference(a, b), "");
}

}  // namespace
