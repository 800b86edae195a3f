// The gradient link button: construction values, the gradient rows, frames, where caption and
// picture go, the look of each state and the event table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/AtomButton.h"
#include "panels_fixture.h"

namespace {

constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TColor kGrey = RGB(128, 128, 128);

class AtomButtonTest : public PanelsTest {
 protected:
  tAtomButton* MakeButton(int width = 80, int height = 24) {
    auto* button = Make<tAtomButton>(10, 10, width, height);
    for (const char* name : {"click", "move", "enter", "up", "down", "leave"}) {
      const std::string event = name;
      Bind(*button, event);
    }
    return button;
  }
  void Bind(tAtomButton& button, const std::string& event) {
    TNotifyEvent handler = [this, &button, event](TComponent* sender) {
      EXPECT_EQ(sender, &button);
      log_.push_back(event);
    };
    if (event == "click") button.onClick = handler;
    if (event == "move") button.onMouseMove = handler;
    if (event == "enter") button.onMouseEnter = handler;
    if (event == "up") button.onMouseUp = handler;
    if (event == "down") button.onMouseDown = handler;
    if (event == "leave") button.onMouseLeave = handler;
  }
  std::string Log() {
    std::string all;
    for (const auto& s : log_) all += (all.empty() ? "" : " ") + s;
    log_.clear();
    return all;
  }
  std::vector<std::string> log_;
};

TEST_F(AtomButtonTest, ConstructionValues) {
  tAtomButton button(nullptr);
  EXPECT_EQ(button.Width(), 80);
  EXPECT_EQ(button.Height(), 24);
  EXPECT_EQ(button.BtnColorNormal1(), 16777215u);
  EXPECT_EQ(button.BtnColorNormal2(), 12632256u);
  EXPECT_EQ(button.BtnColorMouseOn1(), 16777215u);
  EXPECT_EQ(button.BtnColorMouseOn2(), 65408u);
  EXPECT_EQ(button.BtnColorMouseDown1(), 16777215u);
  EXPECT_EQ(button.BtnColorMouseDown2(), 11206613u);
  EXPECT_EQ(button.BtnColorEnable1(), 12632256u);
  EXPECT_EQ(button.BtnColorEnable2(), 12632256u);
  EXPECT_TRUE(button.enabled());
  EXPECT_EQ(button.caption(), "");
  EXPECT_TRUE(button.bitmap().Empty());
  EXPECT_EQ(button.textBitmapWidth(), 0);
  const TFont platformFont;
  EXPECT_EQ(button.BtnFontNormal(), platformFont);
  EXPECT_EQ(button.BtnFontMouseOn(), platformFont);
  EXPECT_EQ(button.BtnFontMouseDown(), platformFont);
  EXPECT_EQ(button.BtnFontMouseEneble(), platformFont);
  EXPECT_EQ(button.MouseState(), tAtomButton::TMouseState::normal);
  EXPECT_FALSE(button.onClick);
  EXPECT_FALSE(button.TabStop());
}

TEST_F(AtomButtonTest, CaptionAndEnabledAreTheButtonsOwn) {
  tAtomButton* button = MakeButton();
  button->setCaption("www");
  button->setEnabled(false);
  EXPECT_EQ(button->caption(), "www");
  EXPECT_FALSE(button->enabled());
  EXPECT_EQ(button->Caption(), "");
  EXPECT_TRUE(button->Enabled());
}

TEST_F(AtomButtonTest, FontAndPictureSettersCopy) {
  tAtomButton* button = MakeButton();
  TFont font;
  font.SetName("Arial");
  font.SetStyle(fsBold);
  button->SetBtnFontMouseOn(font);
  font.SetName("Courier New");
  EXPECT_EQ(button->BtnFontMouseOn().Name(), "Arial");
  EXPECT_EQ(button->BtnFontMouseOn().Style(), unsigned(fsBold));
  TBitmap picture = Filled(5, 4, clRed);
  button->setBitmap(picture);
  picture.SetSize(9, 9);
  EXPECT_EQ(button->bitmap().Width(), 5);
  EXPECT_EQ(button->bitmap().Height(), 4);
}

TEST(AtomGradient, TwentyFourRowsFromWhiteToGreen) {
  // Steps: red -127/24, green 0, blue -255/24 = -10.625; rows round to nearest, ties to even.
  struct Row {
    int k;
    TColor expected;
  };
  const std::vector<Row> rows = {
      {0, RGB(255, 255, 255)}, {1, RGB(250, 255, 244)},  {2, RGB(244, 255, 234)},
      {4, RGB(234, 255, 212)}, {12, RGB(192, 255, 128)}, {20, RGB(149, 255, 42)},
      {23, RGB(133, 255, 11)},
  };
  TBitmap face = MakeAtomGradient(30, 24, RGB(255, 255, 255), RGB(128, 255, 0));
  ASSERT_EQ(face.Width(), 30);
  ASSERT_EQ(face.Height(), 24);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.k);
    for (int x : {0, 13, 29}) EXPECT_EQ(face.Canvas().Pixels(x, row.k), row.expected);
  }
}

TEST(AtomGradient, TheSecondColourIsReachedOneRowBelowTheFace) {
  TBitmap face = MakeAtomGradient(4, 2, RGB(0, 0, 0), RGB(100, 200, 50));
  EXPECT_EQ(face.Canvas().Pixels(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(face.Canvas().Pixels(0, 1), RGB(50, 100, 25));
}

TEST(AtomGradient, FallingChannelsAndOddHeights) {
  // Blue 200 -> 0 over 7 rows: step -28.5714...; row 3 is 114.29 -> 114, row 6 is 28.57 -> 29.
  TBitmap face = MakeAtomGradient(3, 7, RGB(10, 0, 200), RGB(17, 7, 0));
  EXPECT_EQ(face.Canvas().Pixels(1, 3), RGB(13, 3, 114));
  EXPECT_EQ(face.Canvas().Pixels(1, 6), RGB(16, 6, 29));
}

TEST(AtomGradient, ZeroHeightGivesAnEmptyFace) {
  TBitmap face = MakeAtomGradient(30, 0, RGB(255, 255, 255), RGB(0, 0, 0));
  EXPECT_EQ(face.Height(), 0);
  TBitmap none = MakeAtomGradient(-3, -4, RGB(255, 255, 255), RGB(0, 0, 0));
  EXPECT_TRUE(none.Empty());
}

TEST_F(AtomButtonTest, ZeroHeightButtonPaintsWithoutFailing) {
  tAtomButton* button = MakeButton(30, 0);
  button->setCaption("x");
  TBitmap face = Face(*button);
  EXPECT_EQ(face.Height(), 0);
}

TEST(AtomLayout, GroupOfPictureGapAndCaptionIsCentred) {
  struct Case {
    TSize button, text, picture;
    int gapHalf;
    TPoint caption, pictureAt;
  };
  const std::vector<Case> cases = {
      // No picture, no gap: x = W div 2 - tw div 2.
      {{80, 24}, {31, 13}, {0, 0}, 0, {25, 6}, {25, 12}},
      {{81, 25}, {30, 14}, {0, 0}, 0, {25, 5}, {25, 12}},
      // A 16 x 16 picture and a gap of 2 * 3.
      {{100, 30}, {40, 13}, {16, 16}, 3, {41, 9}, {19, 7}},
      // Odd sizes truncate each half on its own.
      {{233, 21}, {151, 13}, {15, 11}, 1, {49, 4}, {32, 5}},
      // A negative gap moves the picture towards the caption.
      {{20, 10}, {41, 13}, {0, 0}, -2, {-12, -1}, {-8, 5}},
  };
  for (const Case& c : cases) {
    const TAtomLayout layout = LayoutAtomContent(c.button, c.text, c.picture, c.gapHalf);
    EXPECT_EQ(layout.caption, c.caption);
    EXPECT_EQ(layout.picture, c.pictureAt);
  }
}

// The face of the button by the documented rules: gradient, frame, caption, picture.
TBitmap ExpectedButtonFace(tAtomButton& button, TColor top, TColor bottom, bool sunken,
                           const TFont& font, int shift) {
  const int w = button.Width();
  const int h = button.Height();
  TBitmap expected = MakeAtomGradient(w, h, top, bottom);
  TCanvas& canvas = expected.Canvas();
  canvas.Pen().SetColor(sunken ? kGrey : kWhite);
  canvas.Polyline({{0, h - 1}, {0, 0}, {w, 0}});
  canvas.Pen().SetColor(sunken ? kWhite : kGrey);
  canvas.Polyline({{w - 1, 1}, {w - 1, h - 1}, {0, h - 1}});
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.SetFont(font);
  const TSize text = canvas.TextExtent(button.caption());
  TBitmap& picture = button.bitmap();
  const TSize pictureSize = picture.Empty() ? TSize{} : TSize{picture.Width(), picture.Height()};
  const TAtomLayout at = LayoutAtomContent({w, h}, text, pictureSize, button.textBitmapWidth());
  canvas.TextOut(at.caption.X + shift, at.caption.Y + shift, button.caption());
  if (!picture.Empty()) canvas.Draw(at.picture.X + shift, at.picture.Y + shift, picture);
  return expected;
}

TEST_F(AtomButtonTest, RaisedFrameIsWhiteTopLeftAndGreyBottomRight) {
  tAtomButton* button = MakeButton(20, 10);
  TBitmap face = Face(*button);
  TCanvas& c = face.Canvas();
  for (int x = 0; x < 20; ++x) EXPECT_EQ(c.Pixels(x, 0), kWhite) << x;
  for (int y = 0; y < 10; ++y) EXPECT_EQ(c.Pixels(0, y), kWhite) << y;
  for (int y = 1; y < 10; ++y) EXPECT_EQ(c.Pixels(19, y), kGrey) << y;
  for (int x = 1; x < 20; ++x) EXPECT_EQ(c.Pixels(x, 9), kGrey) << x;
  // Inside: the normal gradient (white to silver over 10 rows: 6.3 per row).
  EXPECT_EQ(c.Pixels(5, 1), RGB(249, 249, 249));
  EXPECT_EQ(c.Pixels(5, 8), RGB(205, 205, 205));
}

TEST_F(AtomButtonTest, SunkenFrameSwapsTheColours) {
  tAtomButton* button = MakeButton(20, 10);
  button->MouseDown(TMouseButton::mbLeft, ssLeft, 3, 3);
  TBitmap face = Face(*button);
  TCanvas& c = face.Canvas();
  for (int x = 0; x < 20; ++x) EXPECT_EQ(c.Pixels(x, 0), kGrey) << x;
  for (int y = 0; y < 10; ++y) EXPECT_EQ(c.Pixels(0, y), kGrey) << y;
  for (int y = 1; y < 10; ++y) EXPECT_EQ(c.Pixels(19, y), kWhite) << y;
  for (int x = 1; x < 20; ++x) EXPECT_EQ(c.Pixels(x, 9), kWhite) << x;
}

TEST_F(AtomButtonTest, EachStateHasItsOwnLook) {
  tAtomButton* button = MakeButton(120, 24);
  button->setCaption("Закрыть");
  TFont fonts[4];
  const TColor colours[4] = {clNavy, clGreen, clMaroon, clGray};
  for (int i = 0; i < 4; ++i) {
    fonts[i].SetName("Arial");
    fonts[i].SetHeight(-11 - i);
    fonts[i].SetColor(colours[i]);
  }
  button->SetBtnFontNormal(fonts[0]);
  button->SetBtnFontMouseOn(fonts[1]);
  button->SetBtnFontMouseDown(fonts[2]);
  button->SetBtnFontMouseEneble(fonts[3]);
  TBitmap picture = Filled(8, 6, clYellow);
  picture.Canvas().SetPixels(0, 5, clFuchsia);  // the colour left out
  button->setBitmap(picture);
  button->setTextBitmapWidth(2);

  TBitmap normal = Face(*button);
  TBitmap expectedNormal = ExpectedButtonFace(*button, 16777215, 12632256, false, fonts[0], 0);
  EXPECT_EQ(ImageDifference(normal, expectedNormal), "");

  button->MouseEnter();
  TBitmap over = Face(*button);
  TBitmap expectedOver = ExpectedButtonFace(*button, 16777215, 65408, false, fonts[1], 0);
  EXPECT_EQ(ImageDifference(over, expectedOver), "");

  button->MouseDown(TMouseButton::mbLeft, ssLeft, 5, 5);
  TBitmap down = Face(*button);
  TBitmap expectedDown = ExpectedButtonFace(*button, 16777215, 11206613, true, fonts[2], 1);
  EXPECT_EQ(ImageDifference(down, expectedDown), "");

  button->MouseUp(TMouseButton::mbLeft, 0, 5, 5);
  TBitmap released = Face(*button);
  EXPECT_EQ(ImageDifference(released, expectedOver), "");

  button->MouseLeave();
  TBitmap left = Face(*button);
  EXPECT_EQ(ImageDifference(left, expectedNormal), "");

  button->setEnabled(false);
  button->MouseEnter();
  TBitmap disabled = Face(*button);
  TBitmap expectedDisabled = ExpectedButtonFace(*button, 12632256, 12632256, false, fonts[3], 0);
  EXPECT_EQ(ImageDifference(disabled, expectedDisabled), "");
}

TEST_F(AtomButtonTest, PictureIsDrawnTransparentlyLeftOfTheCaption) {
  tAtomButton* button = MakeButton(60, 20);
  button->SetBtnColorNormal1(clWhite);
  button->SetBtnColorNormal2(clWhite);
  TBitmap picture = Filled(6, 4, clRed);
  picture.Canvas().SetPixels(0, 3, clBlue);
  picture.Canvas().SetPixels(5, 0, clBlue);  // same as the bottom-left: left out too
  button->setBitmap(picture);
  button->setTextBitmapWidth(4);
  TBitmap face = Face(*button);
  // No caption: the picture is at 6 div 2 + 30 + 4 - 0 - 6 - 8 = 23, 10 - 2 = 8.
  PixelSet red = PixelsOf(face, clRed);
  EXPECT_EQ(BoundsOf(red), Bounds(23, 8, 6, 4));
  EXPECT_EQ(red.size(), 22u);
  EXPECT_TRUE(PixelsOf(face, clBlue).empty());
}

TEST_F(AtomButtonTest, EmptyPictureAndNoGapCentreTheCaption) {
  tAtomButton* button = MakeButton(80, 24);
  button->SetBtnColorNormal1(clWhite);
  button->SetBtnColorNormal2(clWhite);
  button->BtnFontNormal().SetColor(clBlack);
  button->setCaption("I");
  TBitmap face = Face(*button);
  TCanvas measure;
  measure.SetFont(button->BtnFontNormal());
  const int tw = measure.TextWidth("I");
  TBitmap expected = Filled(80, 24, clWhite);
  expected.Canvas().SetFont(button->BtnFontNormal());
  expected.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  expected.Canvas().TextOut(80 / 2 - tw / 2, 24 / 2 - measure.TextHeight("I") / 2, "I");
  // Compare the inside, away from the frame.
  EXPECT_EQ(BoundsOf(PixelsOf(face, clBlack)), BoundsOf(PixelsOf(expected, clBlack)));
  EXPECT_FALSE(PixelsOf(face, clBlack).empty());
}

TEST_F(AtomButtonTest, ChangingAFontInPlaceRepaints) {
  tAtomButton* button = MakeButton(80, 24);
  button->setCaption("Ок");
  TBitmap before = Face(*button);
  button->BtnFontNormal().SetHeight(-20);
  TBitmap after = Face(*button);
  EXPECT_NE(ImageDifference(after, before), "");
}

// --- Events

TEST_F(AtomButtonTest, PressAndReleaseInsideClicks) {
  tAtomButton* button = MakeButton();
  button->MouseEnter();
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::over);
  button->MouseDown(TMouseButton::mbLeft, ssLeft, 10, 10);
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::down);
  button->MouseMove(ssLeft, 11, 10);
  button->MouseUp(TMouseButton::mbLeft, 0, 11, 10);
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::releasedInside);
  EXPECT_EQ(Log(), "enter down move up click");
}

TEST_F(AtomButtonTest, ReleaseOnTheFarEdgesStillCounts) {
  struct Case {
    int x, y;
    bool click;
  };
  const std::vector<Case> cases = {{0, 0, true},    {80, 24, true}, {81, 10, false},
                                   {10, 25, false}, {-1, 5, false}, {40, -1, false}};
  tAtomButton* button = MakeButton();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    button->MouseDown(TMouseButton::mbLeft, ssLeft, 5, 5);
    button->MouseUp(TMouseButton::mbLeft, 0, c.x, c.y);
    EXPECT_EQ(Log(), c.click ? "down up click" : "down up");
    EXPECT_EQ(button->MouseState(), c.click ? tAtomButton::TMouseState::releasedInside
                                            : tAtomButton::TMouseState::normal);
  }
}

TEST_F(AtomButtonTest, DragOutAndReleaseDoesNotClick) {
  tAtomButton* button = MakeButton();
  button->MouseEnter();
  button->MouseDown(TMouseButton::mbLeft, ssLeft, 10, 10);
  button->MouseLeave();
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::left);
  button->MouseMove(ssLeft, 120, 40);
  button->MouseUp(TMouseButton::mbLeft, 0, 120, 40);
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::normal);
  EXPECT_EQ(Log(), "enter down leave move up");
}

TEST_F(AtomButtonTest, ComingBackWhileHeldShowsThePressedLookAgain) {
  tAtomButton* button = MakeButton();
  button->MouseEnter();
  button->MouseDown(TMouseButton::mbLeft, ssLeft, 10, 10);
  button->MouseLeave();
  button->MouseEnter();
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::down);
  button->MouseUp(TMouseButton::mbLeft, 0, 10, 10);
  EXPECT_EQ(Log(), "enter down leave enter up click");
  // Without the button held, entering shows the pointer-over look.
  button->MouseLeave();
  button->MouseEnter();
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::over);
}

TEST_F(AtomButtonTest, RightButtonFiresDownAndUpWithoutChangingTheLook) {
  tAtomButton* button = MakeButton();
  button->MouseEnter();
  Log();
  TBitmap before = Face(*button);
  button->MouseDown(TMouseButton::mbRight, ssRight, 10, 10);
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::over);
  TBitmap during = Face(*button);
  EXPECT_EQ(ImageDifference(during, before), "");
  button->MouseUp(TMouseButton::mbRight, 0, 10, 10);
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::over);
  EXPECT_EQ(Log(), "down up");
}

TEST_F(AtomButtonTest, DisabledButtonFiresOnlyDownMoveAndUp) {
  tAtomButton* button = MakeButton();
  button->setEnabled(false);
  button->MouseEnter();
  button->MouseDown(TMouseButton::mbLeft, ssLeft, 10, 10);
  button->MouseMove(ssLeft, 12, 10);
  button->MouseUp(TMouseButton::mbLeft, 0, 12, 10);
  button->MouseLeave();
  EXPECT_EQ(Log(), "down move up");
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::normal);
}

TEST_F(AtomButtonTest, RealMouseDrivesTheSameEvents) {
  tAtomButton* button = MakeButton();
  TestInput::MouseMove(button, Point(20, 10));
  TestInput::Click(button, Point(20, 10));
  TestInput::MouseMove(form_.get(), Point(300, 200));
  // The move is heard before the platform notices the pointer came in.
  EXPECT_EQ(Log(), "move enter down up click leave");
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::left);
  // A click does not take the keyboard focus.
  EXPECT_FALSE(button->Focused());
}

TEST_F(AtomButtonTest, RealDragOutsideDoesNotClick) {
  tAtomButton* button = MakeButton();
  TestInput::MouseMove(button, Point(20, 10));
  TestInput::MouseDown(button, TMouseButton::mbLeft, Point(20, 10));
  TestInput::MouseMove(button, Point(200, 100), ssLeft);
  TestInput::MouseUp(button, TMouseButton::mbLeft, Point(200, 100));
  const std::string log = Log();
  EXPECT_EQ(log.find("click"), std::string::npos) << log;
  EXPECT_NE(log.find("down"), std::string::npos) << log;
  EXPECT_NE(log.find("up"), std::string::npos) << log;
  EXPECT_EQ(button->MouseState(), tAtomButton::TMouseState::normal);
}

}  // namespace
