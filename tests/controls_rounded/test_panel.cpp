// The rounded panel as a control: defaults, refused values, the client area its children
// get, the ten caption positions, the corners and band of its face, the gradient and
// smoothing switches, and the parent's colour.
#include <gtest/gtest.h>

#include <limits>

#include "controls/RbPanel.h"
#include "platform/control_fixture.h"
#include "platform/testing/TestInput.h"
#include "rounded_helpers.h"

namespace {

using RbPanelTest = ControlTest;

// A plain windowed child that the panel lays out.
class Child : public TCustomControl {
 public:
  Child(TWinControl* parent, TAlign align, int size) : TCustomControl(nullptr) {
    SetBounds(0, 0, size, size);
    SetAlign(align);
    SetParent(parent);
  }
};

TEST(RbPanel, Defaults) {
  TRbPanel panel(nullptr);
  EXPECT_EQ(panel.Caption(), "");
  EXPECT_EQ(panel.CaptionPosition(), TRbCaptionPos::cpTopLeft);
  EXPECT_EQ(panel.CornerWidth(), 10);
  EXPECT_EQ(panel.BorderWidth(), 2);
  EXPECT_EQ(panel.BorderColor(), 8421504u);
  EXPECT_EQ(panel.OuterColor(), clBtnFace);
  EXPECT_EQ(panel.TextShadowColor(), 16777215u);
  EXPECT_TRUE(panel.Antialiased());
  EXPECT_FALSE(panel.Gradient());
  EXPECT_EQ(panel.DefaultFrom(), 16777215u);
  EXPECT_EQ(panel.DefaultTo(), 14933983u);
  EXPECT_EQ(panel.GradientType(), TGradientType::gtVertical);
  EXPECT_EQ(panel.Color(), 14933983u);
  EXPECT_EQ(panel.Font().Color(), 13500416u);
  EXPECT_EQ(panel.Width(), 185);
  EXPECT_EQ(panel.Height(), 105);
  EXPECT_EQ(panel.ControlStyle(), unsigned(csAcceptsControls | csCaptureMouse | csClickEvents |
                                           csOpaque | csDoubleClicks | csReplicatable));
  EXPECT_EQ(panel.Buffer().Width(), 185);
  EXPECT_EQ(panel.Buffer().Height(), 105);
}

TEST(RbPanel, RefusesBorderWidthBelowOneAndNegativeCornerWidth) {
  TRbPanel panel(nullptr);
  panel.SetBorderWidth(7);
  panel.SetBorderWidth(0);
  EXPECT_EQ(panel.BorderWidth(), 7);
  panel.SetBorderWidth(-1);
  EXPECT_EQ(panel.BorderWidth(), 7);
  panel.SetCornerWidth(-1);
  EXPECT_EQ(panel.CornerWidth(), 10);
  panel.SetCornerWidth(0);
  EXPECT_EQ(panel.CornerWidth(), 0);
}

TEST(RbPanel, GradientAndSmoothingExcludeEachOther) {
  TRbPanel panel(nullptr);
  panel.SetGradient(true);
  EXPECT_FALSE(panel.Gradient()) << "smoothing is on";
  panel.SetAntialiased(false);
  panel.SetGradient(true);
  EXPECT_TRUE(panel.Gradient());
  panel.SetAntialiased(true);
  EXPECT_FALSE(panel.Gradient());
  EXPECT_TRUE(panel.Antialiased());
}

TEST(RbPanel, AGradientBodyFillsTheInsideOfTheBorder) {
  TRbPanel panel(nullptr);
  panel.SetAntialiased(false);
  panel.SetGradient(true);
  panel.SetDefaultFrom(RGB(0, 0, 0));
  panel.SetDefaultTo(RGB(0, 0, 105));
  // Vertical over the whole height (105): row y is blue y; the border covers row 0.
  EXPECT_EQ(PixelAt(panel.Buffer(), 90, 50), (Rgb{0, 0, 50}));
  EXPECT_EQ(PixelAt(panel.Buffer(), 90, 0), ToRgb(clGray));
  panel.SetGradientType(TGradientType::gtHorizontal);
  EXPECT_EQ(PixelAt(panel.Buffer(), 90, 50), (Rgb{0, 0, 51}));  // 105 / 185 * 90 = 51.08
}

struct InsetCase {
  int borderWidth;
  TAlign align;
  TRect expected;  // for a 300 x 200 panel and a 40-pixel child
};

void PrintTo(const InsetCase& c, std::ostream* os) {
  *os << "border " << c.borderWidth << ", align " << int(c.align);
}

class ClientInset : public ControlTest, public ::testing::WithParamInterface<InsetCase> {};

TEST_P(ClientInset, ChildrenSitInsideTheBorder) {
  auto form = MakeForm(0, 0, 400, 300);
  auto* panel = new TRbPanel(form.get());
  panel->SetBounds(0, 0, 300, 200);
  panel->SetParent(form.get());
  panel->SetBorderWidth(GetParam().borderWidth);
  auto* child = new Child(panel, GetParam().align, 40);
  EXPECT_EQ(child->BoundsRect(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Borders, ClientInset,
                         ::testing::Values(InsetCase{10, alTop, Rect(11, 11, 289, 51)},
                                           InsetCase{10, alClient, Rect(11, 11, 289, 189)},
                                           InsetCase{10, alBottom, Rect(11, 149, 289, 189)},
                                           InsetCase{3, alLeft, Rect(4, 4, 44, 196)},
                                           InsetCase{1, alRight, Rect(258, 2, 298, 198)}));

TEST_F(RbPanelTest, ABorderWidthChangeMovesTheChildrenAtOnce) {
  auto form = MakeForm(0, 0, 400, 300);
  auto* panel = new TRbPanel(form.get());
  panel->SetBounds(0, 0, 300, 200);
  panel->SetParent(form.get());
  auto* child = new Child(panel, alClient, 40);
  EXPECT_EQ(child->BoundsRect(), Rect(3, 3, 297, 197));
  panel->SetBorderWidth(10);
  EXPECT_EQ(child->BoundsRect(), Rect(11, 11, 289, 189));
}

TEST_F(RbPanelTest, AGroupBoxCaptionMovesTheChildrenAndTheTopBorder) {
  auto form = MakeForm(0, 0, 400, 300);
  auto* panel = new TRbPanel(form.get());
  panel->SetBounds(0, 0, 300, 200);
  panel->SetParent(form.get());
  panel->SetAntialiased(false);  // border 2: a one-pixel pen on the outline
  panel->SetCaption("Группа");
  auto* child = new Child(panel, alClient, 40);
  const int th = panel->CaptionTextHeight();
  ASSERT_GT(th, 8);
  EXPECT_EQ(PixelAt(panel->Buffer(), 150, 0), ToRgb(clGray));
  panel->SetCaptionPosition(TRbCaptionPos::cpGroupBox);
  // Shrunk by 3 left and right, by th/2 + 2 top and bottom, then moved down by th/2 - 1.
  const int half = th / 2;
  EXPECT_EQ(child->BoundsRect(), Rect(3, half + 2 + half - 1, 297, 200 - (half + 2) + half - 1));
  EXPECT_EQ(PixelAt(panel->Buffer(), 150, 0), ToRgb(clBtnFace));
  EXPECT_EQ(PixelAt(panel->Buffer(), 150, half), ToRgb(clGray));
  panel->SetCaptionPosition(TRbCaptionPos::cpBottomRight);
  EXPECT_EQ(child->BoundsRect(), Rect(3, 3, 297, 197));
  EXPECT_EQ(PixelAt(panel->Buffer(), 150, 0), ToRgb(clGray));
}

TEST(RbPanel, MovingTheCaptionBetweenOrdinaryPositionsKeepsTheBuffer) {
  TRbPanel panel(nullptr);
  // A mark in the cached face shows whether it was redrawn.
  auto& buffer = const_cast<TBitmap&>(panel.Buffer());
  SetPixelAt(buffer, 90, 50, {1, 2, 3});
  panel.SetCaptionPosition(TRbCaptionPos::cpMiddleCenter);
  panel.SetCaptionPosition(TRbCaptionPos::cpBottomLeft);
  EXPECT_EQ(PixelAt(panel.Buffer(), 90, 50), (Rgb{1, 2, 3}));
  panel.SetCaptionPosition(TRbCaptionPos::cpGroupBox);
  EXPECT_EQ(PixelAt(panel.Buffer(), 90, 50), ToRgb(panel.Color()));
}

// --- Caption placement

struct PlacementCase {
  TRbCaptionPos position;
  int cornerWidth;
  int borderWidth;
  TRect rect;
  unsigned flags;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
  *os << "position " << int(c.position) << ", corner " << c.cornerWidth << ", border "
      << c.borderWidth;
}

class CaptionPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(CaptionPlacement, GivesTheRectangleAndFlags) {
  const PlacementCase& c = GetParam();
  const TRbCaptionPlacement p = PlaceCaption(c.position, c.cornerWidth, c.borderWidth, 200, 100);
  EXPECT_EQ(p.Rect, c.rect);
  EXPECT_EQ(p.Flags, c.flags);
}

using CP = TRbCaptionPos;
// Corner 10, border 4: a = 7, the rectangle (7, 4, 193, 96).
INSTANTIATE_TEST_SUITE_P(
    Positions, CaptionPlacement,
    ::testing::Values(PlacementCase{CP::cpGroupBox, 10, 4, Rect(7, 0, 193, 96), 0x8020},
                      PlacementCase{CP::cpTopLeft, 10, 4, Rect(7, 4, 193, 96), 0x8020},
                      PlacementCase{CP::cpTopCenter, 10, 4, Rect(7, 4, 193, 96), 0x8021},
                      PlacementCase{CP::cpTopRight, 10, 4, Rect(7, 4, 193, 96), 0x8022},
                      PlacementCase{CP::cpMiddleLeft, 10, 4, Rect(4, 4, 193, 96), 0x8024},
                      PlacementCase{CP::cpMiddleCenter, 10, 4, Rect(7, 4, 193, 96), 0x8025},
                      PlacementCase{CP::cpMiddleRight, 10, 4, Rect(7, 4, 196, 96), 0x8026},
                      PlacementCase{CP::cpBottomLeft, 10, 4, Rect(7, 4, 193, 96), 0x8028},
                      PlacementCase{CP::cpBottomCenter, 10, 4, Rect(7, 4, 193, 96), 0x8029},
                      PlacementCase{CP::cpBottomRight, 10, 4, Rect(7, 4, 193, 96), 0x802A},
                      // No corner and a one-pixel border: the group-box caption moves right by 5.
                      PlacementCase{CP::cpGroupBox, 0, 1, Rect(5, 0, 200, 99), 0x8020},
                      PlacementCase{CP::cpGroupBox, 1, 1, Rect(1, 0, 199, 99), 0x8020},
                      // A border wider than the corner moves the middle captions inwards.
                      PlacementCase{CP::cpMiddleLeft, 2, 10, Rect(10, 10, 194, 90), 0x8024}));

TEST(GroupBoxCut, CutsTheStripAboveAndTheBorderBehindTheCaption) {
  const TRbGroupBoxCut cut = GroupBoxCut(Rect(7, 0, 193, 96), 40, 13, 4);
  EXPECT_EQ(cut.Above, Rect(0, 0, 193, 6));
  EXPECT_EQ(cut.Line, Rect(7, 6, 47, 10));
  EXPECT_EQ(GroupBoxCut(Rect(7, 0, 193, 96), 40, 13, 10).Line, Rect(7, 6, 47, 12));
}

// --- Painting

class CaptionPaint : public ::testing::TestWithParam<TRbCaptionPos> {};

TEST_P(CaptionPaint, DrawsTheBufferThenTheShadowedCaptionInItsRectangle) {
  TRbPanel panel(nullptr);
  panel.SetBounds(0, 0, 180, 90);
  panel.SetCaption("Настройка");
  panel.SetCaptionPosition(GetParam());
  TBitmap painted;
  panel.PaintTo(painted);
  TBitmap expected = panel.Buffer();
  expected.Canvas().Brush().SetStyle(bsClear);
  const TRbCaptionPlacement place = panel.CaptionPlacement();
  DrawShadowText(expected.Canvas(), "Настройка", panel.Font(), clWhite, true, place.Flags,
                 place.Rect, true);
  EXPECT_EQ(FirstDifference(painted, expected), "");
  EXPECT_NE(FirstDifference(painted, panel.Buffer()), "") << "no caption drawn";
}

INSTANTIATE_TEST_SUITE_P(Positions, CaptionPaint,
                         ::testing::Values(CP::cpTopLeft, CP::cpTopCenter, CP::cpTopRight,
                                           CP::cpMiddleLeft, CP::cpMiddleCenter, CP::cpMiddleRight,
                                           CP::cpBottomLeft, CP::cpBottomCenter,
                                           CP::cpBottomRight));

TEST(RbPanel, AGroupBoxCaptionCutsTheTopBorder) {
  TRbPanel panel(nullptr);
  panel.SetBounds(0, 0, 180, 90);
  panel.SetAntialiased(false);
  panel.SetBorderWidth(4);
  panel.SetCaption("Ш");
  panel.SetCaptionPosition(TRbCaptionPos::cpGroupBox);
  panel.SetShowCaption(false);
  TBitmap plain;
  panel.PaintTo(plain);
  EXPECT_EQ(FirstDifference(plain, panel.Buffer()), "");
  panel.SetShowCaption(true);
  TBitmap painted;
  panel.PaintTo(painted);
  TCanvas measure;
  measure.SetFont(panel.Font());
  const TSize text = measure.TextExtent("Ш");
  const TRbCaptionPlacement place = panel.CaptionPlacement();
  const TRbGroupBoxCut cut = GroupBoxCut(place.Rect, text.cx, text.cy, 4);
  TBitmap expected = panel.Buffer();
  expected.Canvas().Brush().SetColor(clBtnFace);
  expected.Canvas().FillRect(cut.Above);
  expected.Canvas().FillRect(cut.Line);
  expected.Canvas().Brush().SetStyle(bsClear);
  DrawShadowText(expected.Canvas(), "Ш", panel.Font(), clWhite, true, place.Flags, place.Rect,
                 true);
  EXPECT_EQ(FirstDifference(painted, expected), "");
  // The top border (rows th/2 .. th/2 + 2 for a 3-pixel pen) goes behind the caption only.
  const int row = text.cy / 2 + 1;
  EXPECT_EQ(PixelAt(painted, cut.Line.Right + 5, row), ToRgb(clGray));
  int cutPixels = 0;
  for (int x = cut.Line.Left; x < cut.Line.Right; ++x)
    cutPixels +=
        PixelAt(plain, x, row) == ToRgb(clGray) && PixelAt(painted, x, row) == ToRgb(clBtnFace);
  EXPECT_GT(cutPixels, 0);
}

TEST(RbPanel, WithAnEmptyCaptionOnlyTheBufferIsPainted) {
  TRbPanel panel(nullptr);
  panel.SetBounds(0, 0, 120, 70);
  for (CP position : {CP::cpTopLeft, CP::cpMiddleCenter, CP::cpBottomRight}) {
    panel.SetCaptionPosition(position);
    TBitmap painted;
    panel.PaintTo(painted);
    EXPECT_EQ(FirstDifference(painted, panel.Buffer()), "");
  }
}

TEST(RbPanel, ADisabledPanelEngravesItsCaption) {
  TRbPanel panel(nullptr);
  panel.SetBounds(0, 0, 120, 40);
  panel.SetCaption("Текст");
  panel.SetEnabled(false);
  TBitmap painted;
  panel.PaintTo(painted);
  TBitmap expected = panel.Buffer();
  expected.Canvas().Brush().SetStyle(bsClear);
  DrawShadowText(expected.Canvas(), "Текст", panel.Font(), clWhite, true,
                 panel.CaptionPlacement().Flags, panel.CaptionPlacement().Rect, false);
  EXPECT_EQ(FirstDifference(painted, expected), "");
}

// --- The face

TEST(RbPanel, TheCornersShowTheOuterColour) {
  for (bool smooth : {true, false}) {
    TRbPanel panel(nullptr);
    panel.SetBounds(0, 0, 100, 60);
    panel.SetAntialiased(smooth);
    panel.SetOuterColor(RGB(10, 200, 30));
    panel.SetBorderWidth(10);
    const TBitmap& b = panel.Buffer();
    for (const TPoint p : {Point(0, 0), Point(99, 0), Point(0, 59), Point(99, 59)})
      EXPECT_EQ(PixelAt(b, p.X, p.Y), (Rgb{10, 200, 30})) << smooth << " " << p.X << "," << p.Y;
    EXPECT_EQ(PixelAt(b, 50, 1), ToRgb(clGray)) << smooth;
    EXPECT_EQ(PixelAt(b, 50, 30), ToRgb(panel.Color())) << smooth;
  }
}

TEST(RbPanel, TheSmoothedBandMixesBorderAndOuterColours) {
  TRbPanel panel(nullptr);
  panel.SetBounds(0, 0, 100, 60);
  panel.SetBorderWidth(10);
  panel.SetBorderColor(RGB(255, 0, 0));
  panel.SetOuterColor(RGB(0, 0, 255));
  // On the corner's curve a pixel covers n red and 9 - n blue subpixels: their truncated mean.
  int mixed = 0;
  for (int k = 0; k < 6; ++k) {
    const Rgb p = PixelAt(panel.Buffer(), k, k);
    if (p.r == 0 || p.b == 0) continue;
    ++mixed;
    bool matches = false;
    for (int n = 1; n <= 8; ++n) matches = matches || (p == Rgb{255 * n / 9, 0, 255 * (9 - n) / 9});
    EXPECT_TRUE(matches) << k << ": " << p;
  }
  EXPECT_GE(mixed, 1);
}

TEST_F(RbPanelTest, WithParentColourTheBodyAndOuterColourFollowTheParent) {
  auto form = MakeForm(0, 0, 300, 200);
  auto* outer = new TRbPanel(form.get());
  outer->SetBounds(0, 0, 300, 200);
  outer->SetParent(form.get());
  auto* inner = new TRbPanel(form.get());
  inner->SetBounds(20, 20, 100, 60);
  inner->SetParent(outer);
  inner->SetParentColor(true);
  outer->SetColor(RGB(1, 100, 200));
  EXPECT_EQ(inner->Color(), RGB(1, 100, 200));
  EXPECT_EQ(inner->OuterColor(), RGB(1, 100, 200));
  EXPECT_TRUE(inner->ParentColor());
  EXPECT_EQ(PixelAt(inner->Buffer(), 0, 0), (Rgb{1, 100, 200}));
}

TEST_F(RbPanelTest, AResizeRedrawsTheBufferAtTheNewSize) {
  auto form = MakeForm(0, 0, 400, 300);
  auto* panel = new TRbPanel(form.get());
  panel->SetParent(form.get());
  panel->SetAlign(alClient);
  EXPECT_EQ(panel->Buffer().Width(), 400);
  const int redraws = panel->BufferRedraws();
  form->SetBounds(0, 0, 500, 320);
  EXPECT_EQ(panel->BufferRedraws(), redraws + 1) << "one redraw per resize";
  EXPECT_EQ(panel->Buffer().Width(), 500);
  EXPECT_EQ(panel->Buffer().Height(), 320);
  EXPECT_EQ(PixelAt(panel->Buffer(), 250, 160), ToRgb(panel->Color()));
  EXPECT_EQ(PixelAt(panel->Buffer(), 499, 319), ToRgb(clBtnFace));
}

}  // namespace

namespace {

TEST(RbPanel, WidthsFromADamagedLayoutDrawLikeTheLargestSensibleOnes) {
  const int huge = std::numeric_limits<int>::max();
  for (bool smooth : {true, false}) {
    TRbPanel damaged(nullptr);
    TRbPanel sensible(nullptr);
    for (TRbPanel* p : {&damaged, &sensible}) {
      p->SetBounds(0, 0, 60, 40);
      p->SetAntialiased(smooth);
      p->SetCaption("Текст");
      p->SetCaptionPosition(TRbCaptionPos::cpGroupBox);
    }
    damaged.SetCornerWidth(huge);
    damaged.SetBorderWidth(huge);
    sensible.SetCornerWidth(RbMaxExtent);
    sensible.SetBorderWidth(RbMaxExtent);
    EXPECT_EQ(FirstDifference(damaged.Buffer(), sensible.Buffer()), "") << smooth;
    TBitmap a;
    TBitmap b;
    damaged.PaintTo(a);
    sensible.PaintTo(b);
    EXPECT_EQ(FirstDifference(a, b), "") << smooth;
    EXPECT_EQ(PixelAt(damaged.Buffer(), 30, 39), ToRgb(clGray)) << "all border";
  }
}

}  // namespace
