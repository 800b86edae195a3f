// The ruler as a control: defaults, markers and their places, the size rules, the events over
// the body and over the markers, and dragging with snapping and carrying.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "ruler_fixture.h"

namespace {

using Log = std::vector<std::string>;

TEST_F(RulerTest, StartsWithTheDefaults) {
  TWordRuler ruler(nullptr);
  EXPECT_EQ(ruler.Divisions(), TDivType::dvPixels);
  EXPECT_EQ(ruler.BackColor(), 16777215u);
  EXPECT_EQ(ruler.RulerColor(), 0u);
  EXPECT_TRUE(ruler.Framed());
  EXPECT_TRUE(ruler.MarkerOnTop());
  EXPECT_EQ(ruler.Direction(), TRulerDir::rdHorizontal);
  EXPECT_EQ(ruler.Font().Name(), "MS Serif");
  EXPECT_EQ(ruler.Font().Size(), 7);
  EXPECT_EQ(ruler.Width(), 100);
  EXPECT_EQ(ruler.Height(), 26);
  EXPECT_NE(ruler.ControlStyle() & csOpaque, 0u);
  // No markers before the window's first size.
  EXPECT_EQ(ruler.Marker(TWordRuler::FirstLineTag), nullptr);
  EXPECT_EQ(ruler.LeftIndentPos(), 0.0);
}

TEST_F(RulerTest, PlacesTheMarkersAtTheirStartingPlaces) {
  struct Expected {
    int tag;
    TRect bounds;
  };
  for (const Expected& e : {Expected{TWordRuler::FirstLineTag, Bounds(0, 4, 9, 9)},
                            Expected{TWordRuler::LeftIndentTag, Bounds(0, 13, 9, 14)},
                            Expected{TWordRuler::RightIndentTag, Bounds(191, 13, 9, 9)}}) {
    TImage* marker = ruler_->Marker(e.tag);
    ASSERT_NE(marker, nullptr) << e.tag;
    EXPECT_EQ(marker->Tag(), e.tag);
    EXPECT_EQ(marker->BoundsRect(), e.bounds) << e.tag;
    EXPECT_EQ(marker->Parent(), ruler_);
    EXPECT_EQ(marker->Owner(), nullptr);
    EXPECT_TRUE(marker->Transparent());
    EXPECT_EQ(marker->Picture().Bitmap().TransparentColor(), clWhite);
  }
}

TEST_F(RulerTest, KeepsAtLeast25PixelsAcross) {
  ruler_->SetHeight(20);
  EXPECT_EQ(ruler_->Height(), 25);
  EXPECT_EQ(ruler_->Marker(TWordRuler::RightIndentTag)->Top(), 12);
  ruler_->SetDirection(TRulerDir::rdVertical);
  ruler_->SetWidth(10);
  EXPECT_EQ(ruler_->Width(), 25);
  ruler_->SetHeight(20);  // the length of a vertical ruler is free
  EXPECT_EQ(ruler_->Height(), 20);
}

TEST_F(RulerTest, EveryResizePutsTheMarkersBackWithoutAnEvent) {
  Drag(OnLeftBox(), 30);
  ASSERT_EQ(MarkerLeft(TWordRuler::LeftIndentTag), 30);
  log_.clear();
  ruler_->SetWidth(300);
  EXPECT_EQ(MarkerLeft(TWordRuler::FirstLineTag), 0);
  EXPECT_EQ(MarkerLeft(TWordRuler::LeftIndentTag), 0);
  EXPECT_EQ(MarkerLeft(TWordRuler::RightIndentTag), 291);
  EXPECT_EQ(ruler_->LeftIndentPos(), 0.0);
  EXPECT_EQ(log_, Log{});
}

TEST_F(RulerTest, ResizingTheWindowResetsAnAlignedRuler) {
  ruler_->SetAlign(alTop);
  ASSERT_EQ(ruler_->Width(), form_->ClientWidth());
  Drag(OnLeftBox(), 40);
  ASSERT_EQ(MarkerLeft(TWordRuler::LeftIndentTag), 40);
  log_.clear();
  form_->SetWidth(form_->Width() + 50);
  EXPECT_EQ(ruler_->Width(), form_->ClientWidth());
  EXPECT_EQ(MarkerLeft(TWordRuler::LeftIndentTag), 0);
  EXPECT_EQ(MarkerLeft(TWordRuler::FirstLineTag), 0);
  EXPECT_EQ(MarkerLeft(TWordRuler::RightIndentTag), ruler_->Width() - 9);
  EXPECT_EQ(log_, Log{});
}

TEST_F(RulerTest, MarkersExistOnlyWhileHorizontal) {
  ruler_->SetDirection(TRulerDir::rdVertical);
  for (int tag = 1; tag <= 3; ++tag) EXPECT_EQ(ruler_->Marker(tag), nullptr);
  ruler_->SetHeight(300);  // a size change does not bring them back
  EXPECT_EQ(ruler_->Marker(TWordRuler::FirstLineTag), nullptr);
  ruler_->SetDirection(TRulerDir::rdHorizontal);
  ASSERT_NE(ruler_->Marker(TWordRuler::RightIndentTag), nullptr);
  EXPECT_EQ(MarkerLeft(TWordRuler::RightIndentTag), 191);
}

TEST_F(RulerTest, BodyEventsComeInTheirOrder) {
  const TPoint p = Point(100, 8);
  TestInput::MouseDown(ruler_, mbLeft, p);
  TestInput::MouseMove(ruler_, Point(101, 8), ssLeft);
  TestInput::MouseMove(ruler_, Point(102, 8), ssLeft);
  TestInput::MouseUp(ruler_, mbLeft, Point(102, 8));
  EXPECT_EQ(log_, (Log{"down0@100,8", "begin", "changed", "move@101,8", "changed", "move@102,8",
                       "stop", "up0@102,8"}));
}

TEST_F(RulerTest, BodyIgnoresOtherButtonsAndMovesWithoutTheLeftButton) {
  TestInput::MouseMove(ruler_, Point(60, 8));
  TestInput::MouseDown(ruler_, mbRight, Point(60, 8));
  TestInput::MouseMove(ruler_, Point(61, 8), ssRight);
  TestInput::MouseUp(ruler_, mbRight, Point(61, 8));
  // The release is reported whatever the button.
  EXPECT_EQ(log_, (Log{"stop", "up1@61,8"}));
}

TEST_F(RulerTest, MovingOverTheEmptyBodyWithTheLeftButtonFiresOnChangedEachTime) {
  TestInput::MouseDown(ruler_, mbLeft, Point(100, 8));
  log_.clear();
  for (int x = 101; x <= 105; ++x) TestInput::MouseMove(ruler_, Point(x, 8), ssLeft);
  EXPECT_EQ(std::count(log_.begin(), log_.end(), "changed"), 5);
  for (int tag = 1; tag <= 3; ++tag) EXPECT_FALSE(ruler_->Dragging(tag));
  EXPECT_EQ(MarkerLeft(TWordRuler::LeftIndentTag), 0);
  TestInput::MouseUp(ruler_, mbLeft, Point(105, 8));
}

TEST_F(RulerTest, MarkerEventsUseTheMarkersCoordinates) {
  TestInput::MouseDown(ruler_, mbLeft, OnLeftTriangle());
  EXPECT_TRUE(ruler_->Dragging(TWordRuler::LeftIndentTag));
  TestInput::MouseMove(ruler_, Point(5, 16), ssLeft);
  TestInput::MouseUp(ruler_, mbLeft, Point(5, 16));
  EXPECT_FALSE(ruler_->Dragging(TWordRuler::LeftIndentTag));
  // The marker sits at 0, 13: the point (4, 16) is (4, 3) on it.
  EXPECT_EQ(log_, (Log{"down0@4,3", "begin", "changed", "move@5,3", "stop", "up0@5,3"}));
}

TEST_F(RulerTest, AMarkerIgnoresARightPress) {
  TestInput::MouseDown(ruler_, mbRight, OnLeftTriangle());
  TestInput::MouseUp(ruler_, mbRight, OnLeftTriangle());
  // Nothing grabbed: the release on the marker is ignored too.
  EXPECT_EQ(log_, Log{});
  EXPECT_FALSE(ruler_->Dragging(TWordRuler::LeftIndentTag));
}

// Counts the paints it gets.
class CountingRuler : public TWordRuler {
 public:
  using TWordRuler::TWordRuler;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TWordRuler::Paint();
  }
};

TEST_F(RulerTest, SettersRepaintAtOnceAndIgnoreEqualValues) {
  auto* ruler = new CountingRuler(form_.get());
  ruler->SetParent(form_.get());
  TestInput::ProcessEvents();
  struct Step {
    const char* what;
    std::function<void()> set;
    int paints;  // paints the step causes before any event is handled
  };
  TFont font = ruler->Font();
  font.SetSize(9);
  const Step steps[] = {
      {"Divisions", [&] { ruler->SetDivisions(TDivType::dvPicas); }, 1},
      {"same Divisions", [&] { ruler->SetDivisions(TDivType::dvPicas); }, 0},
      {"BackColor", [&] { ruler->SetBackColor(clYellow); }, 1},
      {"same BackColor", [&] { ruler->SetBackColor(clYellow); }, 0},
      {"RulerColor", [&] { ruler->SetRulerColor(clNavy); }, 1},
      {"Framed", [&] { ruler->SetFramed(false); }, 1},
      {"same Framed", [&] { ruler->SetFramed(false); }, 0},
      {"MarkerOnTop", [&] { ruler->SetMarkerOnTop(false); }, 1},
      {"Font", [&] { ruler->SetFont(font); }, 1},
      {"same Font", [&] { ruler->SetFont(font); }, 0},
  };
  for (const Step& step : steps) {
    const int before = ruler->paints;
    step.set();
    EXPECT_EQ(ruler->paints - before, step.paints) << step.what;
  }
  EXPECT_FALSE(ruler->Framed());
}

struct DragCase {
  TDivType divisions;
  int by;
  int left;
  double reading;
};

class RulerDragTest : public RulerTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(RulerDragTest, SnapsTheLeftIndentMarker) {
  const DragCase& c = GetParam();
  ruler_->SetDivisions(c.divisions);
  Drag(OnLeftTriangle(), c.by);
  EXPECT_EQ(MarkerLeft(TWordRuler::LeftIndentTag), c.left);
  EXPECT_DOUBLE_EQ(ruler_->LeftIndentPos(), c.reading);
}

INSTANTIATE_TEST_SUITE_P(Units, RulerDragTest,
                         ::testing::Values(DragCase{TDivType::dvPixels, 12, 10, 10.0},
                                           DragCase{TDivType::dvPixels, 13, 15, 15.0},
                                           DragCase{TDivType::dvInches, 81, 81, 1.125},
                                           DragCase{TDivType::dvInches, 40, 36, 0.5},
                                           DragCase{TDivType::dvCentimeters, 28, 28, 1.0},
                                           DragCase{TDivType::dvPicas, 15, 12, 1.0}));

TEST_F(RulerTest, DraggingByTheBoxCarriesTheFirstLineMarker) {
  Drag(OnFirstLine(), 20);
  ASSERT_EQ(MarkerLeft(TWordRuler::FirstLineTag), 20);
  TestInput::MouseDown(ruler_, mbLeft, OnLeftBox());
  EXPECT_TRUE(ruler_->Carrying());
  for (int d = 1; d <= 30; ++d) TestInput::MouseMove(ruler_, Point(4 + d, 24), ssLeft);
  TestInput::MouseUp(ruler_, mbLeft, Point(34, 24));
  EXPECT_EQ(MarkerLeft(TWordRuler::LeftIndentTag), 30);
  EXPECT_EQ(MarkerLeft(TWordRuler::FirstLineTag), 50);
  EXPECT_FALSE(ruler_->Carrying());
}

TEST_F(RulerTest, DraggingByTheTriangleLeavesTheFirstLineMarker) {
  Drag(OnFirstLine(), 20);
  Drag(OnLeftTriangle(), 30);
  EXPECT_EQ(MarkerLeft(TWordRuler::LeftIndentTag), 30);
  EXPECT_EQ(MarkerLeft(TWordRuler::FirstLineTag), 20);
}

TEST_F(RulerTest, RightAndLeftMarkersArePushedApart) {
  // The right-indent marker, dragged left past the left-indent one, stops snap(30 + 9) = 40.
  Drag(OnLeftTriangle(), 30);
  Drag(Point(195, 16), -180);
  EXPECT_EQ(MarkerLeft(TWordRuler::RightIndentTag), 40);
  // The left-indent marker, dragged right past it, stops at snap(40 - 9) = 30 again.
  Drag(Point(34, 16), 100);
  EXPECT_EQ(MarkerLeft(TWordRuler::LeftIndentTag), 30);
}

TEST_F(RulerTest, OverlappingMarkersGoToTheLaterOne) {
  // 14 x 25: the right-indent marker (5, 12, 9 x 9) covers the left-indent one (0, 12, 9 x 14),
  // which covers row 12 of the first-line one (0, 4, 9 x 9).
  ruler_->SetBounds(10, 10, 14, 25);
  ASSERT_EQ(ruler_->Marker(TWordRuler::FirstLineTag)->Picture().Bitmap().Canvas().Pixels(0, 7),
            clWhite);
  struct Press {
    TPoint at;
    int grabbed;
  };
  for (const Press& p : {Press{Point(6, 14), TWordRuler::RightIndentTag},
                         Press{Point(2, 14), TWordRuler::LeftIndentTag},
                         Press{Point(2, 12), TWordRuler::LeftIndentTag},
                         Press{Point(2, 11), TWordRuler::FirstLineTag},
                         // A transparent corner takes the press too.
                         Press{Point(0, 11), TWordRuler::FirstLineTag}}) {
    TestInput::MouseDown(ruler_, mbLeft, p.at);
    for (int tag = 1; tag <= 3; ++tag)
      EXPECT_EQ(ruler_->Dragging(tag), tag == p.grabbed) << p.at.X << "," << p.at.Y;
    TestInput::MouseUp(ruler_, mbLeft, p.at);
  }
}

TEST_F(RulerTest, ADragGoesOnOutsideTheMarker) {
  TestInput::MouseDown(ruler_, mbLeft, OnLeftTriangle());
  // Far below the ruler: the marker still has the mouse.
  TestInput::MouseMove(ruler_, Point(54, 80), ssLeft);
  TestInput::MouseUp(ruler_, mbLeft, Point(54, 80));
  EXPECT_EQ(MarkerLeft(TWordRuler::LeftIndentTag), 50);
}

}  // namespace
