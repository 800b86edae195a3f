// The smooth panel: defaults, the children's area, the bevel lines and the caption with its
// shadow.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "controls/SmoothPanel.h"
#include "panels_fixture.h"

using SmoothGraphics::ShiftColor;

namespace {

constexpr TColor kOrange = RGB(255, 155, 55);

class SmoothPanelTest : public PanelsTest {
 protected:
  TSmoothPanel* MakePanel(int width, int height) { return Make<TSmoothPanel>(0, 0, width, height); }
};

// What a bevel should look like, written out as its pixel runs: lines leave out their end
// points, and later lines cover earlier ones.
class BevelModel {
 public:
  BevelModel(int width, int height, TColor body)
      : w_(width), h_(height), pixels_(std::size_t(width * height), body) {}

  // The two light and two dark lines of a bevel starting at inset; raised: light is lighter.
  void Bevel(int i, bool raised, TColor body) {
    const TColor light20 = ShiftColor(body, 20, raised);
    const TColor light10 = ShiftColor(body, 10, raised);
    const TColor dark20 = ShiftColor(body, 20, !raised);
    const TColor dark10 = ShiftColor(body, 10, !raised);
    Column(i, i + 1, h_ - i, light20);  // (i, H - i) up to (i, i), end left out
    Row(i, i, w_ - i - 1, light20);     // then along the top to (W - i, i)
    Column(i + 1, i + 2, h_ - i - 1, light10);
    Row(i + 1, i + 1, w_ - i - 2, light10);
    Row(h_ - i - 1, i + 1, w_ - i - 2, dark20);
    Column(w_ - i - 1, i + 2, h_ - i - 1, dark20);
    Row(h_ - i - 2, i + 2, w_ - i - 3, dark10);
    Column(w_ - i - 2, i + 3, h_ - i - 2, dark10);
  }

  TBitmap Picture() const {
    TBitmap bitmap(w_, h_);
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) bitmap.Canvas().SetPixels(x, y, At(x, y));
    return bitmap;
  }
  TColor At(int x, int y) const { return pixels_[std::size_t(y * w_ + x)]; }

 private:
  void Set(int x, int y, TColor c) {
    if (x >= 0 && x < w_ && y >= 0 && y < h_) pixels_[std::size_t(y * w_ + x)] = c;
  }
  void Row(int y, int x0, int x1, TColor c) {
    for (int x = x0; x <= x1; ++x) Set(x, y, c);
  }
  void Column(int x, int y0, int y1, TColor c) {
    for (int y = y0; y <= y1; ++y) Set(x, y, c);
  }

  int w_;
  int h_;
  std::vector<TColor> pixels_;
};

TEST_F(SmoothPanelTest, ConstructionGivesTheDefaults) {
  auto* panel = new TSmoothPanel(form_.get());
  EXPECT_EQ(panel->Parent(), form_.get());
  EXPECT_EQ(panel->Width(), 200);
  EXPECT_EQ(panel->Height(), 40);
  EXPECT_EQ(panel->Caption(), "");
  EXPECT_EQ(panel->Color(), clBtnFace);
  EXPECT_EQ(panel->CustomColor(), TCustomColor::ccNone);
  EXPECT_EQ(panel->BevelInner(), TBevelStyle::bsNone);
  EXPECT_EQ(panel->BevelOuter(), TBevelStyle::bsRaised);
  EXPECT_EQ(panel->BorderWidth(), 0);
  EXPECT_EQ(panel->Layout(), TLayout::plCenter);
  EXPECT_TRUE(panel->ShadowText());
  EXPECT_EQ(panel->ShadowDepth(), 2);
  EXPECT_TRUE(panel->ControlStyle() & csAcceptsControls);
  EXPECT_TRUE(panel->ControlStyle() & csOpaque);
}

TEST_F(SmoothPanelTest, ColourAndCaptionAreThePanelsOwn) {
  TSmoothPanel* panel = MakePanel(100, 30);
  panel->SetColor(kOrange);
  panel->SetCaption("Часы");
  EXPECT_EQ(panel->Color(), kOrange);
  EXPECT_EQ(panel->Caption(), "Часы");
  const TControl& control = *panel;
  EXPECT_EQ(control.Color(), clBtnFace);
  EXPECT_EQ(control.Caption(), "");
}

TEST_F(SmoothPanelTest, ClientRectangleFollowsBevelsAndBorder) {
  struct Case {
    TBevelStyle inner;
    TBevelStyle outer;
    int border;
    TRect expected;
  };
  const std::vector<Case> cases = {
      {TBevelStyle::bsRaised, TBevelStyle::bsRaised, 0, Rect(4, 4, 116, 46)},
      {TBevelStyle::bsLowered, TBevelStyle::bsNone, 0, Rect(4, 4, 116, 46)},
      {TBevelStyle::bsLowered, TBevelStyle::bsLowered, 3, Rect(7, 7, 113, 43)},
      {TBevelStyle::bsNone, TBevelStyle::bsRaised, 0, Rect(2, 2, 118, 48)},
      {TBevelStyle::bsNone, TBevelStyle::bsLowered, 5, Rect(7, 7, 113, 43)},
      {TBevelStyle::bsNone, TBevelStyle::bsNone, 0, Rect(0, 0, 120, 50)},
      {TBevelStyle::bsNone, TBevelStyle::bsNone, 2, Rect(2, 2, 118, 48)},
  };
  TSmoothPanel* panel = MakePanel(120, 50);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(int(c.inner)) + "/" + std::to_string(int(c.outer)) + "/" +
                 std::to_string(c.border));
    panel->SetBevelInner(c.inner);
    panel->SetBevelOuter(c.outer);
    panel->SetBorderWidth(c.border);
    EXPECT_EQ(panel->ClientRect(), c.expected);
    // As the classic controls report it: the right edge of the client area.
    EXPECT_EQ(panel->ClientWidth(), c.expected.Right);
    EXPECT_EQ(panel->ClientHeight(), c.expected.Bottom);
  }
}

TEST_F(SmoothPanelTest, NegativeBorderWidthBecomesZero) {
  TSmoothPanel* panel = MakePanel(120, 50);
  panel->SetBorderWidth(-7);
  EXPECT_EQ(panel->BorderWidth(), 0);
  EXPECT_EQ(panel->ClientRect(), Rect(2, 2, 118, 48));
}

TEST_F(SmoothPanelTest, ChildrenAreAlignedInsideBorderAndBevels) {
  TSmoothPanel* panel = MakePanel(200, 60);
  auto* top = new TSmoothPanel(form_.get());
  top->SetParent(panel);
  top->SetHeight(10);
  top->SetAlign(TAlign::alTop);
  panel->SetBevelInner(TBevelStyle::bsRaised);
  panel->SetBorderWidth(1);
  EXPECT_EQ(top->BoundsRect(), Bounds(5, 5, 190, 10));
  panel->SetBevelInner(TBevelStyle::bsNone);
  EXPECT_EQ(top->BoundsRect(), Bounds(3, 3, 194, 10));
  panel->SetBevelOuter(TBevelStyle::bsNone);
  panel->SetBorderWidth(0);
  EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 200, 10));
}

TEST_F(SmoothPanelTest, BorderWiderThanThePanelLeavesChildrenNoRoom) {
  TSmoothPanel* panel = MakePanel(30, 20);
  auto* child = new TSmoothPanel(form_.get());
  child->SetParent(panel);
  child->SetAlign(TAlign::alClient);
  panel->SetBorderWidth(100);
  EXPECT_EQ(panel->ClientRect(), Rect(102, 102, -72, -82));
  EXPECT_EQ(child->Width(), 0);
  EXPECT_EQ(child->Height(), 0);
  panel->SetCaption("x");
  TBitmap face = Face(*panel);
  EXPECT_EQ(face.Width(), 30);
}

TEST_F(SmoothPanelTest, TitleBarLaysOutItsButtonStripAtTheRight) {
  // The main window's title strip: 723 x 33, inner bevel, border 1; its button strip is
  // aligned right and ends up at (623, 5), 95 x 23.
  TSmoothPanel* title = MakePanel(723, 33);
  title->SetColor(3644415);
  title->SetBevelInner(TBevelStyle::bsRaised);
  title->SetBorderWidth(1);
  auto* buttons = new TSmoothPanel(form_.get());
  buttons->SetParent(title);
  buttons->SetWidth(95);
  buttons->SetAlign(TAlign::alRight);
  EXPECT_EQ(buttons->BoundsRect(), Bounds(623, 5, 95, 23));
}

TEST_F(SmoothPanelTest, RaisedOuterBevelOfTheOrangeExample) {
  TSmoothPanel* panel = MakePanel(20, 12);
  panel->SetColor(kOrange);
  TBitmap face = Face(*panel);
  TCanvas& c = face.Canvas();
  EXPECT_EQ(c.Pixels(0, 5), RGB(255, 175, 75));  // top-left outer line
  EXPECT_EQ(c.Pixels(7, 0), RGB(255, 175, 75));
  EXPECT_EQ(c.Pixels(1, 5), RGB(255, 165, 65));  // the next line in
  EXPECT_EQ(c.Pixels(7, 1), RGB(255, 165, 65));
  EXPECT_EQ(c.Pixels(19, 5), RGB(235, 135, 35));  // bottom-right outer line
  EXPECT_EQ(c.Pixels(7, 11), RGB(235, 135, 35));
  EXPECT_EQ(c.Pixels(18, 5), RGB(245, 145, 45));  // the next line in
  EXPECT_EQ(c.Pixels(7, 10), RGB(245, 145, 45));
  EXPECT_EQ(c.Pixels(7, 5), kOrange);
  BevelModel model(20, 12, kOrange);
  model.Bevel(0, true, kOrange);
  TBitmap expected = model.Picture();
  EXPECT_EQ(ImageDifference(face, expected), "");
}

TEST_F(SmoothPanelTest, EveryBevelCombinationDrawsItsLines) {
  struct Case {
    TBevelStyle outer;
    TBevelStyle inner;
  };
  const std::vector<Case> cases = {
      {TBevelStyle::bsRaised, TBevelStyle::bsNone},
      {TBevelStyle::bsLowered, TBevelStyle::bsNone},
      {TBevelStyle::bsRaised, TBevelStyle::bsRaised},
      {TBevelStyle::bsRaised, TBevelStyle::bsLowered},
      {TBevelStyle::bsLowered, TBevelStyle::bsRaised},
      {TBevelStyle::bsNone, TBevelStyle::bsRaised},
      {TBevelStyle::bsNone, TBevelStyle::bsLowered},
      {TBevelStyle::bsNone, TBevelStyle::bsNone},
  };
  TSmoothPanel* panel = MakePanel(23, 17);
  panel->SetColor(kOrange);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(int(c.outer)) + "/" + std::to_string(int(c.inner)));
    panel->SetBevelOuter(c.outer);
    panel->SetBevelInner(c.inner);
    BevelModel model(23, 17, kOrange);
    if (c.outer != TBevelStyle::bsNone) model.Bevel(0, c.outer == TBevelStyle::bsRaised, kOrange);
    if (c.inner != TBevelStyle::bsNone) model.Bevel(2, c.inner == TBevelStyle::bsRaised, kOrange);
    TBitmap face = Face(*panel);
    TBitmap expected = model.Picture();
    EXPECT_EQ(ImageDifference(face, expected), "");
  }
}

TEST_F(SmoothPanelTest, LightLinesClampAtWhiteAndDarkLinesAtBlack) {
  struct Case {
    TColor body;
    TColor light20;
    TColor light10;
    TColor dark20;
    TColor dark10;
  };
  const std::vector<Case> cases = {
      {RGB(250, 248, 240), RGB(255, 255, 255), RGB(255, 255, 250), RGB(230, 228, 220),
       RGB(240, 238, 230)},
      {RGB(5, 12, 25), RGB(25, 32, 45), RGB(15, 22, 35), RGB(0, 0, 5), RGB(0, 2, 15)},
  };
  TSmoothPanel* panel = MakePanel(20, 12);
  for (const Case& c : cases) {
    SCOPED_TRACE(ColorToString(c.body));
    panel->SetColor(c.body);
    TBitmap face = Face(*panel);
    EXPECT_EQ(face.Canvas().Pixels(0, 5), c.light20);
    EXPECT_EQ(face.Canvas().Pixels(1, 5), c.light10);
    EXPECT_EQ(face.Canvas().Pixels(19, 5), c.dark20);
    EXPECT_EQ(face.Canvas().Pixels(18, 5), c.dark10);
  }
}

TEST_F(SmoothPanelTest, SystemBodyColourIsResolvedBeforeShifting) {
  TSmoothPanel* panel = MakePanel(20, 12);
  panel->SetColor(clBtnFace);
  const TColor face = GetSysColor(COLOR_BTNFACE);
  TBitmap painted = Face(*panel);
  EXPECT_EQ(painted.Canvas().Pixels(7, 5), face);
  EXPECT_EQ(painted.Canvas().Pixels(0, 5), ShiftColor(face, 20, true));
  EXPECT_EQ(painted.Canvas().Pixels(19, 5), ShiftColor(face, 20, false));
}

TEST_F(SmoothPanelTest, PaletteColourIgnoresTheFreeColour) {
  TSmoothPanel* panel = MakePanel(20, 12);
  panel->SetColor(kOrange);
  panel->SetCustomColor(TCustomColor::ccEmerald);
  EXPECT_EQ(panel->BodyColor(), RGB(48, 152, 96));
  TBitmap face = Face(*panel);
  BevelModel model(20, 12, RGB(48, 152, 96));
  model.Bevel(0, true, RGB(48, 152, 96));
  TBitmap expected = model.Picture();
  EXPECT_EQ(ImageDifference(face, expected), "");
  panel->SetColor(clRed);
  TBitmap again = Face(*panel);
  EXPECT_EQ(ImageDifference(again, expected), "");
  panel->SetCustomColor(TCustomColor::ccNone);
  EXPECT_EQ(Face(*panel).Canvas().Pixels(7, 5), RGB(255, 0, 0));
}

// --- Caption

TEST_F(SmoothPanelTest, CaptionPlacesForEachLayout) {
  struct Case {
    TLayout layout;
    bool shadowText;
    int depth;
    TSize text;
    TPoint shadow;
    TPoint caption;
  };
  // A 120 x 30 panel with border 6 and no bevels: the client area is (6, 6) to (114, 24).
  const std::vector<Case> cases = {
      {TLayout::plLeft, true, 2, {40, 15}, {8, 9}, {6, 7}},
      {TLayout::plCenter, true, 2, {40, 15}, {42, 9}, {40, 7}},
      {TLayout::plRight, true, 2, {40, 15}, {74, 9}, {72, 7}},
      {TLayout::plRight, false, 2, {40, 15}, {74, 9}, {74, 7}},
      {TLayout::plLeft, false, 3, {40, 15}, {9, 10}, {6, 7}},
      {TLayout::plCenter, true, 0, {41, 16}, {39, 7}, {39, 7}},
      {TLayout::plRight, true, 0, {41, 16}, {73, 7}, {73, 7}},
      // Halving truncates toward zero, also below zero.
      {TLayout::plCenter, true, 1, {131, 31}, {-4, 1}, {-5, 0}},
      {TLayout::plRight, true, 5, {10, 40}, {104, 0}, {99, -5}},
  };
  TSmoothPanel* panel = MakePanel(120, 30);
  panel->SetBevelOuter(TBevelStyle::bsNone);
  panel->SetBorderWidth(6);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(int(c.layout)) + (c.shadowText ? " shadow " : " plain ") +
                 std::to_string(c.depth) + " " + std::to_string(c.text.cx));
    panel->SetLayout(c.layout);
    panel->SetShadowText(c.shadowText);
    panel->SetShadowDepth(c.depth);
    const TSmoothPanel::TCaptionPlaces at = panel->PlaceCaption(c.text);
    EXPECT_EQ(at.shadow, c.shadow);
    EXPECT_EQ(at.text, c.caption);
  }
}

struct CaptionCase {
  TLayout layout;
  bool shadowText;
  int depth;
};

class SmoothCaptionTest : public SmoothPanelTest,
                          public ::testing::WithParamInterface<CaptionCase> {
 protected:
  static TFont ClockFont() {
    TFont font;
    font.SetName("Arial");
    font.SetHeight(-13);
    font.SetColor(16512);
    font.SetCharset(RUSSIAN_CHARSET);
    return font;
  }
};

// The face of a 120 x 30 panel without bevels, built from the documented positions.
TBitmap ExpectedCaptionFace(const TFont& font, const CaptionCase& c, TRect client,
                            const std::string& text) {
  TBitmap expected = Filled(120, 30, kOrange);
  TCanvas& canvas = expected.Canvas();
  canvas.SetFont(font);
  canvas.Font().SetQuality(TFontQuality::fqAntialiased);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const int th = canvas.TextHeight(text);
  const int tw = canvas.TextWidth(text);
  const int y = (30 - th) / 2;
  const int d = c.depth;
  TPoint shadow;
  TPoint caption;
  if (c.layout == TLayout::plLeft) {
    shadow = {client.Left + d, y + d};
    caption = {client.Left, y};
  } else if (c.layout == TLayout::plCenter) {
    shadow = {(120 - tw) / 2 + d, y + d};
    caption = {(120 - tw) / 2, y};
  } else {
    shadow = {client.Right - tw, y + d};
    caption = {client.Right - tw - (c.shadowText ? d : 0), y};
  }
  if (c.shadowText) {
    canvas.Font().SetColor(RGB(205, 105, 5));  // 50 darker than the body
    canvas.TextOut(shadow.X, shadow.Y, text);
  }
  canvas.Font().SetColor(font.Color());
  canvas.TextOut(caption.X, caption.Y, text);
  return expected;
}

TEST_P(SmoothCaptionTest, CaptionAndShadowStandWhereTheLayoutPutsThem) {
  const CaptionCase c = GetParam();
  TSmoothPanel* panel = MakePanel(120, 30);
  panel->SetColor(kOrange);
  panel->SetBevelOuter(TBevelStyle::bsNone);
  panel->SetBorderWidth(6);  // the left and right layouts start at the client edges
  panel->SetFont(ClockFont());
  panel->SetLayout(c.layout);
  panel->SetShadowText(c.shadowText);
  panel->SetShadowDepth(c.depth);
  panel->SetCaption("12:34:56");
  TBitmap face = Face(*panel);
  TBitmap expected = ExpectedCaptionFace(ClockFont(), c, Rect(6, 6, 114, 24), "12:34:56");
  EXPECT_EQ(ImageDifference(face, expected), "");
  // The caption colour shows; the shadow colour shows exactly when there is a visible shadow.
  EXPECT_FALSE(PixelsOf(face, 16512).empty());
  EXPECT_EQ(PixelsOf(face, RGB(205, 105, 5)).empty(), !c.shadowText || c.depth == 0);
}

INSTANTIATE_TEST_SUITE_P(Layouts, SmoothCaptionTest,
                         ::testing::Values(CaptionCase{TLayout::plLeft, true, 2},
                                           CaptionCase{TLayout::plLeft, false, 2},
                                           CaptionCase{TLayout::plCenter, true, 2},
                                           CaptionCase{TLayout::plCenter, false, 3},
                                           CaptionCase{TLayout::plRight, true, 2},
                                           CaptionCase{TLayout::plRight, true, 5},
                                           CaptionCase{TLayout::plRight, false, 2},
                                           CaptionCase{TLayout::plCenter, true, 0},
                                           CaptionCase{TLayout::plLeft, true, 0}));

TEST_F(SmoothPanelTest, ShadowAndCaptionKeepTheirDistanceInEveryLayout) {
  // A large depth keeps the two apart, so each can be measured on its own.
  TSmoothPanel* panel = MakePanel(160, 70);
  panel->SetColor(kOrange);
  panel->SetBevelInner(TBevelStyle::bsLowered);
  panel->SetShadowDepth(20);
  panel->Font().SetColor(clBlack);
  panel->Font().SetName("Arial");
  panel->Font().SetHeight(-24);
  panel->Font().SetStyle(fsBold);
  panel->SetCaption("H");
  const TColor shadowColour = RGB(205, 105, 5);
  for (TLayout layout : {TLayout::plLeft, TLayout::plCenter, TLayout::plRight}) {
    SCOPED_TRACE(int(layout));
    panel->SetLayout(layout);
    TBitmap face = Face(*panel);
    const TRect text = BoundsOf(PixelsOf(face, clBlack));
    const TRect shadow = BoundsOf(PixelsOf(face, shadowColour));
    ASSERT_FALSE(text.IsEmpty());
    EXPECT_EQ(shadow, OffsetRect(text, 20, 20));
  }
}

TEST_F(SmoothPanelTest, ClockStripShadowLiesExactlyUnderTheCaption) {
  TSmoothPanel* clock = MakePanel(85, 18);
  clock->SetColor(3119103);
  clock->SetBevelInner(TBevelStyle::bsLowered);
  clock->SetShadowDepth(0);
  clock->Font().SetName("Arial");
  clock->Font().SetHeight(-13);
  clock->Font().SetColor(16512);
  clock->SetCaption("00 :00 :00");
  TBitmap withShadow = Face(*clock);
  clock->SetShadowText(false);
  TBitmap without = Face(*clock);
  // The shadow covers no pixel that the caption leaves alone: only the smoothed rims of the
  // glyphs change, blending with the shadow instead of the body.
  const PixelSet ink = PixelsNot(without, 3119103);
  ASSERT_FALSE(ink.empty());
  const PixelSet inkWithShadow = PixelsNot(withShadow, 3119103);
  PixelSet bevels;
  for (const auto& p : ink)
    if (!Rect(4, 4, 81, 14).Contains(Point(p.first, p.second))) bevels.insert(p);
  EXPECT_EQ(inkWithShadow, ink);
  EXPECT_EQ(BoundsOf(bevels), Rect(0, 0, 85, 18));
  // A depth of 2 shows the shadow beside the caption.
  clock->SetShadowText(true);
  clock->SetShadowDepth(2);
  TBitmap moved = Face(*clock);
  EXPECT_GT(PixelsNot(moved, 3119103).size(), ink.size());
}

TEST_F(SmoothPanelTest, EmptyCaptionPaintsOnlyBodyAndBevels) {
  TSmoothPanel* panel = MakePanel(40, 20);
  panel->SetColor(kOrange);
  panel->SetShadowDepth(4);
  BevelModel model(40, 20, kOrange);
  model.Bevel(0, true, kOrange);
  TBitmap face = Face(*panel);
  TBitmap expected = model.Picture();
  EXPECT_EQ(ImageDifference(face, expected), "");
}

TEST_F(SmoothPanelTest, SettersRepaintEvenWithAnEqualValue) {
  TSmoothPanel* panel = MakePanel(40, 20);
  int resized = 0;
  panel->OnResize = [&](TComponent*) { ++resized; };
  // The frame setters recreate the window (which reports its size again) every time.
  panel->SetBevelInner(TBevelStyle::bsNone);
  panel->SetBevelOuter(TBevelStyle::bsRaised);
  panel->SetBorderWidth(0);
  EXPECT_EQ(resized, 3);
}

TEST_F(SmoothPanelTest, WheelEventsFireInTheClassicOrder) {
  TSmoothPanel* panel = MakePanel(40, 20);
  std::vector<std::string> log;
  bool handleWheel = false;
  panel->OnMouseWheel = [&](TComponent* sender, TShiftState, int delta, TPoint, bool& handled) {
    EXPECT_EQ(sender, panel);
    log.push_back("wheel" + std::to_string(delta));
    handled = handleWheel;
  };
  panel->OnMouseWheelUp = [&](TComponent*, TShiftState, TPoint p, bool& handled) {
    log.push_back("up@" + std::to_string(p.X));
    handled = true;
  };
  panel->OnMouseWheelDown = [&](TComponent*, TShiftState, TPoint, bool&) { log.push_back("down"); };
  EXPECT_TRUE(panel->DoMouseWheel(0, 120, Point(7, 3)));
  EXPECT_FALSE(panel->DoMouseWheel(0, -120, Point(7, 3)));
  handleWheel = true;
  EXPECT_TRUE(panel->DoMouseWheel(0, -120, Point(7, 3)));
  EXPECT_EQ(log, (std::vector<std::string>{"wheel120", "up@7", "wheel-120", "down", "wheel-120"}));
}

TEST_F(SmoothPanelTest, ClickOnTheStripReachesItsHandler) {
  TSmoothPanel* clock = Make<TSmoothPanel>(20, 20, 85, 18);
  int clicks = 0;
  clock->OnClick = [&](TComponent* sender) {
    EXPECT_EQ(sender, clock);
    ++clicks;
  };
  TestInput::Click(clock, Point(40, 9));
  EXPECT_EQ(clicks, 1);
}

}  // namespace
