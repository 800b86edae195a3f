// The flat hint: the application's hint window class and timing, the window's size, its
// placement by screen quarter, the strip, the arrow and the wrapped text.
#include "controls/TFlatHintUnit.h"
#include "flat_fixture.h"

namespace {

using namespace TestInput;

// --- Placement

struct QuarterCase {
  TPoint cursor;
  THintPlacement placement;
};

// A 1024 x 768 screen: halves 512 and 384. The middle lines belong to the right and bottom.
const QuarterCase kQuarters[] = {
    {{0, 0}, THintPlacement::hpBelowRight},    {{511, 383}, THintPlacement::hpBelowRight},
    {{512, 0}, THintPlacement::hpBelowLeft},   {{1023, 383}, THintPlacement::hpBelowLeft},
    {{0, 384}, THintPlacement::hpAboveRight},  {{511, 767}, THintPlacement::hpAboveRight},
    {{512, 384}, THintPlacement::hpAboveLeft}, {{1023, 767}, THintPlacement::hpAboveLeft},
    {{512, 100}, THintPlacement::hpBelowLeft}, {{100, 384}, THintPlacement::hpAboveRight},
    {{-5, -5}, THintPlacement::hpAboveLeft},   {{1024, 100}, THintPlacement::hpAboveLeft},
    {{600, 768}, THintPlacement::hpAboveLeft},
};

TEST(FlatHintGeometry, TheScreenQuarterDecidesThePlacement) {
  for (const QuarterCase& row : kQuarters) {
    SCOPED_TRACE(testing::Message() << row.cursor.X << "," << row.cursor.Y);
    EXPECT_EQ(HintPlacementAt(row.cursor, 1024, 768), row.placement);
  }
  // Odd sizes halve downwards: 801 / 2 = 400, so x = 400 is already on the right.
  EXPECT_EQ(HintPlacementAt(Point(400, 0), 801, 601), THintPlacement::hpBelowLeft);
  EXPECT_EQ(HintPlacementAt(Point(399, 299), 801, 601), THintPlacement::hpBelowRight);
  EXPECT_EQ(HintPlacementAt(Point(399, 300), 801, 601), THintPlacement::hpAboveRight);
}

struct RectCase {
  THintPlacement placement;
  TRect rect;
};

// Cursor (100, 100), window 60 x 20; gap 12 below-right, 5 elsewhere.
const RectCase kRects[] = {
    {THintPlacement::hpBelowLeft, {35, 105, 95, 125}},
    {THintPlacement::hpBelowRight, {112, 112, 172, 132}},
    {THintPlacement::hpAboveLeft, {35, 75, 95, 95}},
    {THintPlacement::hpAboveRight, {105, 75, 165, 95}},
};

TEST(FlatHintGeometry, TheWindowStandsBesideTheCursor) {
  for (const RectCase& row : kRects) {
    SCOPED_TRACE(static_cast<int>(row.placement));
    EXPECT_EQ(HintWindowRect(row.placement, Point(100, 100), 60, 20), row.rect);
  }
}

TEST(FlatHintGeometry, StripAndTextAreaSides) {
  EXPECT_EQ(HintArrowStrip(THintPlacement::hpBelowRight, 80, 30), Rect(1, 1, 15, 29));
  EXPECT_EQ(HintTextArea(THintPlacement::hpBelowRight, 80, 30), Rect(15, 1, 79, 29));
  EXPECT_EQ(HintArrowStrip(THintPlacement::hpAboveRight, 80, 30), Rect(1, 1, 15, 29));
  EXPECT_EQ(HintArrowStrip(THintPlacement::hpBelowLeft, 80, 30), Rect(65, 1, 79, 29));
  EXPECT_EQ(HintTextArea(THintPlacement::hpBelowLeft, 80, 30), Rect(1, 1, 65, 29));
  EXPECT_EQ(HintArrowStrip(THintPlacement::hpAboveLeft, 80, 30), Rect(65, 1, 79, 29));
}

// The pixels of the arrow's line in the top-left corner, from (0, 0): the line through the 18
// points, each segment without its end point, worked out by hand.
const PixelSet kArrow = {
    {0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6},          // down
    {1, 6}, {1, 5}, {1, 4}, {1, 3}, {1, 2}, {1, 1},                  // back up
    {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0},                  // right
    {6, 1}, {5, 1}, {4, 1}, {3, 1},                                  // back left
    {2, 1}, {2, 2}, {2, 3},                                          // down
    {2, 4}, {3, 5}, {4, 6}, {5, 7}, {6, 7}, {5, 6}, {4, 5}, {3, 4},  // the shaft
    {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 6}, {6, 5}, {5, 4}, {4, 3},
    {3, 2}, {4, 2}, {5, 3}, {6, 4}, {7, 5}};

struct ArrowCase {
  THintPlacement placement;
  TPoint anchor;
  int sx;
  int sy;
};

// Client 80 x 30: anchors (3, 3), (W-4, 3), (W-4, H-4), (3, H-4).
const ArrowCase kArrows[] = {
    {THintPlacement::hpBelowRight, {3, 3}, 1, 1},
    {THintPlacement::hpBelowLeft, {76, 3}, -1, 1},
    {THintPlacement::hpAboveLeft, {76, 26}, -1, -1},
    {THintPlacement::hpAboveRight, {3, 26}, 1, -1},
};

TEST(FlatHintGeometry, TheArrowHas18PointsFromItsAnchor) {
  for (const ArrowCase& row : kArrows) {
    SCOPED_TRACE(static_cast<int>(row.placement));
    const std::vector<TPoint> points = HintArrowPoints(row.placement, 80, 30);
    ASSERT_EQ(points.size(), 18u);
    EXPECT_EQ(points.front(), row.anchor);
    EXPECT_EQ(points[4], Point(row.anchor.X + 6 * row.sx, row.anchor.Y));
    EXPECT_EQ(points.back(), Point(row.anchor.X + 7 * row.sx, row.anchor.Y + 6 * row.sy));
  }
}

// --- The component and the window

class FlatHintTest : public FlatTest {
 protected:
  void SetUp() override {
    FlatTest::SetUp();
    Application->CreateForm(mainForm);
    mainForm->SetBounds(100, 100, 400, 300);
  }
  TFlatHint* MakeHint() {
    auto* hint = new TFlatHint(mainForm);
    hint->SetColorBackground(kBack);
    hint->SetColorBorder(kBorder);
    hint->SetColorArrowBackground(kStrip);
    hint->SetColorArrow(kArrowColour);
    hint->Font().SetColor(kText);
    return hint;
  }
  TFlatHintWindow* Window() { return dynamic_cast<TFlatHintWindow*>(Application->HintWindow()); }
  // Shows hint at the cursor position through the hint window itself.
  TFlatHintWindow* Show(TPoint cursor, const std::string& text) {
    Screen->SetCursorPos(cursor);
    window = std::make_unique<TFlatHintWindow>(nullptr);
    window->ActivateHint(Bounds(cursor.X, cursor.Y + 20, 0, 0), text);
    return window.get();
  }
  // The text's size as the hint measures it: wrapped to MaxHintWidth - 22, no "&".
  static TSize Measure(const TFont& font, const std::string& text, int maxWidth) {
    TCanvas canvas;
    canvas.SetFont(font);
    TRect r = Rect(0, 0, maxWidth - 22, 0);
    canvas.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return {r.Width(), r.Height()};
  }

  static constexpr TColor kBack = RGB(250, 240, 200);
  static constexpr TColor kBorder = RGB(0, 64, 128);
  static constexpr TColor kStrip = RGB(255, 150, 40);
  static constexpr TColor kArrowColour = RGB(10, 20, 30);
  static constexpr TColor kText = RGB(100, 50, 0);
  TForm* mainForm = nullptr;
  std::unique_ptr<TFlatHintWindow> window;
};

TEST_F(FlatHintTest, CreatingTheComponentInstallsTheWindowClassAndTiming) {
  Application->SetHintPause(1);
  TFlatHint* hint = new TFlatHint(mainForm);
  EXPECT_EQ(Application->HintPause(), 500);
  EXPECT_EQ(Application->HintShortPause(), 25);
  EXPECT_EQ(Application->HintHidePause(), 5000);
  EXPECT_TRUE(Application->ShowHint());
  ASSERT_TRUE(Application->HintWindowClass());
  std::unique_ptr<THintWindow> made(Application->HintWindowClass()());
  EXPECT_NE(dynamic_cast<TFlatHintWindow*>(made.get()), nullptr);
  EXPECT_EQ(hint->ColorBackground(), 16777215u);
  EXPECT_EQ(hint->ColorBorder(), 0u);
  EXPECT_EQ(hint->ColorArrowBackground(), 5493503u);
  EXPECT_EQ(hint->ColorArrow(), 0u);
  EXPECT_EQ(hint->MaxHintWidth(), 200);
  EXPECT_EQ(hint->Font(), TFont());
  EXPECT_EQ(TFlatHint::Current(), hint);
  EXPECT_THROW(hint->SetMaxHintWidth(22), Exception);
  EXPECT_EQ(hint->MaxHintWidth(), 200);
}

TEST_F(FlatHintTest, TheApplicationsShowHintEventReachesTheComponent) {
  TFlatHint* hint = MakeHint();
  std::string seen;
  hint->OnShowHint = [&](std::string& text, bool& canShow, THintInfo&) {
    seen = text;
    canShow = text != "hidden";
  };
  ASSERT_TRUE(Application->OnShowHint);
  std::string text = "Открыть";
  bool canShow = true;
  THintInfo info;
  Application->OnShowHint(text, canShow, info);
  EXPECT_EQ(seen, "Открыть");
  EXPECT_TRUE(canShow);
  text = "hidden";
  Application->OnShowHint(text, canShow, info);
  EXPECT_FALSE(canShow);
  // Once the component is gone the relay does nothing.
  delete hint;
  seen.clear();
  canShow = true;
  Application->OnShowHint(text, canShow, info);
  EXPECT_EQ(seen, "");
  EXPECT_TRUE(canShow);
}

TEST_F(FlatHintTest, TheWindowIsTheTextPlus22By6) {
  TFlatHint* hint = MakeHint();
  const std::string text = "Новый документ";
  TFlatHintWindow* w = Show(Point(100, 100), text);
  const TSize t = Measure(hint->Font(), text, 200);
  ASSERT_GT(t.cx, 0);
  EXPECT_EQ(w->Width(), t.cx + 22);
  EXPECT_EQ(w->Height(), t.cy + 6);
  EXPECT_TRUE(w->Visible());
  EXPECT_EQ(w->Caption(), text);
  EXPECT_EQ(w->CalcHintRect(1000, text), Rect(0, 0, t.cx + 22, t.cy + 6));
}

TEST_F(FlatHintTest, ATopLeftCursorPutsTheHint12PixelsRightAndBelow) {
  MakeHint();
  TFlatHintWindow* w = Show(Point(100, 100), "Сохранить");
  EXPECT_EQ(w->Placement(), THintPlacement::hpBelowRight);
  EXPECT_EQ(w->Left(), 112);
  EXPECT_EQ(w->Top(), 112);
}

TEST_F(FlatHintTest, ABottomRightCursorEndsTheHint5PixelsLeftAndAbove) {
  MakeHint();
  const TPoint cursor = Point(Screen->Width() - 10, Screen->Height() - 10);
  TFlatHintWindow* w = Show(cursor, "Сохранить");
  EXPECT_EQ(w->Placement(), THintPlacement::hpAboveLeft);
  EXPECT_EQ(w->BoundsRect().Right, cursor.X - 5);
  EXPECT_EQ(w->BoundsRect().Bottom, cursor.Y - 5);
}

TEST_F(FlatHintTest, TheOtherQuartersAndTheMiddleLine) {
  MakeHint();
  const int sw = Screen->Width();
  const int sh = Screen->Height();
  TFlatHintWindow* w = Show(Point(sw / 2, 50), "Печать");
  EXPECT_EQ(w->Placement(), THintPlacement::hpBelowLeft);
  EXPECT_EQ(w->BoundsRect().Right, sw / 2 - 5);
  EXPECT_EQ(w->Top(), 55);
  w = Show(Point(50, sh - 20), "Печать");
  EXPECT_EQ(w->Placement(), THintPlacement::hpAboveRight);
  EXPECT_EQ(w->Left(), 55);
  EXPECT_EQ(w->BoundsRect().Bottom, sh - 25);
}

TEST_F(FlatHintTest, AHintNearTheEdgeIsNotMovedBackOntoTheScreen) {
  TFlatHint* hint = MakeHint();
  hint->SetMaxHintWidth(2000);
  const std::string text(120, 'W');
  // Just left of the middle line: the hint goes to the right of the cursor and, being wider
  // than the rest of the screen, beyond its right edge.
  const TPoint cursor = Point(Screen->Width() / 2 - 1, 10);
  TFlatHintWindow* w = Show(cursor, text);
  ASSERT_EQ(w->Placement(), THintPlacement::hpBelowRight);
  EXPECT_EQ(w->Left(), cursor.X + 12);
  EXPECT_GT(w->BoundsRect().Right, Screen->Width());
  // Just below the middle line with a tall hint: above the cursor and beyond the top edge.
  hint->SetMaxHintWidth(40);
  std::string words;
  for (int i = 0; i < 100; ++i) words += "W ";
  w = Show(Point(100, Screen->Height() / 2), words);
  ASSERT_EQ(w->Placement(), THintPlacement::hpAboveRight);
  EXPECT_EQ(w->BoundsRect().Bottom, Screen->Height() / 2 - 5);
  EXPECT_LT(w->Top(), 0);
}

TEST_F(FlatHintTest, LongTextWrapsAtMaxHintWidthLess22) {
  TFlatHint* hint = MakeHint();
  const std::string text = "Открыть существующий документ с диска или из сети";
  TCanvas canvas;
  canvas.SetFont(hint->Font());
  ASSERT_GT(canvas.TextWidth(text), 178);
  TFlatHintWindow* w = Show(Point(100, 100), text);
  const TSize t = Measure(hint->Font(), text, 200);
  EXPECT_LE(w->Width(), 200);
  EXPECT_EQ(w->Width(), t.cx + 22);
  EXPECT_GE(w->Height(), 2 * canvas.TextHeight(text) + 6);
  // A narrower maximum wraps more.
  hint->SetMaxHintWidth(150);
  w = Show(Point(100, 100), text);
  EXPECT_LE(w->Width(), 150);
  EXPECT_GT(w->Height(), 2 * canvas.TextHeight(text) + 6);
}

TEST_F(FlatHintTest, ASingleLongWordWidensTheWindow) {
  TFlatHint* hint = MakeHint();
  const std::string word = "Электроэнцефалографический_документ";
  TCanvas canvas;
  canvas.SetFont(hint->Font());
  ASSERT_GT(canvas.TextWidth(word), 178);
  TFlatHintWindow* w = Show(Point(100, 100), word);
  EXPECT_EQ(w->Width(), canvas.TextWidth(word) + 22);
  EXPECT_EQ(w->Height(), canvas.TextHeight(word) + 6);
}

struct PaintCase {
  TPoint cursor;
  THintPlacement placement;
  bool stripLeft;
  TPoint anchor;  // relative to the client; y < 0 counts from the bottom (H + y)
  int sx;
  int sy;
};

TEST_F(FlatHintTest, PaintsStripFrameArrowAndText) {
  MakeHint();
  const int sw = Screen->Width();
  const int sh = Screen->Height();
  const PaintCase cases[] = {
      {{100, 100}, THintPlacement::hpBelowRight, true, {3, 3}, 1, 1},
      {{sw - 100, 100}, THintPlacement::hpBelowLeft, false, {-4, 3}, -1, 1},
      {{sw - 100, sh - 100}, THintPlacement::hpAboveLeft, false, {-4, -4}, -1, -1},
      {{100, sh - 100}, THintPlacement::hpAboveRight, true, {3, -4}, 1, -1},
  };
  for (const PaintCase& row : cases) {
    SCOPED_TRACE(static_cast<int>(row.placement));
    TFlatHintWindow* w = Show(row.cursor, "Шрифт & цвет");
    ASSERT_EQ(w->Placement(), row.placement);
    TBitmap face = Face(w);
    const int W = face.Width();
    const int H = face.Height();
    const TRect strip = row.stripLeft ? Rect(1, 1, 15, H - 1) : Rect(W - 15, 1, W - 1, H - 1);
    // The frame: every outermost pixel in the border colour, and nothing else.
    PixelSet frame;
    for (int x = 0; x < W; ++x) frame.insert({x, 0}), frame.insert({x, H - 1});
    for (int y = 0; y < H; ++y) frame.insert({0, y}), frame.insert({W - 1, y});
    EXPECT_EQ(PixelsOf(face, kBorder), frame);
    // The arrow, mirrored into its corner.
    const TPoint anchor = Point(row.anchor.X < 0 ? W + row.anchor.X : row.anchor.X,
                                row.anchor.Y < 0 ? H + row.anchor.Y : row.anchor.Y);
    PixelSet arrow;
    for (const auto& [dx, dy] : kArrow)
      arrow.insert({anchor.X + row.sx * dx, anchor.Y + row.sy * dy});
    EXPECT_EQ(PixelsOf(face, kArrowColour), arrow);
    // The rest of the strip in its colour; the text area holds background and text only.
    PixelSet stripRest;
    for (int y = strip.Top; y < strip.Bottom; ++y)
      for (int x = strip.Left; x < strip.Right; ++x)
        if (!arrow.count({x, y})) stripRest.insert({x, y});
    EXPECT_EQ(PixelsOf(face, kStrip), stripRest);
    const PixelSet ink = PixelsOf(face, kText);
    ASSERT_FALSE(ink.empty());
    const TRect text = row.stripLeft ? Rect(18, 2, W - 4, H - 2) : Rect(4, 2, W - 18, H - 2);
    const TRect inked = BoundsOf(ink);
    EXPECT_GE(inked.Left, text.Left);
    EXPECT_LE(inked.Right, text.Right);
    EXPECT_GE(inked.Top, text.Top);
    EXPECT_LE(inked.Bottom, text.Bottom);
  }
}

TEST_F(FlatHintTest, TheApplicationShowsAFlatHintAtTheCursor) {
  MakeHint();
  auto form2 = MakeForm(120, 130, 200, 100);
  auto* probe = new Probe(form2.get(), form2.get(), Bounds(10, 10, 40, 40));
  probe->SetHint("Новый документ|Открыть новый документ");
  probe->SetShowHint(true);
  form2->Show();
  ProcessEvents();
  MouseMove(probe, Point(5, 5));
  Application->ActivateHint(Screen->CursorPos());
  auto* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(Application->HintShowing());
  EXPECT_EQ(w->Caption(), "Новый документ");
  // The cursor is at (135, 145): top-left quarter.
  EXPECT_EQ(Screen->CursorPos(), Point(135, 145));
  EXPECT_EQ(w->Placement(), THintPlacement::hpBelowRight);
  EXPECT_EQ(w->Left(), 147);
  EXPECT_EQ(w->Top(), 157);
  Application->HideHint();
  form2.reset();
}

TEST_F(FlatHintTest, WithoutAFlatHintTheWindowUsesTheDefaultLook) {
  TFlatHintWindow* w = Show(Point(100, 100), "Текст");
  TBitmap face = Face(w);
  EXPECT_EQ(face.Canvas().Pixels(0, 0), 0u);
  EXPECT_EQ(face.Canvas().Pixels(10, face.Height() - 2), 5493503u);
  EXPECT_EQ(face.Canvas().Pixels(face.Width() - 2, 1), 16777215u);
}

}  // namespace
